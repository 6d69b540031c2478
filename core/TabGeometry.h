#pragma once
#include "core/DpiScale.h"
#include "core/TabSide.h"

// Where the tab strip draws and hit-tests inside one tab. Plain integers, so
// the rules build and are checked natively as well as in the program.

struct TabRect {
    int left, top, right, bottom;
};

struct TabPoint {
    int x, y;
};

// Size of the icon every tab carries near its top-left corner, at 96 DPI.
const int kTabIconSize = 16;

// What a button-down at (dx, dy) from the icon's top-left corner means.
enum TabIconHit { kIconOutside, kIconClose, kIconPin };
TabIconHit HitTabIcon(int dx, int dy, int iconSize = kTabIconSize);

// A dragged tab moves to the place of the tab under the pointer only away
// from that tab's two ends along the strip, 8 pixels each (at 96 DPI): its
// left and right on a strip at the top or bottom, its top and bottom on one
// at a side. So the move does not flicker back and forth at the border
// between two tabs.
const int kTabDragMargin = 8;
bool InTabDropZone(const TabRect& item, int x, int y, TabSide side, int margin = kTabDragMargin);

// The strip's own measures at a DPI: the icon (and so the room the control
// leaves for it) and the drag margin.
struct TabMetrics {
    int iconSize, dragMargin;
};
inline TabMetrics TabMetricsForDpi(int dpi)
{
    return { ScaleForDpi(kTabIconSize, dpi), ScaleForDpi(kTabDragMargin, dpi) };
}

// The pointer position that keeps the grab offset on a tab, held inside it.
TabPoint TabGrabPoint(const TabRect& item, TabPoint grabOffset);

// Drawing. cx and cy are the system's edge widths.
TabPoint TabIconOffset(TabSide side, bool selected, int cx, int cy);
// The caption area: the item without the icon's band.
TabRect TabCaptionRect(const TabRect& item, TabSide side, TabPoint iconOffset, int iconSize = kTabIconSize);
// The part of the caption area still loading; empty at 100 percent.
TabRect TabShadeRect(const TabRect& caption, TabSide side, bool selected, int percent, int cx, int cy);
// The rectangle the caption text is centred in.
TabRect TabTextRect(const TabRect& caption, TabSide side, bool selected, int cx, int cy);
bool TabUsesVerticalFont(TabSide side);
// Where to start a caption turned by 90 degrees (running upwards) so that
// it is centred in the text rectangle; length and height are the caption's
// extent as measured unturned.
TabPoint TabVerticalCaptionOrigin(const TabRect& text, int length, int height);
