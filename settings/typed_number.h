// A whole number as the settings dialog takes it from a field. No windows.h,
// so it is tested and fuzzed natively.
#pragma once

// Blanks, an optional minus sign, one or more decimal digits, blanks, and
// nothing else, with a value from low to high. False, with *value untouched,
// for anything else.
bool ParseTypedNumber(const wchar_t* text, int low, int high, int* value);
