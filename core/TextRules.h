#pragma once
#include <cstddef>
#include <string>

// Byte-length cuts for Shift-JIS (code page 932) text. A cut never leaves a
// lead byte alone at the end: half a character would show as garbage.

// True when the byte starts a double-byte character in code page 932.
bool IsSjisLeadByte(unsigned char c);

// The number of bytes of text to keep so that at most maxBytes remain and no
// double-byte character is split.
std::size_t SafeCutLength(const std::string& text, std::size_t maxBytes);
// The same for the size bytes at text.
std::size_t SafeCutLength(const char* text, std::size_t size, std::size_t maxBytes);

// text cut to at most maxBytes bytes without splitting a character.
std::string CutText(const std::string& text, std::size_t maxBytes);
