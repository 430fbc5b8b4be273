// Start-up and close with korvatel.ini and dunmere.ini, the toolbar, the settings dialog with the z-order
// step after it, and the about boxes.
#include <windows.h>

#include <commctrl.h>

#include "res/resource.h"
#include "settings/helper_settings.h"
#include "support/window_test.h"

namespace {

using MainWindowStartTest = MainWindowTest;
using SettingsDialogTest = MainWindowTest;

bool IsTopmost() { return (GetWindowLongW(g_app.mainWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

const int kSettingsFields[] = { IDC_SETTINGS_ID_TIME, IDC_SETTINGS_PW_TIME, IDC_SETTINGS_OFSET_X,
                                IDC_SETTINGS_OFSET_Y, IDC_SETTINGS_ID, IDC_SETTINGS_PW };

} // namespace

// A placement from a larger screen is shrunk to this one, caption and all on it, and a spoilt size grows to
// one that can be used; one off the bottom is pulled up to 30 pixels above the screen's bottom edge. The
// helper's small window is kept on it too.
TEST_F(MainWindowStartTest, TheWindowsAreKeptOnTheMeasuredScreen)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), bottom = GetSystemMetrics(SM_CYSCREEN) - kBottomMargin;
    const struct { std::string placement; std::vector<LONG> expected; } cases[] = {
        { "moto_x=-40\r\nmoto_w=" + std::to_string(width + 100) + "\r\nmoto_y=5000\r\nmoto_h=200\r\n",
          { 0, bottom - 200, width, bottom } },
        { "moto_x=3000\r\nmoto_y=2000\r\nmoto_w=4000\r\nmoto_h=3000\r\n", { 0, 0, width, bottom } },
        { "moto_x=5000\r\nmoto_y=5000\r\nmoto_w=0\r\nmoto_h=-5\r\n", { width - 180, bottom - 150, width, bottom } },
    };
    for (const auto& c : cases) {
        WriteBytes(BasePath(L"korvatel.ini"), "[Setting]\r\n" + c.placement);
        StartProgram();
        EXPECT_EQ(WindowRect(window()), c.expected) << c.placement;
        CloseProgram();
    }
    g_app.settings.moto_x = 0;
    g_app.settings.moto_y = bottom - 50;   // dragged down near the bottom edge
    SaveHelperSettings();
    EXPECT_NE(ReadText(BasePath(L"dunmere.ini")).find(L"moto_x=0\r\nmoto_y=" + std::to_wstring(bottom - 68)), std::wstring::npos);
}

// Without files the defaults are used and both files written whole at close. The placement follows moves and
// resizes, but not a minimized window's strip. An ANSI or UTF-8 file stays one.
TEST_F(MainWindowStartTest, KeysMissingFromTheFileAreDefaultsAndTheRestOfTheFileSurvives)
{
    StartProgram();
    EXPECT_EQ(WindowRect(window()), (std::vector<LONG>{ 0, 0, 270, 350 }));
    CloseProgram();
    EXPECT_EQ(ReadText(BasePath(L"korvatel.ini")),
              L"[Setting]\r\nmoto_x=0\r\nmoto_y=0\r\nmoto_w=270\r\nmoto_h=350\r\ncolum_w1=200\r\ncolum_w2=30\r\n"
              L"focus_mode=0\r\npw_mode=0\r\nofset_x=-200\r\nofset_y=0\r\n");
    EXPECT_EQ(ReadText(BasePath(L"dunmere.ini")),
              L"\xFEFF[Setting]\r\nmoto_x=0\r\nmoto_y=0\r\nid_time=5000\r\npw_time=5000\r\nid_wcs=ID\r\npw_wcs=KX\r\n");
    WriteBytes(BasePath(L"korvatel.ini"), "[Other]\r\nkeep=\x93\xFA\x96\x7B\r\n[Setting]\r\nmine=42\r\npw_mode=1\r\n");
    StartProgram();
    SetWindowPos(window(), nullptr, 120, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(window(), nullptr, 0, 0, 400, 500, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageW(g_app.listView, LVM_SETCOLUMNWIDTH, 0, 150);
    ShowWindow(window(), SW_MINIMIZE);
    CloseProgram();
    EXPECT_EQ(ReadText(BasePath(L"korvatel.ini")),
              L"[Other]\r\nkeep=\x65E5\x672C\r\n[Setting]\r\nmine=42\r\npw_mode=1\r\nmoto_x=120\r\nmoto_y=80\r\n"
              L"moto_w=400\r\nmoto_h=500\r\ncolum_w1=150\r\ncolum_w2=30\r\nfocus_mode=0\r\nofset_x=-200\r\nofset_y=0\r\n");
    const std::string utf8 = "\xEF\xBB\xBF; \xE6\x97\xA5\xE6\x9C\xAC\r\n[Setting]\r\n";   // each file keeps its encoding
    WriteBytes(BasePath(L"korvatel.ini"), utf8);
    StartProgram();
    CloseProgram();
    EXPECT_EQ(ReadBytes(BasePath(L"korvatel.ini")).substr(0, utf8.size() + 10), utf8 + "moto_x=0\r\n");
}

// As when the start directory did not fit: nothing is written anywhere. A main window that cannot be
// created ends the program with exit code 0.
TEST_F(MainWindowStartTest, ANoBaseDirectoryOrNoWindowIsNeverUsed)
{
    HHOOK hook = SetWindowsHookExW(WH_CBT, [](int code, WPARAM wParam, LPARAM lParam) {
        return code == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
    }, nullptr, GetCurrentThreadId());
    EXPECT_EQ(RunApplication(GetModuleHandleW(nullptr), SW_SHOWNORMAL), 0);
    UnhookWindowsHookEx(hook);
    StartProgram();
    ZeroMemory(g_app.baseDirectory, sizeof(g_app.baseDirectory));
    CloseProgram();
    EXPECT_FALSE(FileExists(BasePath(L"korvatel.ini")) || FileExists(base.path().substr(0, 2) + L"\\korvatel.ini"));
}

// A stored ID or password longer than 253 characters reads as empty, never cut, and is not written back until
// the user sets another.
TEST_F(MainWindowStartTest, AnIdOrPasswordOverTheLimitReadsAsEmptyAndStaysInTheFile)
{
    const std::string longValue(254, 'x');
    WriteBytes(BasePath(L"dunmere.ini"), "[Setting]\r\nid_wcs=\r\nid_time=250\r\npw_wcs=" + longValue + "\r\n");
    StartProgram();
    EXPECT_TRUE(g_app.settings.id_wcs[0] == L'\0' && g_app.settings.pw_wcs[0] == L'\0' && g_app.settings.id_time == 250);
    CloseProgram();
    EXPECT_EQ(ReadText(BasePath(L"dunmere.ini")), L"\xFEFF[Setting]\r\nid_wcs=\r\nid_time=250\r\npw_wcs="
                                                  + std::wstring(254, L'x') + L"\r\nmoto_x=0\r\nmoto_y=0\r\npw_time=5000\r\n");
}

// The first write makes the file UTF-16 keeping every line, of any size and from either UTF-16 byte order; an
// ID outside the code page is then stored exactly. A file that cannot be replaced (another program holds it)
// or that holds zero bytes no byte order mark explains stays as it was, no new file is left beside it, and the
// close names it.
TEST_F(MainWindowStartTest, AnExistingHelperFileBecomesUtf16WithEveryLineKept)
{
    const std::string comments(2 << 20, ';');   // one line of 2 MiB
    const std::string ansi = "[Other]\r\nkeep=\x93\xFA\x96\x7B\r\n[Setting]\r\npw_wcs=old\r\n";
    const std::wstring lines = L"[Other]\r\nkeep=\x65E5\x672C\r\n[Setting]\r\npw_wcs=old\r\n";
    const std::wstring id = L"id\x20AC\xD55C";
    const std::wstring written = L"moto_x=0\r\nmoto_y=0\r\nid_time=5000\r\npw_time=5000\r\nid_wcs=" + id + L"\r\n";
    const std::string strayZero = std::string(ansi).insert(9, 1, '\0');
    const struct { std::string bytes; bool held, kept; std::wstring converted; } cases[] = {
        { ansi, false, false, L"\xFEFF" + lines + written }, { ansi, true, true, L"" },
        { "\xEF\xBB\xBF[Other]\r\nkeep=\xE6\x97\xA5\xE6\x9C\xAC\r\n[Setting]\r\npw_wcs=old\r\n", false, false,
          L"\xFEFF" + lines + written },
        { Utf16Bytes(L"\xFEFF" + lines, true), false, false, L"\xFEFF" + lines + written }, { Utf16Bytes(lines), false, true, L"" },
        { strayZero, false, true, L"" },
        { comments + "\r\n" + ansi, false, false, L"\xFEFF" + std::wstring(comments.begin(), comments.end()) + L"\r\n" + lines + written },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        WriteBytes(BasePath(L"dunmere.ini"), c.bytes);
        HANDLE held = c.held ? CreateFileW(BasePath(L"dunmere.ini").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, 0, nullptr) : INVALID_HANDLE_VALUE;
        StartProgram();
        lstrcpynW(g_app.settings.id_wcs, id.c_str(), kHelperTextCapacity);
        CloseProgram();
        CloseHandle(held);
        if (c.kept) {
            EXPECT_EQ(ReadBytes(BasePath(L"dunmere.ini")), c.bytes);
            EXPECT_TRUE(OneMessage(L"次のファイルに設定を保存できなかったため、今回の設定の変更は保存されていません。\r\n"
                             + BasePath(L"dunmere.ini"), L"Error", MB_OK | MB_ICONWARNING));
        } else {
            EXPECT_TRUE(ReadText(BasePath(L"dunmere.ini")) == c.converted && messages.empty());
        }
        EXPECT_FALSE(FileExists(BasePath(L"dunmere.in~")));
    }
}

// Files held by another program at the start are read as defaults but never overwritten with them, neither at
// exit nor at a hand-off: only what the user changed in this run is written, and a hand-off that cannot write
// the helper's file starts no helper. The profile still runs.
TEST_F(MainWindowStartTest, AFileThatCannotBeReadAtStartIsNeverOverwrittenWithDefaults)
{
    const std::string settings = "; mine\r\n[Setting]\r\nmoto_x=40\r\nmoto_y=30\r\nmoto_w=300\r\nmoto_h=320\r\npw_mode=1\r\n";
    const std::wstring helper = L"[Setting]\r\nid_time=1\r\npw_time=1\r\nid_wcs=stored-id\r\npw_wcs=stored-pw\r\n";
    WriteBytes(BasePath(L"korvatel.ini"), settings);
    WriteUtf16Text(BasePath(L"dunmere.ini"), helper);
    CreateDirectoryW(BasePath(L"ipaddress").c_str(), nullptr);
    WriteBytes(BasePath(L"ipaddress\\a.bat"), "netsh a\r\n");
    WriteBytes(BasePath(L"netsh.bat"), "@echo %*>>netsh.log\r\n");
    auto hold = [&](const wchar_t* name) {
        return CreateFileW(BasePath(name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    };
    HANDLE heldSettings = hold(L"korvatel.ini"), heldHelper = hold(L"dunmere.ini");
    StartProgram();
    CloseHandle(heldSettings);
    CloseHandle(heldHelper);
    EXPECT_EQ(WindowRect(window()), (std::vector<LONG>{ 0, 0, 270, 350 }));
    EXPECT_STREQ(g_app.settings.id_wcs, L"ID");
    CloseProgram();
    EXPECT_EQ(ReadBytes(BasePath(L"korvatel.ini")), settings);
    EXPECT_EQ(ReadText(BasePath(L"dunmere.ini")), L"\xFEFF" + helper + L"moto_x=0\r\nmoto_y=0\r\n");

    heldHelper = hold(L"dunmere.ini");
    StartProgram();
    CloseHandle(heldHelper);
    ListView_SetItemState(g_app.listView, 0, LVIS_SELECTED, LVIS_SELECTED);
    SendMessageW(window(), WM_COMMAND, IDT_APPLY, 0);
    EXPECT_TRUE(ChildProcessesEnded()) << "the helper the hand-off started";
    EXPECT_EQ(ReadText(BasePath(L"dunmere.ini")), L"\xFEFF" + helper + L"moto_x=0\r\nmoto_y=30\r\n");
    EXPECT_TRUE(RunDialog(IDM_SETTINGS, [](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_SETTINGS_PW, L"typed-pw");
        ClickButton(dialog, IDC_SETTINGS_OK);
    }));
    heldHelper = hold(L"dunmere.ini");
    SendMessageW(window(), WM_COMMAND, IDT_APPLY, 0);
    EXPECT_TRUE(OneMessage(BasePath(L"dunmere.ini") + L"\r\nにIDとPWを書き込めないため、受け渡しツールを起動しません。", L"Error",
                     MB_OK | MB_ICONWARNING));
    EXPECT_EQ(ChildProcesses().find(L"dunmere"), std::wstring::npos);
    CloseHandle(heldHelper);
    EXPECT_TRUE(ChildProcessesEnded());
    EXPECT_EQ(ReadBytes(BasePath(L"netsh.log")), "a\r\na\r\n");
    CloseProgram();
    EXPECT_EQ(ReadText(BasePath(L"dunmere.ini")), L"\xFEFF[Setting]\r\nid_time=1\r\npw_time=1\r\nid_wcs=stored-id\r\n"
                                                  L"pw_wcs=typed-pw\r\nmoto_x=0\r\nmoto_y=30\r\n");
}

// A save that fails is named in one box at exit and kept quiet at the end of a Windows session; the session's
// end, which may come without WM_DESTROY, writes both files.
TEST_F(MainWindowStartTest, ASaveThatFailsIsNamedAtExitAndNothingAtTheEndOfASession)
{
    StartProgram();
    SetWindowPos(window(), nullptr, 120, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageW(window(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_NE(ReadText(BasePath(L"korvatel.ini")).find(L"moto_x=120\r\nmoto_y=80\r\n"), std::wstring::npos);
    EXPECT_TRUE(FileExists(BasePath(L"dunmere.ini")));
    SetFileAttributesW(BasePath(L"korvatel.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string before = ReadBytes(BasePath(L"korvatel.ini"));
    SetWindowPos(window(), nullptr, 130, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageW(window(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(messages.empty());
    CloseProgram();
    const std::wstring failed = L"次のファイルに設定を保存できなかったため、今回の設定の変更は保存されていません。";
    EXPECT_TRUE(OneMessage(failed + L"\r\n" + BasePath(L"korvatel.ini"), L"Error", MB_OK | MB_ICONWARNING));
    EXPECT_EQ(ReadBytes(BasePath(L"korvatel.ini")), before);
    SetFileAttributesW(BasePath(L"korvatel.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    std::wstring full = FaultFolder(L"full");
    if (full.empty() || !FileExists(full + L"\\ipaddress")) {
        GTEST_SKIP() << "no full disk: the host could not mount a small tmpfs";
    }
    StartProgram();
    lstrcpynW(g_app.baseDirectory, full.c_str(), MAX_PATH);
    CloseProgram();
    EXPECT_TRUE(OneMessage(failed + L"\r\n" + full + L"\\korvatel.ini\r\n" + full + L"\\dunmere.ini", L"Error",
                     MB_OK | MB_ICONWARNING));
    EXPECT_FALSE(FileExists(full + L"\\korvatel.ini") || FileExists(full + L"\\dunmere.in~"));
}

// Each button shows its own image and tooltip; a click on the last, the left button pressed and released
// over it, ends the program.
TEST_F(MainWindowStartTest, FourImageButtonsWithTheirTooltipsAndTheLastEndsTheProgram)
{
    StartProgram();
    ASSERT_EQ(SendMessageW(g_app.toolbar, TB_BUTTONCOUNT, 0, 0), 4);
    const wchar_t* const tips[] = { L"IPアドレス切替", L"追加", L"設定", L"終了" };
    for (int i = 0; i < 4; ++i) {
        TBBUTTON button = {};
        SendMessageW(g_app.toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        wchar_t text[80] = {};
        TOOLINFOW tool = {};
        tool.cbSize = sizeof(tool);
        tool.hwnd = g_app.toolbar;
        tool.uId = static_cast<UINT_PTR>(button.idCommand);
        tool.lpszText = text;
        SendMessageW(reinterpret_cast<HWND>(SendMessageW(g_app.toolbar, TB_GETTOOLTIPS, 0, 0)), TTM_GETTEXTW,
                     ARRAYSIZE(text), reinterpret_cast<LPARAM>(&tool));
        EXPECT_TRUE(button.iBitmap == i && std::wstring(text) == tips[i]) << i;
    }
    RECT rect = {};
    SendMessageW(g_app.toolbar, TB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&rect));
    LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(g_app.toolbar, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(g_app.toolbar, WM_LBUTTONUP, 0, point);
    PumpMessages();
    EXPECT_FALSE(IsWindow(window()));
}

// "close", the close box and Esc change nothing. OK (or Enter) takes the fields only when each holds what its
// key keeps: a refusal names the field's range, puts the caret there and leaves the dialog as typed. OK sets
// the small icon and makes the window topmost at its recorded position, for good: clearing the box again does
// not undo it. Both files get the values at close.
TEST_F(SettingsDialogTest, OkTakesOnlyWhatTheFilesKeepAndMakesTheWindowTopmostForGood)
{
    WriteUtf16Text(BasePath(L"dunmere.ini"), L"[Setting]\r\nid_time=999999\r\npw_time=x\r\n");
    StartProgram();
    const Settings before = g_app.settings;
    const wchar_t* shown[] = { L"60000", L"5000", L"-200", L"0", L"ID", L"KX" };
    std::wstring id = L" " + std::wstring(251, L'\xAD00') + L"\"";   // 253 characters
    const wchar_t* typed[] = { L" 12\t", L"0", L"-5", L"  42 ", id.c_str(), L"p" };
    for (UINT ending : { IDC_SETTINGS_CLOSE, WM_CLOSE, VK_ESCAPE }) {
        EXPECT_TRUE(RunDialog(IDM_SETTINGS, [&](HWND dialog) {
            EXPECT_TRUE(IsDlgButtonChecked(dialog, IDC_SETTINGS_BOTTOM) && !IsDlgButtonChecked(dialog, IDC_SETTINGS_PW_MODE));
            for (int i = 0; i < 6; ++i) {
                EXPECT_EQ(ItemText(dialog, kSettingsFields[i]), shown[i]);
                SetDlgItemTextW(dialog, kSettingsFields[i], typed[i]);
            }
            SendDlgItemMessageW(dialog, IDC_SETTINGS_TOPMOST, BM_CLICK, 0, 0);
            SendDlgItemMessageW(dialog, IDC_SETTINGS_PW_MODE, BM_CLICK, 0, 0);
            if (ending == VK_ESCAPE) {
                PressKey(VK_ESCAPE);
                PumpDialog(dialog);
            } else {
                SendMessageW(dialog, ending == WM_CLOSE ? WM_CLOSE : WM_COMMAND, ending == WM_CLOSE ? 0 : ending, 0);
            }
        }));
        EXPECT_TRUE(memcmp(&g_app.settings.focus_mode, &before.focus_mode, sizeof(Settings) - offsetof(Settings, focus_mode)) == 0
                    && !IsTopmost()) << ending;
    }
    const std::wstring time = L"切換時間には0から60000までの整数を入力して下さい。";
    const std::wstring offset = L"OFFSET座標には-2147483648から2147483647までの整数を入力して下さい。";
    const std::wstring text = L"IDとPWには、改行を含まない253文字までの文字列を入力して下さい。";
    const struct { int field; std::wstring typed; const std::wstring& refusal; } refused[] = {
        { 0, L"abc", time }, { 0, L"12abc", time }, { 1, L"-1", time }, { 1, L"60001", time }, { 0, L"", time },
        { 0, L"1 2", time }, { 1, L"\xFF15", time }, { 2, L"2147483648", offset }, { 3, L"-2147483649", offset },
        { 2, L"1.5", offset }, { 3, L"- 5", offset }, { 2, L"+5", offset }, { 3, std::wstring(64, L' ') + L"1", offset },
        { 4, std::wstring(254, L'i'), text }, { 4, L"a\r\nb", text }, { 5, L"pass\nword", text },
    };
    EXPECT_TRUE(RunDialog(IDM_SETTINGS, [&](HWND dialog) {
        for (const auto& r : refused) {
            for (int i = 0; i < 6; ++i) {
                SetDlgItemTextW(dialog, kSettingsFields[i], i == r.field ? r.typed.c_str() : typed[i]);
            }
            ClickButton(dialog, IDC_SETTINGS_OK);
            SCOPED_TRACE(r.typed);
            EXPECT_TRUE(OneMessage(r.refusal, L"入力確認", MB_OK, dialog));
            EXPECT_TRUE(IsWindowVisible(dialog) && ItemText(dialog, kSettingsFields[r.field]) == r.typed
                        && GetFocus() == GetDlgItem(dialog, kSettingsFields[r.field]));
        }
        for (int i = 0; i < 6; ++i) {
            SetDlgItemTextW(dialog, kSettingsFields[i], typed[i]);
        }
        SendDlgItemMessageW(dialog, IDC_SETTINGS_TOPMOST, BM_CLICK, 0, 0);
        SendDlgItemMessageW(dialog, IDC_SETTINGS_PW_MODE, BM_CLICK, 0, 0);
        g_app.settings.moto_x = 90;   // apart from the window's own placement: only the position applies
        g_app.settings.moto_w = 500;
        PressKey(VK_RETURN);
        PumpDialog(dialog);
    }));
    EXPECT_TRUE(IsTopmost() && WindowRect(window())[0] == 90 && WindowRect(window())[2] == 90 + 270);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(window(), WM_GETICON, ICON_SMALL, 0)), g_app.windowIcon);
    EXPECT_TRUE(RunDialog(IDM_SETTINGS, [](HWND dialog) {
        SendDlgItemMessageW(dialog, IDC_SETTINGS_PW_MODE, BM_CLICK, 0, 0);
        ClickButton(dialog, IDC_SETTINGS_OK);
    }));
    EXPECT_TRUE(IsTopmost());
    CloseProgram();
    EXPECT_EQ(ReadText(BasePath(L"korvatel.ini")),
              L"[Setting]\r\nmoto_x=90\r\nmoto_y=0\r\nmoto_w=270\r\nmoto_h=350\r\ncolum_w1=200\r\ncolum_w2=30\r\n"
              L"focus_mode=1\r\npw_mode=0\r\nofset_x=-5\r\nofset_y=42\r\n");
    EXPECT_EQ(ReadText(BasePath(L"dunmere.ini")), L"\xFEFF[Setting]\r\nid_time=12\r\npw_time=0\r\nmoto_x=85\r\nmoto_y=42\r\n"
                                                  L"id_wcs=\"" + id + L"\"\r\npw_wcs=p\r\n");

    // A stored mode 2, which the dialog never sets, leaves the topmost band and restores the size.
    WriteBytes(BasePath(L"korvatel.ini"), "[Setting]\r\npw_mode=2\r\nmoto_x=50\r\n");
    StartProgram();
    SetWindowPos(window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    g_app.settings.moto_x = 90;
    g_app.settings.moto_w = 333;
    EXPECT_TRUE(RunDialog(IDM_SETTINGS, [](HWND dialog) { ClickButton(dialog, IDC_SETTINGS_CLOSE); }));
    EXPECT_TRUE(!IsTopmost() && WindowRect(window())[0] == 50 && WindowRect(window())[2] == 50 + 333);
}

// The list's keys pressed in a box are the box's; Enter and Esc reach a box through the program's own message
// loop; the rest go with the main window.
TEST_F(MainWindowStartTest, EachAboutBoxEndsOnItsOwnAndTheRestGoWithTheMainWindow)
{
    StartProgram();
    FillRows({ L"a.bat" }, { 0 });
    for (int i = 0; i < 3; ++i) {
        SendMessageW(window(), WM_COMMAND, IDM_ABOUT, 0);
    }
    PumpMessages();
    std::vector<HWND> boxes;
    for (HWND box = nullptr; (box = FindWindowExW(nullptr, box, L"#32770", L"このソフトについて")) != nullptr;) {
        boxes.push_back(box);
    }
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_TRUE(IsWindowEnabled(window()) && GetFocus() == GetDlgItem(boxes[0], IDC_ABOUT_OK));   // the box opened last
    PressKey(VK_DELETE);
    PressKey(VK_F5);
    PressKey(VK_DOWN, VK_MENU);
    PumpMessages();
    EXPECT_EQ(Rows(true), Texts{ L"a.bat/0s" });
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(GetDlgItem(boxes[1], IDC_ABOUT_NEW_VERSION), WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
    EXPECT_TRUE(!IsWindow(boxes[0]) && !IsWindow(boxes[1]) && IsWindowVisible(boxes[2]));
    CloseProgram();
    EXPECT_FALSE(IsWindow(boxes[2]));
}
