// Whole decimal numbers in text, as dunmere.ini's times and positions and the
// settings dialog's fields hold them. No windows.h, so it is tested and
// fuzzed natively.
#pragma once

// Spaces and tabs, the blanks around a number.
const wchar_t* SkipNumberBlanks(const wchar_t* text);

// Blanks, an optional sign and one or more decimal digits: *value gets the
// number, which stops growing once it reaches 10^10, beyond every int.
// Returns the first unit after the digits; null, with *value untouched, when
// the text is null or has no digits there.
const wchar_t* ReadDecimalNumber(const wchar_t* text, long long* value);
