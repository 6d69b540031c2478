#include "browser/BrowserPanes.h"
#include "res/resource.h"
#include <algorithm>

static_assert(IDC_BROWSER_FIRST + CBrowserPanes::kMaxPanes <= IDC_BROWSER_LAST,
              "every pane's id must lie in the range the event sink covers");

CWebBrowser2* CBrowserPanes::Get(int index) const
{
    return index >= 0 && index < GetCount() ? m_panes[static_cast<size_t>(index)].get() : nullptr;
}

int CBrowserPanes::Find(const CWebBrowser2* pane) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[static_cast<size_t>(i)].get() == pane)
            return i;
    return -1;
}

int CBrowserPanes::FindByWindow(HWND window) const
{
    const auto it = std::find_if(m_panes.begin(), m_panes.end(),
                                 [window](const std::unique_ptr<CWebBrowser2>& pane) { return pane->m_hWnd == window; });
    return window && it != m_panes.end() ? static_cast<int>(it - m_panes.begin()) : -1;
}

CWebBrowser2* CBrowserPanes::Append(CWnd* parent)
{
    if (GetCount() >= kMaxPanes)
        return nullptr;
    auto pane = std::make_unique<CWebBrowser2>();
    // Born hidden where a pane in the background is parked: a window made
    // visible among hundreds of siblings costs more, and showing a tab moves
    // only the panes that are in sight.
    if (!pane->Create(WS_CHILD, CRect(-1, -1, -1, -1), parent, IDC_BROWSER_FIRST + GetCount()))
        return nullptr;
    m_panes.push_back(std::move(pane));
    return m_panes.back().get();
}

void CBrowserPanes::Remove(int index)
{
    if (!Get(index))
        return;
    m_panes.erase(m_panes.begin() + index);
    for (int i = index; i < GetCount(); ++i)
        Renumber(i);
}

void CBrowserPanes::Swap(int i, int j)
{
    if (!Get(i) || !Get(j))
        return;
    std::swap(m_panes[static_cast<size_t>(i)], m_panes[static_cast<size_t>(j)]);
    Renumber(i);
    Renumber(j);
}

void CBrowserPanes::Renumber(int index)
{
    m_panes[static_cast<size_t>(index)]->SetDlgCtrlID(IDC_BROWSER_FIRST + index);
}
