// dunmere.ini in the current directory: where the small window goes, how
// long each value stays on the clipboard, and the ID and password.
#pragma once

#include "handoff/helper_ini.h"

// Reads the file as KORVATEL reads it; a missing or unreadable file, or a
// current directory too long for a path, gives the defaults.
void LoadHelperFile(HelperIniValues* file);

// Overwrites the ID and password in memory.
void ForgetHelperFile(HelperIniValues* file);
