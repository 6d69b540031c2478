#pragma once
// Bookmark files to build from, and built menus read back, for tests.
#include "app/BrowserApp.h"
#include "core/collection/CollectionNode.h"
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

// One line per entry: its id, its node's name (owner-drawn) or its text, and
// " >" when it opens a submenu, whose entries follow indented.
inline std::string DescribeMenu(HMENU menu, int depth = 0)
{
    std::string out;
    for (UINT i = 0; i < static_cast<UINT>(::GetMenuItemCount(menu)); ++i) {
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
        ::GetMenuItemInfoA(menu, i, TRUE, &item);
        char text[64] = "";
        ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        out += std::string(depth * 2u, ' ') + std::to_string(item.wID) + " " +
               (item.fType & MFT_OWNERDRAW ? reinterpret_cast<CollectionNode*>(item.dwItemData)->name : text) +
               (item.hSubMenu ? " >\n" + DescribeMenu(item.hSubMenu, depth + 1) : "\n");
    }
    return out;
}
