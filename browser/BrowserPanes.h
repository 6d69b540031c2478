#pragma once
#include "browser/WebBrowser2.h"
#include <memory>
#include <vector>

// The browser panes, one per tab, in tab order; the one owner of them.
// Pane i always answers to control id IDC_BROWSER_FIRST + i, so its events
// name its tab. Beside the tab control's items this is the only count of tabs.
class CBrowserPanes {
public:
    enum { kMaxPanes = 256 };

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    // Null out of range.
    CWebBrowser2* Get(int index) const;
    // -1 when the pane is no longer here.
    int Find(const CWebBrowser2* pane) const;
    // The same by the pane's window; -1 for a null one.
    int FindByWindow(HWND window) const;

    // A new pane after the last one, a child of parent: hidden, parked and
    // without its control yet. Null, with nothing added, at the limit or when
    // its window cannot be created.
    CWebBrowser2* Append(CWnd* parent);
    void Remove(int index);
    void Swap(int i, int j);
    void RemoveAll() { m_panes.clear(); }

private:
    void Renumber(int index);

    std::vector<std::unique_ptr<CWebBrowser2>> m_panes;
};
