// A file replaced whole or not at all.
#pragma once

#include <windows.h>

// Writes the bytes into a new file at newPath, checks that every one reached
// the disk, then moves it over path in one step. On any failure the new file
// is removed and path is left exactly as it was. True once path holds the
// bytes.
bool ReplaceFileContents(const wchar_t* path, const wchar_t* newPath, const void* bytes, DWORD size);
