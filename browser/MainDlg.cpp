#include "browser/MainDlg.h"
#include "browser/AboutDlg.h"
#include "framework/DataExchange.h"
#include "framework/WinApp.h"

BEGIN_MESSAGE_MAP(CMainDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
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
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_SEARCH, ShowCollectionMenu)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_LBUTTONDOWN()
    AFX_ON_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
    ON_WM_MENUSELECT()
    ON_WM_MOUSEMOVE()
    ON_COMMAND_RANGE(ID_TAB_BOTTOM, ID_TAB_RIGHT, OnTabOrientation)
    ON_COMMAND_RANGE(ID_ARRANGE_FIRST, ID_ARRANGE_LAST, OnArrangeWindow)
    ON_COMMAND_RANGE(ID_COLLECTION_FIRST, ID_COLLECTION_LAST, OpenCollection)
    ON_COMMAND(ID_OPTIONS, OnOptions)
    CHAIN_MSG_MAP_MEMBER(m_stealth)
    ON_MESSAGE(WM_APP_CLOSETAB, OnCloseTab)
    ON_MESSAGE(WM_APP_TOGGLEPIN, OnTogglePin)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnTabToolTip)
    ON_COMMAND(ID_TAB_MULTILINE, OnMultiLineTab)
    CHAIN_MSG_MAP_MEMBER(m_expireList)
    ON_MESSAGE(WM_MOVE, OnMove)
    ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
    ON_MESSAGE(WM_ENDSESSION, OnEndSession)
END_MESSAGE_MAP()

namespace {
HICON LoadSmallIcon(UINT id)
{
    return static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16,
                                           LR_DEFAULTCOLOR));
}
}

CMainDlg::CMainDlg(CWnd* parent, const CString& startDir)
    : CDialog(IDD, parent), m_strStartDir(startDir), m_tabs(*this, m_tabCtrl, m_settings),
      m_profileFile(*this, m_settings, m_tabCtrl, m_tabs),
      m_keys(*this, *this, m_tabs, m_edAddress, m_profileFile),
      m_expireList(*this, m_settings, m_strStartDir, [this] { m_profileFile.NoteChange(); }),
      m_stealth(*this, *this, m_settings)
{
    m_hIcon = AfxGetApp()->LoadIcon(IDI_APP);
}

CMainDlg::~CMainDlg()
{
    for (HICON& icon : m_hMenuIcons)
        if (icon) ::DestroyIcon(icon);
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
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_hMenuIcons[0] = LoadSmallIcon(IDI_FOLDER_CLOSED);
    m_hMenuIcons[1] = LoadSmallIcon(IDI_FOLDER_OPEN);
    m_hMenuIcons[2] = LoadSmallIcon(IDI_TABSET);

    CreateNavigationBar();
    m_bInitialized = TRUE;
    // The template's positions are not the layout: without a saved placement
    // no WM_SIZE would come to lay the window out before it is shown.
    RecalcLayout();

    m_tabCtrl.SetTabOwner(this);
    LoadSettings();
    m_stealth.NoteActivity();

    CreateCollections();
    m_expireList.Open();
    OpenDefaultTabs();
    m_profileFile.StartNotingChanges();
    return TRUE;
}

void CMainDlg::CreateNavigationBar()
{
    m_btnGo.AutoLoad(IDC_GO, this);
    m_btnFunc.AutoLoad(IDC_FUNC, this);
    m_btnSearch.AutoLoad(IDC_SEARCH, this);
    m_btnForward.AutoLoad(IDC_FORWARD, this);
    m_btnBack.AutoLoad(IDC_BACK, this);
    m_btnNew.AutoLoad(IDC_NEW, this);

    m_toolTip.Create(this, TTS_ALWAYSTIP);
    m_toolTip.Activate(TRUE);
    m_toolTip.AddTool(m_btnBack, "戻る");
    m_toolTip.AddTool(m_btnForward, "進む");
    m_toolTip.AddTool(m_btnSearch, "タブコレクション");
    m_toolTip.AddTool(m_btnFunc, "オプション");
    m_toolTip.AddTool(m_btnNew, "新しいタブで開く (Ctrl+T)");
    m_toolTip.AddTool(m_btnGo, "アドレスを開く");
    m_toolTip.AddTool(m_edAddress, "アドレス (Ctrl+L)");
}

BOOL CMainDlg::PreTranslateMessage(MSG* msg)
{
    m_toolTip.RelayEvent(msg);
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
    CRect client, go, nw;
    GetClientRect(&client);
    m_btnGo.GetWindowRect(&go);
    m_btnNew.GetWindowRect(&nw);
    const CRect func = ChildRect(m_btnFunc), edit = ChildRect(m_edAddress);

    const int goLeft = client.Width() - go.Width();
    const int newLeft = goLeft - nw.Width();
    m_btnGo.SetWindowPos(nullptr, goLeft, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_btnNew.MoveWindow(newLeft, 0, nw.Width(), nw.Height(), TRUE);
    m_edAddress.MoveWindow(edit.left, edit.top, newLeft - func.right, nw.Height(), TRUE);
    m_tabCtrl.MoveWindow(0, nw.Height(), client.Width(), client.Height() - nw.Height(), FALSE);
    if (CWebBrowser2* current = m_tabs.Current()) {
        CRect pane;
        GetPaneRect(&pane);
        current->MoveWindow(pane, FALSE);
    }
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

void CMainDlg::OnPaint()
{
    if (!::IsIconic(m_hWnd)) {
        CDialog::OnPaint();
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    SendMessage(WM_ICONERASEBKGND, (WPARAM)dc, 0);
    CRect client;
    GetClientRect(&client);
    const int cx = ::GetSystemMetrics(SM_CXICON), cy = ::GetSystemMetrics(SM_CYICON);
    ::DrawIcon(dc, (client.Width() - cx + 1) / 2, (client.Height() - cy + 1) / 2, m_hIcon);
    ::EndPaint(m_hWnd, &ps);
}

HCURSOR CMainDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
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
    m_profileFile.StopNotingChanges();
    m_profileFile.WriteProfileFile(m_profileFile.PartsDue(), FALSE);
    m_stealth.End();
    for (HICON& icon : m_hMenuIcons) {
        if (icon) ::DestroyIcon(icon);
        icon = nullptr;
    }
    DeleteCollections();
    m_expireList.Close();
    // Grey the window at once so closing looks immediate while panes go down.
    FillWindow(RGB(128, 128, 128));
    ShowWindow(SW_HIDE);
    EndDialog(IDCANCEL);
}

void CMainDlg::OnLButtonDown(UINT flags, CPoint point)
{
    if (m_bCollectionMenuOpen)
        return;
    CDialog::OnLButtonDown(flags, point);
}

void CMainDlg::OnMouseMove(UINT flags, CPoint point)
{
    // Only the bare client area reports here; the panes and controls keep
    // their mouse to themselves.
    m_stealth.NoteActivity();
    CDialog::OnMouseMove(flags, point);
}

void CMainDlg::OnTimer(UINT_PTR id)
{
    if (!m_profileFile.OnSaveTimer(id))
        m_stealth.OnTimer(id);
}

