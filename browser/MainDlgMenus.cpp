// The function menu and the tab collections with their owner-drawn popup.
#include "browser/MainDlg.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/TabSide.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"
#include <algorithm>

namespace {
// Room left of a collection entry's name, where its icon goes.
const int kMenuIconSpace = 18;
const int kMenuIconSize = 16;
const int kMenuItemMinHeight = 18;
// m_hMenuIcons in the order the window loads them.
enum { kIconFolderClosed, kIconFolderOpen, kIconTabSet };

void CheckIf(HMENU menu, UINT id, BOOL on)
{
    if (on)
        ::CheckMenuItem(menu, id, MF_BYCOMMAND | MF_CHECKED);
}

const CollectionNode* MenuNode(int idCtl, UINT ctlType, ULONG_PTR itemData)
{
    return idCtl == 0 && ctlType == ODT_MENU ? reinterpret_cast<const CollectionNode*>(itemData) : nullptr;
}
}

void CMainDlg::CreateCollections()
{
    m_pCollection.reset(new CollectionMenu);
    m_pCollection->LoadFile(GetBookmarkFile().str(), nullptr);
    m_hCollectionMenu = m_pCollection->BuildMenu();
}

void CMainDlg::DeleteCollections()
{
    m_pHoveredNode = nullptr;
    m_hCollectionMenu = nullptr;
    m_pCollection.reset();
}

void CMainDlg::RebuildCollectionMenu()
{
    if (!m_pCollection)
        return;
    // The recorded node belongs to the tree that is about to be replaced.
    m_pHoveredNode = nullptr;
    m_pCollection->LoadFile(GetBookmarkFile().str(), nullptr);
    m_pCollection->DestroyPopups();
    m_hCollectionMenu = m_pCollection->BuildMenu();
}

void CMainDlg::OnFuncButton()
{
    CRect button;
    m_btnFunc.GetWindowRect(&button);
    const CMenuResource menu(IDR_FUNCMENU);
    HMENU popup = menu.Popup();
    if (!popup)
        return;
    CheckIf(popup, ID_SAVE_TABS_AT_EXIT, m_settings.m_bSaveLastTab);
    CheckIf(popup, ID_STEALTH_MODE, m_settings.m_bStealthMode);
    CheckIf(popup, ID_TAB_BOTTOM + TabSideCommand(m_tabCtrl.GetOrientation()), TRUE);
    CheckIf(popup, ID_EXPIRE_ENABLE, m_settings.m_bExpireEnabled);
    CheckIf(popup, ID_TAB_MULTILINE, m_settings.m_bMultiLineTab);
    menu.Track(TPM_LEFTALIGN | TPM_RIGHTBUTTON, button.left, button.bottom, m_hWnd);
}

void CMainDlg::ShowCollectionMenu()
{
    if (!m_pCollection || !m_pCollection->IsMenuBuilt())
        return;
    CRect button;
    m_btnSearch.GetWindowRect(&button);
    m_bCollectionMenuOpen = TRUE;
    m_pHoveredNode = nullptr;
    if (!::TrackPopupMenu(m_hCollectionMenu, TPM_LEFTALIGN | TPM_LEFTBUTTON, button.left, button.bottom, 0,
                          m_hWnd, nullptr)) {
        // Built afresh, the popup shows next time.
        m_pCollection->DestroyPopups();
        m_hCollectionMenu = m_pCollection->BuildMenu();
    }
    m_bCollectionMenuOpen = FALSE;
}

void CMainDlg::OnMeasureItem(int idCtl, LPMEASUREITEMSTRUCT mis)
{
    const CollectionNode* node = MenuNode(idCtl, mis->CtlType, mis->itemData);
    if (!node) {
        CDialog::OnMeasureItem(idCtl, mis);
        return;
    }
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, node->name.data(), static_cast<int>(node->name.size()), &size);
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(m_hWnd, dc);
    mis->itemWidth = static_cast<UINT>(size.cx + kMenuIconSpace);
    mis->itemHeight = static_cast<UINT>(std::max<LONG>(size.cy, kMenuItemMinHeight));
}

void CMainDlg::OnDrawItem(int idCtl, LPDRAWITEMSTRUCT dis)
{
    const CollectionNode* node = MenuNode(idCtl, dis->CtlType, dis->itemData);
    if (!node) {
        CDialog::OnDrawItem(idCtl, dis);
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

void CMainDlg::OnMenuSelect(UINT item, UINT flags, HMENU menu)
{
    CDialog::OnMenuSelect(item, flags, menu);
    // Entries that open a submenu are reported by position, not by id.
    if (item < ID_COLLECTION_FIRST || item > ID_COLLECTION_LAST || (flags & MF_POPUP))
        return;
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    m_pHoveredNode = ::GetMenuItemInfoA(menu, item, FALSE, &info)
                         ? reinterpret_cast<const CollectionNode*>(info.dwItemData) : nullptr;
}

// Whichever folder entry was chosen, the folder is the one last highlighted.
void CMainDlg::OpenCollection(UINT)
{
    const CollectionNode* folder = m_pHoveredNode;
    if (!folder || !folder->IsFolder() || folder->children->IsEmpty())
        return;
    m_tabs.RemoveUnpinned();
    const CollectionNodeList& links = *folder->children;
    {
        CTabSet::InsertBatch batch(m_tabs);
        for (std::size_t i = 0; i < links.Size(); ++i) {
            const CollectionNode* link = links.At(i);
            // A folder's own entry stands for its links, not its subfolders.
            if (link->IsFolder())
                continue;
            if (!AddRestoredTab(link->url.c_str()))
                break;
        }
    }
    // Only the tab shown loads its page; the others load when first shown.
    SelectTab(m_tabs.GetCount() - 1);
}
