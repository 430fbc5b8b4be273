// korvatel.ini: the settings record's first ten fields, and both settings
// files as the program keeps them at its end.
#pragma once

#include <windows.h>

// Reads the file into the settings (what could not be read is marked
// unknown) and brings the stored window to a usable size on the screen
// measured in the application state.
void LoadSettings();

// Writes both korvatel.ini and dunmere.ini. At exit owner is the main window,
// and one message box names any file that could not be kept; at the end of a
// Windows session owner is null and nothing is shown.
void SaveSettingsFiles(HWND owner);
