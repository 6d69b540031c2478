#pragma once
#include "app/BrowserApp.h"
#include "browser/MainDlg.h"

// A main window whose tabs a test counts and reaches by index, and whose
// collection popup it reaches.
class MainDlgAccess : public CMainDlg {
public:
    MainDlgAccess() : CMainDlg(nullptr, g_strStartDir) {}
    int GetTabCount() const { return m_tabs.GetCount(); }
    CWebBrowser2* GetPane(int index) const { return m_tabs.Get(index); }
    // The tab collections' popup; CollectionPopupProbe reaches inside it.
    CCollectionPopup& Popup() { return m_collectionPopup; }
    CString GetExpireFile() const { return m_expireList.GetFile(); }
};
