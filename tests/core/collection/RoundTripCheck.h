#pragma once
#include "core/collection/BookmarkText.h"
#include <string>

class CollectionNodeList;

// Aborts with what differs.
[[noreturn]] void FailCheck(const char* what, const std::string& input, const std::string& expected,
                            const std::string& actual);

// Writes tree, read from a file with the given head, and reads it back: the
// same head and tree, every tag rest, description and separator in its
// place, with the same file text in a declared file, its text changed only
// where the writer had to keep an undeclared file readable. Then, for a
// declared file, the same with every other entry as if the user had edited
// it: such an entry reads back as it was shown.
void CheckRoundTrip(CollectionNodeList& tree, const BookmarkHead& head);
