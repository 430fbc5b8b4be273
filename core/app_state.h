// The one process-wide state record.
#pragma once

#include <windows.h>

#include "core/settings_record.h"

enum { kProfileColumnCount = 2 };

// A column's sort direction; the first click on "Name" sorts it descending,
// as its direction starts at kSortAscending.
enum SortDirection { kUnsorted = 0, kSortAscending = 1, kSortDescending = 2 };

// The main window and the helper's window keep this many pixels above the
// screen's bottom edge, where the taskbar usually is.
enum { kBottomMargin = 30 };

struct AppState {
    HINSTANCE instance;
    HWND mainWindow;
    HWND toolbar;
    HWND listView;
    HICON windowIcon;
    HACCEL listKeys;                  // the keys the profile list takes
    int screenWidth;
    int screenHeight;                 // screen height less kBottomMargin
    wchar_t baseDirectory[MAX_PATH];  // empty when the start directory did not fit
    Settings settings;
    SortDirection sortDirection[kProfileColumnCount];
};

extern AppState g_app;

// Back to the state the process starts with (used before each start-up).
void ResetAppState();
