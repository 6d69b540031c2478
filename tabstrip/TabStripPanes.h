#pragma once
#include "framework/Types.h"

// What the tab strip asks about the panes behind its tabs, answered by
// whatever keeps those panes. Indexes are the strip's own, straight from its
// hit tests and selection.
class TabStripPanes {
public:
    virtual BOOL IsPinned(int index) const = 0;
    // The window of the pane behind a tab: it stays with that tab while other
    // tabs come and go. FindByWindow gives where that tab is now, -1 once it
    // is gone.
    virtual HWND GetPaneWindow(int index) const = 0;
    virtual int FindByWindow(HWND pane) const = 0;

protected:
    ~TabStripPanes() = default;
};
