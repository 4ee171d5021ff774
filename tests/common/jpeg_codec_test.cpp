#include "common/jpeg_codec.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The about box picture's size: a smooth gradient with a flat block, as a photo-like picture.
common::Image24 MakePicture(int w = 144, int h = 90) {
  common::Image24 img;
  img.width = w;
  img.height = h;
  img.bgr.resize(static_cast<size_t>(w) * h * 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = img.Pixel(x, y);
      const bool block = x >= 40 && x < 80 && y >= 30 && y < 60;
      p[0] = block ? 30 : static_cast<uint8_t>(x * 255 / (w - 1));
      p[1] = block ? 160 : static_cast<uint8_t>(y * 255 / (h - 1));
      p[2] = block ? 40 : 200;
    }
  return img;
}

TEST(JpegCodec, BaselineRoundTripKeepsSizeAndColours) {
  const common::Image24 src = MakePicture();
  const std::vector<uint8_t> jpeg = common::EncodeJpeg(src, 90);
  ASSERT_GT(jpeg.size(), 100u);
  // Baseline: SOF0 marker present.
  bool sof0 = false;
  for (size_t i = 0; i + 1 < jpeg.size(); ++i) sof0 |= jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0;
  EXPECT_TRUE(sof0);

  const common::JpegResult r = common::DecodeJpeg(jpeg);
  ASSERT_TRUE(r.image) << r.error;
  EXPECT_EQ(r.image->width, 144);
  EXPECT_EQ(r.image->height, 90);
  // Inside the flat block the decoded colour is close to the original (lossy codec).
  const uint8_t* p = r.image->Pixel(60, 45);
  EXPECT_NEAR(p[0], 30, 8);
  EXPECT_NEAR(p[1], 160, 8);
  EXPECT_NEAR(p[2], 40, 8);
}

TEST(JpegCodec, DamagedPicturesAreRefusedNotPadded) {
  const std::vector<uint8_t> good = common::EncodeJpeg(MakePicture(), 90);
  ASSERT_FALSE(good.empty());

  std::vector<uint8_t> truncated(good.begin(), good.begin() + good.size() / 2);
  std::vector<uint8_t> header_only(good.begin(), good.begin() + 20);
  std::vector<uint8_t> corrupt = good;
  for (size_t i = corrupt.size() / 3; i < corrupt.size() / 3 + 64; ++i) corrupt[i] = 0xFF;
  std::vector<uint8_t> garbage(500);
  srand(7);
  for (auto& b : garbage) b = static_cast<uint8_t>(rand());
  std::vector<uint8_t> bad_sof = good;  // zero width in the frame header
  for (size_t i = 0; i + 8 < bad_sof.size(); ++i)
    if (bad_sof[i] == 0xFF && bad_sof[i + 1] == 0xC0) {
      bad_sof[i + 7] = 0;
      bad_sof[i + 8] = 0;
      break;
    }

  const struct {
    const char* name;
    const std::vector<uint8_t>& data;
  } cases[] = {{"truncated", truncated}, {"header only", header_only}, {"corrupt", corrupt},
               {"garbage", garbage},     {"zero width", bad_sof},      {"empty", {}}};
  for (const auto& c : cases) {
    const common::JpegResult r = common::DecodeJpeg(c.data);
    EXPECT_FALSE(r.image) << c.name;
    EXPECT_FALSE(r.error.empty()) << c.name;
  }
}

}  // namespace
