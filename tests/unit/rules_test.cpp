// The rules that need no window, by their exact results: where a profile's name and line stop fitting, the
// scanner, octets and adapter names; the order of the rows and which rows a move takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/code_page_text.h"
#include "listview/row_rules.h"
#include "profiles/profile_file.h"
#include "profiles/profile_format.h"

// A DHCP line has 40 bytes around the name, a static one with three-digit
// numbers 74; "_auto.bat" takes 9 of a file name's 255 characters. A name of
// 256 has no terminator in its buffer.
TEST(ProfileFormat, NamesAndLinesThatDoNotFitAreRefusedWhole)
{
    const struct { size_t name; bool dhcp; int line; size_t fileName; } cases[] = {
        { 215, true, 255, 224 }, { 216, true, -1, 225 }, { 181, false, 255, 201 }, { 182, false, -1, 202 },
        { 246, true, -1, 255 }, { 247, true, -1, 0 }, { kAdapterNameCapacity, true, -1, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AddressProfile p = { {}, {}, c.dhcp, { 192, 168, 100, 100 }, { 255, 255, 255, 255 } };
        std::fill_n(p.adapterName, c.name, L'n');
        std::fill_n(p.adapterNameAnsi, c.name, 'n');
        char line[kProfileLineCapacity];
        wchar_t fileName[kProfileFileNameCapacity];
        EXPECT_EQ(ProfileLine(p, line), c.line);
        EXPECT_EQ(ProfileFileName(p, fileName), c.fileName != 0);
        EXPECT_EQ(std::wstring(fileName).size(), c.fileName);
    }
}

// What the scanner finds in a buffer of exactly the text's size less `cut`:
// "name" keyword count: address/mask.
static std::string Scan(const std::string& text, size_t cut = 0)
{
    std::vector<char> exact(text.begin(), text.end() - cut);
    AddressProfile p;
    int found = ParseProfileText(exact.data(), exact.size(), p);
    char numbers[128];
    snprintf(numbers, sizeof(numbers), "%d: %d.%d.%d.%d/%d.%d.%d.%d", found, p.address[0], p.address[1],
             p.address[2], p.address[3], p.mask[0], p.mask[1], p.mask[2], p.mask[3]);
    return "\"" + std::string(p.adapterNameAnsi) + (p.isDhcp ? "\" dhcp " : "\" - ") + numbers;
}

TEST(ProfileScanner, NameKeywordAndNumbers)
{
    const std::string netsh = "netsh interface ip set address ", n255(255, 'n');
    const struct { std::string text, found; } cases[] = {
        { netsh + "\"Eth 2\" static 10.0.0.1 255.0.0.0\r\n", "\"Eth 2\" - 8: 10.0.0.1/255.0.0.0" },
        { netsh + "\"dhcp static 7\" static 1.2.3.4 5.6.7.8\r\n", "\"dhcp static 7\" - 8: 1.2.3.4/5.6.7.8" },
        { netsh + "\"static 1\" dhcp\r\n", "\"static 1\" dhcp 0: 0.0.0.0/0.0.0.0" },
        { "\"e\" static 1.2.3.4 5.6.7.8 9.10\r\n", "\"e\" - 8: 1.2.3.4/5.6.7.8" },
        { "netsh 1.2.3.4 \"e\" dhcp 9.9.9.9\r\n", "\"e\" dhcp 0: 0.0.0.0/0.0.0.0" },
        { "77 \"e\" static 1.2.3\r\n", "\"e\" - 3: 1.2.3.0/0.0.0.0" },
        { "\"e\" static 300.-5.0.1 255.0.0.0", "\"e\" - 8: 300.5.0.1/255.0.0.0" },
        { "\"e\" static 99999999999999999999.2147483648.4", "\"e\" - 3: 2147483647.2147483647.4.0/0.0.0.0" },
        { std::string("\"a\" static 1.2\0.3.4", 19), "\"a\" - 2: 1.2.0.0/0.0.0.0" },
        // Unclosed, empty (its closing quote opens no other name), too long for the profile.
        { netsh + "\"eth0 static 1.2.3.4 5.6.7.8", "\"\" - 8: 1.2.3.4/5.6.7.8" },
        { "\"\" dhcp \"later\"\r\n", "\"\" dhcp 0: 0.0.0.0/0.0.0.0" },
        { "\"", "\"\" - 0: 0.0.0.0/0.0.0.0" },
        { "\"" + n255 + "\" dhcp", "\"" + n255 + "\" dhcp 0: 0.0.0.0/0.0.0.0" },
        { "\"" + n255 + "n\" dhcp", "\"\" dhcp 0: 0.0.0.0/0.0.0.0" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Scan(c.text), c.found) << c.text;
    }
    EXPECT_EQ(Scan("\"abc\"", 1), "\"\" - 0: 0.0.0.0/0.0.0.0");   // the closing quote lies beyond the data
}

// Every text of up to four characters from digits and their near misses: one to three ASCII digits up to 255.
TEST(ProfileFormat, AnOctetIsOneToThreeDigitsUpTo255)
{
    const wchar_t kUnits[] = L"0125 -+.x\xFF11";
    std::vector<std::wstring> texts = { L"" };
    for (size_t i = 0; i < texts.size() && texts[i].size() < 4; ++i) {
        for (wchar_t unit : std::wstring(kUnits)) {
            texts.push_back(texts[i] + unit);
        }
    }
    for (const std::wstring& text : texts) {
        bool digits = !text.empty() && text.size() <= 3 && text.find_first_not_of(L"0123456789") == std::wstring::npos;
        int wanted = digits && std::stoi(text) <= 255 ? std::stoi(text) : -1, value = -1;
        EXPECT_EQ(ParseOctetText(text.c_str(), &value), wanted >= 0) << testing::PrintToString(text);
        EXPECT_EQ(value, wanted) << testing::PrintToString(text);
    }
}

// Names checked in UTF-16, then encoded in an ANSI code page that must give
// them back, also as cmd.exe reads them in the OEM code page.
TEST(ProfileFormat, AdapterNamesThatCannotMakeASoundProfile)
{
    const struct {
        std::wstring name;
        AdapterNameVerdict rules;
        UINT ansi = 0, oem = 0;
        AdapterNameVerdict encoded = kAdapterNameSound;
    } cases[] = {
        { L"Eth\"0", kAdapterNameBreaksCommand }, { L"eth%PATH%", kAdapterNameBreaksCommand },
        { L"tab\there", kAdapterNameBreaksCommand }, { L"eth\r\nnet user", kAdapterNameBreaksCommand },
        { L"del\x7f", kAdapterNameBreaksCommand }, { L"c1\x85", kAdapterNameBreaksCommand },
        { L"..\\..\\evil", kAdapterNameBreaksPath }, { L"a/b", kAdapterNameBreaksPath }, { L"C:", kAdapterNameBreaksPath },
        { L"st*r", kAdapterNameBreaksPath }, { L"what?", kAdapterNameBreaksPath }, { L"<x>", kAdapterNameBreaksPath },
        { L"a|b", kAdapterNameBreaksPath }, { L".", kAdapterNameBreaksPath }, { L"..", kAdapterNameBreaksPath },
        { L"", kAdapterNameMissing }, { std::wstring(256, L'n'), kAdapterNameTooLong },
        { std::wstring(255, L'n'), kAdapterNameSound, 932, 932, kAdapterNameSound },
        { L"...", kAdapterNameSound, 932, 932, kAdapterNameSound },
        { std::wstring(128, L'\x30a2'), kAdapterNameSound, 932, 932, kAdapterNameTooLong },   // 256 bytes
        { L"Ethernet caf\x00e9", kAdapterNameSound, 932, 932, kAdapterNameNotInCodePage },
        { L"\xc774\xb354\xb137", kAdapterNameSound, 932, 932, kAdapterNameNotInCodePage },
        { L"Ethernet caf\x00e9", kAdapterNameSound, 1252, 1252, kAdapterNameSound },
        { L"Ethernet caf\x00e9", kAdapterNameSound, 1252, 437, kAdapterNameNotInCodePage },
        { L"eth\x20ac", kAdapterNameSound, 1252, 850, kAdapterNameNotInCodePage },
        { L"Ethernet 2", kAdapterNameSound, 1252, 437, kAdapterNameSound },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.name));
        EXPECT_EQ(CheckAdapterName(c.name.c_str(), c.name.size()), c.rules);
        if (c.ansi != 0) {
            AddressProfile profile = {};
            c.name.copy(profile.adapterName, c.name.size());
            EXPECT_EQ(EncodeAdapterName(profile, c.ansi, c.oem), c.encoded);
            EXPECT_EQ(profile.adapterNameAnsi[0] == '\0', c.encoded != kAdapterNameSound);
        }
    }
}

