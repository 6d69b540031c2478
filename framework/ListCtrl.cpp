#include "framework/ListCtrl.h"
#include <string>

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width)
{
    LVCOLUMNA col = {};
    col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    col.fmt = format;
    col.cx = width;
    col.pszText = const_cast<char*>(heading);
    col.iSubItem = column;
    return (int)SendMessage(LVM_INSERTCOLUMNA, (WPARAM)column, (LPARAM)&col);
}

int CListCtrl::InsertItem(int item, const char* text, LPARAM data)
{
    LVITEMA row = {};
    row.mask = LVIF_TEXT | LVIF_PARAM;
    row.iItem = item;
    row.pszText = const_cast<char*>(text);
    row.lParam = data;
    return (int)SendMessage(LVM_INSERTITEMA, 0, (LPARAM)&row);
}

BOOL CListCtrl::SetItemText(int item, int subItem, const char* text)
{
    LVITEMA row = {};
    row.iSubItem = subItem;
    row.pszText = const_cast<char*>(text);
    return (BOOL)SendMessage(LVM_SETITEMTEXTA, (WPARAM)item, (LPARAM)&row);
}

CString CListCtrl::GetItemText(int item, int subItem) const
{
    // The control only says how much it copied, so the buffer grows until
    // the text fits with room to spare.
    std::string buffer(256, '\0');
    for (;;) {
        LVITEMA row = {};
        row.iSubItem = subItem;
        row.pszText = &buffer[0];
        row.cchTextMax = (int)buffer.size();
        const int length = (int)SendMessage(LVM_GETITEMTEXTA, (WPARAM)item, (LPARAM)&row);
        if (length < (int)buffer.size() - 1)
            return CString(buffer.c_str(), length > 0 ? length : 0);
        buffer.assign(buffer.size() * 2, '\0');
    }
}

LPARAM CListCtrl::GetItemData(int item) const
{
    LVITEMA row = {};
    row.mask = LVIF_PARAM;
    row.iItem = item;
    return SendMessage(LVM_GETITEMA, 0, (LPARAM)&row) ? row.lParam : 0;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask)
{
    LVITEMA row = {};
    row.state = state;
    row.stateMask = mask;
    return (BOOL)SendMessage(LVM_SETITEMSTATE, (WPARAM)item, (LPARAM)&row);
}

int CListCtrl::HitTest(POINT point) const
{
    LVHITTESTINFO info = {};
    info.pt = point;
    return (int)SendMessage(LVM_HITTEST, 0, (LPARAM)&info);
}
