#include "tests/core/collection/ReaderCheck.h"

namespace {

const std::string kExport =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\">\r\n"
    "<TITLE>Bookmarks</TITLE>\r\n"
    "<H1>ブックマーク</H1>\r\n"
    "<DL><p>\r\n"
    "    <DT><H3 ADD_DATE=\"1\" FOLDED>ニュース</H3>\r\n"
    "    <DL><p>\r\n"
    "        <DT><A HREF=\"http://news.example.jp/\" ADD_DATE=\"2\" ICON=\"data:x\">ニュース速報</A>\r\n"
    "        <DD>毎朝見る\r\n"
    "        <HR>\r\n"
    "    </DL><p>\r\n"
    "    <DT><A HREF=\"http://example.com/\">Example</A>\r\n"
    "</DL><p>\r\n";

std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += Printable(line) + "\n";
    return text;
}

}  // namespace

TEST(BookmarkReader, BrowserExportBecomesOneFolderUnderItsH1Heading)
{
    ReadOutcome read = ReadChecked(kExport);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.tree, Lines({"[ブックマーク] 1",
                                "  [ニュース] 0",
                                "    ニュース速報 -> http://news.example.jp/",
                                "  Example -> http://example.com/"}));
}

TEST(BookmarkReader, LowerCaseTagsAreNotTags)
{
    ReadOutcome read = ReadChecked(
        "<h1>Bookmarks</h1>\r\n<dl><p>\r\n<dt><h3>News</h3>\r\n<dl><p>\r\n"
        "<dt><a href=\"http://example.com/\">Example</a>\r\n</dl><p>\r\n</dl><p>\r\n");
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.tree, "");
}

TEST(BookmarkReader, HeadingNeedsALevelByteButNotAName)
{
    ReadOutcome noLevel = ReadChecked("<H>Name</H><DL></DL>");
    EXPECT_FALSE(noLevel.ok);
    EXPECT_EQ(noLevel.tree, "");

    ReadOutcome noName = ReadChecked("<H3></H3>\r\n<DL>\r\n</DL><P>\r\n");
    EXPECT_TRUE(noName.ok);
    EXPECT_EQ(noName.tree, "[] 0\n");
}

// Exports title the page with a heading that no list follows: it is no
// folder, and what comes after it reads as if it were not there.
TEST(BookmarkReader, HeadingWithoutListIsPassedOver)
{
    ReadOutcome read = ReadChecked(
        "<TITLE>Bookmarks</TITLE>\r\n<H1>Bookmarks</H1>\r\n<DT><H3>News</H3>\r\n<DL><p>\r\n"
        "<DT><H3>Empty</H3></DL><p>\r\n<DT><A HREF=\"u\">t</A>\r\n<H2>end</H2>");
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.tree, Lines({"[News] 0", "t -> u"}));
}

TEST(BookmarkReader, EmptyAnchorTextAndEmptyAddressAreLinks)
{
    ReadOutcome read = ReadChecked(
        "<H3>F</H3><DL><A HREF=\"u\"></A><A HREF=\"\">cleared</A><A HREF=\"v\">w</A></DL>"
        "<A HREF=\"x\">after</A>");
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.tree, Lines({"[F] 0", "   -> u", "  cleared -> ", "  w -> v", "after -> x"}));
}

TEST(BookmarkReader, NamesAndAddressesKeepTheirFirst255Bytes)
{
    const std::string address = "http://example.com/" + std::string(300 - 19, 'a');
    const std::string name(256, 'n');
    ReadOutcome read = ReadChecked("<A HREF=\"" + address + "\">" + name + "</A>");
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.tree, name.substr(0, 255) + " -> " + address.substr(0, 255) + "\n");

    ReadOutcome heading = ReadChecked("<H3>" + name + "</H3><DL></DL>");
    EXPECT_EQ(heading.tree, "[" + name.substr(0, 255) + "] 0\n");
}