// Capitals A to Z compare as lower case, every other unit as it is, by the first differing unit's unsigned
// difference; only the first 255 characters take part.
TEST(CompareRowTexts, FoldsOnlyAsciiCapitalsAndGivesTheUnsignedDifference)
{
    const std::wstring n254(254, L'n');
    const struct { std::wstring first, second; int result; } cases[] = {
        { L"", L"", 0 }, { L"Abc", L"aBC", 0 }, { L"Z", L"z", 0 }, { L"a", L"B", -1 }, { L"b.bat", L"A.bat", 1 },
        { L"@", L"`", -32 }, { L"[", L"{", -32 }, { L"_", L"a", -2 }, { L"\xC0", L"\xE0", -32 }, { L"\xFF21", L"\xFF41", -32 },
        { L"ab", L"a", L'b' }, { L"A", L"ab", -L'b' }, { L"\xFFFF", L"a", 0xFFFF - L'a' }, { L"a", L"\xFFFF", L'a' - 0xFFFF },
        { n254 + L"a", n254 + L"B", -1 }, { n254 + L"ax", n254 + L"ay", 0 }, { n254 + L"A", n254 + L"a" + n254, 0 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareRowTexts(c.first.c_str(), c.second.c_str()), c.result)
            << testing::PrintToString(c.first) << " vs " << testing::PrintToString(c.second);
    }
}

