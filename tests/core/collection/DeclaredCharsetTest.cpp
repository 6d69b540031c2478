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

// The same entries as two browsers export them: one with a comment, icons
// and a separator between links; one with descriptions, more attributes
// and a separator at the end of the list.
const char kUtf8Commented[] =
    u8"<!-- This is an automatically generated file.\n     It will be read and overwritten. -->\n"
    u8"<TITLE>Bookmarks</TITLE>\n<H1>ブックマーク</H1>\n<DL><p>\n"
    u8"    <DT><H3 ADD_DATE=\"1700000000\" LAST_MODIFIED=\"1700000100\" PERSONAL_TOOLBAR_FOLDER=\"true\">"
    u8"ブックマーク バー</H3>\n    <DL><p>\n"
    u8"        <DT><A HREF=\"https://example.com/search?q=a&amp;lang=ja\" ADD_DATE=\"1700000001\" "
    u8"ICON=\"data:image/png;base64,iVBORw0KGgo=\">Café &amp; Crème</A>\n"
    u8"        <HR>\n"
    u8"        <DT><A HREF=\"https://example.jp/日本/\" ADD_DATE=\"1700000002\">絵文字 😀</A>\n"
    u8"    </DL><p>\n</DL><p>\n";

const char kUtf8Described[] =
    u8"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">\r\n"
    u8"<TITLE>Bookmarks</TITLE>\r\n<H1>ブックマーク</H1>\r\n\r\n<DL><p>\r\n"
    u8"    <DT><H3 ADD_DATE=\"1\" LAST_MODIFIED=\"2\" PERSONAL_TOOLBAR_FOLDER=\"true\">ブックマーク バー</H3>\r\n"
    u8"<DD>いつもの &amp; 時々\r\n    <DL><p>\r\n"
    u8"        <DT><A HREF=\"https://example.com/search?q=a&amp;lang=ja\" ADD_DATE='3' LAST_MODIFIED=\"4\" "
    u8"ICON_URI=\"https://example.com/favicon.ico\" SHORTCUTURL=\"s\" TAGS=\"検索,ja\">Café &amp; Crème</A>\r\n"
    u8"<DD>二行の\r\n説明\r\n"
    u8"        <DT><A HREF=\"https://example.jp/日本/\" LAST_CHARSET=\"UTF-8\">絵文字 😀</A>\r\n"
    u8"    </DL><p>\r\n    <HR>\r\n</DL><p>\r\n";

const char kSjisFile[] =
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\">\r\n"
    "<H1 LAST_MODIFIED=\"1\">ブックマーク</H1>\r\n<DL><p>\r\n<DT><H3 FOLDED ID=\"rdf:#$1\">天気 &amp; 予報</H3>\r\n<DL><p>\r\n"
    "<DT><A HREF=\"http://example.jp/a?x=1&amp;y=2\" LAST_VISIT=\"5\">&lt;b&gt; &quot;q&quot; &#39;s&apos; &#233;t&#xE9; &#128512;</A>\r\n"
    "<HR><DT><A HREF=\"http://example.jp/天気\" ID=\"rdf:#$2\">週間</A>\r\n"
    "</DL><p>\r\n</DL><p>\r\n";

const char kUndeclaredFile[] =
    "<TITLE>Bookmarks</TITLE>\r\n"
    "<H1>ブックマーク</H1>\r\n<DL><p>\r\n<DT><H3 ADD_DATE=\"5\">A &amp; B</H3>\r\n<DL><p>\r\n"
    "<DT><A HREF=\"http://a.example/?x=1&amp;y=2\" ADD_DATE=\"6\">first &amp; only</A>\r\n<DD>メモ\r\n"
    "<DT><A HREF=\"http://a.example/日本\">二番目</A>\r\n"
    "</DL><p>\r\n<HR>\r\n</DL><p>\r\n";

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
    // Unedited entries, their attributes, descriptions and separators, byte
    // for byte as the file held them, and as many "<DT><H3" as it has
    // folders below its level-1 heading where the file declares its set.
    std::vector<std::string> kept;
    std::size_t itemHeadings;
    // The last link, renamed to kEdited, as it is written.
    std::string edited;
};

const char kEdited[] = "編集 <&>";

}  // namespace

