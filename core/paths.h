// Paths below the base directory. Every path is built in a zeroed buffer of
// MAX_PATH characters; a path that does not fit is refused, never cut, so a
// truncated name can never open, run or delete a different file.
#pragma once

#include <windows.h>

#include <stddef.h>

extern const wchar_t kSettingsFileName[];   // "\korvatel.ini"
extern const wchar_t kProfileFolder[];      // "\ipaddress\"

// baseDirectory followed by suffix. False, with an empty path, when there is
// no base directory or the result does not fit.
bool BuildBasePath(wchar_t (&path)[MAX_PATH], const wchar_t* suffix);

// baseDirectory, "\ipaddress\" and the first nameLength characters of name.
bool BuildProfilePath(wchar_t (&path)[MAX_PATH], const wchar_t* name, size_t nameLength);
