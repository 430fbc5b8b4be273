// Stand-in for the system's netsh, copied as netsh.exe into the base
// directory. A profile's batch file finds it in the current directory before
// the real one; it appends the arguments it was given, as one UTF-8 line, to
// netsh.log beside itself.
#include <windows.h>

#include <string>

#include "beside_me.h"

static std::wstring ArgumentsOf(const wchar_t* commandLine)
{
    const wchar_t* at = commandLine;
    if (*at == L'"') {
        at = wcschr(at + 1, L'"');
        at = at ? at + 1 : commandLine + wcslen(commandLine);
    } else {
        while (*at != L'\0' && *at != L' ' && *at != L'\t') {
            ++at;
        }
    }
    while (*at == L' ' || *at == L'\t') {
        ++at;
    }
    return at;
}

int wmain()
{
    std::wstring line = ArgumentsOf(GetCommandLineW()) + L"\r\n";
    int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), &bytes[0], size, nullptr, nullptr);

    HANDLE log = CreateFileW(BesideMe(L"netsh.log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    WriteFile(log, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(log);
    return 0;
}
