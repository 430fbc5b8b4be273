// The settings files' reader against the platform's own private-profile functions over many generated files,
// and the editor that sets keys while every other line stays.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/ini_file.h"
#include "support/temp_dir.h"

namespace {

const wchar_t* const kNumberKeys[] = { L"moto_x", L"moto_y", L"moto_w", L"colum_w1", L"pw_mode", L"ofset_x", L"id_time" };
const wchar_t* const kTextKeys[] = { L"id_wcs", L"pw_wcs", L"pw_time" };

std::wstring RandomCase(std::mt19937& random, const std::wstring& text)
{
    std::wstring changed = text;
    for (wchar_t& unit : changed) {
        if (unit >= L'a' && unit <= L'z' && random() % 3 == 0) {
            unit = static_cast<wchar_t>(unit - L'a' + L'A');
        }
    }
    return changed;
}

template <size_t N>
std::wstring Pick(std::mt19937& random, const wchar_t* const (&choices)[N])
{
    return choices[random() % N];
}

std::wstring RandomLine(std::mt19937& random)
{
    const wchar_t* const sections[] = { L"[Setting]", L"[setting]", L"[ SETTING ]", L"[Other]", L"[Setting] ; note",
                                        L"[Setting", L"[]", L"\t[Setting]  " };
    const wchar_t* const values[] = {
        L"0", L"-5", L"12abc", L" 7", L"0x1F", L"0X1F", L"0o17", L"0b101", L"4294967297", L"-2147483649", L"+3",
        L"\"42\"", L"'9'", L"\"5", L"", L"abc", L"99999999999999999999999999999999", L"1\x1a", L"\"\"", L"'",
        L"ID", L"\"quoted\"", L"'single'", L" spaced \t", L"\x65E5\x672C\x8A9E", L"a\"b", L"\" x \"", L"-0x10",
    };
    const wchar_t* const separators[] = { L"=", L" = ", L"\t=", L"= ", L"" };
    switch (random() % 8) {
    case 0:
        return Pick(random, sections);
    case 1:
        return random() % 2 ? L"; moto_x=9" : L"";
    case 2:
        return L"  " + RandomCase(random, Pick(random, kNumberKeys));
    case 3: {
        std::wstring value(250 + random() % 10, L'v');
        return RandomCase(random, Pick(random, kTextKeys)) + L"=" + (random() % 2 ? L"\"" + value + L"\"" : value);
    }
    default: {
        const bool number = random() % 2 != 0;
        std::wstring key = number ? Pick(random, kNumberKeys) : Pick(random, kTextKeys);
        return RandomCase(random, key) + Pick(random, separators) + Pick(random, values);
    }
    }
}

std::string Encode(const std::wstring& text, int form)
{
    std::string bytes;
    switch (form) {
    case 0:
    case 1: {   // the ANSI code page, the second time with a stray zero byte
        int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
        bytes.resize(static_cast<size_t>(size));
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size, nullptr, nullptr);
        if (form == 1) {
            bytes.insert(bytes.size() / 2, 1, '\0');
        }
        return bytes;
    }
    case 2: {
        int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
        bytes.resize(static_cast<size_t>(size));
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size, nullptr, nullptr);
        return "\xEF\xBB\xBF" + bytes;
    }
    default:   // UTF-16 behind its mark, little or big endian
        for (wchar_t unit : L"\xFEFF" + text) {
            char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
            bytes += form == 3 ? std::string{ low, high } : std::string{ high, low };
        }
        return bytes;
    }
}

} // namespace

