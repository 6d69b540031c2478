#pragma once
#include "framework/TreeCtrl.h"
#include <memory>

// The organizer's tree (control 1004), whose items and whole branches move
// with the mouse. At an accepted drop it first asks its parent, with
// WM_APP_MOVEITEM, to move what the items stand for, then re-creates the
// dragged branch at its new place, carrying each item's data along. It knows
// nothing of that data: a link is an item whose two images are both
// kLinkImage, every other item is a folder.
class CFolderTreeCtrl : public CTreeCtrl {
public:
    // To the parent, sent before any item changes: wParam = the item dropped
    // on, lParam = the dragged item. A non-zero result refuses the drop, and
    // no item changes.
    enum { WM_APP_MOVEITEM = WM_APP + 100 };
    enum { kLinkImage = 2 };

    CFolderTreeCtrl() = default;
    ~CFolderTreeCtrl() override;

    virtual HTREEITEM CopyBranch(HTREEITEM item, HTREEITEM newParent, HTREEITEM after);
    virtual HTREEITEM CopyItem(HTREEITEM item, HTREEITEM newParent, HTREEITEM after);
    virtual HTREEITEM DropItem(HTREEITEM target, HTREEITEM dragged);
    virtual BOOL IsDropAllowed(HTREEITEM dragged, HTREEITEM target);
    virtual BOOL CanDrag(HTREEITEM item);
    BOOL IsDescendant(HTREEITEM item, HTREEITEM candidate) const;

    BOOL IsLink(HTREEITEM item) const;

protected:
    void OnBeginDrag(NMHDR* nm, LRESULT* result);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnCaptureChanged(HWND gaining);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    UINT OnGetDlgCode();

    std::unique_ptr<CImageList> m_pDragImage;
    BOOL m_bDragging = FALSE;
    HTREEITEM m_hDragItem = nullptr;

private:
    void EndDrag();
    CPoint ToWindowPoint(CPoint client) const;

    DECLARE_MESSAGE_MAP()
};
