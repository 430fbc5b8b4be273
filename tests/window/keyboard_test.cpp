// The keyboard in the main window, with real key presses through the program's own message loop: which
// command each key reaches and where the focus goes. What the commands do is ProfileListTest's, and keys
// pressed in an about box are MainWindowStartTest's.
#include <windows.h>

#include <commctrl.h>

#include "res/resource.h"
#include "support/window_test.h"

namespace {

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
        StartProgram();
    }

    static void Press(WORD key, WORD modifier = 0)
    {
        PressKey(key, modifier);
        PumpMessages();
    }
};

} // namespace

// From a fresh start without a click, each key reaches its command once: Alt+Up and Alt+Down move, Enter
// applies the focused row, the context-menu key and Shift+F10 the focused row if selected, else the first
// selected one, Delete deletes, F2 and Ctrl+N open the editor, where Enter does nothing and Esc closes without
// writing, and F5 reads the folder again. The list has the keyboard again after each run and each editor.
TEST_F(KeyboardTest, EachKeyReachesItsCommandFromAFreshStart)
{
    ASSERT_EQ(GetFocus(), g_app.listView) << "the list has no keyboard focus after the start";
    Press(VK_RETURN);
    EXPECT_TRUE(OneMessage(L"項目を選択して下さい", L"listview", MB_OK));
    SortProfileList(window(), 0);
    SortProfileList(window(), 0);
    const std::wstring a = L"a.bat", b = L"b.bat", c = L"c.bat";
    const struct { WORD key, modifier; Texts rows; const char* runs; } steps[] = {
        { VK_END, 0, { a, b, c }, "" }, { VK_UP, VK_MENU, { a, c, b }, "" }, { VK_HOME, 0, { a, c, b }, "" },
        { VK_DOWN, VK_MENU, { c, a, b }, "" }, { VK_HOME, 0, { c, a, b }, "" }, { VK_RETURN, 0, { c, a, b }, "c\r\n" },
        { VK_DOWN, VK_SHIFT, { c, a, b }, "c\r\n" }, { VK_APPS, 0, { c, a, b }, "c\r\na\r\n" },
        { VK_DOWN, VK_CONTROL, { c, a, b }, "c\r\na\r\n" }, { VK_F10, VK_SHIFT, { c, a, b }, "c\r\na\r\nc\r\n" },
        { VK_DELETE, 0, { a, b }, "c\r\na\r\nc\r\n" },
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(&step - steps);
        Press(step.key, step.modifier);
        EXPECT_TRUE(ChildProcessesEnded());
        EXPECT_EQ(ReadBytes(BasePath(L"netsh.log")), step.runs);
        EXPECT_EQ(Rows(), step.rows);
        // A run's console window takes the foreground, as another program would; the user comes back.
        HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(other);
        PumpMessages();
        SetForegroundWindow(window());
        PumpMessages();
        DestroyWindow(other);
        EXPECT_EQ(GetFocus(), g_app.listView) << "the list has no keyboard focus when the window is active again";
    }
    const struct { WORD key, modifier; const wchar_t* title; } editors[] = {
        { VK_F2, 0, L"IPアドレス編集" }, { 'N', VK_CONTROL, L"IPアドレス追加" },
    };
    for (const auto& e : editors) {
        EXPECT_TRUE(PlayDialog([&] { PressKey(e.key, e.modifier); }, [&](HWND editor) {
            EXPECT_EQ(WindowTitle(editor), e.title);
            SendDlgItemMessageW(editor, IDC_EDITOR_ADAPTERS, LB_SETCURSEL, 0, 0);
            SetDlgItemTextW(editor, IDC_EDITOR_ADDRESS3, L"1");
            SetDlgItemTextW(editor, IDC_EDITOR_ADDRESS4, L"1");
            PressKey(VK_RETURN);
            PumpDialog(editor);
            EXPECT_TRUE(IsWindowVisible(editor)) << "Enter ended the editor";
            PressKey(VK_ESCAPE);
            PumpDialog(editor);
        }));
        EXPECT_EQ(GetFocus(), g_app.listView) << "the list lost the keyboard to the editor";
    }
    EXPECT_EQ(Rows().size(), 2u) << "the editor wrote a profile";
    WriteBytes(BasePath(L"ipaddress\\d.bat"), "netsh d\r\n");
    Press(VK_F5);
    EXPECT_EQ(Rows().size(), 3u);
    EXPECT_TRUE(messages.empty());
}
