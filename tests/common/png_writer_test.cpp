#include "common/png_writer.h"

#include <gtest/gtest.h>

#include <array>

namespace {

uint32_t BE32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

// Reads back the stored-block stream our writer makes and returns the RGB of pixel (x, y).
std::array<uint8_t, 3> ReadPixel(const std::vector<uint8_t>& png, int width, int x, int y) {
  const size_t idat = 8 + 12 + 13;  // signature, IHDR chunk
  std::vector<uint8_t> raw;
  size_t p = idat + 8 + 2;
  for (;;) {
    const bool last = png[p] & 1;
    const size_t n = png[p + 1] | png[p + 2] << 8;
    raw.insert(raw.end(), png.begin() + p + 5, png.begin() + p + 5 + n);
    p += 5 + n;
    if (last) break;
  }
  const size_t at = static_cast<size_t>(y) * (width * 3 + 1) + 1 + x * 3;
  return {raw[at], raw[at + 1], raw[at + 2]};
}

TEST(PngWriter, HeaderAndPixelsInRgbOrder) {
  // Tall enough that the image data needs several stored blocks.
  common::Image24 img;
  img.width = 300;
  img.height = 200;
  img.bgr.assign(300 * 200 * 3, 0);
  img.Pixel(299, 199)[0] = 1;  // blue
  img.Pixel(299, 199)[1] = 2;
  img.Pixel(299, 199)[2] = 3;  // red
  const std::vector<uint8_t> png = common::EncodePng(img);
  ASSERT_GT(png.size(), 300u * 200 * 3);
  EXPECT_EQ(png[1], 'P');
  EXPECT_EQ(BE32(png, 16), 300u);
  EXPECT_EQ(BE32(png, 20), 200u);
  const auto px = ReadPixel(png, 300, 299, 199);
  EXPECT_EQ(px[0], 3);
  EXPECT_EQ(px[1], 2);
  EXPECT_EQ(px[2], 1);
  EXPECT_TRUE(common::EncodePng(common::Image24{}).empty());
}

}  // namespace
