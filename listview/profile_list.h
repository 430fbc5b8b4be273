// The report list of profiles in the main window: creation, sorting,
// marking and moving rows.
#pragma once

#include <windows.h>

// Second half of CreateMainControls: the list view and its two columns.
void CreateProfileListView(HWND mainWindow);

// Places the list below the toolbar strip for a client area of this size.
void PlaceProfileList(int clientWidth, int clientHeight);

// LVN_COLUMNCLICK: toggles the column's direction and sorts by it.
void SortProfileList(HWND owner, int column);

int CALLBACK CompareProfileRows(LPARAM firstKey, LPARAM secondKey, LPARAM column);

// NM_CLICK: selected rows become selected, focused and drop-highlighted.
void MarkSelectedRows();

// direction 0 moves the selected rows up one place, 1 down.
void MoveSelectedProfiles(HWND owner, int direction);
