// dunmere.ini: the credential helper's window position, its two switching
// times, and the ID and password it hands on. Written completely before the
// helper is started, and once more when the program ends.

#include "settings/helper_settings.h"

#include <windows.h>

#include "app/app_state.h"
#include "app/paths.h"
#include "settings/settings.h"
#include "settings/settings_rules.h"

// At most this many characters of a stored ID or password are taken back.
enum { kHelperTextReadSize = 250 };

static int ReadHelperNumber(const wchar_t* key, const wchar_t* path)
{
    const int kDefaultTime = 5000;
    return path ? static_cast<int>(GetPrivateProfileIntW(kSettingsSection, key, kDefaultTime, path)) : kDefaultTime;
}

static void ReadHelperText(const wchar_t* key, const wchar_t* fallback, wchar_t* text, const wchar_t* path)
{
    ZeroMemory(text, kSettingsTextCapacity * sizeof(wchar_t));
    if (path == nullptr) {
        lstrcpynW(text, fallback, kHelperTextReadSize);
        return;
    }
    GetPrivateProfileStringW(kSettingsSection, key, fallback, text, kHelperTextReadSize, path);
}

void LoadHelperSettings()
{
    SetCurrentDirectoryW(g_app.baseDirectory);
    wchar_t path[MAX_PATH];
    const wchar_t* file = BuildBasePath(path, kHelperFileName) ? path : nullptr;
    Settings& settings = g_app.settings;
    settings.id_time = ReadHelperNumber(L"id_time", file);
    settings.pw_time = ReadHelperNumber(L"pw_time", file);
    ReadHelperText(L"id_wcs", L"ID", settings.id_wcs, file);
    ReadHelperText(L"pw_wcs", L"KX", settings.pw_wcs, file);
}

void SaveHelperSettings()
{
    SetCurrentDirectoryW(g_app.baseDirectory);
    wchar_t path[MAX_PATH];
    if (!BuildBasePath(path, kHelperFileName)) {
        return;
    }
    const Settings& settings = g_app.settings;
    int x = ClampToScreen(static_cast<long long>(settings.moto_x) + settings.ofset_x,
                          kHelperWindowWidth, g_app.screenWidth);
    int y = ClampToScreen(static_cast<long long>(settings.moto_y) + settings.ofset_y,
                          kHelperWindowHeight, g_app.screenHeight);
    WriteSettingsNumber(L"moto_x", x, path);
    WriteSettingsNumber(L"moto_y", y, path);
    WriteSettingsNumber(L"id_time", settings.id_time, path);
    WriteSettingsNumber(L"pw_time", settings.pw_time, path);
    WritePrivateProfileStringW(kSettingsSection, L"id_wcs", settings.id_wcs, path);
    WritePrivateProfileStringW(kSettingsSection, L"pw_wcs", settings.pw_wcs, path);
}
