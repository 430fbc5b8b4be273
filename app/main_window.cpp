#include "app/main_window.h"

#include <commctrl.h>

#include "about/about_dialog.h"
#include "app/profile_commands.h"
#include "app/toolbar.h"
#include "core/app_state.h"
#include "core/paint.h"
#include "core/system_libraries.h"
#include "editor/profile_editor.h"
#include "listview/profile_list.h"
#include "profiles/profile_folder.h"
#include "res/project_info.h"
#include "res/resource.h"
#include "settings/helper_settings.h"
#include "settings/settings_dialog.h"
#include "settings/settings_file.h"

static const wchar_t kManualFile[] = L"Korvatel_manual.pdf";
static const wchar_t kHomePage[] = L"" KORVATEL_HOME_PAGE;

void CreateMainControls(HWND mainWindow)
{
    CreateToolbar(mainWindow);
    CreateProfileListView(mainWindow);
}

// The placement fields hold the window's outer rectangle as the user last
// saw it; a minimized window's strip is not a placement to come back to. A
// placement that changes is the user's, even where the file could not be read.
static void RecordPlacement(HWND window)
{
    RECT rect;
    if (IsIconic(window) || !GetWindowRect(window, &rect)) {
        return;
    }
    Settings& settings = g_app.settings;
    const int placement[] = { rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top };
    int* const fields[] = { &settings.moto_x, &settings.moto_y, &settings.moto_w, &settings.moto_h };
    for (int i = 0; i < 4; ++i) {
        if (*fields[i] != placement[i]) {
            *fields[i] = placement[i];
            settings.unknown &= ~kUnknownPlacement;
        }
    }
}

// Without the common controls there is no list to measure.
static void RecordColumnWidths()
{
    if (g_app.listView == nullptr) {
        return;
    }
    Settings& settings = g_app.settings;
    int first = static_cast<int>(SendMessageW(g_app.listView, LVM_GETCOLUMNWIDTH, 0, 0));
    int second = static_cast<int>(SendMessageW(g_app.listView, LVM_GETCOLUMNWIDTH, 1, 0));
    if (first != settings.colum_w1 || second != settings.colum_w2) {
        settings.colum_w1 = first;
        settings.colum_w2 = second;
        settings.unknown &= ~kUnknownColumns;
    }
}

// The window as the user leaves it goes into both settings files; owner
// hears of a file that could not be kept, or nobody does (owner null).
static void KeepSettings(HWND window, HWND owner)
{
    RecordPlacement(window);
    RecordColumnWidths();
    SaveSettingsFiles(owner);
}

/* WM_CLOSE and END: the settings are kept while the window still shows, so
   that a file that could not be kept is named over it. */
static void CloseMainWindow(HWND window)
{
    KeepSettings(window, window);
    DestroyWindow(window);
}

// The window the user works in: the open modal dialog, or this window when
// none is open. A box owned by a window that a dialog disabled would enable
// it again behind the dialog.
static HWND WorkingWindow(HWND window)
{
    return IsWindowEnabled(window) ? window : GetLastActivePopup(window);
}

/* WM_CREATE */
static LRESULT OnCreate(HWND window)
{
    g_app.mainWindow = window;
    LoadHelperSettings();
    CreateMainControls(window);
    g_app.windowIcon = LoadIconW(g_app.instance, MAKEINTRESOURCEW(IDI_MAIN));
    RemoveStaleReplacements();
    RefreshProfileList(window);
    return 0;
}

/* WM_SIZE */
static void OnSize(HWND window, WPARAM wParam, LPARAM lParam)
{
    SendMessageW(g_app.toolbar, WM_SIZE, wParam, lParam);
    PlaceProfileList(ToolbarHeight(), LOWORD(lParam), HIWORD(lParam));
    SendMessageW(g_app.listView, LVM_ARRANGE, LVA_ALIGNLEFT, 0);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    RecordPlacement(window);
}

