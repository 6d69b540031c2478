#include "core/TabGeometry.h"

namespace {
// Offsets and insets counted in edge widths: x and left/right in cx, y and
// top/bottom in cy.
struct EdgeStep { int x, y; };
struct EdgeInsets { int left, top, right, bottom; };

// [side][selected]: the selected tab stands out from the row, so its icon
// sits further from the edge it grows away from.
const EdgeStep kIconOffset[4][2] = {
    /* top    */ { { 1, 1 }, { 3, 1 } },
    /* left   */ { { 1, 1 }, { 1, 3 } },
    /* bottom */ { { 1, -1 }, { 3, 2 } },
    /* right  */ { { -1, 1 }, { 2, 3 } },
};

// [side][selected]
const EdgeInsets kTextAdjust[4][2] = {
    /* top    */ { { 0, 0, 0, 2 }, { 0, 0, 0, 0 } },
    /* left   */ { { 0, 0, -1, 0 }, { 0, 0, -1, 0 } },
    /* bottom */ { { 0, -1, 0, 0 }, { 0, 1, 0, 0 } },
    /* right  */ { { 1, 0, 0, 0 }, { 1, 0, 0, 0 } },
};

// How the shading shrinks as the page loads, and how the selected tab's
// shading keeps off the edge that joins the page.
struct ShadeRule {
    bool across;        // shrinks along the width (else along the height)
    bool fromFarEnd;    // the far edge moves (right side: bottom moves up)
    EdgeInsets selected;
};
const ShadeRule kShade[4] = {
    /* top    */ { true, false, { 0, 0, 0, -1 } },
    /* left   */ { false, false, { 0, 0, 0, 0 } },
    /* bottom */ { true, false, { 0, 1, 0, 0 } },
    /* right  */ { false, true, { 0, 0, 0, 0 } },
};

TabRect Inset(TabRect r, const EdgeInsets& in, int cx, int cy)
{
    r.left += in.left * cx;
    r.top += in.top * cy;
    r.right += in.right * cx;
    r.bottom += in.bottom * cy;
    return r;
}
}

TabIconHit HitTabIcon(int dx, int dy, int iconSize)
{
    if (dx < 0 || dx >= iconSize || dy < 0 || dy >= iconSize)
        return kIconOutside;
    return dy < iconSize / 2 ? kIconClose : kIconPin;
}

bool InTabDropZone(const TabRect& item, int x, int y, TabSide side, int margin)
{
    const bool across = side == kTabSideLeft || side == kTabSideRight;
    const int marginX = across ? 0 : margin, marginY = across ? margin : 0;
    return x >= item.left + marginX && x < item.right - marginX &&
           y >= item.top + marginY && y < item.bottom - marginY;
}

TabPoint TabGrabPoint(const TabRect& item, TabPoint grabOffset)
{
    TabPoint p = { item.left + grabOffset.x, item.top + grabOffset.y };
    if (p.x < item.left) p.x = item.left;
    if (p.x > item.right) p.x = item.right;
    if (p.y < item.top) p.y = item.top;
    if (p.y > item.bottom) p.y = item.bottom;
    return p;
}

TabPoint TabIconOffset(TabSide side, bool selected, int cx, int cy)
{
    const EdgeStep& step = kIconOffset[side][selected ? 1 : 0];
    return { step.x * cx, step.y * cy };
}

TabRect TabCaptionRect(const TabRect& item, TabSide side, TabPoint iconOffset, int iconSize)
{
    TabRect r = item;
    if (side == kTabSideLeft || side == kTabSideRight)
        r.top = item.top + iconOffset.y + iconSize;
    else
        r.left = item.left + iconOffset.x + iconSize;
    return r;
}

TabRect TabShadeRect(const TabRect& caption, TabSide side, bool selected, int percent, int cx, int cy)
{
    // The control reports progress beyond its maximum now and then; the
    // shading must stay inside the caption all the same.
    if (percent < 0) percent = 0;
    if (percent > 100) percent = 100;
    const ShadeRule& rule = kShade[side];
    TabRect r = caption;
    if (rule.across)
        r.left += (r.right - r.left) * percent / 100;
    else if (rule.fromFarEnd)
        r.bottom -= (r.bottom - r.top) * percent / 100;
    else
        r.top += (r.bottom - r.top) * percent / 100;
    return selected ? Inset(r, rule.selected, cx, cy) : r;
}

TabRect TabTextRect(const TabRect& caption, TabSide side, bool selected, int cx, int cy)
{
    return Inset(caption, kTextAdjust[side][selected ? 1 : 0], cx, cy);
}

bool TabUsesVerticalFont(TabSide side)
{
    return side == kTabSideLeft || side == kTabSideRight;
}

TabPoint TabVerticalCaptionOrigin(const TabRect& text, int length, int height)
{
    // Turned upwards, the line height lies along x (the glyphs' tops face
    // left) and the length along y, ending above the starting point.
    return { (text.left + text.right - height) / 2, (text.top + text.bottom + length) / 2 };
}
