// Files that declare their character set, and one that does not. Narrow
// literals here are code page 932, u8 literals UTF-8.
#include "core/collection/BookmarkReader.h"
#include "core/collection/BookmarkWriter.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "tests/core/collection/TreeDump.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char kUtf8Body[] =
    u8"<TITLE>Bookmarks</TITLE>\r\n<H1>ブックマーク</H1>\r\n<DL><p>\r\n"
    u8"<DT><H3 ADD_DATE=\"1\">ブックマーク バー</H3>\r\n<DL><p>\r\n"
    u8"<DT><A HREF=\"https://example.com/search?q=a&amp;lang=ja\">Café &amp; Crème</A>\r\n"
    u8"<DT><A HREF=\"https://example.jp/日本/\">絵文字 😀</A>\r\n"
    u8"</DL><p>\r\n</DL><p>\r\n";

const char kSjisFile[] =
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\">\r\n"
    "<H1>ブックマーク</H1>\r\n<DL><p>\r\n<DT><H3>天気 &amp; 予報</H3>\r\n<DL><p>\r\n"
    "<DT><A HREF=\"http://example.jp/a?x=1&amp;y=2\">&lt;b&gt; &quot;q&quot; &#39;s&apos; &#233;t&#xE9; &#128512;</A>\r\n"
    "<DT><A HREF=\"http://example.jp/天気\">週間</A>\r\n"
    "</DL><p>\r\n</DL><p>\r\n";

const char kUndeclaredFile[] =
    "<H1>ブックマーク</H1>\r\n<DL><p>\r\n<DT><H3>A &amp; B</H3>\r\n<DL><p>\r\n"
    "<DT><A HREF=\"http://a.example/?x=1&amp;y=2\">first &amp; only</A>\r\n"
    "<DT><A HREF=\"http://a.example/日本\">二番目</A>\r\n"
    "</DL><p>\r\n</DL><p>\r\n";

std::string Folder(const std::string& name, int depth, int flag)
{
    return std::string(2 * depth, ' ') + "[" + Printable(name) + "] " + std::to_string(flag) + "\n";
}

std::string Link(const std::string& name, const std::string& url)
{
    return "    " + Printable(name) + " -> " + Printable(url) + "\n";
}

const std::string kUtf8Shown = Folder("ブックマーク", 0, 1) + Folder("ブックマーク バー", 1, 0) +
                               Link("Caf? & Cr?me", "https://example.com/search?q=a&lang=ja") +
                               Link("絵文字 ?", "https://example.jp/%E6%97%A5%E6%9C%AC/");

struct Row {
    std::string file;
    BookmarkCharset charset;
    std::string shown;
    // Unedited entries, byte for byte as the file held them.
    std::vector<std::string> kept;
    // The last link, renamed to kEdited, as it is written.
    std::string edited;
};

const char kEdited[] = "編集 <&>";

}  // namespace

TEST(DeclaredCharset, ShownAsTheMenuDoesOpenedAsATabDoesAndSavedWithoutLoss)
{
    const Row rows[] = {
        {std::string("\xEF\xBB\xBF") + kUtf8Body, BookmarkCharset::kUtf8Bom, kUtf8Shown,
         {u8"<H3>ブックマーク バー</H3>", u8"<DT><A HREF=\"https://example.com/search?q=a&amp;lang=ja\">Café &amp; Crème</A>"},
         u8"<DT><A HREF=\"https://example.jp/日本/\">編集 &lt;&amp;&gt;</A>"},
        {std::string("<HEAD><meta charset=utf-8></HEAD>") + kUtf8Body, BookmarkCharset::kUtf8, kUtf8Shown,
         {u8"<H3>ブックマーク</H3>", u8"Café &amp; Crème</A>"},
         u8"<DT><A HREF=\"https://example.jp/日本/\">編集 &lt;&amp;&gt;</A>"},
        {kSjisFile, BookmarkCharset::kShiftJis,
         Folder("ブックマーク", 0, 1) + Folder("天気 & 予報", 1, 0) +
             Link("<b> \"q\" 's' ?t? ?", "http://example.jp/a?x=1&y=2") +
             Link("週間", "http://example.jp/%E5%A4%A9%E6%B0%97"),
         {"<H3>天気 &amp; 予報</H3>", "&lt;b&gt; &quot;q&quot; &#39;s&apos; &#233;t&#xE9; &#128512;</A>"},
         "<DT><A HREF=\"http://example.jp/天気\">編集 &lt;&amp;&gt;</A>"},
        {kUndeclaredFile, BookmarkCharset::kUndeclared,
         Folder("ブックマーク", 0, 1) + Folder("A &amp; B", 1, 0) +
             Link("first &amp; only", "http://a.example/?x=1&amp;y=2") + Link("二番目", "http://a.example/日本"),
         {"<H3>A &amp; B</H3>", "<DT><A HREF=\"http://a.example/?x=1&amp;y=2\">first &amp; only</A>"},
         "<DT><A HREF=\"http://a.example/日本\">編集 <&></A>"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Printable(row.file));
        CollectionNodeList tree;
        BookmarkCharset charset;
        ASSERT_TRUE(BookmarkReader::Read(row.file, tree, &charset));
        EXPECT_EQ(charset, row.charset);
        EXPECT_EQ(DumpTree(&tree), row.shown);

        CollectionNodeList* inner = tree.Front()->children->Front()->children.get();
        inner->Back()->name = kEdited;
        const std::string written = BookmarkWriter::Write(&tree, charset);
        for (const std::string& kept : row.kept)
            EXPECT_NE(written.find(kept), std::string::npos) << Printable(kept);
        EXPECT_NE(written.find(row.edited), std::string::npos) << Printable(written);

        CollectionNodeList back;
        BookmarkCharset backCharset;
        ASSERT_TRUE(BookmarkReader::Read(written, back, &backCharset));
        EXPECT_EQ(backCharset, row.charset);
        EXPECT_EQ(DumpTree(&back), DumpTree(&tree));
    }
}

TEST(DeclaredCharset, DeclarationsThatCountAndThoseThatDoNot)
{
    const struct {
        const char* head;
        BookmarkCharset charset;
    } rows[] = {
        {"<META CONTENT=\"text/html; charset=UTF-8\">", BookmarkCharset::kUtf8},
        {"<meta charset='Windows-31J'>", BookmarkCharset::kShiftJis},
        {"<Meta Charset=cp932>", BookmarkCharset::kShiftJis},
        {"<META CONTENT=\"text/html; charset=EUC-JP\">", BookmarkCharset::kUndeclared},
        {"<TITLE>charset=UTF-8</TITLE>", BookmarkCharset::kUndeclared},
        {"<DL></DL><META charset=UTF-8>", BookmarkCharset::kUndeclared},
        {"<A HREF=\"u\"><meta charset=utf-8></A>", BookmarkCharset::kUndeclared},
    };
    for (const auto& row : rows) {
        CollectionNodeList tree;
        BookmarkCharset charset;
        BookmarkReader::Read(std::string(row.head) + "<H3>x</H3><DL></DL>", tree, &charset);
        EXPECT_EQ(charset, row.charset) << row.head;
    }
}
