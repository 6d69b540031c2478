#pragma once
// Reading built collection menus back, for tests.
#include "app/BrowserApp.h"
#include "collection/CollectionNode.h"
#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>

// Writes text as a bookmark file in the test start directory; returns its path.
inline std::string WriteCollectionFile(const std::string& text, const char* name = "menu-test.htm")
{
    const std::string path = g_strStartDir.str() + name;
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    return path;
}

// One line per entry: its id, then its node's name (owner-drawn entries) or
// its text, then " >" when it opens a submenu, whose entries follow indented.
inline std::string DescribeMenu(HMENU menu, int depth = 0)
{
    std::string out;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
        ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item);
        char text[128] = "";
        if (!(item.fType & MFT_OWNERDRAW))
            ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        out += std::string(static_cast<size_t>(depth) * 2, ' ') + std::to_string(item.wID) + " " +
               (item.fType & MFT_OWNERDRAW ? reinterpret_cast<CollectionNode*>(item.dwItemData)->name : text) +
               (item.hSubMenu ? " >\n" : "\n");
        if (item.hSubMenu)
            out += DescribeMenu(item.hSubMenu, depth + 1);
    }
    return out;
}

// Appends menu and every submenu reachable from it.
inline void CollectMenus(HMENU menu, std::vector<HMENU>& menus)
{
    menus.push_back(menu);
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
        if (HMENU sub = ::GetSubMenu(menu, i))
            CollectMenus(sub, menus);
}

// Appends the id of every entry of menu itself.
inline void CollectMenuIds(HMENU menu, std::vector<UINT>& ids)
{
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID;
        ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item);
        ids.push_back(item.wID);
    }
}
