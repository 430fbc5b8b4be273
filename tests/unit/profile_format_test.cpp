// The profile file's name and line, the scanner that reads a line back, and
// the adapter-name rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "profiles/profile_format.h"

namespace {

AddressProfile MakeProfile(const std::wstring& name, bool dhcp, std::vector<int> octets = {})
{
    AddressProfile profile = {};
    for (size_t i = 0; i < name.size() && i + 1 < kAdapterNameCapacity; ++i) {
        profile.adapterName[i] = name[i];
        profile.adapterNameAnsi[i] = static_cast<char>(name[i]);
    }
    profile.isDhcp = dhcp;
    for (size_t i = 0; i < octets.size(); ++i) {
        (i < 4 ? profile.address[i] : profile.mask[i - 4]) = octets[i];
    }
    return profile;
}

std::wstring FileName(const AddressProfile& profile)
{
    wchar_t name[kProfileFileNameCapacity];
    return ProfileFileName(profile, name) ? name : L"<refused>";
}

std::string Line(const AddressProfile& profile)
{
    char line[kProfileLineCapacity];
    int length = ProfileLine(profile, line);
    return length < 0 ? "<refused>" : std::string(line, static_cast<size_t>(length));
}

struct Scanned {
    AddressProfile profile;
    int octets;
};

Scanned Scan(const std::string& text)
{
    Scanned scanned;
    scanned.octets = ParseProfileText(text.data(), text.size(), scanned.profile);
    return scanned;
}

std::vector<int> Octets(const Scanned& scanned)
{
    const AddressProfile& p = scanned.profile;
    return { p.address[0], p.address[1], p.address[2], p.address[3],
             p.mask[0], p.mask[1], p.mask[2], p.mask[3] };
}

} // namespace

TEST(ProfileFormat, DhcpAndStaticFilesByteForByte)
{
    AddressProfile wifi = MakeProfile(L"Wi-Fi", true);
    EXPECT_EQ(FileName(wifi), L"Wi-Fi_auto.bat");
    EXPECT_EQ(Line(wifi), "netsh interface ip set address \"Wi-Fi\" dhcp\r\n");
    EXPECT_EQ(Line(wifi).size(), 45u);

    AddressProfile ethernet = MakeProfile(L"Ethernet", false, { 192, 168, 1, 10, 255, 255, 255, 0 });
    EXPECT_EQ(FileName(ethernet), L"Ethernet_192_168_1_10.bat");
    EXPECT_EQ(Line(ethernet), "netsh interface ip set address \"Ethernet\" static 192.168.1.10 255.255.255.0\r\n");
    EXPECT_EQ(Line(ethernet).size(), 77u);
}

TEST(ProfileFormat, OctetsOutsideTheByteRangeAreWrittenAsTyped)
{
    AddressProfile profile = MakeProfile(L"eth0", false, { 300, -5, 0, 1, 255, 0, 0, 0 });
    EXPECT_EQ(FileName(profile), L"eth0_300_-5_0_1.bat");
    EXPECT_EQ(Line(profile), "netsh interface ip set address \"eth0\" static 300.-5.0.1 255.0.0.0\r\n");
    EXPECT_EQ(Octets(Scan(Line(profile))), (std::vector<int>{ 300, 5, 0, 1, 255, 0, 0, 0 }));
}

TEST(ProfileFormat, NamesAndLinesThatDoNotFitAreRefusedWhole)
{
    // 40 fixed bytes in a DHCP line leave 215 for the name.
    EXPECT_EQ(Line(MakeProfile(std::wstring(215, L'n'), true)).size(), 255u);
    EXPECT_EQ(Line(MakeProfile(std::wstring(216, L'n'), true)), "<refused>");
    // 74 bytes of a static line with three-digit numbers leave 181.
    std::vector<int> wide = { 192, 168, 100, 100, 255, 255, 255, 255 };
    EXPECT_EQ(Line(MakeProfile(std::wstring(181, L'n'), false, wide)).size(), 255u);
    EXPECT_EQ(Line(MakeProfile(std::wstring(182, L'n'), false, wide)), "<refused>");
    // "_auto.bat" takes 9 of the 255 characters of a file name.
    EXPECT_EQ(FileName(MakeProfile(std::wstring(246, L'n'), true)).size(), 255u);
    EXPECT_EQ(FileName(MakeProfile(std::wstring(247, L'n'), true)), L"<refused>");

    AddressProfile unterminated = MakeProfile(L"eth0", true);
    std::fill(std::begin(unterminated.adapterName), std::end(unterminated.adapterName), L'x');
    std::fill(std::begin(unterminated.adapterNameAnsi), std::end(unterminated.adapterNameAnsi), 'x');
    EXPECT_EQ(FileName(unterminated), L"<refused>");
    EXPECT_EQ(Line(unterminated), "<refused>");
}

