#include "browser/MainDlg.h"
#include "app/AboutDlg.h"
#include "framework/WinApp.h"

BEGIN_MESSAGE_MAP(CMainDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CMainDlg::CMainDlg(CWnd* parent) : CDialog(IDD, parent)
{
    m_hIcon = AfxGetApp()->LoadIcon(IDI_APP);
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    char about[128] = "";
    ::LoadStringA(AfxGetResourceHandle(), IDS_ABOUTBOX, about, sizeof about);
    if (about[0]) {
        HMENU sys = ::GetSystemMenu(m_hWnd, FALSE);
        ::AppendMenuA(sys, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(sys, MF_STRING, IDM_ABOUTBOX, about);
    }
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);
    return TRUE;
}

void CMainDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about(this);
        about.DoModal();
        return;
    }
    CWnd::OnSysCommand(id, lParam);
}

void CMainDlg::OnCancel()
{
    // Esc must not close the browser: only WM_CLOSE ends it, with its close sequence.
}

void CMainDlg::OnClose()
{
    EndDialog(IDCANCEL);
}
