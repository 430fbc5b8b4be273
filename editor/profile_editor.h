// The profile editor dialog (resource 32), in add or edit mode.
#pragma once

#include <windows.h>

INT_PTR CALLBACK ProfileEditorDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
