#include "about/about_dialog.h"

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE || message == WM_COMMAND) {
        DestroyWindow(dialog);
    }
    return message == WM_INITDIALOG;
}
