// Stand-in netsh.exe, run by a profile's batch file: appends its arguments as
// one line to netsh.log, waits while netsh_hold exists (a minute at most), then
// ends with the number in netsh_exit.txt (0 without it). All three in its
// current directory. It stands in only under Wine, which runs an elevated
// batch file in the caller's current folder, where the test puts it and where
// cmd looks before its own netsh. Windows runs an elevated batch file in the
// system folder, where the real netsh is.
#include <windows.h>

#include <stdio.h>

static const wchar_t* SkipProgramName(const wchar_t* line)
{
    for (bool quoted = false; *line != L'\0' && (quoted || *line != L' '); ++line) {
        quoted ^= *line == L'"';
    }
    while (*line == L' ') {
        ++line;
    }
    return line;
}

int wmain()
{
    FILE* log = _wfopen(L"netsh.log", L"ab");
    fprintf(log, "%ls\r\n", SkipProgramName(GetCommandLineW()));
    fclose(log);
    for (DWORD start = GetTickCount();
         GetFileAttributesW(L"netsh_hold") != INVALID_FILE_ATTRIBUTES && GetTickCount() - start < 60000;) {
        Sleep(20);
    }
    unsigned long code = 0;
    if (FILE* exitCode = _wfopen(L"netsh_exit.txt", L"rb")) {
        fscanf(exitCode, "%lu", &code);
        fclose(exitCode);
    }
    return static_cast<int>(code);
}
