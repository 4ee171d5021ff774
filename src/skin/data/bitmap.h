#pragma once
// The skin's in-memory picture: 24 bits per pixel, stored as blue, green, red bytes, rows top-down
// and padded to 4 bytes like a device-independent bitmap, so a platform layer can hand the rows to
// the system in one call. Sizes are checked before anything is allocated.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

#include "common/geometry.h"
#include "skin/data/colour.h"

namespace skin {

// Largest picture the skin accepts: far above any skin image, far below what a hostile header
// could ask for.
constexpr int32_t kMaxBitmapSide = 16384;
constexpr int64_t kMaxBitmapPixels = int64_t{16} * 1024 * 1024;

class BitmapError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Bitmap {
 public:
  Bitmap() = default;
  // A width × height picture filled with one colour. Throws BitmapError for negative sizes and
  // sizes past the limits; a zero side gives an empty picture.
  Bitmap(int32_t width, int32_t height, Colour fill = kBlack);

  static bool SizeAllowed(int64_t width, int64_t height);
  static size_t StrideFor(int32_t width) { return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3}; }

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  common::Size Dimensions() const { return {width_, height_}; }
  size_t Stride() const { return stride_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  void Clear() { *this = Bitmap(); }

  // Rows of Stride() bytes, top row first.
  const uint8_t* Row(int32_t y) const { return bits_.data() + static_cast<size_t>(y) * stride_; }
  uint8_t* MutableRow(int32_t y) {
    native_.reset();
    return bits_.data() + static_cast<size_t>(y) * stride_;
  }
  std::span<const uint8_t> Bits() const { return bits_; }

  // One pixel as a colour (0x00BBGGRR); coordinates must lie inside.
  Colour Pixel(int32_t x, int32_t y) const {
    const uint8_t* p = Row(y) + static_cast<size_t>(x) * 3;
    return Rgb(p[2], p[1], p[0]);
  }
  void SetPixel(int32_t x, int32_t y, Colour c) { StorePixel(MutableRow(y) + static_cast<size_t>(x) * 3, c); }
  // Writes one colour as a stored pixel: blue, green, red.
  static void StorePixel(uint8_t* p, Colour c) {
    p[0] = BlueOf(c);
    p[1] = GreenOf(c);
    p[2] = RedOf(c);
  }
  void Fill(Colour c) { FillRect({0, 0, width_, height_}, c); }
  // Fills the part of the rectangle that lies inside the picture.
  void FillRect(const common::Rect& r, Colour c);

  // A platform layer may keep one object made from these pixels (a GDI bitmap); any change of the
  // pixels drops it.
  const std::shared_ptr<void>& Native() const { return native_; }
  void SetNative(std::shared_ptr<void> native) const { native_ = std::move(native); }

  friend bool operator==(const Bitmap& a, const Bitmap& b) {
    return a.width_ == b.width_ && a.height_ == b.height_ && a.bits_ == b.bits_;
  }

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  size_t stride_ = 0;
  std::vector<uint8_t> bits_;
  mutable std::shared_ptr<void> native_;
};

// The part of a picture inside a rectangle (clipped to the picture) as a new picture.
Bitmap CopyRect(const Bitmap& source, const common::Rect& r);

// Pixels as 32-bit values (blue, green, red, 0), rows top-down without padding.
std::vector<uint32_t> ToBgra32(const Bitmap& b);

}  // namespace skin
