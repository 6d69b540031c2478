#include "core/TextRules.h"
#include <gtest/gtest.h>

TEST(TextRules, CutKeepsWholeDoubleByteCharacters)
{
    const std::string title = "ab日本語";  // 2 + 3 x 2 bytes in Shift-JIS
    ASSERT_EQ(title.size(), 8u);
    EXPECT_EQ(CutText(title, 8), title);
    EXPECT_EQ(CutText(title, 5), "ab日");   // byte 5 would start a character
    EXPECT_EQ(CutText(title, 4), "ab日");
    EXPECT_EQ(CutText(title, 3), "ab");
    EXPECT_EQ(CutText(title, 0), "");
}

TEST(TextRules, TrailByteThatLooksLikeLeadIsNotMistaken)
{
    // "ソ" is 0x83 0x5C; "\x83\x83" pairs are a character whose trail looks like a lead.
    const std::string text = "\x83\x83\x83\x83" "a";
    EXPECT_EQ(SafeCutLength(text, 3), 2u);
    EXPECT_EQ(SafeCutLength(text, 4), 4u);
    EXPECT_EQ(SafeCutLength("abc", 10), 3u);
}
