#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/expire/ExpireRules.h"

#include <gtest/gtest.h>

TEST(ExpireRules, AnEntryMatchesAnAddressThatStartsWithIt)
{
    const struct {
        const char* entry;
        const char* address;
        bool matches;
    } rows[] = {
        {"abc/def.html", "abc/def.html", true},
        {"abc/def.html", "abc/def.html?x", true},
        {"abc/def.html", "abc/", false},
        {"abc/def.html", "abc/def.htm", false},
        {"abc/def.html", "abd", false},
        {"abc/def.html", "ABC/def.html", false},
        {"", "abc", false},
        {"abc/def.html", "", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ExpireUrlMatches(row.entry, row.address), row.matches) << row.entry << " / " << row.address;
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
