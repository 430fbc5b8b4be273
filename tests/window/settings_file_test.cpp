// Start-up, and korvatel.ini and dunmere.ini as the main window reads and writes them.
#include <windows.h>

#include <commctrl.h>

#include <climits>

#include "app/application.h"
#include "settings/helper_settings.h"
#include "support/main_window_fixture.h"

using SettingsFileTest = MainWindowTest;

TEST_F(SettingsFileTest, WithoutAFileTheDefaultsAreShownAndAllTenKeysWrittenInOrder)
{
    StartProgram();
    const wchar_t* menus[] = { L"編集(&E)", L"ﾍﾙﾌﾟ(&H)", L"END(&X)" };
    for (int i = 0; i < 3; ++i) {
        wchar_t text[16] = {};
        GetMenuStringW(GetMenu(window()), i, text, ARRAYSIZE(text), MF_BYPOSITION);
        EXPECT_STREQ(text, menus[i]);
    }
    CloseProgram();
    EXPECT_EQ(ReadText(BasePath(L"korvatel.ini")),
              L"[Setting]\r\nmoto_x=0\r\nmoto_y=0\r\nmoto_w=270\r\nmoto_h=350\r\ncolum_w1=200\r\ncolum_w2=30\r\n"
              L"focus_mode=0\r\npw_mode=0\r\nofset_x=-200\r\nofset_y=0\r\n");
}

// A placement from a larger screen is shrunk to this one, caption and all on it;
// one off the bottom is pulled up to 30 pixels above the screen's bottom edge.
TEST_F(SettingsFileTest, TheWindowIsKeptOnTheMeasuredScreen)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const struct { std::string placement; RECT expected; } cases[] = {
        { "moto_x=-40\r\nmoto_w=" + std::to_string(width + 100) + "\r\nmoto_y=5000\r\nmoto_h=200\r\n",
          { 0, height - 30 - 200, width, height - 30 } },
        { "moto_x=3000\r\nmoto_y=2000\r\nmoto_w=4000\r\nmoto_h=3000\r\n", { 0, 0, width, height - 30 } },
    };
    for (const auto& c : cases) {
        WriteBytes(BasePath(L"korvatel.ini"), "[Setting]\r\n" + c.placement);
        StartProgram();
        RECT rect;
        GetWindowRect(window(), &rect);
        EXPECT_TRUE(EqualRect(&rect, &c.expected)) << c.placement;
        CloseProgram();
    }
}

