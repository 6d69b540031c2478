#include "tabstrip/BrowserTabCtrl.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"
#include "framework/WindowDpi.h"
#include "res/resource.h"
#include <shellapi.h>
#include <cstring>
#include <string>

static_assert(kTabStyleVertical == TCS_VERTICAL && kTabStyleBottomOrRight == TCS_BOTTOM &&
              kTabStyleBottomOrRight == TCS_RIGHT && kTabStyleMultiLine == TCS_MULTILINE,
              "the portable rules must use the tab control's own style bits");

BEGIN_MESSAGE_MAP(CBrowserTabCtrl, CTabCtrl)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_NOTIFY_REFLECT(TCN_SELCHANGE, OnSelChange)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    AFX_ON_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
    AFX_ON_MOUSE(WM_MBUTTONUP, OnMButtonUp)
    ON_WM_CONTEXTMENU()
    ON_WM_CAPTURECHANGED()
    ON_WM_DROPFILES()
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChangedAfterParent)
END_MESSAGE_MAP()

namespace {
TabRect ToTabRect(const RECT& r)
{
    return { r.left, r.top, r.right, r.bottom };
}

RECT ToRect(const TabRect& r)
{
    return { r.left, r.top, r.right, r.bottom };
}

// An item's caption and progress; captions are at most 63 bytes.
struct ItemText {
    char text[64] = "";
    TCITEMA item = {};
    explicit ItemText(UINT mask)
    {
        item.mask = mask;
        item.pszText = text;
        item.cchTextMax = sizeof text - 1;
    }
};
}

CBrowserTabCtrl::CBrowserTabCtrl()
{
    // Loaded unshared, so that it is ours to destroy.
    m_hCursorDrag = static_cast<HCURSOR>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDC_CUR_TABDRAG),
                                                      IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    m_iconUnpinned.Load(IDI_TAB_UNPINNED);
    m_iconPinned.Load(IDI_TAB_PINNED);
    m_imageList.Create(kTabIconSize, kTabIconSize, ILC_MASK, 2, 2);
    m_imageList.Add(m_iconUnpinned.ForSize(kTabIconSize));
    m_imageList.Add(m_iconPinned.ForSize(kTabIconSize));
}

CBrowserTabCtrl::~CBrowserTabCtrl()
{
    if (m_hCursorSaved)
        ::SetCursor(m_hCursorSaved);
    if (m_hCursorDrag) ::DestroyCursor(m_hCursorDrag);
    m_fontVertical.DeleteObject();
    m_imageList.DeleteImageList();
}

void CBrowserTabCtrl::PreSubclassWindow()
{
    CTabCtrl::PreSubclassWindow();
    SetUp();
}

// Bound while its window is being created, the strip is set up once more
// when the control can take it: before WM_CREATE it ignores the image list.
int CBrowserTabCtrl::OnCreate(LPCREATESTRUCT cs)
{
    if (CTabCtrl::OnCreate(cs) == -1)
        return -1;
    SetUp();
    return 0;
}

void CBrowserTabCtrl::SetUp()
{
    ModifyStyle(0, TCS_OWNERDRAWFIXED);
    m_dropTarget.Register(this);
    FitToDpi();
}

void CBrowserTabCtrl::FitToDpi()
{
    const TabMetrics metrics = TabMetricsForDpi(static_cast<int>(AfxGetWindowDpi(m_hWnd)));
    if (metrics.iconSize != m_metrics.iconSize) {
        // The control keeps room for an image as large as its list's; the
        // old list goes only once the control holds the new one.
        CImageList sized;
        sized.Create(metrics.iconSize, metrics.iconSize, ILC_MASK, 2, 2);
        sized.Add(m_iconUnpinned.ForSize(metrics.iconSize));
        sized.Add(m_iconPinned.ForSize(metrics.iconSize));
        SetImageList(&sized);
        m_imageList.Attach(sized.Detach());
    }
    m_metrics = metrics;
    CreateVerticalFont();
    AttachImageList();
}

