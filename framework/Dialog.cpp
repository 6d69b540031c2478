#include "framework/Dialog.h"
#include "framework/DataExchange.h"
#include "framework/ModalGuard.h"
#include "framework/WinApp.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent)
{
}

INT_PTR CALLBACK CDialog::StaticDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    // Only WM_INITDIALOG is ours here: from then on the dialog is subclassed
    // and every message passes CWnd::WindowProc before the dialog manager.
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* self = reinterpret_cast<CDialog*>(lParam);
    self->SubclassWindow(hWnd);
    RECT created;
    ::GetWindowRect(hWnd, &created);
    const BOOL result = self->OnInitDialog();
    // A modal dialog that did not place itself while initialising opens
    // centred rather than where its template's coordinates put it.
    RECT now;
    if (self->m_bModal && ::IsWindow(hWnd) && !(::GetWindowLongPtrA(hWnd, GWL_STYLE) & (WS_VISIBLE | WS_CHILD)) &&
        ::GetWindowRect(hWnd, &now) && ::EqualRect(&now, &created))
        CenterOverOwner(hWnd);
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    HWND owner = parent ? parent->m_hWnd : nullptr;
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(templateId), owner,
                                     StaticDlgProc, reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    CWnd* main = AfxGetMainWnd();
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd
                              : (main && main != this ? main->m_hWnd : nullptr);
    m_bModal = true;
    m_bEndModal = false;
    m_nModalResult = -1;
    const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled)
        ::EnableWindow(owner, FALSE);
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                                     StaticDlgProc, reinterpret_cast<LPARAM>(this));
    if (hWnd && !m_bEndModal) {
        // The main window's own loop is the program's life, not a wait.
        if (main == this) {
            RunModalLoop();
            if (AfxGetApp()->m_bEndWithMainWnd) {
                CWnd::CloseEveryControl();
                AfxEndProgram();
            }
        } else {
            const CModalGuard guard;
            RunModalLoop();
        }
    }
    if (ownerWasEnabled) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    if (m_hWnd) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE |
                       SWP_NOACTIVATE | SWP_NOZORDER);
        DestroyWindow();
    }
    m_bModal = false;
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    // A template without WS_VISIBLE is shown once its queue first runs dry,
    // after initialisation has settled the window's place.
    bool showWhenIdle = !(GetStyle() & WS_VISIBLE);
    MSG msg;
    while (!m_bEndModal) {
        if (showWhenIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            showWhenIdle = false;
            ShowWindow(SW_SHOWNORMAL);
            UpdateWindow();
        }
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!PreTranslateChain(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

bool CDialog::PreTranslateChain(MSG* msg)
{
    // From the target window up to this dialog, each bound object may take it.
    for (HWND hWnd = msg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        if (CWnd* wnd = FromHandlePermanent(hWnd))
            if (wnd->PreTranslateMessage(msg))
                return true;
        if (hWnd == m_hWnd)
            return false;
    }
    return PreTranslateMessage(msg) != FALSE;
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    return m_hWnd && ::IsDialogMessageA(m_hWnd, msg);
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    m_bEndModal = true;
    if (m_hWnd && !m_bModal)
        ::EndDialog(m_hWnd, result);
    // Wake the modal loop so it sees the end at once.
    if (m_bModal)
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
