// Tests with windows and processes: waits with a deadline, the built programs run as processes of their own,
// what the test has started, the clipboard and a dialog's texts.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/temp_dir.h"

// Polls every 20 ms until done() holds, at most timeoutMs; a failure says what it waited for.
template <class Done>
::testing::AssertionResult WaitUntil(const char* what, Done done, DWORD timeoutMs = 20000)
{
    for (DWORD start = GetTickCount(); !done(); Sleep(20)) {
        if (GetTickCount() - start >= timeoutMs) {
            return ::testing::AssertionFailure() << "waited " << timeoutMs << " ms for " << what;
        }
    }
    return ::testing::AssertionSuccess();
}

// The programs still running that this process started, or that those started, by name. Wine's shell starts
// programs of its own for the Recycle Bin, which may outlive the operation under load: they are not counted.
inline std::wstring ChildProcesses()
{
    const std::wstring shellHelpers = L" explorer.exe winemenubuilder.exe ";
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
                bool shellHelper = shellHelpers.find(L" " + std::wstring(entry.szExeFile) + L" ") != std::wstring::npos;
                running += shellHelper ? L"" : std::wstring(entry.szExeFile) + L" ";
                grew = true;
            }
        }
    }
    CloseHandle(snapshot);
    return running;
}

// Until none of them runs but those named in staying: every elevated run has written all it will write.
inline ::testing::AssertionResult ChildProcessesEnded(const std::wstring& staying = L"")
{
    std::wstring running;
    ::testing::AssertionResult ended = WaitUntil("the processes the test started to end",
                                                 [&] { return (running = ChildProcesses()) == staying; });
    return ended << ", still running: " << Shown(running);
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
        WaitUntil("a window", [&] {
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

// A window's outer edges: left, top, right, bottom.
inline std::vector<LONG> WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return { rect.left, rect.top, rect.right, rect.bottom };
}

inline std::wstring ItemText(HWND dialog, int id)
{
    wchar_t text[1024] = {};
    GetDlgItemTextW(dialog, id, text, ARRAYSIZE(text));
    return text;
}

inline std::wstring WindowTitle(HWND window)
{
    wchar_t title[128] = {};
    GetWindowTextW(window, title, ARRAYSIZE(title));
    return title;
}

// The clipboard's data in a format, empty when absent. Peeking answers a program that empties the clipboard
// while the test holds it.
inline std::string ClipboardData(UINT format)
{
    std::string bytes;
    MSG message;
    EXPECT_TRUE(WaitUntil("the clipboard to be free",
                          [&] { return PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE), OpenClipboard(nullptr); }));
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

// The clipboard's changes as they come, each with the time it was made: the time of the system's message that
// told of it, not the time the test got to it, so that the test's own delays under load do not count.
class ClipboardWatch {
public:
    ClipboardWatch() { AddClipboardFormatListener(window_); }
    ~ClipboardWatch() { DestroyWindow(window_); }

    // The next change and the text it left.
    ::testing::AssertionResult Next(DWORD* time, std::wstring* text)
    {
        MSG message;
        return WaitUntil("a change of the clipboard", [&] {
            bool changed = PeekMessageW(&message, window_, WM_CLIPBOARDUPDATE, WM_CLIPBOARDUPDATE, PM_REMOVE) != FALSE;
            *time = changed ? message.time : 0;
            *text = changed ? ClipboardText() : L"";
            return changed;
        });
    }

private:
    HWND window_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
};
