#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listview/row_rules.h"

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
