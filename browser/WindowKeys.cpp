// The main window's keys and the tabs the user closed, to open again.
#include "browser/WindowKeys.h"
#include "browser/AddressEdit.h"
#include "browser/TabKeys.h"
#include "browser/TabSet.h"
#include "browser/WebBrowser2.h"

CWindowKeys::CWindowKeys(CWnd& window, WindowKeysOwner& owner, CTabSet& tabs, CAddressEdit& address)
    : m_window(window), m_owner(owner), m_tabs(tabs), m_edAddress(address)
{
}

BOOL CWindowKeys::OnTabKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return FALSE;
    // A menu's or a modal dialog's loop keeps its keys to itself; a dialog
    // also leaves this window disabled, and the collection popup says so.
    if (!::IsWindowEnabled(m_window.m_hWnd) || m_owner.IsCollectionMenuOpen() ||
        (msg.hwnd != m_window.m_hWnd && !::IsChild(m_window.m_hWnd, msg.hwnd)))
        return FALSE;
    const TabKey* key = FindTabKey(msg.message, msg.wParam, HeldKeyModifiers());
    if (!key || (key->action == TabKeyAction::kRestoreAddress && msg.hwnd != m_edAddress.m_hWnd))
        return FALSE;
    const int count = m_tabs.GetCount();
    const int current = m_tabs.GetCurSel() < 0 ? 0 : m_tabs.GetCurSel();
    switch (key->action) {
    case TabKeyAction::kNewTab:
        m_owner.OnNew();
        FocusAddress(FALSE);
        break;
    case TabKeyAction::kCloseTab:
        m_window.SendMessage(WM_APP_CLOSETAB, static_cast<WPARAM>(m_tabs.GetCurSel()), 0);
        break;
    case TabKeyAction::kNextTab:
        if (count > 0)
            m_owner.SelectTab((current + 1) % count);
        break;
    case TabKeyAction::kPreviousTab:
        if (count > 0)
            m_owner.SelectTab((current + count - 1) % count);
        break;
    case TabKeyAction::kTabAt:
        m_owner.SelectTab(key->tab);
        break;
    case TabKeyAction::kLastTab:
        m_owner.SelectTab(count - 1);
        break;
    case TabKeyAction::kFocusAddress:
        FocusAddress(FALSE);
        break;
    case TabKeyAction::kReopenTab:
        ReopenClosedTab();
        break;
    case TabKeyAction::kRestoreAddress:
        FocusAddress(TRUE);
        break;
    }
    return TRUE;
}

void CWindowKeys::FocusAddress(BOOL restore)
{
    if (restore) {
        CWebBrowser2* pane = m_tabs.Current();
        m_edAddress.SetWindowText(pane ? pane->GetTabLocation() : CString());
    }
    ::SetFocus(m_edAddress.m_hWnd);
    m_edAddress.SendMessage(EM_SETSEL, 0, -1);
}

void CWindowKeys::RememberClosedTab(int index)
{
    // A blank tab leaves nothing worth opening again.
    const CWebBrowser2* pane = m_tabs.Get(index);
    if (pane && !pane->GetTabLocation().IsEmpty())
        m_closedTabs.Remember({ pane->GetTabLocation().str(), index, pane->GetPinned() != FALSE });
}

void CWindowKeys::ReopenClosedTab()
{
    if (m_closedTabs.IsEmpty())
        return;
    const ClosedTab tab = m_closedTabs.Get(0);
    // Where it stood, when the tabs still reach that far; else at the end.
    const int index = tab.index < m_tabs.GetCount() ? tab.index : m_tabs.GetCount();
    if (!m_owner.AddTab(tab.address.c_str(), index))
        return;
    m_closedTabs.ForgetNewest();
    m_tabs.SetPinned(index, tab.pinned);
    m_owner.SelectTab(index);
}
