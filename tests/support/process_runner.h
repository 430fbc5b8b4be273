// End-to-end tests: a built program run as its own process, and the clipboard.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/temp_dir.h"

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

// The programs still running that this process started, or that those started, by name.
inline std::wstring ChildProcesses()
{
    std::vector<DWORD> family = { GetCurrentProcessId() };
    std::wstring running;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (bool grew = true; grew;) {
        grew = false;
        for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
            bool parentIn = std::find(family.begin(), family.end(), entry.th32ParentProcessID) != family.end();
            if (parentIn && std::find(family.begin(), family.end(), entry.th32ProcessID) == family.end()) {
                family.push_back(entry.th32ProcessID);
                running += std::wstring(entry.szExeFile) + L" ";
                grew = true;
            }
        }
    }
    CloseHandle(snapshot);
    return running;
}

// True once none of them runs: every elevated run has written all it will write. Waits at most timeoutMs.
inline ::testing::AssertionResult ChildProcessesEnded(DWORD timeoutMs = 20000)
{
    std::wstring running;
    if (WaitUntil([&] { return (running = ChildProcesses()).empty(); }, timeoutMs)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "after " << timeoutMs << " ms, processes the test started still run: "
                                         << ::testing::PrintToString(running);
}

// A program built next to the running test program.
inline std::wstring BuiltProgramPath(const wchar_t* fileName)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    *wcsrchr(path, L'\\') = L'\0';
    return path + (L"\\" + std::wstring(fileName));
}

// A process still running when the object goes is ended.
class ProgramProcess {
public:
    ~ProgramProcess()
    {
        TerminateProcess(info_.hProcess, 99);   // fails harmlessly once it has ended, or never started
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }

    bool Start(const std::wstring& program, const std::wstring& currentDirectory)
    {
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        return CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                              currentDirectory.c_str(), &startup, &info_) != FALSE;
    }

    // Its top-level window with this title; nullptr on timeout or at its end.
    HWND WaitForWindow(const wchar_t* title, DWORD timeoutMs = 20000)
    {
        HWND found = nullptr;
        WaitUntil([&] {
            for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, title)) != nullptr;) {
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                found = owner == info_.dwProcessId ? window : found;
            }
            return found != nullptr || WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0;
        }, timeoutMs);
        return found;
    }

    // The exit code once the process has ended; -1 on timeout.
    long ExitCode(DWORD timeoutMs = 15000)
    {
        DWORD code = 0;
        bool ended = WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
        return ended && GetExitCodeProcess(info_.hProcess, &code) ? static_cast<long>(code) : -1;
    }

private:
    PROCESS_INFORMATION info_ = {};
};

// The clipboard's data in a format, empty when absent. Peeking answers a program that empties the clipboard
// while the test holds it.
inline std::string ClipboardData(UINT format)
{
    std::string bytes;
    MSG message;
    EXPECT_TRUE(WaitUntil([&] { return PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE), OpenClipboard(nullptr); },
                          2000)) << "the clipboard stays busy";
    HANDLE data = GetClipboardData(format);
    if (const char* chars = data ? static_cast<const char*>(GlobalLock(data)) : nullptr) {
        bytes.assign(chars, GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
}

const wchar_t kNoText[] = L"<no text>";

inline std::wstring ClipboardText()
{
    std::string bytes = ClipboardData(CF_UNICODETEXT);
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    return bytes.empty() ? kNoText : text.substr(0, text.find(L'\0'));
}
