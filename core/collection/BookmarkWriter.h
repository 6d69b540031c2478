#pragma once
#include "core/collection/BookmarkText.h"
#include <cstddef>
#include <string>

class CollectionNodeList;

// Writes a collection tree in the HTML bookmark format, byte for byte the
// layout the program has always written: header and footer lines end in
// LF CR, body lines in CR LF, one TAB of indentation per level. What a node
// or list kept of a file from elsewhere (the rest of each start tag, "<DD>"
// texts, "<HR>" separators) is written back in its place.
class BookmarkWriter {
public:
    // The whole file: the head, the entries of list (none when it is null),
    // footer. A head without text is the program's header; a tree read from a
    // declared file is written in its character set, and with no head of its
    // own gets the declaration after "<HEAD>" (and the byte order mark it
    // came with). A name or address that still shows what was read from the
    // file is written as the file held it, any other converted and escaped.
    static std::string Write(const CollectionNodeList* list, const BookmarkHead& head = BookmarkHead());
    // The same into out, replacing its content but keeping its capacity.
    static void Write(const CollectionNodeList* list, std::string& out, const BookmarkHead& head = BookmarkHead());
    // Appends the entries of list at the given depth.
    static void WriteList(const CollectionNodeList* list, std::size_t depth, std::string& out,
                          BookmarkCharset charset = BookmarkCharset::kUndeclared);

    // Text as it is written. The reader knows no escapes, so the few bytes
    // that would end an entry early are replaced: in a name, a "<" that would
    // start a tag of the format becomes the full-width less-than sign; in an address a
    // double quote becomes %22, and so does ">" (%3E) where it lies beyond
    // the part the reader keeps. Zero bytes, which would end the file, are
    // dropped. Everything else is written as it is held.
    static std::string FileName(const std::string& name);
    static std::string FileUrl(const std::string& url);

    static const char kHeader[];
    static const char kFooter[];
    // Deeper levels are written with this many TABs: the reader ignores
    // indentation, and without a limit a pathologically deep tree would grow
    // with the square of its depth.
    static const std::size_t kMaxIndent = 64;
};
