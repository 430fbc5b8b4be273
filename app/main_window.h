// The main window: its procedure and its child controls.
#pragma once

#include <windows.h>

// Height of the strip at the top of the client area that the toolbar covers.
enum { kToolbarStripHeight = 24 };

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the toolbar, then the profile list.
void CreateMainControls(HWND mainWindow);
