#pragma once
#include <cstddef>
#include <cstdint>

// Code page 932 beside Unicode, generated at build time (tools/mkcp932.py).
struct Cp932Pair {
    std::uint16_t key;
    std::uint16_t value;
};

// Code (one byte, or lead byte << 8 | trail byte) to character, sorted by code.
extern const Cp932Pair kCp932Decode[];
extern const std::size_t kCp932DecodeCount;
// Character to code, sorted by character. ASCII is in neither table.
extern const Cp932Pair kCp932Encode[];
extern const std::size_t kCp932EncodeCount;
