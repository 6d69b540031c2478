#include "browser/MainDlg.h"
#include "browser/AboutDlg.h"
#include "framework/DataExchange.h"
#include "framework/ModalGuard.h"
#include "framework/WinApp.h"

BEGIN_MESSAGE_MAP(CMainDlg, CDialog)
    ON_WM_SYSCOMMAND()
    CHAIN_MSG_MAP_MEMBER(m_icon)
    CHAIN_MSG_MAP_MEMBER(m_dpiChange)
    ON_WM_SIZE()
    ON_BN_CLICKED(IDC_GO, OnGo)
    ON_BN_CLICKED(IDC_NEW, OnNew)
    ON_BN_CLICKED(IDC_BACK, OnBack)
    ON_BN_CLICKED(IDC_FORWARD, OnForward)
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_FUNC, OnFuncButton)
    ON_COMMAND(ID_SAVE_DEFAULT_TABS, SaveDefaultTabs)
    ON_COMMAND(ID_OPEN_DEFAULT_TABS, OpenDefaultTabs)
    ON_WM_CLOSE()
    ON_COMMAND(ID_SAVE_TABS_AT_EXIT, OnSaveTabsAtExit)
    ON_COMMAND(ID_STEALTH_MODE, ToggleStealthMode)
    ON_COMMAND(ID_ORGANIZE_COLLECTIONS, OrganizeCollections)
    ON_BN_CLICKED(IDC_SEARCH, ShowCollectionMenu)
    ON_WM_LBUTTONDOWN()
    AFX_ON_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
    CHAIN_MSG_MAP_MEMBER(m_collectionPopup)
    ON_COMMAND_RANGE(ID_TAB_BOTTOM, ID_TAB_RIGHT, OnTabOrientation)
    ON_COMMAND_RANGE(ID_ARRANGE_FIRST, ID_ARRANGE_LAST, OnArrangeWindow)
    ON_COMMAND_RANGE(ID_COLLECTION_FIRST, ID_COLLECTION_LAST, OpenCollection)
    ON_COMMAND(ID_OPTIONS, OnOptions)
    CHAIN_MSG_MAP_MEMBER(m_stealth)
    ON_MESSAGE(WM_APP_CLOSETAB, OnCloseTab)
    ON_MESSAGE(WM_APP_CLOSEREFUSED, OnCloseRefused)
    CHAIN_MSG_MAP_MEMBER(m_tabs)
    ON_COMMAND(ID_TAB_MULTILINE, OnMultiLineTab)
    CHAIN_MSG_MAP_MEMBER(m_expireList)
    CHAIN_MSG_MAP_MEMBER(m_profileFile)
    ON_MESSAGE(WM_ENDSESSION, OnEndSession)
END_MESSAGE_MAP()

CMainDlg::CMainDlg(CWnd* parent, const CString& startDir)
    : CDialog(IDD, parent), m_strStartDir(startDir), m_tabs(*this, m_tabCtrl, m_settings, m_profileFile),
      m_profileFile(*this, AfxGetApp()->m_pszProfileName ? AfxGetApp()->m_pszProfileName : "", m_settings,
                    m_tabCtrl, m_tabs),
      m_keys(*this, *this, m_tabs, m_edAddress), m_collectionPopup(*this, m_settings, startDir),
      m_expireList(*this, m_settings, m_strStartDir, m_profileFile),
      m_stealth(*this, *this, m_settings), m_icon(*this, AfxGetApp()->LoadIcon(IDI_APP)),
      m_dpiChange(*this, [this] { m_tabCtrl.FitToDpi(); RecalcLayout(); })
{
}

void CMainDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ADDRESS, m_edAddress);
    DDX_Control(dx, IDC_TABSTRIP, m_tabCtrl);
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
    m_icon.Attach();
    m_dpiChange.Attach();

    m_navBar.Create(*this, m_edAddress);
    m_bInitialized = TRUE;
    // The template's positions are not the layout: without a saved placement
    // no WM_SIZE would come to lay the window out before it is shown.
    RecalcLayout();

    m_tabCtrl.SetTabOwner(this);
    LoadSettings();
    m_stealth.NoteActivity();

    m_collectionPopup.Open();
    m_expireList.Open();
    OpenTabSet(m_profileFile.ReadStartTabs());
    m_profileFile.StartNotingChanges();
    return TRUE;
}

BOOL CMainDlg::PreTranslateMessage(MSG* msg)
{
    m_navBar.RelayEvent(msg);
    if (m_keys.OnTabKey(*msg))
        return TRUE;
    if (CWebBrowser2* page = m_tabs.Current())
        if (page->TranslateAccelerator(msg))
            return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CMainDlg::RecalcLayout()
{
    if (!m_bInitialized)
        return;
    CRect client;
    GetClientRect(&client);
    const int barHeight = m_navBar.Layout(client.Width());
    m_tabCtrl.MoveWindow(0, barHeight, client.Width(), client.Height() - barHeight, FALSE);
    if (CWebBrowser2* current = m_tabs.Current())
        current->MoveWindow(m_tabs.GetPanePlace(), FALSE);
    m_tabCtrl.Invalidate(TRUE);
}

void CMainDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about(this);
        about.DoModal();
        return;
    }
    if ((id & 0xFFF0) == SC_MINIMIZE && m_stealth.HideInsteadOfMinimize())
        return;
    CDialog::OnSysCommand(id, lParam);
}

void CMainDlg::OnSize(UINT type, int cx, int cy)
{
    if (type == SIZE_MINIMIZED && m_stealth.HideInsteadOfMinimize())
        return;
    CDialog::OnSize(type, cx, cy);
    RecalcLayout();
    m_profileFile.NoteChange();
}

void CMainDlg::OnDestroy()
{
    CDialog::OnDestroy();
    // A window destroyed without closing leaves no icon in the tray either.
    m_stealth.End();
    m_tabs.RemoveAll();
}

void CMainDlg::OnCancel()
{
    // Esc must not close the browser: only WM_CLOSE ends it, with its close sequence.
}

void CMainDlg::OnClose()
{
    // A message box or a menu still running would return into a window
    // whose parts were let go.
    if (AfxPostponeClose(m_hWnd))
        return;
    m_profileFile.StopNotingChanges();
    m_profileFile.WriteProfileFile(m_profileFile.PartsAtEnd(), FALSE);
    m_stealth.End();
    m_collectionPopup.Close();
    m_expireList.Close();
    // Grey the window at once so closing looks immediate while panes go down.
    FillWindow(RGB(128, 128, 128));
    ShowWindow(SW_HIDE);
    EndDialog(IDCANCEL);
}

void CMainDlg::OnLButtonDown(UINT flags, CPoint point)
{
    if (m_collectionPopup.IsCollectionMenuOpen())
        return;
    CDialog::OnLButtonDown(flags, point);
}

