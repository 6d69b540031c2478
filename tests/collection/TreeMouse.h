#pragma once
#include "framework/TreeCtrl.h"

// A tree control driven as the mouse drives it: the begin-drag notification
// through its parent (which hands it back to the tree), moves, the release.
struct TreeMouse {
    CTreeCtrl& tree;

    // The middle of the item's label, scrolled into view.
    CPoint Center(HTREEITEM item) const;
    void BeginDrag(HTREEITEM item) const;
    void MoveTo(CPoint p) const { tree.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
    void Release(CPoint p, WPARAM keys = 0) const { tree.SendMessage(WM_LBUTTONUP, keys, MAKELPARAM(p.x, p.y)); }
    void Drag(HTREEITEM from, HTREEITEM onto, WPARAM keys = 0) const;
};
