#pragma once
// A plain 24-bit picture in memory: rows top-down, pixels as blue, green, red bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace common {

struct Image24 {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bgr;  // width * height * 3 bytes, no row padding

  bool empty() const { return width <= 0 || height <= 0; }
  uint8_t* Pixel(int x, int y) { return &bgr[(static_cast<size_t>(y) * width + x) * 3]; }
  const uint8_t* Pixel(int x, int y) const { return &bgr[(static_cast<size_t>(y) * width + x) * 3]; }
};

}  // namespace common