// Sent after the window has taken its new scale and, from the dialog
// manager, the fonts that go with it.
LRESULT CBrowserTabCtrl::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
    FitToDpi();
    return Default();
}

void CBrowserTabCtrl::SetTabOwner(TabStripOwner* owner)
{
    m_pOwner = owner;
    m_dropTarget.SetOwner(owner);
}

void CBrowserTabCtrl::OnDestroy()
{
    CTabCtrl::OnDestroy();
    m_dropTarget.Revoke();
}

BOOL CBrowserTabCtrl::AttachImageList()
{
    // Only so that the control leaves room for the icon in every tab: the
    // strip draws its tabs itself.
    SetImageList(&m_imageList);
    return TRUE;
}

void CBrowserTabCtrl::CreateVerticalFont()
{
    // Wide, so that the face's name is not turned through GDI's code page.
    LOGFONTW lf = {};
    HFONT font = GetFont();
    ::GetObjectW(font ? font : ::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfEscapement = 900;
    m_fontVertical.CreateFontIndirect(&lf);
}

TabSide CBrowserTabCtrl::GetOrientation() const
{
    return TabSideFromStyle(GetStyle());
}

void CBrowserTabCtrl::SetLayout(TabSide side, bool multiLine)
{
    const TabStyleChange change = TabStripStyles(side, multiLine);
    ModifyStyle(change.remove, change.add);
    // The rows go to another edge or change in number, and the page over the
    // strip moves after them; a page with nothing to draw paints no
    // background, so the old rows' lines would stay where it now lies. The
    // whole area is painted afresh, the windows over it included, when the
    // paint comes: by then the page is in its new place.
    CRect area;
    GetWindowRect(&area);
    HWND parent = ::GetParent(m_hWnd);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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

// The control lays out all its items on each insert and measures every
// caption to do so, which makes a long row of inserts quadratic. With a
// fixed width it still places them but measures nothing; taking the style
// away again lays the row out once with the true widths.
void CBrowserTabCtrl::BeginInsertBatch()
{
    if (m_nInsertBatch++ == 0)
        ModifyStyle(0, TCS_FIXEDWIDTH);
}

void CBrowserTabCtrl::EndInsertBatch()
{
    if (m_nInsertBatch == 0 || --m_nInsertBatch > 0)
        return;
    ModifyStyle(TCS_FIXEDWIDTH, 0);
    Invalidate();
}

void CBrowserTabCtrl::OnSelChange(NMHDR*, LRESULT* result)
{
    if (m_pOwner)
        m_pOwner->SelectTab(GetCurSel());
    *result = 0;
}

void CBrowserTabCtrl::DrawItem(LPDRAWITEMSTRUCT dis)
{
    const int index = static_cast<int>(dis->itemID);
    if (index < 0)
        return;
    ItemText read(TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM);
    HDC dc = dis->hDC;
    if (!GetItem(index, &read.item) || !dc)
        return;
    const int saved = ::SaveDC(dc);
    ::FillRect(dc, &dis->rcItem, ::GetSysColorBrush(COLOR_BTNFACE));

    const TabSide side = GetOrientation();
    const bool selected = index == GetCurSel();
    const int cx = ::GetSystemMetrics(SM_CXEDGE), cy = ::GetSystemMetrics(SM_CYEDGE);
    const CIconArt& icon = m_pPanes && m_pPanes->IsPinned(index) ? m_iconPinned : m_iconUnpinned;
    const TabRect item = ToTabRect(dis->rcItem);
    const TabPoint offset = TabIconOffset(side, selected, cx, cy);
    icon.Draw(dc, item.left + offset.x, item.top + offset.y, m_metrics.iconSize);
    // The control has a tab drawn in a rectangle of its own, a little off the
    // one it hit-tests, and the selected tab's larger: a click is judged by
    // where the icon really went.
    CRect hit;
    if (GetItemRect(index, &hit))
        m_ptIconDrawn[selected] = CPoint(item.left + offset.x - hit.left, item.top + offset.y - hit.top);
    ::SetBkMode(dc, TRANSPARENT);

    const TabRect caption = TabCaptionRect(item, side, offset, m_metrics.iconSize);
    const RECT shade = ToRect(TabShadeRect(caption, side, selected, static_cast<int>(read.item.lParam), cx, cy));
    if (!::IsRectEmpty(&shade))
        ::FillRect(dc, &shade, ::GetSysColorBrush(COLOR_BTNSHADOW));

    // GDI's own code page may not be the program's: the caption is turned
    // into Unicode from the program's and drawn as that.
    const std::wstring title = CString(read.text).ToWide();
    const TabRect text = TabTextRect(caption, side, selected, cx, cy);
    if (TabUsesVerticalFont(side) && m_fontVertical.GetSafeHandle()) {
        HGDIOBJ previousFont = ::SelectObject(dc, m_fontVertical.GetSafeHandle());
        DrawVerticalCaption(dc, title, text);
        ::SelectObject(dc, previousFont);
    } else {
        RECT r = ToRect(text);
        ::DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    ::RestoreDC(dc, saved);
}

// DrawText centres a turned font as if it ran across, which puts a side
// tab's caption outside the tab; so it is placed by hand.
void CBrowserTabCtrl::DrawVerticalCaption(HDC dc, const std::wstring& caption, const TabRect& text)
{
    const int length = static_cast<int>(caption.size());
    SIZE extent = {};
    ::GetTextExtentPoint32W(dc, caption.c_str(), length, &extent);
    const TabPoint origin = TabVerticalCaptionOrigin(text, extent.cx, extent.cy);
    const RECT clip = ToRect(text);
    ::SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    ::ExtTextOutW(dc, origin.x, origin.y, ETO_CLIPPED, &clip, caption.c_str(), static_cast<UINT>(length), nullptr);
}

int CBrowserTabCtrl::HitTab(CPoint point) const
{
    TCHITTESTINFO info = {};
    info.pt = point;
    return HitTest(&info);
}

void CBrowserTabCtrl::OnLButtonDown(UINT flags, CPoint point)
{
    const int index = HitTab(point);
    if (index < 0) {
        CTabCtrl::OnLButtonDown(flags, point);
        return;
    }
    CRect item;
    GetItemRect(index, &item);
    m_ptGrabOffset = CPoint(point.x - item.left, point.y - item.top);
    // The icon's halves answer where they were drawn. The tab may be gone
    // once the owner returns: nothing more is done here.
    const CPoint& icon = m_ptIconDrawn[index == GetCurSel()];
    switch (HitTabIcon(m_ptGrabOffset.x - icon.x, m_ptGrabOffset.y - icon.y, m_metrics.iconSize)) {
    case kIconClose:
        ::SendMessageA(::GetParent(m_hWnd), WM_APP_CLOSETAB, static_cast<WPARAM>(index), 0);
        return;
    case kIconPin:
        ::SendMessageA(::GetParent(m_hWnd), WM_APP_TOGGLEPIN, static_cast<WPARAM>(index), 0);
        return;
    case kIconOutside:
        break;
    }
    ::SetCapture(m_hWnd);
    m_bDragging = TRUE;
    m_nDragTab = index;
    CTabCtrl::OnLButtonDown(flags, point);
}

// A double click where there is no tab opens one, as NEW does.
void CBrowserTabCtrl::OnLButtonDblClk(UINT, CPoint point)
{
    if (HitTab(point) < 0)
        ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(IDC_NEW, BN_CLICKED), 0);
    else
        Default();
}

// The middle button closes the tab under it, as its close icon does.
void CBrowserTabCtrl::OnMButtonUp(UINT, CPoint point)
{
    const int index = HitTab(point);
    if (index >= 0)
        ::SendMessageA(::GetParent(m_hWnd), WM_APP_CLOSETAB, static_cast<WPARAM>(index), 0);
    else
        Default();
}

void CBrowserTabCtrl::OnMouseMove(UINT flags, CPoint point)
{
    if (m_bDragging)
        DragTo(point);
    CTabCtrl::OnMouseMove(flags, point);
}

// One step of a drag: the dragged tab moves to the place under the pointer
// and the tabs between shift by one toward the place it left, so a quick
// movement ends where a slow one, walking tab by tab, would.
void CBrowserTabCtrl::DragTo(CPoint point)
{
    if (!m_hCursorSaved)
        m_hCursorSaved = ::SetCursor(m_hCursorDrag);
    const int target = HitTab(point);
    if (target < 0 || target == m_nDragTab)
        return;
    CRect item;
    GetItemRect(target, &item);
    if (!InTabDropZone(ToTabRect(item), point.x, point.y, GetOrientation(), m_metrics.dragMargin))
        return;

    if (!m_pOwner || !m_pOwner->MoveTab(m_nDragTab, target))
        return;
    SetCurSel(target);

    // The new place may be narrower than the grab offset: stay on the tab.
    GetItemRect(target, &item);
    const TabPoint grab = TabGrabPoint(ToTabRect(item), { m_ptGrabOffset.x, m_ptGrabOffset.y });
    POINT screen = { grab.x, grab.y };
    ClientToScreen(&screen);
    ::SetCursorPos(screen.x, screen.y);
    m_nDragTab = target;
}

void CBrowserTabCtrl::MoveItem(int from, int to)
{
    ItemText moving(TCIF_TEXT | TCIF_PARAM);
    if (from == to || !GetItem(from, &moving.item) || to < 0 || to >= GetItemCount())
        return;
    const int step = from < to ? 1 : -1;
    for (int i = from; i != to; i += step) {
        ItemText next(TCIF_TEXT | TCIF_PARAM);
        GetItem(i + step, &next.item);
        SetItem(i, &next.item);
    }
    SetItem(to, &moving.item);
}

void CBrowserTabCtrl::OnLButtonUp(UINT flags, CPoint point)
{
    EndDrag();
    CTabCtrl::OnLButtonUp(flags, point);
}

void CBrowserTabCtrl::CancelDrag()
{
    if (m_bDragging)
        EndDrag();
}

// Losing the capture to anyone else (another window, a menu) ends the drag
// just as the button-up would; otherwise the drag cursor would stick and
// the next plain mouse move would still move tabs.
void CBrowserTabCtrl::OnCaptureChanged(HWND gaining)
{
    if (gaining != m_hWnd)
        EndDrag();
    Default();
}

// The one clean-up of a drag. Releasing the capture comes back here
// through WM_CAPTURECHANGED, by then with nothing left to do.
void CBrowserTabCtrl::EndDrag()
{
    if (m_hCursorSaved) {
        ::SetCursor(m_hCursorSaved);
        m_hCursorSaved = nullptr;
    }
    m_bDragging = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CBrowserTabCtrl::OnContextMenu(HWND, CPoint point)
{
    // (-1, -1) is the keyboard's form of the message; it names no tab even
    // when the strip happens to reach that screen corner.
    if (point.x == -1 && point.y == -1)
        return;
    CPoint client = point;
    ScreenToClient(&client);
    const int index = HitTab(client);
    if (index < 0)
        return;
    // The command comes back here, so the tab it is for goes with it. While
    // the menu is open a refused pop-up may close another tab, so the tab is
    // found again by its pane.
    HWND pane = m_pPanes ? m_pPanes->GetPaneWindow(index) : nullptr;
    CWnd* main = AfxGetMainWnd();
    const UINT command = static_cast<UINT>(CMenuResource(IDR_TABMENU).Track(TPM_RIGHTBUTTON | TPM_RETURNCMD, point.x,
                                                                           point.y, main ? main->m_hWnd : GetParent()));
    const int now = command && pane ? m_pPanes->FindByWindow(pane) : -1;
    if (now >= 0 && m_pOwner)
        m_pOwner->OnTabCommand(command, now);
}

// Files dropped by sources that do not speak OLE.
void CBrowserTabCtrl::OnDropFiles(HDROP drop)
{
    CTabDropTarget::OpenShortcuts(drop, m_pOwner);
    ::DragFinish(drop);
    Default();
}
