#include "core/collection/BookmarkReader.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/TextRules.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const std::size_t kUnknown = static_cast<std::size_t>(-1);

struct TokenText {
    const char* text;
    std::size_t length;
};

// Indexed by BookmarkReader::Token.
const TokenText kTokens[] = {
    {"", 0},
    {"<HTML>", 6},
    {"</HTML>", 7},
    {"<HEAD>", 6},
    {"</HEAD>", 7},
    {"<HR>", 4},
    {"<H", 2},
    {"<A HREF=\"", 9},
    {"<DL>", 4},
    {"</H", 3},
    {"</A>", 4},
    {"</DL>", 5},
};

std::string StripLineBreaks(const char* text, std::size_t length)
{
    std::string result;
    result.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            result += text[i];
    }
    return result;
}

// One open level of the tree while reading: the list being filled and
// whether it holds a folder yet.
struct Level {
    CollectionNodeList* list;
    CollectionNode* folder;  // the folder this list belongs to; null at the top
    bool holdsFolder;
};

const char kDescription[] = "<DD>";
const char kItem[] = "<DT>";
// A UTF-8 byte order mark.
const std::size_t kMarkLength = 3;

}  // namespace

BookmarkReader::BookmarkReader(const char* text, std::size_t size)
    : text_(text), tokenAt_(kUnknown), closeAt_(kUnknown), quoteAt_(kUnknown), firstEntry_(kUnknown)
{
    const void* zero = std::memchr(text, '\0', size);
    size_ = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - text) : size;
    charset_ = DetectCharset(text_, DeclarationLength());
}

// The bytes before the first heading, link or list: a declaration further on
// could be the text of an entry, which must not change how the file reads.
std::size_t BookmarkReader::DeclarationLength() const
{
    for (std::size_t at = 0; at < size_; ++at) {
        const void* open = std::memchr(text_ + at, '<', size_ - at);
        if (!open)
            break;
        at = static_cast<std::size_t>(static_cast<const char*>(open) - text_);
        if (TokenAt(text_, size_, at) >= kHeading)
            return at;
    }
    return size_;
}

bool BookmarkReader::Read(const char* text, std::size_t size, CollectionNodeList& list, BookmarkHead* head)
{
    BookmarkReader reader(text, size);
    const bool ok = reader.ReadInto(list);
    if (head) {
        *head = BookmarkHead(reader.charset_);
        std::size_t length = reader.firstEntry_;
        // The "<DT>" of the first entry is the writer's to write.
        const std::size_t item = sizeof kItem - 1;
        if (length != kUnknown && length >= item && std::memcmp(text + length - item, kItem, item) == 0)
            length -= item;
        const bool markOnly = reader.charset_ == BookmarkCharset::kUtf8Bom && length == kMarkLength;
        if (length != kUnknown && !markOnly)
            head->text.assign(text, length);
    }
    return ok;
}

bool BookmarkReader::Read(const std::string& text, CollectionNodeList& list, BookmarkHead* head)
{
    return Read(text.data(), text.size(), list, head);
}

// A folder when url is null. Of a declared file's text the node keeps what
// it shows, and the file's own text only where writing that back would not
// give it again.
std::unique_ptr<CollectionNode> BookmarkReader::MakeNode(Span name, const Span* url, Span tagRest,
                                                         Span description) const
{
    std::unique_ptr<CollectionNode> node(new CollectionNode);
    if (!url)
        node->children.reset(new CollectionNodeList);
    // A plain level-3 heading is what the writer makes of a folder with no
    // tag of its own.
    const bool plainHeading = !url && tagRest.end == tagRest.begin + 1 && text_[tagRest.begin] == '3';
    if (!plainHeading)
        node->tagRest.assign(text_ + tagRest.begin, tagRest.end - tagRest.begin);
    node->description.assign(text_ + description.begin, description.end - description.begin);
    if (charset_ == BookmarkCharset::kUndeclared) {
        node->name = TextBetween(name);
        if (url)
            node->url = TextBetween(*url);
        return node;
    }
    bool exact;
    node->name = ShownName(text_ + name.begin, name.end - name.begin, charset_, kMaxTextBytes, &exact);
    if (!exact)
        node->fileName = TextBetween(name);
    if (url) {
        node->url = ShownUrl(text_ + url->begin, url->end - url->begin, charset_, kMaxTextBytes, &exact);
        if (!exact)
            node->fileUrl = TextBetween(*url);
    }
    return node;
}

