// Fuzz target for the bookmark reader. For any input: the reader agrees with
// the reference reader where the input declares no character set (a declared
// file's addresses are read whole, up to their quote), and writing what was
// read and reading it again gives the same head and tree, with all the tree
// kept of the file. Any disagreement aborts.
#include "core/collection/BookmarkReader.h"
#include "core/collection/CollectionNodeList.h"
#include "tests/core/collection/ReferenceReader.h"
#include "tests/core/collection/RoundTripCheck.h"
#include "tests/core/collection/TreeDump.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);

    CollectionNodeList tree;
    BookmarkHead head;
    const bool ok = BookmarkReader::Read(input, tree, &head);
    if (head.charset == BookmarkCharset::kUndeclared) {
        CollectionNodeList reference;
        const bool referenceOk = ReferenceRead(input, reference);
        const std::string dump = DumpTree(&tree);
        if (ok != referenceOk || dump != DumpTree(&reference))
            FailCheck(ok != referenceOk ? "result differs from the reference" : "tree differs from the reference",
                      input, DumpTree(&reference), dump);
    }
    CheckRoundTrip(tree, head);
    return 0;
}
