#include "framework/Controls.h"

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (result) *result = TRUE;
    return TRUE;
}

BOOL CTabCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (result) *result = TRUE;
    return TRUE;
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    DeleteImageList();
    m_hImageList = ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return TRUE;
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* lf)
{
    DeleteObject();
    m_hFont = ::CreateFontIndirectA(lf);
    return m_hFont != nullptr;
}

BOOL CFont::DeleteObject()
{
    if (!m_hFont)
        return FALSE;
    ::DeleteObject(m_hFont);
    m_hFont = nullptr;
    return TRUE;
}

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    HWND hWnd = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  parent ? parent->m_hWnd : nullptr, nullptr, AfxGetResourceHandle(), nullptr);
    return hWnd && SubclassWindow(hWnd);
}

BOOL CToolTipCtrl::AddTool(HWND tool, const char* text)
{
    // The classic TOOLINFO size works with every comctl32 version.
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = ::GetParent(tool);
    ti.uId = reinterpret_cast<UINT_PTR>(tool);
    ti.lpszText = const_cast<char*>(text);
    return (BOOL)SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

CBitmapButton::~CBitmapButton()
{
    FreeBitmaps();
}

void CBitmapButton::FreeBitmaps()
{
    for (HBITMAP& b : m_bitmaps) {
        if (b) ::DeleteObject(b);
        b = nullptr;
    }
}

BOOL CBitmapButton::LoadBitmaps(const char* up, const char* down, const char* focus, const char* disabled)
{
    FreeBitmaps();
    const char* names[4] = { up, down, focus, disabled };
    for (int i = 0; i < 4; ++i)
        if (names[i])
            m_bitmaps[i] = ::LoadBitmapA(AfxGetResourceHandle(), names[i]);
    return m_bitmaps[0] != nullptr;
}

BOOL CBitmapButton::AutoLoad(UINT id, CWnd* parent)
{
    if (!SubclassDlgItem(id, parent))
        return FALSE;
    CString stem;
    GetWindowText(stem);
    if (!LoadBitmaps(stem + "U", stem + "D", stem + "F", stem + "X"))
        return FALSE;
    SizeToContent();
    return TRUE;
}

void CBitmapButton::SizeToContent()
{
    BITMAP bm = {};
    if (m_bitmaps[0] && ::GetObjectA(m_bitmaps[0], sizeof bm, &bm))
        SetWindowPos(nullptr, 0, 0, bm.bmWidth, bm.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT dis)
{
    HBITMAP bitmap = m_bitmaps[0];
    if ((dis->itemState & ODS_SELECTED) && m_bitmaps[1])
        bitmap = m_bitmaps[1];
    else if ((dis->itemState & ODS_FOCUS) && m_bitmaps[2])
        bitmap = m_bitmaps[2];
    else if ((dis->itemState & ODS_DISABLED) && m_bitmaps[3])
        bitmap = m_bitmaps[3];
    if (!bitmap)
        return;
    HDC memory = ::CreateCompatibleDC(dis->hDC);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    const RECT& r = dis->rcItem;
    ::BitBlt(dis->hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
}
