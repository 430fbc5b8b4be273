// Process start-up and the message loop.
#pragma once

#include <windows.h>

extern const wchar_t kMainWindowClass[];   // "Main Window"
extern const wchar_t kMainWindowTitle[];   // "KORVATEL"

// Measures the screen, captures the base directory and loads the settings.
void PrepareApplication();

// Stores the instance, registers the window class and creates the main
// window at the stored placement. False only when registration fails.
bool RegisterMainWindow(HINSTANCE instance);

// One message of the loop. Keys typed in the profile list become its
// commands; keys for a modeless dialog (the about boxes) go through the
// dialog manager, so Tab, Enter and Esc work there.
void DispatchLoopMessage(MSG& message);

// The program's entry body; returns the exit code.
int RunApplication(HINSTANCE instance, int nCmdShow);
