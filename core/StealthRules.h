#pragma once
#include "core/SettingsRules.h"
#include <cstdint>

// The geometry and timing rules of stealth mode, free of Windows headers so
// they are tested natively as well.

struct PlainPoint {
    int x, y;
};

// How far the pointer may stray beyond the window's edges before it hides,
// at 96 DPI.
const int kStealthHideMargin = 32;

// The pointer is more than the margin outside the window on some side.
bool IsBeyondHideMargin(const PlainRect& window, PlainPoint cursor, int margin = kStealthHideMargin);

// Where a width x height window goes when it is called up under the cursor:
// centred on it, then pushed inside the monitor's bounds, the left and top
// edges winning when the window is larger than the monitor.
PlainPoint PlaceAtCursor(PlainPoint cursor, int width, int height, const PlainRect& monitor);

// The user has been idle longer than the interval. Ticks wrap after 49.7 days,
// so the difference is taken as an unsigned number; so is the interval, which
// makes a negative one, read as some 49 days, run out practically never.
bool IsIdleTimeUp(uint32_t now, uint32_t lastActivity, int intervalMs);
