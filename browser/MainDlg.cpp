#include "browser/MainDlg.h"
#include "browser/AboutDlg.h"
#include "core/TextRules.h"
#include "framework/DataExchange.h"
#include "framework/WinApp.h"
#include <cassert>

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
    ON_WM_MENUSELECT()
    ON_WM_MOUSEMOVE()
    ON_COMMAND_RANGE(ID_TAB_BOTTOM, ID_TAB_RIGHT, OnTabOrientation)
    ON_COMMAND_RANGE(ID_ARRANGE_FIRST, ID_ARRANGE_LAST, OnArrangeWindow)
    ON_COMMAND_RANGE(ID_COLLECTION_FIRST, ID_COLLECTION_LAST, OpenCollection)
    ON_COMMAND(ID_OPTIONS, OnOptions)
    ON_MESSAGE(WM_APP_TRAYICON, OnTrayNotify)
    ON_REGISTERED_MESSAGE(CStealthMode::TaskbarCreatedMessage(), OnTaskbarCreated)
    ON_MESSAGE(WM_APP_CLOSETAB, OnCloseTab)
    ON_MESSAGE(WM_APP_TOGGLEPIN, OnTogglePin)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnTabToolTip)
    ON_COMMAND(ID_TAB_MULTILINE, OnMultiLineTab)
    ON_COMMAND(ID_ORGANIZE_EXPIRE, OnOrganizeExpirePages)
    ON_COMMAND(ID_EXPIRE_ENABLE, OnExpireEnable)
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
    : CDialog(IDD, parent), m_strStartDir(startDir), m_stealth(*this, *this, m_settings)
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
    OpenDefaultTabs();
    m_bTrackChanges = TRUE;
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
    m_toolTip.AddTool(m_btnNew, "新しいタブで開く");
    m_toolTip.AddTool(m_btnGo, "アドレスを開く");
}

BOOL CMainDlg::PreTranslateMessage(MSG* msg)
{
    m_toolTip.RelayEvent(msg);
    if (CWebBrowser2* page = CurrentBrowser())
        if (page->TranslateAccelerator(msg))
            return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

CString CMainDlg::MakeCaption(const CString& title) const
{
    return CString(CutText(title.str(), static_cast<size_t>(m_settings.m_nTabTextLength)));
}

CWebBrowser2* CMainDlg::CurrentBrowser() const
{
    return GetBrowser(m_tabCtrl.GetCurSel());
}

void CMainDlg::SetTabText(int index, const CString& text)
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(static_cast<const char*>(text));
    m_tabCtrl.SetItem(index, &item);
}

void CMainDlg::GetPaneRect(RECT* rect)
{
    m_tabCtrl.GetClientRect(rect);
    m_tabCtrl.AdjustDisplayRect(FALSE, rect);
    CRect go;
    m_btnGo.GetWindowRect(&go);
    ::OffsetRect(rect, 0, go.Height());
}

BOOL CMainDlg::AddTab(const char* address)
{
    return InsertTab(address, TRUE);
}

BOOL CMainDlg::AddRestoredTab(const char* address)
{
    return InsertTab(address, FALSE);
}

BOOL CMainDlg::InsertTab(const char* address, BOOL loadNow)
{
    CWebBrowser2* pane = m_panes.Append(this);
    if (!pane)
        return FALSE;
    const int index = m_panes.GetCount() - 1;
    if (loadNow) {
        ShowPane(pane, nullptr);
        if (!pane->CreateBrowser()) {
            m_panes.Remove(index);
            return FALSE;
        }
    }
    CString caption = MakeCaption(address ? address : "");
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = const_cast<char*>(static_cast<const char*>(caption));
    item.iImage = 0;
    item.lParam = 0;
    if (m_tabCtrl.InsertItem(index, &item) < 0) {
        m_panes.Remove(index);
        return FALSE;
    }
    CheckTabCount();
    NoteChange();
    // Automation on the pane needs nothing more: its dispatch is the control's.
    // The tab counts before it navigates: the control fires BeforeNavigate2
    // from inside Navigate, and that first event must be able to select it.
    if (address) {
        pane->SetGivenLocation(address);
        if (loadNow)
            pane->Navigate(address, nullptr, nullptr, nullptr, nullptr);
        // The address box shows the current tab only: a page opened behind a
        // pinned tab must not become what Enter navigates that tab to.
        if (m_tabCtrl.GetCurSel() == index)
            m_edAddress.SetWindowText(address);
    }
    return TRUE;
}

