#include "stealth/StealthMode.h"
#include "core/StealthRules.h"
#include "framework/Menu.h"
#include "framework/WindowDpi.h"
#include "res/resource.h"

namespace {
// The first version of the record: the shell takes its tip and callback, and
// nothing newer is used. Its size is what the shell checks, 88 bytes on 32-bit
// Windows and 104 on 64-bit, where the handles are wider and aligned.
const DWORD kRecordSize = NOTIFYICONDATAA_V1_SIZE;
static_assert(NOTIFYICONDATAA_V1_SIZE == (sizeof(void*) == 4 ? 88 : 104), "first-version tray record");
const int kTipLength = 64;  // the first version's tip buffer, terminator included
const char kTrayTip[] = "Quenvo";
const COLORREF kHiddenGrey = RGB(128, 128, 128);

const CStealthMode::SystemCalls kSystemCalls = { ::GetTickCount, ::GetCursorPos, ::Shell_NotifyIconA };
}

BEGIN_MESSAGE_MAP(CStealthMode, CCmdTarget)
    ON_WM_TIMER()
    ON_MESSAGE(WM_APP_TRAYICON, OnTrayNotify)
    ON_REGISTERED_MESSAGE(TaskbarCreatedMessage(), OnTaskbarCreated)
    // Only the window's bare client area reports the mouse; the panes and
    // controls keep theirs.
    ON_MESSAGE_NOTED(WM_MOUSEMOVE, NoteActivity)
END_MESSAGE_MAP()

CStealthMode::CStealthMode(CWnd& window, StealthOwner& owner, Settings& settings)
    : m_window(window), m_owner(owner), m_settings(settings), m_calls(kSystemCalls)
{
    const int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
    for (int value = 0; value <= SettingKeyOf(&Settings::m_nTrayIcon).range.max; ++value)
        m_hTrayIcons.push_back(static_cast<HICON>(::LoadImageA(
            AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TRAY0 + value), IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR)));
}

CStealthMode::~CStealthMode()
{
    for (HICON icon : m_hTrayIcons)
        if (icon) ::DestroyIcon(icon);
}

UINT CStealthMode::TaskbarCreatedMessage()
{
    static const UINT message = ::RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void CStealthMode::Switch(bool on)
{
    m_settings.m_bStealthMode = on;
    if (on)
        SwitchOn();
    else
        SwitchOff();
}

void CStealthMode::SwitchOn()
{
    m_window.SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW);
    AddTrayIcon();
    // The main window's owner is a hidden tool window: without WS_EX_APPWINDOW
    // it has no taskbar button.
    m_window.ModifyStyleEx(WS_EX_APPWINDOW, 0);
    m_nTimerId = ::SetTimer(m_window, kTimerId, kTimerPeriodMs, nullptr);
    m_owner.RecalcLayout();
}

void CStealthMode::SwitchOff()
{
    m_window.ModifyStyleEx(WS_EX_TOOLWINDOW, WS_EX_APPWINDOW);
    // Hidden and shown again, so that the taskbar takes up the new style and
    // gives the window its button back.
    m_window.SetWindowPos(HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW);
    DeleteTrayIcon();
    m_window.ShowWindow(SW_SHOW);
    if (m_nTimerId) {
        ::KillTimer(m_window, m_nTimerId);
        m_nTimerId = 0;
    }
    m_owner.RecalcLayout();
}

void CStealthMode::End()
{
    DeleteTrayIcon();
    if (m_nTimerId && m_window.m_hWnd)
        ::KillTimer(m_window, m_nTimerId);
    m_nTimerId = 0;
}

void CStealthMode::FillRecord(NOTIFYICONDATAA* record, UINT flags) const
{
    *record = NOTIFYICONDATAA();
    record->cbSize = kRecordSize;
    record->hWnd = m_window;
    record->uID = kTrayIconId;
    record->uFlags = flags;
    record->uCallbackMessage = WM_APP_TRAYICON;
    record->hIcon = m_hTrayIcons[SettingKeyOf(&Settings::m_nTrayIcon).PullIntoRange(m_settings.m_nTrayIcon)];
    ::lstrcpynA(record->szTip, kTrayTip, kTipLength);
}