TEST(ProfileScanner, NameAndNumbersOfAStaticLine)
{
    Scanned scanned = Scan("netsh interface ip set address \"Eth 2\" static 10.0.0.1 255.0.0.0\r\n");
    EXPECT_STREQ(scanned.profile.adapterNameAnsi, "Eth 2");
    EXPECT_STREQ(scanned.profile.adapterName, L"");   // decoded by the caller in its code page
    EXPECT_FALSE(scanned.profile.isDhcp);
    EXPECT_EQ(scanned.octets, 8);
    EXPECT_EQ(Octets(scanned), (std::vector<int>{ 10, 0, 0, 1, 255, 0, 0, 0 }));
}

TEST(ProfileScanner, KeywordsInsideTheQuotedNameAreNotTaken)
{
    Scanned dhcpNamed = Scan("netsh interface ip set address \"dhcp static 7\" static 1.2.3.4 5.6.7.8\r\n");
    EXPECT_STREQ(dhcpNamed.profile.adapterNameAnsi, "dhcp static 7");
    EXPECT_FALSE(dhcpNamed.profile.isDhcp);
    EXPECT_EQ(Octets(dhcpNamed), (std::vector<int>{ 1, 2, 3, 4, 5, 6, 7, 8 }));

    Scanned staticNamed = Scan("netsh interface ip set address \"static 1\" dhcp\r\n");
    EXPECT_STREQ(staticNamed.profile.adapterNameAnsi, "static 1");
    EXPECT_TRUE(staticNamed.profile.isDhcp);
    EXPECT_EQ(staticNamed.octets, 0);
}

TEST(ProfileScanner, TenNumbersKeepTheFirstEight)
{
    Scanned scanned = Scan("set address \"e\" static 1.2.3.4 5.6.7.8 9.10\r\n");
    EXPECT_EQ(scanned.octets, 8);
    EXPECT_EQ(Octets(scanned), (std::vector<int>{ 1, 2, 3, 4, 5, 6, 7, 8 }));
}

TEST(ProfileScanner, DhcpTakesNoNumbersAndDigitsBeforeStaticAreNotNumbers)
{
    Scanned dhcp = Scan("netsh 1.2.3.4 \"e\" dhcp 9.9.9.9\r\n");
    EXPECT_TRUE(dhcp.profile.isDhcp);
    EXPECT_EQ(dhcp.octets, 0);
    EXPECT_EQ(Octets(dhcp), std::vector<int>(8, 0));

    Scanned late = Scan("77 \"e\" static 1.2.3\r\n");
    EXPECT_EQ(late.octets, 3);
    EXPECT_EQ(Octets(late), (std::vector<int>{ 1, 2, 3, 0, 0, 0, 0, 0 }));
}

TEST(ProfileScanner, UnclosedAndEmptyQuotesGiveAnEmptyName)
{
    Scanned unclosed = Scan("netsh interface ip set address \"eth0 static 1.2.3.4 5.6.7.8");
    EXPECT_STREQ(unclosed.profile.adapterNameAnsi, "");
    EXPECT_EQ(unclosed.octets, 8);

    // The closing quote of an empty name never opens a second one.
    Scanned empty = Scan("set address \"\" dhcp \"later\"\r\n");
    EXPECT_STREQ(empty.profile.adapterNameAnsi, "");
    EXPECT_TRUE(empty.profile.isDhcp);

    Scanned lone = Scan("\"");
    EXPECT_STREQ(lone.profile.adapterNameAnsi, "");
}

TEST(ProfileScanner, NothingFoundLeavesEverythingEmpty)
{
    Scanned scanned = Scan("this is not a profile 1.2.3.4\r\n");
    EXPECT_FALSE(scanned.profile.isDhcp);
    EXPECT_STREQ(scanned.profile.adapterNameAnsi, "");
    EXPECT_EQ(scanned.octets, 0);
    EXPECT_EQ(Octets(scanned), std::vector<int>(8, 0));
}

TEST(ProfileScanner, StopsAtTheFirstZeroByteAndAtTheEndOfTheData)
{
    std::string text("\"a\" static 1.2\0.3.4", 19);
    EXPECT_EQ(Scan(text).octets, 2);
    // The quote's partner lies beyond the size given: the name is not taken.
    std::string data = "\"abc\"";
    Scanned scanned;
    ParseProfileText(data.data(), 4, scanned.profile);
    EXPECT_STREQ(scanned.profile.adapterNameAnsi, "");
}

