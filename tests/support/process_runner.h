// End-to-end tests: a built program run as its own process, and the clipboard.
#pragma once

#include <windows.h>

#include "support/temp_dir.h"

// A program built next to the running test program.
std::wstring BuiltProgramPath(const wchar_t* fileName);

// A process still running when the object goes is ended.
class ProgramProcess {
public:
    ~ProgramProcess();
    bool Start(const std::wstring& program, const std::wstring& currentDirectory);
    // Its top-level window with this title; nullptr on timeout or at its end.
    HWND WaitForWindow(const wchar_t* title, DWORD timeoutMs = 20000);
    // The exit code once the process has ended; -1 on timeout.
    long ExitCode(DWORD timeoutMs = 15000);

private:
    PROCESS_INFORMATION info_ = {};
};

// Polls every 20 ms until done() holds; false on timeout.
template <class Done>
bool WaitUntil(Done done, DWORD timeoutMs)
{
    for (DWORD start = GetTickCount(); !done(); Sleep(20)) {
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
    }
    return true;
}

// The clipboard's data in a format (empty when absent); its text (kNoText when absent).
std::string ClipboardData(UINT format);
extern const wchar_t kNoText[];
std::wstring ClipboardText();
