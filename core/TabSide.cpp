#include "core/TabSide.h"

namespace {
struct SideRow {
    TabSide side;
    unsigned long styles;
    int command;  // offset among the placement commands
};
const unsigned long kSideBits = kTabStyleVertical | kTabStyleBottomOrRight;

// Indexed by side.
const SideRow kSides[] = {
    { kTabSideTop, 0, 1 },
    { kTabSideLeft, kTabStyleVertical, 2 },
    { kTabSideBottom, kTabStyleBottomOrRight, 0 },
    { kTabSideRight, kTabStyleVertical | kTabStyleBottomOrRight, 3 },
};
}

int ClampTabSide(int value)
{
    return ToTabSide(value);
}

TabSide ToTabSide(int value)
{
    return value >= kTabSideTop && value <= kTabSideRight ? static_cast<TabSide>(value) : kTabSideBottom;
}

TabSide TabSideFromStyle(unsigned long style)
{
    for (const SideRow& row : kSides)
        if ((style & kSideBits) == row.styles)
            return row.side;
    return kTabSideTop;
}

TabSide TabSideOfCommand(int offset)
{
    for (const SideRow& row : kSides)
        if (row.command == offset)
            return row.side;
    return kTabSideBottom;
}

int TabSideCommand(TabSide side)
{
    return kSides[side].command;
}

TabStyleChange TabStripStyles(TabSide side, bool multiLine)
{
    const unsigned long add = kSides[side].styles | (multiLine ? kTabStyleMultiLine : 0UL);
    return TabStyleChange{ (kSideBits | kTabStyleMultiLine) & ~add, add };
}
