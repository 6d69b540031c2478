#include "collection/FolderTreeCtrl.h"
#include "res/resource.h"
#include <utility>
#include <vector>

BEGIN_MESSAGE_MAP(CFolderTreeCtrl, CTreeCtrl)
    ON_NOTIFY_REFLECT(TVN_BEGINDRAG, OnBeginDrag)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

namespace {
void SetDropCursor(BOOL allowed)
{
    const UINT id = allowed ? IDC_CUR_DROP_OK : IDC_CUR_DROP_NO;
    ::SetCursor(::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id)));
}
}

CFolderTreeCtrl::~CFolderTreeCtrl()
{
    EndDrag();
}

BOOL CFolderTreeCtrl::IsLink(HTREEITEM item) const
{
    int image = -1, selectedImage = -1;
    return GetItemImage(item, image, selectedImage) && image == kLinkImage && selectedImage == kLinkImage;
}

BOOL CFolderTreeCtrl::CanDrag(HTREEITEM)
{
    return TRUE;
}

// A link at the top level has no folder around it to take what is dropped.
BOOL CFolderTreeCtrl::IsDropAllowed(HTREEITEM dragged, HTREEITEM target)
{
    if (target == dragged || IsDescendant(dragged, target))
        return FALSE;
    return !IsLink(target) || GetParentItem(target);
}

// Up from the candidate rather than down through the item's branch: the
// same answer, in the depth of the tree instead of the size of the branch,
// on every mouse move of a drag.
BOOL CFolderTreeCtrl::IsDescendant(HTREEITEM item, HTREEITEM candidate) const
{
    for (HTREEITEM up = GetParentItem(candidate); up; up = GetParentItem(up)) {
        if (up == item)
            return TRUE;
    }
    return FALSE;
}

void CFolderTreeCtrl::OnBeginDrag(NMHDR* nm, LRESULT* result)
{
    *result = 0;
    const NMTREEVIEWA* tv = reinterpret_cast<const NMTREEVIEWA*>(nm);
    if (m_bDragging || !CanDrag(tv->itemNew.hItem))
        return;
    ::SetCapture(m_hWnd);
    m_bDragging = TRUE;
    m_hDragItem = tv->itemNew.hItem;
    SelectItem(m_hDragItem);
    m_pDragImage = CreateDragImage(m_hDragItem);
    if (m_pDragImage) {
        m_pDragImage->BeginDrag(0, CPoint(0, 0));
        CImageList::DragEnter(this, ToWindowPoint(CPoint(tv->ptDrag.x, tv->ptDrag.y)));
    }
}

void CFolderTreeCtrl::OnMouseMove(UINT flags, CPoint point)
{
    if (!m_bDragging) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        CTreeCtrl::OnMouseMove(flags, point);
        return;
    }
    CImageList::DragMove(ToWindowPoint(point));
    HTREEITEM target = HitTest(point);
    if (target) {
        // The image is drawn over the window: hide it while the highlight
        // repaints underneath, or the paint would cover part of it.
        CImageList::DragShowNolock(FALSE);
        SelectDropTarget(target);
        UpdateWindow();
        CImageList::DragShowNolock(TRUE);
    }
    SetDropCursor(target && IsDropAllowed(m_hDragItem, target));
    CTreeCtrl::OnMouseMove(flags, point);
}

// With or without the Control key the drop is a move: a copy beside its
// source would leave two items standing for one node.
void CFolderTreeCtrl::OnLButtonUp(UINT flags, CPoint point)
{
    if (m_bDragging) {
        HTREEITEM dragged = m_hDragItem;
        EndDrag();
        HTREEITEM target = HitTest(point);
        if (target && IsDropAllowed(dragged, target)) {
            if (HTREEITEM added = DropItem(target, dragged)) {
                DeleteItem(dragged);
                SelectItem(added);
            }
        }
    }
    CTreeCtrl::OnLButtonUp(flags, point);
}

// Whoever takes the mouse away (a message box, another window) ends the
// drag as a release outside every item would: nothing moves.
void CFolderTreeCtrl::OnCaptureChanged(HWND gaining)
{
    if (gaining != m_hWnd)
        EndDrag();
    Default();
}

void CFolderTreeCtrl::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (m_bDragging && key == VK_ESCAPE) {
        EndDrag();
        return;
    }
    CTreeCtrl::OnKeyDown(key, repeat, flags);
}

// During a drag Escape is ours, not the dialog's Cancel.
UINT CFolderTreeCtrl::OnGetDlgCode()
{
    return m_bDragging ? DLGC_WANTALLKEYS : CTreeCtrl::OnGetDlgCode();
}

// The one clean-up of a drag, whatever ends it. Releasing the capture comes
// back here through WM_CAPTURECHANGED, by then with nothing left to do.
void CFolderTreeCtrl::EndDrag()
{
    if (!m_bDragging)
        return;
    m_bDragging = FALSE;
    m_hDragItem = nullptr;
    if (m_pDragImage) {
        CImageList::DragLeave(this);
        CImageList::EndDrag();
        m_pDragImage.reset();
    }
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (m_hWnd)
        SelectDropTarget(nullptr);
}

CPoint CFolderTreeCtrl::ToWindowPoint(CPoint client) const
{
    POINT screen = client;
    ClientToScreen(&screen);
    RECT window;
    GetWindowRect(&window);
    return CPoint(screen.x - window.left, screen.y - window.top);
}

HTREEITEM CFolderTreeCtrl::DropItem(HTREEITEM target, HTREEITEM dragged)
{
    if (::SendMessageA(GetParent(), WM_APP_MOVEITEM, (WPARAM)target, (LPARAM)dragged))
        return nullptr;
    if (!IsLink(target))
        return CopyBranch(dragged, target, TVI_LAST);
    HTREEITEM parent = GetParentItem(target);
    return CopyBranch(dragged, parent ? parent : TVI_ROOT, target);
}

// Each copied item waits on a stack until its children are copied under
// it: a branch may be nested as deep as a file can be, deeper than the
// call stack should follow.
HTREEITEM CFolderTreeCtrl::CopyBranch(HTREEITEM item, HTREEITEM newParent, HTREEITEM after)
{
    HTREEITEM copy = CopyItem(item, newParent, after);
    if (!copy)
        return nullptr;
    std::vector<std::pair<HTREEITEM, HTREEITEM>> pending{ { item, copy } };  // source, its copy
    while (!pending.empty()) {
        const auto [source, target] = pending.back();
        pending.pop_back();
        for (HTREEITEM child = GetChildItem(source); child; child = GetNextSiblingItem(child)) {
            if (HTREEITEM made = CopyItem(child, target, TVI_LAST))
                pending.push_back({ child, made });
        }
    }
    return copy;
}

HTREEITEM CFolderTreeCtrl::CopyItem(HTREEITEM item, HTREEITEM newParent, HTREEITEM after)
{
    int image = 0, selectedImage = 0;
    GetItemImage(item, image, selectedImage);
    HTREEITEM copy = InsertItem(GetItemText(item), image, selectedImage, newParent, after);
    if (!copy)
        return nullptr;
    SetItemData(copy, GetItemData(item));
    SetItemState(copy, GetItemState(item, TVIS_STATEIMAGEMASK), TVIS_STATEIMAGEMASK);
    // A folder whose items are not in the tree yet keeps its button.
    TVITEMA children = {};
    children.mask = TVIF_CHILDREN;
    children.hItem = item;
    if (GetItem(&children)) {
        children.hItem = copy;
        SetItem(&children);
    }
    return copy;
}
