#pragma once
#include <cstddef>
#include <memory>
#include "core/collection/BookmarkText.h"
#include <string>

class CollectionNodeList;
struct CollectionNode;

// Reads the HTML bookmark format: upper-case tags only, names and addresses
// cut to 255 bytes without splitting a double-byte character. A file that
// declares its character set gets its text converted (see BookmarkText.h),
// each node keeping the file's own text beside it where it must; any other
// file is read byte for byte, with no entity decoding. Each node also keeps
// the rest of its start tag and the "<DD>" text after it, and each list its
// "<HR>" separators, so that a file from elsewhere can be written back
// whole. A heading with no list after it is no folder: it is passed over,
// and what follows it is read as usual. Runs in time linear in the text:
// one forward scan finds the earliest token, and every forward search
// remembers its result so that levels resuming after a syntax error or at
// the end of the text never scan the same bytes again.
class BookmarkReader {
public:
    // The tokens in priority order: at one position the lower number wins,
    // so "<HTML>", "<HEAD>" and "<HR>" are never taken for a heading.
    enum Token {
        kNoToken,
        kHtml,        // <HTML>
        kHtmlEnd,     // </HTML>
        kHead,        // <HEAD>
        kHeadEnd,     // </HEAD>
        kRule,        // <HR>
        kHeading,     // <H
        kAnchor,      // <A HREF="
        kList,        // <DL>
        kHeadingEnd,  // </H
        kAnchorEnd,   // </A>
        kListEnd,     // </DL>
    };

    static const std::size_t kMaxTextBytes = 255;
    // Folders nest no deeper: no real file comes near it, and a hostile one
    // would otherwise be nested deeper than other code can follow.
    static constexpr std::size_t kMaxDepth = 256;

    // Appends what text holds to list. The text ends at its first zero byte
    // or after size bytes. False when the top level stopped at a syntax
    // error or a folder would open level kMaxDepth + 1; everything read
    // before it stays in list.
    // head, when given, receives the declaration and the bytes before the
    // first entry and its "<DT>": none when there is no entry or they are no
    // more than a byte order mark.
    static bool Read(const char* text, std::size_t size, CollectionNodeList& list, BookmarkHead* head = nullptr);
    static bool Read(const std::string& text, CollectionNodeList& list, BookmarkHead* head = nullptr);

    // The token starting at text[pos], or kNoToken.
    static Token TokenAt(const char* text, std::size_t size, std::size_t pos);
    static std::size_t TokenLength(Token token);

private:
    // Bytes [begin, end) of the text.
    struct Span {
        std::size_t begin;
        std::size_t end;
    };

    BookmarkReader(const char* text, std::size_t size);
    std::size_t DeclarationLength() const;
    std::unique_ptr<CollectionNode> MakeNode(Span name, const Span* url, Span tagRest, Span description) const;
    CollectionNode* Append(CollectionNodeList& list, std::unique_ptr<CollectionNode> node, std::size_t tokenStart);

    bool ReadInto(CollectionNodeList& list);
    Token NextToken();
    std::size_t FindByte(char byte, std::size_t& memo);
    enum HeadingEnd { kBadHeading, kFolderHeading, kLoneHeading };
    bool ReadTagText(Token end, Span& tag, Span& text);
    HeadingEnd ReadHeading(Span& tagRest, Span& name, Span& description);
    bool ReadAnchor(Span& url, Span& tagRest, Span& title);
    Span DescriptionAt(std::size_t from) const;
    std::string TextBetween(Span span) const;

    const char* text_;
    std::size_t size_;
    BookmarkCharset charset_;
    std::size_t pos_ = 0;
    // Results of earlier forward searches, valid while they lie at or after
    // pos_ (pos_ only moves forward). kUnknown before the first search; size_
    // when the search found nothing.
    std::size_t tokenAt_;
    Token token_ = kNoToken;
    // The next NextToken returns token_ again without moving.
    bool replay_ = false;
    std::size_t closeAt_;
    std::size_t quoteAt_;
    // Where the first entry's token starts: the head ends there. kUnknown
    // while none has been read.
    std::size_t firstEntry_;
};
