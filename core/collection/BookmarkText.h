#pragma once
#include <cstddef>
#include <string>

// The character set a bookmark file declares. An undeclared file holds the
// program's own bytes and is read and written byte for byte.
enum class BookmarkCharset {
    kUndeclared,
    kUtf8,     // by charset= in a META element
    kUtf8Bom,  // by a byte order mark
    kShiftJis,
};

// What a bookmark file holds before its first entry, and the character set
// it declares there. A head with no text stands for the program's own
// header, declaring charset.
struct BookmarkHead {
    BookmarkHead(BookmarkCharset declared = BookmarkCharset::kUndeclared) : charset(declared) {}

    BookmarkCharset charset;
    std::string text;
};

// The declaration of the size bytes at text: a UTF-8 byte order mark at its
// start, or the first charset= in a META element before the first "<DL>",
// in any letter case, quoted or not. The reader passes only the part before
// the first entry.
BookmarkCharset DetectCharset(const char* text, std::size_t size);

// Text of a declared file turned into what the program shows and opens.
// Line breaks are dropped and character references decoded. A name becomes
// code page 932, "?" standing for a character it cannot show, cut to
// maxBytes whole characters. An address keeps its ASCII and gets every other
// character percent-encoded from its UTF-8 bytes, cut to maxBytes without
// splitting an escape.
std::string ShownName(const std::string& fileText, BookmarkCharset charset, std::size_t maxBytes);
std::string ShownUrl(const std::string& fileText, BookmarkCharset charset, std::size_t maxBytes);
// The same for the size bytes at text. exact, when given, tells whether
// DeclaredFileName or DeclaredFileUrl of the result gives the text back, so
// that there is no need to keep it.
std::string ShownName(const char* text, std::size_t size, BookmarkCharset charset, std::size_t maxBytes,
                      bool* exact);
std::string ShownUrl(const char* text, std::size_t size, BookmarkCharset charset, std::size_t maxBytes,
                     bool* exact);

// Code page 932 text as a declared file holds it: in its character set, with
// & < > " escaped in a name and & " in an address. A character the set
// cannot hold becomes a numeric reference.
std::string DeclaredFileName(const std::string& shown, BookmarkCharset charset);
std::string DeclaredFileUrl(const std::string& shown, BookmarkCharset charset);

// The header line declaring charset, or "" for an undeclared one.
std::string CharsetDeclaration(BookmarkCharset charset);
