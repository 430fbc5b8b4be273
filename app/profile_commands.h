// The commands that act on a profile row: they turn the row the user chose
// into its profile file and hand that to the folder, the editor or the shell.
#pragma once

#include <windows.h>

// Runs the first selected row's file elevated, handing the credentials to
// the helper first when pw_mode is not 0.
void ApplySelectedProfile(HWND owner);

// Enter or a context-menu key: the focused row when it is selected,
// otherwise the first selected row.
void ApplyFocusedProfile(HWND owner);

// A right click: the row under the pointer, or below the rows (row -1) the
// first selected row if there is one.
void ApplyClickedProfile(HWND owner, int row);

// Moves the first selected row's file to the Recycle Bin; its row goes only
// with the file.
void DeleteSelectedProfile(HWND owner);

// The profile editor in add or edit mode (on the first selected row), then
// the list is filled again.
void OpenProfileEditor(HWND owner, int mode);
