// dunmere.ini in the current directory: where the small window goes, how
// long each value stays on the clipboard, and the ID and password.
#pragma once

#include <windows.h>

#include "handoff/helper_text.h"

struct HelperFile {
    int moto_x;     // left edge of the small window, screen pixels
    int moto_y;     // top edge
    int id_time;    // milliseconds, bounded
    int pw_time;
    wchar_t id_wcs[kHelperTextCapacity];
    wchar_t pw_wcs[kHelperTextCapacity];
};

// A missing file, section or key, or a value that cannot be read, gives the
// defaults: (0, 0), 5000 ms, 5000 ms, "ID", "KX". An ID or password longer
// than kHelperTextMaxLength is left empty rather than handed on cut.
void LoadHelperFile(HelperFile* file);

// Overwrites the ID and password in memory.
void ForgetHelperFile(HelperFile* file);
