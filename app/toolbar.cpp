// The flat toolbar of four image buttons above the profile list, and the
// texts its tooltips ask the main window for.

#include "app/toolbar.h"

#include "core/app_state.h"
#include "core/system_libraries.h"
#include "res/resource.h"

enum { kToolbarButtonCount = 4 };

// Toolbar images are 30 x 16 pixels: the cells of bitmap IDB_TOOLBAR.
enum { kToolbarImageWidth = 30, kToolbarImageHeight = 16 };

// Image indices count from the toolbar bitmap's first image; CreateToolbar
// shifts them by the index the toolbar gives that bitmap. No button has a
// label: no string is ever added to the toolbar.
static TBBUTTON g_toolbarButtons[kToolbarButtonCount] = {
    { 0, IDT_APPLY, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0 },
    { 1, IDT_ADD, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0 },
    { 2, IDT_SETTINGS, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0 },
    { 3, IDT_END, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0 },
};

struct ToolbarTip {
    int command;
    const wchar_t* text;
};

// Static texts: the tooltip keeps the pointer after the notification returns.
static const ToolbarTip kToolbarTips[] = {
    { IDT_APPLY, L"IPアドレス切替" },
    { IDT_ADD, L"追加" },
    { IDT_SETTINGS, L"設定" },
    { IDT_END, L"終了" },
};

static HINSTANCE WindowInstance(HWND window)
{
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

void CreateToolbar(HWND mainWindow)
{
    HINSTANCE instance = WindowInstance(mainWindow);
    LoadCommonControls(mainWindow);
    // Created empty: the image size must be set before the bitmap is added,
    // and the buttons follow the bitmap.
    g_app.toolbar = CreateToolbarExOnDemand(mainWindow, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT,
                                            IDC_TOOLBAR, 0, nullptr, 0, g_toolbarButtons, 0,
                                            0, 0, 0, 0, sizeof(TBBUTTON));
    SendMessageW(g_app.toolbar, TB_SETBITMAPSIZE, 0, MAKELONG(kToolbarImageWidth, kToolbarImageHeight));

    TBADDBITMAP bitmap = {};
    bitmap.hInst = instance;
    bitmap.nID = IDB_TOOLBAR;
    LRESULT firstImage = SendMessageW(g_app.toolbar, TB_ADDBITMAP, kToolbarButtonCount,
                                      reinterpret_cast<LPARAM>(&bitmap));
    for (TBBUTTON& button : g_toolbarButtons) {
        button.iBitmap += static_cast<int>(firstImage);
    }
    SendMessageW(g_app.toolbar, TB_ADDBUTTONSW, kToolbarButtonCount, reinterpret_cast<LPARAM>(g_toolbarButtons));
    SendMessageW(g_app.toolbar, TB_AUTOSIZE, 0, 0);
}

int ToolbarHeight()
{
    RECT rect;
    return GetWindowRect(g_app.toolbar, &rect) ? rect.bottom - rect.top : 0;
}

void FillToolbarTooltip(HWND mainWindow, NMTTDISPINFOW* info)
{
    info->hinst = WindowInstance(mainWindow);
    for (const ToolbarTip& tip : kToolbarTips) {
        if (info->hdr.idFrom == static_cast<UINT_PTR>(tip.command)) {
            info->lpszText = const_cast<wchar_t*>(tip.text);
            return;
        }
    }
}
