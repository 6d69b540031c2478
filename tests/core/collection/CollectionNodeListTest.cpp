#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"

#include <gtest/gtest.h>

TEST(CollectionNodeList, FindListContainingSearchesDepthFirst)
{
    CollectionNodeList root;
    CollectionNode* alpha = root.Append(CollectionNode::MakeFolder("Alpha"));
    CollectionNode* top = root.Append(CollectionNode::MakeLink("top", "u"));
    CollectionNode* beta = alpha->children->Append(CollectionNode::MakeFolder("Beta"));
    CollectionNode* deep = beta->children->Append(CollectionNode::MakeLink("deep", "d"));
    CollectionNode* gamma = root.Append(CollectionNode::MakeFolder("Gamma"));
    CollectionNode* late = gamma->children->Append(CollectionNode::MakeLink("late", "l"));
    CollectionNode* empty = beta->children->Append(CollectionNode::MakeFolder("Empty"));

    EXPECT_EQ(root.FindListContaining(top), &root);
    EXPECT_EQ(root.FindListContaining(gamma), &root);
    EXPECT_EQ(root.FindListContaining(beta), alpha->children.get());
    EXPECT_EQ(root.FindListContaining(deep), beta->children.get());
    EXPECT_EQ(root.FindListContaining(empty), beta->children.get());
    EXPECT_EQ(root.FindListContaining(late), gamma->children.get());
    EXPECT_EQ(alpha->children->FindListContaining(late), nullptr);

    CollectionNode stranger;
    EXPECT_EQ(root.FindListContaining(&stranger), nullptr);
    EXPECT_EQ(root.FindListContaining(nullptr), nullptr);
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
