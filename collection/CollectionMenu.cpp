#include "collection/CollectionMenu.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "framework/Wnd.h"
#include "res/resource.h"

namespace {

// One list being walked by BuildMenu. Its popup is made when its first
// entry comes, so lists whose folders get no entry cost no menu handle.
struct Level {
    CollectionNodeList* list;
    HMENU popup;
    bool holdsFolder;
    bool holdsLink;
};

void InsertFolderEntry(HMENU popup, UINT position, CollectionNode* folder, UINT id, HMENU submenu)
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

void AppendFolderEntry(HMENU popup, CollectionNode* folder, UINT id, HMENU submenu)
{
    InsertFolderEntry(popup, static_cast<UINT>(::GetMenuItemCount(popup)), folder, id, submenu);
}

// A folder that opens a submenu cannot be chosen itself: the links directly
// in it are reached through an entry of its own at the top of the submenu.
void InsertSelfEntry(HMENU submenu, CollectionNode* folder, UINT id)
{
    InsertFolderEntry(submenu, 0, folder, id, nullptr);
    ::InsertMenuA(submenu, 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

}  // namespace

CollectionMenu::CollectionMenu()
{
    containerMenu = ::CreateMenu();
}

CollectionMenu::~CollectionMenu()
{
    DestroyPopups();
    if (containerMenu)
        ::DestroyMenu(containerMenu);
}

void CollectionMenu::ShowStopMessage(const std::string& text)
{
    AfxMessageBox(text.c_str(), MB_ICONSTOP);
}

HMENU CollectionMenu::NewPopup()
{
    HMENU popup = ::CreatePopupMenu();
    if (popup)
        createdPopups.push_back(popup);
    return popup;
}

// Walks the tree with a stack of lists rather than by recursion: a file from
// elsewhere can nest folders far deeper than a call stack. Only folders that
// get an id fill popups, so however large the tree, no more than one popup
// per id is made.
HMENU CollectionMenu::BuildMenu(HMENU parent, CollectionNodeList* list, int* holdsFolder, int* counter)
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

    std::vector<Level> levels{ Level{ list, top, false, false } };
    list->First();
    for (;;) {
        Level& level = levels.back();
        CollectionNode* node = level.list->Current();
        if (node && !node->IsFolder()) {
            level.holdsLink = true;
            level.list->Next();
            continue;
        }
        if (node) {
            level.holdsFolder = true;
            node->children->First();
            levels.push_back(Level{ node->children.get(), nullptr, false, false });
            continue;
        }
        // The list has ended: its folder, at the cursor one level up, now
        // gets its id after the whole subtree.
        const Level done = level;
        levels.pop_back();
        if (levels.empty()) {
            if (holdsFolder)
                *holdsFolder = done.holdsFolder ? 1 : 0;
            break;
        }
        Level& owner = levels.back();
        CollectionNode* folder = owner.list->Current();
        const bool selfEntry = done.popup && done.holdsLink;
        const int selfId = selfEntry ? ID_COLLECTION_FIRST + (*counter)++ : 0;
        const int id = ID_COLLECTION_FIRST + (*counter)++;
        // A folder whose subfolders could not be shown cannot be opened either.
        const bool usable = id <= ID_COLLECTION_LAST && (!done.holdsFolder || done.popup);
        if (usable && selfEntry)
            InsertSelfEntry(done.popup, folder, static_cast<UINT>(selfId));
        if (usable && !owner.popup)
            owner.popup = NewPopup();
        if (usable && owner.popup)
            AppendFolderEntry(owner.popup, folder, static_cast<UINT>(id), done.holdsFolder ? done.popup : nullptr);
        owner.list->Next();
    }

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
