#pragma once
// TLZH: decoder for the LZHUF format (LZSS with adaptive Huffman coding, N=4096, F=60) that skin
// files are compressed with. The work is done on whole in-memory buffers; the callback form of
// Unpack is a thin adapter around that path.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

#include "skin/data/lzhuf_model.h"

namespace skin {

class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kLzhNoMemoryText = "LZH : Cannot get memory for dictionary tables";

// A match is copied whole, so the decoder may produce up to 59 bytes more than asked.
inline constexpr size_t kLzhMaxOverrun = lzh::F - 1;
// Room beyond the requested count that UnpackInto needs in its output buffer: a match begun
// before the count is written 64 bytes wide.
inline constexpr size_t kLzhOutputSlack = 80;

// The most bytes a compressed stream of `compressed_bytes` bytes can produce before the decoder
// has to start a symbol beyond its end. A symbol costs at least one bit and a match at least ten
// bits (one for the length, nine for the position), so no bit yields more than six bytes, and the
// last symbol begun inside the data adds at most 60: 6 * (bits - 1) + 60.
constexpr uint64_t LzhMaxOutput(uint64_t compressed_bytes) {
  return compressed_bytes == 0 ? 0 : 6 * (8 * compressed_bytes - 1) + lzh::F;
}

class TLZH {
 public:
  TLZH();  // throws ElzhException when the tables cannot be allocated

  // Decodes `input` until at least `count` bytes are produced. `out` must have room for
  // count + kLzhOutputSlack bytes; returns how many were produced (count to count + 59). Input
  // past its end reads as zero bits. Every call starts from a fresh model and ring.
  size_t UnpackInto(std::span<const uint8_t> input, size_t count, uint8_t* out);

  // The same into a vector that ends up holding exactly the bytes produced.
  void Unpack(std::span<const uint8_t> input, size_t count, std::vector<uint8_t>& out);

  // Stream form: `read` delivers up to the asked number of bytes and answers how many it
  // delivered (fewer once the input is exhausted); `write` receives everything produced. Answers
  // false, writing nothing, when count is negative or more than the input could ever produce.
  using ReadBytes = std::function<size_t(uint8_t* buffer, size_t wanted)>;
  using WriteBytes = std::function<void(const uint8_t* data, size_t size)>;
  bool Unpack(int32_t count, const ReadBytes& read, const WriteBytes& write);

 private:
  std::unique_ptr<lzh::HuffmanModel> model_;  // about 9 KB, kept off the caller's stack
};

// A compressed file: 4-byte little-endian uncompressed length followed by the stream.
enum class LzhStatus { Ok, Truncated, BadLength };

// Decodes a whole compressed file into `image` (all bytes produced). Refuses, before allocating,
// a file shorter than its length field (Truncated) and a length that is negative or more than the
// stream could produce (BadLength).
LzhStatus LzhDecompress(std::span<const uint8_t> file, std::vector<uint8_t>& image);

}  // namespace skin
