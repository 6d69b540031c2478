#include "collection/CollectionMenu.h"
#include "collection/StopMessage.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionWalk.h"
#include "res/resource.h"

namespace {

// One list being walked by BuildMenu. Its popup is made when its first
// entry comes, so lists whose folders get no entry cost no menu handle.
struct Level {
    HMENU popup;
    bool holdsFolder;
    bool holdsLink;
};

void InsertFolderEntry(HMENU popup, UINT position, const CollectionNode* folder, UINT id, HMENU submenu)
{
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
    item.fType = MFT_OWNERDRAW;
    item.wID = id;
    item.hSubMenu = submenu;
    item.dwItemData = reinterpret_cast<ULONG_PTR>(folder);
    ::InsertMenuItemA(popup, position, TRUE, &item);
}

void AppendFolderEntry(HMENU popup, const CollectionNode* folder, UINT id, HMENU submenu)
{
    InsertFolderEntry(popup, static_cast<UINT>(::GetMenuItemCount(popup)), folder, id, submenu);
}

// A folder that opens a submenu cannot be chosen itself: the links directly
// in it are reached through an entry of its own at the top of the submenu.
void InsertSelfEntry(HMENU submenu, const CollectionNode* folder, UINT id)
{
    InsertFolderEntry(submenu, 0, folder, id, nullptr);
    ::InsertMenuA(submenu, 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

}  // namespace

CollectionMenu::CollectionMenu() : store(ShowStopMessage)
{
    containerMenu = ::CreateMenu();
}

CollectionMenu::~CollectionMenu()
{
    DestroyPopups();
    if (containerMenu)
        ::DestroyMenu(containerMenu);
}

HMENU CollectionMenu::NewPopup()
{
    HMENU popup = ::CreatePopupMenu();
    if (popup)
        createdPopups.push_back(popup);
    return popup;
}

// One walk of the tree: a file from elsewhere can nest folders far deeper
// than a call stack. Only folders that get an id fill popups, so however
// large the tree, no more than one popup per id is made.
HMENU CollectionMenu::BuildMenu(HMENU parent, const CollectionNodeList* list, int* holdsFolder, int* counter)
{
    if (!list)
        list = GetRoot();
    if (!list)
        return nullptr;
    HMENU top = NewPopup();
    if (!top)
        return nullptr;
    int topCounter = 0;
    if (!counter)
        counter = &topCounter;

    std::vector<Level> levels{ Level{ top, false, false } };
    for (CollectionWalk walk(*list); walk.Next();) {
        const CollectionNode* node = &walk.Node();
        if (!walk.Leaving()) {
            levels.back().holdsFolder |= node->IsFolder();
            levels.back().holdsLink |= !node->IsFolder();
            if (node->IsFolder())
                levels.push_back(Level{ nullptr, false, false });
            continue;
        }
        // The folder is left: it gets its id after its whole subtree.
        const Level done = levels.back();
        levels.pop_back();
        Level& owner = levels.back();
        const bool selfEntry = done.popup && done.holdsLink;
        const int selfId = selfEntry ? ID_COLLECTION_FIRST + (*counter)++ : 0;
        const int id = ID_COLLECTION_FIRST + (*counter)++;
        // A folder whose subfolders could not be shown cannot be opened either.
        const bool usable = id <= ID_COLLECTION_LAST && (!done.holdsFolder || done.popup);
        if (usable && selfEntry)
            InsertSelfEntry(done.popup, node, static_cast<UINT>(selfId));
        if (usable && !owner.popup)
            owner.popup = NewPopup();
        if (usable && owner.popup)
            AppendFolderEntry(owner.popup, node, static_cast<UINT>(id), done.holdsFolder ? done.popup : nullptr);
    }
    if (holdsFolder)
        *holdsFolder = levels.back().holdsFolder ? 1 : 0;

    if (!parent) {
        SetContainerPopup(top);
        ::AppendMenuA(top, MF_STRING, ID_ORGANIZE_COLLECTIONS, "タブの整理...");
        menuBuilt = 1;
    }
    return top;
}

void CollectionMenu::SetContainerPopup(HMENU top)
{
    if (containerMenu) {
        // Detached first: the previous top popup belongs to the record.
        ::RemoveMenu(containerMenu, 0, MF_BYPOSITION);
        ::DestroyMenu(containerMenu);
    }
    containerMenu = ::CreateMenu();
    if (containerMenu)
        ::AppendMenuA(containerMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(top), "POPUP");
}

void CollectionMenu::DestroyPopups()
{
    menuBuilt = 0;
    if (containerMenu)
        ::RemoveMenu(containerMenu, 0, MF_BYPOSITION);
    // Destroying a menu destroys its submenus too; with every entry removed
    // first, each recorded popup goes on its own, once.
    for (HMENU popup : createdPopups) {
        for (int i = ::GetMenuItemCount(popup); i > 0; --i)
            ::RemoveMenu(popup, static_cast<UINT>(i - 1), MF_BYPOSITION);
        ::DestroyMenu(popup);
    }
    createdPopups.clear();
}
