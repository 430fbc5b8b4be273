#include "editor/profile_editor.h"

INT_PTR CALLBACK ProfileEditorDlgProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE || message == WM_COMMAND) {
        EndDialog(dialog, 1);
    }
    return message == WM_INITDIALOG;
}
