#include "handoff/helper_ini.h"

#include <string.h>
#include <strsafe.h>
#include <wchar.h>

#include "common/code_page_text.h"
#include "common/file_replace.h"

const wchar_t kHelperIniSection[] = L"Setting";
const wchar_t kHelperKeyMotoX[] = L"moto_x";
const wchar_t kHelperKeyMotoY[] = L"moto_y";
const wchar_t kHelperKeyIdTime[] = L"id_time";
const wchar_t kHelperKeyPwTime[] = L"pw_time";

static const wchar_t kHelperKeyId[] = L"id_wcs";
static const wchar_t kHelperKeyPassword[] = L"pw_wcs";
static const wchar_t kHelperDefaultId[] = L"ID";
static const wchar_t kHelperDefaultPassword[] = L"KX";

static const wchar_t kHelperIniName[] = L"dunmere.ini";
// A converted file is written first under this name beside the old one. It
// is as long as the file's own name, so it fits wherever that path fits.
static const wchar_t kReplacementName[] = L"dunmere.new";
static_assert(sizeof(kReplacementName) == sizeof(kHelperIniName), "the replacement path fits with the file's");

static const wchar_t kByteOrderMark = 0xFEFF;
static const char kUtf8Mark[] = "\xEF\xBB\xBF";

// A hand-off file is a few hundred bytes. A far larger one is left as it is;
// the bound also keeps every size well inside the int range of the conversion.
enum { kConvertibleSize = 1 << 20 };

bool BuildHelperIniPath(wchar_t (&path)[MAX_PATH], const wchar_t* folder)
{
    ZeroMemory(path, sizeof(path));
    if (folder[0] == L'\0' || FAILED(StringCchCopyW(path, MAX_PATH, folder))
        || FAILED(StringCchCatW(path, MAX_PATH, L"\\")) || FAILED(StringCchCatW(path, MAX_PATH, kHelperIniName))) {
        ZeroMemory(path, sizeof(path));
        return false;
    }
    return true;
}

static bool BuildReplacementPath(wchar_t (&replacement)[MAX_PATH], const wchar_t* path)
{
    ZeroMemory(replacement, sizeof(replacement));
    const wchar_t* slash = wcsrchr(path, L'\\');
    size_t folderLength = slash == nullptr ? 0 : static_cast<size_t>(slash - path) + 1;
    return SUCCEEDED(StringCchCopyNW(replacement, MAX_PATH, path, folderLength))
        && SUCCEEDED(StringCchCatW(replacement, MAX_PATH, kReplacementName));
}

// A failure at any point leaves the old file as it was.
static void ReplaceHelperIni(const wchar_t* path, const void* content, DWORD size)
{
    wchar_t replacement[MAX_PATH];
    if (BuildReplacementPath(replacement, path)) {
        ReplaceFileContents(path, replacement, content, size);
    }
}

// The whole file, zero-terminated, in a heap block the caller frees; a
// missing file gives an empty text. Null when the file cannot be read whole
// or is too large.
static char* ReadWholeFile(const wchar_t* path, DWORD* size)
{
    *size = 0;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        char* empty = GetLastError() == ERROR_FILE_NOT_FOUND ? static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, 1))
                                                             : nullptr;
        if (empty != nullptr) {
            empty[0] = '\0';
        }
        return empty;
    }
    LARGE_INTEGER fileSize = {};
    char* bytes = nullptr;
    if (GetFileSizeEx(file, &fileSize) && fileSize.QuadPart <= kConvertibleSize) {
        *size = static_cast<DWORD>(fileSize.QuadPart);
        bytes = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, *size + 1));
    }
    DWORD got = 0;
    if (bytes != nullptr && (!ReadFile(file, bytes, *size, &got, nullptr) || got != *size)) {
        HeapFree(GetProcessHeap(), 0, bytes);
        bytes = nullptr;
    }
    if (bytes != nullptr) {
        bytes[*size] = '\0';
    }
    CloseHandle(file);
    return bytes;
}

