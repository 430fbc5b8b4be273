#include "profiles/profile_folder.h"

#include <commctrl.h>
#include <shellapi.h>
#include <strsafe.h>

#include "app/app_state.h"
#include "app/message_box.h"
#include "app/paths.h"
#include "listview/profile_list.h"
#include "settings/helper_settings.h"

static const wchar_t kProfilePattern[] = L"*.bat";
static const wchar_t kHelperProgram[] = L"dunmere.exe";

static const wchar_t kNothingSelectedText[] = L"項目を選択して下さい";
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

static void ShowPathTooLong(HWND owner)
{
    ShowMessage(owner, kPathTooLongText, L"Error", MB_OK | MB_ICONWARNING);
}

static void InsertProfileRow(int index, wchar_t* name)
{
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.iSubItem = 0;
    item.pszText = name;
    item.iImage = 0;
    item.lParam = index;
    SendMessageW(g_app.listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void RefreshProfileList()
{
    SendMessageW(g_app.listView, LVM_DELETEALLITEMS, 0, 0);
    wchar_t pattern[MAX_PATH];
    if (!BuildProfilePath(pattern, kProfilePattern, ARRAYSIZE(kProfilePattern) - 1)) {
        ShowPathTooLong(g_app.mainWindow);
        return;
    }
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(pattern, &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    int index = 0;
    HoldListDrawing(true);
    do {
        // A folder is never a profile, whatever its name ends in ("." and
        // ".." included).
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            InsertProfileRow(index, entry.cFileName);
            ++index;
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    HoldListDrawing(false);
}

static int FirstSelectedRow()
{
    return static_cast<int>(SendMessageW(g_app.listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// The row's profile file's full path. False, after telling the user why, when
// there is no row (-1) or the path does not fit.
static bool FindRowProfile(HWND owner, int row, wchar_t (&path)[MAX_PATH])
{
    if (row == -1) {
        ShowMessage(owner, kNothingSelectedText, L"listview", MB_OK);
        return false;
    }
    // A text long enough to fill the name buffer could have been cut, but no
    // path holding it fits either, so a shortened name is never used.
    wchar_t name[MAX_PATH];
    int length = ReadRowText(row, name);
    if (!BuildProfilePath(path, name, static_cast<size_t>(length))) {
        ShowPathTooLong(owner);
        return false;
    }
    return true;
}

void DeleteSelectedProfile(HWND owner)
{
    int row = FirstSelectedRow();
    wchar_t path[MAX_PATH];
    if (!FindRowProfile(owner, row, path)) {
        return;
    }
    // A file that stays (read-only, in use) keeps its row; one that is
    // already gone loses it.
    DWORD error = DeleteFileW(path) ? ERROR_SUCCESS : GetLastError();
    if (error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        SendMessageW(g_app.listView, LVM_DELETEITEM, row, 0);
        return;
    }
    ShowPathMessage(owner, kDeleteFailedFormat, path, L"Error", MB_OK | MB_ICONWARNING);
}

void ApplySelectedProfile(HWND owner)
{
    ApplyProfileAt(owner, FirstSelectedRow());
}

void ApplyProfileAt(HWND owner, int row)
{
    wchar_t path[MAX_PATH];
    if (!FindRowProfile(owner, row, path)) {
        return;
    }
    SetCurrentDirectoryW(g_app.baseDirectory);
    // The helper file is complete on disk before the helper starts; the
    // helper is not waited for.
    if (g_app.settings.pw_mode != 0) {
        SaveHelperSettings();
        ShellExecuteW(owner, L"open", kHelperProgram, nullptr, nullptr, SW_SHOWNORMAL);
    }
    RunElevated(owner, path);
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
    if (!ShellExecuteExW(&request)) {
        ShowPathMessage(owner, kElevationFailedFormat, path, L"Error", MB_ICONERROR);
        return;
    }
    // No process comes back when no new one runs the file: nothing to wait for.
    if (request.hProcess != nullptr) {
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
