#include "tests/core/collection/ReferenceReader.h"
#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"

#include <cstring>

namespace {

const char* const kTokens[] = {
    "<HTML>", "</HTML>", "<HEAD>", "</HEAD>", "<HR>", "<H",
    "<A HREF=\"", "<DL>", "</H", "</A>", "</DL>",
};

// Token numbers 1 to 11 in table order; 0 when none is left.
int NextToken(const char*& cursor, const char** start = nullptr)
{
    const char* best = nullptr;
    int bestIndex = 0;
    for (int i = 0; i < 11; ++i) {
        const char* hit = std::strstr(cursor, kTokens[i]);
        if (hit && (!best || hit < best)) {
            best = hit;
            bestIndex = i + 1;
        }
    }
    if (!best)
        return 0;
    if (start)
        *start = best;
    cursor = best + std::strlen(kTokens[bestIndex - 1]);
    return bestIndex;
}

// At most 255 bytes; a lead byte whose trail byte lies past them goes too.
std::size_t KeptLength(const char* begin, std::size_t length)
{
    std::size_t kept = 0;
    while (kept < length && kept < 255) {
        const unsigned char c = static_cast<unsigned char>(begin[kept]);
        const std::size_t width = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC) ? 2 : 1;
        if (kept + width > 255)
            break;
        kept += width;
    }
    return kept < length ? kept : length;
}

std::string Kept(const char* begin, std::size_t length)
{
    std::string text(begin, KeptLength(begin, length));
    std::string stripped;
    for (char c : text) {
        if (c != '\r' && c != '\n')
            stripped += c;
    }
    return stripped;
}

// 1: the list ended, 2: it ended holding a folder, 0: a syntax error ended
// it, -1: a folder past level 256 ended the whole reading.
int ParseList(CollectionNodeList& list, const char*& cursor, int depth)
{
    int result = 1;
    int replay = -1;
    for (;;) {
        const char* tokenStart = nullptr;
        const int token = replay >= 0 ? replay : NextToken(cursor);
        replay = -1;
        switch (token) {
        case 1: case 2: case 3: case 4: case 5:
            break;
        case 6: {
            const char* close = std::strchr(cursor, '>');
            if (!close || close == cursor)
                return 0;
            cursor = close + 1;
            const char* nameBegin = cursor;
            if (NextToken(cursor, &tokenStart) != 9)
                return 0;
            std::string name = Kept(nameBegin, tokenStart - nameBegin);
            // No list after the heading: no folder; read on from the token met.
            const int after = NextToken(cursor);
            if (after != 8) {
                replay = after;
                break;
            }
            if (depth == 256)
                return -1;
            CollectionNode* folder = list.Append(CollectionNode::MakeFolder(name));
            const int inner = ParseList(*folder->children, cursor, depth + 1);
            if (inner < 0)
                return -1;
            if (inner == 2)
                folder->hasSubfolders = 1;
            result = 2;
            break;
        }
        case 7: {
            const char* quote = std::strchr(cursor, '"');
            if (!quote)
                return 0;
            const std::size_t kept = KeptLength(cursor, quote - cursor);
            std::string url = Kept(cursor, kept);
            cursor += kept;
            const char* close = std::strchr(cursor, '>');
            if (!close || close == cursor)
                return 0;
            cursor = close + 1;
            const char* titleBegin = cursor;
            if (NextToken(cursor, &tokenStart) != 10)
                return 0;
            list.Append(CollectionNode::MakeLink(Kept(titleBegin, tokenStart - titleBegin), url));
            break;
        }
        case 8: case 9: case 10:
            return 0;
        default:
            return result;
        }
    }
}

}  // namespace

bool ReferenceRead(const std::string& text, CollectionNodeList& list)
{
    const char* cursor = text.c_str();
    return ParseList(list, cursor, 0) > 0;
}
