#include "helper/helper_file.h"

#include "handoff/helper_ini.h"

// The private-profile functions look for a bare file name in the Windows
// folder, so the file is named by its full path.
static bool BuildHelperFilePath(wchar_t (&path)[MAX_PATH])
{
    wchar_t folder[MAX_PATH] = {};
    DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH) {
        ZeroMemory(path, sizeof(path));
        return false;
    }
    return BuildHelperIniPath(path, folder);
}

static void ReadHelperValue(const wchar_t* key, wchar_t (&text)[64], const wchar_t* path)
{
    ZeroMemory(text, sizeof(text));
    GetPrivateProfileStringW(kHelperIniSection, key, L"", text, ARRAYSIZE(text), path);
}

void LoadHelperFile(HelperFile* file)
{
    ZeroMemory(file, sizeof(*file));
    file->id_time = kHelperDefaultTime;
    file->pw_time = kHelperDefaultTime;
    wchar_t path[MAX_PATH];
    bool havePath = BuildHelperFilePath(path);
    ReadHelperCredentials(havePath ? path : nullptr, file->id_wcs, file->pw_wcs);
    if (!havePath) {
        return;
    }
    wchar_t value[64];
    ReadHelperValue(kHelperKeyMotoX, value, path);
    file->moto_x = ReadHelperPosition(value);
    ReadHelperValue(kHelperKeyMotoY, value, path);
    file->moto_y = ReadHelperPosition(value);
    file->id_time = ReadHelperIniTime(path, kHelperKeyIdTime);
    file->pw_time = ReadHelperIniTime(path, kHelperKeyPwTime);
}

void ForgetHelperFile(HelperFile* file)
{
    SecureZeroMemory(file, sizeof(*file));
}
