#include "core/collection/CollectionEdit.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionWalk.h"
#include "tests/core/collection/TreeDump.h"

#include <gtest/gtest.h>

using namespace CollectionEdit;

namespace {

// Alpha [a1 a2 a3 Inner [i1 Deep [d1]]], Beta [b1], top
struct SampleTree {
    CollectionNodeList root;
    CollectionNode* alpha = root.Append(CollectionNode::MakeFolder("Alpha"));
    CollectionNode* a1 = AppendLink(alpha, "a1", "u1");
    CollectionNode* a2 = AppendLink(alpha, "a2", "u2");
    CollectionNode* a3 = AppendLink(alpha, "a3", "u3");
    CollectionNode* inner = AppendFolder(alpha, "Inner");
    CollectionNode* i1 = AppendLink(inner, "i1", "v1");
    CollectionNode* deep = AppendFolder(inner, "Deep");
    CollectionNode* d1 = AppendLink(deep, "d1", "w1");
    CollectionNode* beta = root.Append(CollectionNode::MakeFolder("Beta"));
    CollectionNode* b1 = AppendLink(beta, "b1", "x1");
    CollectionNode* top = root.Append(CollectionNode::MakeLink("top", "t"));

    std::string Names(CollectionNodeList& list) const
    {
        std::string names;
        for (std::size_t i = 0; i < list.Size(); ++i)
            names += (names.empty() ? "" : " ") + list.At(i)->name;
        return names;
    }
};

}  // namespace

TEST(CollectionEdit, MovesLandWhereTheTreeShowsThem)
{
    SampleTree t;
    // A branch onto a folder: last child, the same nodes, its order kept.
    ASSERT_TRUE(MoveNode(t.root, t.inner, t.beta));
    EXPECT_EQ(t.Names(*t.alpha->children), "a1 a2 a3");
    EXPECT_EQ(t.Names(*t.beta->children), "b1 Inner");
    EXPECT_EQ(t.beta->children->Back(), t.inner);
    EXPECT_EQ(t.Names(*t.inner->children), "i1 Deep");
    EXPECT_EQ(t.deep->children->Front(), t.d1);

    // Onto a link: directly after it, also onto the very next item.
    ASSERT_TRUE(MoveNode(t.root, t.a1, t.a3));
    EXPECT_EQ(t.Names(*t.alpha->children), "a2 a3 a1");
    ASSERT_TRUE(MoveNode(t.root, t.a2, t.a3));
    EXPECT_EQ(t.Names(*t.alpha->children), "a3 a2 a1");
    ASSERT_TRUE(MoveNode(t.root, t.top, t.i1));
    EXPECT_EQ(t.Names(*t.inner->children), "i1 top Deep");
    EXPECT_EQ(t.Names(t.root), "Alpha Beta");
    // A top-level folder into another folder.
    ASSERT_TRUE(MoveNode(t.root, t.beta, t.alpha));
    EXPECT_EQ(t.Names(t.root), "Alpha");
}

TEST(CollectionEdit, RefusedChangesLeaveTheTreeAsItWas)
{
    SampleTree t;
    const std::string before = DumpTree(&t.root);
    CollectionNode stranger;
    EXPECT_FALSE(MoveNode(t.root, t.inner, t.inner));
    EXPECT_FALSE(MoveNode(t.root, t.inner, t.deep));
    EXPECT_FALSE(MoveNode(t.root, t.alpha, t.d1));
    EXPECT_FALSE(MoveNode(t.root, t.a1, t.top));  // no folder at the top level
    EXPECT_FALSE(MoveNode(t.root, &stranger, t.beta));
    EXPECT_FALSE(MoveNode(t.root, t.a1, &stranger));
    EXPECT_FALSE(DeleteChild(t.alpha, t.d1));
    EXPECT_FALSE(DeleteChild(t.a1, t.a2));
    EXPECT_EQ(AppendLink(t.top, "x", "y"), nullptr);
    EXPECT_EQ(AppendFolder(nullptr, "x"), nullptr);
    EXPECT_EQ(DumpTree(&t.root), before);

    // A folder goes with its whole subtree (AddressSanitizer sees leaks).
    EXPECT_TRUE(DeleteChild(t.alpha, t.inner));
    EXPECT_EQ(t.Names(*t.alpha->children), "a1 a2 a3");
    EXPECT_EQ(FindListContaining(t.root, t.b1), t.beta->children.get());
}
