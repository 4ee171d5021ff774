// The picture type: sizes checked before allocation, clipped fills and copies, and a platform
// object dropped whenever the pixels change.
#include <gtest/gtest.h>

#include "bmp_files.h"
#include "skin/data/bitmap.h"

namespace {

using skin::Bitmap;

TEST(Bitmap, RefusesSizesOutOfRange) {
  struct Case {
    int32_t w, h;
    bool ok;
  } cases[] = {{0, 0, true},        {0, 5, true},         {3, 2, true},
               {-1, 1, false},      {1, -1, false},       {16384, 1024, true},
               {16385, 1, false},   {1, 16385, false},    {16384, 16384, false},
               {INT32_MAX, 2, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h));
    if (c.ok) {
      const Bitmap b(c.w, c.h);
      EXPECT_EQ(b.Empty(), c.w == 0 || c.h == 0);
    } else {
      EXPECT_THROW(Bitmap(c.w, c.h), skin::BitmapError);
    }
  }
}

TEST(Bitmap, RowsArePaddedToFourBytes) {
  EXPECT_EQ(Bitmap(1, 1).Stride(), 4u);
  EXPECT_EQ(Bitmap(4, 1).Stride(), 12u);
  EXPECT_EQ(Bitmap(5, 1).Stride(), 16u);
  const Bitmap b(3, 2, 0x123456);
  EXPECT_EQ(b.Bits().size(), 2 * b.Stride());
  EXPECT_EQ(b.Row(1)[0], 0x12);  // blue first
  EXPECT_EQ(b.Row(1)[2], 0x56);
  EXPECT_EQ(b.Pixel(2, 1), 0x123456);
}

TEST(Bitmap, FillRectIsClippedToThePicture) {
  Bitmap b(4, 3);
  b.FillRect({-5, 1, 2, 99}, 0xFF);
  for (int32_t y = 0; y < 3; ++y) {
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(b.Pixel(x, y), (x < 2 && y >= 1) ? 0xFF : 0) << x << "," << y;
  }
  b.FillRect({3, 3, 1, 1}, 0xFFFFFF);  // inverted: nothing
  EXPECT_EQ(b.Pixel(2, 2), 0);
}

TEST(Bitmap, CopyRectTakesTheClippedPart) {
  const Bitmap g = skintest::Gradient(6, 4);
  const Bitmap part = skin::CopyRect(g, {4, 2, 9, 9});
  ASSERT_EQ(part.Width(), 2);
  ASSERT_EQ(part.Height(), 2);
  EXPECT_EQ(part.Pixel(1, 1), g.Pixel(5, 3));
  EXPECT_TRUE(skin::CopyRect(g, {7, 0, 9, 1}).Empty());
}

TEST(Bitmap, NativeObjectIsDroppedWhenPixelsChange) {
  Bitmap b(2, 2);
  b.SetNative(std::make_shared<int>(1));
  const Bitmap copy = b;  // same pixels: the object stays valid for the copy
  b.SetPixel(0, 0, 1);
  EXPECT_EQ(b.Native(), nullptr);
  EXPECT_NE(copy.Native(), nullptr);
}

TEST(Bitmap, ToBgra32KeepsChannelOrder) {
  const Bitmap b(1, 1, skin::Rgb(1, 2, 3));
  EXPECT_EQ(skin::ToBgra32(b), std::vector<uint32_t>{0x010203u});
}

}  // namespace
