#pragma once
#include "framework/Dialog.h"
#include <commctrl.h>
#include <vector>

// One page of a property sheet, from a child-dialog template whose caption is
// the tab's text. The sheet creates the page's window the first time the page
// is shown; its data is moved into the controls then and validated whenever
// the page is left, OK included.
class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId);

    PROPSHEETPAGEA m_psp;

protected:
    // FALSE keeps the page: its data did not validate.
    virtual BOOL OnKillActive() { return UpdateData(TRUE); }
    // The sheet's buttons end the sheet, not the page.
    void OnOK() override {}
    void OnCancel() override {}
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static INT_PTR CALLBACK StaticPageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Set when the sheet applied the page, which only its OK button does here.
    bool m_bApplied = false;
    friend class CPropertySheet;
};

// A modal property sheet with OK, Cancel and Apply; no page reports a change,
// so Apply stays disabled. There is no Help button: no help file exists.
class CPropertySheet {
public:
    explicit CPropertySheet(const char* caption, CWnd* parent = nullptr, UINT selectPage = 0);
    CPropertySheet(const CPropertySheet&) = delete;
    CPropertySheet& operator=(const CPropertySheet&) = delete;

    void AddPage(CPropertyPage* page) { m_pages.push_back(page); }
    // IDOK when the sheet ended with OK, IDCANCEL otherwise.
    INT_PTR DoModal();

    PROPSHEETHEADERA m_psh;

private:
    CString m_strCaption;
    CWnd* m_pParentWnd;
    std::vector<CPropertyPage*> m_pages;
};
