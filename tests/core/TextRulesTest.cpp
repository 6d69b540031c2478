#include "core/TextRules.h"
#include "core/Cp932.h"
#include <string>
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

// An address that comes in as UTF-16 keeps every character code page 932
// holds and percent-encodes, from its UTF-8 bytes, every other one.
TEST(TextRules, AnAddressFromUtf16KeepsWhatCodePage932HoldsAndEncodesTheRest)
{
    const struct {
        std::u16string in;
        std::string out;
    } rows[] = {
        { u"http://example.com/a?b=c", "http://example.com/a?b=c" },
        { u"http://\u4F8B\u3048.jp/", "http://\x97\xE1\x82\xA6.jp/" },            // 例え
        { u"http://x.de/\u00FCber", "http://x.de/%C3%BCber" },                    // ü
        { u"http://x/\u4F8B\u00E9", "http://x/\x97\xE1%C3%A9" },                  // mixed
        { u"http://x/\U0001F600", "http://x/%F0%9F%98%80" },                      // a pair
        { std::u16string(u"http://x/") + char16_t(0xD800) + u"y", "http://x/%EF%BF%BDy" },  // half a pair
        { u"", "" },
    };
    for (const auto& row : rows)
        EXPECT_EQ(AddressFromUtf16(row.in.data(), row.in.size()), row.out);
}
