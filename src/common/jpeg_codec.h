#pragma once
// JPEG through libjpeg. Decoding is strict: a picture that libjpeg can only partly read (truncated or
// corrupt data, which libjpeg would pad with grey) counts as unreadable, so callers show nothing
// rather than a damaged picture.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/image.h"

namespace common {

struct JpegResult {
  std::optional<Image24> image;
  std::string error;  // libjpeg's message when image is empty
};

JpegResult DecodeJpeg(std::span<const uint8_t> data);

// Baseline JPEG of the picture; empty on failure.
std::vector<uint8_t> EncodeJpeg(const Image24& image, int quality);

}  // namespace common
