#pragma once

// The side of the window the tab strip sits on. The numbers are what the
// settings store.
enum TabSide { kTabSideTop = 0, kTabSideLeft = 1, kTabSideBottom = 2, kTabSideRight = 3 };

// The tab control's style bits that decide the side and the rows
// (TCS_VERTICAL, TCS_BOTTOM which is also TCS_RIGHT, TCS_MULTILINE).
enum : unsigned long {
    kTabStyleVertical = 0x0080,
    kTabStyleBottomOrRight = 0x0002,
    kTabStyleMultiLine = 0x0200,
};

// A stored number that names no side means the bottom.
int ClampTabSide(int value);
TabSide ToTabSide(int value);

// The side the strip's current style puts it on.
TabSide TabSideFromStyle(unsigned long style);

// The side chosen by one of the four placement commands, given as its
// offset from the first of them (bottom, top, left, right in number order).
TabSide TabSideOfCommand(int offset);
// And the other way: the placement command of a side, as that offset.
int TabSideCommand(TabSide side);

// The style change that puts the strip on a side, single- or multi-line:
// every bit in add is set, every bit in remove cleared.
struct TabStyleChange {
    unsigned long remove;
    unsigned long add;
};
TabStyleChange TabStripStyles(TabSide side, bool multiLine);