TEST_F(SettingsFileTest, KnownKeysMissingFromTheFileAreDefaultsAndTheRestOfTheFileSurvives)
{
    WriteBytes(BasePath(L"korvatel.ini"), "[Other]\r\nkeep=7\r\n[Setting]\r\nmine=42\r\npw_mode=1\r\n");
    StartProgram();
    // The placement follows moves and resizes, and is what the file holds after close.
    SetWindowPos(window(), nullptr, 120, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(window(), nullptr, 0, 0, 400, 500, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageW(g_app.listView, LVM_SETCOLUMNWIDTH, 0, 150);
    ShowWindow(window(), SW_MINIMIZE);   // closed minimized: the last normal placement stays
    CloseProgram();
    EXPECT_EQ(ReadText(BasePath(L"korvatel.ini")),
              L"[Other]\r\nkeep=7\r\n[Setting]\r\nmine=42\r\npw_mode=1\r\nmoto_x=120\r\nmoto_y=80\r\nmoto_w=400\r\n"
              L"moto_h=500\r\ncolum_w1=150\r\ncolum_w2=30\r\nfocus_mode=0\r\nofset_x=-200\r\nofset_y=0\r\n");
}

TEST_F(SettingsFileTest, ABaseDirectoryTooLongForThePathIsNeverUsed)
{
    StartProgram();
    ZeroMemory(g_app.baseDirectory, sizeof(g_app.baseDirectory));   // as when the start directory did not fit
    CloseProgram();
    EXPECT_FALSE(FileExists(BasePath(L"korvatel.ini")));
    EXPECT_FALSE(FileExists(base.path().substr(0, 2) + L"\\korvatel.ini"));
}

// Refuses every window, so the main window cannot be created.
LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam)
{
    return code == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(SettingsFileTest, AMainWindowThatCannotBeCreatedEndsWithExitCodeZero)
{
    HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    EXPECT_EQ(RunApplication(GetModuleHandleW(nullptr), SW_SHOWNORMAL), 0);
    UnhookWindowsHookEx(hook);
}

TEST_F(SettingsFileTest, HelperFileHoldsSixKeysInOrderWithItsWindowKeptOnTheScreen)
{
    StartProgram();
    g_app.settings.moto_x = 100;   // and ofset_x -200
    g_app.settings.moto_y = g_app.screenHeight - 50;
    SaveHelperSettings();
    EXPECT_EQ(ReadText(BasePath(L"dunmere.ini")),
              L"\xFEFF[Setting]\r\nmoto_x=0\r\nmoto_y=" + std::to_wstring(g_app.screenHeight - 68)
                  + L"\r\nid_time=5000\r\npw_time=5000\r\nid_wcs=ID\r\npw_wcs=KX\r\n");
    g_app.settings.moto_x = INT_MAX;   // plus INT_MAX, without overflow
    g_app.settings.ofset_x = INT_MAX;
    SaveHelperSettings();
    std::wstring edge = L"moto_x=" + std::to_wstring(g_app.screenWidth - 126) + L"\r\n";
    EXPECT_NE(ReadText(BasePath(L"dunmere.ini")).find(edge), std::wstring::npos);
}

// Blanks and quote marks at either end, characters outside the code page and
// all 253 characters come back as typed; a longer stored value comes back empty.
TEST_F(SettingsFileTest, HelperIdAndPasswordComeBackExactlyAfterANewStart)
{
    WriteBytes(BasePath(L"dunmere.ini"),
               "[Setting]\r\nid_wcs=\r\nid_time=250\r\npw_wcs=" + std::string(254, 'x') + "\r\n");
    StartProgram();
    EXPECT_STREQ(g_app.settings.id_wcs, L"");
    EXPECT_STREQ(g_app.settings.pw_wcs, L"");
    EXPECT_EQ(g_app.settings.id_time, 250);
    const struct {
        std::wstring id, password;
    } values[] = {
        { L"  two leading", L"trailing tab\t" },
        { L"\"quoted\"", L"\"" },
        { L"'single'", L"in\"side \x20AC\xE9" },
        { L" " + std::wstring(251, L'\xD55C') + L"\"", L"\xAD00\xB9AC\xC790" },
    };
    for (const auto& v : values) {
        lstrcpynW(g_app.settings.id_wcs, v.id.c_str(), kHelperTextCapacity);
        lstrcpynW(g_app.settings.pw_wcs, v.password.c_str(), kHelperTextCapacity);
        CloseProgram();
        EXPECT_EQ(ReadBytes(BasePath(L"dunmere.ini")).substr(0, 2), "\xFF\xFE");
        StartProgram();
        EXPECT_EQ(std::wstring(g_app.settings.id_wcs), v.id);
        EXPECT_EQ(std::wstring(g_app.settings.pw_wcs), v.password);
    }
}

// The first write makes the file UTF-16 keeping every line, and later writes
// leave it so; a file that cannot be replaced, as another program holds it
// open, stays as it was.
TEST_F(SettingsFileTest, AnExistingHelperFileBecomesUtf16WithEveryLineKept)
{
    const std::string ansi = "[Other]\r\nkeep=\x93\xFA\x96\x7B\r\n[Setting]\r\nmine=7\r\npw_wcs=old\r\n";
    const std::wstring lines = L"[Other]\r\nkeep=\x65E5\x672C\r\n[Setting]\r\nmine=7\r\npw_wcs=old\r\n";
    const std::wstring converted =
        L"\xFEFF" + lines + L"moto_x=0\r\nmoto_y=0\r\nid_time=5000\r\npw_time=5000\r\nid_wcs=ID\r\n";
    const struct {
        const char* name;
        std::string bytes;
        bool held;
        std::wstring expected;
    } cases[] = {
        { "ANSI", ansi, false, converted },
        { "UTF-8 with its mark",
          "\xEF\xBB\xBF[Other]\r\nkeep=\xE6\x97\xA5\xE6\x9C\xAC\r\n[Setting]\r\nmine=7\r\npw_wcs=old\r\n",
          false, converted },
        { "held open", ansi, true, lines },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(BasePath(L"dunmere.ini"), c.bytes);
        HANDLE held = c.held ? CreateFileW(BasePath(L"dunmere.ini").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, 0, nullptr)
                             : nullptr;
        StartProgram();
        SaveHelperSettings();
        CloseProgram();
        if (held != nullptr) {
            CloseHandle(held);
        }
        EXPECT_EQ(ReadText(BasePath(L"dunmere.ini")), c.expected);
        EXPECT_FALSE(FileExists(BasePath(L"dunmere.new")));
    }
}
