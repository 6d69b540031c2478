#include "tests/core/collection/RoundTripCheck.h"
#include "core/collection/BookmarkReader.h"
#include "core/collection/BookmarkWriter.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/TextRules.h"
#include "tests/core/collection/TreeDump.h"

#include <cstdio>
#include <cstdlib>

void FailCheck(const char* what, const std::string& input, const std::string& expected, const std::string& actual)
{
    std::fprintf(stderr, "%s\ninput: %s\nexpected:\n%s\nactual:\n%s\n", what, Printable(input).c_str(),
                 expected.c_str(), actual.c_str());
    std::abort();
}

namespace {

// Forgets the file text of every other entry, so that the writer converts
// what it shows.
void EditEveryOther(CollectionNodeList& list, bool& edit)
{
    for (std::size_t i = 0; i < list.Size(); ++i) {
        CollectionNode& node = *list.At(i);
        if ((edit = !edit)) {
            node.fileName.clear();
            node.fileUrl.clear();
        }
        if (node.IsFolder())
            EditEveryOther(*node.children, edit);
    }
}

void ExpectReadBack(const CollectionNodeList& tree, const BookmarkHead& head, const TreeDumpOptions& expected,
                    const TreeDumpOptions& actual)
{
    const std::string written = BookmarkWriter::Write(&tree, head);
    CollectionNodeList back;
    BookmarkHead backHead;
    if (!BookmarkReader::Read(written, back, &backHead) || backHead.charset != head.charset)
        FailCheck("written tree does not read back cleanly", written, DumpTree(&tree), DumpTree(&back));
    // With no entry after it, the footer joins the head.
    if (backHead.text.compare(0, head.text.size(), head.text) != 0)
        FailCheck("written head reads back different", written, Printable(head.text), Printable(backHead.text));
    const std::string expectedDump = DumpTree(&tree, expected);
    if (DumpTree(&back, actual) != expectedDump)
        FailCheck("written tree reads back different", written, expectedDump, DumpTree(&back, actual));
}

}  // namespace

void CheckRoundTrip(CollectionNodeList& tree, const BookmarkHead& head)
{
    TreeDumpOptions expected;
    expected.flagsFromChildren = true;
    expected.kept = true;
    TreeDumpOptions actual;
    actual.kept = true;
    if (head.charset == BookmarkCharset::kUndeclared) {
        expected.name = [](const std::string& name) { return AsReadBack(BookmarkWriter::FileName(name)); };
        expected.url = [](const std::string& url) { return AsReadBack(BookmarkWriter::FileUrl(url)); };
        ExpectReadBack(tree, head, expected, actual);
        return;
    }
    expected.fileText = actual.fileText = true;
    ExpectReadBack(tree, head, expected, actual);
    bool edit = false;
    EditEveryOther(tree, edit);
    expected.fileText = actual.fileText = false;
    ExpectReadBack(tree, head, expected, actual);
}
