#include "framework/BitmapButton.h"

namespace {
SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP bm = {};
    if (!bitmap || !::GetObjectA(bitmap, sizeof bm, &bm))
        return SIZE{ 0, 0 };
    return SIZE{ bm.bmWidth, bm.bmHeight };
}
}

CBitmapButton::~CBitmapButton()
{
    FreeBitmaps();
}

void CBitmapButton::FreeBitmaps()
{
    for (HBITMAP* set : { m_bitmaps, m_bitmaps2x })
        for (int i = 0; i < kFaces; ++i) {
            if (set[i]) ::DeleteObject(set[i]);
            set[i] = nullptr;
        }
}

BOOL CBitmapButton::LoadBitmaps(const char* up, const char* down, const char* focus, const char* disabled)
{
    FreeBitmaps();
    const char* names[kFaces] = { up, down, focus, disabled };
    for (int i = 0; i < kFaces; ++i)
        if (names[i]) {
            m_bitmaps[i] = ::LoadBitmapA(AfxGetResourceHandle(), names[i]);
            m_bitmaps2x[i] = ::LoadBitmapA(AfxGetResourceHandle(), CString(names[i]) + "2X");
        }
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
    const SIZE size = BitmapSize(m_bitmaps[0]);
    if (size.cx > 0)
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HBITMAP CBitmapButton::Face(UINT state, int width, int height) const
{
    // Larger than the plain art, the button takes the double art.
    const SIZE plain = BitmapSize(m_bitmaps[0]);
    const HBITMAP* set = (width > plain.cx || height > plain.cy) && m_bitmaps2x[0] ? m_bitmaps2x : m_bitmaps;
    if ((state & ODS_SELECTED) && set[1])
        return set[1];
    if ((state & ODS_FOCUS) && set[2])
        return set[2];
    if ((state & ODS_DISABLED) && set[3])
        return set[3];
    return set[0];
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT dis)
{
    const RECT& r = dis->rcItem;
    const int width = r.right - r.left, height = r.bottom - r.top;
    HBITMAP bitmap = Face(dis->itemState, width, height);
    if (!bitmap)
        return;
    const SIZE size = BitmapSize(bitmap);
    HDC memory = ::CreateCompatibleDC(dis->hDC);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    if (size.cx == width && size.cy == height) {
        ::BitBlt(dis->hDC, r.left, r.top, width, height, memory, 0, 0, SRCCOPY);
    } else {
        // Scaled down from the double art, its pixels are averaged, not dropped.
        const int mode = ::SetStretchBltMode(dis->hDC, HALFTONE);
        POINT origin;
        ::SetBrushOrgEx(dis->hDC, 0, 0, &origin);
        ::StretchBlt(dis->hDC, r.left, r.top, width, height, memory, 0, 0, size.cx, size.cy, SRCCOPY);
        ::SetBrushOrgEx(dis->hDC, origin.x, origin.y, nullptr);
        ::SetStretchBltMode(dis->hDC, mode);
    }
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
}
