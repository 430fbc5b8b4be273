#include "common/ini_file.h"

#include <string.h>
#include <strsafe.h>

#include "common/code_page_text.h"
#include "common/file_replace.h"
#include "common/text_rules.h"

// Every size here stays well inside the int counts of the code-page
// conversions, whatever the encoding.
static const LONGLONG kLargestIniFile = 0x10000000;   // 256 MiB
// Another instance saving the same file is done in well under this.
enum { kSaveLockWaitMs = 10000 };

static const unsigned char kUtf8Mark[] = { 0xEF, 0xBB, 0xBF };
static const wchar_t kByteOrderMark = 0xFEFF;

// Every block that held a file's text is wiped before it goes back to the heap.
static void FreeWiped(void* block, size_t size)
{
    if (block != nullptr) {
        SecureZeroMemory(block, size);
        HeapFree(GetProcessHeap(), 0, block);
    }
}

void FreeIniFile(IniFile* file)
{
    FreeWiped(file->units, file->units != nullptr ? (file->length + 1) * sizeof(wchar_t) : 0);
    FreeWiped(file->bytes, file->byteCount + 1);
    file->units = nullptr;
    file->length = 0;
    file->bytes = nullptr;
    file->byteCount = 0;
}

static wchar_t* AllocateUnits(size_t count)
{
    return static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, (count + 1) * sizeof(wchar_t)));
}

// The text of a file in a code page, behind its mark.
struct CodePageBytes {
    UINT codePage;
    const unsigned char* bytes;
    size_t size;
};

static bool IsLineBreakByte(unsigned char byte)
{
    return byte == '\r' || byte == '\n';
}

// The units of the run of bytes at `at`: a CR or LF is one unit of its own,
// any other run reaches up to the next CR or LF, so that a byte no character
// takes (a lead byte before a line break) never takes the line break with
// it. Written to units unless that is null; 0 when the run does not decode.
static int DecodeRun(const CodePageBytes& text, size_t at, size_t* next, wchar_t* units, int capacity)
{
    if (IsLineBreakByte(text.bytes[at])) {
        if (units != nullptr) {
            units[0] = text.bytes[at];
        }
        *next = at + 1;
        return 1;
    }
    size_t end = at;
    while (end < text.size && !IsLineBreakByte(text.bytes[end])) {
        ++end;
    }
    *next = end;
    return DecodeCodePage(text.codePage, reinterpret_cast<const char*>(text.bytes + at), static_cast<int>(end - at),
                          units, capacity);
}

