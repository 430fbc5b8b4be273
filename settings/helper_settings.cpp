// dunmere.ini: the credential helper's window position, its two switching
// times, and the ID and password it hands on. Written completely before the
// helper is started, and once more when the program ends.

#include "settings/helper_settings.h"

#include <windows.h>
#include <strsafe.h>

#include "common/screen_rules.h"
#include "core/app_state.h"
#include "core/message_box.h"
#include "handoff/helper_ini.h"

// The current directory is the base directory from here on: the helper is
// started by its bare name.
void LoadHelperSettings()
{
    SetCurrentDirectoryW(g_app.baseDirectory);
    wchar_t path[MAX_PATH];
    HelperIniValues values;
    IniFileState state = ReadHelperIni(BuildHelperIniPath(path, g_app.baseDirectory) ? path : nullptr, &values);
    Settings& settings = g_app.settings;
    settings.id_time = values.id_time;
    settings.pw_time = values.pw_time;
    CopyMemory(settings.id_wcs, values.id_wcs, sizeof(settings.id_wcs));
    CopyMemory(settings.pw_wcs, values.pw_wcs, sizeof(settings.pw_wcs));
    settings.unknown |= state == kIniFileUnreadable ? kUnknownHelperFile : 0;
    settings.unknown |= values.idOverLimit ? kUnknownId : 0;
    settings.unknown |= values.passwordOverLimit ? kUnknownPassword : 0;
    SecureZeroMemory(&values, sizeof(values));
}

bool SaveHelperSettings()
{
    SetCurrentDirectoryW(g_app.baseDirectory);   // as at the start: the helper is started by its bare name
    wchar_t path[MAX_PATH];
    if (!BuildHelperIniPath(path, g_app.baseDirectory)) {
        return true;
    }
    const Settings& settings = g_app.settings;
    HelperIniUpdate update = {};
    update.moto_x = ClampToSpan(static_cast<long long>(settings.moto_x) + settings.ofset_x,
                                kHelperWindowWidth, 0, g_app.screenWidth);
    update.moto_y = ClampToSpan(static_cast<long long>(settings.moto_y) + settings.ofset_y,
                                kHelperWindowHeight, 0, g_app.screenHeight);
    update.id_time = (settings.unknown & kUnknownIdTime) == 0 ? &settings.id_time : nullptr;
    update.pw_time = (settings.unknown & kUnknownPwTime) == 0 ? &settings.pw_time : nullptr;
    update.id_wcs = (settings.unknown & kUnknownId) == 0 ? settings.id_wcs : nullptr;
    update.pw_wcs = (settings.unknown & kUnknownPassword) == 0 ? settings.pw_wcs : nullptr;
    return WriteHelperIni(path, update);
}

bool HandOffToHelper(HWND owner)
{
    wchar_t path[MAX_PATH];
    wchar_t text[MAX_PATH + 128] = {};
    if (SaveHelperSettings()) {
        return true;
    }
    if (BuildHelperIniPath(path, g_app.baseDirectory)
        && SUCCEEDED(StringCchPrintfW(text, ARRAYSIZE(text), L"%ls\r\nにIDとPWを書き込めないため、"
                                      L"受け渡しツールを起動しません。", path))) {
        ShowMessage(owner, text, L"Error", MB_OK | MB_ICONWARNING);
    }
    return false;
}
