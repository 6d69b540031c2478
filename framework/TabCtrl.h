#pragma once
#include "framework/ImageList.h"
#include <commctrl.h>

class CTabCtrl : public CWnd {
public:
    int GetItemCount() const { return (int)SendMessage(TCM_GETITEMCOUNT); }
    int GetCurSel() const { return (int)SendMessage(TCM_GETCURSEL); }
    int SetCurSel(int item) { return (int)SendMessage(TCM_SETCURSEL, (WPARAM)item); }
    BOOL GetItem(int item, TCITEMA* tc) const { return (BOOL)SendMessage(TCM_GETITEMA, (WPARAM)item, (LPARAM)tc); }
    BOOL SetItem(int item, TCITEMA* tc) { return (BOOL)SendMessage(TCM_SETITEMA, (WPARAM)item, (LPARAM)tc); }
    int InsertItem(int item, TCITEMA* tc) { return (int)SendMessage(TCM_INSERTITEMA, (WPARAM)item, (LPARAM)tc); }
    BOOL DeleteItem(int item) { return (BOOL)SendMessage(TCM_DELETEITEM, (WPARAM)item); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(TCM_DELETEALLITEMS); }
    BOOL GetItemRect(int item, RECT* r) const { return (BOOL)SendMessage(TCM_GETITEMRECT, (WPARAM)item, (LPARAM)r); }
    int HitTest(TCHITTESTINFO* info) const { return (int)SendMessage(TCM_HITTEST, 0, (LPARAM)info); }
    void AdjustRect(BOOL larger, RECT* r) { SendMessage(TCM_ADJUSTRECT, (WPARAM)larger, (LPARAM)r); }
    HIMAGELIST SetImageList(CImageList* list) { return (HIMAGELIST)SendMessage(TCM_SETIMAGELIST, 0, (LPARAM)list->GetSafeHandle()); }
    HWND GetToolTips() const { return (HWND)SendMessage(TCM_GETTOOLTIPS); }

    // Owner-drawn tabs paint themselves from the reflected WM_DRAWITEM.
    virtual void DrawItem(LPDRAWITEMSTRUCT dis) { (void)dis; }
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
