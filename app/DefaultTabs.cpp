// The default tab set: the addresses in the INI file's "TAB" section, opened
// at every start.
#include "browser/MainDlg.h"
#include "app/SettingsRules.h"
#include "framework/WinApp.h"

namespace {
const char kSection[] = "TAB";
}

void CMainDlg::SaveDefaultTabs()
{
    CWinApp* app = AfxGetApp();
    const int oldCount = static_cast<int>(app->GetProfileInt(kSection, "COUNT", 0));
    app->WriteProfileInt(kSection, "COUNT", m_nTabCount);
    // Our own sets never pass URL255; a hand-edited huge COUNT must not turn
    // closing the window into billions of profile writes.
    const int staleEnd = oldCount < kMaxTabs ? oldCount : kMaxTabs;
    for (int i = m_nTabCount; i < staleEnd; ++i)
        app->WriteProfileString(kSection, TabUrlKey(i).c_str(), nullptr);
    for (int i = 0; i < m_nTabCount; ++i) {
        // A line break inside a value would start a line of its own in the
        // file: "[x]" there would move every later key into another section.
        CString address = m_apBrowser[i]->GetTabLocation();
        address.Remove('\r');
        address.Remove('\n');
        app->WriteProfileString(kSection, TabUrlKey(i).c_str(), address);
    }
}

void CMainDlg::OpenDefaultTabs()
{
    CWinApp* app = AfxGetApp();
    const int count = static_cast<int>(app->GetProfileInt(kSection, "COUNT", 0));
    if (count == 0) {
        AddTab("");
        if (m_nTabCount > 0)
            m_apBrowser[0]->GoHome();
        return;
    }
    for (int i = m_nTabCount - 1; i >= 0; --i)
        if (!m_apBrowser[i]->GetPinned())
            DeleteTab(i);
    // Past the tab limit every further address would be dropped anyway.
    for (int i = 0; i < count && m_nTabCount < kMaxTabs; ++i) {
        const CString address = app->GetProfileString(kSection, TabUrlKey(i).c_str(), "");
        if (!AddTab(address))
            break;
    }
}
