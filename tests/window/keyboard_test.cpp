// The keyboard in the main window, with real key presses through the program's own message loop.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "res/resource.h"
#include "support/window_test.h"

namespace {

// Keys that would change the list or the files if the list had them.
void PressListKeys()
{
    PressKey(VK_DELETE);
    PressKey(VK_F5);
    PressKey(VK_DOWN, VK_MENU);
    PressKey('N', VK_CONTROL);
}

std::vector<int> SelectedRows()
{
    std::vector<int> rows;
    for (int row = -1; (row = ListView_GetNextItem(g_app.listView, row, LVNI_SELECTED)) != -1;) {
        rows.push_back(row);
    }
    return rows;
}

class KeyboardTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        CreateDirectoryW(BasePath(L"ipaddress").c_str(), nullptr);
        for (const char* name : { "a", "b", "c" }) {
            WriteBytes(BasePath(L"ipaddress\\" + std::wstring(name, name + 1) + L".bat"), "netsh " + std::string(name) + "\r\n");
        }
        WriteBytes(BasePath(L"netsh.bat"), "@echo %*>>netsh.log\r\n");
    }

    static void Press(WORD key, WORD modifier = 0)
    {
        PressKey(key, modifier);
        PumpMessages();
    }

    // The profiles the elevated runs ran, in order, once every run has ended.
    std::string RunProfiles()
    {
        EXPECT_TRUE(ChildProcessesEnded());
        std::string log = ReadBytes(BasePath(L"netsh.log"));
        std::replace(log.begin(), log.end(), '\r', ' ');
        log.erase(std::remove(log.begin(), log.end(), '\n'), log.end());
        return log;
    }

    // A run's console window takes the foreground, as another program would: the user comes back to the
    // window, and the list has the keyboard again.
    void ComeBack()
    {
        HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, nullptr, nullptr,
                                     nullptr, nullptr);
        SetForegroundWindow(other);
        PumpMessages();
        SetForegroundWindow(window());
        PumpMessages();
        DestroyWindow(other);
        ASSERT_EQ(GetFocus(), g_app.listView) << "the list has no keyboard focus when the window is active again";
    }
};

} // namespace

// Alt+Up and Alt+Down move, F5 reads the folder again, F2 and Ctrl+N open the editor, where Enter does
// nothing and Esc closes without writing, Delete recycles. Enter applies the focused row, the context-menu key
// and Shift+F10 the focused row if selected, else the first selected one; each press runs once.
TEST_F(KeyboardTest, EveryKeyWorksFromAFreshStartWithoutAClick)
{
    StartProgram();
    ASSERT_EQ(GetFocus(), g_app.listView) << "the list has no keyboard focus after the start";
    SortProfileList(window(), 0);
    SortProfileList(window(), 0);
    ASSERT_EQ(Rows(), (Texts{ L"a.bat", L"b.bat", L"c.bat" }));
    Press(VK_END);
    Press(VK_UP, VK_MENU);
    EXPECT_EQ(Rows(), (Texts{ L"a.bat", L"c.bat", L"b.bat" }));
    Press(VK_HOME);
    Press(VK_DOWN, VK_MENU);
    EXPECT_EQ(Rows(), (Texts{ L"c.bat", L"a.bat", L"b.bat" }));
    WriteBytes(BasePath(L"ipaddress\\d.bat"), "netsh d\r\n");
    Press(VK_F5);
    Texts listed = Rows();
    std::sort(listed.begin(), listed.end());
    ASSERT_EQ(listed, (Texts{ L"a.bat", L"b.bat", L"c.bat", L"d.bat" }));

    Press(VK_HOME);
    EXPECT_TRUE(PlayDialog([] { PressKey(VK_F2); }, [&](HWND editor) {
        EXPECT_EQ(WindowTitle(editor), L"IPアドレス編集");
        PressKey(VK_ESCAPE);
        PumpDialog(editor);
    }));
    EXPECT_EQ(GetFocus(), g_app.listView) << "the list lost the keyboard to the editor";
    EXPECT_TRUE(PlayDialog([] { PressKey('N', VK_CONTROL); }, [&](HWND editor) {
        EXPECT_EQ(WindowTitle(editor), L"IPアドレス追加");
        SendDlgItemMessageW(editor, IDC_EDITOR_ADAPTERS, LB_SETCURSEL, 0, 0);
        SetDlgItemTextW(editor, IDC_EDITOR_ADDRESS3, L"1");
        SetDlgItemTextW(editor, IDC_EDITOR_ADDRESS4, L"1");
        PressKey(VK_RETURN);
        PumpDialog(editor);
        EXPECT_TRUE(IsWindowVisible(editor)) << "Enter ended the editor";
        PressKey(VK_ESCAPE);
        PumpDialog(editor);
    }));
    Texts rows = Rows();
    EXPECT_EQ(rows.size(), 4u) << "the editor wrote a profile";
    Press(VK_HOME);
    Press(VK_DELETE);
    EXPECT_FALSE(FileExists(BasePath(L"ipaddress\\" + rows[0])));
    EXPECT_EQ(Rows(), (Texts{ rows[1], rows[2], rows[3] }));

    SortProfileList(window(), 0);
    SortProfileList(window(), 0);
    rows = Rows();
    ASSERT_TRUE(std::is_sorted(rows.begin(), rows.end()));
    Press(VK_END);   // Home alone selects nothing when the first row has the focus already
    Press(VK_HOME);
    Press(VK_RETURN);
    std::string first(rows[0].begin(), rows[0].end() - 4), second(rows[1].begin(), rows[1].end() - 4);
    EXPECT_EQ(RunProfiles(), first + " ");
    ComeBack();
    Press(VK_DOWN, VK_SHIFT);
    Press(VK_APPS);
    EXPECT_EQ(RunProfiles(), first + " " + second + " ");
    ComeBack();
    Press(VK_DOWN, VK_CONTROL);
    ASSERT_EQ(SelectedRows(), (std::vector<int>{ 0, 1 }));
    Press(VK_F10, VK_SHIFT);
    EXPECT_EQ(RunProfiles(), first + " " + second + " " + first + " ");
    EXPECT_TRUE(messages.empty());
}

