// Picture and colour routines: key-colour replacement, mirrors and rotations, mixing, gradients
// with their cache, and the saturation measure.
#include <gtest/gtest.h>

#include "bmp_files.h"
#include "skin/data/img_util.h"
#include "skin/data/system_info.h"

namespace {

using skin::Bitmap;
using skin::Colour;

TEST(ReplaceMagenta, ReplacesOnlyExactMagenta) {
  Bitmap b = skintest::Picture({"MN", "OM"}, {{'M', 0xFF00FF}, {'N', 0xFF01FF}, {'O', 0xFE00FF}});
  skin::ReplaceMagenta(b, 0x123456);
  EXPECT_EQ(b.Pixel(0, 0), 0x123456);
  EXPECT_EQ(b.Pixel(1, 0), 0xFF01FF);  // green 1: not the key
  EXPECT_EQ(b.Pixel(0, 1), 0xFE00FF);
  EXPECT_EQ(b.Pixel(1, 1), 0x123456);
}

TEST(ReplaceMagenta, SystemColourIsLookedUp) {
  Bitmap b(1, 1, skin::kMagenta);
  skin::ReplaceMagenta(b, skin::SysColourRef(skin::kColorBtnFace));
  EXPECT_EQ(b.Pixel(0, 0), skin::SystemColour(skin::kColorBtnFace));
}

TEST(MirrorAndFlip, MoveEveryPixel) {
  const Bitmap g = skintest::Gradient(5, 3);
  Bitmap m = g;
  skin::MirrorBitmap(m);
  Bitmap f = g;
  skin::FlipBitmap(f);
  for (int32_t y = 0; y < 3; ++y) {
    for (int32_t x = 0; x < 5; ++x) {
      EXPECT_EQ(m.Pixel(x, y), g.Pixel(4 - x, y));
      EXPECT_EQ(f.Pixel(x, y), g.Pixel(x, 2 - y));
    }
  }
  skin::MirrorBitmap(m);
  EXPECT_EQ(m, g);
}

TEST(Rotate, FollowsTheCoordinateRules) {
  const Bitmap g = skintest::Gradient(4, 2);
  Bitmap l = g;
  skin::RotateLeft(l);
  Bitmap r = g;
  skin::RotateRight(r);
  ASSERT_EQ(l.Width(), 2);
  ASSERT_EQ(l.Height(), 4);
  ASSERT_EQ(r.Width(), 2);
  ASSERT_EQ(r.Height(), 4);
  EXPECT_EQ(l.Pixel(0, 0), g.Pixel(3, 0));  // top-left is the old top-right
  for (int32_t y = 0; y < 2; ++y) {
    for (int32_t x = 0; x < 4; ++x) {
      EXPECT_EQ(l.Pixel(y, 3 - x), g.Pixel(x, y));
      EXPECT_EQ(r.Pixel(1 - y, x), g.Pixel(x, y));
    }
  }
  skin::RotateLeft(r);
  EXPECT_EQ(r, g);
  Bitmap empty;
  skin::RotateLeft(empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(MixColors, Table) {
  struct Case {
    Colour c1, c2;
    int32_t w;
    Colour expected;
  } cases[] = {
      {0x0000FF, 0xFF0000, 50, 0x800080},    // (255 * 50 + 50) / 100 = 128 for red and blue
      {0xFFFFFF, 0x000000, 100, 0x1A1A1A},   // per-mille: 10 % of c1, (25500 + 500) / 1000 = 26
      {0xFFFFFF, 0x000000, 99, 0xFCFCFC},    // percentage
      {0x808080, 0x000000, 150, 0x131313},   // 15 % grey: (128 * 150 + 500) / 1000 = 19
      {0x102030, 0x405060, 0, 0x405060},
      {0x102030, 0x405060, 1000, 0x102030},
      {0xFFFFFF, 0x000000, -50, 0x000000},   // outside the range: channels kept at 0..255
      {0xFFFFFF, 0x000000, 5000, 0xFFFFFF},
      {0xFFFFFF, 0x000000, INT32_MAX, 0xFFFFFF},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(skin::MixColors(c.c1, c.c2, c.w), c.expected) << std::hex << c.c1 << " " << c.c2 << " " << std::dec << c.w;
  }
}

TEST(MixColors, ResolvesSystemColours) {
  const Colour face = skin::SystemColour(skin::kColorBtnFace);
  EXPECT_EQ(skin::MixColors(skin::SysColourRef(skin::kColorBtnFace), 0, 1000), face);
}

TEST(Saturation, Table) {
  struct Case {
    Colour c;
    int32_t expected;
  } cases[] = {
      {0x000000, 200}, {0x9F9F9F, 200}, {0x0000FF, 255}, {0xA0A0A0, 0},
      {skin::Rgb(255, 128, 128), 127}, {skin::Rgb(200, 100, 0), 255}, {skin::Rgb(159, 10, 0), 200},
      {skin::Rgb(160, 120, 120), 64},  // 40 / 160 * 255 = 63.75
  };
  for (const Case& c : cases) EXPECT_EQ(skin::Saturation(c.c), c.expected) << std::hex << c.c;
}

TEST(Gradient, StepsFollowTheTruncatingFormula) {
  EXPECT_EQ(skin::GradientSteps(1, 0x000000, 0x0000FF), std::vector<Colour>{0x00007F});
  EXPECT_EQ(skin::GradientSteps(1, 0x0000FF, 0x000000), std::vector<Colour>{0x000080});
  EXPECT_EQ(skin::GradientSteps(3, 0x000000, 0x0000FF), (std::vector<Colour>{0x000000, 0x000080, 0x0000FF}));
  // Descending: (1 + 2 * -255) / 2 truncates toward zero to -254.
  EXPECT_EQ(skin::GradientSteps(3, 0x0000FF, 0x000000), (std::vector<Colour>{0x0000FF, 0x000080, 0x000001}));
  const auto steps = skin::GradientSteps(40, 0xFF0000, 0x00FF00);
  EXPECT_EQ(steps.front(), 0xFF0000);
  EXPECT_EQ(steps.back(), 0x01FF00);
}

TEST(Gradient, CacheReusesSlotsAndOverwritesTheOldest) {
  skin::GradientCache cache;
  cache.Steps(10, 1, 2);
  EXPECT_EQ(cache.LastSlot(), 0);
  EXPECT_FALSE(cache.LastWasHit());
  for (int i = 1; i < 16; ++i) cache.Steps(10 + i, 1, 2);
  const auto again = cache.Steps(10, 1, 2);
  EXPECT_TRUE(cache.LastWasHit());
  EXPECT_EQ(cache.LastSlot(), 0);
  EXPECT_EQ(again.size(), 10u);
  cache.Steps(99, 1, 2);  // the 17th gradient takes the oldest slot
  EXPECT_EQ(cache.LastSlot(), 0);
  cache.Steps(10, 1, 2);
  EXPECT_FALSE(cache.LastWasHit());
  EXPECT_EQ(cache.LastSlot(), 1);
  // A descending gradient is found again too.
  cache.Steps(7, 0xFFFFFF, 0);
  cache.Steps(7, 0xFFFFFF, 0);
  EXPECT_TRUE(cache.LastWasHit());
}

TEST(Gradient, FillDrawsOnlyLinesInsideThePicture) {
  Bitmap b(3, 4, 0x0000FF);
  skin::GradientFill(b, {1, -2, 3, 6}, 0x000000, true, 0x000070);  // 8 rows, 2 above the picture
  const auto steps = skin::GradientSteps(8, 0, 0x70);
  for (int32_t y = 0; y < 4; ++y) {
    EXPECT_EQ(b.Pixel(0, y), 0x0000FF);
    EXPECT_EQ(b.Pixel(1, y), steps[static_cast<size_t>(y + 2)]);
    EXPECT_EQ(b.Pixel(2, y), steps[static_cast<size_t>(y + 2)]);
  }
  Bitmap h(4, 1);
  skin::GradientFill(h, {0, 0, 4, 1}, 0x000000, false, 0x0000FF);
  EXPECT_EQ(h.Pixel(0, 0), 0x000000);
  EXPECT_EQ(h.Pixel(3, 0), 0x0000FF);
  skin::GradientFill(h, {2, 0, 2, 1}, 0xFFFFFF, false, 0xFFFFFF);  // empty: nothing
  EXPECT_EQ(h.Pixel(2, 0), skin::GradientSteps(4, 0, 0xFF)[2]);
}

TEST(WideLeft, CountsCharacters) {
  EXPECT_EQ(skin::WideLeft(L"abc", -1), L"abc");
  EXPECT_EQ(skin::WideLeft(L"abc", 2), L"ab");
  EXPECT_EQ(skin::WideLeft(L"abc", 9), L"abc");
  EXPECT_EQ(skin::WideLeft(L"abc", 0), L"");
  EXPECT_EQ(skin::WideLeft(L"abc", -7), L"");
}

}  // namespace
