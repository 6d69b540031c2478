#include "framework/BitmapButton.h"

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
