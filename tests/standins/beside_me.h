// Stand-ins keep their records in the folder they were started from.
#pragma once

#include <windows.h>

#include <string>

// The full path of a file in the stand-in's own folder.
inline std::wstring BesideMe(const wchar_t* fileName)
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\') + 1) + fileName;
}
