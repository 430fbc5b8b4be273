// A library planted under the names of system libraries: loaded into a process, it leaves an empty file named
// after its own path with ".ran" added, so a test sees which copy of it ran.
#include <windows.h>

#include <strsafe.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        wchar_t marker[MAX_PATH + 8] = {};
        DWORD length = GetModuleFileNameW(instance, marker, MAX_PATH);
        if (length > 0 && length < MAX_PATH && SUCCEEDED(StringCchCatW(marker, ARRAYSIZE(marker), L".ran"))) {
            CloseHandle(CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        }
    }
    return TRUE;
}
