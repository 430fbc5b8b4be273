// The settings kept from one run to the next. Each field bears the name of
// its key in korvatel.ini (the first ten) or dunmere.ini (the last four).
#pragma once

enum { kSettingsTextCapacity = 256 };

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
    wchar_t id_wcs[kSettingsTextCapacity];
    wchar_t pw_wcs[kSettingsTextCapacity];
};

// korvatel.ini <-> the first ten fields. LoadSettings also keeps the window
// on the screen measured in the application state.
void LoadSettings();
void SaveSettings();

// Both INI files use the section "Setting" and write numbers with "%d".
extern const wchar_t kSettingsSection[];
void WriteSettingsNumber(const wchar_t* key, int value, const wchar_t* path);
