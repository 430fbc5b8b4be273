// The settings kept from one run to the next. Each field bears the name of
// its key in korvatel.ini (the first ten) or dunmere.ini (the last four).
#pragma once

#include "handoff/helper_text.h"

// Fields whose stored values the program does not know: their file could
// not be read at start, or (the ID, the password) the value was over its
// limit. Such a field holds its default and is written back only once the
// user has changed it in this run, so a stored value is never overwritten
// with a default it was never read as.
enum UnknownSettings {
    kUnknownPlacement = 1 << 0,   // moto_x, moto_y, moto_w, moto_h
    kUnknownColumns = 1 << 1,     // colum_w1, colum_w2
    kUnknownFocusMode = 1 << 2,
    kUnknownPwMode = 1 << 3,
    kUnknownOfsetX = 1 << 4,
    kUnknownOfsetY = 1 << 5,
    kUnknownIdTime = 1 << 6,
    kUnknownPwTime = 1 << 7,
    kUnknownId = 1 << 8,
    kUnknownPassword = 1 << 9,
    kUnknownSettingsFile = kUnknownPlacement | kUnknownColumns | kUnknownFocusMode | kUnknownPwMode
                         | kUnknownOfsetX | kUnknownOfsetY,
    kUnknownHelperFile = kUnknownIdTime | kUnknownPwTime | kUnknownId | kUnknownPassword,
};

struct Settings {
    int moto_x;
    int moto_y;
    int moto_w;
    int moto_h;
    int colum_w1;
    int colum_w2;
    int focus_mode;   // kept and shown in the settings dialog; nothing else depends on it
    int pw_mode;
    int ofset_x;
    int ofset_y;
    int id_time;
    int pw_time;
    wchar_t id_wcs[kHelperTextCapacity];
    wchar_t pw_wcs[kHelperTextCapacity];
    unsigned unknown;   // UnknownSettings
};
