// The helper's run: the small topmost window that walks through the stages
// on timers, shows which value is on the clipboard and for how long, and
// ends after the last stage or when it is clicked or closed.
#pragma once

#include <windows.h>

// Reads dunmere.ini, hands on the ID and the password, and returns the
// process's exit code once the helper has finished.
int RunHelper(HINSTANCE instance);
