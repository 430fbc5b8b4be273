// The helper's rules on the values of dunmere.ini, its stages and its place.
#include <gtest/gtest.h>

#include <climits>

#include "common/screen_rules.h"
#include "handoff/helper_numbers.h"
#include "helper/helper_rules.h"

// A time without digits falls back and is bounded to 0 .. 60000 ms; a
// position keeps its sign and is held within the int range.
TEST(HelperRules, NumbersReadLikeTheIniFunctionsAndAreBounded)
{
    const struct { const wchar_t* text; int time, position; } cases[] = {
        { L"1500", 1500, 1500 }, { L"  20", 20, 20 }, { L"+7", 7, 7 }, { L"12abc", 12, 12 }, { L"0", 0, 0 },
        { L"", 5000, 0 }, { L"abc", 5000, 0 }, { L"- 5", 5000, 0 }, { nullptr, 5000, 0 }, { L"-300", 0, -300 },
        { L"60001", 60000, 60001 }, { L"4294967296", 60000, INT_MAX }, { L"-99999999999999999999999", 0, INT_MIN },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadHelperTime(c.text, 5000), c.time) << (c.text ? c.text : L"(null)");
        EXPECT_EQ(ReadHelperPosition(c.text), c.position) << (c.text ? c.text : L"(null)");
    }
}

// A stage is skipped when its value is empty or its time 0.
TEST(HelperRules, StagesSkipEmptyValuesAndZeroTimes)
{
    const struct { HelperPlan plan; HelperStage first, second; } cases[] = {
        { { 5000, 5000, true, true }, kStageId, kStagePassword }, { { 5000, 5000, false, true }, kStagePassword, kStageDone },
        { { 5000, 5000, true, false }, kStageId, kStageDone }, { { 0, 5000, true, true }, kStagePassword, kStageDone },
        { { 5000, 0, true, true }, kStageId, kStageDone }, { { 0, 0, true, true }, kStageDone, kStageDone },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FirstHelperStage(c.plan), c.first) << &c - cases;
        EXPECT_EQ(NextHelperStage(c.plan, c.first), c.second) << &c - cases;
    }
}

TEST(HelperRules, SecondsCountUpAndTheWindowStaysOnItsMonitor)
{
    const long long seconds[][2] = { { 5000, 5 }, { 4001, 5 }, { 1, 1 }, { 0, 0 }, { -250, 0 }, { LLONG_MAX, 60 } };
    for (const auto& c : seconds) {
        EXPECT_EQ(RemainingSeconds(c[0]), c[1]) << c[0];
    }
    const long long places[][5] = {  // position, size, monitor start and end, expected
        { 100, 126, 0, 1920, 100 }, { -50, 126, 0, 1920, 0 }, { 99999, 126, 0, 1920, 1794 }, { INT_MAX, 68, 0, 1040, 972 },
        { LLONG_MIN, 68, 0, 1040, 0 }, { -50, 126, -1920, 0, -126 }, { -5000, 126, -1920, 0, -1920 }, { 0, 200, 0, 100, -100 },
    };
    for (const auto& c : places) {
        EXPECT_EQ(ClampToSpan(c[0], static_cast<int>(c[1]), static_cast<int>(c[2]), static_cast<int>(c[3])), c[4]) << c[0];
    }
}
