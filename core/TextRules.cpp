#include "core/TextRules.h"

bool IsSjisLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::size_t SafeCutLength(const std::string& text, std::size_t maxBytes)
{
    return SafeCutLength(text.data(), text.size(), maxBytes);
}

std::size_t SafeCutLength(const char* text, std::size_t size, std::size_t maxBytes)
{
    if (size <= maxBytes)
        return size;
    // Walk characters from the start: a trail byte can look like a lead byte,
    // so only a forward walk knows where characters begin.
    std::size_t pos = 0;
    while (pos < maxBytes) {
        std::size_t width = IsSjisLeadByte(static_cast<unsigned char>(text[pos])) ? 2 : 1;
        if (pos + width > maxBytes)
            break;
        pos += width;
    }
    return pos;
}

std::string CutText(const std::string& text, std::size_t maxBytes)
{
    return text.substr(0, SafeCutLength(text, maxBytes));
}
