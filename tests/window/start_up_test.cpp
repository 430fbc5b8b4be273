// Start-up paths that must end the program instead of leaving it waiting.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/app_state.h"
#include "app/application.h"
#include "support/main_window_fixture.h"

using StartUpTest = MainWindowTest;

static LRESULT CALLBACK RefuseMainWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        CBT_CREATEWNDW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
        if (!IS_INTRESOURCE(create->lpcs->lpszClass) && lstrcmpW(create->lpcs->lpszClass, kMainWindowClass) == 0) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(StartUpTest, AMainWindowThatCannotBeCreatedEndsWithExitCodeZero)
{
    HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseMainWindow, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    int exitCode = RunApplication(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(g_app.mainWindow, nullptr);
}

TEST_F(StartUpTest, AClassThatCannotBeRegisteredEndsWithExitCodeZero)
{
    WNDCLASSW taken = {};
    taken.lpfnWndProc = DefWindowProcW;
    taken.hInstance = GetModuleHandleW(nullptr);
    taken.lpszClassName = kMainWindowClass;
    ASSERT_NE(RegisterClassW(&taken), 0);
    EXPECT_EQ(RunApplication(GetModuleHandleW(nullptr), SW_SHOWNORMAL), 0);
    EXPECT_EQ(g_app.mainWindow, nullptr);
}

TEST_F(StartUpTest, BaseDirectoryIsTheStartDirectoryAndTheScreenIsMeasured)
{
    StartProgram();
    EXPECT_STREQ(g_app.baseDirectory, base.path().c_str());
    EXPECT_EQ(g_app.screenWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(g_app.screenHeight, GetSystemMetrics(SM_CYSCREEN) - 30);
}
