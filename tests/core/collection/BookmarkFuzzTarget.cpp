// Fuzz target for the bookmark reader. For any input: the reader agrees with
// the reference reader, and writing what was read and reading it again gives
// the same tree, its text changed only where the writer had to keep the file
// readable. Any disagreement aborts.
#include "core/collection/BookmarkReader.h"
#include "core/collection/BookmarkWriter.h"
#include "core/collection/CollectionNodeList.h"
#include "core/TextRules.h"
#include "tests/core/collection/ReferenceReader.h"
#include "tests/core/collection/TreeDump.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char* what, const std::string& input, const std::string& expected, const std::string& actual)
{
    std::fprintf(stderr, "%s\ninput: %s\nexpected:\n%s\nactual:\n%s\n", what, Printable(input).c_str(),
                 expected.c_str(), actual.c_str());
    std::abort();
}

// What the reader makes of text the writer wrote: the first bytes, whole
// characters only, without line breaks.
std::string AsReadBack(const std::string& written)
{
    std::string kept = CutText(written, BookmarkReader::kMaxTextBytes);
    std::string result;
    for (char c : kept) {
        if (c != '\r' && c != '\n')
            result += c;
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);

    CollectionNodeList tree;
    const bool ok = BookmarkReader::Read(input, tree);
    CollectionNodeList reference;
    const bool referenceOk = ReferenceRead(input, reference);
    const std::string dump = DumpTree(&tree);
    if (ok != referenceOk || dump != DumpTree(&reference))
        Fail(ok != referenceOk ? "result differs from the reference" : "tree differs from the reference", input,
             DumpTree(&reference), dump);

    const std::string written = BookmarkWriter::Write(&tree);
    CollectionNodeList back;
    if (!BookmarkReader::Read(written, back))
        Fail("written tree does not read back cleanly", written, dump, DumpTree(&back));
    TreeDumpOptions expected;
    expected.flagsFromChildren = true;
    expected.name = [](const std::string& name) { return AsReadBack(BookmarkWriter::FileName(name)); };
    expected.url = [](const std::string& url) { return AsReadBack(BookmarkWriter::FileUrl(url)); };
    const std::string expectedDump = DumpTree(&tree, expected);
    if (DumpTree(&back) != expectedDump)
        Fail("written tree reads back different", written, expectedDump, DumpTree(&back));
    return 0;
}
