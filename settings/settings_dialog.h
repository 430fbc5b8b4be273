// The settings dialog (resource 33) and the z-order step that follows it.
#pragma once

#include <windows.h>

INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Run after the dialog has ended, however it ended.
void ApplyZOrder();