// Every value the programs read comes out as GetPrivateProfileIntW and GetPrivateProfileStringW give it: the
// first matching section and key in any case, blanks and one pair of quotes dropped, the defaults for missing
// and empty values, the buffers' lengths.
TEST(IniFile, ReadsEveryValueAsThePlatformDoes)
{
    TempDir folder;
    const std::wstring path = folder / L"generated.ini";
    std::mt19937 random(20261207);
    const wchar_t* const breaks[] = { L"\r\n", L"\r\n", L"\n", L"\r", L"\r\n\r\n" };
    for (int round = 0; round < 400; ++round) {
        std::wstring text;
        for (int line = 0, lines = 1 + static_cast<int>(random() % 14); line < lines; ++line) {
            text += RandomLine(random) + (line + 1 < lines || random() % 2 ? Pick(random, breaks) : L"");
        }
        WriteBytes(path, Encode(text, static_cast<int>(random() % 5)));
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());   // the platform reads it afresh
        IniFile file;
        ReadIniFile(path.c_str(), &file);
        ASSERT_EQ(file.state, kIniFileRead);
        SCOPED_TRACE(::testing::PrintToString(text));
        for (const wchar_t* key : kNumberKeys) {
            IniSpan value;
            int ours = FindIniValue(IniText(file), L"Setting", key, &value) ? IniValueNumber(value, -200) : -200;
            EXPECT_EQ(ours, static_cast<int>(GetPrivateProfileIntW(L"Setting", key, -200, path.c_str()))) << key;
        }
        for (const wchar_t* key : kTextKeys) {
            for (size_t capacity : { 64, 256 }) {
                wchar_t platform[256] = {}, ours[256] = {};
                DWORD length = GetPrivateProfileStringW(L"Setting", key, L"ID", platform, static_cast<DWORD>(capacity),
                                                        path.c_str());
                IniSpan value;
                size_t copied = FindIniValue(IniText(file), L"Setting", key, &value)
                    ? CopyIniValue(value, ours, capacity) : (wcscpy(ours, L"ID"), 2);
                EXPECT_TRUE(copied == length && std::wstring(ours) == platform) << key << " " << capacity;
            }
        }
        FreeIniFile(&file);
    }
}

// A key's first line in the first section of its name is replaced, a missing key goes after the section's
// last line that is not blank, a missing section at the end; every other line stays as it was.
TEST(IniRules, SettingKeysKeepsEveryOtherLine)
{
    const IniEntry entries[] = { { L"moto_x", L"5" }, { L"pw_mode", L"1" } };
    const struct { std::wstring before, after; } cases[] = {
        { L"", L"[Setting]\r\nmoto_x=5\r\npw_mode=1\r\n" },
        { L"; mine\r\n[Other]\r\nmoto_x=9", L"; mine\r\n[Other]\r\nmoto_x=9\r\n[Setting]\r\nmoto_x=5\r\npw_mode=1\r\n" },
        { L"[ setting ]\r\n  MOTO_X = 7 \r\n\r\n; keep\r\n\r\n[Other]\r\npw_mode=3\r\n",
          L"[ setting ]\r\nmoto_x=5\r\n\r\n; keep\r\npw_mode=1\r\n\r\n[Other]\r\npw_mode=3\r\n" },
        { L"[Setting]\nmoto_x\npw_mode=0\nmoto_x=8", L"[Setting]\nmoto_x=5\npw_mode=1\nmoto_x=8" },
        { L"[Setting]", L"[Setting]\r\nmoto_x=5\r\npw_mode=1\r\n" },
        { L"[Setting]\r\n[Setting]\r\nmoto_x=1\r\n", L"[Setting]\r\nmoto_x=5\r\npw_mode=1\r\n[Setting]\r\nmoto_x=1\r\n" },
    };
    for (const auto& c : cases) {
        IniSpan before = { c.before.data(), c.before.size() };
        std::wstring after(EditIniText(before, L"Setting", entries, 2, nullptr, 0), L'?');
        EditIniText(before, L"Setting", entries, 2, &after[0], after.size());
        EXPECT_EQ(after, c.after) << ::testing::PrintToString(c.before);
    }
}

