// The rules that need no window, by their exact results: where a profile's name and line stop fitting, the
// scanner, octets and adapter names; the order of the rows and which rows a move takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "listview/row_rules.h"
#include "profiles/profile_file.h"
#include "profiles/profile_format.h"
#include "settings/typed_number.h"

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

TEST(ProfileFormat, AnOctetIsOneToThreeDigitsUpTo255)
{
    const struct { const wchar_t* text; int value; } cases[] = {
        { L"0", 0 }, { L"255", 255 }, { L"007", 7 }, { L"10", 10 },
        { L"", -1 }, { L"1921", -1 }, { L"256", -1 }, { L"300", -1 }, { L"abc", -1 }, { L"-5", -1 }, { L"+5", -1 },
        { L"1.2", -1 }, { L"0x1", -1 }, { L" 16", -1 }, { L"16 ", -1 }, { L"\xFF11", -1 },
    };
    for (const auto& c : cases) {
        int value = -1;
        EXPECT_EQ(ParseOctetText(c.text, &value), c.value >= 0) << testing::PrintToString(c.text);
        EXPECT_EQ(value, c.value) << testing::PrintToString(c.text);
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

TEST(CompareRowTexts, FoldsOnlyAsciiCapitalsAndGivesTheUnsignedDifference)
{
    const std::wstring x254(254, L'x');
    const struct {
        std::wstring first, second;
        int expected;
    } cases[] = {
        { L"abc.bat", L"ABC.bat", 0 },
        { L"a_x.bat", L"ab.bat", 0x5F - 0x62 },   // '_' below 'b' once capitals are lowered
        { L"\xFF21", L"\xFF41", 0xFF21 - 0xFF41 }, // full-width letters keep their own units
        { L"\xFFFF", L"a", 0xFFFF - 0x61 },
        { L"ab", L"abc", -0x63 },                 // a prefix first
        { x254 + L"xa", x254 + L"xb", 0 },        // only the first 255 characters count
        { x254 + L"a", x254 + L"b", -1 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareRowTexts(c.first.c_str(), c.second.c_str()), c.expected)
            << ::testing::PrintToString(c.first) << " vs " << ::testing::PrintToString(c.second);
    }
}

// Rows P Q R S T (or P Q R S): which selected rows a move takes, in the order taken.
TEST(PlanRowMoves, ABlockAtTheEndStaysAndTheRestMoveFromThatEnd)
{
    const struct { std::vector<int> rows; int rowCount; bool down; std::vector<int> moving; } cases[] = {
        { { 0, 1 }, 5, false, {} }, { { 0, 1, 3 }, 5, false, { 3 } }, { { 2, 3 }, 5, false, { 2, 3 } },
        { { 0, 2, 3 }, 5, false, { 2, 3 } }, { { 4 }, 5, true, {} }, { { 3, 4 }, 5, true, {} },
        { { 1, 2 }, 4, true, { 2, 1 } }, { { 1, 3 }, 5, true, { 3, 1 } }, { { 1, 3, 4 }, 5, true, { 1 } },
    };
    for (const auto& c : cases) {
        int moving[8];
        int moved = PlanRowMoves(c.rows.data(), static_cast<int>(c.rows.size()), c.rowCount, c.down, moving);
        EXPECT_EQ(std::vector<int>(moving, moving + moved), c.moving)
            << (c.down ? "down " : "up ") << ::testing::PrintToString(c.rows);
    }
}

// The settings dialog's numbers: blanks around one optional minus sign and digits, within the field's range.
TEST(ParseTypedNumber, TakesAWholeNumberInRangeAndNothingElse)
{
    const struct { const wchar_t* text; int low, high, value; bool taken; } cases[] = {
        { L"0", 0, 60000, 0, true }, { L" \t60000 ", 0, 60000, 60000, true }, { L"007", 0, 60000, 7, true },
        { L"-0", 0, 60000, 0, true }, { L"-2147483648", INT_MIN, INT_MAX, INT_MIN, true },
        { L"2147483647", INT_MIN, INT_MAX, INT_MAX, true }, { L"60001", 0, 60000, 0, false },
        { L"-1", 0, 60000, 0, false }, { L"2147483648", INT_MIN, INT_MAX, 0, false },
        { L"99999999999999999999999", INT_MIN, INT_MAX, 0, false }, { L"", 0, 9, 0, false }, { L" ", 0, 9, 0, false },
        { L"-", 0, 9, 0, false }, { L"+5", 0, 9, 0, false }, { L"- 5", -9, 9, 0, false }, { L"1 2", 0, 99, 0, false },
        { L"12abc", 0, 99, 0, false }, { L"1.5", 0, 9, 0, false }, { L"0x1", 0, 9, 0, false }, { L"\xFF15", 0, 9, 0, false },
        { L"5\n", 0, 9, 0, false },
    };
    for (const auto& c : cases) {
        int value = -7;
        EXPECT_EQ(ParseTypedNumber(c.text, c.low, c.high, &value), c.taken) << testing::PrintToString(c.text);
        EXPECT_EQ(value, c.taken ? c.value : -7) << testing::PrintToString(c.text);
    }
}
