// The default tab set: the addresses in the INI file's "TAB" section, opened
// at every start, unless a run that did not end properly left its session.
#include "browser/MainDlg.h"

void CMainDlg::OpenDefaultTabs()
{
    OpenTabSet(m_profileFile.ReadDefaultTabs());
}

void CMainDlg::OpenTabSet(const SavedTabSet& set)
{
    if (set.count == 0) {
        AddTab("");
        if (m_tabs.GetCount() > 0)
            m_tabs.Get(0)->GoHome();
        return;
    }
    // A pinned front stays; a closed one is not looked for again, since a
    // new pane may take its place in memory.
    CWebBrowser2* front = m_tabs.Current();
    const bool frontPinned = front && front->GetPinned();
    m_tabs.RemoveUnpinned();
    const int kept = frontPinned ? m_tabs.Find(front) : -1;
    {
        CTabSet::InsertBatch batch(m_tabs);
        for (const SavedTab& tab : set.tabs)
            if (!AddRestoredTab(tab.url.c_str(), tab.pinned))
                break;
    }
    // The set's last tab comes to the front, as each of its pages would
    // take it on opening, unless a pinned tab holds it. Only that one loads.
    if (!m_tabs.KeepFront(kept))
        SelectTab(m_tabs.GetCount() - 1);
}
