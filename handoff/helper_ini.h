// dunmere.ini: the file through which KORVATEL hands the credential helper
// its window position, its two times, the ID and the password. KORVATEL
// writes it and reads part of it back; dunmere.exe reads it. Everything both
// programs must agree on lives here; callers pass the paths.
#pragma once

#include <windows.h>

#include "handoff/helper_numbers.h"
#include "handoff/helper_text.h"

extern const wchar_t kHelperIniSection[];   // "Setting"
extern const wchar_t kHelperKeyMotoX[];     // "moto_x"
extern const wchar_t kHelperKeyMotoY[];     // "moto_y"
extern const wchar_t kHelperKeyIdTime[];    // "id_time"
extern const wchar_t kHelperKeyPwTime[];    // "pw_time"

// The credential helper's small window, in pixels: KORVATEL keeps it on the
// screen when it writes the window's position, and the helper shows it so.
enum { kHelperWindowWidth = 126, kHelperWindowHeight = 68 };

// folder, "\" and "dunmere.ini". False, with an empty path, when the folder
// is empty or the result does not fit.
bool BuildHelperIniPath(wchar_t (&path)[MAX_PATH], const wchar_t* folder);

// Writes the six keys, one at a time in this order, into section "Setting",
// keeping whatever else the file holds. The file is kept as UTF-16 with its
// byte order mark first, so that the ID and the password keep every
// character: a missing file is created as UTF-16, and a file of the ANSI code
// page (or of UTF-8 behind its byte order mark) is converted whole first.
void WriteHelperIni(const wchar_t* path, int moto_x, int moto_y, int id_time, int pw_time,
                    const wchar_t* id, const wchar_t* password);

// A switching time as both programs use it: the key's text read by
// ReadHelperTime, kHelperDefaultTime without a path, file or key.
int ReadHelperIniTime(const wchar_t* path, const wchar_t* key);

// The ID and the password exactly as written. A missing path, file or key
// gives "ID" and "KX"; a stored value longer than kHelperTextMaxLength gives
// an empty text, never a cut one.
void ReadHelperCredentials(const wchar_t* path, wchar_t (&id)[kHelperTextCapacity],
                           wchar_t (&password)[kHelperTextCapacity]);
