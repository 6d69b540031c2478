#include "core/collection/BookmarkWriter.h"
#include "core/collection/CollectionNode.h"
#include "tests/core/collection/ReaderCheck.h"

namespace {

const std::string kHeader =
    "<HTML>\n\r<HEAD>\n\r<TITLE>Quenvo Tab Correction</TITLE>\n\r</HEAD>\n\r<BODY>\n\r";
const std::string kFooter = "</BODY>\n\r</HTML>\n\r";

// Alpha holding two links and then an empty folder Beta.
void BuildAlphaBeta(CollectionNodeList& root)
{
    CollectionNode* alpha = root.Append(CollectionNode::MakeFolder("Alpha"));
    alpha->children->Append(CollectionNode::MakeLink("最初", "http://one.example/"));
    alpha->children->Append(CollectionNode::MakeLink("Second", "http://two.example/?a=1&b=2"));
    alpha->children->Append(CollectionNode::MakeFolder("Beta"));
}

}  // namespace

TEST(BookmarkWriter, WritesTheExactBytesAndReadsBack)
{
    CollectionNodeList root;
    BuildAlphaBeta(root);
    const std::string written = BookmarkWriter::Write(&root);
    EXPECT_EQ(written, kHeader +
                           "<H3>Alpha</H3>\r\n"
                           "<DL>\r\n"
                           "\t<DT><A HREF=\"http://one.example/\">最初</A>\r\n"
                           "\t<DT><A HREF=\"http://two.example/?a=1&b=2\">Second</A>\r\n"
                           "\t<H3>Beta</H3>\r\n"
                           "\t<DL>\r\n"
                           "\t</DL><P>\r\n"
                           "</DL><P>\r\n" +
                           kFooter);

    ReadOutcome read = ReadChecked(written);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.tree, DumpTree(&root, TreeDumpOptions{true, nullptr, nullptr}));
    EXPECT_NE(read.tree.find("[Alpha] 1"), std::string::npos);
    EXPECT_NE(read.tree.find("[Beta] 0"), std::string::npos);

    EXPECT_EQ(BookmarkWriter::Write(nullptr), kHeader + kFooter);
}

TEST(BookmarkWriter, LongNamesAndLineBreaksReadBackCutAndJoined)
{
    CollectionNodeList root;
    root.Append(CollectionNode::MakeLink(std::string(256, 'n'), "u"));
    root.Append(CollectionNode::MakeFolder("two\r\nlines"));
    CollectionNodeList back;
    EXPECT_TRUE(BookmarkReader::Read(BookmarkWriter::Write(&root), back));
    EXPECT_EQ(back.At(0)->name, std::string(255, 'n'));
    EXPECT_EQ(back.At(1)->name, "twolines");
}

// Text the format cannot hold as it is must not cost the rest of the file:
// every entry after it has to come back, in its place.
TEST(BookmarkWriter, TextThatWouldEndAnEntryEarlyIsKeptReadable)
{
    CollectionNodeList root;
    CollectionNode* folder = root.Append(CollectionNode::MakeFolder("<DL> and </H3>"));
    folder->children->Append(CollectionNode::MakeLink("a </A> b <HR>", "http://q.example/?x=\"y\""));
    folder->children->Append(CollectionNode::MakeLink(std::string("zero\0byte", 9), ""));
    const std::string longUrl = "javascript:if(a>b)" + std::string(300, 'c') + ">d";
    folder->children->Append(CollectionNode::MakeLink("long", longUrl));
    root.Append(CollectionNode::MakeLink("<Hello>", "http://after.example/"));

    CollectionNodeList back;
    EXPECT_TRUE(BookmarkReader::Read(BookmarkWriter::Write(&root), back));
    EXPECT_EQ(DumpTree(&back),
              Printable("[＜DL> and ＜/H3>] 0") + "\n" +
              Printable("  a ＜/A> b ＜HR> -> http://q.example/?x=%22y%22") + "\n" +
              "  zerobyte -> \n" +
              "  long -> " + longUrl.substr(0, 255) + "\n" +
              Printable("＜Hello> -> http://after.example/") + "\n");
    EXPECT_EQ(BookmarkWriter::FileUrl(longUrl), longUrl.substr(0, 318) + "%3Ed");
    EXPECT_EQ(BookmarkWriter::FileName("a<b <DT> x<"), "a<b <DT> x<");
}

TEST(BookmarkWriter, IndentationStopsGrowingAtItsLimit)
{
    CollectionNodeList root;
    CollectionNodeList* level = &root;
    for (std::size_t i = 0; i < BookmarkWriter::kMaxIndent + 10; ++i)
        level = level->Append(CollectionNode::MakeFolder("f"))->children.get();
    level->Append(CollectionNode::MakeLink("deep", "u"));
    const std::string written = BookmarkWriter::Write(&root);
    const std::string deepest = std::string(BookmarkWriter::kMaxIndent, '\t') + "<DT><A HREF=\"u\">deep</A>\r\n";
    EXPECT_NE(written.find("\n" + deepest), std::string::npos);
    CollectionNodeList back;
    EXPECT_TRUE(BookmarkReader::Read(written, back));
    EXPECT_EQ(DumpTree(&back), DumpTree(&root, TreeDumpOptions{true, nullptr, nullptr}));
}
