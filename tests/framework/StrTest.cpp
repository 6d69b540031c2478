#include "framework/Str.h"
#include <gtest/gtest.h>

TEST(CStringTest, SlicesStayInBounds)
{
    const CString s("abcdef");
    EXPECT_EQ(s.Left(2), "ab");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Left(99), "abcdef");
    EXPECT_EQ(s.Mid(4), "ef");
    EXPECT_EQ(s.Mid(99), "");
    EXPECT_EQ(s.Right(2), "ef");
    EXPECT_EQ(s.Right(99), "abcdef");
    EXPECT_EQ(s.Find("cd"), 2);
    EXPECT_EQ(s.Find("x"), -1);
    EXPECT_EQ(s.Find("a", 99), -1);
}

TEST(CStringTest, FormatsAnyLengthAndComparesAsciiWithoutCase)
{
    CString key;
    key.Format("URL%03d", 7);
    EXPECT_EQ(key, "URL007");
    CString longText;
    longText.Format("%s%s", std::string(300, 'x').c_str(), "!");
    EXPECT_EQ(longText.GetLength(), 301);
    EXPECT_EQ(CString("Page.URL").Right(4).CompareNoCase(".url"), 0);
    EXPECT_NE(CString(".urk").CompareNoCase(".url"), 0);
}

TEST(CStringTest, WideRoundTripKeepsJapanese)
{
    const CString title("日本語のタイトル");
    const std::wstring wide = title.ToWide();
    EXPECT_EQ(wide, L"\u65E5\u672C\u8A9E\u306E\u30BF\u30A4\u30C8\u30EB");
    EXPECT_EQ(CString::FromWide(wide.c_str()), title);
    EXPECT_EQ(CString::FromWide(nullptr), "");
    EXPECT_EQ(CString().ToWide(), L"");
}
