#include <windows.h>

#include "app/application.h"
#include "common/library_search.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int nCmdShow)
{
    KeepLibrarySearchInSystemFolder();
    return RunApplication(instance, nCmdShow);
}
