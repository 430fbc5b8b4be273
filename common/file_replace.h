// A file replaced whole or not at all.
#pragma once

#include <windows.h>

// The file's replacement is written first beside it, under its own name with
// "~" for the last character: as long as the file's path, it fits wherever
// that path fits, and it names no file a user keeps. False, with an empty
// path, for an empty path.
bool BuildReplacementPath(const wchar_t* path, wchar_t (&replacement)[MAX_PATH]);

// Writes the bytes into the replacement file, checks that every one reached
// the disk, then moves it over path in one step. A read-only file is not
// replaced. On any failure the replacement is removed and path is left
// exactly as it was. True once path holds the bytes.
bool ReplaceFileContents(const wchar_t* path, const void* bytes, DWORD size);

// Opens a file that another program may hold for a moment (a virus scanner,
// a backup tool): a sharing or lock violation is tried again for about a
// second before the open is given up, with GetLastError set.
HANDLE OpenHeldFile(const wchar_t* path, DWORD access, DWORD share, DWORD disposition);
