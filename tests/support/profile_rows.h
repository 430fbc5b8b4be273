// Reading and driving the main window's profile list from window tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::vector<std::wstring> RowTexts();
std::vector<LPARAM> RowKeys();
// Rows whose states include every bit of state.
std::vector<int> RowsWith(UINT state);

// Replaces the rows by these texts with the keys 0 ... n-1, as a refresh does.
void FillRows(const std::vector<std::wstring>& texts);
// Sets a row's focused, selected and drop-highlighted states to exactly state.
void SetRowState(int row, UINT state);
void SelectRows(const std::vector<int>& rows);

// The list's notifications as the main window receives them.
void NotifyColumnClick(HWND mainWindow, int column);
void NotifyListClick(HWND mainWindow, UINT code);

// Makes the profile folder and one file in it per name.
void WriteProfiles(const std::wstring& base, const std::vector<std::wstring>& names);
