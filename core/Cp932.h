#pragma once
#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <string>

// Characters in code page 932 and in UTF-8, converted through the program's
// own tables: the core runs where the system's conversion is not at hand.

// Stands for bytes that are no character.
const std::uint32_t kBadChar = 0xFFFD;

// The character at text[pos] (pos < size), moving pos past it. Bytes that
// start no character give kBadChar and are passed over one at a time.
std::uint32_t DecodeCp932(const char* text, std::size_t size, std::size_t& pos);
std::uint32_t DecodeUtf8(const char* text, std::size_t size, std::size_t& pos);

// Appends c; false, appending nothing, when code page 932 has no such
// character.
bool AppendCp932(std::uint32_t c, std::string& out);
// True when code page 932 has c under a code that reads back as c.
bool RoundTripsCp932(std::uint32_t c);
// The length of the character at text[pos] (pos < size) when it is one of
// code page 932 that is written back with the same bytes; 0 otherwise.
std::size_t KeptCp932Length(const char* text, std::size_t size, std::size_t pos);
void AppendUtf8(std::uint32_t c, std::string& out);

// UTF-8 text in code page 932. A character the code page has not is
// percent-encoded from its UTF-8 bytes, which keeps an address usable;
// bytes that are no UTF-8 become "?".
std::string Cp932FromUtf8(const std::string& utf8);
// Code page 932 text in UTF-8; bytes that are no character become U+FFFD.
std::string Utf8FromCp932(const std::string& cp932);
// Appends the UTF-8 bytes of c as "%XX" escapes.
void AppendPercentEncoded(std::uint32_t c, std::string& out);

// An address that comes in as UTF-16 (from the control's events, a drop):
// code page 932 where a character fits, percent-encoded from its UTF-8
// bytes where it does not, so that the address still opens the same page.
std::string AddressFromUtf16(const char16_t* text, std::size_t length);
#ifdef _WIN32
// The same for the system's zero-ended UTF-16 text; null reads as empty.
inline std::string AddressFromWide(const wchar_t* text)
{
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wide characters");
    return text ? AddressFromUtf16(reinterpret_cast<const char16_t*>(text), std::wcslen(text)) : std::string();
}
#endif
