#pragma once
#include "framework/OleDropTarget.h"

class TabStripOwner;

// Text dragged onto the tab strip opens in a new tab at the end of the strip.
class CTabDropTarget : public COleDropTarget {
public:
    void SetOwner(TabStripOwner* owner) { m_pOwner = owner; }

protected:
    // The copy cursor shows for any data: what cannot be used is refused
    // only at the drop.
    DROPEFFECT OnDragEnter(CWnd* wnd, COleDataObject* data, DWORD keyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* wnd, COleDataObject* data, DWORD keyState, CPoint point) override;
    BOOL OnDrop(CWnd* wnd, COleDataObject* data, DROPEFFECT dropEffect, CPoint point) override;
    DROPEFFECT OnDropEx(CWnd* wnd, COleDataObject* data, DROPEFFECT dropDefault, DROPEFFECT dropList,
                        CPoint point) override;
    void OnDragLeave(CWnd* wnd) override;
    // Never scrolls the strip, and the copy answer stands for the drag-over.
    DROPEFFECT OnDragScroll(CWnd* wnd, DWORD keyState, CPoint point) override;

private:
    TabStripOwner* m_pOwner = nullptr;
};
