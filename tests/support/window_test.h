// Window tests: the real main window, created in the test process with a fresh temporary folder as its
// base directory; its message boxes recorded instead of shown; modal dialogs played by the test.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/application.h"
#include "core/app_state.h"
#include "core/message_box.h"
#include "listview/profile_list.h"
#include "support/process_runner.h"

struct CapturedMessage {
    HWND owner;
    std::wstring text, caption;
    UINT type;
};

inline bool operator==(const CapturedMessage& a, const CapturedMessage& b)
{
    return a.owner == b.owner && a.text == b.text && a.caption == b.caption && a.type == b.type;
}

inline void PrintTo(const CapturedMessage& box, std::ostream* out)
{
    *out << Shown(box.text) << " / " << Shown(box.caption) << " type " << box.type << " owner " << box.owner;
}

typedef std::vector<std::wstring> Texts;

// Hands each waiting message to dispatch until none is left; a window that keeps posting fails the test
// after 20 s instead of holding it.
inline void PumpWaitingMessages(const std::function<void(MSG&)>& dispatch)
{
    MSG message;
    for (DWORD start = GetTickCount(); PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
        dispatch(message);
        if (GetTickCount() - start > 20000) {
            ADD_FAILURE() << "messages kept coming for 20 s";
            return;
        }
    }
}

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

    // Through the program's own handling of each message, until none is waiting.
    static void PumpMessages()
    {
        PumpWaitingMessages([](MSG& message) { DispatchLoopMessage(message); });
    }

    // Sends the command that opens a modal dialog; the action plays the user once it shows and must end it.
    // False when no dialog showed.
    static bool RunDialog(UINT command, std::function<void(HWND dialog)> action)
    {
        return PlayDialog([command] { SendMessageW(g_app.mainWindow, WM_COMMAND, command, 0); }, std::move(action));
    }

    // The same for a dialog that open() makes show, as a key press does. A dialog of this thread that is
    // still waiting to be played after 20 s is ended, and the test fails.
    static bool PlayDialog(std::function<void()> open, std::function<void(HWND dialog)> action)
    {
        static std::function<void(HWND)> pending;
        static DWORD opened;
        pending = std::move(action);
        opened = GetTickCount();
        UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
            HWND dialog = FindWindowExW(nullptr, nullptr, L"#32770", nullptr);   // the one shown last
            if (pending && dialog != nullptr && IsWindowVisible(dialog)) {
                auto play = std::move(pending);
                pending = nullptr;
                play(dialog);
                if (IsWindowVisible(dialog)) {   // ended twice, a dialog would lose the answer the action gave
                    ADD_FAILURE() << "the test's action left the dialog open";
                    EndDialog(dialog, 0);
                }
            } else if (pending && GetTickCount() - opened > 20000 && dialog != nullptr) {
                ADD_FAILURE() << "the dialog to play never showed";
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

    // Exactly one message box since the last check, owned by the main window unless another owner is given;
    // the record is cleared.
    ::testing::AssertionResult OneMessage(const std::wstring& text, const std::wstring& caption, UINT type,
                                          HWND owner = nullptr)
    {
        const std::vector<CapturedMessage> expected = { { owner != nullptr ? owner : g_app.mainWindow, text, caption, type } };
        std::vector<CapturedMessage> shown;
        shown.swap(messages);
        if (shown == expected) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "expected " << ::testing::PrintToString(expected) << "\n  shown "
                                             << ::testing::PrintToString(shown);
    }

    HWND window() const { return g_app.mainWindow; }
    std::wstring BasePath(const std::wstring& relative) const { return base / relative; }

    TempDir base;
    static inline std::vector<CapturedMessage> messages;
};

// The list's rows, top to bottom: each row's text, with its key and marks when asked (s selected, f focused,
// d drop-highlighted).
inline Texts Rows(bool withKeysAndMarks = false)
{
    Texts rows;
    for (int row = 0; row < ListView_GetItemCount(g_app.listView); ++row) {
        wchar_t text[MAX_PATH];
        ReadRowText(row, text);
        LVITEMW item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        ListView_GetItem(g_app.listView, &item);
        UINT marks = ListView_GetItemState(g_app.listView, row, LVIS_FOCUSED | LVIS_SELECTED | LVIS_DROPHILITED);
        rows.push_back(withKeysAndMarks ? text + (L"/" + std::to_wstring(item.lParam)) + (marks & LVIS_SELECTED ? L"s" : L"")
                                              + (marks & LVIS_FOCUSED ? L"f" : L"") + (marks & LVIS_DROPHILITED ? L"d" : L"")
                                        : text);
    }
    return rows;
}

// Replaces the rows by these texts with the keys 0 ... n-1, as a refresh does, and gives some rows marks.
inline void FillRows(const Texts& texts, const std::vector<int>& marked = {}, UINT marks = LVIS_SELECTED)
{
    SendMessageW(g_app.listView, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(g_app.listView);
    for (size_t i = 0; i < texts.size(); ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<wchar_t*>(texts[i].c_str());
        item.lParam = static_cast<LPARAM>(i);
        ListView_InsertItem(g_app.listView, &item);
    }
    SendMessageW(g_app.listView, WM_SETREDRAW, TRUE, 0);
    for (int row : marked) {
        ListView_SetItemState(g_app.listView, row, marks, marks);
    }
}

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
    PumpWaitingMessages([dialog](MSG& message) {
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    });
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