void CMainDlg::LoadPane(CWebBrowser2* pane)
{
    if (!pane->CreateBrowser())
        return;
    // The tab is in front already: its first navigation has nothing to select.
    pane->SetFirstNavigate(FALSE);
    pane->Navigate(pane->GetTabLocation(), nullptr, nullptr, nullptr, nullptr);
}

void CMainDlg::CheckTabCount() const
{
    assert(m_panes.GetCount() == m_tabCtrl.GetItemCount());
}

void CMainDlg::ShowPane(CWebBrowser2* pane, const RECT* place)
{
    // Above the tab strip, whose display area it covers.
    UINT flags = SWP_SHOWWINDOW;
    CRect r;
    if (place)
        r = *place;
    else
        flags |= SWP_NOMOVE | SWP_NOSIZE;
    pane->SetWindowPos(HWND_TOP, r.left, r.top, r.Width(), r.Height(), flags);
}

void CMainDlg::ParkPane(CWebBrowser2* pane)
{
    // Moving a window is costly; with 256 tabs almost every pane is parked
    // already, so selecting a tab touches only the ones that are not.
    const CRect r = ChildRect(*pane);
    if (r.left == -1 && r.top == -1 && r.IsRectEmpty())
        return;
    pane->SetWindowPos(nullptr, -1, -1, 0, 0, SWP_NOZORDER);
}

BOOL CMainDlg::SelectTab(int index)
{
    CWebBrowser2* browser = m_panes.Get(index);
    if (!browser)
        return FALSE;
    m_tabCtrl.SetCurSel(index);
    CRect pane;
    GetPaneRect(&pane);
    for (int i = 0; i < m_panes.GetCount(); ++i) {
        if (i == index)
            ShowPane(browser, &pane);
        else
            ParkPane(m_panes.Get(i));
    }
    if (!browser->HasBrowser())
        LoadPane(browser);
    CString name = browser->GetLocationName();
    SetWindowText(name.IsEmpty() ? browser->GetTabLocation() : name);
    m_edAddress.SetWindowText(browser->GetTabLocation());
    m_btnForward.EnableWindow(browser->GetCanGoForward());
    m_btnBack.EnableWindow(browser->GetCanGoBack());
    return TRUE;
}

BOOL CMainDlg::DeleteTab(int index)
{
    if (!m_panes.Get(index))
        return FALSE;
    const int current = m_tabCtrl.GetCurSel();
    RemoveTab(index);
    const int count = m_panes.GetCount();
    if (index == current && count > 0)
        SelectTab(index < count ? index : count - 1);
    else
        RecalcLayout();
    return TRUE;
}

void CMainDlg::RemoveTab(int index)
{
    m_tabCtrl.DeleteItem(index);
    m_panes.Remove(index);
    CheckTabCount();
    NoteChange();
}

void CMainDlg::CloseUnpinnedTabs()
{
    for (int i = GetTabCount() - 1; i >= 0; --i)
        if (!GetBrowser(i)->GetPinned())
            RemoveTab(i);
}

void CMainDlg::ShowFront(int kept, int fallback)
{
    if (kept >= 0) {
        // The strip may have lost its selection while the tabs before it went.
        m_tabCtrl.SetCurSel(kept);
        RecalcLayout();
    } else if (GetTabCount() > 0) {
        SelectTab(fallback);
    }
}

BOOL CMainDlg::SwapTabs(int i, int j)
{
    if (i == j)
        return TRUE;
    if (!m_panes.Get(i) || !m_panes.Get(j))
        return FALSE;
    m_panes.Swap(i, j);
    NoteChange();
    return TRUE;
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
    if (CWebBrowser2* current = CurrentBrowser()) {
        CRect pane;
        GetPaneRect(&pane);
        current->MoveWindow(pane, FALSE);
    }
    m_tabCtrl.Invalidate(TRUE);
}

void CMainDlg::RefreshTabCaptions()
{
    for (int i = 0; i < m_panes.GetCount(); ++i)
        SetTabText(i, MakeCaption(m_panes.Get(i)->GetLocationName()));
    RecalcLayout();
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
    NoteChange();
}

void CMainDlg::OnDestroy()
{
    CDialog::OnDestroy();
    // A window destroyed without closing leaves no icon in the tray either.
    m_stealth.End();
    m_panes.RemoveAll();
}

void CMainDlg::OnCancel()
{
    // Esc must not close the browser: only WM_CLOSE ends it, with its close sequence.
}

void CMainDlg::OnClose()
{
    StopNotingChanges();
    WriteProfileFile(PartsDue(), FALSE);
    m_stealth.End();
    for (HICON& icon : m_hMenuIcons) {
        if (icon) ::DestroyIcon(icon);
        icon = nullptr;
    }
    DeleteCollections();
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
    if (!OnSaveTimer(id))
        m_stealth.OnTimer(id);
}

