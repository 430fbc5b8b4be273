#include "common/file_paths.h"

#include <strsafe.h>

bool JoinFolderAndName(wchar_t (&path)[MAX_PATH], const wchar_t* folder, const wchar_t* name)
{
    ZeroMemory(path, sizeof(path));
    if (folder[0] == L'\0' || FAILED(StringCchCopyW(path, MAX_PATH, folder))
        || FAILED(StringCchCatW(path, MAX_PATH, L"\\")) || FAILED(StringCchCatW(path, MAX_PATH, name))) {
        ZeroMemory(path, sizeof(path));
        return false;
    }
    return true;
}

bool ReadCurrentFolder(wchar_t (&folder)[MAX_PATH])
{
    ZeroMemory(folder, sizeof(folder));
    DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH) {
        ZeroMemory(folder, sizeof(folder));
        return false;
    }
    return true;
}
