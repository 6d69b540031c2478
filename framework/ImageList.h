#pragma once
#include "framework/Wnd.h"
#include <commctrl.h>

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // Takes ownership of a list made elsewhere.
    void Attach(HIMAGELIST list) { DeleteImageList(); m_hImageList = list; }
    // Gives the list up to the caller.
    HIMAGELIST Detach() { HIMAGELIST list = m_hImageList; m_hImageList = nullptr; return list; }
    int Add(HICON icon) { return ImageList_AddIcon(m_hImageList, icon); }
    BOOL DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    // Image dragging: one drag at a time, so all but the start are static.
    // Points are relative to the locked window's top-left corner.
    BOOL BeginDrag(int image, CPoint hotSpot) { return ImageList_BeginDrag(m_hImageList, image, hotSpot.x, hotSpot.y); }
    static BOOL DragEnter(CWnd* lock, CPoint point) { return ImageList_DragEnter(lock->m_hWnd, point.x, point.y); }
    static BOOL DragMove(CPoint point) { return ImageList_DragMove(point.x, point.y); }
    static BOOL DragShowNolock(BOOL show) { return ImageList_DragShowNolock(show); }
    static BOOL DragLeave(CWnd* lock) { return ImageList_DragLeave(lock->m_hWnd); }
    static void EndDrag() { ImageList_EndDrag(); }

private:
    HIMAGELIST m_hImageList = nullptr;
};
