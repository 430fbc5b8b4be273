// dunmere.ini: the credential helper's window position, its two switching
// times, and the ID and password it hands on. Written completely before the
// helper is started, and once more when the program ends.

#include "settings/helper_settings.h"

#include <windows.h>

#include "common/screen_rules.h"
#include "core/app_state.h"
#include "handoff/helper_ini.h"

void LoadHelperSettings()
{
    SetCurrentDirectoryW(g_app.baseDirectory);
    wchar_t path[MAX_PATH];
    const wchar_t* file = BuildHelperIniPath(path, g_app.baseDirectory) ? path : nullptr;
    Settings& settings = g_app.settings;
    settings.id_time = ReadHelperIniTime(file, kHelperKeyIdTime);
    settings.pw_time = ReadHelperIniTime(file, kHelperKeyPwTime);
    ReadHelperCredentials(file, settings.id_wcs, settings.pw_wcs);
}

void SaveHelperSettings()
{
    SetCurrentDirectoryW(g_app.baseDirectory);
    wchar_t path[MAX_PATH];
    if (!BuildHelperIniPath(path, g_app.baseDirectory)) {
        return;
    }
    const Settings& settings = g_app.settings;
    int x = ClampToSpan(static_cast<long long>(settings.moto_x) + settings.ofset_x,
                        kHelperWindowWidth, 0, g_app.screenWidth);
    int y = ClampToSpan(static_cast<long long>(settings.moto_y) + settings.ofset_y,
                        kHelperWindowHeight, 0, g_app.screenHeight);
    WriteHelperIni(path, x, y, settings.id_time, settings.pw_time, settings.id_wcs, settings.pw_wcs);
}
