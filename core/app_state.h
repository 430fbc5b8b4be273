// The one process-wide state record.
#pragma once

#include <windows.h>

#include "core/settings_record.h"

enum { kProfileColumnCount = 2 };

struct AppState {
    HINSTANCE instance;
    HWND mainWindow;
    HWND toolbar;
    HWND listView;
    HICON windowIcon;
    HACCEL listKeys;                  // the keys the profile list takes
    int screenWidth;
    int screenHeight;                 // screen height less 30 pixels
    wchar_t baseDirectory[MAX_PATH];  // empty when the start directory did not fit
    Settings settings;
    int sortDirection[kProfileColumnCount];
};

extern AppState g_app;

// Back to the state the process starts with (used before each start-up).
void ResetAppState();
