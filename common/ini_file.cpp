#include "common/ini_file.h"

#include <string.h>
#include <strsafe.h>

#include "common/file_replace.h"
#include "common/text_rules.h"

// Every size here stays well inside the int counts of the code-page
// conversions, whatever the encoding.
static const LONGLONG kLargestIniFile = 0x10000000;   // 256 MiB
// Another instance saving the same file is done in well under this.
enum { kSaveLockWaitMs = 10000 };

static const unsigned char kUtf8Mark[] = { 0xEF, 0xBB, 0xBF };
static const wchar_t kByteOrderMark = 0xFEFF;

void FreeIniFile(IniFile* file)
{
    HeapFree(GetProcessHeap(), 0, file->units);
    file->units = nullptr;
    file->length = 0;
}

static wchar_t* AllocateUnits(size_t count)
{
    return static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, (count + 1) * sizeof(wchar_t)));
}

static bool DecodeCodePage(UINT codePage, const unsigned char* bytes, size_t size, IniFile* file)
{
    int count = size > 0 ? MultiByteToWideChar(codePage, 0, reinterpret_cast<const char*>(bytes),
                                               static_cast<int>(size), nullptr, 0) : 0;
    file->units = AllocateUnits(static_cast<size_t>(count));
    if (file->units == nullptr) {
        return false;
    }
    if (count > 0) {
        MultiByteToWideChar(codePage, 0, reinterpret_cast<const char*>(bytes), static_cast<int>(size), file->units, count);
    }
    file->length = static_cast<size_t>(count);
    file->strayZeros = memchr(bytes, 0, size) != nullptr;
    return true;
}

// UTF-16 units in either byte order; an odd last byte is no unit.
static bool DecodeUtf16(const unsigned char* bytes, size_t size, bool bigEndian, IniFile* file)
{
    size_t count = size / 2;
    file->units = AllocateUnits(count);
    if (file->units == nullptr) {
        return false;
    }
    for (size_t i = 0; i < count; ++i) {
        unsigned char first = bytes[2 * i], second = bytes[2 * i + 1];
        file->units[i] = static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    file->length = count;
    return true;
}

static bool Decode(const unsigned char* bytes, size_t size, IniFile* file)
{
    if (size >= 3 && memcmp(bytes, kUtf8Mark, 3) == 0) {
        file->encoding = kIniUtf8;
        return DecodeCodePage(CP_UTF8, bytes + 3, size - 3, file);
    }
    bool littleEndian = size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
    if (littleEndian || (size >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF)) {
        file->encoding = littleEndian ? kIniUtf16 : kIniUtf16BigEndian;
        return DecodeUtf16(bytes + 2, size - 2, !littleEndian, file);
    }
    file->encoding = kIniAnsi;
    return DecodeCodePage(CP_ACP, bytes, size, file);
}

static bool ReadAllBytes(HANDLE handle, unsigned char** bytes, size_t* size)
{
    LARGE_INTEGER fileSize = {};
    if (!GetFileSizeEx(handle, &fileSize) || fileSize.QuadPart > kLargestIniFile) {
        return false;
    }
    *size = static_cast<size_t>(fileSize.QuadPart);
    *bytes = static_cast<unsigned char*>(HeapAlloc(GetProcessHeap(), 0, *size + 1));
    DWORD got = 0;
    if (*bytes != nullptr && ReadFile(handle, *bytes, static_cast<DWORD>(*size), &got, nullptr) && got == *size) {
        return true;
    }
    HeapFree(GetProcessHeap(), 0, *bytes);
    *bytes = nullptr;
    return false;
}

void ReadIniFile(const wchar_t* path, IniFile* file)
{
    ZeroMemory(file, sizeof(*file));
    HANDLE handle = OpenHeldFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 OPEN_EXISTING);
    if (handle == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        file->state = missing ? kIniFileMissing : kIniFileUnreadable;
        return;
    }
    unsigned char* bytes = nullptr;
    size_t size = 0;
    bool read = ReadAllBytes(handle, &bytes, &size);
    CloseHandle(handle);
    file->state = read && Decode(bytes, size, file) ? kIniFileRead : kIniFileUnreadable;
    HeapFree(GetProcessHeap(), 0, bytes);
}

IniEntry IniNumberEntry(const wchar_t* key, int value, wchar_t (&text)[kIniNumberCapacity])
{
    StringCchPrintfW(text, kIniNumberCapacity, L"%d", value);
    return { key, text };
}