LRESULT CMainDlg::OnTrayNotify(WPARAM, LPARAM lParam)
{
    m_stealth.OnTrayNotify(lParam);
    return 0;
}

LRESULT CMainDlg::OnTaskbarCreated(WPARAM, LPARAM)
{
    m_stealth.OnTaskbarCreated();
    return 0;
}

void CMainDlg::OnTabCommand(UINT id, int index)
{
    static const struct {
        UINT id;
        void (CMainDlg::*handler)(int tab);
    } kTabCommands[] = {
        { ID_TAB_DELETE, &CMainDlg::OnDeleteTab },
        { ID_TAB_DELETE_OTHERS, &CMainDlg::OnDeleteOtherTabs },
        { ID_ADD_TO_COLLECTION, &CMainDlg::AddPage },
        { ID_REGISTER_EXPIRE, &CMainDlg::OnRegisterExpirePage },
    };
    for (const auto& command : kTabCommands)
        if (command.id == id)
            (this->*command.handler)(index);
}

void CMainDlg::OnDeleteTab(int tab)
{
    if (m_panes.GetCount() > 1)
        DeleteTab(tab);
}

void CMainDlg::OnDeleteOtherTabs(int tab)
{
    if (m_panes.GetCount() <= 1 || !m_panes.Get(tab))
        return;
    const int kept = m_tabCtrl.GetCurSel() == tab ? 0 : -1;
    for (int i = m_panes.GetCount() - 1; i > tab; --i)
        RemoveTab(i);
    for (int i = 0; i < tab; ++i)
        RemoveTab(0);
    ShowFront(kept, 0);
}

void CMainDlg::OnTabOrientation(UINT id)
{
    m_tabCtrl.SetLayout(TabSideOfCommand(static_cast<int>(id) - ID_TAB_BOTTOM), m_settings.m_bMultiLineTab != 0);
    SelectTab(m_tabCtrl.GetCurSel());
    NoteChange();
}

void CMainDlg::OnMultiLineTab()
{
    m_settings.m_bMultiLineTab = !m_settings.m_bMultiLineTab;
    m_tabCtrl.SetLayout(m_tabCtrl.GetOrientation(), m_settings.m_bMultiLineTab != 0);
    RecalcLayout();
    NoteChange();
}

LRESULT CMainDlg::OnCloseTab(WPARAM wParam, LPARAM lParam)
{
    int index = static_cast<int>(wParam);
    // A posted close finds its pane by pointer: tabs may have moved or closed since.
    if (lParam)
        index = m_panes.Find(reinterpret_cast<CWebBrowser2*>(lParam));
    CloseTab(index);
    return 0;
}

void CMainDlg::CloseTab(int index)
{
    if (!m_panes.Get(index))
        return;
    HWND tips = m_tabCtrl.GetToolTips();
    ::SendMessageA(tips, TTM_ACTIVATE, FALSE, 0);
    DeleteTab(index);
    ::SendMessageA(tips, TTM_ACTIVATE, TRUE, 0);
}

LRESULT CMainDlg::OnTogglePin(WPARAM wParam, LPARAM)
{
    TogglePin(static_cast<int>(wParam));
    return 0;
}

void CMainDlg::TogglePin(int index)
{
    CWebBrowser2* pane = GetBrowser(index);
    if (!pane)
        return;
    pane->SetPinned(!pane->GetPinned());
    CRect r;
    m_tabCtrl.GetItemRect(index, &r);
    m_tabCtrl.InvalidateRect(&r, TRUE);
}

BOOL CMainDlg::IsTabPinned(int index) const
{
    const CWebBrowser2* pane = GetBrowser(index);
    return pane && pane->GetPinned();
}

BOOL CMainDlg::OnTabToolTip(UINT id, NMHDR* nm, LRESULT* result)
{
    NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(nm);
    if (nm->hwndFrom != m_tabCtrl.GetToolTips() || (info->uFlags & TTF_IDISHWND) ||
        !m_panes.Get(static_cast<int>(id)))
        return FALSE;
    CWebBrowser2* browser = m_panes.Get(static_cast<int>(id));
    CString text = browser->GetLocationName();
    if (text.IsEmpty())
        text = browser->GetTabLocation();
    const size_t length = SafeCutLength(text.str(), sizeof info->szText - 1);
    memcpy(info->szText, static_cast<const char*>(text), length);
    info->szText[length] = '\0';
    info->lpszText = info->szText;
    *result = 0;
    return TRUE;
}
