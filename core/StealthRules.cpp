#include "core/StealthRules.h"

bool IsBeyondHideMargin(const PlainRect& window, PlainPoint cursor, int margin)
{
    return cursor.x < window.left - margin || cursor.y < window.top - margin || cursor.x > window.right + margin ||
           cursor.y > window.bottom + margin;
}

PlainPoint PlaceAtCursor(PlainPoint cursor, int width, int height, const PlainRect& monitor)
{
    PlainPoint at = { cursor.x - width / 2, cursor.y - height / 2 };
    // Right and bottom first, so that a window larger than the monitor ends
    // with its caption and left edge on it.
    if (at.x + width > monitor.right)
        at.x = monitor.right - width;
    if (at.y + height > monitor.bottom)
        at.y = monitor.bottom - height;
    if (at.x < monitor.left)
        at.x = monitor.left;
    if (at.y < monitor.top)
        at.y = monitor.top;
    return at;
}

bool IsIdleTimeUp(uint32_t now, uint32_t lastActivity, int intervalMs)
{
    return now - lastActivity > static_cast<uint32_t>(intervalMs);
}
