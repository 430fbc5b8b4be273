// The report list of profiles in the main window: creation, sorting,
// marking and moving rows.
#pragma once

#include <windows.h>

// Second half of CreateMainControls: the list view and its two columns.
void CreateProfileListView(HWND mainWindow);

// Places the list from y = top down to the bottom of a client area of this size.
void PlaceProfileList(int top, int clientWidth, int clientHeight);

// Fills the list with the profile folder's files, row keys 0 ... n-1; a
// folder path that does not fit is reported to owner.
void RefreshProfileList(HWND owner);

// The first selected row from the top, or -1 when none is selected.
int FirstSelectedRow();

// The row that has the focus if it is also selected, or -1.
int FocusedSelectedRow();

// A row's item text, the profile file's name; returns its length. Every
// name a folder search yields fits the buffer whole.
int ReadRowText(int row, wchar_t (&text)[MAX_PATH]);

void DeleteRow(int row);

// LVN_COLUMNCLICK: toggles the column's direction and sorts by it. The rows
// are renumbered 0 ... n-1 from the top just before the sort.
void SortProfileList(HWND owner, int column);

// NM_CLICK: selected rows become selected, focused and drop-highlighted.
void MarkSelectedRows();

enum MoveDirection { kMoveUp, kMoveDown };

// Moves the selected rows one place. More than 1000 selected rows are
// refused as a whole.
void MoveSelectedProfiles(HWND owner, MoveDirection direction);
