#include "skin/data/bitmap.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace skin {

bool Bitmap::SizeAllowed(int64_t width, int64_t height) {
  return width >= 0 && height >= 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide &&
         width * height <= kMaxBitmapPixels;
}

Bitmap::Bitmap(int32_t width, int32_t height, Colour fill) {
  if (!SizeAllowed(width, height)) {
    throw BitmapError("bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                      " is out of range");
  }
  if (width == 0 || height == 0) return;
  width_ = width;
  height_ = height;
  stride_ = StrideFor(width);
  bits_.assign(stride_ * static_cast<size_t>(height), 0);
  if ((fill & 0xFFFFFF) != 0) Fill(fill);
}

void Bitmap::FillRect(const common::Rect& r, Colour c) {
  const common::Rect clip = common::Intersect(r, {0, 0, width_, height_});
  if (clip.Empty()) return;
  const uint8_t px[3] = {BlueOf(c), GreenOf(c), RedOf(c)};
  for (int32_t y = clip.top; y < clip.bottom; ++y) {
    uint8_t* p = MutableRow(y) + static_cast<size_t>(clip.left) * 3;
    for (int32_t x = clip.left; x < clip.right; ++x, p += 3) std::memcpy(p, px, 3);
  }
}

Bitmap CopyRect(const Bitmap& source, const common::Rect& r) {
  const common::Rect clip = common::Intersect(r, {0, 0, source.Width(), source.Height()});
  Bitmap out(clip.Width(), clip.Height());
  for (int32_t y = 0; y < out.Height(); ++y) {
    std::memcpy(out.MutableRow(y), source.Row(clip.top + y) + static_cast<size_t>(clip.left) * 3,
                static_cast<size_t>(out.Width()) * 3);
  }
  return out;
}

std::vector<uint32_t> ToBgra32(const Bitmap& b) {
  std::vector<uint32_t> out(static_cast<size_t>(b.Width()) * static_cast<size_t>(b.Height()));
  size_t i = 0;
  for (int32_t y = 0; y < b.Height(); ++y) {
    const uint8_t* p = b.Row(y);
    for (int32_t x = 0; x < b.Width(); ++x, p += 3) {
      out[i++] = p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16);
    }
  }
  return out;
}

}  // namespace skin