/* WM_ERASEBKGND: only the strip behind the toolbar; the list covers the rest. */
static LRESULT OnEraseBackground(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    RECT strip = { client.left, client.top, client.right, ToolbarHeight() };
    FillRect(dc, &strip, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    return 1;
}

/* WM_NOTIFY */
static LRESULT OnNotify(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (wParam == IDC_PROFILE_LIST) {
        switch (header->code) {
        case LVN_COLUMNCLICK:
            SortProfileList(window, reinterpret_cast<NMLISTVIEW*>(lParam)->iSubItem);
            return 0;
        case NM_RCLICK:
            ApplyClickedProfile(window, reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem);
            return 0;
        case NM_CLICK:
            MarkSelectedRows();
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
        }
    }
    if (header->code == TTN_GETDISPINFOW) {
        FillToolbarTooltip(window, reinterpret_cast<NMTTDISPINFOW*>(lParam));
    }
    return 0;
}

static void OpenSettingsDialog(HWND window)
{
    DialogBoxParamW(nullptr, MAKEINTRESOURCEW(IDD_SETTINGS), window, SettingsDlgProc, 0);
    ApplyZOrder();
}

static void OpenAboutDialog(HWND window)
{
    HWND about = CreateDialogParamW(nullptr, MAKEINTRESOURCEW(IDD_ABOUT), window, AboutDlgProc, 0);
    ShowWindow(about, SW_SHOWNORMAL);
}

/* WM_COMMAND: the same ids come from the menu and the toolbar. */
static void OnCommand(HWND window, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDM_ADD:
    case IDT_ADD:
        OpenProfileEditor(window, kEditorAdd);
        break;
    case IDM_EDIT:
        OpenProfileEditor(window, kEditorEdit);
        break;
    case IDM_DELETE:
        DeleteSelectedProfile(window);
        break;
    case IDM_MOVE_UP:
        MoveSelectedProfiles(window, kMoveUp);
        break;
    case IDM_MOVE_DOWN:
        MoveSelectedProfiles(window, kMoveDown);
        break;
    case IDM_SETTINGS:
    case IDT_SETTINGS:
        OpenSettingsDialog(window);
        break;
    case IDM_HELP:
        OpenWithShell(window, kManualFile);
        break;
    case IDM_ABOUT:
        OpenAboutDialog(window);
        break;
    case IDM_HOMEPAGE:
        OpenWithShell(window, kHomePage);
        break;
    case IDM_END:
    case IDT_END:
        CloseMainWindow(window);
        break;
    case IDT_APPLY:
        ApplySelectedProfile(window);
        break;
    case IDK_APPLY_FOCUSED:
        ApplyFocusedProfile(window);
        break;
    case IDK_REFRESH:
        RefreshProfileList(window);
        break;
    }
}

/* WM_ACTIVATE: the profile list takes the keyboard, at the first showing
   and each time the user comes back. Nothing else of the default handling
   is wanted, so the message is consumed. */
static void OnActivate(WPARAM wParam)
{
    if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) {
        SetFocus(g_app.listView);
    }
}

/* WM_ELEVATED_RUN_FAILED: a thread that waited for a profile's run has queued its report. */
static void OnElevatedRunFailed(HWND window)
{
    ReportFailedRuns(WorkingWindow(window));
}

/* WM_ENDSESSION: Windows logs the user off or shuts down, and may end the
   program without WM_DESTROY; nothing is shown then. */
static void OnEndSession(HWND window, WPARAM ending)
{
    if (ending) {
        KeepSettings(window, nullptr);
    }
}

/* WM_DESTROY: the settings are kept already (WM_CLOSE). */
static void OnDestroy()
{
    LeaveShellApartment();
    PostQuitMessage(0);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_SIZE:
        OnSize(window, wParam, lParam);
        return 0;
    case WM_MOVE:
        RecordPlacement(window);
        return 0;
    case WM_ACTIVATE:
        OnActivate(wParam);
        return 0;
    case WM_PAINT:
        PaintNothing(window);
        return 0;
    case WM_ERASEBKGND:
        return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_CLOSE:
        CloseMainWindow(window);
        return 0;
    case WM_ENDSESSION:
        OnEndSession(window, wParam);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_TIMER:
        return 0;
    case WM_NOTIFY:
        return OnNotify(window, message, wParam, lParam);
    case WM_COMMAND:
        OnCommand(window, wParam);
        return 0;
    case WM_ELEVATED_RUN_FAILED:
        OnElevatedRunFailed(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
