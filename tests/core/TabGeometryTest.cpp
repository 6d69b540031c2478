#include "core/TabGeometry.h"
#include <gtest/gtest.h>

// Found by argument lookup, so they live beside TabRect.
static bool operator==(const TabRect& a, const TabRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& os, const TabRect& r)
{
    return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {
const int cx = 2, cy = 3;  // unequal, so a swapped axis shows

bool IsEmpty(const TabRect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}
}

TEST(TabGeometry, IconSquareSplitsIntoCloseAndPinHalves)
{
    EXPECT_EQ(HitTabIcon(0, 0), kIconClose);
    EXPECT_EQ(HitTabIcon(15, 7), kIconClose);
    EXPECT_EQ(HitTabIcon(0, 8), kIconPin);
    EXPECT_EQ(HitTabIcon(15, 15), kIconPin);
    EXPECT_EQ(HitTabIcon(16, 0), kIconOutside);
    EXPECT_EQ(HitTabIcon(0, 16), kIconOutside);
    EXPECT_EQ(HitTabIcon(-1, 4), kIconOutside);
    EXPECT_EQ(HitTabIcon(4, -1), kIconOutside);
}

TEST(TabGeometry, DropZoneLeavesEightPixelsAtTheTabsEndsAlongTheStrip)
{
    const TabRect tab = { 100, 10, 160, 30 };
    EXPECT_FALSE(InTabDropZone(tab, 107, 20, kTabSideTop));
    EXPECT_TRUE(InTabDropZone(tab, 108, 20, kTabSideBottom));
    EXPECT_TRUE(InTabDropZone(tab, 151, 20, kTabSideTop));
    EXPECT_FALSE(InTabDropZone(tab, 152, 20, kTabSideTop));
    EXPECT_TRUE(InTabDropZone(tab, 120, 10, kTabSideTop));
    EXPECT_FALSE(InTabDropZone(tab, 120, 30, kTabSideTop));
    EXPECT_FALSE(InTabDropZone(tab, 120, 9, kTabSideTop));
    // A tab narrower than both margins takes no drop at all.
    EXPECT_FALSE(InTabDropZone({ 0, 0, 16, 20 }, 8, 5, kTabSideTop));
    // On a side strip tabs follow one another downwards: the margins are at
    // the top and bottom, and the whole width takes the drop.
    const TabRect side = { 0, 100, 20, 200 };
    EXPECT_TRUE(InTabDropZone(side, 0, 150, kTabSideLeft));
    EXPECT_TRUE(InTabDropZone(side, 19, 150, kTabSideRight));
    EXPECT_FALSE(InTabDropZone(side, 10, 107, kTabSideLeft));
    EXPECT_TRUE(InTabDropZone(side, 10, 108, kTabSideLeft));
    EXPECT_FALSE(InTabDropZone(side, 10, 192, kTabSideRight));
}

TEST(TabGeometry, GrabPointKeepsOffsetAndStaysOnTheTab)
{
    const TabRect tab = { 50, 10, 90, 30 };
    TabPoint p = TabGrabPoint(tab, { 20, 5 });
    EXPECT_EQ(p.x, 70);
    EXPECT_EQ(p.y, 15);
    // Grabbed far right on a wide tab, landing on a narrow one.
    p = TabGrabPoint(tab, { 75, 25 });
    EXPECT_EQ(p.x, 90);
    EXPECT_EQ(p.y, 30);
    p = TabGrabPoint(tab, { -4, -4 });
    EXPECT_EQ(p.x, 50);
    EXPECT_EQ(p.y, 10);
}

TEST(TabGeometry, ShadingFor0And37And100PercentOnEachSide)
{
    const TabRect wide = { 20, 0, 120, 20 };    // 100 wide: caption of a top or bottom tab
    const TabRect tall = { 0, 20, 20, 120 };    // 100 high: caption of a left or right tab

    EXPECT_EQ(TabShadeRect(wide, kTabSideTop, false, 0, cx, cy), wide);
    EXPECT_EQ(TabShadeRect(wide, kTabSideTop, false, 37, cx, cy), (TabRect{ 57, 0, 120, 20 }));
    EXPECT_TRUE(IsEmpty(TabShadeRect(wide, kTabSideTop, false, 100, cx, cy)));
    EXPECT_EQ(TabShadeRect(wide, kTabSideTop, true, 37, cx, cy), (TabRect{ 57, 0, 120, 20 - cy }));

    EXPECT_EQ(TabShadeRect(wide, kTabSideBottom, false, 0, cx, cy), wide);
    EXPECT_EQ(TabShadeRect(wide, kTabSideBottom, false, 37, cx, cy), (TabRect{ 57, 0, 120, 20 }));
    EXPECT_TRUE(IsEmpty(TabShadeRect(wide, kTabSideBottom, false, 100, cx, cy)));
    EXPECT_EQ(TabShadeRect(wide, kTabSideBottom, true, 37, cx, cy), (TabRect{ 57, cy, 120, 20 }));

    // Left: shrinks toward the bottom; right: toward the top.
    EXPECT_EQ(TabShadeRect(tall, kTabSideLeft, false, 0, cx, cy), tall);
    EXPECT_EQ(TabShadeRect(tall, kTabSideLeft, true, 37, cx, cy), (TabRect{ 0, 57, 20, 120 }));
    EXPECT_TRUE(IsEmpty(TabShadeRect(tall, kTabSideLeft, false, 100, cx, cy)));

    EXPECT_EQ(TabShadeRect(tall, kTabSideRight, false, 0, cx, cy), tall);
    EXPECT_EQ(TabShadeRect(tall, kTabSideRight, true, 37, cx, cy), (TabRect{ 0, 20, 20, 83 }));
    EXPECT_TRUE(IsEmpty(TabShadeRect(tall, kTabSideRight, false, 100, cx, cy)));
}

TEST(TabGeometry, ShadingTruncatesAndStaysInsideTheCaption)
{
    const TabRect odd = { 0, 0, 33, 10 };
    EXPECT_EQ(TabShadeRect(odd, kTabSideTop, false, 50, cx, cy).left, 16);  // 33 * 50 / 100 = 16.5
    // Progress past the maximum or below zero must not shade outside.
    EXPECT_TRUE(IsEmpty(TabShadeRect(odd, kTabSideTop, false, 250, cx, cy)));
    EXPECT_EQ(TabShadeRect(odd, kTabSideTop, false, 250, cx, cy).left, 33);
    EXPECT_EQ(TabShadeRect(odd, kTabSideTop, false, -40, cx, cy), odd);
    EXPECT_EQ(TabShadeRect(odd, kTabSideRight, false, 180, cx, cy).bottom, 0);
}

TEST(TabGeometry, TurnedCaptionIsCentredInItsRectangle)
{
    // A caption 40 long and 12 high in a side tab's text area 20 wide, 100 high:
    // it covers x 4..16 and runs upwards from y 80 to 40.
    const TabPoint origin = TabVerticalCaptionOrigin({ 0, 10, 20, 110 }, 40, 12);
    EXPECT_EQ(origin.x, 4);
    EXPECT_EQ(origin.y, 80);
}
