#pragma once
// Builds Windows bitmap files byte by byte for tests: every header kind, depth and compression,
// plus damaged ones. Pictures for skins are written from letter grids.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/bitmap.h"

namespace skintest {

struct BmpLayout {
  uint32_t headerSize = 40;
  int32_t width = 1;
  int32_t height = 1;
  uint16_t planes = 1;
  uint16_t bitCount = 24;
  uint32_t compression = 0;
  std::vector<skin::Colour> palette;  // written as blue, green, red (, 0)
  std::optional<uint32_t> colorsUsed;  // default: palette size
  std::optional<std::array<uint32_t, 3>> masks;  // after a 40-byte header, else inside the header
  std::vector<uint8_t> pixels;  // pixel data exactly as stored
  std::optional<uint32_t> offBits;  // default: right after the colour table
};

std::vector<uint8_t> BuildBmp(const BmpLayout& layout);

// Rows of pixel bytes padded to 4 bytes, given top row first, stored bottom-up unless topDown.
std::vector<uint8_t> PackRows(const std::vector<std::vector<uint8_t>>& rowsTopFirst, bool topDown = false);

// A 24-bit bottom-up file of the picture.
std::vector<uint8_t> Bmp24(const skin::Bitmap& b);

// A picture from rows of letters, one letter per pixel, each letter mapped to a colour.
skin::Bitmap Picture(std::initializer_list<const char*> rows, const std::map<char, skin::Colour>& colours);
// A picture of one colour.
skin::Bitmap Solid(int32_t width, int32_t height, skin::Colour c);
// A picture whose every pixel has a different colour: red = x, green = y, blue = tag.
skin::Bitmap Gradient(int32_t width, int32_t height, uint8_t tag = 0);

}  // namespace skintest
