#include "core/Cp932.h"
#include "core/Cp932Table.h"
#include "core/TextRules.h"

#include <algorithm>

namespace {

bool FindValue(const Cp932Pair* table, std::size_t count, std::uint32_t key, std::uint16_t& value)
{
    const Cp932Pair* end = table + count;
    const Cp932Pair* hit =
        std::lower_bound(table, end, key, [](const Cp932Pair& pair, std::uint32_t k) { return pair.key < k; });
    if (hit == end || hit->key != key)
        return false;
    value = hit->value;
    return true;
}

bool IsTrail(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

}  // namespace

std::uint32_t DecodeCp932(const char* text, std::size_t size, std::size_t& pos)
{
    const unsigned char lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    std::uint16_t value;
    if (IsSjisLeadByte(lead) && pos < size) {
        const std::uint32_t code = lead << 8 | static_cast<unsigned char>(text[pos]);
        if (FindValue(kCp932Decode, kCp932DecodeCount, code, value)) {
            ++pos;
            return value;
        }
    }
    return FindValue(kCp932Decode, kCp932DecodeCount, lead, value) ? value : kBadChar;
}

std::uint32_t DecodeUtf8(const char* text, std::size_t size, std::size_t& pos)
{
    const unsigned char lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    std::size_t more;
    std::uint32_t c;
    std::uint32_t least;
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3, c = lead & 0x07, least = 0x10000;
    } else {
        return kBadChar;
    }
    std::size_t at = pos;
    for (std::size_t i = 0; i < more; ++i, ++at) {
        if (at >= size || !IsTrail(static_cast<unsigned char>(text[at])))
            return kBadChar;
        c = c << 6 | (static_cast<unsigned char>(text[at]) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return kBadChar;
    pos = at;
    return c;
}

bool AppendCp932(std::uint32_t c, std::string& out)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
        return true;
    }
    std::uint16_t code;
    if (c > 0xFFFF || !FindValue(kCp932Encode, kCp932EncodeCount, c, code))
        return false;
    if (code > 0xFF)
        out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
    return true;
}

void AppendUtf8(std::uint32_t c, std::string& out)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendPercentEncoded(std::uint32_t c, std::string& out)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string bytes;
    AppendUtf8(c, bytes);
    for (unsigned char b : bytes) {
        out += '%';
        out += kHex[b >> 4];
        out += kHex[b & 0xF];
    }
}

std::string Cp932FromUtf8(const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::uint32_t c = DecodeUtf8(utf8.data(), utf8.size(), pos);
        if (c == kBadChar)
            out += '?';
        else if (!AppendCp932(c, out))
            AppendPercentEncoded(c, out);
    }
    return out;
}

std::string Utf8FromCp932(const std::string& cp932)
{
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    for (std::size_t pos = 0; pos < cp932.size();)
        AppendUtf8(DecodeCp932(cp932.data(), cp932.size(), pos), out);
    return out;
}
