#include "core/collection/CollectionNode.h"
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

// The innermost heading never closes, and every open level in turn scans
// what follows it for a token. A reader that searched those bytes again at
// each level would take quadratic time; one that recursed would overflow the
// stack.
TEST(ReaderEquivalence, DeepNestingOverAnUnclosedTail)
{
    const std::size_t depth = 200000;
    std::string text;
    for (std::size_t i = 0; i < depth; ++i)
        text += "<H3>d</H3><DL>";
    text += "<H";
    text.append(depth, '<');
    CollectionNodeList list;
    EXPECT_TRUE(BookmarkReader::Read(text, list));
    std::size_t levels = 0;
    for (CollectionNodeList* level = &list; level->head; level = level->head->children.get()) {
        ++levels;
        EXPECT_EQ(level->head->hasSubfolders, levels < depth ? 1 : 0) << levels;
        if (HasFailure())
            break;
    }
    EXPECT_EQ(levels, depth);

    // The reference recurses, so it is compared at a depth it can take.
    std::string shallow;
    for (int i = 0; i < 300; ++i)
        shallow += "<H3>d</H3><DL><A HREF=\"u\">";
    ReadChecked(shallow + "t</A><H>");
}
