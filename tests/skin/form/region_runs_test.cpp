// The window region: runs of non-magenta pixels, and which border pieces shape the window.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "skin/form/form_fixtures.h"
#include "skin/form/region_runs.h"

namespace {

using skin::Rect;

// Which pixels of a w x h window the union of the rectangles covers; rectangles must stay inside.
std::vector<std::vector<bool>> Mask(const std::vector<Rect>& rects, int32_t w, int32_t h) {
  std::vector<std::vector<bool>> m(h, std::vector<bool>(w, false));
  for (const Rect& r : rects) {
    EXPECT_FALSE(r.Empty());
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h)
        << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    for (int32_t y = std::max(r.top, 0); y < std::min(r.bottom, h); ++y)
      for (int32_t x = std::max(r.left, 0); x < std::min(r.right, w); ++x) m[y][x] = true;
  }
  return m;
}

TEST(IsKeyPixel, ToleranceReachesOneStepAboveTheKey) {
  struct Case {
    skin::Colour pixel;
    bool keyed;
  } cases[] = {
      {skin::Rgb(255, 0, 255), true},  {skin::Rgb(255, 1, 255), true},  {skin::Rgb(255, 2, 255), false},
      {skin::Rgb(254, 0, 255), false}, {skin::Rgb(255, 0, 254), false}, {skin::Rgb(0, 0, 0), false},
  };
  for (const Case& c : cases) EXPECT_EQ(skin::IsKeyPixel(c.pixel), c.keyed) << std::hex << c.pixel;
  // A key of 255 in a channel cannot reach past 255.
  EXPECT_TRUE(skin::IsKeyPixel(skin::Rgb(0, 1, 0), skin::kBlack));
}

TEST(OpaqueRuns, RunsPerRowRepeatedRowsMerged) {
  // X M X X M
  // X M X X M
  // M M M M X
  // X M X X M
  skin::Bitmap b(5, 4, formtest::kOpaque);
  for (int32_t y : {0, 1, 3}) {
    b.SetPixel(1, y, skin::kMagenta);
    b.SetPixel(4, y, skin::Rgb(255, 1, 255));
  }
  for (int32_t x = 0; x < 4; ++x) b.SetPixel(x, 2, skin::kMagenta);
  const auto runs = skin::OpaqueRuns(b, {10, 20});
  EXPECT_EQ(runs, (std::vector<Rect>{{10, 20, 11, 22}, {12, 20, 14, 22}, {14, 22, 15, 23}, {10, 23, 11, 24},
                                     {12, 23, 14, 24}}));
}

TEST(OpaqueRuns, AllKeyedOrEmptyGivesNothing) {
  EXPECT_TRUE(skin::OpaqueRuns(skin::Bitmap(3, 3, skin::kMagenta), {0, 0}).empty());
  EXPECT_TRUE(skin::OpaqueRuns(skin::Bitmap(), {0, 0}).empty());
  // A keyed row between two equal rows does not join them.
  skin::Bitmap b(2, 3, formtest::kOpaque);
  b.FillRect({0, 1, 2, 2}, skin::kMagenta);
  EXPECT_EQ(skin::OpaqueRuns(b, {0, 0}), (std::vector<Rect>{{0, 0, 2, 1}, {0, 2, 2, 3}}));
}

constexpr skin::FrameMetrics kM{4, 30, 6, 5, 0};
constexpr int32_t kW = 100, kH = 80;

TEST(WindowRegionRects, NoTransparentBorderIsTheWholeWindow) {
  const skin::SkinDefinition s = formtest::FrameSkin();
  EXPECT_EQ(skin::WindowRegionRects({kW, kH}, kM, s, true), (std::vector<Rect>{{0, 0, kW, kH}}));
  EXPECT_TRUE(skin::WindowRegionRects({0, kH}, kM, s, true).empty());
}

TEST(WindowRegionRects, OnlyBottomTransparentStillFollowsTheBottomPixels) {
  skin::SkinDefinition s = formtest::FrameSkin();
  // The bottom image's last row is magenta: the window loses its last row between the side pieces.
  s.BottomBorder.Bitmap.FillRect({0, 4, 40, 5}, skin::kMagenta);
  s.BottomBorder.Trans = 1;
  const auto m = Mask(skin::WindowRegionRects({kW, kH}, kM, s, true), kW, kH);
  for (int32_t x = 0; x < kW; ++x) {
    const bool underBottomPiece = x >= 4 && x < kW - 6;
    EXPECT_EQ(m[kH - 1][x], !underBottomPiece) << x;
    EXPECT_TRUE(m[kH - 2][x]) << x;
  }
  for (int32_t y = 0; y < kH - 1; ++y)
    for (int32_t x = 0; x < kW; ++x) ASSERT_TRUE(m[y][x]) << x << "," << y;
}

