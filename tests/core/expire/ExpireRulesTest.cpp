#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/expire/ExpireRules.h"

#include <gtest/gtest.h>

TEST(ExpireRules, OneStringABeginningOfTheOtherMatches)
{
    const std::string entry = "abc/def.html";
    EXPECT_TRUE(ExpireUrlMatches(entry, "abc/def.html"));
    EXPECT_TRUE(ExpireUrlMatches(entry, "abc/def.html?x"));
    EXPECT_TRUE(ExpireUrlMatches(entry, "abc/"));
    EXPECT_FALSE(ExpireUrlMatches(entry, "abd"));
    EXPECT_FALSE(ExpireUrlMatches(entry, "ABC/def.html"));
    EXPECT_FALSE(ExpireUrlMatches("", "abc"));
    EXPECT_FALSE(ExpireUrlMatches(entry, ""));
}

TEST(ExpireRules, OnlyLinksInTheFirstFolderCount)
{
    CollectionNodeList root;
    EXPECT_FALSE(MatchesExpireList(nullptr, "http://a/"));
    EXPECT_FALSE(MatchesExpireList(&root, "http://a/"));

    CollectionNode* first = root.Append(CollectionNode::MakeFolder("expire"));
    root.Append(CollectionNode::MakeFolder("other"))->children->Append(CollectionNode::MakeLink("o", "http://o/"));
    CollectionNode* nested = first->children->Append(CollectionNode::MakeFolder("nested"));
    nested->children->Append(CollectionNode::MakeLink("deep", "http://deep/"));
    first->children->Append(CollectionNode::MakeLink("empty", ""));
    first->children->Append(CollectionNode::MakeLink("ad", "http://ad.example/"));

    EXPECT_TRUE(MatchesExpireList(&root, "http://ad.example/pop.html"));
    EXPECT_FALSE(MatchesExpireList(&root, "http://news.example/"));
    EXPECT_FALSE(MatchesExpireList(&root, "http://o/"));
    EXPECT_FALSE(MatchesExpireList(&root, "http://deep/"));
    EXPECT_EQ(FindExpireEntries(&root), first->children.get());

    CollectionNodeList linkFirst;
    linkFirst.Append(CollectionNode::MakeLink("ad", "http://ad.example/"));
    EXPECT_EQ(FindExpireEntries(&linkFirst), nullptr);
    EXPECT_FALSE(MatchesExpireList(&linkFirst, "http://ad.example/"));
}
