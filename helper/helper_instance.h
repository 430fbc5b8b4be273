// One helper at a time: a new start asks a running helper to end (it empties
// its clipboard text first) and goes on once that one has gone.
#pragma once

#include <windows.h>

extern const wchar_t kHelperWindowClass[];

// The lock that the running helper holds for its whole run, or nullptr when
// an earlier helper did not end in time.
HANDLE TakeOverHelperInstance();
void ReleaseHelperInstance(HANDLE lock);
