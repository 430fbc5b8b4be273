// The helper's text on the clipboard, marked so that the system's clipboard
// history and cloud clipboard leave it alone.
#pragma once

#include <windows.h>

// Empties the clipboard and puts the text on it with the markers. When the
// clipboard could be opened, *sequence receives its sequence number after
// the change: the helper owns exactly that content.
void PutHelperText(HWND owner, const wchar_t* text, DWORD* sequence);

// Empties the clipboard only while it still holds the content recorded by
// PutHelperText, not when another program has put something there since.
void ClearHelperText(HWND owner, DWORD sequence);
