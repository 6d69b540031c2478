#pragma once
#include "framework/Controls.h"
#include "framework/IconArt.h"
#include "tabstrip/TabDropTarget.h"
#include "tabstrip/TabStripOwner.h"
#include "tabstrip/TabStripPanes.h"
#include "core/TabGeometry.h"

// The tab strip of the main window (control 1000). It draws every tab
// itself: a close-and-pin icon, the caption and the shading of a page still
// loading. Icon clicks become close and pin requests to the main window,
// tabs are reordered by dragging, and links and shortcuts dropped on the
// strip open in new tabs. The strip keeps no per-tab records of its own:
// it asks its pages. It sets itself up (drop target, image list, turned
// font) whether it creates its window or is bound to a dialog's control.
class CBrowserTabCtrl : public CTabCtrl {
public:
    CBrowserTabCtrl();
    ~CBrowserTabCtrl() override;

    void SetTabOwner(TabStripOwner* owner);
    // Takes the measures of the DPI the strip is shown at: the room for the
    // icon and its art, the drag margin and the turned font.
    void FitToDpi();
    void SetTabPanes(const TabStripPanes* pages) { m_pPanes = pages; }
    BOOL AttachImageList();
    void CreateVerticalFont();
    TabSide GetOrientation() const;
    // Puts the strip on a side, in one row or several.
    void SetLayout(TabSide side, bool multiLine);
    void AdjustDisplayRect(BOOL larger, RECT* rect);
    void CancelDrag();
    // Moves an item's caption and progress from one place to another; the
    // items between shift by one toward the place it left.
    void MoveItem(int from, int to);
    // Many items in a row: between these the strip does not measure every
    // caption again at each insert, and it lays itself out once at the end.
    // Pairs nest; only the outermost counts.
    void BeginInsertBatch();
    void EndInsertBatch();

protected:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT dis) override;

    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnSelChange(NMHDR* nm, LRESULT* result);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnMButtonUp(UINT flags, CPoint point);
    void OnContextMenu(HWND wnd, CPoint point);
    void OnCaptureChanged(HWND gaining);
    void OnDropFiles(HDROP drop);
    LRESULT OnDpiChangedAfterParent(WPARAM, LPARAM);

    TabStripOwner* m_pOwner = nullptr;
    const TabStripPanes* m_pPanes = nullptr;
    CTabDropTarget m_dropTarget;
    CIconArt m_iconUnpinned;
    CIconArt m_iconPinned;
    CImageList m_imageList;
    TabMetrics m_metrics = TabMetricsForDpi(kBaseDpi);
    CPoint m_ptGrabOffset;
    // Where the icon was last drawn from the corner of the tab as hit-tested,
    // for a tab not selected [0] and the selected one [1].
    CPoint m_ptIconDrawn[2];
    CFont m_fontVertical;
    HCURSOR m_hCursorSaved = nullptr;
    HCURSOR m_hCursorDrag = nullptr;
    int m_nDragTab = 0;
    BOOL m_bDragging = FALSE;
    int m_nInsertBatch = 0;

private:
    void SetUp();
    int HitTab(CPoint point) const;
    void DragTo(CPoint point);
    static void DrawVerticalCaption(HDC dc, const std::wstring& caption, const TabRect& text);
    void EndDrag();

    friend struct TabStripProbe;

    DECLARE_MESSAGE_MAP()
};