TEST(ProfileScanner, HugeNumbersStopAtTheLargest32BitValue)
{
    Scanned scanned = Scan("\"e\" static 99999999999999999999.2147483647.2147483648.4");
    EXPECT_EQ(Octets(scanned), (std::vector<int>{ 2147483647, 2147483647, 2147483647, 4, 0, 0, 0, 0 }));
}

TEST(ProfileScanner, ANameTooLongForTheProfileIsNotTaken)
{
    Scanned fits = Scan("\"" + std::string(255, 'n') + "\" dhcp");
    EXPECT_EQ(std::string(fits.profile.adapterNameAnsi).size(), 255u);
    Scanned tooLong = Scan("\"" + std::string(256, 'n') + "\" dhcp");
    EXPECT_STREQ(tooLong.profile.adapterNameAnsi, "");
    EXPECT_TRUE(tooLong.profile.isDhcp);
}

// Random byte strings, rich in the bytes the scanner looks for, in buffers of
// exactly their own size: the scanner must never leave them or overflow.
TEST(ProfileScanner, RandomBytesNeverCrashIt)
{
    std::mt19937 random(20251207u);
    const char pieces[][8] = { "static", "dhcp", "\"", "0", "9", "255", ".", "\r\n", "\0" };
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        size_t length = random() % 300;
        while (text.size() < length) {
            if (random() % 2 == 0) {
                text += static_cast<char>(random() % 256);
            } else {
                const char* piece = pieces[random() % (sizeof(pieces) / sizeof(pieces[0]))];
                text.append(piece, piece[0] == '\0' ? 1 : std::char_traits<char>::length(piece));
            }
        }
        std::vector<char> exact(text.begin(), text.end());
        AddressProfile profile;
        int octets = ParseProfileText(exact.data(), exact.size(), profile);
        ASSERT_GE(octets, 0);
        ASSERT_LE(octets, 8);
        ASSERT_LT(std::string(profile.adapterNameAnsi).size(), static_cast<size_t>(kAdapterNameCapacity));
        ASSERT_EQ(std::string(profile.adapterNameAnsi).find('"'), std::string::npos);
    }
}

TEST(AdapterNameRules, SoundNames)
{
    const wchar_t* sound[] = { L"Ethernet", L"Wi-Fi", L"Eth 2", L"eth0.100", L"イーサネット 3",
                               L"...", L"a&b^c!(x)", L"vEthernet (Default Switch)" };
    for (const wchar_t* name : sound) {
        EXPECT_EQ(CheckAdapterName(name, std::wcslen(name)), kAdapterNameSound) << testing::PrintToString(std::wstring(name));
    }
    std::wstring longest(255, L'x');
    EXPECT_EQ(CheckAdapterName(longest.c_str(), longest.size()), kAdapterNameSound);
}

TEST(AdapterNameRules, RefusedNames)
{
    struct Case {
        std::wstring name;
        AdapterNameVerdict verdict;
    };
    const Case cases[] = {
        { L"", kAdapterNameMissing },
        { std::wstring(256, L'x'), kAdapterNameTooLong },
        { L"Eth\"0", kAdapterNameBreaksCommand },
        { L"eth%PATH%", kAdapterNameBreaksCommand },
        { L"eth\r\nnet user", kAdapterNameBreaksCommand },
        { L"tab\there", kAdapterNameBreaksCommand },
        { L"del\x7f", kAdapterNameBreaksCommand },
        { L"c1\x85", kAdapterNameBreaksCommand },
        { L"..\\..\\x", kAdapterNameBreaksPath },
        { L"a/b", kAdapterNameBreaksPath },
        { L"C:", kAdapterNameBreaksPath },
        { L"*", kAdapterNameBreaksPath },
        { L"what?", kAdapterNameBreaksPath },
        { L"<x>", kAdapterNameBreaksPath },
        { L"a|b", kAdapterNameBreaksPath },
        { L".", kAdapterNameBreaksPath },
        { L"..", kAdapterNameBreaksPath },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckAdapterName(c.name.c_str(), c.name.size()), c.verdict) << testing::PrintToString(c.name);
    }
    // A zero inside the given length is a control character, not an end.
    EXPECT_EQ(CheckAdapterName(L"a\0b", 3), kAdapterNameBreaksCommand);
}
