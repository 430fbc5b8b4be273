#include "support/process_runner.h"

#include "support/temp_dir.h"

std::wstring BuiltProgramPath(const wchar_t* fileName)
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L"\\/") + 1) + fileName;
}

ProgramProcess::~ProgramProcess()
{
    if (info_.hProcess != nullptr) {
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 99);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
}

bool ProgramProcess::Start(const std::wstring& program, const std::wstring& directory)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    return CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          directory.c_str(), &startup, &info_) != FALSE;
}

namespace {
struct WindowSearch {
    DWORD processId;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, ARRAYSIZE(title));
    if (owner == search->processId && std::wstring(title) == search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND ProgramProcess::WaitForWindow(const wchar_t* title, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        WindowSearch search = { info_.dwProcessId, title, nullptr };
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        if (WaitForSingleObject(info_.hProcess, 50) == WAIT_OBJECT_0) {
            return nullptr;
        }
    }
    return nullptr;
}

bool ProgramProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode)
{
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    GetExitCodeProcess(info_.hProcess, exitCode);
    return true;
}

bool WaitForFile(const std::wstring& path, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!FileExists(path)) {
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        Sleep(50);
    }
    return true;
}
