// The profile folder <base>\ipaddress\: listing, deleting and applying.
#pragma once

#include <windows.h>

// Fills the list with the folder's *.bat files; row keys 0 ... n-1.
void RefreshProfileList();
// Deletes the first selected row's file; its row goes only with the file.
void DeleteSelectedProfile(HWND owner);
// Runs the first selected row's file elevated, handing the credentials to
// the helper first when pw_mode is not 0.
void ApplySelectedProfile(HWND owner);
// The same for the given row.
void ApplyProfileAt(HWND owner, int row);
// Asks the shell to run the file with the "runas" verb; tells the user when
// the request fails.
void RunElevated(HWND owner, const wchar_t (&path)[MAX_PATH]);
