#include "framework/Wnd.h"
#include <algorithm>
#include <commctrl.h>
#include <unordered_map>
#include <vector>

namespace {
// HWND -> bound object. One user-interface thread, so no locking.
std::unordered_map<HWND, CWnd*>& HandleMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

CWnd::~CWnd()
{
    if (m_hWnd)
        DestroyWindow();
    if (m_pCtrlSite)
        m_pCtrlSite->Close();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto it = HandleMap().find(hWnd);
    return it == HandleMap().end() ? nullptr : it->second;
}

void CWnd::CloseEveryControl()
{
    // Listed first: closing a control may destroy windows, which leave the map.
    std::vector<CWnd*> hosts;
    for (const auto& bound : HandleMap())
        if (bound.second->m_pCtrlSite)
            hosts.push_back(bound.second);
    for (CWnd* host : hosts) {
        CControlHost* site = host->m_pCtrlSite;
        host->m_pCtrlSite = nullptr;
        site->Close();
    }
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    HandleMap()[hWnd] = this;
}

void CWnd::Detach()
{
    if (m_hWnd)
        HandleMap().erase(m_hWnd);
    m_hWnd = nullptr;
}

// The window's procedure is swapped for ours, which finds the object in the
// handle map; the one it replaced gets what the object leaves. (A subclass
// of the common controls keeps its chain in a window property, which costs
// a round trip to Wine's server two or three times with every message.)
BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!hWnd || m_hWnd)
        return FALSE;
    Attach(hWnd);
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWndProc)));
    if (!m_pfnSuper) {
        Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId)
{
    HWND hWnd = ::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height,
                                  parent, menuOrId, AfxGetResourceHandle(), nullptr);
    if (!hWnd)
        return FALSE;
    if (!SubclassWindow(hWnd)) {
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = m_hWnd;
    if (hWnd)
        Unhook();
    Detach();
    return hWnd;
}