void CStealthMode::AddTrayIcon()
{
    NOTIFYICONDATAA record;
    FillRecord(&record, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    m_calls.shellNotifyIcon(NIM_ADD, &record);
}

void CStealthMode::ModifyTrayIcon()
{
    NOTIFYICONDATAA record;
    FillRecord(&record, NIF_ICON);
    m_calls.shellNotifyIcon(NIM_MODIFY, &record);
}

void CStealthMode::DeleteTrayIcon()
{
    NOTIFYICONDATAA record;
    FillRecord(&record, 0);
    m_calls.shellNotifyIcon(NIM_DELETE, &record);
}

LRESULT CStealthMode::OnTaskbarCreated(WPARAM, LPARAM)
{
    if (IsOn())
        AddTrayIcon();
    return 0;
}

LRESULT CStealthMode::OnTrayNotify(WPARAM, LPARAM mouseMessage)
{
    // Where the pointer is now, not where the shell saw it.
    POINT cursor = {};
    m_calls.getCursorPos(&cursor);
    switch (mouseMessage) {
    case WM_MOUSEMOVE:
        if (!m_settings.m_bNeedClickTray)
            ShowAtCursor(cursor);
        break;
    case WM_LBUTTONDOWN:
        ShowAtCursor(cursor);
        break;
    case WM_RBUTTONDOWN:
        ShowTrayMenu(cursor);
        break;
    }
    return 0;
}

void CStealthMode::ShowAtCursor(POINT cursor)
{
    ::SetForegroundWindow(m_window);
    CRect window;
    m_window.GetWindowRect(&window);
    // The monitor the tray was clicked on, not always the primary one.
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& m = monitor.rcMonitor;
    const PlainPoint at = PlaceAtCursor({ cursor.x, cursor.y }, window.Width(), window.Height(),
                                        { m.left, m.top, m.right, m.bottom });
    m_window.SetWindowPos(HWND_TOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    NoteActivity();
}

void CStealthMode::ShowTrayMenu(POINT cursor)
{
    // A right click on the icon while its menu is open must not open another.
    if (m_bTrayMenuOpen)
        return;
    m_bTrayMenuOpen = TRUE;
    const CMenuResource menu(IDR_TRAYMENU);
    if (menu.Popup()) {
        // The exit item reaches the application's exit command, which closes
        // the main window as its close box does. A menu whose owner is not in
        // the foreground would not close on a click elsewhere; the null
        // message afterwards lets the next one open at once.
        ::SetForegroundWindow(m_window);
        menu.Track(TPM_RIGHTBUTTON, cursor.x, cursor.y, m_window);
        m_window.PostMessage(WM_NULL);
    }
    m_bTrayMenuOpen = FALSE;
}

void CStealthMode::OnTimer(UINT_PTR id)
{
    if (id != kTimerId) {
        SetMsgHandled(FALSE);
        return;
    }
    if (!m_nTimerId || m_owner.IsCollectionMenuOpen() || !m_window.IsWindowVisible())
        return;
    // Hidden behind a dialog or under an open menu, the window could only be
    // fetched back from the tray; the idle time starts again once it is free.
    if (IsBusy()) {
        m_bWasBusy = TRUE;
        return;
    }
    if (m_bWasBusy) {
        m_bWasBusy = FALSE;
        NoteActivity();
    }
    POINT cursor = {};
    m_calls.getCursorPos(&cursor);
    CRect r;
    m_window.GetWindowRect(&r);
    if (IsBeyondHideMargin({ r.left, r.top, r.right, r.bottom }, { cursor.x, cursor.y },
                           AfxScaleForWindow(m_window.m_hWnd, kStealthHideMargin))) {
        Hide();
        return;
    }
    const DWORD now = m_calls.getTickCount();
    if (m_settings.m_bEnableAutoHide && IsIdleTimeUp(now, m_dwLastActivity, m_settings.AutoHideMs())) {
        m_dwLastActivity = now;
        Hide();
    }
}

bool CStealthMode::IsBusy() const
{
    // A modal dialog or message box disables its owner.
    if (!::IsWindowEnabled(m_window))
        return true;
    // Every menu of the program runs on the window's thread: its own, its
    // controls' and the tray icon's.
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(m_window, nullptr), &thread) &&
           (thread.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE));
}

void CStealthMode::Hide()
{
    // Grey at once, so the window seems gone before the panes are hidden.
    m_window.FillWindow(kHiddenGrey);
    m_window.ShowWindow(SW_HIDE);
    m_owner.CancelTabDrag();
}

void CStealthMode::NoteActivity()
{
    m_dwLastActivity = m_calls.getTickCount();
}

bool CStealthMode::HideInsteadOfMinimize()
{
    if (!IsOn())
        return false;
    m_window.ShowWindow(SW_HIDE);
    return true;
}
