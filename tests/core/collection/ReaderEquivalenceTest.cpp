#include "core/collection/CollectionNode.h"
#include <algorithm>
#include "tests/core/collection/BookmarkGenerator.h"
#include "tests/core/collection/ReaderCheck.h"

TEST(ReaderEquivalence, RandomTokenSoup)
{
    std::mt19937 random(20240607);
    for (int i = 0; i < 4000; ++i) {
        std::string text = GenerateTokenSoup(random, i % 5);
        ReadChecked(text);
        if (HasFailure())
            return;
    }
}

TEST(ReaderEquivalence, GeneratedExportsAndEveryPrefixOfOne)
{
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        const std::string text = GenerateBookmarkFile(40000, seed);
        ReadOutcome read = ReadChecked(text);
        EXPECT_TRUE(read.ok);
    }
    // Cut anywhere, a file ends inside a tag, a name or an address.
    const std::string small = GenerateBookmarkFile(1, 4).substr(0, 3000);
    for (std::size_t length = 0; length <= small.size() && !HasFailure(); ++length)
        ReadChecked(small.substr(0, length));
}

// Folders nest 256 deep at most: a heading that would open level 257 ends
// the reading as an error at the top level would, keeping what was read.
// However deep the file, the reading stops there: the unclosed tail of the
// hostile file is never scanned level by level.
TEST(ReaderEquivalence, DeepNestingOverAnUnclosedTail)
{
    const std::size_t depth = 200000;
    std::string text;
    for (std::size_t i = 0; i < depth; ++i)
        text += "<H3>d</H3><DL>";
    text += "<H";
    text.append(depth, '<');
    CollectionNodeList list;
    EXPECT_FALSE(BookmarkReader::Read(text, list));
    std::size_t levels = 0;
    for (CollectionNodeList* level = &list; level->Front(); level = level->Front()->children.get())
        ++levels;
    EXPECT_EQ(levels, BookmarkReader::kMaxDepth);

    struct Row {
        int depth;
        bool ok;
        std::size_t folders;
    } rows[] = { { 256, true, 256 }, { 257, false, 256 }, { 300, false, 256 } };
    for (const Row& row : rows) {
        std::string nested;
        for (int i = 0; i < row.depth; ++i)
            nested += "<H3>d</H3><DL><A HREF=\"u\">t</A>";
        for (int i = 0; i < row.depth; ++i)
            nested += "</DL>";
        nested += "<A HREF=\"after\">a</A>";
        ReadOutcome read = ReadChecked(nested);
        EXPECT_EQ(read.ok, row.ok) << row.depth;
        EXPECT_EQ(std::count(read.tree.begin(), read.tree.end(), '['), static_cast<long>(row.folders)) << row.depth;
        EXPECT_EQ(read.tree.find("after") != std::string::npos, row.ok) << row.depth;
    }
}
