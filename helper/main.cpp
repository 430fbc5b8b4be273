// dunmere.exe: the credential helper that KORVATEL starts before each
// elevation request. It hands the stored ID and then the password on through
// the clipboard for a few seconds each and empties it again.

#include <windows.h>

#include "common/library_search.h"
#include "helper/helper_instance.h"
#include "helper/helper_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    KeepLibrarySearchInSystemFolder();
    HANDLE lock = TakeOverHelperInstance();
    if (lock == nullptr) {
        return 1;
    }
    int status = RunHelper(instance);
    ReleaseHelperInstance(lock);
    return status;
}