// The head ends where the first entry's token starts.
CollectionNode* BookmarkReader::Append(CollectionNodeList& list, std::unique_ptr<CollectionNode> node,
                                       std::size_t tokenStart)
{
    if (firstEntry_ == kUnknown)
        firstEntry_ = tokenStart;
    return list.Append(std::move(node));
}

BookmarkReader::Token BookmarkReader::TokenAt(const char* text, std::size_t size, std::size_t pos)
{
    if (pos >= size || text[pos] != '<')
        return kNoToken;
    const std::size_t rest = size - pos;
    for (int t = kHtml; t <= kListEnd; ++t) {
        const TokenText& token = kTokens[t];
        if (token.length <= rest && std::memcmp(text + pos, token.text, token.length) == 0)
            return static_cast<Token>(t);
    }
    return kNoToken;
}

std::size_t BookmarkReader::TokenLength(Token token)
{
    return kTokens[token].length;
}

BookmarkReader::Token BookmarkReader::NextToken()
{
    if (replay_) {
        replay_ = false;
        return token_;
    }
    if (tokenAt_ == kUnknown || tokenAt_ < pos_) {
        tokenAt_ = size_;
        token_ = kNoToken;
        std::size_t at = pos_;
        while (at < size_) {
            const void* open = std::memchr(text_ + at, '<', size_ - at);
            if (!open)
                break;
            at = static_cast<std::size_t>(static_cast<const char*>(open) - text_);
            Token token = TokenAt(text_, size_, at);
            if (token != kNoToken) {
                tokenAt_ = at;
                token_ = token;
                break;
            }
            ++at;
        }
    }
    if (token_ == kNoToken)
        return kNoToken;
    pos_ = tokenAt_ + kTokens[token_].length;
    return token_;
}

std::size_t BookmarkReader::FindByte(char byte, std::size_t& memo)
{
    if (memo == kUnknown || memo < pos_) {
        const void* hit = std::memchr(text_ + pos_, byte, size_ - pos_);
        memo = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text_) : size_;
    }
    return memo;
}

std::string BookmarkReader::TextBetween(Span span) const
{
    const std::size_t length = span.end - span.begin;
    if (charset_ != BookmarkCharset::kUndeclared)
        return std::string(text_ + span.begin, length);
    return StripLineBreaks(text_ + span.begin, SafeCutLength(text_ + span.begin, length, kMaxTextBytes));
}

// Inside a start tag: the rest of the tag up to ">", then its text up to the
// end token. False when the tag is not closed or another token comes first.
bool BookmarkReader::ReadTagText(Token end, Span& tag, Span& text)
{
    std::size_t close = FindByte('>', closeAt_);
    if (close == size_ || close == pos_)
        return false;
    tag = Span{pos_, close};
    pos_ = close + 1;
    text.begin = pos_;
    if (NextToken() != end)
        return false;
    text.end = tokenAt_;
    return true;
}

// The text of a "<DD>" that is the first tag at or after from, up to the
// next tag, without the line break and indentation that end it.
BookmarkReader::Span BookmarkReader::DescriptionAt(std::size_t from) const
{
    const void* open = std::memchr(text_ + from, '<', size_ - from);
    const std::size_t tag = open ? static_cast<std::size_t>(static_cast<const char*>(open) - text_) : size_;
    const std::size_t length = sizeof kDescription - 1;
    if (size_ - tag < length || std::memcmp(text_ + tag, kDescription, length) != 0)
        return Span{0, 0};
    const std::size_t begin = tag + length;
    const void* next = std::memchr(text_ + begin, '<', size_ - begin);
    std::size_t end = next ? static_cast<std::size_t>(static_cast<const char*>(next) - text_) : size_;
    while (end > begin && std::strchr(" \t\r\n", text_[end - 1]))
        --end;
    return Span{begin, end};
}

