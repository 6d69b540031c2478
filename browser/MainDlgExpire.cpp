// Expire pages in the main window: the match behind the refusal in
// BeforeNavigate2, the switch, and the two ways into the expire-page dialog.
#include "browser/MainDlg.h"
#include "core/expire/ExpireRules.h"
#include "expire/ExpirePageDlg.h"

namespace {
// Only an OK has rewritten the file.
BOOL RunExpirePageDlg(CExpirePageDlg& dlg, const CString& file)
{
    dlg.SetFile(file);
    return dlg.DoModal() == IDOK;
}
}

BOOL CMainDlg::MatchesExpirePage(const CString& url) const
{
    return MatchesExpireList(m_pExpireList ? m_pExpireList->GetRoot() : nullptr, url.str());
}

void CMainDlg::OnExpireEnable()
{
    m_settings.m_bExpireEnabled = !m_settings.m_bExpireEnabled;
    m_profileFile.NoteChange();
}

void CMainDlg::OnRegisterExpirePage(int tab)
{
    CWebBrowser2* pane = m_tabs.Get(tab);
    if (!pane)
        return;
    CExpirePageDlg dlg;
    dlg.SetMode(CExpirePageDlg::kAddMode);
    dlg.SetPage(pane->GetLocationName(), pane->GetLocationURL());
    if (RunExpirePageDlg(dlg, GetExpireFile()))
        ReloadExpireList();
}

void CMainDlg::OnOrganizeExpirePages()
{
    CExpirePageDlg dlg;
    dlg.SetMode(CExpirePageDlg::kOrganizeMode);
    if (RunExpirePageDlg(dlg, GetExpireFile()))
        ReloadExpireList();
}

