// The main window: its procedure and its child controls.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the toolbar, then the profile list.
void CreateMainControls(HWND mainWindow);
