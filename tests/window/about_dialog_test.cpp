// The modeless about box: any number at once, each closing on its own, all
// gone with the main window.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "support/main_window_fixture.h"

namespace {

class AboutDialogTest : public MainWindowTest {
protected:
    // Opens two about boxes as two uses of menu command 58 do.
    std::vector<HWND> OpenTwoBoxes()
    {
        SendMessageW(window(), WM_COMMAND, 58, 0);
        SendMessageW(window(), WM_COMMAND, 58, 0);
        PumpMessages();
        std::vector<HWND> boxes;
        EnumThreadWindows(GetCurrentThreadId(), CollectAboutBox, reinterpret_cast<LPARAM>(&boxes));
        return boxes;
    }

private:
    static BOOL CALLBACK CollectAboutBox(HWND window, LPARAM boxes)
    {
        wchar_t title[64] = {};
        GetWindowTextW(window, title, ARRAYSIZE(title));
        if (IsWindowVisible(window) && std::wstring(title) == L"このソフトについて") {
            reinterpret_cast<std::vector<HWND>*>(boxes)->push_back(window);
        }
        return TRUE;
    }
};

} // namespace

TEST_F(AboutDialogTest, EachBoxLivesAndEndsOnItsOwnBesideAUsableMainWindow)
{
    StartProgram();
    std::vector<HWND> boxes = OpenTwoBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(GetWindow(boxes[0], GW_OWNER), window());
    EXPECT_TRUE(IsWindowEnabled(window()));

    // Esc and Enter mean nothing to the box.
    SendMessageW(boxes[0], WM_COMMAND, IDCANCEL, 0);
    SendMessageW(boxes[0], WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindow(boxes[0]));

    SendMessageW(boxes[0], WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(boxes[0]));
    EXPECT_TRUE(IsWindowVisible(boxes[1]));
    SendMessageW(boxes[1], WM_COMMAND, MAKEWPARAM(101, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindow(boxes[1]));
    EXPECT_TRUE(IsWindow(window()));
}

TEST_F(AboutDialogTest, ClosingTheMainWindowRemovesEveryBox)
{
    StartProgram();
    std::vector<HWND> boxes = OpenTwoBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    CloseProgram();
    EXPECT_FALSE(IsWindow(boxes[0]));
    EXPECT_FALSE(IsWindow(boxes[1]));
}
