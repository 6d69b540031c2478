// The two commands that open the collection organizer.
#include "browser/MainDlg.h"
#include "collection/CollectionDlg.h"

namespace {
// Only an OK has rewritten the file.
BOOL RunOrganizer(CCollectionDlg& dlg, const CString& file)
{
    dlg.m_strCollectionFile = file;
    return dlg.DoModal() == IDOK;
}
}

// The tab the context menu was opened on, which need not be the current one.
void CMainDlg::AddPage(int tab)
{
    CWebBrowser2* pane = m_tabs.Get(tab);
    if (!pane)
        return;
    CCollectionDlg dlg(this);
    dlg.m_nMode = CCollectionDlg::kAdd;
    dlg.m_strName = pane->GetLocationName();
    dlg.m_strAddress = pane->GetLocationURL();
    if (RunOrganizer(dlg, m_collectionPopup.GetFile()))
        m_collectionPopup.RebuildCollectionMenu();
}

void CMainDlg::OrganizeCollections()
{
    CCollectionDlg dlg(this);
    dlg.m_nMode = CCollectionDlg::kOrganize;
    if (RunOrganizer(dlg, m_collectionPopup.GetFile()))
        m_collectionPopup.RebuildCollectionMenu();
}

