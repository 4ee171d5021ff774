// The nine-part rule: frame cells, the pieces for a target size, and the pixels they produce.
#include <gtest/gtest.h>

#include "bmp_files.h"
#include "skin/data/nine_slice.h"

namespace {

using skin::Bitmap;
using skin::Rect;
using skin::SlicePiece;

TEST(FrameCell, Table) {
  struct Case {
    skin::Size image;
    bool stacked;
    int32_t count, index;
    Rect expected;
  } cases[] = {
      {{40, 10}, false, 4, 1, {0, 0, 10, 10}},
      {{40, 10}, false, 4, 3, {20, 0, 30, 10}},
      {{10, 60}, true, 2, 2, {0, 30, 10, 60}},
      {{41, 10}, false, 4, 4, {30, 0, 40, 10}},  // remainder pixels belong to no frame
      {{40, 10}, false, 0, 1, {0, 0, 40, 10}},   // frame count 0 never divides
      {{40, 10}, false, -3, 2, {0, 0, 40, 10}},
      {{40, 10}, false, 4, 9, {30, 0, 40, 10}},  // index kept inside the image
      {{40, 10}, false, 4, 0, {0, 0, 10, 10}},
      {{3, 10}, false, 5, 2, {0, 0, 0, 10}},     // frames narrower than a pixel: empty cell
  };
  for (const Case& c : cases) {
    EXPECT_EQ(skin::FrameCell(c.image, c.stacked, c.count, c.index), c.expected)
        << c.image.cx << "x" << c.image.cy << " " << c.count << "/" << c.index;
  }
}

std::vector<Rect> Dsts(const std::vector<SlicePiece>& pieces) {
  std::vector<Rect> out;
  for (const auto& p : pieces) out.push_back(p.dst);
  return out;
}

TEST(NineSlicePieces, AllNinePartsInDrawingOrder) {
  const auto pieces = skin::NineSlicePieces({20, 12}, {10, 0, 20, 8}, {2, 3, 4, 1}, false);
  const std::vector<Rect> src = {
      {10, 0, 12, 3}, {10, 7, 12, 8}, {16, 0, 20, 3},  // corners top-left, bottom-left, top-right
      {10, 3, 12, 7}, {12, 0, 16, 3},                  // left and top edges
      {12, 3, 16, 7},                                  // centre
      {16, 7, 20, 8}, {16, 3, 20, 7}, {12, 7, 16, 8}}; // bottom-right, right and bottom edges
  const std::vector<Rect> dst = {{0, 0, 2, 3},   {0, 11, 2, 12}, {16, 0, 20, 3}, {0, 3, 2, 11}, {2, 0, 16, 3},
                                 {2, 3, 16, 11}, {16, 11, 20, 12}, {16, 3, 20, 11}, {2, 11, 16, 12}};
  ASSERT_EQ(pieces.size(), 9u);
  for (size_t i = 0; i < pieces.size(); ++i) {
    EXPECT_EQ(pieces[i].src, src[i]) << i;
    EXPECT_EQ(pieces[i].dst, dst[i]) << i;
    EXPECT_EQ(pieces[i].tiled, false);
  }
}

TEST(NineSlicePieces, MarginsThatDoNotFitAreDropped) {
  // Narrower than left + right: no corners, the whole width is centre and top/bottom edges.
  EXPECT_EQ(Dsts(skin::NineSlicePieces({5, 10}, {0, 0, 10, 10}, {3, 2, 3, 2}, true)),
            (std::vector<Rect>{{0, 0, 5, 2}, {0, 2, 5, 8}, {0, 8, 5, 10}}));
  // Exactly as wide as the margins: they still fit, the centre is empty.
  EXPECT_EQ(Dsts(skin::NineSlicePieces({6, 4}, {0, 0, 10, 10}, {3, 0, 3, 0}, false)),
            (std::vector<Rect>{{0, 0, 3, 4}, {3, 0, 6, 4}}));
  // Lower than top + bottom.
  EXPECT_EQ(Dsts(skin::NineSlicePieces({10, 3}, {0, 0, 10, 10}, {0, 2, 0, 2}, false)),
            (std::vector<Rect>{{0, 0, 10, 3}}));
  // Negative margins count as none; huge ones are dropped without overflow.
  EXPECT_EQ(Dsts(skin::NineSlicePieces({4, 4}, {0, 0, 8, 8}, {-5, -5, -5, -5}, false)),
            (std::vector<Rect>{{0, 0, 4, 4}}));
  EXPECT_EQ(Dsts(skin::NineSlicePieces({4, 4}, {0, 0, 8, 8}, {INT32_MAX, 0, INT32_MAX, 0}, false)),
            (std::vector<Rect>{{0, 0, 4, 4}}));
  EXPECT_TRUE(skin::NineSlicePieces({0, 4}, {0, 0, 8, 8}, {}, false).empty());
  EXPECT_TRUE(skin::NineSlicePieces({4, 4}, {0, 0, 0, 8}, {}, false).empty());
}

TEST(NineSlicePieces, OnlyTheCentreIsTiled) {
  const auto pieces = skin::NineSlicePieces({9, 9}, {0, 0, 5, 5}, {1, 1, 1, 1}, true);
  for (const auto& p : pieces) EXPECT_EQ(p.tiled, (p.dst == Rect{1, 1, 8, 8}));
}

TEST(StretchCopy, NearestPixelAtPixelCentres) {
  const Bitmap g = skintest::Gradient(4, 1);
  Bitmap wide(8, 1);
  skin::StretchCopy(wide, {0, 0, 8, 1}, g, {0, 0, 4, 1});
  for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(skin::RedOf(wide.Pixel(x, 0)), x / 2);
  Bitmap narrow(2, 1);
  skin::StretchCopy(narrow, {0, 0, 2, 1}, g, {0, 0, 4, 1});
  EXPECT_EQ(skin::RedOf(narrow.Pixel(0, 0)), 1);
  EXPECT_EQ(skin::RedOf(narrow.Pixel(1, 0)), 3);
  // A source reaching past the image leaves those target pixels alone.
  Bitmap t(4, 1, 0xABCDEF);
  skin::StretchCopy(t, {0, 0, 4, 1}, g, {2, 0, 6, 1});
  EXPECT_EQ(skin::RedOf(t.Pixel(1, 0)), 3);
  EXPECT_EQ(t.Pixel(2, 0), 0xABCDEF);
}

TEST(CompositeSkinBitmap, CornersCopiedEdgesStretchedCentreTiled) {
  // Second of two side-by-side frames, 6 x 6 each, margins 2 on every side.
  const Bitmap image = skintest::Gradient(12, 6);
  const Bitmap out = skin::CompositeSkinBitmap({10, 8}, image, {2, 2, 2, 2}, false, true, 2, 2);
  ASSERT_EQ(out.Dimensions(), (skin::Size{10, 8}));
  auto at = [&](int32_t x, int32_t y) { return out.Pixel(x, y); };
  EXPECT_EQ(at(0, 0), image.Pixel(6, 0));  // top-left corner 1:1
  EXPECT_EQ(at(1, 1), image.Pixel(7, 1));
  EXPECT_EQ(at(9, 7), image.Pixel(11, 5));  // bottom-right corner
  EXPECT_EQ(at(8, 0), image.Pixel(10, 0));  // top-right corner
  EXPECT_EQ(at(0, 6), image.Pixel(6, 4));   // bottom-left corner
  // Centre 2 x 2 tiled over 6 x 4 from its top-left corner.
  for (int32_t y = 2; y < 6; ++y) {
    for (int32_t x = 2; x < 8; ++x) {
      EXPECT_EQ(at(x, y), image.Pixel(8 + (x - 2) % 2, 2 + (y - 2) % 2)) << x << "," << y;
    }
  }
  // Top edge stretched: 2 source columns over 6 target columns.
  EXPECT_EQ(at(2, 0), image.Pixel(8, 0));
  EXPECT_EQ(at(7, 0), image.Pixel(9, 0));
  // Left edge stretched: 2 source rows over 4.
  EXPECT_EQ(at(0, 2), image.Pixel(6, 2));
  EXPECT_EQ(at(0, 5), image.Pixel(6, 3));
}

TEST(CompositeSkinBitmap, StackedFramesAndStretchedCentre) {
  const Bitmap image = skintest::Gradient(4, 8);  // two stacked frames of 4 x 4
  const Bitmap out = skin::CompositeSkinBitmap({8, 8}, image, {0, 0, 0, 0}, true, false, 2, 2);
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(out.Pixel(x, y), image.Pixel(x / 2, 4 + y / 2));
  }
}

