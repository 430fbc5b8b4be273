// The INI format of korvatel.ini and dunmere.ini, on text already decoded to
// UTF-16: finding a value as the private-profile functions find it, and
// setting keys while every other line stays as it is. No windows.h, so it is
// tested and fuzzed natively.
#pragma once

#include <stddef.h>
#include <stdint.h>

// A run of text units; it may hold zero units, which end a name or a value.
struct IniSpan {
    const wchar_t* start;
    size_t length;
};

// The value of the key in the section, both names compared without regard to
// the case of A-Z: the first key of that name in the first section of that
// name, as the private-profile functions take it. False when there is no
// such key there, or it has no "=".
bool FindIniValue(IniSpan text, const wchar_t* section, const wchar_t* key, IniSpan* value);

// The value as GetPrivateProfileStringW copies it into a buffer of capacity
// units: up to its first zero unit, one pair of surrounding ' or " removed,
// cut to capacity - 1 units. Returns the length copied.
size_t CopyIniValue(IniSpan value, wchar_t* buffer, size_t capacity);

// The value as GetPrivateProfileIntW reads it: its first 29 units as copied
// above, then blanks, a sign, an optional 0x, 0o or 0b and digits, wrapping
// as 32 bits do. An empty value gives the fallback.
int IniValueNumber(IniSpan value, int fallback);

// One key to set, and its value as it is to stand in the file.
struct IniEntry {
    const wchar_t* key;
    const wchar_t* value;
};

// The most keys one edit sets.
enum { kMostIniEntries = 16 };

// Where an edit puts its result, in order: runs of the text as it was, from
// start to end, and new units. A run starts and ends only at the start or the
// end of the text or next to a CR or LF, so that a file whose lines are
// decoded one by one can keep the very bytes of every line it is not asked
// to change.
struct IniEditOut {
    void (*keep)(void* context, size_t start, size_t end);
    void (*add)(void* context, const wchar_t* units, size_t count);
    void* context;
};

// The text with each key set in the section (the first kMostIniEntries): a
// key's first line there is replaced, a missing key is added after the
// section's last line, and a missing section is added at the end with all
// its keys. Every other line stays as it is.
void EditIniPieces(IniSpan text, const wchar_t* section, const IniEntry* entries, size_t count,
                   const IniEditOut& out);

// The same edit as one text: writes at most capacity units to out and
// returns the length the whole result needs.
size_t EditIniText(IniSpan text, const wchar_t* section, const IniEntry* entries, size_t count,
                   wchar_t* out, size_t capacity);
