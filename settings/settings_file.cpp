// korvatel.ini: the main window's placement, the column widths and the
// options, section "Setting", one key at a time.

#include <windows.h>
#include <strsafe.h>

#include "common/screen_rules.h"
#include "core/app_state.h"
#include "core/paths.h"
#include "settings/settings_file.h"

namespace {

const wchar_t kSettingsSection[] = L"Setting";

struct SettingsKey {
    const wchar_t* name;
    int Settings::*field;
    int defaultValue;
};

// The order of this table is the order of the keys in a file the program creates.
const SettingsKey kSettingsKeys[] = {
    { L"moto_x", &Settings::moto_x, 0 },
    { L"moto_y", &Settings::moto_y, 0 },
    { L"moto_w", &Settings::moto_w, 270 },
    { L"moto_h", &Settings::moto_h, 350 },
    { L"colum_w1", &Settings::colum_w1, 200 },
    { L"colum_w2", &Settings::colum_w2, 30 },
    { L"focus_mode", &Settings::focus_mode, 0 },
    { L"pw_mode", &Settings::pw_mode, 0 },
    { L"ofset_x", &Settings::ofset_x, -200 },
    { L"ofset_y", &Settings::ofset_y, 0 },
};

} // namespace

void LoadSettings()
{
    wchar_t path[MAX_PATH];
    bool havePath = BuildBasePath(path, kSettingsFileName);
    Settings& settings = g_app.settings;
    for (const SettingsKey& key : kSettingsKeys) {
        settings.*key.field = havePath
            ? static_cast<int>(GetPrivateProfileIntW(kSettingsSection, key.name, key.defaultValue, path))
            : key.defaultValue;
    }
    // A placement from a larger screen is shrunk to this one before it is
    // moved onto it, so the whole window, caption included, can be reached.
    if (settings.moto_w > g_app.screenWidth) {
        settings.moto_w = g_app.screenWidth;
    }
    if (settings.moto_h > g_app.screenHeight) {
        settings.moto_h = g_app.screenHeight;
    }
    settings.moto_x = ClampToSpan(settings.moto_x, settings.moto_w, 0, g_app.screenWidth);
    settings.moto_y = ClampToSpan(settings.moto_y, settings.moto_h, 0, g_app.screenHeight);
}

static void WriteSettingsNumber(const wchar_t* key, int value, const wchar_t* path)
{
    wchar_t text[64] = {};
    StringCchPrintfW(text, ARRAYSIZE(text), L"%d", value);
    WritePrivateProfileStringW(kSettingsSection, key, text, path);
}

void SaveSettings()
{
    wchar_t path[MAX_PATH];
    if (!BuildBasePath(path, kSettingsFileName)) {
        return;
    }
    for (const SettingsKey& key : kSettingsKeys) {
        WriteSettingsNumber(key.name, g_app.settings.*key.field, path);
    }
}
