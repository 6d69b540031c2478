#pragma once
#include "core/collection/BookmarkText.h"
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

// A browser-style bookmark export of at least targetBytes: nested folders of
// links with Japanese names, attributes on headings and anchors, DD entries
// and HR rules, declaring charset (Shift-JIS text when undeclared). The same
// seed gives the same entries in every character set.
std::string GenerateBookmarkFile(std::size_t targetBytes, std::uint32_t seed,
                                 BookmarkCharset charset = BookmarkCharset::kShiftJis);

// A small random bookmark list, then damaged at `damage` random places:
// spans cut out, or inserted tokens, near-misses of them, quotes, brackets,
// line breaks, double-byte characters, long runs and the odd zero byte.
std::string GenerateTokenSoup(std::mt19937& random, std::size_t damage);
