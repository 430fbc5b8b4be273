#include <gtest/gtest.h>

#include <climits>

#include "settings/settings_rules.h"

TEST(ClampToScreen, KeepsTheWindowOnTheScreen)
{
    EXPECT_EQ(ClampToScreen(-40, 270, 1920), 0);
    EXPECT_EQ(ClampToScreen(1800, 270, 1920), 1650);
    EXPECT_EQ(ClampToScreen(900, 350, 1050), 700);
    EXPECT_EQ(ClampToScreen(100, 270, 1920), 100);
    EXPECT_EQ(ClampToScreen(1650, 270, 1920), 1650);
}

TEST(ClampToScreen, UpperBoundWinsForAWindowLargerThanTheScreen)
{
    EXPECT_EQ(ClampToScreen(0, 2000, 1920), -80);
    EXPECT_EQ(ClampToScreen(-500, 2000, 1920), -80);
}

TEST(ClampToScreen, HelperWindowRules)
{
    // main window at 100 with offset -200, helper window 126 wide
    EXPECT_EQ(ClampToScreen(100 - 200, 126, 1920), 0);
    EXPECT_EQ(ClampToScreen(1800, 126, 1920), 1794);
    EXPECT_EQ(ClampToScreen(1000, 68, 1050), 982);
}

TEST(ClampToScreen, ExtremeValuesNeverOverflow)
{
    EXPECT_EQ(ClampToScreen(static_cast<long long>(INT_MAX) + INT_MAX, 10, 1920), 1910);
    EXPECT_EQ(ClampToScreen(5, INT_MIN, 1920), 5);
    EXPECT_EQ(ClampToScreen(INT_MAX, INT_MIN, INT_MAX), INT_MAX);
    EXPECT_EQ(ClampToScreen(0, static_cast<long long>(INT_MAX) * 4, 100), INT_MIN);
}
