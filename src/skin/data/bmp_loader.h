#pragma once
// Reads a Windows bitmap file as a bitmap object loads it from a stream: the 14-byte file header,
// a core (12-byte) or info (40/52/56/108/124-byte) header, 1/4/8/16/24/32 bits per pixel, rows
// bottom-up or top-down, bit-field masks, RLE4 and RLE8. Anything else, and any damaged file, is
// refused with a BmpError that says why; nothing in the file can make it crash or overrun.
#include <cstdint>
#include <span>
#include <string>

#include "skin/data/bitmap.h"

namespace skin {

class BmpError : public BitmapError {
 public:
  using BitmapError::BitmapError;
};

// Throws BmpError.
Bitmap LoadBmp(std::span<const uint8_t> file);

// The same without exceptions: false and a message when the file is refused.
bool TryLoadBmp(std::span<const uint8_t> file, Bitmap& out, std::string& error);

}  // namespace skin
