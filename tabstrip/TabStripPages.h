#pragma once
#include "framework/Types.h"

// What the tab strip asks about the pages behind its tabs, answered by
// whatever keeps those pages. Indexes are the strip's own, straight from its
// hit tests and selection.
class TabStripPages {
public:
    virtual BOOL IsPinned(int index) const = 0;
    // The window of the page behind a tab: it stays with that tab while other
    // tabs come and go. FindByWindow gives where that tab is now, -1 once it
    // is gone.
    virtual HWND GetPageWindow(int index) const = 0;
    virtual int FindByWindow(HWND page) const = 0;

protected:
    ~TabStripPages() = default;
};
