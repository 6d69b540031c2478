// The navigation bar's buttons and the browser panes' events.
#include "browser/MainDlg.h"
#include "core/Cp932.h"
#include <exdisp.h>
#include <exdispid.h>

BEGIN_EVENTSINK_MAP(CMainDlg, CDialog)
    ON_EVENT_RANGE(CMainDlg, IDC_BROWSER_FIRST, IDC_BROWSER_LAST, DISPID_NAVIGATECOMPLETE2, UpdateLocation)
    ON_EVENT_RANGE(CMainDlg, IDC_BROWSER_FIRST, IDC_BROWSER_LAST, DISPID_DOCUMENTCOMPLETE, UpdateLocation)
    ON_EVENT_RANGE(CMainDlg, IDC_BROWSER_FIRST, IDC_BROWSER_LAST, DISPID_TITLECHANGE, OnTitleChange)
    ON_EVENT_RANGE(CMainDlg, IDC_BROWSER_FIRST, IDC_BROWSER_LAST, DISPID_BEFORENAVIGATE2, OnBeforeNavigate2)
    ON_EVENT_RANGE(CMainDlg, IDC_BROWSER_FIRST, IDC_BROWSER_LAST, DISPID_NEWWINDOW2, OnNewWindow2)
    ON_EVENT_RANGE(CMainDlg, IDC_BROWSER_FIRST, IDC_BROWSER_LAST, DISPID_NEWWINDOW3, OnNewWindow3)
    ON_EVENT_RANGE(CMainDlg, IDC_BROWSER_FIRST, IDC_BROWSER_LAST, DISPID_PROGRESSCHANGE, OnProgressChange)
    ON_EVENT_RANGE(CMainDlg, IDC_BROWSER_FIRST, IDC_BROWSER_LAST, DISPID_COMMANDSTATECHANGE, OnCommandStateChange)
END_EVENTSINK_MAP()

void CMainDlg::OnGo()
{
    CString address;
    m_edAddress.GetWindowText(address);
    CWebBrowser2* pane = m_tabs.Current();
    if (!pane) {
        // A refused page can close the last tab; the address then gets a new one.
        AddTab(address);
        return;
    }
    // A pane whose control could not be made when it came to the front tries
    // again, with the address now typed.
    if (!pane->HasBrowser()) {
        pane->SetGivenLocation(address);
        m_tabs.Load(pane);
        return;
    }
    // The page's own address decides: one given earlier may never have loaded.
    if (address != pane->GetLocation()) {
        pane->SetGivenLocation(address);
        pane->Navigate(address, nullptr, nullptr, nullptr, nullptr);
    } else
        pane->Refresh();
}

void CMainDlg::OnNew()
{
    CString address;
    m_edAddress.GetWindowText(address);
    AddTab(address);
    SelectTab(m_tabs.GetCount() - 1);
}

void CMainDlg::OnBack()
{
    CWebBrowser2* pane = m_tabs.Current();
    if (pane && pane->GetCanGoBack())
        pane->GoBack();
}

void CMainDlg::OnForward()
{
    CWebBrowser2* pane = m_tabs.Current();
    if (pane && pane->GetCanGoForward())
        pane->GoForward();
}

// Both completions carry the page's address; a title change may follow a
// new one too.
void CMainDlg::UpdateLocation(UINT id, IDispatch*, VARIANT*)
{
    const int index = static_cast<int>(id) - IDC_BROWSER_FIRST;
    CWebBrowser2* pane = m_tabs.Get(index);
    if (!pane)
        return;
    const CString location = pane->GetLocationURL();
    if (location != pane->GetLocation())
        m_profileFile.NoteChange();
    pane->SetLocation(location);
    if (index == m_tabs.GetCurSel())
        m_edAddress.SetWindowText(pane->GetTabLocation());
}

void CMainDlg::OnTitleChange(UINT id, const wchar_t* text)
{
    const int index = static_cast<int>(id) - IDC_BROWSER_FIRST;
    if (!m_tabs.Get(index))
        return;
    const CString title = CString::FromWide(text);
    if (index == m_tabs.GetCurSel())
        SetWindowText(title);
    m_tabs.SetCaption(index, title);
    RecalcLayout();
    UpdateLocation(id);
}

