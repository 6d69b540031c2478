#include "framework/TreeCtrl.h"

HTREEITEM CTreeCtrl::InsertItem(const char* text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    return InsertItem(&insert);
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const
{
    // The control cannot tell a label's length: grow the buffer until the
    // text leaves room to spare.
    std::string buffer(256, '\0');
    for (;;) {
        TVITEMA tv = {};
        tv.mask = TVIF_TEXT;
        tv.hItem = item;
        tv.pszText = &buffer[0];
        tv.cchTextMax = static_cast<int>(buffer.size());
        buffer[0] = '\0';
        if (!GetItem(&tv))
            return CString();
        const size_t length = std::char_traits<char>::length(tv.pszText);
        if (length + 1 < buffer.size())
            return CString(tv.pszText, static_cast<int>(length));
        buffer.resize(buffer.size() * 2);
    }
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, const char* text)
{
    TVITEMA tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = const_cast<char*>(text);
    return SetItem(&tv);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    TVITEMA tv = {};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    return GetItem(&tv) ? static_cast<DWORD_PTR>(tv.lParam) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data)
{
    TVITEMA tv = {};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    tv.lParam = static_cast<LPARAM>(data);
    return SetItem(&tv);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const
{
    TVITEMA tv = {};
    tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tv.hItem = item;
    if (!GetItem(&tv))
        return FALSE;
    image = tv.iImage;
    selectedImage = tv.iSelectedImage;
    return TRUE;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT mask)
{
    TVITEMA tv = {};
    tv.mask = TVIF_STATE;
    tv.hItem = item;
    tv.state = state;
    tv.stateMask = mask;
    return SetItem(&tv);
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM item, RECT* r, BOOL textOnly) const
{
    // The message takes the item in the rectangle it fills.
    *reinterpret_cast<HTREEITEM*>(r) = item;
    return (BOOL)SendMessage(TVM_GETITEMRECT, (WPARAM)textOnly, (LPARAM)r);
}

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const
{
    TVHITTESTINFO info = {};
    info.pt = point;
    HTREEITEM item = (HTREEITEM)SendMessage(TVM_HITTEST, 0, (LPARAM)&info);
    if (flags)
        *flags = info.flags;
    return item;
}

std::unique_ptr<CImageList> CTreeCtrl::CreateDragImage(HTREEITEM item)
{
    HIMAGELIST list = (HIMAGELIST)SendMessage(TVM_CREATEDRAGIMAGE, 0, (LPARAM)item);
    // Wine's tree sizes its picture before it adds the icon's width, so the
    // picture never fits the list and the list comes back empty.
    if (list && ImageList_GetImageCount(list) == 0) {
        ImageList_Destroy(list);
        list = DrawDragImage(item);
    }
    if (!list)
        return nullptr;
    std::unique_ptr<CImageList> image(new CImageList);
    image->Attach(list);
    return image;
}

// The item's icon and label, as the control would draw them.
HIMAGELIST CTreeCtrl::DrawDragImage(HTREEITEM item)
{
    HIMAGELIST icons = (HIMAGELIST)SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL);
    int image = 0, selectedImage = 0, cx = 0, cy = 0;
    if (!icons || !GetItemImage(item, image, selectedImage) || !ImageList_GetIconSize(icons, &cx, &cy))
        return nullptr;
    // Drawn in Unicode: GDI's code page may not be the program's.
    const std::wstring text = GetItemText(item).ToWide();
    const int length = static_cast<int>(text.size());
    HDC window = ::GetDC(m_hWnd);
    HDC dc = ::CreateCompatibleDC(window);
    HFONT font = GetFont();
    HGDIOBJ oldFont = ::SelectObject(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent = {};
    ::GetTextExtentPoint32W(dc, text.c_str(), length, &extent);
    const int gap = 2, width = cx + gap + extent.cx, height = cy > extent.cy ? cy : extent.cy;
    HBITMAP bitmap = ::CreateCompatibleBitmap(window, width, height);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    RECT all = { 0, 0, width, height };
    ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_WINDOW));
    ImageList_Draw(icons, image, dc, 0, (height - cy) / 2, ILD_NORMAL);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    ::TextOutW(dc, cx + gap, (height - extent.cy) / 2, text.c_str(), length);
    ::SelectObject(dc, oldBitmap);
    ::SelectObject(dc, oldFont);
    HIMAGELIST list = ImageList_Create(width, height, ILC_COLOR24, 1, 1);
    if (list && ImageList_Add(list, bitmap, nullptr) < 0) {
        ImageList_Destroy(list);
        list = nullptr;
    }
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::ReleaseDC(m_hWnd, window);
    return list;
}