// After "<H": the level and attributes up to ">", the name up to "</H", then
// "<DL>" with anything but a token in between, a description perhaps.
BookmarkReader::HeadingEnd BookmarkReader::ReadHeading(Span& tagRest, Span& name, Span& description)
{
    if (!ReadTagText(kHeadingEnd, tagRest, name))
        return kBadHeading;
    description = DescriptionAt(pos_);
    if (NextToken() == kList)
        return kFolderHeading;
    // Exports from elsewhere title the page with a heading that no list
    // follows; the token met instead is read again by the level.
    replay_ = true;
    return kLoneHeading;
}

// After <A HREF=": the address up to the quote (it may be empty), other
// attributes up to ">", the title up to "</A>".
bool BookmarkReader::ReadAnchor(Span& url, Span& tagRest, Span& title)
{
    std::size_t quote = FindByte('"', quoteAt_);
    if (quote == size_)
        return false;
    const std::size_t kept = charset_ != BookmarkCharset::kUndeclared
                                 ? quote - pos_
                                 : SafeCutLength(text_ + pos_, quote - pos_, kMaxTextBytes);
    url = Span{pos_, pos_ + kept};
    // Past the kept bytes only: the rest of a long address is skipped like
    // an attribute by the search for ">".
    pos_ += kept;
    if (!ReadTagText(kAnchorEnd, tagRest, title))
        return false;
    // What follows the closing quote is the tag's own; a ">" before the
    // quote, in the skipped rest of an address, leaves none.
    tagRest.begin = std::min(quote + 1, tagRest.end);
    return true;
}

// Nested lists are kept on an explicit stack rather than by recursion: a file
// can nest folders deeper than any call stack. A level that meets a syntax
// error ends there, and its parent goes on reading right after the offending
// token; only at the top level does an error end the reading. A folder
// deeper than kMaxDepth ends the reading too, as if the top level had met an
// error there.
bool BookmarkReader::ReadInto(CollectionNodeList& list)
{
    std::vector<Level> levels;
    levels.push_back(Level{&list, nullptr, false});
    for (;;) {
        Level& level = levels.back();
        bool ok = true;
        bool ended = false;
        Span tagRest, name, url, description;
        const Token token = NextToken();
        const std::size_t tokenStart = tokenAt_;
        switch (token) {
        case kHtml:
        case kHtmlEnd:
        case kHead:
        case kHeadEnd:
            break;
        case kRule:
            // Before the first entry it belongs to the head.
            if (firstEntry_ != kUnknown)
                level.list->AppendSeparator();
            break;
        case kHeading: {
            const HeadingEnd end = ReadHeading(tagRest, name, description);
            if (end != kFolderHeading) {
                ok = end != kBadHeading;
                break;
            }
            // levels holds the top level besides the open folders.
            if (levels.size() > kMaxDepth)
                return false;
            CollectionNode* folder = Append(*level.list, MakeNode(name, nullptr, tagRest, description), tokenStart);
            level.holdsFolder = true;
            levels.push_back(Level{folder->children.get(), folder, false});
            break;
        }
        case kAnchor: {
            if (!ReadAnchor(url, tagRest, name)) {
                ok = false;
                break;
            }
            Append(*level.list, MakeNode(name, &url, tagRest, DescriptionAt(pos_)), tokenStart);
            break;
        }
        case kList:
        case kHeadingEnd:
        case kAnchorEnd:
            ok = false;
            break;
        case kListEnd:
        case kNoToken:
            ended = true;
            break;
        }
        if (ok && !ended)
            continue;
        // levels.back() is still the level that ended: a heading pushes only
        // after it was read whole.
        Level done = levels.back();
        levels.pop_back();
        if (levels.empty())
            return ok;
        if (ok && done.holdsFolder)
            done.folder->hasSubfolders = 1;
    }
}
