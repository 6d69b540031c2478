#include "tests/collection/TreeMouse.h"

CPoint TreeMouse::Center(HTREEITEM item) const
{
    tree.SendMessage(TVM_ENSUREVISIBLE, 0, (LPARAM)item);
    CRect r;
    tree.GetItemRect(item, &r, TRUE);
    return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void TreeMouse::BeginDrag(HTREEITEM item) const
{
    NMTREEVIEWA nm = {};
    nm.hdr.hwndFrom = tree.m_hWnd;
    nm.hdr.idFrom = tree.GetDlgCtrlID();
    nm.hdr.code = TVN_BEGINDRAG;
    nm.itemNew.hItem = item;
    nm.ptDrag = Center(item);
    ::SendMessageA(tree.GetParent(), WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
}

void TreeMouse::Drag(HTREEITEM from, HTREEITEM onto, WPARAM keys) const
{
    BeginDrag(from);
    const CPoint p = Center(onto);
    MoveTo(p);
    Release(p, keys);
}
