#pragma once
// Minimal PNG writer (truecolour, 8 bits per channel, stored deflate blocks): screenshots and
// contact sheets only need files that any viewer opens, not small ones.
#include <cstdint>
#include <string>
#include <vector>

#include "common/image.h"

namespace common {

std::vector<uint8_t> EncodePng(const Image24& image);
bool WritePngFile(const Image24& image, const std::string& path);

}  // namespace common
