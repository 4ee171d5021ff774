#pragma once
// A plain transcription of the published LZHUF decoder (one bit at a time, 16-bit tables, a real
// ring buffer) that the fast decoder and the encoder are checked against.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace testing_lzh {

// Decodes until at least `textsize` bytes are produced; input past the end reads as zero.
std::vector<uint8_t> ReferenceDecode(std::span<const uint8_t> stream, size_t textsize);

}  // namespace testing_lzh
