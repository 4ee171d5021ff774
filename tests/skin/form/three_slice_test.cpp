// The caption-text background's three-part rule: pieces and pixels.
#include <gtest/gtest.h>

#include <vector>

#include "skin/form/three_slice.h"

namespace {

using skin::Rect;

struct Piece {
  Rect src, dst;
};

std::vector<Piece> Pieces(const Rect& dst, const Rect& cell, int32_t l, int32_t r) {
  std::vector<Piece> out;
  for (const auto& p : skin::ThreeSlicePieces(dst, cell, l, r)) {
    EXPECT_FALSE(p.tiled);
    out.push_back({p.src, p.dst});
  }
  return out;
}

void ExpectPieces(const std::vector<Piece>& got, const std::vector<Piece>& want, const char* what) {
  ASSERT_EQ(got.size(), want.size()) << what;
  for (size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].src, want[i].src) << what << " " << i;
    EXPECT_EQ(got[i].dst, want[i].dst) << what << " " << i;
  }
}

TEST(ThreeSlicePieces, EndsAtNaturalWidthMiddleRepeatedAndCut) {
  ExpectPieces(Pieces({10, 0, 60, 20}, {0, 10, 30, 20}, 5, 7),
               {{{0, 10, 5, 20}, {10, 0, 15, 20}},
                {{5, 10, 23, 20}, {15, 0, 33, 20}},
                {{5, 10, 23, 20}, {33, 0, 51, 20}},
                {{5, 10, 7, 20}, {51, 0, 53, 20}},
                {{23, 10, 30, 20}, {53, 0, 60, 20}}},
               "repeated middle");
}

TEST(ThreeSlicePieces, OddShapes) {
  ExpectPieces(Pieces({10, 0, 20, 20}, {0, 0, 30, 10}, 5, 7), {{{0, 0, 10, 10}, {10, 0, 20, 20}}},
               "narrower than both ends: all middle");
  ExpectPieces(Pieces({0, 0, 40, 5}, {0, 0, 30, 10}, 40, 9), {{{0, 0, 30, 10}, {0, 0, 30, 5}}},
               "ends wider than the cell are cut to it");
  ExpectPieces(Pieces({0, 0, 12, 5}, {0, 0, 6, 10}, 3, 3), {{{0, 0, 3, 10}, {0, 0, 3, 5}}, {{3, 0, 6, 10}, {9, 0, 12, 5}}},
               "no middle in the image");
  ExpectPieces(Pieces({0, 0, 12, 5}, {0, 0, 6, 10}, -2, -1), {{{0, 0, 6, 10}, {0, 0, 6, 5}}, {{0, 0, 6, 10}, {6, 0, 12, 5}}},
               "negative ends count as none");
  EXPECT_TRUE(skin::ThreeSlicePieces({5, 0, 5, 10}, {0, 0, 6, 10}, 1, 1).empty());
  EXPECT_TRUE(skin::ThreeSlicePieces({0, 0, 5, 10}, {0, 0, 0, 10}, 1, 1).empty());
}

TEST(StretchThreeSlice, DrawsTheFrameAndKeepsTheTargetUnderMagenta) {
  constexpr skin::Colour kRed = skin::Rgb(255, 0, 0), kGreen = skin::Rgb(0, 255, 0), kBlue = skin::Rgb(0, 0, 255);
  // Two frames stacked, 6 x 2 each; frame 2 reads: red | green magenta green green | blue.
  skin::Bitmap image(6, 4, skin::kBlack);
  for (int32_t y = 2; y < 4; ++y) {
    image.SetPixel(0, y, kRed);
    for (int32_t x = 1; x < 5; ++x) image.SetPixel(x, y, x == 2 ? skin::kMagenta : kGreen);
    image.SetPixel(5, y, kBlue);
  }
  skin::Bitmap target(12, 3, skin::kWhite);
  skin::StretchThreeSlice(target, {1, 0, 11, 3}, image, true, true, 2, 2, 1, 1);
  const skin::Colour W = skin::kWhite, R = kRed, G = kGreen, B = kBlue;
  const std::vector<skin::Colour> row = {W, R, G, W, G, G, G, W, G, G, B, W};
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 12; ++x) EXPECT_EQ(target.Pixel(x, y), row[x]) << x << "," << y;

  skin::Bitmap opaque(12, 3, skin::kWhite);
  skin::StretchThreeSlice(opaque, {1, 0, 11, 3}, image, true, false, 2, 2, 1, 1);
  EXPECT_EQ(opaque.Pixel(3, 1), skin::kMagenta);
}

TEST(StretchThreeSlice, EmptyOrHugeRectangleDrawsNothing) {
  const skin::Bitmap image(6, 2, skin::kBlack);
  skin::Bitmap target(4, 4, skin::kWhite);
  const skin::Bitmap before = target;
  skin::StretchThreeSlice(target, {2, 2, 1, 4}, image, false, false, 1, 1, 1, 1);
  skin::StretchThreeSlice(target, {0, 0, 100000, 100000}, image, false, false, 1, 1, 1, 1);
  skin::StretchThreeSlice(target, {0, 0, 4, 4}, skin::Bitmap(), false, false, 1, 1, 1, 1);
  EXPECT_EQ(target, before);
}

}  // namespace
