// Stand-in dunmere.exe: keeps a copy of the dunmere.ini in its current
// directory, then leaves dunmere_started.txt to say it ran.
#include <windows.h>

int wmain()
{
    CopyFileW(L"dunmere.ini", L"dunmere_seen.ini", FALSE);
    CloseHandle(CreateFileW(L"dunmere_started.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return 0;
}
