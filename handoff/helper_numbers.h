// The numbers of dunmere.ini as both programs read them: the two switching
// times and the small window's position. No windows.h, so it is tested and
// fuzzed natively.
#pragma once

// Each time is in milliseconds: 5000 when the file does not give one, and
// never more than a minute, however large the stored value.
enum { kHelperDefaultTime = 5000, kHelperMaxTime = 60000 };

// A time from the file: leading blanks, an optional sign and decimal digits
// up to the first other character. Text without digits gives the fallback;
// the value is bounded to 0 .. kHelperMaxTime.
int ReadHelperTime(const wchar_t* text, int fallback);

// A window position from the file, read like a time; text without digits
// gives 0, and values beyond the 32-bit range are held at its ends.
int ReadHelperPosition(const wchar_t* text);
