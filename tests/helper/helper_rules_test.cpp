// The helper's rules on the values of dunmere.ini and the order of its steps.
#include <gtest/gtest.h>

#include <climits>

#include "helper/helper_rules.h"

TEST(ReadHelperTime, ReadsDecimalNumbersLikeTheIniFunctions)
{
    EXPECT_EQ(ReadHelperTime(L"1500", 5000), 1500);
    EXPECT_EQ(ReadHelperTime(L"  20", 5000), 20);
    EXPECT_EQ(ReadHelperTime(L"+7", 5000), 7);
    EXPECT_EQ(ReadHelperTime(L"12abc", 5000), 12);
    EXPECT_EQ(ReadHelperTime(L"0", 5000), 0);
}

TEST(ReadHelperTime, TextWithoutDigitsGivesTheFallback)
{
    EXPECT_EQ(ReadHelperTime(L"", 5000), 5000);
    EXPECT_EQ(ReadHelperTime(L"abc", 5000), 5000);
    EXPECT_EQ(ReadHelperTime(L"-", 5000), 5000);
    EXPECT_EQ(ReadHelperTime(L"- 5", 5000), 5000);
    EXPECT_EQ(ReadHelperTime(nullptr, 5000), 5000);
}

TEST(ReadHelperTime, BoundsNegativeAndAbsurdTimes)
{
    EXPECT_EQ(ReadHelperTime(L"-5", 5000), 0);
    EXPECT_EQ(ReadHelperTime(L"-99999999999999999999999", 5000), 0);
    EXPECT_EQ(ReadHelperTime(L"60000", 5000), 60000);
    EXPECT_EQ(ReadHelperTime(L"60001", 5000), 60000);
    EXPECT_EQ(ReadHelperTime(L"4294967296", 5000), 60000);   // 2^32 must not wrap to 0
    EXPECT_EQ(ReadHelperTime(L"99999999999999999999999999999999", 5000), 60000);
    EXPECT_EQ(ReadHelperTime(L"", 999999), 60000);
}

TEST(ReadHelperPosition, KeepsSignsAndHoldsTheIntRange)
{
    EXPECT_EQ(ReadHelperPosition(L"-300"), -300);
    EXPECT_EQ(ReadHelperPosition(L"1794"), 1794);
    EXPECT_EQ(ReadHelperPosition(L"x"), 0);
    EXPECT_EQ(ReadHelperPosition(L""), 0);
    EXPECT_EQ(ReadHelperPosition(L"99999999999999999999"), INT_MAX);
    EXPECT_EQ(ReadHelperPosition(L"-99999999999999999999"), INT_MIN);
}

namespace {
struct StageCase {
    int id_time;
    int pw_time;
    bool hasId;
    bool hasPassword;
    HelperStage first;
    HelperStage second;
};
} // namespace

TEST(HelperStages, SkipEmptyValuesAndZeroTimes)
{
    // first stage, and the one after it
    const StageCase cases[] = {
        { 5000, 5000, false, true, kStagePassword, kStageDone },
        { 5000, 5000, true, false, kStageId, kStageDone },
        { 5000, 5000, false, false, kStageDone, kStageDone },
        { 0, 5000, true, true, kStagePassword, kStageDone },
        { 5000, 0, true, true, kStageId, kStageDone },
        { 0, 0, true, true, kStageDone, kStageDone },
    };
    // The full run: ID, then password, then done.
    HelperPlan full = { 5000, 5000, true, true };
    EXPECT_EQ(FirstHelperStage(full), kStageId);
    EXPECT_EQ(NextHelperStage(full, kStageId), kStagePassword);
    EXPECT_EQ(NextHelperStage(full, kStagePassword), kStageDone);
    EXPECT_EQ(NextHelperStage(full, kStageDone), kStageDone);

    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i) {
        const StageCase& c = cases[i];
        HelperPlan plan = { c.id_time, c.pw_time, c.hasId, c.hasPassword };
        EXPECT_EQ(FirstHelperStage(plan), c.first) << "case " << i;
        EXPECT_EQ(NextHelperStage(plan, FirstHelperStage(plan)), c.second) << "case " << i;
    }
}

TEST(HelperStages, EachStageLastsItsOwnTime)
{
    HelperPlan plan = { 1200, 3400, true, true };
    EXPECT_EQ(HelperStageTime(plan, kStageId), 1200);
    EXPECT_EQ(HelperStageTime(plan, kStagePassword), 3400);
    EXPECT_EQ(HelperStageTime(plan, kStageDone), 0);
}

TEST(RemainingSeconds, RoundsUpAndNeverGoesNegative)
{
    EXPECT_EQ(RemainingSeconds(5000), 5);
    EXPECT_EQ(RemainingSeconds(4001), 5);
    EXPECT_EQ(RemainingSeconds(1), 1);
    EXPECT_EQ(RemainingSeconds(0), 0);
    EXPECT_EQ(RemainingSeconds(-250), 0);
    EXPECT_EQ(RemainingSeconds(LLONG_MAX), 60);
}

TEST(PlaceOnMonitor, BringsTheWindowOntoTheMonitor)
{
    EXPECT_EQ(PlaceOnMonitor(100, 126, 0, 1920), 100);
    EXPECT_EQ(PlaceOnMonitor(-50, 126, 0, 1920), 0);
    EXPECT_EQ(PlaceOnMonitor(99999, 126, 0, 1920), 1794);
    EXPECT_EQ(PlaceOnMonitor(INT_MAX, 68, 0, 1040), 972);
    EXPECT_EQ(PlaceOnMonitor(INT_MIN, 68, 0, 1040), 0);
}

TEST(PlaceOnMonitor, WorksOnAMonitorLeftOfThePrimary)
{
    EXPECT_EQ(PlaceOnMonitor(-1000, 126, -1920, 0), -1000);
    EXPECT_EQ(PlaceOnMonitor(-50, 126, -1920, 0), -126);
    EXPECT_EQ(PlaceOnMonitor(-5000, 126, -1920, 0), -1920);
}
