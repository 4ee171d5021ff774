#pragma once
// LZHUF encoder (LZSS with a binary-tree match finder, adaptive Huffman coding), producing what
// TLZH and any decoder of the published algorithm read: a 4-byte little-endian uncompressed
// length followed by the bit stream.
#include <cstdint>
#include <span>
#include <vector>

namespace skin {

// Throws std::length_error for input of 2 GiB or more (the length field is signed 32-bit).
std::vector<uint8_t> LzhCompress(std::span<const uint8_t> input);

}  // namespace skin
