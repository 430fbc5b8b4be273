// The toolbar of the main window: buttons, images, tooltips and the
// commands its buttons send.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/app_state.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"

using ToolbarTest = MainWindowTest;

namespace {

const int kCommands[] = { 330, 331, 332, 333 };
const wchar_t* const kTips[] = { L"IPアドレス切替", L"追加", L"設定", L"終了" };

// Presses and releases the left mouse button over a button, as a click does.
void ClickToolbarButton(int index)
{
    RECT rect = {};
    SendMessageW(g_app.toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(g_app.toolbar, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(g_app.toolbar, WM_LBUTTONUP, 0, point);
}

// Asks the toolbar's tooltip for a button's text, which it gets from the main window.
std::wstring TooltipText(int command)
{
    wchar_t text[80] = {};
    TOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = g_app.toolbar;
    tool.uId = static_cast<UINT_PTR>(command);
    tool.lpszText = text;
    HWND tooltip = reinterpret_cast<HWND>(SendMessageW(g_app.toolbar, TB_GETTOOLTIPS, 0, 0));
    SendMessageW(tooltip, TTM_GETTEXTW, ARRAYSIZE(text), reinterpret_cast<LPARAM>(&tool));
    return text;
}

} // namespace

TEST_F(ToolbarTest, FourEnabledImageButtonsWithoutText)
{
    StartProgram();
    HWND toolbar = g_app.toolbar;
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(GetParent(toolbar), window());
    EXPECT_EQ(GetDlgCtrlID(toolbar), 329);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(toolbar, GWL_STYLE)) & 0x50000900u, 0x50000900u);
    ASSERT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 4);
    for (int i = 0; i < 4; ++i) {
        TBBUTTON button = {};
        SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(button.idCommand, kCommands[i]);
        EXPECT_EQ(button.iBitmap, i);
        EXPECT_EQ(button.fsState, TBSTATE_ENABLED);
        EXPECT_EQ(button.fsStyle, TBSTYLE_BUTTON);
        EXPECT_LE(SendMessageW(toolbar, TB_GETBUTTONTEXTW, kCommands[i], 0), 0) << "button " << i << " has text";
    }
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0)), &width, &height);
    EXPECT_EQ(width, 30);
    EXPECT_EQ(height, 16);
}

TEST_F(ToolbarTest, TooltipsNameEachButtonsCommand)
{
    StartProgram();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(TooltipText(kCommands[i]), kTips[i]) << kCommands[i];
    }
    // A request for any other id gets the module but no text.
    wchar_t untouched[] = L"untouched";
    NMTTDISPINFOW info = {};
    info.hdr.idFrom = 51;
    info.hdr.code = TTN_GETDISPINFOW;
    info.lpszText = untouched;
    SendMessageW(window(), WM_NOTIFY, 51, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.lpszText, untouched);
    EXPECT_EQ(info.hinst, GetModuleHandleW(nullptr));
}

TEST_F(ToolbarTest, SpansTheClientWidthAfterEveryResize)
{
    StartProgram();
    for (int width : { 420, 200 }) {
        SetWindowPos(window(), nullptr, 0, 0, width, 300, SWP_NOMOVE | SWP_NOZORDER);
        RECT toolbar;
        RECT client;
        GetWindowRect(g_app.toolbar, &toolbar);
        MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&toolbar), 2);
        GetClientRect(window(), &client);
        EXPECT_EQ(toolbar.left, 0) << width;
        EXPECT_EQ(toolbar.top, 0) << width;
        EXPECT_EQ(toolbar.right, client.right) << width;
    }
}

TEST_F(ToolbarTest, ThirdButtonOpensTheSettingsDialog)
{
    StartProgram();
    std::wstring title;
    DialogDriver driver([&](HWND dialog) {
        wchar_t text[64] = {};
        GetWindowTextW(dialog, text, ARRAYSIZE(text));
        title = text;
        ClickButton(dialog, 102);
    });
    ClickToolbarButton(2);
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(title, L"画面&動作設定");
}

TEST_F(ToolbarTest, FourthButtonEndsTheProgramWritingBothFiles)
{
    StartProgram();
    ClickToolbarButton(3);
    PumpMessages();
    EXPECT_FALSE(IsWindow(window()));
    EXPECT_EQ(IniInt(L"korvatel.ini", L"moto_w"), 270);
    EXPECT_EQ(IniInt(L"dunmere.ini", L"id_time"), 5000);
}

TEST(ToolbarBitmap, SevenCellsOfWhichTheFirstFourHoldALabel)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(21), MAKEINTRESOURCEW(2));
    ASSERT_NE(resource, nullptr);
    ASSERT_EQ(SizeofResource(module, resource), 4456u);
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    BITMAPINFOHEADER header;
    CopyMemory(&header, data, sizeof(header));
    const BITMAPINFOHEADER expected = { 40, 210, 16, 1, 8, BI_RGB, 3392, 3778, 3778, 0, 0 };
    EXPECT_EQ(memcmp(&header, &expected, sizeof(header)), 0);

    const RGBQUAD* palette = reinterpret_cast<const RGBQUAD*>(data + 40);
    const BYTE* pixels = data + 40 + 256 * sizeof(RGBQUAD);
    int inked[7] = {};
    for (int i = 0; i < 16 * 212; ++i) {
        const RGBQUAD& colour = palette[pixels[i]];
        bool white = colour.rgbRed == 255 && colour.rgbGreen == 255 && colour.rgbBlue == 255;
        if (i % 212 < 210 && !white) {
            ++inked[i % 212 / 30];
        }
    }
    for (int cell = 0; cell < 7; ++cell) {
        EXPECT_TRUE(cell < 4 ? inked[cell] > 20 : inked[cell] == 0)
            << "cell " << cell << " has " << inked[cell] << " coloured pixels";
    }
}
