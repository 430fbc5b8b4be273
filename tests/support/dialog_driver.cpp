#include "support/dialog_driver.h"

#include <gtest/gtest.h>

#include <string>

static DialogDriver* g_armedDriver = nullptr;

DialogDriver::DialogDriver(std::function<void(HWND dialog)> action)
    : action_(std::move(action))
{
    g_armedDriver = this;
    timer_ = SetTimer(nullptr, 0, 10, &DialogDriver::OnTimer);
}

DialogDriver::~DialogDriver()
{
    if (timer_ != 0) {
        KillTimer(nullptr, timer_);
    }
    g_armedDriver = nullptr;
}

void CALLBACK DialogDriver::OnTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    DialogDriver* driver = g_armedDriver;
    HWND dialog = FindModalDialog();
    if (driver == nullptr || dialog == nullptr) {
        return;
    }
    KillTimer(nullptr, timer);
    driver->timer_ = 0;
    driver->ran_ = true;
    driver->action_(dialog);
    if (IsWindow(dialog) && IsWindowVisible(dialog)) {
        ADD_FAILURE() << "the dialog was left open by the test's action";
        EndDialog(dialog, 0);
    }
}

static BOOL CALLBACK FindModal(HWND window, LPARAM result)
{
    wchar_t className[32] = {};
    GetClassNameW(window, className, ARRAYSIZE(className));
    HWND owner = GetWindow(window, GW_OWNER);
    if (std::wstring(className) == L"#32770" && IsWindowVisible(window)
        && owner != nullptr && !IsWindowEnabled(owner)) {
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindModalDialog()
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindModal, reinterpret_cast<LPARAM>(&dialog));
    return dialog;
}

void ClickButton(HWND dialog, int id)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SetItemText(HWND dialog, int id, const wchar_t* text)
{
    SetDlgItemTextW(dialog, id, text);
}

std::wstring ItemText(HWND dialog, int id)
{
    wchar_t text[1024] = {};
    GetDlgItemTextW(dialog, id, text, ARRAYSIZE(text));
    return text;
}
