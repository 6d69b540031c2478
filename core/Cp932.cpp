#include "core/Cp932.h"
#include "core/Cp932Table.h"
#include "core/TextRules.h"

#include <vector>

namespace {

// The tables spread out by key, 0 standing for no value: one look-up per
// character rather than a search, which reading a large declared file would
// otherwise spend most of its time on. Made on first use.
std::vector<std::uint16_t> Spread(const Cp932Pair* table, std::size_t count)
{
    std::vector<std::uint16_t> values(0x10000, 0);
    for (std::size_t i = 0; i < count; ++i)
        values[table[i].key] = table[i].value;
    return values;
}

const std::vector<std::uint16_t>& CharOfCode()
{
    static const std::vector<std::uint16_t> values = Spread(kCp932Decode, kCp932DecodeCount);
    return values;
}

const std::vector<std::uint16_t>& CodeOfChar()
{
    static const std::vector<std::uint16_t> values = Spread(kCp932Encode, kCp932EncodeCount);
    return values;
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
    const std::vector<std::uint16_t>& charOf = CharOfCode();
    if (IsSjisLeadByte(lead) && pos < size) {
        if (const std::uint16_t c = charOf[lead << 8 | static_cast<unsigned char>(text[pos])]) {
            ++pos;
            return c;
        }
    }
    return charOf[lead] ? charOf[lead] : kBadChar;
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
    const std::uint16_t code = c > 0xFFFF ? 0 : CodeOfChar()[c];
    if (!code)
        return false;
    if (code > 0xFF)
        out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
    return true;
}

bool RoundTripsCp932(std::uint32_t c)
{
    const std::uint16_t code = c < 0x80 || c > 0xFFFF ? 0 : CodeOfChar()[c];
    return c < 0x80 || (code && CharOfCode()[code] == c);
}

std::size_t KeptCp932Length(const char* text, std::size_t size, std::size_t pos)
{
    const unsigned char lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80)
        return 1;
    const bool pair = IsSjisLeadByte(lead) && pos + 1 < size;
    const std::uint16_t code = pair ? lead << 8 | static_cast<unsigned char>(text[pos + 1]) : lead;
    const std::uint16_t c = CharOfCode()[code];
    return c && CodeOfChar()[c] == code ? (pair ? 2 : 1) : 0;
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

namespace {
void AppendAddressChar(std::uint32_t c, std::string& out)
{
    if (!AppendCp932(c, out))
        AppendPercentEncoded(c, out);
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
        else
            AppendAddressChar(c, out);
    }
    return out;
}

std::string AddressFromUtf16(const char16_t* text, std::size_t length)
{
    std::string out;
    out.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        std::uint32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = kBadChar;  // half a pair
        if (c != 0)
            AppendAddressChar(c, out);
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
