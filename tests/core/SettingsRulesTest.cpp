#include "core/SettingsRules.h"
#include <gtest/gtest.h>
#include <climits>

TEST(SettingsRules, AutoHideTimeFollowsStrtodAndTruncates)
{
    EXPECT_EQ(AutoHideMilliseconds("10.0"), 600000);
    EXPECT_EQ(AutoHideMilliseconds("0.5"), 30000);
    EXPECT_EQ(AutoHideMilliseconds("  2.5min"), 150000);
    EXPECT_EQ(AutoHideMilliseconds("abc"), 0);
    EXPECT_EQ(AutoHideMilliseconds(""), 0);
    EXPECT_EQ(AutoHideMilliseconds(nullptr), 0);
    EXPECT_EQ(AutoHideMilliseconds("0.00001"), 0);   // 0.6 ms
    EXPECT_EQ(AutoHideMilliseconds("-0.00001"), 0);  // toward zero, not down
    EXPECT_EQ(AutoHideMilliseconds("-1"), -60000);
}

TEST(SettingsRules, AutoHideTimeBeyondIntStaysDefined)
{
    EXPECT_EQ(AutoHideMilliseconds("1e300"), INT_MAX);
    EXPECT_EQ(AutoHideMilliseconds("-1e300"), INT_MIN);
    EXPECT_EQ(AutoHideMilliseconds("99999999"), INT_MAX);
    EXPECT_EQ(AutoHideMilliseconds("nan"), 0);
}

TEST(SettingsRules, ArrangeAgainstWorkArea)
{
    const PlainRect work{ 0, 30, 1024, 738 };
    const PlainRect window{ 100, 200, 400, 500 };  // 300 x 300
    struct Case { int command; PlainRect expected; } cases[] = {
        { kArrangeMaxVertical, { 100, 30, 400, 738 } },
        { kArrangeMaxHorizontal, { 0, 200, 1024, 500 } },
        { kArrangeLeft, { 0, 200, 300, 500 } },
        { kArrangeRight, { 724, 200, 1024, 500 } },
        { kArrangeTop, { 100, 30, 400, 330 } },
        { kArrangeBottom, { 100, 438, 400, 738 } },
    };
    for (const Case& c : cases) {
        PlainRect got{};
        ASSERT_TRUE(ArrangeRect(c.command, work, window, &got)) << c.command;
        EXPECT_EQ(got, c.expected) << c.command;
    }
    PlainRect untouched{ 1, 2, 3, 4 };
    EXPECT_FALSE(ArrangeRect(kArrangeCount, work, window, &untouched));
    EXPECT_FALSE(ArrangeRect(-1, work, window, &untouched));
    EXPECT_EQ(untouched, (PlainRect{ 1, 2, 3, 4 }));
}

TEST(SettingsRules, ArrangeKeepsSizeAtTheEdgeAndBeyondTheWorkArea)
{
    const PlainRect work{ 0, 0, 800, 600 };
    PlainRect got{};
    const PlainRect atRight{ 500, 10, 800, 200 };
    ASSERT_TRUE(ArrangeRect(kArrangeRight, work, atRight, &got));
    EXPECT_EQ(got, atRight);

    const PlainRect tall{ 10, 50, 210, 750 };  // 700 high, work area 600
    ASSERT_TRUE(ArrangeRect(kArrangeTop, work, tall, &got));
    EXPECT_EQ(got, (PlainRect{ 10, 0, 210, 700 }));

    // A window off the work area's left comes back by the same distance.
    const PlainRect offLeft{ -150, 10, 50, 110 };
    ASSERT_TRUE(ArrangeRect(kArrangeLeft, work, offLeft, &got));
    EXPECT_EQ(got, (PlainRect{ 0, 10, 200, 110 }));
}
