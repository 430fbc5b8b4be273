// The settings file korvatel.ini as the running main window reads and writes it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/app_state.h"
#include "support/main_window_fixture.h"

using SettingsFileTest = MainWindowTest;

static RECT WindowRect(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

TEST_F(SettingsFileTest, DefaultsWithoutAFile)
{
    StartProgram();
    const Settings& s = g_app.settings;
    EXPECT_EQ(s.moto_x, 0);
    EXPECT_EQ(s.moto_y, 0);
    EXPECT_EQ(s.moto_w, 270);
    EXPECT_EQ(s.moto_h, 350);
    EXPECT_EQ(s.focus_mode, 0);
    EXPECT_EQ(s.pw_mode, 0);
    EXPECT_EQ(s.ofset_x, -200);
    EXPECT_EQ(s.ofset_y, 0);
    RECT rect = WindowRect(window());
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right - rect.left, 270);
    EXPECT_EQ(rect.bottom - rect.top, 350);
    EXPECT_EQ(SendMessageW(g_app.listView, LVM_GETCOLUMNWIDTH, 0, 0), 200);
    EXPECT_EQ(SendMessageW(g_app.listView, LVM_GETCOLUMNWIDTH, 1, 0), 30);
}

TEST_F(SettingsFileTest, WindowTitleAndMenu)
{
    StartProgram();
    wchar_t title[64] = {};
    GetWindowTextW(window(), title, ARRAYSIZE(title));
    EXPECT_STREQ(title, L"KORVATEL");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window(), GWL_STYLE)) & 0x00CF0000u, 0x00CC0000u);

    HMENU menu = GetMenu(window());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    const wchar_t* expected[] = { L"編集(&E)", L"ﾍﾙﾌﾟ(&H)", L"END(&X)" };
    for (int i = 0; i < 3; ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, i, text, ARRAYSIZE(text), MF_BYPOSITION);
        EXPECT_STREQ(text, expected[i]);
    }
    EXPECT_EQ(GetMenuItemID(menu, 2), 60u);
    HMENU edit = GetSubMenu(menu, 0);
    const UINT editIds[] = { 51, 52, 53, 0, 54, 55, 0, 56 };
    ASSERT_EQ(GetMenuItemCount(edit), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(GetMenuItemID(edit, i), editIds[i]) << i;
    }
    wchar_t text[64] = {};
    GetMenuStringW(edit, 7, text, ARRAYSIZE(text), MF_BYPOSITION);
    EXPECT_STREQ(text, L"画面設定(&G)");
    HMENU help = GetSubMenu(menu, 1);
    ASSERT_EQ(GetMenuItemCount(help), 3);
    GetMenuStringW(help, 1, text, ARRAYSIZE(text), MF_BYPOSITION);
    EXPECT_STREQ(text, L"このソフトについて(&S)");
}

TEST_F(SettingsFileTest, PositionIsClampedToTheScreen)
{
    WriteIni(L"korvatel.ini", L"moto_x=-40\r\nmoto_y=-10\r\n");
    StartProgram();
    EXPECT_EQ(g_app.settings.moto_x, 0);
    EXPECT_EQ(g_app.settings.moto_y, 0);
}

TEST_F(SettingsFileTest, PositionPastTheRightAndBottomEdgesIsPulledBack)
{
    WriteIni(L"korvatel.ini", L"moto_x=5000\r\nmoto_y=5000\r\nmoto_w=300\r\nmoto_h=200\r\n");
    StartProgram();
    EXPECT_EQ(g_app.settings.moto_x, g_app.screenWidth - 300);
    EXPECT_EQ(g_app.settings.moto_y, g_app.screenHeight - 200);
    RECT rect = WindowRect(window());
    EXPECT_EQ(rect.left, g_app.screenWidth - 300);
    EXPECT_EQ(rect.bottom, g_app.screenHeight);
}

TEST_F(SettingsFileTest, AFileHoldingOnlyPwModeKeepsTheOtherDefaults)
{
    WriteIni(L"korvatel.ini", L"pw_mode=1\r\n");
    StartProgram();
    EXPECT_EQ(g_app.settings.pw_mode, 1);
    EXPECT_EQ(g_app.settings.moto_w, 270);
    EXPECT_EQ(g_app.settings.colum_w1, 200);
    EXPECT_EQ(g_app.settings.ofset_x, -200);
}

TEST_F(SettingsFileTest, CloseWithoutChangesWritesAllTenKeysInOrder)
{
    StartProgram();
    CloseProgram();
    std::wstring text = ReadText(BasePath(L"korvatel.ini"));
    const wchar_t* keys[] = { L"moto_x=0", L"moto_y=0", L"moto_w=270", L"moto_h=350", L"colum_w1=200",
                              L"colum_w2=30", L"focus_mode=0", L"pw_mode=0", L"ofset_x=-200", L"ofset_y=0" };
    size_t at = text.find(L"[Setting]");
    ASSERT_NE(at, std::wstring::npos) << "no section in the written file";
    for (const wchar_t* key : keys) {
        size_t next = text.find(key, at);
        ASSERT_NE(next, std::wstring::npos) << "missing or out of order: " << testing::PrintToString(std::wstring(key));
        at = next;
    }
}

TEST_F(SettingsFileTest, OtherKeysAndSectionsSurviveASave)
{
    WriteBytes(BasePath(L"korvatel.ini"),
               "[Other]\r\nkeep=yes\r\n[Setting]\r\nmine=42\r\nmoto_w=300\r\n");
    StartProgram();
    CloseProgram();
    EXPECT_EQ(IniInt(L"korvatel.ini", L"mine"), 42);
    EXPECT_EQ(IniInt(L"korvatel.ini", L"moto_w"), 300);
    wchar_t keep[16] = {};
    GetPrivateProfileStringW(L"Other", L"keep", L"", keep, ARRAYSIZE(keep), BasePath(L"korvatel.ini").c_str());
    EXPECT_STREQ(keep, L"yes");
}

TEST_F(SettingsFileTest, PlacementFollowsMovesAndResizesAndIsSavedAtClose)
{
    StartProgram();
    SetWindowPos(window(), nullptr, 120, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(g_app.settings.moto_x, 120);
    EXPECT_EQ(g_app.settings.moto_y, 80);
    SetWindowPos(window(), nullptr, 0, 0, 400, 500, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(g_app.settings.moto_w, 400);
    EXPECT_EQ(g_app.settings.moto_h, 500);
    SendMessageW(g_app.listView, LVM_SETCOLUMNWIDTH, 0, 150);
    CloseProgram();
    EXPECT_EQ(IniInt(L"korvatel.ini", L"moto_x"), 120);
    EXPECT_EQ(IniInt(L"korvatel.ini", L"moto_y"), 80);
    EXPECT_EQ(IniInt(L"korvatel.ini", L"moto_w"), 400);
    EXPECT_EQ(IniInt(L"korvatel.ini", L"moto_h"), 500);
    EXPECT_EQ(IniInt(L"korvatel.ini", L"colum_w1"), 150);
}

TEST_F(SettingsFileTest, ABaseDirectoryTooLongForThePathIsNeverUsed)
{
    StartProgram();
    // A start directory that did not fit leaves the base directory empty:
    // the settings file is then neither read nor written anywhere.
    ZeroMemory(g_app.baseDirectory, sizeof(g_app.baseDirectory));
    wchar_t root[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, root);
    CloseProgram();
    EXPECT_FALSE(FileExists(BasePath(L"korvatel.ini")));
    EXPECT_FALSE(FileExists(std::wstring(root, 2) + L"\\korvatel.ini"));
}
