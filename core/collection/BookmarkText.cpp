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
bool DecodeReference(const char* text, std::size_t size, std::size_t& pos, std::uint32_t& c)
{
    // The longest reference is "&#x10FFFF;".
    const char* stop = text + std::min(size, pos + 11);
    const std::size_t semicolon = std::find(text + pos, stop, ';') - text;
    if (text + semicolon == stop)
        return false;
    const std::string body(text + pos + 1, semicolon - pos - 1);
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

// Calls take(c, bytes, length) for each character of a declared file's
// text, references decoded, line breaks dropped; bytes and length are what
// stood in the file for it, null for a reference. False when a line break
// was dropped.
template <typename Take>
bool ForEachChar(const char* text, std::size_t size, BookmarkCharset charset, Take take)
{
    const bool utf8 = charset != BookmarkCharset::kShiftJis;
    bool noBreak = true;
    std::size_t pos = 0;
    while (pos < size) {
        const std::size_t start = pos;
        std::uint32_t c;
        const bool reference = text[pos] == '&' && DecodeReference(text, size, pos, c);
        if (!reference)
            c = utf8 ? DecodeUtf8(text, size, pos) : DecodeCp932(text, size, pos);
        if (c == '\r' || c == '\n')
            noBreak = false;
        else
            take(c, reference ? nullptr : text + start, pos - start);
    }
    return noBreak;
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

// The bulk of names is text with no reference, line break or escaped
// character in it, each of its characters one that code page 932 writes
// back as it was: shown as it is for Shift_JIS, converted without the
// general path's care for UTF-8. These say whether text is such, the last
// appending what it shows (out holds part when it is not).
bool IsPlainAscii(unsigned char b)
{
    return b != 0 && b < 0x80 && !std::strchr("&\"<>\r\n", b);
}

bool IsPlainShiftJis(const char* text, std::size_t size)
{
    for (std::size_t pos = 0; pos < size;) {
        const unsigned char b = static_cast<unsigned char>(text[pos]);
        const std::size_t length = b < 0x80 ? IsPlainAscii(b) : KeptCp932Length(text, size, pos);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

bool AppendPlainUtf8(const char* text, std::size_t size, std::string& out)
{
    for (std::size_t pos = 0; pos < size;) {
        const unsigned char b = static_cast<unsigned char>(text[pos]);
        if (b < 0x80) {
            if (!IsPlainAscii(b))
                return false;
            out += static_cast<char>(b);
            ++pos;
            continue;
        }
        const std::uint32_t c = DecodeUtf8(text, size, pos);
        if (!RoundTripsCp932(c) || !AppendCp932(c, out))
            return false;
    }
    return true;
}

// What plain text shows, when it is no longer than maxBytes.
bool ShowPlain(const char* text, std::size_t size, BookmarkCharset charset, std::size_t maxBytes, std::string& out)
{
    if (charset == BookmarkCharset::kShiftJis) {
        if (size > maxBytes || !IsPlainShiftJis(text, size))
            return false;
        out.assign(text, size);
        return true;
    }
    out.reserve(size);
    return AppendPlainUtf8(text, size, out) && out.size() <= maxBytes;
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

std::string ShownName(const char* text, std::size_t size, BookmarkCharset charset, std::size_t maxBytes,
                      bool* exact)
{
    std::string out;
    if (ShowPlain(text, size, charset, maxBytes, out)) {
        if (exact)
            *exact = true;
        return out;
    }
    out.clear();
    bool same = true;
    same &= ForEachChar(text, size, charset, [&](std::uint32_t c, const char* bytes, std::size_t length) {
        if (bytes && c < 0x80 && IsPlainAscii(static_cast<unsigned char>(c))) {
            out += static_cast<char>(c);
            return;
        }
        const std::size_t at = out.size();
        if (c == 0 || !AppendCp932(c, out)) {
            out += '?';
            same = false;
            return;
        }
        // Written back (see DeclaredText), ASCII here is escaped; any other
        // character read as itself gives the bytes it came from when it
        // keeps its code: UTF-8 has one way to write it, and in Shift_JIS it
        // was that code.
        same = same && bytes && c >= 0x80 && RoundTripsCp932(c) &&
               (charset != BookmarkCharset::kShiftJis || out.compare(at, std::string::npos, bytes, length) == 0);
    });
    const std::size_t kept = SafeCutLength(out, maxBytes);
    same &= kept == out.size();
    out.resize(kept);
    if (exact)
        *exact = same;
    return out;
}

std::string ShownUrl(const char* text, std::size_t size, BookmarkCharset charset, std::size_t maxBytes,
                     bool* exact)
{
    // Most addresses are plain ASCII, shown as the file holds them.
    const char* end = text + size;
    const auto special = [](char b) {
        const unsigned char c = static_cast<unsigned char>(b);
        return c == 0 || c >= 0x80 || c == '&' || c == '"' || c == '\r' || c == '\n';
    };
    if (size <= maxBytes && std::find_if(text, end, special) == end) {
        if (exact)
            *exact = true;
        return std::string(text, size);
    }
    std::string out;
    out.reserve(size);
    bool same = true;
    same &= ForEachChar(text, size, charset, [&](std::uint32_t c, const char* bytes, std::size_t) {
        if (c < 0x80 && c != 0) {
            same &= bytes && c != '&' && c != '"';
            out += static_cast<char>(c);
            return;
        }
        same = false;
        AppendPercentEncoded(c == 0 ? kBadChar : c, out);
    });
    if (exact)
        *exact = same && out.size() <= maxBytes;
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

std::string ShownName(const std::string& fileText, BookmarkCharset charset, std::size_t maxBytes)
{
    return ShownName(fileText.data(), fileText.size(), charset, maxBytes, nullptr);
}

std::string ShownUrl(const std::string& fileText, BookmarkCharset charset, std::size_t maxBytes)
{
    return ShownUrl(fileText.data(), fileText.size(), charset, maxBytes, nullptr);
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
