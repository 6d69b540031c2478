#pragma once
#include <string>

// The pure rules behind the INI settings and the window arrangement: value
// ranges, derived values, key names and rectangles. No Windows headers, so
// they are tested natively as well.

// The idle time (minutes as text, strtod rules) in milliseconds, truncated
// toward zero. Text that is not a number gives 0.
int AutoHideMilliseconds(const char* minutesText);

// The file a setting pair names: the default file in the start directory, or
// the user's own text unchanged (possibly relative or empty).
std::string EffectiveFilePath(bool useDefault, const std::string& startDir, const char* defaultName,
                              const std::string& chosen);

struct PlainRect {
    int left, top, right, bottom;
};
inline bool operator==(const PlainRect& a, const PlainRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A saved window rectangle with no area is not applied at all.
bool IsEmptyPlacement(const PlainRect& rect);

// The six window-arrangement commands, in command-number order.
enum ArrangeCommand {
    kArrangeMaxVertical,
    kArrangeMaxHorizontal,
    kArrangeLeft,
    kArrangeRight,
    kArrangeTop,
    kArrangeBottom,
    kArrangeCount
};

// The window's new rectangle for a command against the work area; false for a
// command outside the six.
bool ArrangeRect(int command, const PlainRect& workArea, const PlainRect& window, PlainRect* result);
