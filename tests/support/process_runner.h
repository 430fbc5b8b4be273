// End-to-end tests: start a built program as its own process in a folder,
// find its main window, close it and read its exit code.
#pragma once

#include <windows.h>

#include <string>

// Full path of a program built next to the running test program.
std::wstring BuiltProgramPath(const wchar_t* fileName);

class ProgramProcess {
public:
    ProgramProcess() = default;
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // Starts the program with the given current directory.
    bool Start(const std::wstring& program, const std::wstring& directory);
    // The process's top-level window with this title, waited for up to timeoutMs.
    HWND WaitForWindow(const wchar_t* title, DWORD timeoutMs = 20000);
    // Waits for the process to end; false on timeout.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);
    DWORD id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_ = {};
};

// Polls every 50 ms until the file exists; false on timeout.
bool WaitForFile(const std::wstring& path, DWORD timeoutMs);