void CMainDlg::OnBeforeNavigate2(UINT id, IDispatch*, VARIANT* url, VARIANT*, VARIANT*, VARIANT*, VARIANT*,
                                 VARIANT_BOOL* cancel)
{
    const int current = m_tabs.GetCurSel();
    const int index = static_cast<int>(id) - IDC_BROWSER_FIRST;
    CWebBrowser2* pane = m_tabs.Get(index);
    if (!pane)
        return;
    if (pane->GetFirstNavigate()) {
        if (index == current)
            pane->MoveWindow(m_tabs.GetPanePlace(), TRUE);
        else
            m_tabs.Park(pane);
    }
    if (m_settings.m_bExpireEnabled) {
        const CString address(AddressFromWide(url && url->vt == VT_BSTR ? url->bstrVal : nullptr));
        if (m_expireList.MatchesExpirePage(address)) {
            pane->SetFirstNavigate(FALSE);
            PostMessage(WM_APP_CLOSEREFUSED, pane->GetSerial());
            *cancel = VARIANT_TRUE;
            return;
        }
    }
    if (pane->SetFirstNavigate(FALSE)) {
        CWebBrowser2* front = m_tabs.Get(current);
        if (front && !front->GetPinned())
            SelectTab(index);
    }
}

void CMainDlg::OnNewWindow2(UINT id, IDispatch** disp, VARIANT_BOOL* cancel)
{
    OnNewWindow3(id, disp, cancel, static_cast<long>(kNewWindowFlagsUnknown), nullptr, nullptr);
}

// A page that opens windows in a loop gets a few tabs, not hundreds: what
// the user did not ask for counts against the page's tab, and a refused
// request creates no control.
void CMainDlg::OnNewWindow3(UINT id, IDispatch** disp, VARIANT_BOOL* cancel, long flags, const wchar_t*,
                            const wchar_t* url)
{
    CWebBrowser2* source = m_tabs.Get(static_cast<int>(id) - IDC_BROWSER_FIRST);
    const unsigned asked = static_cast<unsigned>(flags);
    // The serial of the tab that takes the window, 0 for none.
    const auto open = [&]() -> UINT {
        // A listed page is refused before it gets a tab of its own.
        if (url && m_settings.m_bExpireEnabled && m_expireList.MatchesExpirePage(CString(AddressFromWide(url))))
            return 0;
        if (!IsUserAskedWindow(asked) && source && !source->TakePopup(::GetTickCount()))
            return 0;
        // At the tab limit the pop-up is refused rather than loaded over the
        // last tab's page.
        return AddTab(nullptr) ? m_tabs.Get(m_tabs.GetCount() - 1)->GetSerial() : 0;
    };
    UINT opened = 0;
    switch (m_newWindows.Arrive(source ? source->GetSerial() : 0, asked != kNewWindowFlagsUnknown)) {
    case NewWindowEvents::kLeave:
        return;
    case NewWindowEvents::kFollow:
        opened = m_newWindows.Followed();
        break;
    case NewWindowEvents::kDecide:
        opened = open();
        m_newWindows.Decided(opened);
        break;
    }
    CWebBrowser2* tab = m_tabs.Get(m_tabs.FindBySerial(opened));
    if (!tab) {
        *cancel = VARIANT_TRUE;
        return;
    }
    if (!*disp)
        *disp = tab->GetApplication();
}

void CMainDlg::OnProgressChange(UINT id, long progress, long progressMax)
{
    const int index = static_cast<int>(id) - IDC_BROWSER_FIRST;
    if (!m_tabs.Get(index))
        return;
    m_tabs.SetProgress(index, progress > 0 && progressMax != 0
        ? static_cast<LPARAM>(static_cast<long long>(progress) * 100 / progressMax) : 100);
}

void CMainDlg::OnCommandStateChange(UINT id, long command, BOOL enable)
{
    const int index = static_cast<int>(id) - IDC_BROWSER_FIRST;
    CWebBrowser2* pane = m_tabs.Get(index);
    if (!pane)
        return;
    const bool current = index == m_tabs.GetCurSel();
    if (command == CSC_NAVIGATEFORWARD) {
        pane->SetCanGoForward(enable);
        if (current)
            m_navBar.m_btnForward.EnableWindow(enable);
    } else if (command == CSC_NAVIGATEBACK) {
        pane->SetCanGoBack(enable);
        if (current)
            m_navBar.m_btnBack.EnableWindow(enable);
    }
}
