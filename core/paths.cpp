#include "core/paths.h"

#include <strsafe.h>

#include "core/app_state.h"

const wchar_t kSettingsFileName[] = L"\\korvatel.ini";
const wchar_t kProfileFolder[] = L"\\ipaddress\\";

static bool Refuse(wchar_t (&path)[MAX_PATH])
{
    ZeroMemory(path, sizeof(path));
    return false;
}

bool BuildBasePath(wchar_t (&path)[MAX_PATH], const wchar_t* suffix)
{
    ZeroMemory(path, sizeof(path));
    if (g_app.baseDirectory[0] == L'\0'
        || FAILED(StringCchCopyW(path, MAX_PATH, g_app.baseDirectory))
        || FAILED(StringCchCatW(path, MAX_PATH, suffix))) {
        return Refuse(path);
    }
    return true;
}

bool BuildProfilePath(wchar_t (&path)[MAX_PATH], const wchar_t* name, size_t nameLength)
{
    if (!BuildBasePath(path, kProfileFolder)
        || FAILED(StringCchCatNW(path, MAX_PATH, name, nameLength))) {
        return Refuse(path);
    }
    return true;
}
