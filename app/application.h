// Process start-up and the message loop.
#pragma once

#include <windows.h>

extern const wchar_t kMainWindowClass[];   // "Main Window"
extern const wchar_t kMainWindowTitle[];   // "KORVATEL"

// Measures the screen, captures the base directory and loads the settings.
void PrepareApplication();

// Stores the instance and registers the main window's class.
bool RegisterMainWindow(HINSTANCE instance);

// Creates the main window at the stored placement, with its key table.
bool CreateMainWindow();

// One message of the loop. Keys typed in the profile list become its
// commands; keys for a modeless dialog (the about boxes) go through the
// dialog manager, so Tab, Enter and Esc work there.
void DispatchLoopMessage(MSG& message);

// The program's entry body; returns the exit code.
int RunApplication(HINSTANCE instance, int nCmdShow);
