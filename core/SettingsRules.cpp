#include "core/SettingsRules.h"
#include <climits>
#include <cstdio>
#include <cstdlib>

int AutoHideMilliseconds(const char* minutesText)
{
    const double ms = std::strtod(minutesText ? minutesText : "", nullptr) * 60000.0;
    // strtod also reads "nan", "inf" and huge exponents; converting those to
    // int would be undefined, so they end at the nearest representable value.
    if (ms != ms)
        return 0;
    if (ms >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (ms <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(ms);
}

std::string EffectiveFilePath(bool useDefault, const std::string& startDir, const char* defaultName,
                              const std::string& chosen)
{
    return useDefault ? startDir + defaultName : chosen;
}

bool IsEmptyPlacement(const PlainRect& rect)
{
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

namespace {
enum Axis { kHorizontal, kVertical };
// Stretch fills the work area's span; Near and Far slide the window against
// the span's start or end, keeping its length.
enum Move { kStretch, kNear, kFar };
struct Arrangement { Axis axis; Move move; };

const Arrangement kArrangements[kArrangeCount] = {
    { kVertical, kStretch },    // maximise vertically
    { kHorizontal, kStretch },  // maximise horizontally
    { kHorizontal, kNear },     // to the left edge
    { kHorizontal, kFar },      // to the right edge
    { kVertical, kNear },       // to the top edge
    { kVertical, kFar },        // to the bottom edge
};

void MoveSpan(Move move, int workLow, int workHigh, int* low, int* high)
{
    switch (move) {
    case kStretch:
        *low = workLow;
        *high = workHigh;
        break;
    case kNear:
        *high += workLow - *low;
        *low = workLow;
        break;
    case kFar:
        *low += workHigh - *high;
        *high = workHigh;
        break;
    }
}
}

bool ArrangeRect(int command, const PlainRect& workArea, const PlainRect& window, PlainRect* result)
{
    if (command < 0 || command >= kArrangeCount)
        return false;
    const Arrangement& a = kArrangements[command];
    *result = window;
    if (a.axis == kHorizontal)
        MoveSpan(a.move, workArea.left, workArea.right, &result->left, &result->right);
    else
        MoveSpan(a.move, workArea.top, workArea.bottom, &result->top, &result->bottom);
    return true;
}
