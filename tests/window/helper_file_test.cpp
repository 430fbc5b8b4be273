// dunmere.ini, the file handed to the credential helper.
#include <gtest/gtest.h>

#include <string>

#include "app/app_state.h"
#include "settings/helper_settings.h"
#include "support/main_window_fixture.h"

using HelperFileTest = MainWindowTest;

TEST_F(HelperFileTest, DefaultsWithoutAFile)
{
    StartProgram();
    EXPECT_EQ(g_app.settings.id_time, 5000);
    EXPECT_EQ(g_app.settings.pw_time, 5000);
    EXPECT_STREQ(g_app.settings.id_wcs, L"ID");
    EXPECT_STREQ(g_app.settings.pw_wcs, L"KX");
}

TEST_F(HelperFileTest, WritesSixKeysInOrderWithTheHelperWindowClamped)
{
    WriteIni(L"korvatel.ini", L"moto_x=100\r\nmoto_y=100\r\n");
    StartProgram();
    CloseProgram();
    EXPECT_EQ(IniInt(L"dunmere.ini", L"moto_x"), 0);      // 100 - 200, kept on the screen
    EXPECT_EQ(IniInt(L"dunmere.ini", L"moto_y"), 100);
    std::wstring text = ReadText(BasePath(L"dunmere.ini"));
    const wchar_t* keys[] = { L"[Setting]", L"moto_x=0", L"moto_y=100", L"id_time=5000",
                              L"pw_time=5000", L"id_wcs=ID", L"pw_wcs=KX" };
    size_t at = 0;
    for (const wchar_t* key : keys) {
        size_t next = text.find(key, at);
        ASSERT_NE(next, std::wstring::npos) << "missing or out of order: " << testing::PrintToString(std::wstring(key));
        at = next;
    }
}

TEST_F(HelperFileTest, HelperWindowStaysOnTheRightAndBottomEdges)
{
    StartProgram();
    g_app.settings.moto_x = g_app.screenWidth - 120;
    g_app.settings.ofset_x = 0;
    g_app.settings.moto_y = g_app.screenHeight - 50;
    g_app.settings.ofset_y = 0;
    SaveHelperSettings();
    EXPECT_EQ(IniInt(L"dunmere.ini", L"moto_x"), g_app.screenWidth - 126);
    EXPECT_EQ(IniInt(L"dunmere.ini", L"moto_y"), g_app.screenHeight - 68);
}

TEST_F(HelperFileTest, AnEmptyStoredIdStaysEmpty)
{
    WriteIni(L"dunmere.ini", L"id_wcs=\r\nid_time=250\r\n");
    StartProgram();
    EXPECT_STREQ(g_app.settings.id_wcs, L"");
    EXPECT_STREQ(g_app.settings.pw_wcs, L"KX");
    EXPECT_EQ(g_app.settings.id_time, 250);
}

TEST_F(HelperFileTest, ALongIdIsWrittenWholeAndReadBackAsItsFirst249Characters)
{
    std::wstring id;
    for (int i = 0; i < 253; ++i) {
        id += static_cast<wchar_t>(L'a' + i % 26);
    }
    StartProgram();
    lstrcpynW(g_app.settings.id_wcs, id.c_str(), kSettingsTextCapacity);
    CloseProgram();
    EXPECT_EQ(IniText(L"dunmere.ini", L"id_wcs"), id);

    StartProgram();
    EXPECT_EQ(std::wstring(g_app.settings.id_wcs), id.substr(0, 249));
}
