#pragma once
#include "core/collection/BookmarkReader.h"
#include "core/collection/CollectionNodeList.h"
#include "tests/core/collection/ReferenceReader.h"
#include "tests/core/collection/TreeDump.h"

#include <gtest/gtest.h>

struct ReadOutcome {
    bool ok;
    std::string tree;
};

// Reads text with the real reader, expects the reference to agree (on the
// file's own text where the file declares a character set, whose addresses
// here are short enough for the reference to keep them whole), and
// returns the outcome for the test's own expectations.
inline ReadOutcome ReadChecked(const std::string& text)
{
    CollectionNodeList fast;
    CollectionNodeList reference;
    BookmarkHead head;
    ReadOutcome outcome{BookmarkReader::Read(text, fast, &head), DumpTree(&fast)};
    if (head.charset != BookmarkCharset::kUndeclared)
        KeepFileText(fast, head.charset);
    bool referenceOk = ReferenceRead(text, reference);
    EXPECT_EQ(outcome.ok, referenceOk) << Printable(text);
    EXPECT_EQ(DumpTree(&fast), DumpTree(&reference)) << Printable(text);
    return outcome;
}
