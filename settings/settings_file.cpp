// korvatel.ini: the main window's placement, the column widths and the
// options, section "Setting".

#include "settings/settings_file.h"

#include <strsafe.h>

#include "common/ini_file.h"
#include "common/screen_rules.h"
#include "core/app_state.h"
#include "core/message_box.h"
#include "core/paths.h"
#include "handoff/helper_ini.h"
#include "settings/helper_settings.h"

namespace {

const wchar_t kSettingsSection[] = L"Setting";

struct SettingsKey {
    const wchar_t* name;
    int Settings::*field;
    int defaultValue;
    unsigned group;   // UnknownSettings
};

// The order of this table is the order of the keys in a file the program creates.
const SettingsKey kSettingsKeys[] = {
    { L"moto_x", &Settings::moto_x, 0, kUnknownPlacement },
    { L"moto_y", &Settings::moto_y, 0, kUnknownPlacement },
    { L"moto_w", &Settings::moto_w, 270, kUnknownPlacement },
    { L"moto_h", &Settings::moto_h, 350, kUnknownPlacement },
    { L"colum_w1", &Settings::colum_w1, 200, kUnknownColumns },
    { L"colum_w2", &Settings::colum_w2, 30, kUnknownColumns },
    { L"focus_mode", &Settings::focus_mode, 0, kUnknownFocusMode },
    { L"pw_mode", &Settings::pw_mode, 0, kUnknownPwMode },
    { L"ofset_x", &Settings::ofset_x, -200, kUnknownOfsetX },
    { L"ofset_y", &Settings::ofset_y, 0, kUnknownOfsetY },
};

// Smaller, the window shows too little of its menu, toolbar and list to be used.
enum { kSmallestWindowWidth = 180, kSmallestWindowHeight = 150 };

} // namespace

static int UsableSize(int size, int smallest, int screen)
{
    size = size < smallest ? smallest : size;
    return size > screen ? screen : size;
}

// A placement from another screen, or a spoilt one, is brought to a usable
// size on this screen before it is moved onto it, so that the whole window,
// caption included, can be reached.
static void KeepWindowOnScreen(Settings& settings)
{
    settings.moto_w = UsableSize(settings.moto_w, kSmallestWindowWidth, g_app.screenWidth);
    settings.moto_h = UsableSize(settings.moto_h, kSmallestWindowHeight, g_app.screenHeight);
    settings.moto_x = ClampToSpan(settings.moto_x, settings.moto_w, 0, g_app.screenWidth);
    settings.moto_y = ClampToSpan(settings.moto_y, settings.moto_h, 0, g_app.screenHeight);
}

void LoadSettings()
{
    wchar_t path[MAX_PATH];
    IniFile file = {};
    file.state = kIniFileMissing;
    if (BuildBasePath(path, kSettingsFileName)) {
        ReadIniFile(path, &file);
    }
    Settings& settings = g_app.settings;
    for (const SettingsKey& key : kSettingsKeys) {
        IniSpan value;
        settings.*key.field = FindIniValue(IniText(file), kSettingsSection, key.name, &value)
            ? IniValueNumber(value, key.defaultValue) : key.defaultValue;
    }
    settings.unknown |= file.state == kIniFileUnreadable ? kUnknownSettingsFile : 0;
    FreeIniFile(&file);
    KeepWindowOnScreen(settings);
}

// Without a base directory nothing is kept, as the start already told.
static bool SaveSettings()
{
    wchar_t path[MAX_PATH];
    if (!BuildBasePath(path, kSettingsFileName)) {
        return true;
    }
    wchar_t numbers[ARRAYSIZE(kSettingsKeys)][kIniNumberCapacity] = {};
    IniEntry entries[ARRAYSIZE(kSettingsKeys)];
    size_t count = 0;
    for (const SettingsKey& key : kSettingsKeys) {
        if ((g_app.settings.unknown & key.group) == 0) {
            entries[count] = IniNumberEntry(key.name, g_app.settings.*key.field, numbers[count]);
            ++count;
        }
    }
    return count == 0 || SaveIniFile(path, kSettingsSection, entries, count, kIniKeepEncoding);
}

// The message's list of files, a line each.
static void AddLine(wchar_t (&lines)[2 * (MAX_PATH + 2)], const wchar_t* line)
{
    StringCchCatW(lines, ARRAYSIZE(lines), L"\r\n");
    StringCchCatW(lines, ARRAYSIZE(lines), line);
}

void SaveSettingsFiles(HWND owner)
{
    wchar_t failed[2 * (MAX_PATH + 2)] = {};
    wchar_t path[MAX_PATH];
    if (!SaveSettings() && BuildBasePath(path, kSettingsFileName)) {
        AddLine(failed, path);
    }
    if (!SaveHelperSettings() && BuildHelperIniPath(path, g_app.baseDirectory)) {
        AddLine(failed, path);
    }
    wchar_t text[ARRAYSIZE(failed) + 128] = {};
    if (owner != nullptr && failed[0] != L'\0'
        && SUCCEEDED(StringCchPrintfW(text, ARRAYSIZE(text), L"次のファイルに設定を保存できなかったため、"
                                      L"今回の設定の変更は保存されていません。%ls", failed))) {
        ShowMessage(owner, text, L"Error", MB_OK | MB_ICONWARNING);
    }
}
