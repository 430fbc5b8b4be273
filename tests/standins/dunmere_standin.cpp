// Stand-in dunmere.exe: copies the dunmere.ini in its current directory, time
// and all, then leaves dunmere_started.txt dated when it was started.
#include <windows.h>

int wmain()
{
    CopyFileW(L"dunmere.ini", L"dunmere_seen.ini", FALSE);
    FILETIME started, unused;
    GetProcessTimes(GetCurrentProcess(), &started, &unused, &unused, &unused);
    HANDLE marker = CreateFileW(L"dunmere_started.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    SetFileTime(marker, nullptr, nullptr, &started);
    CloseHandle(marker);
    return 0;
}
