#include "bmp.h"

#include <stdexcept>

namespace skingen {
namespace {

void Put16(std::vector<uint8_t>& b, uint16_t v) {
  b.push_back(v & 0xFF);
  b.push_back(v >> 8);
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF);
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const common::Image24& image) {
  if (image.width <= 0 || image.height <= 0 || image.width > 16384 || image.height > 16384)
    throw std::invalid_argument("bitmap size out of range");
  const uint32_t stride = (static_cast<uint32_t>(image.width) * 3 + 3) & ~3u;
  const uint32_t data = stride * static_cast<uint32_t>(image.height);
  std::vector<uint8_t> b;
  b.reserve(54 + data);
  b.push_back('B');
  b.push_back('M');
  Put32(b, 54 + data);
  Put32(b, 0);
  Put32(b, 54);
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(image.width));
  Put32(b, static_cast<uint32_t>(image.height));  // positive: rows bottom-up
  Put16(b, 1);
  Put16(b, 24);
  Put32(b, 0);  // BI_RGB
  Put32(b, data);
  Put32(b, 2835);  // 72 dpi
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    const uint8_t* row = image.Pixel(0, y);
    b.insert(b.end(), row, row + image.width * 3);
    for (uint32_t pad = image.width * 3; pad < stride; ++pad) b.push_back(0);
  }
  return b;
}

}  // namespace skingen