TEST(CompositeSkinBitmap, EmptyInputsAndTargets) {
  EXPECT_TRUE(skin::CompositeSkinBitmap({0, 5}, skintest::Gradient(2, 2), {}, false, false, 1, 1).Empty());
  EXPECT_TRUE(skin::CompositeSkinBitmap({-3, 5}, skintest::Gradient(2, 2), {}, false, false, 1, 1).Empty());
  const Bitmap blank = skin::CompositeSkinBitmap({3, 2}, Bitmap(), {1, 1, 1, 1}, false, false, 0, 0);
  EXPECT_EQ(blank, Bitmap(3, 2));
  // Frame count 0 from a definition: the whole image is the frame.
  const Bitmap g = skintest::Gradient(2, 2);
  EXPECT_EQ(skin::CompositeSkinBitmap({2, 2}, g, {}, false, false, 0, 1), g);
}

TEST(DrawBitmap, KeyColourIsLeftOut) {
  const Bitmap src = skintest::Picture({"AM", "MA"}, {{'A', 0x010203}, {'M', skin::kMagenta}});
  Bitmap t(3, 3, 0x777777);
  skin::DrawBitmap(t, {1, 1}, src, true);
  EXPECT_EQ(t.Pixel(1, 1), 0x010203);
  EXPECT_EQ(t.Pixel(2, 1), 0x777777);
  EXPECT_EQ(t.Pixel(1, 2), 0x777777);
  EXPECT_EQ(t.Pixel(2, 2), 0x010203);
  skin::DrawBitmap(t, {-1, -1}, src, false);  // clipped at the top-left
  EXPECT_EQ(t.Pixel(0, 0), 0x010203);
  skin::DrawBitmap(t, {50, 50}, src, false);
}

TEST(DrawCenteredFrame, NaturalSizeInTheMiddle) {
  const Bitmap image = skintest::Gradient(6, 2, 7);  // three frames of 2 x 2
  Bitmap t(6, 4);
  skin::DrawCenteredFrame(t, {0, 0, 6, 4}, image, false, 3, 2);
  EXPECT_EQ(t.Pixel(2, 1), image.Pixel(2, 0));
  EXPECT_EQ(t.Pixel(3, 2), image.Pixel(3, 1));
  EXPECT_EQ(t.Pixel(1, 1), 0);
  EXPECT_EQ(t.Pixel(4, 1), 0);
}

}  // namespace
