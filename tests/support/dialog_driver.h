// Drives a modal dialog: armed before the command that opens it, the action
// plays the user once the dialog runs, and must end it (or the test fails).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

class DialogDriver {
public:
    explicit DialogDriver(std::function<void(HWND dialog)> action)
        : action_(std::move(action)), timer_(SetTimer(nullptr, 0, 10, &OnTimer))
    {
        armed_ = this;
    }
    ~DialogDriver() { KillTimer(nullptr, timer_); }

    bool ran() const { return ran_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        // The dialog box shown last is the topmost one.
        HWND dialog = FindWindowExW(nullptr, nullptr, L"#32770", nullptr);
        if (dialog == nullptr || !IsWindowVisible(dialog) || armed_->ran_) {
            return;
        }
        armed_->ran_ = true;
        armed_->action_(dialog);
        if (IsWindowVisible(dialog)) {
            ADD_FAILURE() << "the dialog was left open by the test's action";
            EndDialog(dialog, 0);
        }
    }

    static inline DialogDriver* armed_ = nullptr;
    std::function<void(HWND)> action_;
    UINT_PTR timer_;
    bool ran_ = false;
};

inline void ClickButton(HWND dialog, int id)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

inline void SetItemText(HWND dialog, int id, const wchar_t* text)
{
    SetDlgItemTextW(dialog, id, text);
}

inline std::wstring ItemText(HWND dialog, int id)
{
    wchar_t text[1024] = {};
    GetDlgItemTextW(dialog, id, text, ARRAYSIZE(text));
    return text;
}
