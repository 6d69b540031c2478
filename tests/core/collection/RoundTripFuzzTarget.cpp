// Fast fuzz target for the bookmark reader alone: any input is read without
// a fault, and what was read writes and reads back as the same head and
// tree, every tag rest, description and separator included, with or without
// a declared character set. Any disagreement aborts.
#include "core/collection/BookmarkReader.h"
#include "core/collection/CollectionNodeList.h"
#include "tests/core/collection/RoundTripCheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CollectionNodeList tree;
    BookmarkHead head;
    BookmarkReader::Read(reinterpret_cast<const char*>(data), size, tree, &head);
    CheckRoundTrip(tree, head);
    return 0;
}