TEST(DeclaredCharset, ShownAsTheMenuDoesOpenedAsATabDoesAndSavedWithoutLoss)
{
    const Row rows[] = {
        {std::string("\xEF\xBB\xBF") + kUtf8Commented, BookmarkCharset::kUtf8Bom, kUtf8Shown,
         {u8"<H1>ブックマーク</H1>\r\n",
          u8"\t<DT><H3 ADD_DATE=\"1700000000\" LAST_MODIFIED=\"1700000100\" PERSONAL_TOOLBAR_FOLDER=\"true\">"
          u8"ブックマーク バー</H3>\r\n",
          u8"<DT><A HREF=\"https://example.com/search?q=a&amp;lang=ja\" ADD_DATE=\"1700000001\" "
          u8"ICON=\"data:image/png;base64,iVBORw0KGgo=\">Café &amp; Crème</A>\r\n\t\t<HR>\r\n"},
         2, u8"<DT><A HREF=\"https://example.jp/日本/\" ADD_DATE=\"1700000002\">編集 &lt;&amp;&gt;</A>"},
        {kUtf8Described, BookmarkCharset::kUtf8, kUtf8Shown,
         {u8"</H3>\r\n\t<DD>いつもの &amp; 時々\r\n\t<DL>",
          u8"ADD_DATE='3' LAST_MODIFIED=\"4\" ICON_URI=\"https://example.com/favicon.ico\" SHORTCUTURL=\"s\" "
          u8"TAGS=\"検索,ja\">Café &amp; Crème</A>\r\n\t\t<DD>二行の\r\n説明\r\n",
          u8"\t</DL><P>\r\n\t<HR>\r\n\t<DT><H3>新</H3>"},
         2, u8"<DT><A HREF=\"https://example.jp/日本/\" LAST_CHARSET=\"UTF-8\">編集 &lt;&amp;&gt;</A>"},
        {kSjisFile, BookmarkCharset::kShiftJis,
         Folder("ブックマーク", 0, 1) + Folder("天気 & 予報", 1, 0) +
             Link("<b> \"q\" 's' ?t? ?", "http://example.jp/a?x=1&y=2") +
             Link("週間", "http://example.jp/%E5%A4%A9%E6%B0%97"),
         {"<H1 LAST_MODIFIED=\"1\">ブックマーク</H1>\r\n", "\t<DT><H3 FOLDED ID=\"rdf:#$1\">天気 &amp; 予報</H3>",
          "LAST_VISIT=\"5\">&lt;b&gt; &quot;q&quot; &#39;s&apos; &#233;t&#xE9; &#128512;</A>\r\n\t\t<HR>\r\n"},
         2, "<DT><A HREF=\"http://example.jp/天気\" ID=\"rdf:#$2\">編集 &lt;&amp;&gt;</A>"},
        {kUndeclaredFile, BookmarkCharset::kUndeclared,
         Folder("ブックマーク", 0, 1) + Folder("A &amp; B", 1, 0) +
             Link("first &amp; only", "http://a.example/?x=1&amp;y=2") + Link("二番目", "http://a.example/日本"),
         {"\t<H3 ADD_DATE=\"5\">A &amp; B</H3>",
          "<DT><A HREF=\"http://a.example/?x=1&amp;y=2\" ADD_DATE=\"6\">first &amp; only</A>\r\n\t\t<DD>メモ\r\n",
          "\t</DL><P>\r\n\t<HR>\r\n"},
         0, "<DT><A HREF=\"http://a.example/日本\">編集 <&></A>"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Printable(row.file));
        CollectionNodeList tree;
        BookmarkHead head;
        ASSERT_TRUE(BookmarkReader::Read(row.file, tree, &head));
        EXPECT_EQ(head.charset, row.charset);
        EXPECT_EQ(DumpTree(&tree), row.shown);

        CollectionNodeList* inner = tree.Front()->children->Front()->children.get();
        inner->Back()->name = kEdited;
        // A folder made here has nothing of the file's.
        tree.Front()->children->Append(CollectionNode::MakeFolder("新"));
        const std::string written = BookmarkWriter::Write(&tree, head);
        EXPECT_EQ(written.compare(0, row.file.find("<H1"), row.file, 0, row.file.find("<H1")), 0) << "the head";
        for (const std::string& kept : row.kept)
            EXPECT_NE(written.find(kept), std::string::npos) << Printable(kept);
        EXPECT_NE(written.find(row.edited), std::string::npos) << Printable(written);
        const bool declared = row.charset != BookmarkCharset::kUndeclared;
        EXPECT_NE(written.find(declared ? "\t<DT><H3>" : "\t<H3>"), std::string::npos);
        // As a browser imports it: a folder is an item of its list.
        std::size_t headings = 0;
        for (std::size_t at = written.find("<H3"); at != std::string::npos; at = written.find("<H3", at + 1))
            headings += written.compare(at - 4, 4, "<DT>") == 0;
        EXPECT_EQ(headings, row.itemHeadings);

        CollectionNodeList back;
        BookmarkHead backHead;
        ASSERT_TRUE(BookmarkReader::Read(written, back, &backHead));
        EXPECT_EQ(backHead.charset, row.charset);
        EXPECT_EQ(backHead.text, head.text);
        TreeDumpOptions whole;
        whole.kept = true;
        EXPECT_EQ(DumpTree(&back, whole), DumpTree(&tree, whole));
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
        BookmarkHead head;
        BookmarkReader::Read(std::string(row.head) + "<H3>x</H3><DL></DL>", tree, &head);
        EXPECT_EQ(head.charset, row.charset) << row.head;
    }
}
