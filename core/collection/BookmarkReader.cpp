#include "core/collection/BookmarkReader.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"
#include "core/TextRules.h"

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

}  // namespace

BookmarkReader::BookmarkReader(const char* text, std::size_t size)
    : text_(text), tokenAt_(kUnknown), closeAt_(kUnknown), quoteAt_(kUnknown)
{
    const void* zero = std::memchr(text, '\0', size);
    size_ = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - text) : size;
    charset_ = DetectCharset(text_, HeadLength());
}

// The bytes before the first heading, link or list: a declaration further on
// could be the text of an entry, which must not change how the file reads.
std::size_t BookmarkReader::HeadLength() const
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

bool BookmarkReader::Read(const char* text, std::size_t size, CollectionNodeList& list, BookmarkCharset* charset)
{
    BookmarkReader reader(text, size);
    if (charset)
        *charset = reader.charset_;
    return reader.ReadInto(list);
}

bool BookmarkReader::Read(const std::string& text, CollectionNodeList& list, BookmarkCharset* charset)
{
    return Read(text.data(), text.size(), list, charset);
}

// A folder when url is null. Text of a declared file is the file's own,
// whole; the node shows it converted.
std::unique_ptr<CollectionNode> BookmarkReader::MakeNode(const std::string& name, const std::string* url) const
{
    const bool declared = charset_ != BookmarkCharset::kUndeclared;
    const std::string shown = declared ? ShownName(name, charset_, kMaxTextBytes) : name;
    if (!url) {
        std::unique_ptr<CollectionNode> folder = CollectionNode::MakeFolder(shown);
        if (declared)
            folder->fileName = name;
        return folder;
    }
    if (!declared)
        return CollectionNode::MakeLink(name, *url);
    std::unique_ptr<CollectionNode> link = CollectionNode::MakeLink(shown, ShownUrl(*url, charset_, kMaxTextBytes));
    link->fileName = name;
    link->fileUrl = *url;
    return link;
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

std::string BookmarkReader::TextBetween(std::size_t begin, std::size_t end) const
{
    if (charset_ != BookmarkCharset::kUndeclared)
        return std::string(text_ + begin, end - begin);
    return StripLineBreaks(text_ + begin, SafeCutLength(text_ + begin, end - begin, kMaxTextBytes));
}

// Inside a start tag: its attributes up to ">", then its text up to the
// end token. False when the tag is not closed or another token comes first.
bool BookmarkReader::ReadTagText(Token end, std::string& text)
{
    std::size_t close = FindByte('>', closeAt_);
    if (close == size_ || close == pos_)
        return false;
    pos_ = close + 1;
    std::size_t textBegin = pos_;
    if (NextToken() != end)
        return false;
    text = TextBetween(textBegin, tokenAt_);
    return true;
}

// After "<H": the level and attributes up to ">", the name up to "</H", then
// "<DL>" with anything but a token in between.
BookmarkReader::HeadingEnd BookmarkReader::ReadHeading(std::string& name)
{
    if (!ReadTagText(kHeadingEnd, name))
        return kBadHeading;
    if (NextToken() == kList)
        return kFolderHeading;
    // Exports from elsewhere title the page with a heading that no list
    // follows; the token met instead is read again by the level.
    replay_ = true;
    return kLoneHeading;
}

// After <A HREF=": the address up to the quote (it may be empty), other
// attributes up to ">", the title up to "</A>".
bool BookmarkReader::ReadAnchor(std::string& url, std::string& title)
{
    std::size_t quote = FindByte('"', quoteAt_);
    if (quote == size_)
        return false;
    const std::size_t kept = charset_ != BookmarkCharset::kUndeclared
                                 ? quote - pos_
                                 : SafeCutLength(text_ + pos_, quote - pos_, kMaxTextBytes);
    url = TextBetween(pos_, pos_ + kept);
    // Past the kept bytes only: the rest of a long address is skipped like
    // an attribute by the search for ">".
    pos_ += kept;
    return ReadTagText(kAnchorEnd, title);
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
        std::string name;
        std::string url;
        switch (NextToken()) {
        case kHtml:
        case kHtmlEnd:
        case kHead:
        case kHeadEnd:
        case kRule:
            break;
        case kHeading: {
            const HeadingEnd end = ReadHeading(name);
            if (end != kFolderHeading) {
                ok = end != kBadHeading;
                break;
            }
            // levels holds the top level besides the open folders.
            if (levels.size() > kMaxDepth)
                return false;
            CollectionNode* folder = level.list->Append(MakeNode(name, nullptr));
            level.holdsFolder = true;
            levels.push_back(Level{folder->children.get(), folder, false});
            break;
        }
        case kAnchor:
            if (!ReadAnchor(url, name)) {
                ok = false;
                break;
            }
            level.list->Append(MakeNode(name, &url));
            break;
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
