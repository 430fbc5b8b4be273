// A fresh folder under the temporary directory, removed with everything in
// it when the object goes; and small file helpers for tests.
#pragma once

#include <windows.h>

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::wstring& path() const { return path_; }
    // path() + L"\\" + relative
    std::wstring operator/(const std::wstring& relative) const;

private:
    std::wstring path_;
};

void RemoveTree(const std::wstring& path);
bool FileExists(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
// Reads a whole file of UTF-8 or ANSI text as UTF-16 in the given code page.
std::wstring ReadText(const std::wstring& path, UINT codePage = CP_ACP);
