// The toolbar of the main window: buttons, images, tooltips and commands.
#include <windows.h>

#include <commctrl.h>

#include "support/main_window_fixture.h"

using ToolbarTest = MainWindowTest;

// Presses and releases the left mouse button over a button, as a click does.
static void ClickToolbarButton(int index)
{
    RECT rect = {};
    SendMessageW(g_app.toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(g_app.toolbar, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(g_app.toolbar, WM_LBUTTONUP, 0, point);
}

TEST_F(ToolbarTest, FourImageButtonsWithTheirTooltips)
{
    StartProgram();
    ASSERT_EQ(SendMessageW(g_app.toolbar, TB_BUTTONCOUNT, 0, 0), 4);
    const wchar_t* const tips[] = { L"IPアドレス切替", L"追加", L"設定", L"終了" };
    HWND tooltip = reinterpret_cast<HWND>(SendMessageW(g_app.toolbar, TB_GETTOOLTIPS, 0, 0));
    for (int i = 0; i < 4; ++i) {
        TBBUTTON button = {};
        SendMessageW(g_app.toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(std::tie(button.idCommand, button.iBitmap, button.fsState),
                  std::make_tuple(330 + i, i, static_cast<BYTE>(TBSTATE_ENABLED)));
        EXPECT_LE(SendMessageW(g_app.toolbar, TB_GETBUTTONTEXTW, 330 + i, 0), 0) << "button " << i << " has text";
        wchar_t text[80] = {};
        TOOLINFOW tool = {};
        tool.cbSize = sizeof(tool);
        tool.hwnd = g_app.toolbar;
        tool.uId = static_cast<UINT_PTR>(330 + i);
        tool.lpszText = text;
        SendMessageW(tooltip, TTM_GETTEXTW, ARRAYSIZE(text), reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, tips[i]);
    }
}

TEST_F(ToolbarTest, ApplyButtonWithNothingSelectedAsksForARow)
{
    StartProgram();
    ClickToolbarButton(0);
    ExpectOneMessage(L"項目を選択して下さい", L"listview", MB_OK);
}

TEST_F(ToolbarTest, EndButtonClosesWritingBothFiles)
{
    StartProgram();
    ClickToolbarButton(3);
    PumpMessages();
    EXPECT_FALSE(IsWindow(window()));
    EXPECT_TRUE(FileExists(BasePath(L"korvatel.ini")));
    EXPECT_TRUE(FileExists(BasePath(L"dunmere.ini")));
}

TEST(ToolbarBitmap, HeaderAndSizeOfTheResource)
{
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(21), MAKEINTRESOURCEW(2));
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(SizeofResource(nullptr, resource), 4456u);
    const BITMAPINFOHEADER expected = { 40, 210, 16, 1, 8, BI_RGB, 3392, 3778, 3778, 0, 0 };
    EXPECT_EQ(memcmp(LockResource(LoadResource(nullptr, resource)), &expected, sizeof(expected)), 0);
}
