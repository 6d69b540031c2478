#pragma once
#include "core/collection/BookmarkText.h"
#include <functional>
#include <string>

class CollectionNodeList;

// A collection tree as readable text, one node a line, for comparing trees
// and for legible test failures. Bytes outside printable ASCII are written
// as \xHH.
struct TreeDumpOptions {
    // Take a folder's flag from its children (as a clean read sets it)
    // rather than from hasSubfolders.
    bool flagsFromChildren = false;
    // Applied to each name and address before it is written.
    std::function<std::string(const std::string&)> name;
    std::function<std::string(const std::string&)> url;
    // Add each node's file text (a declared file's own name and address).
    bool fileText = false;
    // Add what the file held beyond names and addresses: each node's tag
    // rest and description, each list's separators as "--" lines.
    bool kept = false;
};

std::string DumpTree(const CollectionNodeList* list, const TreeDumpOptions& options = TreeDumpOptions());

// A bookmark text with its control and non-ASCII bytes escaped, for messages.
std::string Printable(const std::string& text);

// Puts back, in every node of a tree read from a file declaring charset,
// the file's own name and address as a reader that knows no character sets
// keeps them: the first 255 bytes, whole double-byte characters, without
// line breaks. The structure of such a tree is then judged like any other.
void KeepFileText(CollectionNodeList& list, BookmarkCharset charset);

// What the reader keeps of text it finds in a file: the first bytes, whole
// characters only, without line breaks.
std::string AsReadBack(const std::string& text);