// Every selection of up to seven rows, both ways: the block of selected rows at the end the rows move towards
// stays, and the rest move from that end.
TEST(PlanRowMoves, ABlockAtTheEndStaysAndTheRestMoveFromThatEnd)
{
    for (int rowCount = 0; rowCount <= 7; ++rowCount) {
        for (int selection = 0; selection < 1 << rowCount; ++selection) {
            for (bool down : { false, true }) {
                std::vector<int> rows, wanted;
                for (int row = 0; row < rowCount; ++row) {
                    if (selection & (1 << row)) {
                        rows.push_back(row);
                    }
                }
                wanted = rows;
                if (down) {
                    std::reverse(wanted.begin(), wanted.end());
                }
                int edge = down ? rowCount - 1 : 0, step = down ? -1 : 1;
                size_t staying = 0;
                while (staying < wanted.size() && wanted[staying] == edge + step * static_cast<int>(staying)) {
                    ++staying;
                }
                wanted.erase(wanted.begin(), wanted.begin() + static_cast<std::ptrdiff_t>(staying));
                int moving[8];
                int moved = PlanRowMoves(rows.data(), static_cast<int>(rows.size()), rowCount, down, moving);
                ASSERT_EQ(std::vector<int>(moving, moving + moved), wanted)
                    << (down ? "down " : "up ") << testing::PrintToString(rows) << " of " << rowCount;
            }
        }
    }
}

// A file is a profile by its own name, whatever its 8.3 short name ends in.
TEST(ProfileFormat, OnlyANameEndingInBatIsAProfile)
{
    const struct { const wchar_t* name; bool profile; } cases[] = {
        { L"c.Bat", true }, { L"Ethernet_auto.BAT", true }, { L"x.batch", false }, { L"a.bat_old", false },
        { L"b.BAT.txt", false }, { L"bat", false }, { L"d.\xFF42\xFF41\xFF54", false },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsProfileFileName(c.name), c.profile) << ::testing::PrintToString(std::wstring(c.name));
    }
}

// Windows fails a conversion in UTF-8 or GB18030 that asks for anything but the check for invalid characters,
// where Wine takes any flag: the flags are chosen by the code page.
TEST(CodePageText, EachCodePageGetsTheFlagsWindowsAllowsForIt)
{
    const struct { UINT codePage; DWORD encoding, decoding; } cases[] = {
        { 932, WC_NO_BEST_FIT_CHARS, MB_PRECOMPOSED }, { 1252, WC_NO_BEST_FIT_CHARS, MB_PRECOMPOSED },
        { CP_UTF8, 0, 0 }, { 54936, 0, 0 }, { 50220, 0, 0 },
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(EncodingFlags(c.codePage) == c.encoding && DecodingFlags(c.codePage) == c.decoding) << c.codePage;
    }
}
