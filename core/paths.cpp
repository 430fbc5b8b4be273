#include "core/paths.h"

#include <strsafe.h>

#include "common/file_paths.h"
#include "core/app_state.h"

const wchar_t kSettingsFileName[] = L"korvatel.ini";
const wchar_t kProfileFolder[] = L"ipaddress\\";

bool BuildBasePath(wchar_t (&path)[MAX_PATH], const wchar_t* name)
{
    return JoinFolderAndName(path, g_app.baseDirectory, name);
}

bool BuildProfilePath(wchar_t (&path)[MAX_PATH], const wchar_t* name, size_t nameLength)
{
    if (!BuildBasePath(path, kProfileFolder) || FAILED(StringCchCatNW(path, MAX_PATH, name, nameLength))) {
        ZeroMemory(path, sizeof(path));
        return false;
    }
    return true;
}
