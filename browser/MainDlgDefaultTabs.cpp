// The default tab set: the addresses in the INI file's "TAB" section, opened
// at every start.
#include "browser/MainDlg.h"
#include "browser/ProfileFile.h"
#include "core/IniDocument.h"
#include "core/SettingsRules.h"
#include "framework/WinApp.h"

namespace {
const char kSection[] = "TAB";
const char kCount[] = "COUNT";
}

void CProfileFile::StoreDefaultTabs(IniDocument& doc) const
{
    const int oldCount = doc.ReadInt(kSection, kCount, 0);
    doc.WriteInt(kSection, kCount, m_tabs.GetCount());
    // Our own sets never pass URL255; a hand-edited huge COUNT must not turn
    // saving into billions of removals.
    const int staleEnd = oldCount < CTabSet::kMaxTabs ? oldCount : CTabSet::kMaxTabs;
    for (int i = m_tabs.GetCount(); i < staleEnd; ++i)
        doc.Remove(kSection, TabUrlKey(i));
    // The document drops line breaks inside a value: "[x]" on a line of its
    // own would move every later key into another section.
    for (int i = 0; i < m_tabs.GetCount(); ++i)
        doc.Set(kSection, TabUrlKey(i), m_tabs.Get(i)->GetTabLocation().str());
}

void CMainDlg::OpenDefaultTabs()
{
    CWinApp* app = AfxGetApp();
    const int count = static_cast<int>(app->GetProfileInt(kSection, kCount, 0));
    if (count == 0) {
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
    // Past the tab limit every further address would be dropped anyway.
    const ProfileSection saved(app->GetProfileSection(kSection));
    {
        CTabSet::InsertBatch batch(m_tabs);
        for (int i = 0; i < count && m_tabs.GetCount() < kMaxTabs; ++i) {
            if (!AddRestoredTab(saved.Get(TabUrlKey(i), "").c_str()))
                break;
        }
    }
    // The set's last tab comes to the front, as each of its pages would
    // take it on opening, unless a pinned tab holds it. Only that one loads.
    if (!m_tabs.KeepFront(kept))
        SelectTab(m_tabs.GetCount() - 1);
}
