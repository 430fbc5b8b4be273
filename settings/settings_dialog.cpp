#include "settings/settings_dialog.h"

INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE || message == WM_COMMAND) {
        EndDialog(dialog, 1);
    }
    return message == WM_INITDIALOG;
}

void ApplyZOrder()
{
}
