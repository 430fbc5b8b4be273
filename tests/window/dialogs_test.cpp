// The settings dialog with the z-order step after it, and the modeless about box.
#include <string.h>

#include <functional>
#include <vector>

#include "res/resource.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"

using SettingsDialogTest = MainWindowTest;

// Opens the dialog as menu command 56 does and lets the action play the user.
static void UseSettingsDialog(std::function<void(HWND dialog)> action)
{
    DialogDriver driver(std::move(action));
    SendMessageW(g_app.mainWindow, WM_COMMAND, 56, 0);
    EXPECT_TRUE(driver.ran()) << "the settings dialog did not open";
}

static bool IsTopmost()
{
    return (GetWindowLongW(g_app.mainWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST_F(SettingsDialogTest, ShowsTheDefaultsAndCloseCloseBoxAndEscChangeNothing)
{
    StartProgram();
    const Settings before = g_app.settings;
    for (int way = 0; way < 2; ++way) {
        UseSettingsDialog([&](HWND dialog) {
            EXPECT_EQ(IsDlgButtonChecked(dialog, 168), BST_CHECKED);
            EXPECT_EQ(IsDlgButtonChecked(dialog, 131), BST_UNCHECKED);
            const wchar_t* shown[] = { L"5000", L"5000", L"-200", L"0", L"ID", L"KX" };
            for (int i = 0; i < 6; ++i) {
                EXPECT_EQ(ItemText(dialog, 121 + i), shown[i]) << 121 + i;
                SetItemText(dialog, 121 + i, L"9");
            }
            SendDlgItemMessageW(dialog, 167, BM_CLICK, 0, 0);
            SendDlgItemMessageW(dialog, 131, BM_CLICK, 0, 0);
            if (way == 0) {
                return ClickButton(dialog, 102);
            }
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            EXPECT_TRUE(IsWindowVisible(dialog)) << "Esc ended the dialog";
            SendMessageW(dialog, WM_CLOSE, 0, 0);
        });
    }
    EXPECT_EQ(memcmp(&g_app.settings, &before, sizeof(before)), 0);
    EXPECT_FALSE(IsTopmost());
}

TEST_F(SettingsDialogTest, OkTakesTheFieldsAsTypedMakesTheWindowTopmostForGoodAndBothFilesGetTheValues)
{
    // Only 61 characters of a number are read: 59 blanks and "42" fill them.
    std::wstring longNumber = std::wstring(59, L' ') + L"42999";
    std::wstring id = L" " + std::wstring(251, L'\xAD00') + L"\"";
    std::wstring password = std::wstring(253, L'p') + std::wstring(300, L'q');
    StartProgram();
    // Set apart from the window's own placement: only the position applies.
    g_app.settings.moto_x = 90;
    g_app.settings.moto_w = 500;
    UseSettingsDialog([&](HWND dialog) {
        SendDlgItemMessageW(dialog, 167, BM_CLICK, 0, 0);
        SendDlgItemMessageW(dialog, 131, BM_CLICK, 0, 0);
        const wchar_t* texts[] = { L"12abc", L"abc", L" -5", longNumber.c_str(), id.c_str(), password.c_str() };
        for (int i = 0; i < 6; ++i) {
            SetItemText(dialog, 121 + i, texts[i]);
        }
        ClickButton(dialog, 101);
    });
    EXPECT_TRUE(IsTopmost());
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(window(), WM_GETICON, ICON_SMALL, 0)), g_app.windowIcon);
    RECT rect;
    GetWindowRect(window(), &rect);
    EXPECT_EQ(rect.left, 90);
    EXPECT_EQ(rect.right - rect.left, 270);

    UseSettingsDialog([](HWND dialog) {
        SendDlgItemMessageW(dialog, 131, BM_CLICK, 0, 0);
        ClickButton(dialog, 101);
    });
    EXPECT_TRUE(IsTopmost());
    CloseProgram();
    EXPECT_EQ(ReadText(BasePath(L"korvatel.ini")),
              L"[Setting]\r\nmoto_x=90\r\nmoto_y=0\r\nmoto_w=270\r\nmoto_h=350\r\ncolum_w1=200\r\ncolum_w2=30\r\n"
              L"focus_mode=1\r\npw_mode=0\r\nofset_x=-5\r\nofset_y=42\r\n");
    EXPECT_EQ(ReadText(BasePath(L"dunmere.ini")),
              L"\xFEFF[Setting]\r\nmoto_x=85\r\nmoto_y=42\r\nid_time=12\r\npw_time=0\r\nid_wcs=\"" + id + L"\"\r\npw_wcs="
                  + password.substr(0, 253) + L"\r\n");
}

TEST_F(SettingsDialogTest, StoredModeTwoLeavesTheTopmostBandAndRestoresTheSize)
{
    WriteBytes(BasePath(L"korvatel.ini"), "[Setting]\r\npw_mode=2\r\nmoto_x=50\r\n");
    StartProgram();
    SetWindowPos(window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    g_app.settings.moto_x = 90;
    g_app.settings.moto_w = 333;
    UseSettingsDialog([](HWND dialog) { ClickButton(dialog, 102); });
    EXPECT_FALSE(IsTopmost());
    RECT rect;
    GetWindowRect(window(), &rect);
    EXPECT_EQ(rect.left, 50);
    EXPECT_EQ(rect.right - rect.left, 333);
}

using AboutDialogTest = MainWindowTest;

// Esc and Enter reach a box through the program's own message loop.
TEST_F(AboutDialogTest, EachBoxEndsOnItsOwnAndTheRestGoWithTheMainWindow)
{
    StartProgram();
    for (int i = 0; i < 3; ++i) {
        SendMessageW(window(), WM_COMMAND, IDM_ABOUT, 0);
    }
    PumpMessages();
    std::vector<HWND> boxes;
    for (HWND box = nullptr; (box = FindWindowExW(nullptr, box, L"#32770", L"このソフトについて")) != nullptr;) {
        boxes.push_back(box);
    }
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_TRUE(IsWindowVisible(boxes[0]) && IsWindowEnabled(window()));
    ASSERT_EQ(GetFocus(), GetDlgItem(boxes[0], IDC_ABOUT_OK));   // the box opened last
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(GetDlgItem(boxes[1], IDC_ABOUT_NEW_VERSION), WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(boxes[0]));
    EXPECT_FALSE(IsWindow(boxes[1]));
    EXPECT_TRUE(IsWindowVisible(boxes[2]));
    CloseProgram();
    EXPECT_FALSE(IsWindow(boxes[2]));
}
