#include "helper/helper_file.h"

#include <strsafe.h>

#include "helper/helper_rules.h"

static const wchar_t kHelperSection[] = L"Setting";
static const wchar_t kHelperFileName[] = L"\\dunmere.ini";
enum { kDefaultTime = 5000 };

// The private-profile functions look for a bare file name in the Windows
// folder, so the file is named by its full path.
static bool BuildHelperFilePath(wchar_t (&path)[MAX_PATH])
{
    ZeroMemory(path, sizeof(path));
    DWORD length = GetCurrentDirectoryW(MAX_PATH, path);
    if (length == 0 || length >= MAX_PATH || FAILED(StringCchCatW(path, MAX_PATH, kHelperFileName))) {
        ZeroMemory(path, sizeof(path));
        return false;
    }
    return true;
}

// A value that fills the whole buffer may have been cut: it is dropped.
static void ReadHelperText(const wchar_t* key, const wchar_t* fallback, wchar_t (&text)[kHelperTextCapacity],
                           const wchar_t* path)
{
    ZeroMemory(text, sizeof(text));
    DWORD length = GetPrivateProfileStringW(kHelperSection, key, fallback, text, kHelperTextCapacity, path);
    if (length >= kHelperTextCapacity - 1) {
        SecureZeroMemory(text, sizeof(text));
    }
}

static void ReadHelperValue(const wchar_t* key, wchar_t (&text)[64], const wchar_t* path)
{
    ZeroMemory(text, sizeof(text));
    GetPrivateProfileStringW(kHelperSection, key, L"", text, ARRAYSIZE(text), path);
}

void LoadHelperFile(HelperFile* file)
{
    ZeroMemory(file, sizeof(*file));
    file->id_time = kDefaultTime;
    file->pw_time = kDefaultTime;
    StringCchCopyW(file->id_wcs, kHelperTextCapacity, L"ID");
    StringCchCopyW(file->pw_wcs, kHelperTextCapacity, L"KX");
    wchar_t path[MAX_PATH];
    if (!BuildHelperFilePath(path)) {
        return;
    }
    wchar_t value[64];
    ReadHelperValue(L"moto_x", value, path);
    file->moto_x = ReadHelperPosition(value);
    ReadHelperValue(L"moto_y", value, path);
    file->moto_y = ReadHelperPosition(value);
    ReadHelperValue(L"id_time", value, path);
    file->id_time = ReadHelperTime(value, kDefaultTime);
    ReadHelperValue(L"pw_time", value, path);
    file->pw_time = ReadHelperTime(value, kDefaultTime);
    ReadHelperText(L"id_wcs", L"ID", file->id_wcs, path);
    ReadHelperText(L"pw_wcs", L"KX", file->pw_wcs, path);
}

void ForgetHelperFile(HelperFile* file)
{
    SecureZeroMemory(file, sizeof(*file));
}
