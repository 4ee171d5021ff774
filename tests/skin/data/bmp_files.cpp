#include "bmp_files.h"

#include <cstring>

namespace skintest {
namespace {

void Put16(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  v[at] = static_cast<uint8_t>(x);
  v[at + 1] = static_cast<uint8_t>(x >> 8);
}
void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
}

}  // namespace

std::vector<uint8_t> BuildBmp(const BmpLayout& s) {
  const bool core = s.headerSize == 12;
  const size_t entry = core ? 3 : 4;
  const bool masksAfter = s.masks && s.headerSize == 40;
  std::vector<uint8_t> f(14 + s.headerSize + (masksAfter ? 12 : 0) + s.palette.size() * entry);
  f[0] = 'B';
  f[1] = 'M';
  const size_t h = 14;
  Put32(f, h, s.headerSize);
  if (core) {
    Put16(f, h + 4, static_cast<uint32_t>(s.width));
    Put16(f, h + 6, static_cast<uint32_t>(s.height));
    Put16(f, h + 8, s.planes);
    Put16(f, h + 10, s.bitCount);
  } else {
    Put32(f, h + 4, static_cast<uint32_t>(s.width));
    Put32(f, h + 8, static_cast<uint32_t>(s.height));
    Put16(f, h + 12, s.planes);
    Put16(f, h + 14, s.bitCount);
    Put32(f, h + 16, s.compression);
    Put32(f, h + 20, static_cast<uint32_t>(s.pixels.size()));
    Put32(f, h + 32, s.colorsUsed.value_or(static_cast<uint32_t>(s.palette.size())));
    if (s.masks && s.headerSize >= 52) {
      for (int i = 0; i < 3; ++i) Put32(f, h + 40 + 4 * i, (*s.masks)[i]);
    }
  }
  size_t at = 14 + s.headerSize;
  if (masksAfter) {
    for (int i = 0; i < 3; ++i) Put32(f, at + 4 * i, (*s.masks)[i]);
    at += 12;
  }
  for (skin::Colour c : s.palette) {
    f[at] = skin::BlueOf(c);
    f[at + 1] = skin::GreenOf(c);
    f[at + 2] = skin::RedOf(c);
    at += entry;
  }
  const uint32_t off = s.offBits.value_or(static_cast<uint32_t>(f.size()));
  if (off > f.size()) f.resize(off, 0xEE);
  Put32(f, 10, off);
  f.insert(f.end(), s.pixels.begin(), s.pixels.end());
  Put32(f, 2, static_cast<uint32_t>(f.size()));
  return f;
}

std::vector<uint8_t> PackRows(const std::vector<std::vector<uint8_t>>& rows, bool topDown) {
  std::vector<uint8_t> out;
  for (size_t i = 0; i < rows.size(); ++i) {
    const auto& r = rows[topDown ? i : rows.size() - 1 - i];
    out.insert(out.end(), r.begin(), r.end());
    out.resize((out.size() + 3) & ~size_t{3}, 0);
  }
  return out;
}

std::vector<uint8_t> Bmp24(const skin::Bitmap& b) {
  BmpLayout s;
  s.width = b.Width();
  s.height = b.Height();
  for (int32_t y = b.Height() - 1; y >= 0; --y) s.pixels.insert(s.pixels.end(), b.Row(y), b.Row(y) + b.Stride());
  return BuildBmp(s);
}

skin::Bitmap Picture(std::initializer_list<const char*> rows, const std::map<char, skin::Colour>& colours) {
  const int32_t h = static_cast<int32_t>(rows.size());
  const int32_t w = h ? static_cast<int32_t>(std::strlen(*rows.begin())) : 0;
  skin::Bitmap b(w, h);
  int32_t y = 0;
  for (const char* row : rows) {
    for (int32_t x = 0; x < w; ++x) b.SetPixel(x, y, colours.at(row[x]));
    ++y;
  }
  return b;
}

skin::Bitmap Solid(int32_t width, int32_t height, skin::Colour c) { return skin::Bitmap(width, height, c); }

skin::Bitmap Gradient(int32_t width, int32_t height, uint8_t tag) {
  skin::Bitmap b(width, height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      b.SetPixel(x, y, skin::Rgb(static_cast<uint8_t>(x), static_cast<uint8_t>(y), tag));
    }
  }
  return b;
}

}  // namespace skintest
