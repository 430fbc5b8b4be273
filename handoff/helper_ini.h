// dunmere.ini: the file through which KORVATEL hands the credential helper
// its window position, its two times, the ID and the password. KORVATEL
// writes it and reads part of it back; dunmere.exe reads it. Both read it
// here, by the same rules; callers pass the paths.
#pragma once

#include <windows.h>

#include "common/ini_file.h"
#include "handoff/helper_numbers.h"
#include "handoff/helper_text.h"

// The credential helper's small window, in pixels: KORVATEL keeps it on the
// screen when it writes the window's position, and the helper shows it so.
enum { kHelperWindowWidth = 126, kHelperWindowHeight = 68 };

// folder, "\" and "dunmere.ini". False, with an empty path, when the folder
// is empty or the result does not fit.
bool BuildHelperIniPath(wchar_t (&path)[MAX_PATH], const wchar_t* folder);

// What the file holds. A missing file, section or key, or a file that cannot
// be read, gives the defaults: (0, 0), 5000 ms, 5000 ms, "ID" and "KX". An ID
// or password stored longer than kHelperTextMaxLength reads as empty, never
// cut, and is marked over its limit.
struct HelperIniValues {
    int moto_x;
    int moto_y;
    int id_time;
    int pw_time;
    wchar_t id_wcs[kHelperTextCapacity];
    wchar_t pw_wcs[kHelperTextCapacity];
    bool idOverLimit;
    bool passwordOverLimit;
};

// A null path reads as a missing file.
IniFileState ReadHelperIni(const wchar_t* path, HelperIniValues* values);

// What a save writes: the small window's position always, the times, the ID
// and the password only where they are known.
struct HelperIniUpdate {
    int moto_x;
    int moto_y;
    const int* id_time;            // null: left as the file has it
    const int* pw_time;
    const wchar_t* id_wcs;
    const wchar_t* pw_wcs;
};

// Sets the keys, in this order in a new file, keeping whatever else the file
// holds. The file is kept as UTF-16 behind its byte order mark, so that the
// ID and the password keep every character: a file in another encoding is
// converted whole. False, with the file as it was, when it could not be
// kept: then no value is stored altered.
bool WriteHelperIni(const wchar_t* path, const HelperIniUpdate& update);
