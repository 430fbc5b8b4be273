// Text of a code page as UTF-16, the size always asked first.
#pragma once

#include <windows.h>

// Converts the zero-terminated text into a buffer of capacity units. False,
// with an empty result, when it does not convert or does not fit whole.
bool DecodeCodePageText(UINT codePage, const char* text, wchar_t* decoded, int capacity);
