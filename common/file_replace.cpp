#include "common/file_replace.h"

static bool WriteWholeFile(const wchar_t* path, const void* bytes, DWORD size)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    bool complete = WriteFile(file, bytes, size, &written, nullptr) && written == size && FlushFileBuffers(file);
    return CloseHandle(file) && complete;
}

bool ReplaceFileContents(const wchar_t* path, const wchar_t* newPath, const void* bytes, DWORD size)
{
    if (WriteWholeFile(newPath, bytes, size)
        && MoveFileExW(newPath, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(newPath);
    return false;
}
