// Paths below the base directory, built by JoinFolderAndName: a path that
// does not fit is refused, never cut.
#pragma once

#include <windows.h>

#include <stddef.h>

extern const wchar_t kSettingsFileName[];   // "korvatel.ini"
extern const wchar_t kProfileFolder[];      // "ipaddress\"

// baseDirectory, "\" and name. False, with an empty path, when there is no
// base directory or the result does not fit.
bool BuildBasePath(wchar_t (&path)[MAX_PATH], const wchar_t* name);

// baseDirectory, "\ipaddress\" and the first nameLength characters of name.
bool BuildProfilePath(wchar_t (&path)[MAX_PATH], const wchar_t* name, size_t nameLength);