TEST(BookmarkReader, LineBreaksAreRemovedOtherBlanksKept)
{
    ReadOutcome read = ReadChecked("<H3> A\r\nB\t</H3><DL><A HREF=\"ht\r\ntp\"> x\ny </A></DL>");
    EXPECT_EQ(read.tree, Lines({"[ AB\t] 0", "   xy  -> http"}));
}

// An error ends only the level that meets it: the enclosing level reads on
// right after the offending token, so what follows lands one level up.
TEST(BookmarkReader, AfterASyntaxErrorTheEnclosingLevelReadsOn)
{
    ReadOutcome read = ReadChecked(
        "<H3>Alpha</H3><DL><A HREF=\"a\">1</A><H>bad<A HREF=\"b\">2</A></DL><A HREF=\"c\">3</A>");
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.tree, Lines({"[Alpha] 0", "  1 -> a", "2 -> b"}));

    ReadOutcome top = ReadChecked("<A HREF=\"a\">1</A></A><A HREF=\"b\">2</A>");
    EXPECT_FALSE(top.ok);
    EXPECT_EQ(top.tree, "1 -> a\n");
}

TEST(BookmarkReader, FolderFlagCountsOnlyListsThatEndedCleanly)
{
    ReadOutcome read = ReadChecked(
        "<H3>A</H3><DL><H3>B</H3><DL></DL><H3>C</H3><DL><H3>D</H3><DL></DL></DL></DL>"
        "<H3>E</H3><DL><H3>F</H3><DL></DL></A></DL>");
    EXPECT_EQ(read.tree, Lines({"[A] 1", "  [B] 0", "  [C] 1", "    [D] 0", "[E] 0", "  [F] 0"}));
}

TEST(BookmarkReader, EarlierTableEntryWinsAtTheSamePlace)
{
    ReadOutcome read = ReadChecked(
        "<HTML><HEAD></HEAD><HR><H3>F</H3><DL><HR></DL></HTML><A HREF=\"u\">t</A>");
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.tree, Lines({"[F] 0", "t -> u"}));
}

TEST(BookmarkReader, ZeroByteEndsTheText)
{
    const std::string text("<A HREF=\"u\">t</A>\0<A HREF=\"v\">w</A>", 35);
    ReadOutcome read = ReadChecked(text);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.tree, "t -> u\n");
}

TEST(BookmarkReader, MissingClosingBytesAreSyntaxErrors)
{
    for (const char* text : {"<H3", "<H3>name", "<H3>name</H3></H3>", "<A HREF=\"u", "<A HREF=\"u\"",
                             "<A HREF=\"u\">t"}) {
        ReadOutcome read = ReadChecked(text);
        EXPECT_FALSE(read.ok) << text;
    }
}

// A double-byte character whose second byte would be byte 256 goes whole.
TEST(BookmarkReader, The255ByteCutNeverKeepsHalfACharacter)
{
    const std::string wide = "\x93\xFA";  // 日
    struct Row {
        std::string text;
        std::size_t kept;
    } rows[] = {
        {std::string(254, 'a') + wide, 254},
        {std::string(253, 'a') + wide + "b", 255},
        {std::string(253, 'a') + wide, 255},
        // Byte 254 looks like a lead byte: a forward walk tells trail from lead.
        {"a" + std::string(256, '\x81'), 255},
        {"aa" + std::string(256, '\x81'), 254},
    };
    for (const Row& row : rows) {
        const std::string kept = row.text.substr(0, row.kept);
        ReadOutcome link = ReadChecked("<A HREF=\"" + row.text + "\">" + row.text + "</A>");
        EXPECT_EQ(link.tree, Printable(kept) + " -> " + Printable(kept) + "\n") << row.kept;
        ReadOutcome heading = ReadChecked("<H3>" + row.text + "</H3><DL></DL>");
        EXPECT_EQ(heading.tree, "[" + Printable(kept) + "] 0\n") << row.kept;
    }
}
