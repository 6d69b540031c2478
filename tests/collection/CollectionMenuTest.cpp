// The collection popup built from bookmark files: which folders get which
// entries, and that every menu handle made is destroyed again.
#include "collection/CollectionMenu.h"
#include "core/collection/CollectionNodeList.h"
#include "tests/collection/CollectionMenuProbe.h"
#include "tests/support/HandleTrace.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct TestCollectionMenu : CollectionMenu {
    using CollectionMenu::containerMenu;
    using CollectionMenu::createdPopups;
    HMENU Build(const std::string& text)
    {
        LoadFile(WriteCollectionFile(text), nullptr);
        DestroyPopups();
        return BuildMenu();
    }
};

std::string Folder(const std::string& name, const std::string& inside = "")
{
    return "<H3>" + name + "</H3><DL>" + inside + "</DL>";
}

}  // namespace

TEST(CollectionMenuTest, FoldersBecomeEntriesInPostOrderAndOrganizeComesLast)
{
    TestCollectionMenu menu;
    EXPECT_EQ(menu.BuildMenu(), nullptr) << "no tree, no menu";
    EXPECT_EQ(DescribeMenu(menu.Build("<A HREF=\"u\">link</A>")), "101 タブの整理...\n");
    EXPECT_TRUE(menu.IsMenuBuilt());
    HMENU top = menu.Build(Folder("Alpha", Folder("Beta") + Folder("Gamma") + "<A HREF=\"u\">link</A>"));
    EXPECT_EQ(DescribeMenu(top), "105 Alpha >\n  104 Alpha\n  0 \n  102 Beta\n  103 Gamma\n101 タブの整理...\n");
    EXPECT_EQ(::GetSubMenu(menu.containerMenu, 0), top);
    menu.DestroyPopups();
    EXPECT_FALSE(menu.IsMenuBuilt());
}

// There are 1024 ids: later folders in post-order get no entry, and a tree
// nested far deeper than that costs no more popups than there are ids.
TEST(CollectionMenuTest, FoldersPastTheLastIdGetNoEntry)
{
    TestCollectionMenu menu;
    std::string wide;
    for (int i = 0; i < 1100; ++i)
        wide += Folder(std::to_string(i));
    HMENU top = menu.Build(wide);
    ASSERT_EQ(::GetMenuItemCount(top), 1025);
    EXPECT_EQ(::GetMenuItemID(top, 1023), 1125u);

    // Deeper than any file reads: made in memory.
    CollectionNodeList deepTree;
    CollectionNodeList* level = &deepTree;
    for (int i = 0; i < 50000; ++i)
        level = level->Append(CollectionNode::MakeFolder("d"))->children.get();
    menu.DestroyPopups();
    EXPECT_EQ(DescribeMenu(menu.BuildMenu(nullptr, &deepTree)), "101 タブの整理...\n");
    EXPECT_LE(menu.createdPopups.size(), 1025u);
}

// A folder holding folders and links gets an entry of its own first in its
// submenu; its id is one of the 1024 like any other.
TEST(CollectionMenuTest, AFolderWithLinksAndFoldersHasItsOwnEntryFirst)
{
    TestCollectionMenu menu;
    const std::string link = "<A HREF=\"u\">link</A>";
    EXPECT_EQ(DescribeMenu(menu.Build(Folder("Top", Folder("Inner", link) + link) + Folder("Bare", Folder("In")))),
              "104 Top >\n  103 Top\n  0 \n  102 Inner\n106 Bare >\n  105 In\n101 タブの整理...\n");

    std::string wide;
    for (int i = 0; i < 1021; ++i)
        wide += Folder(std::to_string(i));
    HMENU top = menu.Build(wide + Folder("Last", Folder("In") + link));
    ASSERT_EQ(::GetMenuItemCount(top), 1023);
    EXPECT_EQ(::GetMenuItemID(top, 1020), 1122u);
    EXPECT_EQ(DescribeMenu(::GetSubMenu(top, 1021)), "1124 Last\n0 \n1123 In\n");
    top = menu.Build(Folder("one") + wide + Folder("Last", Folder("In") + link));
    EXPECT_EQ(::GetMenuItemCount(top), 1023) << "no id left for the folder";
}

TEST(CollectionMenuTest, EveryMenuHandleMadeIsDestroyed)
{
    std::string inner, tree;  // 50 folders of 9 each: 500 folders in 51 popups
    for (int i = 0; i < 9; ++i)
        inner += Folder("inner");
    for (int i = 0; i < 50; ++i)
        tree += Folder("outer", inner);
    HandleTrace trace;
    {
        TestCollectionMenu menu;
        menu.Build(tree);
        for (int round = 0; round < 1000; ++round) {
            menu.DestroyPopups();
            menu.BuildMenu();
        }
    }
    EXPECT_GE(trace.Created().menus, 1000 * 52);
    EXPECT_EQ(trace.Survivors(), std::vector<std::string>());
}
