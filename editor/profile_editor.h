// The profile editor dialog (resource 32), in add or edit mode.
#pragma once

#include <windows.h>

#include <stddef.h>

enum EditorMode { kEditorAdd = 1, kEditorEdit = 2 };

// What the editor opens on, passed as the dialog's creation parameter: the
// mode and, in edit mode, the first fileNameLength characters of the profile
// file's name as the list shows it (fileName null when no row is selected).
struct ProfileEditorRequest {
    int mode;
    const wchar_t* fileName;
    size_t fileNameLength;
};

INT_PTR CALLBACK ProfileEditorDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
