#include "collection/CollectionPopup.h"
#include "core/collection/CollectionNode.h"
#include "framework/MessageMap.h"
#include "framework/ModalGuard.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CCollectionPopup, CCmdTarget)
    ON_WM_MENUSELECT()
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

namespace {
// Room left of a collection entry's name, where its icon goes.
const int kMenuIconSpace = 18;
const int kMenuIconSize = 16;
const int kMenuItemMinHeight = 18;
// m_hMenuIcons in the order Open loads them.
enum { kIconFolderClosed, kIconFolderOpen, kIconTabSet };

HICON LoadSmallIcon(UINT id)
{
    return static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON, kMenuIconSize,
                                           kMenuIconSize, LR_DEFAULTCOLOR));
}

const CollectionNode* MenuNode(int idCtl, UINT ctlType, ULONG_PTR itemData)
{
    return idCtl == 0 && ctlType == ODT_MENU ? reinterpret_cast<const CollectionNode*>(itemData) : nullptr;
}
}

CCollectionPopup::CCollectionPopup(const CWnd& owner, const Settings& settings, const CString& startDir)
    : m_owner(owner), m_settings(settings), m_strStartDir(startDir)
{
}

CCollectionPopup::~CCollectionPopup()
{
    FreeIcons();
}

CString CCollectionPopup::GetFile() const
{
    return CString(m_settings.BookmarkFilePath(m_strStartDir.str()));
}

void CCollectionPopup::Open()
{
    m_hMenuIcons[kIconFolderClosed] = LoadSmallIcon(IDI_FOLDER_CLOSED);
    m_hMenuIcons[kIconFolderOpen] = LoadSmallIcon(IDI_FOLDER_OPEN);
    m_hMenuIcons[kIconTabSet] = LoadSmallIcon(IDI_TABSET);
    m_pCollection.reset(new CollectionMenu);
    RebuildCollectionMenu();
}

void CCollectionPopup::Close()
{
    FreeIcons();
    m_pHoveredNode = nullptr;
    m_hCollectionMenu = nullptr;
    m_pCollection.reset();
}

void CCollectionPopup::FreeIcons()
{
    for (HICON& icon : m_hMenuIcons) {
        if (icon) ::DestroyIcon(icon);
        icon = nullptr;
    }
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
    HDC dc = ::GetDC(m_owner.m_hWnd);
    HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, node->name.data(), static_cast<int>(node->name.size()), &size);
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(m_owner.m_hWnd, dc);
    mis->itemWidth = static_cast<UINT>(size.cx + kMenuIconSpace);
    mis->itemHeight = static_cast<UINT>(std::max<LONG>(size.cy, kMenuItemMinHeight));
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
    RECT text = { r.left + kMenuIconSpace, r.top, r.right + 1, r.bottom + 1 };
    // A name is text, not a menu label: "&" is drawn, as it was measured.
    ::DrawTextA(dc, node->name.data(), static_cast<int>(node->name.size()), &text,
                DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX);
    const int icon = !node->IsFolder() ? kIconFolderClosed : node->hasSubfolders ? kIconFolderOpen : kIconTabSet;
    ::DrawIconEx(dc, r.left + 1, r.top, m_hMenuIcons[icon], kMenuIconSize, kMenuIconSize, 0, brush, DI_NORMAL);
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
