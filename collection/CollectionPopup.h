#pragma once
#include "collection/CollectionMenu.h"
#include "core/Settings.h"
#include "framework/CmdTarget.h"
#include "framework/IconArt.h"
#include "framework/Str.h"
#include "framework/Wnd.h"
#include <memory>

struct CollectionNode;

// The tab collections of a window and their popup: the tree read from the
// collection file the settings name, the owner-drawn popup built from it,
// and the folder last highlighted in it. Chained into the owner's message
// map, it follows the highlight itself (WM_MENUSELECT) and measures and
// draws its own items, passing on every other.
class CCollectionPopup : public CCmdTarget {
public:
    // startDir: where the default collection file lives.
    CCollectionPopup(const CWnd& owner, const Settings& settings, const CString& startDir);
    ~CCollectionPopup() override;
    CCollectionPopup(const CCollectionPopup&) = delete;
    CCollectionPopup& operator=(const CCollectionPopup&) = delete;

    // The collection file the settings name now.
    CString GetFile() const;
    // Loads the menu icons and the file, and builds the popup; Close lets
    // all of it go when the owner closes.
    void Open();
    void Close();
    // Reads the collection file again and rebuilds the popup from it.
    void RebuildCollectionMenu();

    // Shows the popup with its top left corner at a screen point until the
    // user chooses or cancels; nothing when the popup is not built.
    void Track(int x, int y);
    BOOL IsCollectionMenuOpen() const { return m_bCollectionMenuOpen; }
    // The folder under the popup's highlight; kept after the popup closes
    // for the command that follows.
    const CollectionNode* GetHoveredNode() const { return m_pHoveredNode; }

protected:
    void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    // A menu item of the popup (control id 0); anything else goes on.
    void OnMeasureItem(int idCtl, LPMEASUREITEMSTRUCT mis);
    void OnDrawItem(int idCtl, LPDRAWITEMSTRUCT dis);

private:
    friend struct CollectionPopupProbe;

    const CWnd& m_owner;
    const Settings& m_settings;
    const CString m_strStartDir;
    std::unique_ptr<CollectionMenu> m_pCollection;
    HMENU m_hCollectionMenu = nullptr;
    BOOL m_bCollectionMenuOpen = FALSE;
    const CollectionNode* m_pHoveredNode = nullptr;
    // Closed folder, open folder, set of tabs.
    CIconArt m_menuIcons[3];

    DECLARE_MESSAGE_MAP()
};
