#include "core/TabSide.h"
#include <gtest/gtest.h>

// The style that puts the strip on a side reads back as that side, in one
// row or several, and never touches bits outside the strip's own.
TEST(TabSide, StylesReadBackAsTheirSide)
{
    for (int i = kTabSideTop; i <= kTabSideRight; ++i) {
        const TabSide side = static_cast<TabSide>(i);
        for (bool multiLine : { false, true }) {
            const TabStyleChange change = TabStripStyles(side, multiLine);
            const unsigned long style = (0xFFFF0000UL & ~change.remove) | change.add;
            EXPECT_EQ(TabSideFromStyle(style), side);
            EXPECT_EQ((style & kTabStyleMultiLine) != 0, multiLine);
            EXPECT_EQ(style & 0xFFFF0000UL, 0xFFFF0000UL);
        }
    }
    EXPECT_EQ(ToTabSide(7), kTabSideBottom);
}

TEST(TabSide, PlacementCommandsInNumberOrder)
{
    EXPECT_EQ(TabSideOfCommand(0), kTabSideBottom);
    EXPECT_EQ(TabSideOfCommand(1), kTabSideTop);
    EXPECT_EQ(TabSideOfCommand(2), kTabSideLeft);
    EXPECT_EQ(TabSideOfCommand(3), kTabSideRight);
}
