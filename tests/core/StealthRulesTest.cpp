#include "core/StealthRules.h"
#include <gtest/gtest.h>
#include <utility>

TEST(StealthRules, HidesOnlyBeyondThe32PixelMarginOnEachSide)
{
    const PlainRect w = { 100, 200, 400, 500 };
    struct { PlainPoint inside, outside; } sides[] = {
        { { 432, 300 }, { 433, 300 } },  // right
        { { 68, 300 }, { 67, 300 } },    // left
        { { 200, 168 }, { 200, 167 } },  // top
        { { 200, 532 }, { 200, 533 } },  // bottom
    };
    for (const auto& side : sides) {
        EXPECT_FALSE(IsBeyondHideMargin(w, side.inside)) << side.inside.x << "," << side.inside.y;
        EXPECT_TRUE(IsBeyondHideMargin(w, side.outside)) << side.outside.x << "," << side.outside.y;
    }
}

TEST(StealthRules, PlacesCentredAndInsideTheMonitorUnderTheCursor)
{
    const PlainRect primary = { 0, 0, 1024, 768 };
    const PlainRect second = { 1024, -100, 2304, 924 };  // right of it, higher up
    const auto at = [](PlainPoint p) { return std::make_pair(p.x, p.y); };

    EXPECT_EQ(at(PlaceAtCursor({ 500, 400 }, 301, 201, primary)), std::make_pair(350, 300));
    // A tray at the lower right corner: the window's corner sits on the screen's.
    EXPECT_EQ(at(PlaceAtCursor({ 1020, 760 }, 300, 200, primary)), std::make_pair(724, 568));
    EXPECT_EQ(at(PlaceAtCursor({ 10, 10 }, 300, 200, primary)), std::make_pair(0, 0));
    // Larger than the screen: its top-left corner stays on it.
    EXPECT_EQ(at(PlaceAtCursor({ 10, 10 }, 1100, 200, primary)), std::make_pair(0, 0));
    EXPECT_EQ(at(PlaceAtCursor({ 1020, 760 }, 1100, 900, primary)), std::make_pair(0, 0));
    EXPECT_EQ(at(PlaceAtCursor({ 2300, 920 }, 1400, 1100, second)), std::make_pair(1024, -100));

    // On the second monitor the window stays there, against its own edges.
    EXPECT_EQ(at(PlaceAtCursor({ 2300, 920 }, 300, 200, second)), std::make_pair(2004, 724));
    EXPECT_EQ(at(PlaceAtCursor({ 1030, -90 }, 300, 200, second)), std::make_pair(1024, -100));
}

TEST(StealthRules, IdleTimeIsAnUnsignedDifference)
{
    EXPECT_FALSE(IsIdleTimeUp(16000, 10000, 6000));
    EXPECT_TRUE(IsIdleTimeUp(16001, 10000, 6000));
    // Across the wrap of the tick counter.
    EXPECT_FALSE(IsIdleTimeUp(100, 0xFFFFFF00u, 6000));
    EXPECT_TRUE(IsIdleTimeUp(6000, 0xFFFFFF00u, 6000));
    // A negative interval reads as a huge one: ten idle days are not enough.
    EXPECT_FALSE(IsIdleTimeUp(864000000u, 0, -60000));
}
