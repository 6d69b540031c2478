#include "collection/CollectionPopup.h"
#include "core/collection/CollectionNode.h"
#include "framework/MessageMap.h"
#include "framework/ModalGuard.h"
#include "framework/WinApp.h"
#include "framework/WindowDpi.h"
#include "res/resource.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CCollectionPopup, CCmdTarget)
    ON_WM_MENUSELECT()
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

namespace {
// At 96 DPI: the room left of a collection entry's name, where its icon
// goes one pixel in, and the lowest an entry may be. Scaled for the
// window's DPI, like the icon.
const int kMenuIconSpace = 18;
const int kMenuIconSize = 16;
const int kMenuIconInset = 1;
const int kMenuItemMinHeight = 18;
// m_menuIcons in the order Open loads them.
enum { kIconFolderClosed, kIconFolderOpen, kIconTabSet };

const CollectionNode* MenuNode(int idCtl, UINT ctlType, ULONG_PTR itemData)
{
    return idCtl == 0 && ctlType == ODT_MENU ? reinterpret_cast<const CollectionNode*>(itemData) : nullptr;
}
}

CCollectionPopup::CCollectionPopup(const CWnd& owner, const Settings& settings, const CString& startDir)
    : m_owner(owner), m_settings(settings), m_strStartDir(startDir)
{
}

CCollectionPopup::~CCollectionPopup() = default;

CString CCollectionPopup::GetFile() const
{
    return CString(m_settings.BookmarkFilePath(m_strStartDir.str()));
}

void CCollectionPopup::Open()
{
    m_menuIcons[kIconFolderClosed].Load(IDI_FOLDER_CLOSED);
    m_menuIcons[kIconFolderOpen].Load(IDI_FOLDER_OPEN);
    m_menuIcons[kIconTabSet].Load(IDI_TABSET);
    m_pCollection.reset(new CollectionMenu);
    RebuildCollectionMenu();
}

void CCollectionPopup::Close()
{
    for (CIconArt& icon : m_menuIcons)
        icon.Free();
    m_pHoveredNode = nullptr;
    m_hCollectionMenu = nullptr;
    m_pCollection.reset();
}

void CCollectionPopup::RebuildCollectionMenu()
{
    if (!m_pCollection)
        return;
    // The recorded node belongs to the tree that is about to be replaced.
    m_pHoveredNode = nullptr;
    m_pCollection->LoadFile(GetFile().str(), nullptr);
    m_pCollection->DestroyPopups();
    m_hCollectionMenu = m_pCollection->BuildMenu();
}

void CCollectionPopup::Track(int x, int y)
{
    if (!m_pCollection || !m_pCollection->IsMenuBuilt())
        return;
    m_bCollectionMenuOpen = TRUE;
    m_pHoveredNode = nullptr;
    BOOL shown;
    {
        const CModalGuard guard;
        shown = ::TrackPopupMenu(m_hCollectionMenu, TPM_LEFTALIGN | TPM_LEFTBUTTON, x, y, 0, m_owner.m_hWnd, nullptr);
    }
    if (!shown) {
        // Built afresh, the popup shows next time.
        m_pCollection->DestroyPopups();
        m_hCollectionMenu = m_pCollection->BuildMenu();
    }
    m_bCollectionMenuOpen = FALSE;
}

void CCollectionPopup::OnMeasureItem(int idCtl, LPMEASUREITEMSTRUCT mis)
{
    const CollectionNode* node = MenuNode(idCtl, mis->CtlType, mis->itemData);
    if (!node) {
        SetMsgHandled(FALSE);
        return;
    }
    // Measured as drawn: in Unicode, from the program's code page.
    const std::wstring name = CString(node->name).ToWide();
    const HWND owner = m_owner.m_hWnd;
    HDC dc = ::GetDC(owner);
    HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    ::GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &size);
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(owner, dc);
    mis->itemWidth = static_cast<UINT>(size.cx + AfxScaleForWindow(owner, kMenuIconSpace));
    mis->itemHeight = static_cast<UINT>(std::max<LONG>(size.cy, AfxScaleForWindow(owner, kMenuItemMinHeight)));
}

void CCollectionPopup::OnDrawItem(int idCtl, LPDRAWITEMSTRUCT dis)
{
    const CollectionNode* node = MenuNode(idCtl, dis->CtlType, dis->itemData);
    if (!node) {
        SetMsgHandled(FALSE);
        return;
    }
    HDC dc = dis->hDC;
    const RECT& r = dis->rcItem;
    const int saved = ::SaveDC(dc);
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    HBRUSH brush = ::CreateSolidBrush(::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (selected) {
        ::SetBkColor(dc, ::GetSysColor(COLOR_HIGHLIGHT));
        ::SetTextColor(dc, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    ::FillRect(dc, &r, brush);
    const HWND owner = m_owner.m_hWnd;
    RECT text = { r.left + AfxScaleForWindow(owner, kMenuIconSpace), r.top, r.right + 1, r.bottom + 1 };
    // A name is text, not a menu label: "&" is drawn, as it was measured.
    const std::wstring name = CString(node->name).ToWide();
    ::DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &text,
                DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX);
    const int icon = !node->IsFolder() ? kIconFolderClosed : node->hasSubfolders ? kIconFolderOpen : kIconTabSet;
    m_menuIcons[icon].Draw(dc, r.left + AfxScaleForWindow(owner, kMenuIconInset), r.top,
                           AfxScaleForWindow(owner, kMenuIconSize), brush);
    ::DeleteObject(brush);
    ::RestoreDC(dc, saved);
}

// WM_MENUSELECT has no default handling of its own, so nothing is lost when
// the popup takes it from the window.
void CCollectionPopup::OnMenuSelect(UINT item, UINT flags, HMENU menu)
{
    // Entries that open a submenu are reported by position, not by id.
    if (item < ID_COLLECTION_FIRST || item > ID_COLLECTION_LAST || (flags & MF_POPUP))
        return;
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    m_pHoveredNode = ::GetMenuItemInfoA(menu, item, FALSE, &info)
                         ? reinterpret_cast<const CollectionNode*>(info.dwItemData) : nullptr;
}
