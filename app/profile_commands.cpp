#include "app/profile_commands.h"

#include "core/app_state.h"
#include "core/message_box.h"
#include "core/paths.h"
#include "core/system_libraries.h"
#include "editor/profile_editor.h"
#include "listview/profile_list.h"
#include "profiles/profile_folder.h"
#include "res/resource.h"
#include "settings/helper_settings.h"

static const wchar_t kHelperProgram[] = L"dunmere.exe";

// The row's profile file's full path. False, after telling the user why, when
// there is no row (-1) or the path does not fit.
static bool FindRowProfile(HWND owner, int row, wchar_t (&path)[MAX_PATH])
{
    if (row == -1) {
        ShowMessage(owner, L"項目を選択して下さい", L"listview", MB_OK);
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

static void ApplyProfileAt(HWND owner, int row)
{
    wchar_t path[MAX_PATH];
    if (!FindRowProfile(owner, row, path)) {
        return;
    }
    // The helper is started by its bare name, which the shell looks for
    // beside the program and then in the current directory, and it reads
    // dunmere.ini from the current directory it inherits: both are the base
    // directory. Windows starts the elevated batch file in the system folder,
    // whatever the current directory is.
    SetCurrentDirectoryW(g_app.baseDirectory);
    // The helper file is complete on disk before the helper starts; the
    // helper is not waited for.
    if (g_app.settings.pw_mode != 0 && HandOffToHelper(owner)) {
        OpenWithShell(owner, kHelperProgram);
    }
    RunElevated(owner, path);
}

void ApplySelectedProfile(HWND owner)
{
    ApplyProfileAt(owner, FirstSelectedRow());
}

void ApplyFocusedProfile(HWND owner)
{
    int row = FocusedSelectedRow();
    ApplyProfileAt(owner, row != -1 ? row : FirstSelectedRow());
}

void ApplyClickedProfile(HWND owner, int row)
{
    row = row >= 0 ? row : FirstSelectedRow();
    if (row != -1) {
        ApplyProfileAt(owner, row);
    }
}

void DeleteSelectedProfile(HWND owner)
{
    int row = FirstSelectedRow();
    wchar_t path[MAX_PATH];
    if (FindRowProfile(owner, row, path) && RecycleProfileFile(owner, path)) {
        DeleteRow(row);
    }
}

void OpenProfileEditor(HWND owner, int mode)
{
    wchar_t fileName[MAX_PATH] = {};
    ProfileEditorRequest request = { mode, nullptr, 0 };
    int row = FirstSelectedRow();
    if (mode == kEditorEdit && row != -1) {
        request.fileNameLength = static_cast<size_t>(ReadRowText(row, fileName));
        request.fileName = fileName;
    }
    DialogBoxParamW(nullptr, MAKEINTRESOURCEW(IDD_PROFILE_EDITOR), owner, ProfileEditorDlgProc,
                    reinterpret_cast<LPARAM>(&request));
    RefreshProfileList(owner);
}
