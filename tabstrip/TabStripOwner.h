#pragma once
#include "framework/Types.h"

// What the tab strip asks of the window it sits in: the tab operations and
// commands the window answers (what the strip asks about the panes behind
// its tabs is TabStripPanes). Indexes are the strip's own, straight from its
// hit tests and selection.
// The two halves of a tab's icon are the messages WM_APP_CLOSETAB and
// WM_APP_TOGGLEPIN to the strip's parent, with the tab's index.
class TabStripOwner {
public:
    virtual BOOL SelectTab(int index) = 0;
    // A drag step: the tab at from goes to to, its item and its pane
    // together, and those between shift by one. FALSE for an index out of
    // range.
    virtual BOOL MoveTab(int from, int to) = 0;
    // A dropped link or shortcut: a new tab at the end (-1).
    virtual BOOL AddTab(const char* address, int position = -1) = 0;
    // A command of the tab context menu, for the tab it was opened on.
    virtual void OnTabCommand(UINT id, int index) = 0;

protected:
    ~TabStripOwner() = default;
};
