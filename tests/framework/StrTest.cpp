#include "framework/Str.h"
#include <gtest/gtest.h>

TEST(CStringTest, FormatsAnyLength)
{
    CString key;
    key.Format("URL%03d", 7);
    EXPECT_EQ(key, "URL007");
    CString longText;
    longText.Format("%s%s", std::string(300, 'x').c_str(), "!");
    EXPECT_EQ(longText.GetLength(), 301);
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
