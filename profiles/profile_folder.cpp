#include "profiles/profile_folder.h"

#include <strsafe.h>
#include <wchar.h>

#include "common/file_replace.h"
#include "common/text_rules.h"
#include "core/message_box.h"
#include "core/paths.h"
#include "core/system_libraries.h"
#include "profiles/profile_format.h"

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
    RunReport* next;
};

// Failed runs wait here, oldest first, for the window that tells the user.
// The message that wakes the window carries no pointer, so the same message
// posted by another program finds nothing to report.
static SRWLOCK g_failedRunsLock = SRWLOCK_INIT;
static RunReport* g_firstFailedRun;
static RunReport* g_lastFailedRun;

static void QueueFailedRun(RunReport* run)
{
    AcquireSRWLockExclusive(&g_failedRunsLock);
    run->next = nullptr;
    if (g_lastFailedRun != nullptr) {
        g_lastFailedRun->next = run;
    } else {
        g_firstFailedRun = run;
    }
    g_lastFailedRun = run;
    ReleaseSRWLockExclusive(&g_failedRunsLock);
}

static RunReport* TakeFailedRun()
{
    AcquireSRWLockExclusive(&g_failedRunsLock);
    RunReport* run = g_firstFailedRun;
    if (run != nullptr) {
        g_firstFailedRun = run->next;
        if (g_firstFailedRun == nullptr) {
            g_lastFailedRun = nullptr;
        }
    }
    ReleaseSRWLockExclusive(&g_failedRunsLock);
    return run;
}

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
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && IsProfileFileName(entry.cFileName)) {
            visit(entry.cFileName, context);
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return true;
}

// Why the file may not go: the Recycle Bin takes a read-only file, which a
// plain delete refuses and which must stay where it is; a file that another
// program holds without letting it be deleted, or that the user may not
// delete, refuses the open that a delete needs.
static DWORD RecycleRefusal(const wchar_t* path)
{
    DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return GetLastError();
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return ERROR_ACCESS_DENIED;
    }
    HANDLE file = CreateFileW(path, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return GetLastError();
    }
    CloseHandle(file);
    return ERROR_SUCCESS;
}

enum RecycleOutcome { kFileGone, kFileKeptByUser, kFileNotRecycled };

// FOF_WANTNUKEWARNING has the system ask before it deletes for good what it
// cannot recycle, though FOF_NO_UI asks nothing else; the user's "no" aborts
// the operation.
static RecycleOutcome MoveToRecycleBin(HWND owner, const wchar_t (&path)[MAX_PATH])
{
    wchar_t from[MAX_PATH + 1] = {};   // a list of names, ended by an empty one
    CopyMemory(from, path, sizeof(path));
    SHFILEOPSTRUCTW operation = {};
    operation.hwnd = owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from;
    operation.fFlags = FOF_ALLOWUNDO | FOF_NO_UI | FOF_WANTNUKEWARNING;
    OperateWithShell(&operation);
    DWORD gone = GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES ? GetLastError() : ERROR_SUCCESS;
    if (gone == ERROR_FILE_NOT_FOUND || gone == ERROR_PATH_NOT_FOUND) {
        return kFileGone;
    }
    return operation.fAnyOperationsAborted ? kFileKeptByUser : kFileNotRecycled;
}

bool RecycleProfileFile(HWND owner, const wchar_t (&path)[MAX_PATH])
{
    DWORD refusal = RecycleRefusal(path);
    if (refusal == ERROR_FILE_NOT_FOUND || refusal == ERROR_PATH_NOT_FOUND) {
        return true;
    }
    RecycleOutcome outcome = refusal == ERROR_SUCCESS ? MoveToRecycleBin(owner, path) : kFileNotRecycled;
    if (outcome == kFileNotRecycled) {
        ShowPathMessage(owner, kDeleteFailedFormat, path, L"Error", MB_OK | MB_ICONWARNING);
    }
    return outcome == kFileGone;
}

// The worker's thread: the report and the process handle are its own until
// the report is queued. It never reads the program's state; a report that
// comes after the window has gone stays queued until the program ends.
static DWORD WINAPI WaitForElevatedRun(void* parameter)
{
    RunReport* report = static_cast<RunReport*>(parameter);
    WaitForSingleObject(report->process, INFINITE);
    bool failed = GetExitCodeProcess(report->process, &report->exitCode) && report->exitCode != 0;
    CloseHandle(report->process);
    if (!failed) {
        HeapFree(GetProcessHeap(), 0, report);
        return 0;
    }
    HWND owner = report->owner;
    QueueFailedRun(report);
    PostMessageW(owner, WM_ELEVATED_RUN_FAILED, 0, 0);
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

// Each report is freed before its box, which runs a message loop of its
// own: a report that comes meanwhile gets a box of its own over it.
void ReportFailedRuns(HWND owner)
{
    while (RunReport* run = TakeFailedRun()) {
        wchar_t text[kPathMessageCapacity];
        ZeroMemory(text, sizeof(text));
        HRESULT formatted = StringCchPrintfW(text, ARRAYSIZE(text), kRunFailedFormat, run->path, run->exitCode);
        HeapFree(GetProcessHeap(), 0, run);
        if (SUCCEEDED(formatted)) {
            ShowMessage(owner, text, L"Error", MB_OK | MB_ICONWARNING);
        }
    }
}

// A replacement left by a program that ended while writing a profile.
void RemoveStaleReplacements()
{
    wchar_t pattern[MAX_PATH], stale[MAX_PATH];
    if (!BuildProfilePath(pattern, kProfilePattern, ARRAYSIZE(kProfilePattern) - 1)
        || !BuildReplacementPath(pattern, stale)) {
        return;
    }
    // The folder search also matches short 8.3 names: only a long name that
    // ends as the pattern does is one of the program's.
    const wchar_t* ending = wcsrchr(stale, L'*') + 1;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(stale, &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        wchar_t path[MAX_PATH];
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && NameEndsWith(entry.cFileName, ending)
            && BuildProfilePath(path, entry.cFileName, wcslen(entry.cFileName))) {
            DeleteFileW(path);
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}
