// Stand-in for the credential helper, copied as dunmere.exe into the base
// directory. At its start it keeps a copy of the dunmere.ini it finds beside
// itself (dunmere_seen.ini, absent when there was none), then leaves
// dunmere_started.txt to say it ran.
#include <windows.h>

#include <string>

#include "beside_me.h"

int wmain()
{
    CopyFileW(BesideMe(L"dunmere.ini").c_str(), BesideMe(L"dunmere_seen.ini").c_str(), FALSE);
    HANDLE marker = CreateFileW(BesideMe(L"dunmere_started.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker == INVALID_HANDLE_VALUE) {
        return 1;
    }
    CloseHandle(marker);
    return 0;
}
