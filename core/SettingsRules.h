#pragma once
#include <string>
#include <unordered_map>

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

// Key of the i-th address of the default tab set: "URL000", "URL001", ...
std::string TabUrlKey(int index);

// One INI section read whole ("key=value" strings, each ended by a NUL),
// answering by key as a read of that one key would: keys in any letter case,
// the first of a name counts, and quotes around a whole value are dropped.
// Reading 256 addresses one key at a time opens the file 256 times.
class ProfileSection {
public:
    explicit ProfileSection(const std::string& block);
    std::string Get(const std::string& key, const std::string& fallback) const;

private:
    std::unordered_map<std::string, std::string> m_values;  // by upper-case key
};

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
