// Every message box of the program goes through ShowMessage, so that tests
// can record what would be shown instead of blocking on it.
#pragma once

#include <windows.h>

typedef int (*MessageBoxHook)(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// When set, ShowMessage calls this instead of MessageBoxW.
extern MessageBoxHook g_messageBoxHook;

int ShowMessage(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
