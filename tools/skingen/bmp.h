#pragma once
// 24-bit Windows bitmap files (file header, 40-byte info header, bottom-up rows padded to four
// bytes), the form in which skin images are stored.
#include <cstdint>
#include <vector>

#include "common/image.h"

namespace skingen {

std::vector<uint8_t> EncodeBmp24(const common::Image24& image);

}  // namespace skingen