static bool DecodeLines(const CodePageBytes& text, IniFile* file)
{
    size_t count = 0;
    for (size_t at = 0, next = 0; at < text.size; at = next) {
        int units = DecodeRun(text, at, &next, nullptr, 0);
        if (units <= 0) {
            return false;
        }
        count += static_cast<size_t>(units);
    }
    file->units = AllocateUnits(count);
    if (file->units == nullptr) {
        return false;
    }
    for (size_t at = 0, next = 0; at < text.size && file->length < count; at = next) {
        file->length += static_cast<size_t>(
            DecodeRun(text, at, &next, file->units + file->length, static_cast<int>(count - file->length)));
    }
    file->strayZeros = memchr(text.bytes, 0, text.size) != nullptr;
    return file->length == count;
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

static bool Decode(IniFile* file)
{
    const unsigned char* bytes = file->bytes;
    size_t size = file->byteCount;
    if (size >= 3 && memcmp(bytes, kUtf8Mark, 3) == 0) {
        file->encoding = kIniUtf8;
        return DecodeLines({ CP_UTF8, bytes + 3, size - 3 }, file);
    }
    bool littleEndian = size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
    if (littleEndian || (size >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF)) {
        file->encoding = littleEndian ? kIniUtf16 : kIniUtf16BigEndian;
        return DecodeUtf16(bytes + 2, size - 2, !littleEndian, file);
    }
    file->encoding = kIniAnsi;
    return DecodeLines({ ProgramCodePage(), bytes, size }, file);
}

static bool ReadAllBytes(HANDLE handle, IniFile* file)
{
    LARGE_INTEGER fileSize = {};
    if (!GetFileSizeEx(handle, &fileSize) || fileSize.QuadPart > kLargestIniFile) {
        return false;
    }
    file->byteCount = static_cast<size_t>(fileSize.QuadPart);
    file->bytes = static_cast<unsigned char*>(HeapAlloc(GetProcessHeap(), 0, file->byteCount + 1));
    DWORD got = 0;
    return file->bytes != nullptr && ReadFile(handle, file->bytes, static_cast<DWORD>(file->byteCount), &got, nullptr)
        && got == file->byteCount;
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
    bool read = ReadAllBytes(handle, file);
    CloseHandle(handle);
    file->state = read && Decode(file) ? kIniFileRead : kIniFileUnreadable;
}

IniEntry IniNumberEntry(const wchar_t* key, int value, wchar_t (&text)[kIniNumberCapacity])
{
    StringCchPrintfW(text, kIniNumberCapacity, L"%d", value);
    return { key, text };
}

// An edit of a file in a code page, made into bytes: the runs it keeps are
// copied from the file as they are, the units it adds are encoded. Counted
// first with out null, then written.
struct ByteEdit {
    CodePageBytes text;
    size_t unit, byte;     // where the walk over the file stands, in units and in bytes
    unsigned char* out;
    size_t capacity, length;
    bool failed;
};

// The byte where the text's unit stands, walking on from the last one. A run
// of the edit starts only next to a line break, so it never stands inside a
// run of bytes decoded together.
static bool ByteOfUnit(ByteEdit* edit, size_t unit, size_t* byte)
{
    while (edit->unit < unit && edit->byte < edit->text.size) {
        size_t next = 0;
        int units = DecodeRun(edit->text, edit->byte, &next, nullptr, 0);
        if (units <= 0 || edit->unit + static_cast<size_t>(units) > unit) {
            return false;
        }
        edit->unit += static_cast<size_t>(units);
        edit->byte = next;
    }
    *byte = edit->byte;
    return edit->unit == unit;
}

static void PutBytes(ByteEdit* edit, const unsigned char* bytes, size_t count)
{
    if (edit->out != nullptr && edit->length <= edit->capacity && count <= edit->capacity - edit->length) {
        memcpy(edit->out + edit->length, bytes, count);
    }
    edit->length += count;
}

static void KeepFileBytes(void* context, size_t start, size_t end)
{
    ByteEdit* edit = static_cast<ByteEdit*>(context);
    size_t from = 0, to = 0;
    if (!ByteOfUnit(edit, start, &from) || !ByteOfUnit(edit, end, &to)) {
        edit->failed = true;
        return;
    }
    PutBytes(edit, edit->text.bytes + from, to - from);
}

static void AddEncodedUnits(void* context, const wchar_t* units, size_t count)
{
    ByteEdit* edit = static_cast<ByteEdit*>(context);
    if (count == 0) {
        return;
    }
    bool writing = edit->out != nullptr && edit->length < edit->capacity;
    int size = EncodeCodePage(edit->text.codePage, units, static_cast<int>(count),
                              writing ? reinterpret_cast<char*>(edit->out + edit->length) : nullptr,
                              writing ? static_cast<int>(edit->capacity - edit->length) : 0);
    edit->failed = edit->failed || size <= 0;
    edit->length += size > 0 ? static_cast<size_t>(size) : 0;
}

// The edited file in its code page behind its mark, in a heap block the
// caller frees; null when the edit cannot keep the file's bytes.
static unsigned char* EditCodePageBytes(const IniFile& current, const wchar_t* section, const IniEntry* entries,
                                        size_t count, size_t* size)
{
    size_t mark = current.encoding == kIniUtf8 ? sizeof(kUtf8Mark) : 0;
    UINT codePage = current.encoding == kIniUtf8 ? CP_UTF8 : ProgramCodePage();
    ByteEdit edit = { { codePage, current.bytes + mark, current.byteCount - mark }, 0, 0, nullptr, 0, mark, false };
    IniEditOut out = { KeepFileBytes, AddEncodedUnits, &edit };
    EditIniPieces(IniText(current), section, entries, count, out);
    size_t needed = edit.length;
    unsigned char* bytes = static_cast<unsigned char*>(HeapAlloc(GetProcessHeap(), 0, needed));
    if (edit.failed || bytes == nullptr) {
        FreeWiped(bytes, needed);
        return nullptr;
    }
    if (mark > 0) {
        memcpy(bytes, kUtf8Mark, mark);
    }
    edit = { edit.text, 0, 0, bytes, needed, mark, false };
    EditIniPieces(IniText(current), section, entries, count, out);
    if (edit.failed || edit.length != needed) {
        FreeWiped(bytes, needed);
        return nullptr;
    }
    *size = needed;
    return bytes;
}

// The edited text as UTF-16 in either byte order, behind its mark, in a heap
// block the caller frees.
static unsigned char* EditUtf16Bytes(const IniFile& current, const wchar_t* section, const IniEntry* entries,
                                     size_t count, IniEncoding encoding, size_t* size)
{
    size_t length = EditIniText(IniText(current), section, entries, count, nullptr, 0);
    wchar_t* edited = AllocateUnits(length);
    unsigned char* bytes = static_cast<unsigned char*>(HeapAlloc(GetProcessHeap(), 0, 2 * (length + 1)));
    if (edited != nullptr && bytes != nullptr) {
        EditIniText(IniText(current), section, entries, count, edited, length);
        for (size_t i = 0; i <= length; ++i) {
            wchar_t unit = i == 0 ? kByteOrderMark : edited[i - 1];
            bytes[2 * i] = static_cast<unsigned char>(encoding == kIniUtf16 ? unit & 0xFF : unit >> 8);
            bytes[2 * i + 1] = static_cast<unsigned char>(encoding == kIniUtf16 ? unit >> 8 : unit & 0xFF);
        }
        *size = 2 * (length + 1);
    } else {
        FreeWiped(bytes, 2 * (length + 1));
        bytes = nullptr;
    }
    FreeWiped(edited, edited != nullptr ? (length + 1) * sizeof(wchar_t) : 0);
    return bytes;
}

static bool ReplaceWithEdit(const wchar_t* path, const IniFile& current, const wchar_t* section,
                            const IniEntry* entries, size_t count, IniSaveForm form)
{
    bool inCodePage = current.encoding == kIniAnsi || current.encoding == kIniUtf8;
    size_t size = 0;
    unsigned char* bytes = form == kIniKeepEncoding && inCodePage
        ? EditCodePageBytes(current, section, entries, count, &size)
        : EditUtf16Bytes(current, section, entries, count, form == kIniUtf16Always ? kIniUtf16 : current.encoding, &size);
    bool replaced = bytes != nullptr && size <= MAXDWORD && ReplaceFileContents(path, bytes, static_cast<DWORD>(size));
    FreeWiped(bytes, size);
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
        saved = ReplaceWithEdit(path, current, section, entries, count, form);
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
