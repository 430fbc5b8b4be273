// Drives a modal dialog from a test. Arm the driver, then send the command
// that opens the dialog: once the dialog's own loop runs, the action gets the
// dialog and plays the user's part. The action must end the dialog (press a
// button, send WM_CLOSE); a dialog left open is ended and the test fails.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class DialogDriver {
public:
    explicit DialogDriver(std::function<void(HWND dialog)> action);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // True once the action has run on a dialog.
    bool ran() const { return ran_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD);
    std::function<void(HWND)> action_;
    UINT_PTR timer_ = 0;
    bool ran_ = false;
};

// The modal dialog of this thread that is open now, or null.
HWND FindModalDialog();
// Presses a dialog's button as a click does.
void ClickButton(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const wchar_t* text);
std::wstring ItemText(HWND dialog, int id);
