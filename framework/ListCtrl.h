#pragma once
#include "framework/Wnd.h"
#include <commctrl.h>

// A list-view control in report view. Rows carry one item-data value each.
class CListCtrl : public CWnd {
public:
    int GetItemCount() const { return (int)SendMessage(LVM_GETITEMCOUNT); }
    int InsertColumn(int column, const char* heading, int format, int width);
    // Inserts a row at item with text in column 0; returns its index, or -1.
    int InsertItem(int item, const char* text, LPARAM data);
    BOOL SetItemText(int item, int subItem, const char* text);
    CString GetItemText(int item, int subItem) const;
    LPARAM GetItemData(int item) const;
    BOOL SetItemState(int item, UINT state, UINT mask);
    int GetNextItem(int start, int flags) const { return (int)SendMessage(LVM_GETNEXTITEM, (WPARAM)start, MAKELPARAM(flags, 0)); }
    // The row under a point in the control's client coordinates, or -1.
    int HitTest(POINT point) const;
    BOOL DeleteItem(int item) { return (BOOL)SendMessage(LVM_DELETEITEM, (WPARAM)item); }
};
