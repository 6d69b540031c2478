#include "core/collection/BookmarkText.h"
#include "core/Cp932.h"
#include "core/TextRules.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

namespace {

const char kBom[] = "\xEF\xBB\xBF";

bool SameLetters(char a, char b)
{
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

// Where word starts in [begin, end), in any letter case; end when nowhere.
const char* FindNoCase(const char* begin, const char* end, const char* word)
{
    return std::search(begin, end, word, word + std::strlen(word), SameLetters);
}

bool EqualsNoCase(const std::string& text, const char* word)
{
    return text.size() == std::strlen(word) && std::equal(text.begin(), text.end(), word, SameLetters);
}

BookmarkCharset CharsetNamed(const std::string& name)
{
    if (EqualsNoCase(name, "utf-8"))
        return BookmarkCharset::kUtf8;
    for (const char* sjis : {"shift_jis", "windows-31j", "cp932"}) {
        if (EqualsNoCase(name, sjis))
            return BookmarkCharset::kShiftJis;
    }
    return BookmarkCharset::kUndeclared;
}

// A reference at text[pos] ("&"), moving pos past it; false when the text
// there is none.
bool DecodeReference(const std::string& text, std::size_t& pos, std::uint32_t& c)
{
    // The longest reference is "&#x10FFFF;".
    const std::size_t stop = std::min(text.size(), pos + 11);
    const std::size_t semicolon = std::find(text.begin() + pos, text.begin() + stop, ';') - text.begin();
    if (semicolon == stop)
        return false;
    const std::string body = text.substr(pos + 1, semicolon - pos - 1);
    static const struct {
        const char* name;
        char c;
    } kNamed[] = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& named : kNamed) {
        if (body == named.name) {
            c = static_cast<unsigned char>(named.c);
            pos = semicolon + 1;
            return true;
        }
    }
    if (body.size() < 2 || body[0] != '#')
        return false;
    const bool hex = body[1] == 'x' || body[1] == 'X';
    const std::size_t first = hex ? 2 : 1;
    if (first >= body.size())
        return false;
    std::uint32_t value = 0;
    for (std::size_t i = first; i < body.size(); ++i) {
        const char d = body[i];
        if (!(hex ? std::isxdigit(static_cast<unsigned char>(d)) : std::isdigit(static_cast<unsigned char>(d))))
            return false;
        value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(std::isdigit(static_cast<unsigned char>(d))
                                                                        ? d - '0'
                                                                        : std::tolower(d) - 'a' + 10);
        if (value > 0x10FFFF)
            value = 0x110000;
    }
    const bool bad = value == 0 || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000);
    c = bad ? kBadChar : value;
    pos = semicolon + 1;
    return true;
}

// Calls take(c) for each character of a declared file's text, references
// decoded, line breaks dropped.
template <typename Take>
void ForEachChar(const std::string& text, BookmarkCharset charset, Take take)
{
    const bool utf8 = charset != BookmarkCharset::kShiftJis;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::uint32_t c;
        if (text[pos] != '&' || !DecodeReference(text, pos, c))
            c = utf8 ? DecodeUtf8(text.data(), text.size(), pos) : DecodeCp932(text.data(), text.size(), pos);
        if (c != '\r' && c != '\n')
            take(c);
    }
}

void AppendInCharset(std::uint32_t c, BookmarkCharset charset, std::string& out)
{
    if (charset != BookmarkCharset::kShiftJis)
        AppendUtf8(c, out);
    else if (!AppendCp932(c, out))
        out += "&#" + std::to_string(c) + ";";
}

std::string DeclaredText(const std::string& shown, BookmarkCharset charset, const char* escaped)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < shown.size()) {
        const std::uint32_t c = DecodeCp932(shown.data(), shown.size(), pos);
        if (c == 0 || c == '\r' || c == '\n')
            continue;
        if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";
        else if (c == '<' && std::strchr(escaped, '<'))
            out += "&lt;";
        else if (c == '>' && std::strchr(escaped, '>'))
            out += "&gt;";
        else
            AppendInCharset(c, charset, out);
    }
    return out;
}

}  // namespace

BookmarkCharset DetectCharset(const char* text, std::size_t size)
{
    if (size >= 3 && std::memcmp(text, kBom, 3) == 0)
        return BookmarkCharset::kUtf8Bom;
    const char* dl = "<DL>";
    const char* end = std::search(text, text + size, dl, dl + 4);
    for (const char* meta = FindNoCase(text, end, "<meta"); meta != end; meta = FindNoCase(meta + 1, end, "<meta")) {
        const char* close = std::find(meta, end, '>');
        const char* key = FindNoCase(meta, close, "charset=");
        if (key == close)
            continue;
        const char* at = key + 8;
        if (at != close && (*at == '"' || *at == '\''))
            ++at;
        std::string name;
        while (at != close && (std::isalnum(static_cast<unsigned char>(*at)) || std::strchr("-_.:", *at)))
            name += *at++;
        return CharsetNamed(name);
    }
    return BookmarkCharset::kUndeclared;
}

std::string ShownName(const std::string& fileText, BookmarkCharset charset, std::size_t maxBytes)
{
    std::string out;
    ForEachChar(fileText, charset, [&out](std::uint32_t c) {
        if (c == 0 || !AppendCp932(c, out))
            out += '?';
    });
    return CutText(out, maxBytes);
}

std::string ShownUrl(const std::string& fileText, BookmarkCharset charset, std::size_t maxBytes)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    ForEachChar(fileText, charset, [&out](std::uint32_t c) {
        if (c < 0x80 && c != 0) {
            out += static_cast<char>(c);
            return;
        }
        std::string bytes;
        AppendUtf8(c == 0 ? kBadChar : c, bytes);
        for (unsigned char b : bytes) {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0xF];
        }
    });
    if (out.size() <= maxBytes)
        return out;
    std::size_t cut = maxBytes;
    // An escape cut in half would stand for another byte.
    for (std::size_t back = 1; back <= 2 && back <= cut; ++back) {
        if (out[cut - back] == '%') {
            cut -= back;
            break;
        }
    }
    return out.substr(0, cut);
}

std::string DeclaredFileName(const std::string& shown, BookmarkCharset charset)
{
    return DeclaredText(shown, charset, "<>");
}

std::string DeclaredFileUrl(const std::string& shown, BookmarkCharset charset)
{
    return DeclaredText(shown, charset, "");
}

std::string CharsetDeclaration(BookmarkCharset charset)
{
    const char* name = charset == BookmarkCharset::kShiftJis ? "Shift_JIS" : "UTF-8";
    if (charset == BookmarkCharset::kUndeclared)
        return "";
    return std::string("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=") + name + "\">";
}
