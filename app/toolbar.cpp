// The flat toolbar of four image buttons above the profile list, and the
// texts its tooltips ask the main window for.

#include "app/toolbar.h"

#include "core/app_state.h"
#include "core/system_libraries.h"
#include "res/resource.h"

// Toolbar images are 30 x 16 pixels: the cells of bitmap IDB_TOOLBAR.
enum { kToolbarImageWidth = 30, kToolbarImageHeight = 16 };

struct ToolbarButton {
    int command;
    const wchar_t* tip;   // static: the tooltip keeps the pointer after the notification returns
};

// Left to right; each button shows the bitmap's image of its own position.
// No button has a label: no string is ever added to the toolbar.
static const ToolbarButton kToolbarButtons[] = {
    { IDT_APPLY, L"IPアドレス切替" },
    { IDT_ADD, L"追加" },
    { IDT_SETTINGS, L"設定" },
    { IDT_END, L"終了" },
};

enum { kToolbarButtonCount = ARRAYSIZE(kToolbarButtons) };

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
                                            IDC_TOOLBAR, 0, nullptr, 0, nullptr, 0,
                                            0, 0, 0, 0, sizeof(TBBUTTON));
    SendMessageW(g_app.toolbar, TB_SETBITMAPSIZE, 0, MAKELONG(kToolbarImageWidth, kToolbarImageHeight));

    TBADDBITMAP bitmap = {};
    bitmap.hInst = instance;
    bitmap.nID = IDB_TOOLBAR;
    LRESULT firstImage = SendMessageW(g_app.toolbar, TB_ADDBITMAP, kToolbarButtonCount,
                                      reinterpret_cast<LPARAM>(&bitmap));
    // Image indices count from the first image the toolbar gives the bitmap.
    TBBUTTON buttons[kToolbarButtonCount] = {};
    for (int i = 0; i < kToolbarButtonCount; ++i) {
        buttons[i].iBitmap = static_cast<int>(firstImage) + i;
        buttons[i].idCommand = kToolbarButtons[i].command;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = TBSTYLE_BUTTON;
    }
    SendMessageW(g_app.toolbar, TB_ADDBUTTONSW, kToolbarButtonCount, reinterpret_cast<LPARAM>(buttons));
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
    for (const ToolbarButton& button : kToolbarButtons) {
        if (info->hdr.idFrom == static_cast<UINT_PTR>(button.command)) {
            info->lpszText = const_cast<wchar_t*>(button.tip);
            return;
        }
    }
}
