#pragma once
// Deterministic skin-like test data: Windows bitmaps with a magenta key background, gradients,
// flat runs, frames and some noise, plus a definition text, as a skin's entries.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "skin/data/skin_writer.h"

namespace testing_skin {

// Small deterministic generator (same numbers on every platform).
class Rng {
 public:
  explicit Rng(uint32_t seed) : s_(seed * 2654435761u + 1) {}
  uint32_t Next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
  }
  int Range(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint32_t>(hi - lo + 1)); }

 private:
  uint32_t s_;
};

// A 24-bit bottom-up bitmap file; `pixel` answers 0x00BBGGRR colours.
std::vector<uint8_t> MakeBmp24(int width, int height, const std::function<uint32_t(int x, int y)>& pixel);

// Entries of a skin-like file: "skin.ini" first, then bitmaps until about `approx_bytes`.
skin::SkinEntries MakeSkinLikeEntries(size_t approx_bytes, uint32_t seed);

// Raw bytes with the same character (concatenated bitmaps), `size` bytes exactly.
std::vector<uint8_t> MakeBitmapLikeBytes(size_t size, uint32_t seed);

}  // namespace testing_skin
