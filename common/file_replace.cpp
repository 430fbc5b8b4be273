#include "common/file_replace.h"

#include <strsafe.h>

enum { kHeldFileAttempts = 20, kHeldFileRetryMs = 50 };

static bool IsHeldByAnother(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

HANDLE OpenHeldFile(const wchar_t* path, DWORD access, DWORD share, DWORD disposition)
{
    for (int attempt = 1;; ++attempt) {
        HANDLE file = CreateFileW(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || !IsHeldByAnother(GetLastError()) || attempt == kHeldFileAttempts) {
            return file;
        }
        Sleep(kHeldFileRetryMs);
    }
}

bool BuildReplacementPath(const wchar_t* path, wchar_t (&replacement)[MAX_PATH])
{
    size_t length = 0;
    if (FAILED(StringCchCopyW(replacement, MAX_PATH, path)) || FAILED(StringCchLengthW(replacement, MAX_PATH, &length))
        || length == 0) {
        ZeroMemory(replacement, sizeof(replacement));
        return false;
    }
    replacement[length - 1] = L'~';
    return true;
}

static bool WriteWholeFile(const wchar_t* path, const void* bytes, DWORD size)
{
    HANDLE file = OpenHeldFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    bool complete = WriteFile(file, bytes, size, &written, nullptr) && written == size && FlushFileBuffers(file);
    return CloseHandle(file) && complete;
}

// The platform replaces a read-only file on some systems and refuses it on
// others; it is refused here on every one.
static bool IsReadOnly(const wchar_t* path)
{
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

static bool MoveOver(const wchar_t* from, const wchar_t* to)
{
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        DWORD error = GetLastError();
        if ((!IsHeldByAnother(error) && error != ERROR_ACCESS_DENIED) || attempt == kHeldFileAttempts) {
            return false;
        }
        Sleep(kHeldFileRetryMs);
    }
}

bool ReplaceFileContents(const wchar_t* path, const void* bytes, DWORD size)
{
    wchar_t replacement[MAX_PATH];
    if (!BuildReplacementPath(path, replacement) || IsReadOnly(path)) {
        return false;
    }
    if (WriteWholeFile(replacement, bytes, size) && MoveOver(replacement, path)) {
        return true;
    }
    DeleteFileW(replacement);
    return false;
}
