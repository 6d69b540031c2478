#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionWalk.h"

#include <gtest/gtest.h>

TEST(CollectionWalk, FindListContainingSearchesDepthFirst)
{
    CollectionNodeList root;
    CollectionNode* alpha = root.Append(CollectionNode::MakeFolder("Alpha"));
    CollectionNode* top = root.Append(CollectionNode::MakeLink("top", "u"));
    CollectionNode* beta = alpha->children->Append(CollectionNode::MakeFolder("Beta"));
    CollectionNode* deep = beta->children->Append(CollectionNode::MakeLink("deep", "d"));
    CollectionNode* gamma = root.Append(CollectionNode::MakeFolder("Gamma"));
    CollectionNode* late = gamma->children->Append(CollectionNode::MakeLink("late", "l"));
    CollectionNode* empty = beta->children->Append(CollectionNode::MakeFolder("Empty"));

    EXPECT_EQ(FindListContaining(root, top), &root);
    EXPECT_EQ(FindListContaining(root, gamma), &root);
    EXPECT_EQ(FindListContaining(root, beta), alpha->children.get());
    EXPECT_EQ(FindListContaining(root, deep), beta->children.get());
    EXPECT_EQ(FindListContaining(root, empty), beta->children.get());
    EXPECT_EQ(FindListContaining(root, late), gamma->children.get());
    EXPECT_EQ(FindListContaining(*alpha->children, late), nullptr);

    CollectionNode stranger;
    EXPECT_EQ(FindListContaining(root, &stranger), nullptr);
    EXPECT_EQ(FindListContaining(root, nullptr), nullptr);
}

// Deep and wide trees must come down without recursion; AddressSanitizer
// reports any node left behind.
TEST(CollectionNodeList, DeepTreeIsDestroyedWithoutRecursion)
{
    auto root = std::make_unique<CollectionNodeList>();
    CollectionNodeList* level = root.get();
    for (int i = 0; i < 300000; ++i) {
        level->Append(CollectionNode::MakeLink("x", "y"));
        level = level->Append(CollectionNode::MakeFolder("f"))->children.get();
    }
    EXPECT_FALSE(root->IsEmpty());
    root.reset();

    auto folder = CollectionNode::MakeFolder("single");
    folder->children->Append(CollectionNode::MakeFolder("inner"))->children->Append(CollectionNode::MakeLink("l", "u"));
    folder.reset();
}

// Each node is entered once in file order and each folder left after its
// children; a skipped folder is left at once. The tree stays const.
TEST(CollectionWalk, EntersInFileOrderAndLeavesFoldersAfterTheirChildren)
{
    CollectionNodeList root;
    CollectionNode* alpha = root.Append(CollectionNode::MakeFolder("Alpha"));
    alpha->children->Append(CollectionNode::MakeLink("a1", "u"));
    alpha->children->Append(CollectionNode::MakeFolder("Inner"))->children->Append(CollectionNode::MakeLink("i1", "u"));
    root.Append(CollectionNode::MakeFolder("Skipped"))->children->Append(CollectionNode::MakeLink("s1", "u"));
    root.Append(CollectionNode::MakeLink("top", "u"));

    const CollectionNodeList& tree = root;
    std::string steps;
    for (CollectionWalk walk(tree); walk.Next();) {
        steps += (walk.Leaving() ? "/" : "") + walk.Node().name + std::to_string(walk.Depth()) + " ";
        if (walk.Node().name == "Skipped" && !walk.Leaving())
            walk.SkipChildren();
    }
    EXPECT_EQ(steps, "Alpha0 a11 Inner1 i12 /Inner1 /Alpha0 Skipped0 /Skipped0 top0 ");
}