// The bytes of the text in the encoding, behind its mark, in a heap block the caller frees.
static unsigned char* Encode(const wchar_t* units, size_t length, IniEncoding encoding, DWORD* size)
{
    *size = 0;
    if (encoding == kIniUtf16 || encoding == kIniUtf16BigEndian) {
        unsigned char* bytes = static_cast<unsigned char*>(HeapAlloc(GetProcessHeap(), 0, 2 * (length + 1)));
        for (size_t i = 0; bytes != nullptr && i <= length; ++i) {
            wchar_t unit = i == 0 ? kByteOrderMark : units[i - 1];
            bytes[2 * i] = static_cast<unsigned char>(encoding == kIniUtf16 ? unit & 0xFF : unit >> 8);
            bytes[2 * i + 1] = static_cast<unsigned char>(encoding == kIniUtf16 ? unit >> 8 : unit & 0xFF);
        }
        *size = bytes != nullptr ? static_cast<DWORD>(2 * (length + 1)) : 0;
        return bytes;
    }
    UINT codePage = encoding == kIniUtf8 ? CP_UTF8 : CP_ACP;
    DWORD mark = encoding == kIniUtf8 ? sizeof(kUtf8Mark) : 0;
    int count = length > 0 ? WideCharToMultiByte(codePage, 0, units, static_cast<int>(length), nullptr, 0, nullptr, nullptr) : 0;
    unsigned char* bytes = static_cast<unsigned char*>(HeapAlloc(GetProcessHeap(), 0, mark + count + 1));
    if (bytes == nullptr) {
        return nullptr;
    }
    memcpy(bytes, kUtf8Mark, mark);
    if (count > 0) {
        WideCharToMultiByte(codePage, 0, units, static_cast<int>(length), reinterpret_cast<char*>(bytes + mark), count,
                            nullptr, nullptr);
    }
    *size = mark + static_cast<DWORD>(count);
    return bytes;
}

static bool ReplaceWithEdit(const wchar_t* path, const IniFile& current, const wchar_t* section,
                            const IniEntry* entries, size_t count, IniEncoding encoding)
{
    size_t length = EditIniText(IniText(current), section, entries, count, nullptr, 0);
    wchar_t* edited = AllocateUnits(length);
    if (edited == nullptr) {
        return false;
    }
    EditIniText(IniText(current), section, entries, count, edited, length);
    DWORD size = 0;
    unsigned char* bytes = Encode(edited, length, encoding, &size);
    bool replaced = bytes != nullptr && ReplaceFileContents(path, bytes, size);
    HeapFree(GetProcessHeap(), 0, bytes);
    HeapFree(GetProcessHeap(), 0, edited);
    return replaced;
}

// One lock per file, named after its full path with A-Z folded, as the file
// system takes names: two instances started from one folder share it.
static HANDLE CreateSaveLock(const wchar_t* path)
{
    wchar_t full[MAX_PATH] = {};
    DWORD length = GetFullPathNameW(path, MAX_PATH, full, nullptr);
    unsigned long long hash = 14695981039346656037ULL;
    for (DWORD i = 0; i < length && i < MAX_PATH; ++i) {
        hash = (hash ^ FoldAsciiCapital(full[i])) * 1099511628211ULL;
    }
    wchar_t name[64] = {};
    StringCchPrintfW(name, ARRAYSIZE(name), L"Local\\KORVATEL-settings-%016llx", hash);
    return CreateMutexW(nullptr, FALSE, name);
}

bool SaveIniFile(const wchar_t* path, const wchar_t* section, const IniEntry* entries, size_t count,
                 IniSaveForm form)
{
    HANDLE lock = CreateSaveLock(path);
    DWORD waited = lock != nullptr ? WaitForSingleObject(lock, kSaveLockWaitMs) : WAIT_FAILED;
    bool locked = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    IniFile current;
    ReadIniFile(path, &current);
    bool saved = false;
    if (locked && current.state != kIniFileUnreadable && !(form == kIniUtf16Always && current.strayZeros)) {
        IniEncoding encoding = form == kIniUtf16Always ? kIniUtf16 : current.encoding;
        saved = ReplaceWithEdit(path, current, section, entries, count, encoding);
    }
    FreeIniFile(&current);
    if (locked) {
        ReleaseMutex(lock);
    }
    if (lock != nullptr) {
        CloseHandle(lock);
    }
    return saved;
}
