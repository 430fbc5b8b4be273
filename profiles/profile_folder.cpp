#include "profiles/profile_folder.h"

#include <strsafe.h>

#include "core/message_box.h"
#include "core/paths.h"
#include "core/system_libraries.h"

static const wchar_t kProfilePattern[] = L"*.bat";

static const wchar_t kPathTooLongText[] = L"パスが長すぎるため、このプロファイルは扱えません。";
static const wchar_t kDeleteFailedFormat[] =
    L"%ls\r\nを削除できませんでした。\r\n読み取り専用のファイルか、ほかのプログラムが使用中です。";
static const wchar_t kElevationFailedFormat[] = L"%ls could not be started as administrator";
static const wchar_t kRunFailedFormat[] = L"%ls\r\nの実行に失敗しました。終了コード: %lu";

// Room for a whole path of MAX_PATH characters inside any of the messages.
enum { kFormatRoom = 128, kPathMessageCapacity = MAX_PATH + kFormatRoom, kDwordDigits = 10 };
static_assert(ARRAYSIZE(kDeleteFailedFormat) < kFormatRoom, "the delete message must hold a whole path");
static_assert(ARRAYSIZE(kElevationFailedFormat) < kFormatRoom, "the elevation message must hold a whole path");
static_assert(ARRAYSIZE(kRunFailedFormat) + kDwordDigits < kFormatRoom, "the failed-run message must hold a whole path");

// One elevated run, from the thread that waits for it to the owner's thread.
struct RunReport {
    HWND owner;
    HANDLE process;
    DWORD exitCode;
    wchar_t path[MAX_PATH];
};

static void ShowPathMessage(HWND owner, const wchar_t* format, const wchar_t (&path)[MAX_PATH],
                            const wchar_t* caption, UINT type)
{
    wchar_t text[kPathMessageCapacity];
    ZeroMemory(text, sizeof(text));
    if (SUCCEEDED(StringCchPrintfW(text, ARRAYSIZE(text), format, path))) {
        ShowMessage(owner, text, caption, type);
    }
}

void ShowPathTooLong(HWND owner)
{
    ShowMessage(owner, kPathTooLongText, L"Error", MB_OK | MB_ICONWARNING);
}

bool ForEachProfileFile(ProfileFileVisitor visit, void* context)
{
    wchar_t pattern[MAX_PATH];
    if (!BuildProfilePath(pattern, kProfilePattern, ARRAYSIZE(kProfilePattern) - 1)) {
        return false;
    }
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(pattern, &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return true;
    }
    do {
        // A folder is never a profile, whatever its name ends in ("." and
        // ".." included).
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            visit(entry.cFileName, context);
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return true;
}

bool DeleteProfileFile(HWND owner, const wchar_t (&path)[MAX_PATH])
{
    DWORD error = DeleteFileW(path) ? ERROR_SUCCESS : GetLastError();
    if (error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        return true;
    }
    ShowPathMessage(owner, kDeleteFailedFormat, path, L"Error", MB_OK | MB_ICONWARNING);
    return false;
}

// The worker's thread: the report and the process handle are its own until
// the report is posted. It never reads the program's state, and a window
// that is gone refuses the post, so a late report is dropped here.
static DWORD WINAPI WaitForElevatedRun(void* parameter)
{
    RunReport* report = static_cast<RunReport*>(parameter);
    WaitForSingleObject(report->process, INFINITE);
    bool failed = GetExitCodeProcess(report->process, &report->exitCode) && report->exitCode != 0;
    CloseHandle(report->process);
    if (!failed || !PostMessageW(report->owner, WM_ELEVATED_RUN_FAILED, 0, reinterpret_cast<LPARAM>(report))) {
        HeapFree(GetProcessHeap(), 0, report);
    }
    return 0;
}

// The window goes on while a worker waits for the process. Nothing waits for
// the worker: at exit it simply ends with the program.
static void WatchElevatedRun(HWND owner, const wchar_t (&path)[MAX_PATH], HANDLE process)
{
    RunReport* report = static_cast<RunReport*>(HeapAlloc(GetProcessHeap(), 0, sizeof(RunReport)));
    if (report == nullptr) {
        CloseHandle(process);
        return;
    }
    report->owner = owner;
    report->process = process;
    report->exitCode = 0;
    CopyMemory(report->path, path, sizeof(report->path));
    HANDLE worker = CreateThread(nullptr, 0, WaitForElevatedRun, report, 0, nullptr);
    if (worker == nullptr) {
        CloseHandle(process);
        HeapFree(GetProcessHeap(), 0, report);
        return;
    }
    CloseHandle(worker);
}

void RunElevated(HWND owner, const wchar_t (&path)[MAX_PATH])
{
    SHELLEXECUTEINFOW request = {};
    request.cbSize = sizeof(request);
    request.fMask = SEE_MASK_NOCLOSEPROCESS;
    request.hwnd = owner;
    request.lpVerb = L"runas";
    request.lpFile = path;
    request.nShow = SW_SHOWNORMAL;
    ShellResult result = ExecuteWithShell(&request);
    if (result == kShellFailed) {
        ShowPathMessage(owner, kElevationFailedFormat, path, L"Error", MB_ICONERROR);
    } else if (result == kShellDone && request.hProcess != nullptr) {
        // A process comes back only when a new one runs the file.
        WatchElevatedRun(owner, path, request.hProcess);
    }
}

// The report is freed before the box, which runs a message loop of its own.
void ReportFailedRun(HWND owner, LPARAM report)
{
    RunReport* run = reinterpret_cast<RunReport*>(report);
    wchar_t text[kPathMessageCapacity];
    ZeroMemory(text, sizeof(text));
    HRESULT formatted = StringCchPrintfW(text, ARRAYSIZE(text), kRunFailedFormat, run->path, run->exitCode);
    HeapFree(GetProcessHeap(), 0, run);
    if (SUCCEEDED(formatted)) {
        ShowMessage(owner, text, L"Error", MB_OK | MB_ICONWARNING);
    }
}
