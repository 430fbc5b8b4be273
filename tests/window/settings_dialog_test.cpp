// The settings dialog, opened from the menu, and the z-order step after it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string.h>
#include <functional>
#include <string>

#include "app/app_state.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"

namespace {

class SettingsDialogTest : public MainWindowTest {
protected:
    // Opens the dialog as menu command 56 does and lets the action play the
    // user; returns once the dialog and the z-order step after it are done.
    void UseSettingsDialog(std::function<void(HWND dialog)> action)
    {
        DialogDriver driver(std::move(action));
        SendMessageW(window(), WM_COMMAND, 56, 0);
        EXPECT_TRUE(driver.ran()) << "the settings dialog did not open";
    }

    bool IsTopmost() const { return (GetWindowLongW(window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

    RECT WindowRect() const
    {
        RECT rect;
        GetWindowRect(window(), &rect);
        return rect;
    }
};

void Click(HWND dialog, int id)
{
    SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0);
}

} // namespace

TEST_F(SettingsDialogTest, AFreshStartShowsTheDefaults)
{
    StartProgram();
    UseSettingsDialog([](HWND dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, 167), BST_UNCHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dialog, 168), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dialog, 131), BST_UNCHECKED);
        const wchar_t* expected[] = { L"5000", L"5000", L"-200", L"0", L"ID", L"KX" };
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(ItemText(dialog, 121 + i), expected[i]) << 121 + i;
        }
        ClickButton(dialog, 102);
    });
}

TEST_F(SettingsDialogTest, OkTakesTheFieldsAsTypedAndTheyReachBothFiles)
{
    // Only 61 characters of a number are read: 59 blanks and "42" fill them.
    std::wstring longNumber = std::wstring(59, L' ') + L"42999";
    std::wstring id(253, L'i');
    std::wstring password = std::wstring(253, L'p') + std::wstring(300, L'q');
    StartProgram();
    UseSettingsDialog([&](HWND dialog) {
        Click(dialog, 167);
        SetItemText(dialog, 121, L"12abc");
        SetItemText(dialog, 122, L"abc");
        SetItemText(dialog, 123, L" -5");
        SetItemText(dialog, 124, longNumber.c_str());
        SetItemText(dialog, 125, id.c_str());
        SetItemText(dialog, 126, password.c_str());
        ClickButton(dialog, 101);
    });
    const Settings& s = g_app.settings;
    EXPECT_EQ(s.focus_mode, 1);
    EXPECT_EQ(s.id_time, 12);
    EXPECT_EQ(s.pw_time, 0);
    EXPECT_EQ(s.ofset_x, -5);
    EXPECT_EQ(s.ofset_y, 42);
    EXPECT_EQ(std::wstring(s.id_wcs), id);
    EXPECT_EQ(std::wstring(s.pw_wcs), password.substr(0, 253));

    UseSettingsDialog([](HWND dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, 167), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dialog, 168), BST_UNCHECKED);
        EXPECT_EQ(ItemText(dialog, 124), L"42");
        SetItemText(dialog, 126, L"pw-パス");
        ClickButton(dialog, 101);
    });
    CloseProgram();
    EXPECT_EQ(IniInt(L"korvatel.ini", L"focus_mode"), 1);
    EXPECT_EQ(IniInt(L"korvatel.ini", L"ofset_x"), -5);
    EXPECT_EQ(IniInt(L"korvatel.ini", L"ofset_y"), 42);
    EXPECT_EQ(IniInt(L"dunmere.ini", L"id_time"), 12);
    EXPECT_EQ(IniInt(L"dunmere.ini", L"pw_time"), 0);
    EXPECT_EQ(IniText(L"dunmere.ini", L"id_wcs"), id);
    EXPECT_EQ(IniText(L"dunmere.ini", L"pw_wcs"), L"pw-パス");
}

TEST_F(SettingsDialogTest, CheckingTheHelperSwitchMakesTheWindowTopmostForGood)
{
    StartProgram();
    EXPECT_EQ(SendMessageW(window(), WM_GETICON, ICON_SMALL, 0), 0);
    UseSettingsDialog([](HWND dialog) {
        Click(dialog, 131);
        ClickButton(dialog, 101);
    });
    EXPECT_EQ(g_app.settings.pw_mode, 1);
    EXPECT_TRUE(IsTopmost());
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(window(), WM_GETICON, ICON_SMALL, 0)), g_app.windowIcon);

    UseSettingsDialog([](HWND dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, 131), BST_CHECKED);
        Click(dialog, 131);
        ClickButton(dialog, 101);
    });
    EXPECT_EQ(g_app.settings.pw_mode, 0);
    EXPECT_TRUE(IsTopmost());
}

// The recorded placement is set apart from the window's own below, to see
// which half of it each mode applies.
TEST_F(SettingsDialogTest, StoredModeOneMovesIntoTheTopmostBandWithoutResizing)
{
    WriteIni(L"korvatel.ini", L"pw_mode=1\r\nmoto_x=50\r\nmoto_y=60\r\n");
    StartProgram();
    EXPECT_FALSE(IsTopmost()) << "a stored pw_mode alone must not make the window topmost";
    g_app.settings.moto_x = 90;
    g_app.settings.moto_y = 70;
    g_app.settings.moto_w = 500;
    UseSettingsDialog([](HWND dialog) { ClickButton(dialog, 102); });
    EXPECT_TRUE(IsTopmost());
    RECT rect = WindowRect();
    EXPECT_EQ(rect.left, 90);
    EXPECT_EQ(rect.top, 70);
    EXPECT_EQ(rect.right - rect.left, 270);
}

TEST_F(SettingsDialogTest, StoredModeTwoLeavesTheTopmostBandAndRestoresTheSize)
{
    WriteIni(L"korvatel.ini", L"pw_mode=2\r\nmoto_x=50\r\nmoto_y=60\r\n");
    StartProgram();
    SetWindowPos(window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(IsTopmost());
    g_app.settings.moto_x = 90;
    g_app.settings.moto_w = 333;
    g_app.settings.moto_h = 222;
    UseSettingsDialog([](HWND dialog) { ClickButton(dialog, 102); });
    EXPECT_EQ(g_app.settings.pw_mode, 2);
    EXPECT_FALSE(IsTopmost());
    RECT rect = WindowRect();
    EXPECT_EQ(rect.left, 50);
    EXPECT_EQ(rect.right - rect.left, 333);
    EXPECT_EQ(rect.bottom - rect.top, 222);
}

TEST_F(SettingsDialogTest, CloseCloseBoxAndEscChangeNothing)
{
    StartProgram();
    const Settings before = g_app.settings;
    auto editEverything = [](HWND dialog) {
        Click(dialog, 167);
        Click(dialog, 131);
        for (int id = 121; id <= 126; ++id) {
            SetItemText(dialog, id, L"9");
        }
    };
    UseSettingsDialog([&](HWND dialog) {
        editEverything(dialog);
        ClickButton(dialog, 102);
    });
    UseSettingsDialog([&](HWND dialog) {
        editEverything(dialog);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        EXPECT_TRUE(IsWindowVisible(dialog)) << "Esc ended the dialog";
        SendMessageW(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(memcmp(&g_app.settings, &before, sizeof(before)), 0);
    EXPECT_FALSE(IsTopmost());
    EXPECT_EQ(SendMessageW(window(), WM_GETICON, ICON_SMALL, 0), 0);
}