// Every line is kept: the bytes are decoded from the ANSI code page, as the
// private-profile functions read such a file, or from UTF-8 behind its mark.
static void ConvertToUtf16(const wchar_t* path, const char* bytes, DWORD size)
{
    UINT codePage = CP_ACP;
    if (size >= 3 && memcmp(bytes, kUtf8Mark, 3) == 0) {
        codePage = CP_UTF8;
        bytes += 3;
        size -= 3;
    }
    // The mark, at most one unit per byte, and the terminator.
    int capacity = static_cast<int>(size) + 1;
    wchar_t* units = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, (size + 2) * sizeof(wchar_t)));
    if (units == nullptr) {
        return;
    }
    units[0] = kByteOrderMark;
    if (DecodeCodePageText(codePage, bytes, units + 1, capacity)) {
        ReplaceHelperIni(path, units, static_cast<DWORD>(wcslen(units)) * sizeof(wchar_t));
    }
    HeapFree(GetProcessHeap(), 0, units);
}

// The private-profile functions keep the encoding a file already has and
// create a new one in the ANSI code page, where characters outside it
// become "?". A file that starts with the UTF-16 mark is left as it is.
static void MakeHelperIniUnicode(const wchar_t* path)
{
    DWORD size = 0;
    char* bytes = ReadWholeFile(path, &size);
    if (bytes == nullptr) {
        return;
    }
    if (size < 2 || memcmp(bytes, &kByteOrderMark, 2) != 0) {
        ConvertToUtf16(path, bytes, size);
    }
    HeapFree(GetProcessHeap(), 0, bytes);
}

static void WriteHelperNumber(const wchar_t* path, const wchar_t* key, int value)
{
    wchar_t text[16] = {};
    StringCchPrintfW(text, ARRAYSIZE(text), L"%d", value);
    WritePrivateProfileStringW(kHelperIniSection, key, text, path);
}

// A value that cannot be stored whole is stored empty, never cut.
static void WriteHelperText(const wchar_t* path, const wchar_t* key, const wchar_t* value)
{
    wchar_t stored[kHelperTextCapacity + 2];
    FormatStoredHelperText(value, stored, ARRAYSIZE(stored));
    WritePrivateProfileStringW(kHelperIniSection, key, stored, path);
}

void WriteHelperIni(const wchar_t* path, int moto_x, int moto_y, int id_time, int pw_time,
                    const wchar_t* id, const wchar_t* password)
{
    MakeHelperIniUnicode(path);
    WriteHelperNumber(path, kHelperKeyMotoX, moto_x);
    WriteHelperNumber(path, kHelperKeyMotoY, moto_y);
    WriteHelperNumber(path, kHelperKeyIdTime, id_time);
    WriteHelperNumber(path, kHelperKeyPwTime, pw_time);
    WriteHelperText(path, kHelperKeyId, id);
    WriteHelperText(path, kHelperKeyPassword, password);
}

int ReadHelperIniTime(const wchar_t* path, const wchar_t* key)
{
    wchar_t text[64] = {};
    if (path != nullptr) {
        GetPrivateProfileStringW(kHelperIniSection, key, L"", text, ARRAYSIZE(text), path);
    }
    return ReadHelperTime(text, kHelperDefaultTime);
}

// The reader fills at most kHelperTextCapacity - 1 units, so a longer stored
// value always comes back longer than the limit and is dropped whole.
static void ReadHelperText(const wchar_t* path, const wchar_t* key, const wchar_t* fallback,
                           wchar_t (&text)[kHelperTextCapacity])
{
    ZeroMemory(text, sizeof(text));
    if (path == nullptr) {
        StringCchCopyW(text, ARRAYSIZE(text), fallback);
        return;
    }
    DWORD length = GetPrivateProfileStringW(kHelperIniSection, key, fallback, text, ARRAYSIZE(text), path);
    if (length > kHelperTextMaxLength) {
        SecureZeroMemory(text, sizeof(text));
    }
}

void ReadHelperCredentials(const wchar_t* path, wchar_t (&id)[kHelperTextCapacity],
                           wchar_t (&password)[kHelperTextCapacity])
{
    ReadHelperText(path, kHelperKeyId, kHelperDefaultId, id);
    ReadHelperText(path, kHelperKeyPassword, kHelperDefaultPassword, password);
}
