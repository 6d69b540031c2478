#pragma once
#include "framework/OleDropTarget.h"
#include <shellapi.h>

class TabStripOwner;

// What is dragged onto the tab strip opens in new tabs at the end of the
// strip: text as one address, files as the Internet shortcuts among them.
class CTabDropTarget : public COleDropTarget {
public:
    void SetOwner(TabStripOwner* owner) { m_pOwner = owner; }

    // Every Internet shortcut (".url") among the dropped files opens its
    // address in a new tab, in the order given; other files are passed over.
    static void OpenShortcuts(HDROP drop, TabStripOwner* owner);

protected:
    // The copy cursor shows for any data: what cannot be used is refused
    // only at the drop.
    DROPEFFECT OnDragEnter(CWnd* wnd, COleDataObject* data, DWORD keyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* wnd, COleDataObject* data, DWORD keyState, CPoint point) override;
    BOOL OnDrop(CWnd* wnd, COleDataObject* data, DROPEFFECT dropEffect, CPoint point) override;
    // Files first (a file manager drags them by OLE only), then text, as
    // UTF-16 where offered.
    DROPEFFECT OnDropEx(CWnd* wnd, COleDataObject* data, DROPEFFECT dropDefault, DROPEFFECT dropList,
                        CPoint point) override;
    void OnDragLeave(CWnd* wnd) override;
    // Never scrolls the strip, and the copy answer stands for the drag-over.
    DROPEFFECT OnDragScroll(CWnd* wnd, DWORD keyState, CPoint point) override;

private:
    // The dropped text, or false when the format is not there or unreadable.
    static bool DroppedText(COleDataObject* data, CLIPFORMAT format, CString& text);

    TabStripOwner* m_pOwner = nullptr;
};
