// The collection popup built from bookmark files: which folders get which
// entries, and that every menu handle made is destroyed again.
#include "collection/CollectionMenu.h"
#include "tests/collection/CollectionMenuProbe.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

class TestCollectionMenu : public CollectionMenu {
public:
    using CollectionMenu::containerMenu;
    using CollectionMenu::createdPopups;
};

std::string Folder(const std::string& name, const std::string& inside = "")
{
    return "<H3>" + name + "</H3><DL>" + inside + "</DL>";
}

// n folders holding a link each, named after their number.
std::string Folders(int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += Folder(std::to_string(i), "<A HREF=\"u\">t</A>");
    return text;
}

bool IsLive(HMENU menu)
{
    return ::IsMenu(menu) != FALSE;
}

}  // namespace

TEST(CollectionMenuTest, FoldersBecomeEntriesInPostOrderAndOrganizeComesLast)
{
    TestCollectionMenu menu;
    EXPECT_EQ(menu.BuildMenu(), nullptr) << "no tree, no menu";
    EXPECT_FALSE(menu.IsMenuBuilt());

    const std::string missing = g_strStartDir.str() + "menu-default.htm";
    ::DeleteFileA(missing.c_str());
    menu.LoadFile(missing, nullptr);
    HMENU top = menu.BuildMenu();
    EXPECT_TRUE(menu.IsMenuBuilt());
    EXPECT_EQ(DescribeMenu(top), "102 Quenvo タブコレクション\n101 タブの整理...\n");
    EXPECT_EQ(::GetSubMenu(menu.containerMenu, 0), top);

    menu.LoadFile(WriteCollectionFile("<A HREF=\"u\">link</A>"), nullptr);
    menu.DestroyPopups();
    EXPECT_FALSE(menu.IsMenuBuilt());
    EXPECT_EQ(DescribeMenu(menu.BuildMenu()), "101 タブの整理...\n");

    menu.LoadFile(WriteCollectionFile(Folder("Alpha", Folder("Beta") + Folder("Gamma") + "<A HREF=\"u\">link</A>")),
                  nullptr);
    menu.DestroyPopups();
    EXPECT_EQ(DescribeMenu(menu.BuildMenu()), "104 Alpha >\n  102 Beta\n  103 Gamma\n101 タブの整理...\n");
}

// 1024 ids are all there are: the folders after them in post-order get no
// entry, and a tree nested far deeper than that costs no more menus.
TEST(CollectionMenuTest, FoldersPastTheLastIdGetNoEntry)
{
    TestCollectionMenu menu;
    menu.LoadFile(WriteCollectionFile(Folders(1100)), nullptr);
    HMENU top = menu.BuildMenu();
    ASSERT_EQ(::GetMenuItemCount(top), 1025);
    EXPECT_EQ(::GetMenuItemID(top, 0), 102u);
    EXPECT_EQ(::GetMenuItemID(top, 1023), 1125u);
    EXPECT_EQ(::GetMenuItemID(top, 1024), 101u);

    std::string deep;
    for (int i = 0; i < 50000; ++i)
        deep += "<H3>d</H3><DL>";
    menu.LoadFile(WriteCollectionFile(deep), nullptr);
    menu.DestroyPopups();
    top = menu.BuildMenu();
    EXPECT_LE(menu.createdPopups.size(), 1025u);
    std::vector<UINT> ids;
    for (HMENU popup : menu.createdPopups)
        CollectMenuIds(popup, ids);
    for (UINT id : ids)
        ASSERT_TRUE(id == 101 || (id >= 102 && id <= 1125)) << id;
    EXPECT_EQ(DescribeMenu(top), "101 タブの整理...\n") << "the outer folders have no ids left";
}

TEST(CollectionMenuTest, EveryMenuHandleMadeIsDestroyed)
{
    // 50 folders of 9 folders each: 500 folders, 51 popups a build.
    std::string text;
    for (int i = 0; i < 50; ++i)
        text += Folder("outer", Folders(9));
    const std::string path = WriteCollectionFile(text);

    std::vector<HMENU> made;
    {
        TestCollectionMenu menu;
        menu.LoadFile(path, nullptr);
        made.push_back(menu.containerMenu);
        for (int round = 0; round < 1000; ++round) {
            menu.BuildMenu();
            CollectMenus(menu.containerMenu, made);
            menu.DestroyPopups();
        }
    }
    ASSERT_EQ(made.size(), 1 + 1000u * 52);
    EXPECT_EQ(std::count_if(made.begin(), made.end(), IsLive), 0);

    // The check itself: a submenu slipped into a built popup outside the
    // builder is found alive afterwards.
    made.clear();
    HMENU leaked = ::CreatePopupMenu();
    {
        TestCollectionMenu menu;
        menu.LoadFile(path, nullptr);
        ::AppendMenuA(menu.BuildMenu(), MF_POPUP, reinterpret_cast<UINT_PTR>(leaked), "leak");
        CollectMenus(menu.containerMenu, made);
        menu.DestroyPopups();
    }
    EXPECT_EQ(std::count_if(made.begin(), made.end(), IsLive), 1);
    ::DestroyMenu(leaked);
}
