#include "support/process_runner.h"

#include <gtest/gtest.h>

const wchar_t kNoText[] = L"<no text>";

std::wstring BuiltProgramPath(const wchar_t* fileName)
{
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, &path[0], MAX_PATH));
    return path.substr(0, path.find_last_of(L'\\') + 1) + fileName;
}

ProgramProcess::~ProgramProcess()
{
    TerminateProcess(info_.hProcess, 99);  // fails harmlessly once it has ended, or never started
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
}

bool ProgramProcess::Start(const std::wstring& program, const std::wstring& currentDirectory)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    return CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          currentDirectory.c_str(), &startup, &info_) != FALSE;
}

HWND ProgramProcess::WaitForWindow(const wchar_t* title, DWORD timeoutMs)
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

long ProgramProcess::ExitCode(DWORD timeoutMs)
{
    DWORD code = 0;
    bool ended = WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
    return ended && GetExitCodeProcess(info_.hProcess, &code) ? static_cast<long>(code) : -1;
}

std::string ClipboardData(UINT format)
{
    std::string bytes;
    // Peeking answers a program that empties the clipboard while the test owns it.
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

std::wstring ClipboardText()
{
    std::string bytes = ClipboardData(CF_UNICODETEXT);
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    memcpy(&text[0], bytes.data(), text.size() * sizeof(wchar_t));
    return bytes.empty() ? kNoText : text.substr(0, text.find(L'\0'));
}
