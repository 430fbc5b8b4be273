// Window tests: the real main window, created in the test process with a fresh temporary folder as its
// base directory; its message boxes recorded instead of shown; modal dialogs played by the test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/application.h"
#include "core/app_state.h"
#include "core/message_box.h"
#include "support/temp_dir.h"

struct CapturedMessage {
    HWND owner;
    std::wstring text, caption;
    UINT type;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCurrentDirectoryW(base.path().c_str());
        g_messageBoxHook = [](HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
            messages.push_back({ owner, text, caption, type });
            return IDOK;
        };
        messages.clear();
    }

    void TearDown() override
    {
        CloseProgram();
        g_messageBoxHook = nullptr;
        UnregisterClassW(kMainWindowClass, GetModuleHandleW(nullptr));
        SetCurrentDirectoryW((base / L"..").c_str());   // so that base can be removed
    }

    // Start-up as the program runs it, on the files the test put in base; may follow CloseProgram.
    void StartProgram()
    {
        ResetAppState();
        UnregisterClassW(kMainWindowClass, GetModuleHandleW(nullptr));
        PrepareApplication();
        ASSERT_TRUE(RegisterMainWindow(GetModuleHandleW(nullptr)) && CreateMainWindow());
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

    // Through the program's own handling of each message.
    static void PumpMessages()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchLoopMessage(message);
        }
    }

    // Sends the command that opens a modal dialog; the action plays the user once it shows and must end it.
    // False when no dialog showed.
    static bool RunDialog(UINT command, std::function<void(HWND dialog)> action)
    {
        return PlayDialog([command] { SendMessageW(g_app.mainWindow, WM_COMMAND, command, 0); }, std::move(action));
    }

    // The same for a dialog that open() makes show, as a key press does.
    static bool PlayDialog(std::function<void()> open, std::function<void(HWND dialog)> action)
    {
        static std::function<void(HWND)> pending;
        pending = std::move(action);
        UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
            HWND dialog = FindWindowExW(nullptr, nullptr, L"#32770", nullptr);   // the one shown last
            if (pending && dialog != nullptr && IsWindowVisible(dialog)) {
                auto play = std::move(pending);
                pending = nullptr;
                play(dialog);
                EXPECT_FALSE(IsWindowVisible(dialog)) << "the test's action left the dialog open";
                EndDialog(dialog, 0);
            }
        });
        open();
        PumpMessages();
        KillTimer(nullptr, timer);
        bool ran = !pending;
        pending = nullptr;
        return ran;
    }

    // Exactly one message box since the last check, owned by the main window unless another owner is given.
    void ExpectOneMessage(const std::wstring& text, const std::wstring& caption, UINT type, HWND owner = nullptr)
    {
        ASSERT_EQ(messages.size(), 1u);
        owner = owner != nullptr ? owner : g_app.mainWindow;
        EXPECT_EQ(std::tie(messages[0].text, messages[0].caption, messages[0].type, messages[0].owner),
                  std::tie(text, caption, type, owner));
        messages.clear();
    }

    HWND window() const { return g_app.mainWindow; }
    std::wstring BasePath(const std::wstring& relative) const { return base / relative; }

    TempDir base;
    static inline std::vector<CapturedMessage> messages;
};

inline void ClickButton(HWND dialog, int id)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// A real key press, as the keyboard gives it, to the window with the focus, with a modifier key (VK_CONTROL,
// VK_SHIFT, VK_MENU) held around it; the messages come through whichever loop runs next.
inline void PressKey(WORD key, WORD modifier = 0)
{
    INPUT inputs[4] = {};
    UINT count = 0;
    auto add = [&](WORD virtualKey, DWORD flags) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = virtualKey;
        inputs[count++].ki.dwFlags = flags;
    };
    if (modifier != 0) {
        add(modifier, 0);
    }
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (modifier != 0) {
        add(modifier, KEYEVENTF_KEYUP);
    }
    ASSERT_EQ(SendInput(count, inputs, sizeof(INPUT)), count);
}

// Lets a modal dialog's own keys work from inside a test's action, as its loop would.
inline void PumpDialog(HWND dialog)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// A folder that the host staged with a fault a test cannot make from inside Wine (tests/support/faults.sh);
// empty when the test runs without it.
inline std::wstring FaultFolder(const wchar_t* name)
{
    const wchar_t* faults = _wgetenv(L"KORVATEL_FAULTS");
    return faults != nullptr ? std::wstring(faults) + L"\\" + name : std::wstring();
}

// Where Wine's trash, the Recycle Bin, keeps deleted files when ./test.sh has given it a folder of the
// build's own (XDG_DATA_HOME); empty otherwise.
inline std::wstring TrashFolder()
{
    const wchar_t* data = _wgetenv(L"XDG_DATA_HOME");
    if (data == nullptr || data[0] != L'/') {
        return std::wstring();
    }
    std::wstring folder = L"Z:" + std::wstring(data) + L"/Trash/files";
    std::replace(folder.begin(), folder.end(), L'/', L'\\');
    return folder;
}

inline std::wstring ItemText(HWND dialog, int id)
{
    wchar_t text[1024] = {};
    GetDlgItemTextW(dialog, id, text, ARRAYSIZE(text));
    return text;
}
