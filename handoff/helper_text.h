// The ID and the password as dunmere.ini holds them: the length limit and the
// form a value is written in. Shared by KORVATEL, which writes the file, and
// dunmere.exe, which reads it; no windows.h, so it is tested natively.
#pragma once

#include <stddef.h>

// An ID or password is at most 253 characters. It is read into 256 units, so
// that a longer stored value shows itself as longer instead of being cut.
enum { kHelperTextMaxLength = 253, kHelperTextCapacity = 256 };

// The private-profile reader gives a value back without its leading and
// trailing blanks and without one pair of surrounding quote marks (double or
// single). A value that begins or ends with a blank, a control character or
// a quote mark is therefore stored inside one extra pair of double quotes;
// any other value is stored as it is. False, with stored empty, when the
// stored form does not fit in capacity units.
bool FormatStoredHelperText(const wchar_t* value, wchar_t* stored, size_t capacity);