TEST(WindowRegionRects, EachTransparentPieceUsesItsOwnPixelsAndFrame) {
  skin::SkinDefinition s = formtest::FrameSkin();
  // Left: frames side by side (4 columns each); a keyed top-left pixel only in the inactive frame.
  s.LeftBorder.Bitmap.SetPixel(4, 0, skin::kMagenta);
  s.LeftBorder.SetMargins({0, 4, 0, 4});
  s.LeftBorder.Trans = 1;
  // Top: a keyed top-right pixel in both frames (tiled middle repeats it every 40 pixels).
  s.TopBorder.Bitmap.SetPixel(39, 0, skin::kMagenta);
  s.TopBorder.Bitmap.SetPixel(39, 30, skin::kMagenta);
  s.TopBorder.Trans = 1;

  const auto active = Mask(skin::WindowRegionRects({kW, kH}, kM, s, true), kW, kH);
  EXPECT_TRUE(active[0][0]);
  EXPECT_FALSE(active[0][4 + 39]);
  EXPECT_FALSE(active[0][4 + 79]);
  EXPECT_TRUE(active[1][4 + 39]);

  const auto inactive = Mask(skin::WindowRegionRects({kW, kH}, kM, s, false), kW, kH);
  EXPECT_FALSE(inactive[0][0]);
  EXPECT_TRUE(inactive[0][1]);
  EXPECT_TRUE(inactive[kH - 1][0]);
  EXPECT_FALSE(inactive[0][4 + 39]);
}

TEST(WindowRegionRects, ThinPiecesCountWhole) {
  skin::SkinDefinition s = formtest::FrameSkin();
  s.BottomBorder.Bitmap = skin::Bitmap(40, 1, skin::kMagenta);  // BorderBottom 1: below 2
  s.BottomBorder.Trans = 1;
  const skin::FrameMetrics m{4, 30, 6, 1, 0};
  const auto mask = Mask(skin::WindowRegionRects({kW, kH}, m, s, true), kW, kH);
  for (int32_t x = 0; x < kW; ++x) EXPECT_TRUE(mask[kH - 1][x]) << x;
}

TEST(WindowRegionRects, WindowSmallerThanItsFrameStaysInside) {
  skin::SkinDefinition s = formtest::FrameSkin();
  s.LeftBorder.Trans = s.RightBorder.Trans = s.TopBorder.Trans = s.BottomBorder.Trans = 1;
  // Mask checks that every rectangle lies inside.
  Mask(skin::WindowRegionRects({8, 20}, kM, s, true), 8, 20);
  Mask(skin::WindowRegionRects({100, 20}, kM, s, true), 100, 20);
}

TEST(RegionNeedsRebuild, Table) {
  struct Case {
    skin::Size window, built;
    bool mdiChild;
    int32_t skinState;
    bool expected;
  } cases[] = {
      {{100, 80}, {100, 80}, false, 1, false}, {{100, 81}, {100, 80}, false, 1, true},
      {{100, 80}, {100, 80}, true, 1, true},   {{100, 80}, {100, 80}, false, 3, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(skin::RegionNeedsRebuild(c.window, c.built, c.mdiChild, c.skinState), c.expected);
  }
}

}  // namespace

namespace {

// Over many shapes of skin and window: with opaque images the region is the whole window whatever
// is marked transparent, and every rectangle lies inside the window.
TEST(WindowRegionRects, OpaqueImagesCoverTheWholeWindowForAnyShape) {
  std::mt19937 rng(7);
  auto pick = [&](int32_t lo, int32_t hi) { return std::uniform_int_distribution<int32_t>(lo, hi)(rng); };
  for (int i = 0; i < 300; ++i) {
    skin::SkinDefinition s;
    skin::TDataSkinBorder* borders[] = {&s.LeftBorder, &s.TopBorder, &s.RightBorder, &s.BottomBorder};
    for (skin::TDataSkinBorder* b : borders) {
      b->Bitmap = skin::Bitmap(pick(1, 12), pick(1, 12), formtest::kOpaque);
      b->Frame = pick(-1, 3);
      b->Trans = pick(0, 2);
      b->Tile = pick(0, 1);
      b->SetMargins({pick(-2, 6), pick(-2, 6), pick(-2, 6), pick(-2, 6)});
    }
    s.SkinEmpty = false;
    skin::FrameMetrics m = skin::ComputeBorders(s, skin::kBorderSizeable, {});
    m.MenuBarHeight = pick(0, 3);
    const skin::Size window{pick(0, 30), pick(0, 30)};
    const auto rects = skin::WindowRegionRects(window, m, s, pick(0, 1) == 1);
    const auto mask = Mask(rects, window.cx, window.cy);
    for (int32_t y = 0; y < window.cy; ++y)
      for (int32_t x = 0; x < window.cx; ++x) ASSERT_TRUE(mask[y][x]) << "case " << i << " at " << x << "," << y;
  }
}

}  // namespace
