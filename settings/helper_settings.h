// dunmere.ini: the values handed to the credential helper.
#pragma once

#include <windows.h>

// Reads the times, the ID and the password into the settings; what could not
// be read is marked unknown and left as the file has it.
void LoadHelperSettings();

// Writes the file from the settings before the helper starts and at exit.
// False when the file could not be kept: the helper would then be handed
// other values than the user's.
bool SaveHelperSettings();

// Writes the file before the helper is started. False, after telling owner,
// when it could not be kept: the helper is then not started, so it never
// hands on other values than the user's.
bool HandOffToHelper(HWND owner);
