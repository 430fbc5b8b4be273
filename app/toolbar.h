// The toolbar across the top of the main window and its tooltips.
#pragma once

#include <windows.h>
#include <commctrl.h>

// First half of CreateMainControls: common controls, toolbar, bitmap, buttons.
void CreateToolbar(HWND mainWindow);

// The toolbar's outer height: the strip at the top of the client area it
// covers, 0 without a toolbar.
int ToolbarHeight();

// Answers TTN_GETDISPINFOW for a toolbar button.
void FillToolbarTooltip(HWND mainWindow, NMTTDISPINFOW* info);
