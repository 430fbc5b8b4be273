#include "handoff/helper_ini.h"

#include <strsafe.h>

#include "common/file_paths.h"

static const wchar_t kHelperIniName[] = L"dunmere.ini";
static const wchar_t kHelperIniSection[] = L"Setting";
static const wchar_t kKeyMotoX[] = L"moto_x";
static const wchar_t kKeyMotoY[] = L"moto_y";
static const wchar_t kKeyIdTime[] = L"id_time";
static const wchar_t kKeyPwTime[] = L"pw_time";
static const wchar_t kKeyId[] = L"id_wcs";
static const wchar_t kKeyPassword[] = L"pw_wcs";
static const wchar_t kDefaultId[] = L"ID";
static const wchar_t kDefaultPassword[] = L"KX";

// Numbers are read as the helper always read them, from their first 63
// characters.
enum { kNumberTextCapacity = 64 };

bool BuildHelperIniPath(wchar_t (&path)[MAX_PATH], const wchar_t* folder)
{
    return JoinFolderAndName(path, folder, kHelperIniName);
}

static void ReadNumberText(const IniFile& file, const wchar_t* key, wchar_t (&text)[kNumberTextCapacity])
{
    IniSpan value;
    text[0] = L'\0';
    if (FindIniValue(IniText(file), kHelperIniSection, key, &value)) {
        CopyIniValue(value, text, kNumberTextCapacity);
    }
}

// A value is read into one unit more than the limit allows, so that a longer
// stored value shows itself as longer instead of being cut. True when it is
// over the limit (and left empty).
static bool ReadText(const IniFile& file, const wchar_t* key, const wchar_t* fallback,
                     wchar_t (&text)[kHelperTextCapacity])
{
    ZeroMemory(text, sizeof(text));
    IniSpan value;
    if (!FindIniValue(IniText(file), kHelperIniSection, key, &value)) {
        StringCchCopyW(text, kHelperTextCapacity, fallback);
        return false;
    }
    if (CopyIniValue(value, text, kHelperTextCapacity) > kHelperTextMaxLength) {
        SecureZeroMemory(text, sizeof(text));
        return true;
    }
    return false;
}

IniFileState ReadHelperIni(const wchar_t* path, HelperIniValues* values)
{
    ZeroMemory(values, sizeof(*values));
    IniFile file = {};
    if (path != nullptr) {
        ReadIniFile(path, &file);
    } else {
        file.state = kIniFileMissing;
    }
    wchar_t number[kNumberTextCapacity];
    ReadNumberText(file, kKeyMotoX, number);
    values->moto_x = ReadHelperPosition(number);
    ReadNumberText(file, kKeyMotoY, number);
    values->moto_y = ReadHelperPosition(number);
    ReadNumberText(file, kKeyIdTime, number);
    values->id_time = ReadHelperTime(number, kHelperDefaultTime);
    ReadNumberText(file, kKeyPwTime, number);
    values->pw_time = ReadHelperTime(number, kHelperDefaultTime);
    values->idOverLimit = ReadText(file, kKeyId, kDefaultId, values->id_wcs);
    values->passwordOverLimit = ReadText(file, kKeyPassword, kDefaultPassword, values->pw_wcs);
    FreeIniFile(&file);
    return file.state;
}

bool WriteHelperIni(const wchar_t* path, const HelperIniUpdate& update)
{
    wchar_t numbers[4][kIniNumberCapacity] = {};
    wchar_t id[kHelperTextCapacity + 2] = {};
    wchar_t password[kHelperTextCapacity + 2] = {};
    IniEntry entries[6];
    size_t count = 0;
    entries[count++] = IniNumberEntry(kKeyMotoX, update.moto_x, numbers[0]);
    entries[count++] = IniNumberEntry(kKeyMotoY, update.moto_y, numbers[1]);
    if (update.id_time != nullptr) {
        entries[count++] = IniNumberEntry(kKeyIdTime, *update.id_time, numbers[2]);
    }
    if (update.pw_time != nullptr) {
        entries[count++] = IniNumberEntry(kKeyPwTime, *update.pw_time, numbers[3]);
    }
    // A value of up to kHelperTextCapacity - 1 units always fits, quoted or not.
    if (update.id_wcs != nullptr && FormatStoredHelperText(update.id_wcs, id, ARRAYSIZE(id))) {
        entries[count++] = { kKeyId, id };
    }
    if (update.pw_wcs != nullptr && FormatStoredHelperText(update.pw_wcs, password, ARRAYSIZE(password))) {
        entries[count++] = { kKeyPassword, password };
    }
    bool saved = SaveIniFile(path, kHelperIniSection, entries, count, kIniUtf16Always);
    SecureZeroMemory(id, sizeof(id));
    SecureZeroMemory(password, sizeof(password));
    return saved;
}
