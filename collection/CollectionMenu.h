#pragma once
#include "core/collection/CollectionStore.h"
#include <windows.h>
#include <cstdint>
#include <vector>

class CollectionNodeList;

// A collection tree with the popup menu built from its folders. Each folder
// gets an owner-drawn entry whose item data is its CollectionNode; links
// never appear. A folder holding folders opens a submenu of them instead of
// being a command; when it holds links too, the submenu starts with an entry
// for the folder itself and a separator. The top popup ends with the
// organize command.
//
// Every popup is owned by createdPopups alone: no menu is destroyed through
// another one, so each handle goes exactly once.
class CollectionMenu {
public:
    CollectionMenu();
    ~CollectionMenu();
    CollectionMenu(const CollectionMenu&) = delete;
    CollectionMenu& operator=(const CollectionMenu&) = delete;

    bool LoadFile(const std::string& path, const char* defaultTitle) { return store.LoadFile(path, defaultTitle); }
    CollectionNodeList* GetRoot() const { return store.GetRoot(); }

    // Builds the popup of list (the whole tree when null). Folder ids are
    // ID_COLLECTION_FIRST + *counter in post-order (a folder's own entry in
    // its submenu just before the folder), the counter starting at
    // 0 when none is given; a folder whose id would pass ID_COLLECTION_LAST
    // gets no entry. *holdsFolder tells whether list holds a folder. With no
    // parent the popup becomes the top of the menu. Null when there is no
    // tree or no popup can be made.
    HMENU BuildMenu(HMENU parent = nullptr, const CollectionNodeList* list = nullptr, int* holdsFolder = nullptr,
                    int* counter = nullptr);
    // Destroys every popup built so far; the menu is unbuilt until the next
    // top-level BuildMenu.
    void DestroyPopups();
    BOOL IsMenuBuilt() const { return menuBuilt; }

protected:
    CollectionStore store;
    std::int32_t menuBuilt = 0;
    // A menu bar whose one entry "POPUP" shows the top popup.
    HMENU containerMenu = nullptr;
    // Every popup made by BuildMenu, in the order they were made.
    std::vector<HMENU> createdPopups;

private:
    HMENU NewPopup();
    void SetContainerPopup(HMENU top);
};
