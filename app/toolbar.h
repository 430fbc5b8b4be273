// The toolbar across the top of the main window and its tooltips.
#pragma once

#include <windows.h>
#include <commctrl.h>

// First half of CreateMainControls: common controls, toolbar, bitmap, buttons.
void CreateToolbar(HWND mainWindow);

// Answers TTN_GETDISPINFOW for a toolbar button.
void FillToolbarTooltip(HWND mainWindow, NMTTDISPINFOW* info);
