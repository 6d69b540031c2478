// The two commands that open the collection organizer.
#include "browser/MainDlg.h"
#include "collection/CollectionDlg.h"

// The tab the context menu was opened on, which need not be the current one.
void CMainDlg::AddPage(int tab)
{
    CWebBrowser2* pane = GetPane(tab);
    if (!pane)
        return;
    CCollectionDlg dlg(this);
    dlg.m_nMode = CCollectionDlg::kAdd;
    dlg.m_strName = pane->GetLocationName();
    dlg.m_strAddress = pane->GetLocationURL();
    RunOrganizer(dlg);
}

void CMainDlg::OrganizeCollections()
{
    CCollectionDlg dlg(this);
    dlg.m_nMode = CCollectionDlg::kOrganize;
    RunOrganizer(dlg);
}

// Only an OK has rewritten the file.
void CMainDlg::RunOrganizer(CCollectionDlg& dlg)
{
    dlg.m_strCollectionFile = GetBookmarkFile();
    if (dlg.DoModal() == IDOK)
        RebuildCollectionMenu();
}