// korvatel.ini without a mark is kept in its code page byte for byte, but for the keys set: a lone lead byte
// before a line break, a lead byte whose next byte is no trail byte, UTF-8 text from another machine, bytes
// that are no UTF-8 in a file marked as UTF-8, a lead byte at the very end. The keys after such a line are
// read as they stand.
TEST(IniFile, ASaveKeepsTheBytesOfEveryOtherLine)
{
    ASSERT_EQ(GetACP(), 932u);
    TempDir folder;
    const std::wstring path = folder / L"korvatel.ini";
    const IniEntry entries[] = { { L"moto_x", L"5" }, { L"pw_mode", L"1" } };
    const std::string kSet = "moto_x=5\r\npw_mode=1\r\n";
    const struct { std::string before, after; } cases[] = {
        { "[Setting]\nnote=\x81\nmoto_x=1\n", "[Setting]\nnote=\x81\nmoto_x=5\npw_mode=1\r\n" },
        { "[Setting]\r\nnote=\x82\x7f!\x82 \r\nmoto_x=1\r\n", "[Setting]\r\nnote=\x82\x7f!\x82 \r\n" + kSet },
        { "; \xE6\x97\xA5\xE6\x9C\xAC\r\n[Setting]\r\nmoto_x=1\r\n", "; \xE6\x97\xA5\xE6\x9C\xAC\r\n[Setting]\r\n" + kSet },
        { "\xEF\xBB\xBF[Setting]\r\nnote=\xFF\xC3\r\nmoto_x=1\r\n", "\xEF\xBB\xBF[Setting]\r\nnote=\xFF\xC3\r\n" + kSet },
        { "[Other]\r\nx=\x81", "[Other]\r\nx=\x81\r\n[Setting]\r\n" + kSet },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.before));
        WriteBytes(path, c.before);
        IniFile file;
        ReadIniFile(path.c_str(), &file);
        IniSpan value;
        EXPECT_EQ(FindIniValue(IniText(file), L"Setting", L"moto_x", &value) ? IniValueNumber(value, 0) : -1,
                  c.before[1] == 'O' ? -1 : 1);
        FreeIniFile(&file);
        EXPECT_TRUE(SaveIniFile(path.c_str(), L"Setting", entries, 2, kIniKeepEncoding));
        EXPECT_EQ(ReadBytes(path), c.after);
    }
}

// Where in the process's heaps, busy or free, the bytes stand.
static int HeapCopies(const void* needle, size_t size)
{
    HANDLE heaps[64];
    DWORD count = GetProcessHeaps(ARRAYSIZE(heaps), heaps);
    int copies = 0;
    for (DWORD i = 0; i < count && i < ARRAYSIZE(heaps); ++i) {
        HeapLock(heaps[i]);
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry)) {
            const char* data = static_cast<const char*>(entry.lpData);
            for (size_t at = 0; (entry.wFlags & (PROCESS_HEAP_REGION | PROCESS_HEAP_UNCOMMITTED_RANGE)) == 0
                                && at + size <= entry.cbData; ++at) {
                copies += memcmp(data + at, needle, size) == 0;
            }
        }
        HeapUnlock(heaps[i]);
    }
    return copies;
}

// The password of dunmere.ini, read and saved (converted to UTF-16 from ANSI and kept in UTF-16), stays in no
// block of the heap once the file is freed. The file is written from the stack, so that no copy comes from the
// test itself.
TEST(IniFile, NoPasswordIsLeftInTheHeap)
{
    TempDir folder;
    const std::wstring path = folder / L"dunmere.ini";
    const char ansi[] = "[Setting]\r\npw_wcs=Wipe.Me-7Qz\r\n";
    const wchar_t needle[] = L"Wipe.Me-7Qz";
    const IniEntry entries[] = { { L"id_time", L"100" } };
    for (int round = 0; round < 2; ++round) {   // ANSI, then the UTF-16 the first save made of it
        if (round == 0) {
            HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            DWORD written = 0;
            ASSERT_TRUE(WriteFile(file, ansi, sizeof(ansi) - 1, &written, nullptr) && CloseHandle(file));
        }
        IniFile read;
        ReadIniFile(path.c_str(), &read);
        EXPECT_EQ(read.state, kIniFileRead);
        FreeIniFile(&read);
        EXPECT_TRUE(SaveIniFile(path.c_str(), L"Setting", entries, 1, kIniUtf16Always));
        EXPECT_EQ(HeapCopies(needle, sizeof(needle) - sizeof(wchar_t)), 0) << round;
        EXPECT_EQ(HeapCopies(ansi + 18, 11), 0) << round;
    }
}
