#include "framework/PropertySheet.h"
#include "framework/ModalGuard.h"

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId)
{
    // The classic sizes work with every comctl32 version.
    m_psp = {};
    m_psp.dwSize = PROPSHEETPAGEA_V1_SIZE;
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.pszTemplate = MAKEINTRESOURCEA(templateId);
    m_psp.pfnDlgProc = StaticPageProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

INT_PTR CALLBACK CPropertyPage::StaticPageProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    // As for dialogs, only WM_INITDIALOG comes here; it carries the sheet's
    // copy of the page description, whose lParam is the page object.
    if (message != WM_INITDIALOG)
        return FALSE;
    const PROPSHEETPAGEA* psp = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    CPropertyPage* self = reinterpret_cast<CPropertyPage*>(psp->lParam);
    self->SubclassWindow(hWnd);
    return self->OnInitDialog();
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const NMHDR* nm = reinterpret_cast<const NMHDR*>(lParam);
    if (nm->hwndFrom != GetParent())
        return CDialog::OnNotify(wParam, lParam, result);
    // The sheet reads the answer from the page's window procedure, which is
    // ours: TRUE to PSN_KILLACTIVE keeps the page.
    if (nm->code == PSN_KILLACTIVE) {
        result = OnKillActive() ? FALSE : TRUE;
        return TRUE;
    }
    if (nm->code == PSN_APPLY)
        m_bApplied = true;
    return CDialog::OnNotify(wParam, lParam, result);
}

namespace {
// The system places a sheet at its owner's top-left corner; it opens centred
// like every other dialog.
int CALLBACK CenterSheet(HWND sheet, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED)
        CenterOverOwner(sheet);
    return 0;
}
}

CPropertySheet::CPropertySheet(const char* caption, CWnd* parent, UINT selectPage)
    : m_strCaption(caption), m_pParentWnd(parent)
{
    m_psh = {};
    m_psh.dwSize = PROPSHEETHEADERA_V1_SIZE;
    m_psh.nStartPage = selectPage;
    m_psh.dwFlags = PSH_USECALLBACK;
    m_psh.pfnCallback = CenterSheet;
}

INT_PTR CPropertySheet::DoModal()
{
    // Made one by one, the pages may use the short description; the sheet
    // destroys them when it ends.
    std::vector<HPROPSHEETPAGE> pages;
    for (CPropertyPage* page : m_pages) {
        PROPSHEETPAGEA psp = page->m_psp;
        psp.hInstance = AfxGetResourceHandle();
        if (HPROPSHEETPAGE made = ::CreatePropertySheetPageA(&psp))
            pages.push_back(made);
    }
    CWnd* main = AfxGetMainWnd();
    m_psh.hwndParent = m_pParentWnd ? m_pParentWnd->m_hWnd : main ? main->m_hWnd : nullptr;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_strCaption;
    m_psh.nPages = static_cast<UINT>(pages.size());
    m_psh.phpage = pages.data();
    for (CPropertyPage* page : m_pages)
        page->m_bApplied = false;
    {
        const CModalGuard guard;
        ::PropertySheetA(&m_psh);
    }
    // Whether the system's answer counts an OK without changes as saving
    // differs between its versions; the pages know they were applied, and
    // with Apply never enabled only OK does that.
    for (CPropertyPage* page : m_pages)
        if (page->m_bApplied)
            return IDOK;
    return IDCANCEL;
}
