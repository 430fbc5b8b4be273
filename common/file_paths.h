// Paths as both programs build them: in a zeroed buffer of MAX_PATH
// characters, refused rather than cut, so that a shortened name never opens,
// writes or runs another file.
#pragma once

#include <windows.h>

// folder, "\" and name. False, with an empty path, when the folder is empty
// or the result does not fit.
bool JoinFolderAndName(wchar_t (&path)[MAX_PATH], const wchar_t* folder, const wchar_t* name);

// The process's current directory, as the system gives it. False, with an
// empty folder, when it does not fit.
bool ReadCurrentFolder(wchar_t (&folder)[MAX_PATH]);
