#include <gtest/gtest.h>

#include <string>

#include "listview/row_compare.h"

TEST(CompareRowTexts, FoldsOnlyAsciiCapitals)
{
    EXPECT_EQ(CompareRowTexts(L"abc.bat", L"ABC.bat"), 0);
    EXPECT_EQ(CompareRowTexts(L"Home.BAT", L"hOME.bat"), 0);
    // Full-width, accented and Greek letters keep their own code units.
    EXPECT_EQ(CompareRowTexts(L"\xFF21", L"\xFF41"), 0xFF21 - 0xFF41);
    EXPECT_NE(CompareRowTexts(L"\x00C9", L"\x00E9"), 0);
    EXPECT_NE(CompareRowTexts(L"\x0391", L"\x03B1"), 0);
    // '@' and '[' lie next to A-Z and stay where they are, so Z, taken as
    // z, sorts after '[' and before '{'.
    EXPECT_EQ(CompareRowTexts(L"@", L"A"), 0x40 - 0x61);
    EXPECT_EQ(CompareRowTexts(L"[", L"Z"), 0x5B - 0x7A);
    EXPECT_EQ(CompareRowTexts(L"{", L"Z"), 0x7B - 0x7A);
}

TEST(CompareRowTexts, ResultIsTheDifferenceOfTheFirstDifferingPair)
{
    // '_' (0x5F) lies below 'b' (0x62) once the capitals are lowered.
    EXPECT_EQ(CompareRowTexts(L"a_x.bat", L"ab.bat"), 0x5F - 0x62);
    EXPECT_EQ(CompareRowTexts(L"aB.bat", L"a_x.bat"), 0x62 - 0x5F);
    EXPECT_EQ(CompareRowTexts(L"b.bat", L"a.bat"), 1);
}

TEST(CompareRowTexts, UnitsAboveTheSignedRangeCompareUnsigned)
{
    EXPECT_GT(CompareRowTexts(L"\xFFFF", L"a"), 0);
    EXPECT_GT(CompareRowTexts(L"\xD83D\xDE00", L"\x30A2"), 0);
}

TEST(CompareRowTexts, APrefixSortsFirst)
{
    EXPECT_LT(CompareRowTexts(L"ab", L"abc"), 0);
    EXPECT_GT(CompareRowTexts(L"abc", L"AB"), 0);
    EXPECT_EQ(CompareRowTexts(L"", L""), 0);
    EXPECT_LT(CompareRowTexts(L"", L"a"), 0);
}

TEST(CompareRowTexts, OnlyTheFirst255CharactersCount)
{
    std::wstring common(255, L'x');
    EXPECT_EQ(CompareRowTexts((common + L"a").c_str(), (common + L"b").c_str()), 0);
    EXPECT_EQ(CompareRowTexts((common + L"a").c_str(), common.c_str()), 0);
    std::wstring shorter(254, L'x');
    EXPECT_LT(CompareRowTexts((shorter + L"a").c_str(), (shorter + L"b").c_str()), 0);
}
