// Window tests: the real main window, created in the test process with a
// fresh temporary folder as its base directory.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/app_state.h"
#include "app/application.h"
#include "support/message_capture.h"
#include "support/temp_dir.h"

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { SetCurrentDirectoryW(base.path().c_str()); }

    void TearDown() override
    {
        CloseProgram();
        UnregisterClassW(kMainWindowClass, GetModuleHandleW(nullptr));
        SetCurrentDirectoryW((base / L"..").c_str());   // so that base can be removed
    }

    // Start-up as the program runs it, on the files the test put in base;
    // may follow CloseProgram as a new start.
    void StartProgram()
    {
        ResetAppState();
        UnregisterClassW(kMainWindowClass, GetModuleHandleW(nullptr));
        PrepareApplication();
        ASSERT_TRUE(RegisterMainWindow(GetModuleHandleW(nullptr)));
        ASSERT_NE(g_app.mainWindow, nullptr);
        ShowWindow(g_app.mainWindow, SW_SHOWNORMAL);
        PumpMessages();
    }

    // As the caption's close box does: both INI files are written.
    void CloseProgram()
    {
        SendMessageW(g_app.mainWindow, WM_CLOSE, 0, 0);
        PumpMessages();
        EXPECT_FALSE(IsWindow(g_app.mainWindow));
    }

    void PumpMessages()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchLoopMessage(message);
        }
    }

    HWND window() const { return g_app.mainWindow; }
    std::wstring BasePath(const std::wstring& relative) const { return base / relative; }

    // Exactly one message box since the last check, owned by the main window
    // unless another owner is given.
    void ExpectOneMessage(const std::wstring& text, const std::wstring& caption, UINT type, HWND owner = nullptr)
    {
        ASSERT_EQ(capture.messages().size(), 1u);
        const CapturedMessage& shown = capture.messages()[0];
        owner = owner != nullptr ? owner : g_app.mainWindow;
        EXPECT_EQ(std::tie(shown.text, shown.caption, shown.type, shown.owner), std::tie(text, caption, type, owner));
        capture.clear();
    }

    TempDir base;
    MessageCapture capture;
};
