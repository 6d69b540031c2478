#include "tabstrip/BrowserTabCtrl.h"
#include "browser/MainDlg.h"
#include "framework/WinApp.h"

BEGIN_MESSAGE_MAP(CBrowserTabCtrl, CTabCtrl)
    ON_NOTIFY_REFLECT(TCN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

namespace {
HICON LoadSmallIcon(UINT id)
{
    return static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16,
                                           LR_DEFAULTCOLOR));
}
}

CBrowserTabCtrl::CBrowserTabCtrl()
{
    m_imageList.Create(16, 16, ILC_MASK, 2, 2);
    m_hIconUnpinned = LoadSmallIcon(IDI_TAB_UNPINNED);
    m_hIconPinned = LoadSmallIcon(IDI_TAB_PINNED);
    m_imageList.Add(m_hIconUnpinned);
    m_imageList.Add(m_hIconPinned);
}

CBrowserTabCtrl::~CBrowserTabCtrl()
{
    if (m_hIconUnpinned) ::DestroyIcon(m_hIconUnpinned);
    if (m_hIconPinned) ::DestroyIcon(m_hIconPinned);
}

void CBrowserTabCtrl::PreSubclassWindow()
{
    CTabCtrl::PreSubclassWindow();
    ModifyStyle(0, TCS_OWNERDRAWFIXED);
}

CMainDlg* CBrowserTabCtrl::GetMainDlg() const
{
    return static_cast<CMainDlg*>(FromHandlePermanent(GetParent()));
}

BOOL CBrowserTabCtrl::AttachImageList()
{
    SetImageList(&m_imageList);
    return TRUE;
}

void CBrowserTabCtrl::CreateVerticalFont()
{
    LOGFONTA lf = {};
    HFONT font = GetFont();
    ::GetObjectA(font ? font : ::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfEscapement = 900;
    m_fontVertical.CreateFontIndirect(&lf);
}

int CBrowserTabCtrl::GetOrientation() const
{
    const DWORD style = GetStyle();
    const bool vertical = (style & TCS_VERTICAL) != 0, second = (style & TCS_BOTTOM) != 0;
    if (vertical && second) return kRight;
    if (second) return kBottom;
    if (vertical) return kLeft;
    return kTop;
}

void CBrowserTabCtrl::AdjustDisplayRect(BOOL larger, RECT* rect)
{
    AdjustRect(larger, rect);
    if (larger)
        return;
    // The control's display area leaves one edge too many on the three sides
    // away from the tabs; widen it so the page meets the frame.
    const int cx = ::GetSystemMetrics(SM_CXEDGE), cy = ::GetSystemMetrics(SM_CYEDGE);
    struct Correction { int left, top, right, bottom; };
    static const Correction kBySide[4] = {
        /* top    */ { -1, 0, +1, +1 },
        /* left   */ { 0, -1, +1, +1 },
        /* bottom */ { -1, -1, +1, 0 },
        /* right  */ { -1, -1, 0, +1 },
    };
    const Correction& c = kBySide[GetOrientation()];
    rect->left += c.left * cx;
    rect->top += c.top * cy;
    rect->right += c.right * cx;
    rect->bottom += c.bottom * cy;
}

void CBrowserTabCtrl::OnSelChange(NMHDR*, LRESULT* result)
{
    if (CMainDlg* main = GetMainDlg())
        main->SelectTab(GetCurSel());
    *result = 0;
}

void CBrowserTabCtrl::DrawItem(LPDRAWITEMSTRUCT dis)
{
    if (static_cast<int>(dis->itemID) < 0)
        return;
    char caption[64] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = 63;
    if (!GetItem(static_cast<int>(dis->itemID), &item))
        return;
    const int saved = ::SaveDC(dis->hDC);
    ::FillRect(dis->hDC, &dis->rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
    ::SetBkMode(dis->hDC, TRANSPARENT);
    RECT text = dis->rcItem;
    ::DrawTextA(dis->hDC, caption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::RestoreDC(dis->hDC, saved);
}
