#pragma once
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

// A browser-style bookmark export of at least targetBytes: nested folders of
// links with Shift-JIS names, attributes on headings and anchors, DD entries
// and HR rules. The same seed gives the same file.
std::string GenerateBookmarkFile(std::size_t targetBytes, std::uint32_t seed);

// A small random bookmark list, then damaged at `damage` random places:
// spans cut out, or inserted tokens, near-misses of them, quotes, brackets,
// line breaks, double-byte characters, long runs and the odd zero byte.
std::string GenerateTokenSoup(std::mt19937& random, std::size_t damage);
