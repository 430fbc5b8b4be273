// The settings kept from one run to the next. Each field bears the name of
// its key in korvatel.ini (the first ten) or dunmere.ini (the last four).
#pragma once

#include "handoff/helper_text.h"

struct Settings {
    int moto_x;
    int moto_y;
    int moto_w;
    int moto_h;
    int colum_w1;
    int colum_w2;
    int focus_mode;
    int pw_mode;
    int ofset_x;
    int ofset_y;
    int id_time;
    int pw_time;
    wchar_t id_wcs[kHelperTextCapacity];
    wchar_t pw_wcs[kHelperTextCapacity];
};