// Keys pressed while the about box or a message box has the focus are theirs: the list and the files
// stay as they are. Back in the window, the list has the keyboard again.
TEST_F(KeyboardTest, KeysGoToTheBoxThatHasTheFocus)
{
    StartProgram();
    const Texts rows = Rows();
    ListView_SetItemState(g_app.listView, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    WriteBytes(BasePath(L"ipaddress\\new.bat"), "netsh new\r\n");
    SendMessageW(window(), WM_COMMAND, IDM_ABOUT, 0);
    PumpMessages();
    HWND about = FindWindowW(L"#32770", L"このソフトについて");
    ASSERT_TRUE(about != nullptr && GetForegroundWindow() == about);
    PressListKeys();
    PressKey(VK_APPS);
    PumpMessages();
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(FindWindowW(L"#32770", L"IPアドレス追加"), nullptr);
    PressKey(VK_ESCAPE);
    PumpMessages();
    ASSERT_FALSE(IsWindow(about));
    EXPECT_EQ(GetFocus(), g_app.listView) << "the list has no keyboard focus when the window is active again";

    // A real message box this time: Enter ends it.
    g_messageBoxHook = [](HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
        messages.push_back({ owner, text, caption, type });
        static DWORD shown;
        shown = GetTickCount();
        SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR timer, DWORD) {
            HWND box = GetForegroundWindow();
            bool boxHasFocus = box != nullptr && GetWindow(box, GW_OWNER) == g_app.mainWindow;
            if (!boxHasFocus && GetTickCount() - shown < 5000) {
                return;
            }
            KillTimer(nullptr, timer);
            EXPECT_TRUE(boxHasFocus) << "the message box never took the focus";
            PressListKeys();
            PressKey(VK_RETURN);
        });
        return MessageBoxW(owner, text, caption, type);
    };
    ListView_SetItemState(g_app.listView, -1, 0, LVIS_SELECTED);
    Press(VK_RETURN);
    EXPECT_TRUE(OneMessage(L"項目を選択して下さい", L"listview", MB_OK));
    EXPECT_EQ(Rows(), rows);
    for (const std::wstring& row : rows) {
        EXPECT_TRUE(FileExists(BasePath(L"ipaddress\\" + row))) << row;
    }
    EXPECT_EQ(FindWindowW(L"#32770", L"IPアドレス追加"), nullptr);
    EXPECT_FALSE(FileExists(BasePath(L"netsh.log")));
}