void CWnd::Unhook()
{
    // Whoever subclassed the window after us calls ours still, which then
    // hands on to the class procedure.
    if (::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(StaticWndProc))
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    HWND hWnd = m_hWnd;
    BOOL ok = ::DestroyWindow(hWnd);
    // A window that was never subclassed (or is already gone) gets no
    // WM_NCDESTROY through us: forget it here.
    if (m_hWnd == hWnd && !::IsWindow(hWnd))
        Detach();
    return ok;
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* self = FromHandlePermanent(hWnd);
    if (!self || !self->m_pfnSuper) {
        const auto own = reinterpret_cast<WNDPROC>(::GetClassLongPtrA(hWnd, GCLP_WNDPROC));
        return ::CallWindowProcA(own, hWnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        const WNDPROC super = self->m_pfnSuper;
        self->Unhook();
        const LRESULT result = ::CallWindowProcA(super, hWnd, message, wParam, lParam);
        self->Detach();
        self->PostNcDestroy();
        return result;
    }
    return self->WindowProc(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const AFX_MSG saved = m_current;
    m_current = { message, wParam, lParam };
    LRESULT result = 0;
    bool handled;
    if (message == WM_COMMAND)
        handled = OnCommand(wParam, lParam, result);
    else if (message == WM_NOTIFY)
        handled = OnNotify(wParam, lParam, result);
    else
        handled = DispatchMessageMap(message, 0, 0, m_current, result);
    if (!handled)
        result = Default();
    m_current = saved;
    return result;
}

LRESULT CWnd::Default()
{
    if (!m_hWnd || !m_pfnSuper)
        return 0;
    return ::CallWindowProcA(m_pfnSuper, m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const UINT id = LOWORD(wParam), code = HIWORD(wParam);
    const AFX_MSG msg = { WM_COMMAND, wParam, lParam };
    if (DispatchMessageMap(WM_COMMAND, code, id, msg, result))
        return TRUE;
    if (lParam)
        return ReflectToChild(reinterpret_cast<HWND>(lParam), WM_COMMAND, wParam, lParam, result);
    // Menu commands nobody in the window handles go to the application.
    return AfxRouteCommandToApp(code, id, msg, result);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const NMHDR* nm = reinterpret_cast<const NMHDR*>(lParam);
    const AFX_MSG msg = { WM_NOTIFY, wParam, lParam };
    if (DispatchMessageMap(WM_NOTIFY, nm->code, static_cast<UINT>(nm->idFrom), msg, result))
        return TRUE;
    return ReflectToChild(nm->hwndFrom, WM_NOTIFY, wParam, lParam, result);
}

bool CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    CWnd* target = FromHandlePermanent(child);
    return target && target != this && target->OnChildNotify(message, wParam, lParam, &result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    UINT code = 0;
    if (message == WM_NOTIFY)
        code = reinterpret_cast<const NMHDR*>(lParam)->code;
    else if (message == WM_COMMAND)
        code = HIWORD(wParam);
    const AFX_MSG msg = { message, wParam, lParam };
    LRESULT r = 0;
    if (!DispatchMessageMap(WM_REFLECT_BASE + message, code, 0, msg, r))
        return FALSE;
    if (result)
        *result = r;
    return TRUE;
}

void CWnd::OnDrawItem(int idCtl, LPDRAWITEMSTRUCT dis)
{
    LRESULT result = 0;
    if (idCtl != 0 && dis->CtlType != ODT_MENU &&
        ReflectToChild(dis->hwndItem, WM_DRAWITEM, m_current.wParam, m_current.lParam, result))
        return;
    Default();
}

void CWnd::OnMeasureItem(int idCtl, LPMEASUREITEMSTRUCT mis)
{
    LRESULT result = 0;
    if (idCtl != 0 && mis->CtlType != ODT_MENU &&
        ReflectToChild(GetDlgItem(idCtl), WM_MEASUREITEM, m_current.wParam, m_current.lParam, result))
        return;
    Default();
}

namespace {
// Changes one of the two style words; false when nothing changed.
BOOL ModifyStyleWord(HWND hWnd, int index, DWORD remove, DWORD add, UINT swpFlags)
{
    const DWORD style = (DWORD)::GetWindowLongPtrA(hWnd, index);
    const DWORD changed = (style & ~remove) | add;
    if (style == changed)
        return FALSE;
    ::SetWindowLongPtrA(hWnd, index, changed);
    if (swpFlags)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags)
{
    assert(::IsWindow(m_hWnd));
    return ModifyStyleWord(m_hWnd, GWL_STYLE, remove, add, swpFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags)
{
    return ModifyStyleWord(m_hWnd, GWL_EXSTYLE, remove, add, swpFlags);
}

void CWnd::FillWindow(COLORREF color)
{
    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    const RECT whole = { 0, 0, window.right - window.left, window.bottom - window.top };
    HDC dc = ::GetWindowDC(m_hWnd);
    HBRUSH brush = ::CreateSolidBrush(color);
    ::FillRect(dc, &whole, brush);
    ::DeleteObject(brush);
    ::ReleaseDC(m_hWnd, dc);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    assert(::IsWindow(m_hWnd));
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

BOOL CWnd::SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags)
{
    assert(::IsWindow(m_hWnd));
    return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
}

void CWnd::GetWindowText(CString& text) const
{
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    int got = ::GetWindowTextA(m_hWnd, &buffer[0], length + 1);
    buffer.resize(static_cast<size_t>(got > 0 ? got : 0));
    text = CString(buffer);
}

void CenterOverOwner(HWND window)
{
    HWND owner = ::GetWindow(window, GW_OWNER);
    const bool overOwner = owner && ::IsWindowVisible(owner) && !::IsIconic(owner);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromWindow(overOwner ? owner : window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT work = monitor.rcWork;
    RECT area = work;
    if (overOwner)
        ::GetWindowRect(owner, &area);
    RECT r;
    ::GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const int x = std::max<int>(work.left, std::min<int>((area.left + area.right - width) / 2, work.right - width));
    const int y = std::max<int>(work.top, std::min<int>((area.top + area.bottom - height) / 2, work.bottom - height));
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
