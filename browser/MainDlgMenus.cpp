// The function menu and the tab collections' popup of the main window.
#include "browser/MainDlg.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/TabSide.h"
#include "framework/Menu.h"

namespace {
void CheckIf(HMENU menu, UINT id, BOOL on)
{
    if (on)
        ::CheckMenuItem(menu, id, MF_BYCOMMAND | MF_CHECKED);
}
}

void CMainDlg::OnFuncButton()
{
    CRect button;
    m_navBar.m_btnFunc.GetWindowRect(&button);
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
    CRect button;
    m_navBar.m_btnSearch.GetWindowRect(&button);
    m_collectionPopup.Track(button.left, button.bottom);
}

// Whichever folder entry was chosen, the folder is the one last highlighted.
void CMainDlg::OpenCollection(UINT)
{
    const CollectionNode* folder = m_collectionPopup.GetHoveredNode();
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
