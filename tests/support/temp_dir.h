// A fresh folder under the temporary directory, removed with everything in it when the object goes; and
// small file helpers for tests.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

class TempDir {
public:
    TempDir()
    {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        static unsigned counter = 0;
        do {
            path_ = folder + (L"kvt" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++counter));
        } while (!CreateDirectoryW(path_.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
    }

    // The shell removes the whole tree, read-only files included.
    ~TempDir()
    {
        std::wstring from = path_ + L'\0';
        SHFILEOPSTRUCTW removal = {};
        removal.wFunc = FO_DELETE;
        removal.pFrom = from.c_str();
        removal.fFlags = FOF_NO_UI;
        SHFileOperationW(&removal);
    }

    const std::wstring& path() const { return path_; }
    std::wstring operator/(const std::wstring& relative) const { return path_ + L"\\" + relative; }

private:
    std::wstring path_;
};

inline bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

inline void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream file(path.c_str(), std::ios::binary);
    ASSERT_TRUE(file << bytes) << "cannot write a test file";
}

// UTF-16 units as bytes, low byte first unless bigEndian.
inline std::string Utf16Bytes(const std::wstring& text, bool bigEndian = false)
{
    std::string bytes;
    for (wchar_t unit : text) {
        bytes += { static_cast<char>(bigEndian ? unit >> 8 : unit), static_cast<char>(bigEndian ? unit : unit >> 8) };
    }
    return bytes;
}

// UTF-16LE text behind its byte order mark, as the private-profile functions keep every character of it.
inline void WriteUtf16Text(const std::wstring& path, const std::wstring& text)
{
    WriteBytes(path, Utf16Bytes(L"\xFEFF" + text));
}

inline std::string ReadBytes(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// A whole file of ANSI text as UTF-16; one that starts with the UTF-16LE mark is taken as it is, mark and all,
// so that a comparison of the whole text also checks the mark.
inline std::wstring ReadText(const std::wstring& path)
{
    std::string bytes = ReadBytes(path);
    if (bytes.compare(0, 2, "\xFF\xFE") == 0) {
        return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
    }
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                        &text[0], static_cast<int>(text.size()))));
    return text;
}

// Text as a failure message shows it: UTF-8 in quotes, so that Japanese reads as Japanese.
inline std::string Shown(const std::wstring& text)
{
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &utf8[0],
                                                        static_cast<int>(utf8.size()), nullptr, nullptr)));
    return "\"" + utf8 + "\"";
}
