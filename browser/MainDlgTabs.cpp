// The tab operations and the tab strip's commands; the tab set keeps the
// panes and the strip's items together.
#include "browser/MainDlg.h"

BOOL CMainDlg::AddTab(const char* address, int position)
{
    CWebBrowser2* pane = m_tabs.Insert(address, TRUE, position);
    if (!pane)
        return FALSE;
    // The address box shows the current tab only: a page opened behind a
    // pinned tab must not become what Enter navigates that tab to.
    if (address && m_tabs.Current() == pane)
        m_edAddress.SetWindowText(address);
    return TRUE;
}

// The address box is left alone: a saved set is opened whole and then one of
// its tabs selected, which shows that tab's address.
BOOL CMainDlg::AddRestoredTab(const char* address, BOOL pinned)
{
    CWebBrowser2* pane = m_tabs.Insert(address, FALSE);
    if (!pane)
        return FALSE;
    pane->SetPinned(pinned);
    return TRUE;
}

BOOL CMainDlg::SelectTab(int index)
{
    CWebBrowser2* pane = m_tabs.Select(index);
    if (!pane)
        return FALSE;
    CString name = pane->GetLocationName();
    SetWindowText(name.IsEmpty() ? pane->GetTabLocation() : name);
    m_edAddress.SetWindowText(pane->GetTabLocation());
    m_navBar.m_btnForward.EnableWindow(pane->GetCanGoForward());
    m_navBar.m_btnBack.EnableWindow(pane->GetCanGoBack());
    return TRUE;
}

BOOL CMainDlg::DeleteTab(int index)
{
    if (!m_tabs.Get(index))
        return FALSE;
    const int current = m_tabs.GetCurSel();
    // No tip is left standing over a tab that went.
    HWND tips = m_tabCtrl.GetToolTips();
    ::SendMessageA(tips, TTM_ACTIVATE, FALSE, 0);
    m_tabs.Remove(index);
    ::SendMessageA(tips, TTM_ACTIVATE, TRUE, 0);
    const int count = m_tabs.GetCount();
    if (index == current && count > 0)
        SelectTab(index < count ? index : count - 1);
    else
        RecalcLayout();
    return TRUE;
}

BOOL CMainDlg::MoveTab(int from, int to)
{
    if (from == to)
        return TRUE;
    if (!m_tabs.Get(from) || !m_tabs.Get(to))
        return FALSE;
    m_tabs.Move(from, to);
    return TRUE;
}

void CMainDlg::RefreshTabCaptions()
{
    for (int i = 0; i < m_tabs.GetCount(); ++i)
        m_tabs.SetCaption(i, m_tabs.Get(i)->GetLocationName());
    RecalcLayout();
}

void CMainDlg::OnTabCommand(UINT id, int index)
{
    static const struct {
        UINT id;
        void (*handler)(CMainDlg& dlg, int tab);
    } kTabCommands[] = {
        { ID_TAB_DELETE, [](CMainDlg& dlg, int tab) { dlg.OnDeleteTab(tab); } },
        { ID_TAB_DELETE_OTHERS, [](CMainDlg& dlg, int tab) { dlg.OnDeleteOtherTabs(tab); } },
        { ID_ADD_TO_COLLECTION, [](CMainDlg& dlg, int tab) { dlg.AddPage(tab); } },
        { ID_REGISTER_EXPIRE, [](CMainDlg& dlg, int tab) {
              if (CWebBrowser2* pane = dlg.m_tabs.Get(tab))
                  dlg.m_expireList.OnRegisterExpirePage(pane->GetLocationName(), pane->GetLocationURL());
          } },
    };
    for (const auto& command : kTabCommands)
        if (command.id == id)
            command.handler(*this, index);
}

void CMainDlg::OnDeleteTab(int tab)
{
    if (m_tabs.GetCount() <= 1)
        return;
    m_keys.RememberClosedTab(tab);
    DeleteTab(tab);
}

void CMainDlg::OnDeleteOtherTabs(int tab)
{
    if (m_tabs.GetCount() <= 1 || !m_tabs.Get(tab))
        return;
    const int kept = m_tabs.GetCurSel() == tab ? 0 : -1;
    m_tabs.RemoveAllBut(tab);
    if (!m_tabs.KeepFront(kept))
        SelectTab(0);
}

void CMainDlg::OnTabOrientation(UINT id)
{
    m_tabCtrl.SetLayout(TabSideOfCommand(static_cast<int>(id) - ID_TAB_BOTTOM), m_settings.m_bMultiLineTab != 0);
    SelectTab(m_tabs.GetCurSel());
    m_profileFile.NoteChange();
}

void CMainDlg::OnMultiLineTab()
{
    m_settings.m_bMultiLineTab = !m_settings.m_bMultiLineTab;
    m_tabCtrl.SetLayout(m_tabCtrl.GetOrientation(), m_settings.m_bMultiLineTab != 0);
    RecalcLayout();
    m_profileFile.NoteChange();
}

// The strip lets the mouse beside its tabs through to this window: a double
// click there opens a new tab, as NEW does.
void CMainDlg::OnLButtonDblClk(UINT, CPoint point)
{
    const CRect strip = ChildRect(m_tabCtrl);
    TCHITTESTINFO info = {};
    info.pt = { point.x - strip.left, point.y - strip.top };
    if (::PtInRect(&strip, point) && m_tabCtrl.HitTest(&info) < 0)
        OnNew();
}

LRESULT CMainDlg::OnCloseTab(WPARAM index, LPARAM)
{
    if (!m_tabs.Get(static_cast<int>(index)))
        return 0;
    m_keys.RememberClosedTab(static_cast<int>(index));
    DeleteTab(static_cast<int>(index));
    return 0;
}

// Posted when the page was refused: tabs may have moved or closed since,
// and a refused page is no tab the user closed.
LRESULT CMainDlg::OnCloseRefused(WPARAM serial, LPARAM)
{
    DeleteTab(m_tabs.FindBySerial(static_cast<UINT>(serial)));
    return 0;
}
