// The floor that shows KORVATEL's screen: the main window of the same class
// style, title, style and placement with the program's own menu and icon, the
// flat toolbar of four buttons with their tooltips, and the report list of the
// profile files in ipaddress\, below the toolbar down to the client area's
// bottom. It reads no settings file and no profile; the placement and column
// widths are those the benchmark's folder keeps. KORVATEL's start-up over this
// one's is what the program's own work costs.
#include <windows.h>
#include <commctrl.h>

#include "floor_window.h"
#include "res/resource.h"

struct ToolButton {
    int command;
    const wchar_t* tip;
};

// In the order of the images in IDB_TOOLBAR; the tooltip keeps the pointer.
static const ToolButton kToolButtons[] = {
    { IDT_APPLY, L"IPアドレス切替" },
    { IDT_ADD, L"追加" },
    { IDT_SETTINGS, L"設定" },
    { IDT_END, L"終了" },
};
enum { kButtonCount = ARRAYSIZE(kToolButtons), kImageWidth = 30, kImageHeight = 16 };

static HWND g_toolbar;
static HWND g_list;

static void CreateToolbar(HWND window, HINSTANCE instance)
{
    TBBUTTON buttons[kButtonCount] = {};
    for (int i = 0; i < kButtonCount; ++i) {
        buttons[i] = { i, kToolButtons[i].command, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0 };
    }
    g_toolbar = CreateToolbarEx(window, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT, IDC_TOOLBAR,
                                kButtonCount, instance, IDB_TOOLBAR, buttons, kButtonCount, 0, 0,
                                kImageWidth, kImageHeight, sizeof(TBBUTTON));
}

static void AddColumn(int index, const wchar_t* header, int width)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(header);
    column.iSubItem = index;
    SendMessageW(g_list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

static void AddProfileRows()
{
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(L"ipaddress\\*.bat", &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    int row = 0;
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = row++;
            item.pszText = entry.cFileName;
            SendMessageW(g_list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

static void CreateProfileList(HWND window, HINSTANCE instance)
{
    g_list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 0, 0,
                             window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PROFILE_LIST)), instance,
                             nullptr);
    const DWORD extended = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    SendMessageW(g_list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    AddColumn(0, L"Name", 200);
    AddColumn(1, L"?", 30);
    // Held from drawing while the rows go in, as KORVATEL holds it: without
    // the hold, 10,000 rows take ten times as long.
    SendMessageW(g_list, WM_SETREDRAW, FALSE, 0);
    AddProfileRows();
    SendMessageW(g_list, WM_SETREDRAW, TRUE, 0);
}

static int ToolbarHeight()
{
    RECT bar;
    GetWindowRect(g_toolbar, &bar);
    return bar.bottom - bar.top;
}

static void PlaceProfileList(int clientWidth, int clientHeight)
{
    int top = ToolbarHeight();
    MoveWindow(g_list, 0, top, clientWidth, clientHeight > top ? clientHeight - top : 0, TRUE);
}

// KORVATEL paints the strip behind the flat toolbar with the DC brush
// (white); the list covers the rest of the client area.
static void EraseToolbarStrip(HWND window, HDC dc)
{
    RECT strip;
    GetClientRect(window, &strip);
    strip.bottom = ToolbarHeight();
    FillRect(dc, &strip, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

static void FillTooltip(NMTTDISPINFOW* info)
{
    for (const ToolButton& button : kToolButtons) {
        if (info->hdr.idFrom == static_cast<UINT_PTR>(button.command)) {
            info->lpszText = const_cast<wchar_t*>(button.tip);
        }
    }
}

static LRESULT CALLBACK FloorWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        HINSTANCE instance = reinterpret_cast<CREATESTRUCTW*>(lParam)->hInstance;
        CreateToolbar(window, instance);
        CreateProfileList(window, instance);
        return 0;
    }
    case WM_SIZE:
        SendMessageW(g_toolbar, WM_SIZE, wParam, lParam);
        PlaceProfileList(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ERASEBKGND:
        EraseToolbarStrip(window, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOW) {
            FillTooltip(reinterpret_cast<NMTTDISPINFOW*>(lParam));
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    InitCommonControls();
    WNDCLASSW windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_BYTEALIGNCLIENT;
    windowClass.lpfnWndProc = FloorWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MAIN));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
    windowClass.lpszClassName = L"Same Screen Floor";
    return RunFloorWindow(windowClass, show);
}
