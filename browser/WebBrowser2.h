#pragma once
#include "core/PopupRules.h"
#include "framework/Wnd.h"

// One browser pane: a hosted WebBrowser control driven through its dispatch
// interface, and the per-tab state the shell keeps beside it. The host window
// comes first; the control inside it may come later (see CreateBrowser).
class CWebBrowser2 : public CWnd {
public:
    // The pane's host window alone, with its control id.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Creates the WebBrowser control in the host, activates it and connects
    // its events. FALSE leaves the pane without one, as before.
    BOOL CreateBrowser();
    BOOL HasBrowser() const { return GetControlDispatch() != nullptr; }

    // Given by the tab set when the pane's tab is inserted; no other tab of
    // the program's life has the same.
    UINT GetSerial() const { return m_nSerial; }
    void SetSerial(UINT serial) { m_nSerial = serial; }
    // A pop-up tab its page opens by itself, at the tick now: TRUE when the
    // tab has not opened its share of them yet.
    BOOL TakePopup(unsigned now) { return m_popups.Take(now); }
    BOOL GetFirstNavigate() const { return m_bFirstNavigate; }
    BOOL SetFirstNavigate(BOOL value) { BOOL old = m_bFirstNavigate; m_bFirstNavigate = value; return old; }
    BOOL GetPinned() const { return m_bPinned; }
    BOOL SetPinned(BOOL value) { BOOL old = m_bPinned; m_bPinned = value; return old; }
    BOOL GetCanGoBack() const { return m_bCanGoBack; }
    void SetCanGoBack(BOOL value) { m_bCanGoBack = value; }
    BOOL GetCanGoForward() const { return m_bCanGoForward; }
    void SetCanGoForward(BOOL value) { m_bCanGoForward = value; }
    // The address the control last reported.
    CString GetLocation() const { return m_strLocation; }
    void SetLocation(const CString& location) { m_strLocation = location; }
    // The address the shell last asked the pane to open. It stands for the tab
    // only until the control reports one, so an address that never loads (a
    // download, a mailto: link) does not replace that of the page shown.
    void SetGivenLocation(const CString& location) { m_strGivenLocation = location; }
    // The address captions and the default tab set show for the tab.
    CString GetTabLocation() const { return m_strLocation.IsEmpty() ? m_strGivenLocation : m_strLocation; }

    void GoBack();
    void GoForward();
    void GoHome();
    void Navigate(const char* url, VARIANT* flags, VARIANT* targetFrameName, VARIANT* postData, VARIANT* headers);
    void Refresh();
    // The control's own dispatch, for a new window's page to load into; the caller releases it.
    IDispatch* GetApplication();
    // Without its control a pane answers both with the address it was given.
    CString GetLocationName();
    CString GetLocationURL();
    // Gives a keystroke aimed at the page to the control before the dialog
    // sees it: Tab between links, the clipboard keys, Backspace and Enter in
    // forms are the page's. TRUE when the control took it.
    BOOL TranslateAccelerator(MSG* msg);

private:
    HRESULT CallMethod(DISPID dispid, VARIANT* argsLastFirst = nullptr, UINT count = 0);
    HRESULT GetProperty(DISPID dispid, VARIANT* result);
    // A text property; an address is converted as addresses are.
    CString GetStringProperty(DISPID dispid, bool address);

    UINT m_nSerial = 0;
    PopupBudget m_popups;
    BOOL m_bFirstNavigate = TRUE;
    BOOL m_bPinned = FALSE;
    // Both states arrive with the first CommandStateChange, as soon as a
    // navigation starts; until then the buttons stay disabled.
    BOOL m_bCanGoBack = FALSE;
    BOOL m_bCanGoForward = FALSE;
    CString m_strLocation;
    CString m_strGivenLocation;
};
