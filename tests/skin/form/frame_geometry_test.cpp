// Border sizes, the client rectangle inside the frame, and where each piece of the frame goes.
#include <gtest/gtest.h>

#include "skin/form/border_pieces.h"
#include "skin/form/frame_geometry.h"
#include "skin/form/form_fixtures.h"

namespace {

using skin::FrameMetrics;
using skin::Rect;

TEST(ComputeBorders, SizesAreImageExtentsDividedByFrameCount) {
  const skin::SkinDefinition s = formtest::FrameSkin();
  // The top image is 60 high with 2 frames: the caption strip is 30, not 60.
  EXPECT_EQ(skin::ComputeBorders(s, skin::kBorderSizeable, {}), (FrameMetrics{4, 30, 6, 5, 0}));
}

TEST(ComputeBorders, Table) {
  struct Case {
    const char* what;
    int32_t topFrames;
    int32_t borderKind;
    bool skinEmpty;
    FrameMetrics current, expected;
  } cases[] = {
      {"menu bar height is kept", 2, skin::kBorderFixed, false, {0, 0, 0, 0, 19}, {4, 30, 6, 5, 19}},
      {"frame count 0 counts as one", 0, skin::kBorderDialog, false, {}, {4, 60, 6, 5, 0}},
      {"frame count -2 counts as one", -2, skin::kBorderDialog, false, {}, {4, 60, 6, 5, 0}},
      {"no caption: all zero, menu bar too", 2, skin::kBorderNone, false, {1, 2, 3, 4, 19}, {}},
      {"skin not loaded: unchanged", 2, skin::kBorderSizeable, true, {1, 2, 3, 4, 19}, {1, 2, 3, 4, 19}},
  };
  for (const Case& c : cases) {
    skin::SkinDefinition s = formtest::FrameSkin();
    s.TopBorder.Frame = c.topFrames;
    s.SkinEmpty = c.skinEmpty;
    EXPECT_EQ(skin::ComputeBorders(s, c.borderKind, c.current), c.expected) << c.what;
  }
}

TEST(BorderFrameIndex, InactiveUsesFrameTwoOnlyWhenThereIsOne) {
  struct Case {
    bool active;
    int32_t frames, expected;
  } cases[] = {{true, 2, 1}, {false, 2, 2}, {false, 3, 2}, {false, 1, 1}, {false, 0, 1}, {true, 1, 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(skin::BorderFrameIndex(c.active, c.frames), c.expected) << c.active << " " << c.frames;
  }
}

TEST(FrameSizeAnswer, Table) {
  const FrameMetrics m{4, 30, 6, 5, 20};
  const Rect window{100, 50, 400, 350};
  const Rect first{7, 8, 9, 10};
  skin::FrameTraits normal;
  skin::FrameTraits noCaption;
  noCaption.BorderKind = skin::kBorderNone;
  skin::FrameTraits mdiMax;
  mdiMax.FormKind = skin::kFormMdiChild;
  mdiMax.WindowState = skin::kStateMaximized;
  skin::FrameTraits mdiNormal;
  mdiNormal.FormKind = skin::kFormMdiChild;
  skin::FrameTraits plainMax;
  plainMax.WindowState = skin::kStateMaximized;

  struct Case {
    const char* what;
    bool calc;
    Rect window;
    skin::FrameTraits traits;
    skin::NcCalcSizeAnswer expected;
  } cases[] = {
      {"wParam FALSE", false, window, normal, {0, false, {}, {}}},
      {"client inside the frame", true, window, normal, {0x400, true, {104, 100, 394, 345}, {104, 100, 394, 345}}},
      {"maximized plain window is skinned", true, window, plainMax, {0x400, true, {104, 100, 394, 345}, {104, 100, 394, 345}}},
      {"normal MDI child is skinned", true, window, mdiNormal, {0x400, true, {104, 100, 394, 345}, {104, 100, 394, 345}}},
      {"maximized MDI child keeps the native frame", true, window, mdiMax, {0x400, true, first, first}},
      {"no caption keeps the native frame", true, window, noCaption, {0x400, true, first, first}},
      {"narrower than the frame: empty, not inverted", true, {100, 50, 105, 70}, normal,
       {0x400, true, {104, 70, 104, 70}, {104, 70, 104, 70}}},
  };
  for (const Case& c : cases) {
    const auto a = skin::FrameSizeAnswer(c.calc, c.window, first, m, c.traits);
    EXPECT_EQ(a.Result, c.expected.Result) << c.what;
    EXPECT_EQ(a.SetRects, c.expected.SetRects) << c.what;
    if (c.expected.SetRects) {
      EXPECT_EQ(a.First, c.expected.First) << c.what;
      EXPECT_EQ(a.Second, c.expected.Second) << c.what;
    }
  }
}

TEST(ClientRectInFrame, HugeBordersNeitherOverflowNorInvert) {
  const FrameMetrics huge{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX};
  const Rect r = skin::ClientRectInFrame({-10, -10, 100, 100}, huge);
  EXPECT_TRUE(r.Empty());
  EXPECT_GE(r.Width(), 0);
  EXPECT_GE(r.Height(), 0);
  EXPECT_GE(r.left, -10);
  EXPECT_LE(r.right, 100);
}

TEST(LayOutFrame, NormalWindow) {
  const auto f = skin::LayOutFrame({200, 150}, {4, 30, 6, 5, 20}, skin::kStateNormal);
  EXPECT_FALSE(f.Minimized);
  EXPECT_EQ(f.Left, (Rect{0, 0, 4, 150}));
  EXPECT_EQ(f.Right, (Rect{194, 0, 200, 150}));
  EXPECT_EQ(f.Bottom, (Rect{4, 145, 194, 150}));
  EXPECT_EQ(f.CaptionStrip, (Rect{0, 0, 200, 30}));
  EXPECT_EQ(f.CaptionBitmap, (skin::Size{200, 30}));
  EXPECT_EQ(f.CaptionArea, (Rect{4, 0, 194, 30}));  // top corners belong to the side pieces
  EXPECT_EQ(f.MenuBar, (Rect{4, 30, 194, 50}));
}

TEST(LayOutFrame, MinimizedWindowIsOnlyItsCaptionStrip) {
  const auto f = skin::LayOutFrame({160, 30}, {4, 30, 6, 5, 20}, skin::kStateMinimized);
  EXPECT_TRUE(f.Minimized);
  EXPECT_TRUE(f.Left.Empty());
  EXPECT_TRUE(f.Right.Empty());
  EXPECT_TRUE(f.Bottom.Empty());
  EXPECT_TRUE(f.MenuBar.Empty());
  EXPECT_EQ(f.CaptionBitmap, (skin::Size{160, 30}));     // the whole window, over ButtonFace
  EXPECT_EQ(f.CaptionArea, (Rect{0, 0, 160, 30}));       // the top piece spans the full width
}

TEST(LayOutFrame, NoMenuBarStripWithoutMenuBar) {
  EXPECT_TRUE(skin::LayOutFrame({200, 150}, {4, 30, 6, 5, 0}, skin::kStateNormal).MenuBar.Empty());
}

TEST(WindowPointFromClient, MovedByTheFrameExceptMinimizedMdiChild) {
  const FrameMetrics m{4, 30, 6, 5, 20};
  EXPECT_EQ(skin::WindowPointFromClient({10, 3}, m, false), (skin::Point{14, 53}));
  EXPECT_EQ(skin::WindowPointFromClient({10, -40}, m, false), (skin::Point{14, 10}));  // over the caption
  EXPECT_EQ(skin::WindowPointFromClient({10, 3}, m, true), (skin::Point{10, 3}));
}

TEST(WindowSizeForClient, ClientKeepsItsSizeInsideTheFrame) {
  const FrameMetrics m{4, 30, 6, 5, 20};
  const skin::Size w = skin::WindowSizeForClient({300, 200}, m);
  EXPECT_EQ(w, (skin::Size{310, 255}));
  // Round trip through the frame-size answer.
  const Rect client = skin::ClientRectInFrame(Rect::FromSize(50, 60, w.cx, w.cy), m);
  EXPECT_EQ(client, Rect::FromSize(54, 110, 300, 200));
}

TEST(WidenForCaption, Table) {
  struct Case {
    int32_t width, textShift, textWidth, clip;
    skin::FrameResize expected;
  } cases[] = {
      {200, 10, 100, 50, {{200, 90}, 0}},   // wide enough
      {160, 10, 100, 50, {{160, 90}, 0}},   // exactly enough
      {120, 10, 100, 50, {{160, 90}, 20}},  // widened, children move half the difference
      {121, 10, 100, 50, {{160, 90}, 19}},
  };
  for (const auto& c : cases) {
    const auto r = skin::WidenForCaption({c.width, 90}, c.textShift, c.textWidth, c.clip);
    EXPECT_EQ(r.Window, c.expected.Window) << c.width;
    EXPECT_EQ(r.ChildShift, c.expected.ChildShift) << c.width;
  }
}

std::vector<Rect> Dsts(const std::vector<skin::SlicePiece>& pieces) {
  std::vector<Rect> out;
  for (const auto& p : pieces) out.push_back(p.dst);
  return out;
}

TEST(BorderSlices, InactiveWindowDrawsSecondFrameOfEachMultiFramePiece) {
  skin::SkinDefinition s = formtest::FrameSkin();
  // Top: frames stacked (2 x 30 rows); left: frames side by side (2 x 4 columns); right: one frame.
  const auto top = skin::BorderSlices(s.TopBorder, skin::BorderPiece::Top, {4, 0, 194, 30}, false);
  ASSERT_EQ(top.size(), 1u);
  EXPECT_EQ(top[0].src, (Rect{0, 30, 40, 60}));
  const auto left = skin::BorderSlices(s.LeftBorder, skin::BorderPiece::Left, {0, 0, 4, 150}, false);
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].src, (Rect{4, 0, 8, 40}));
  const auto right = skin::BorderSlices(s.RightBorder, skin::BorderPiece::Right, {194, 0, 200, 150}, false);
  ASSERT_EQ(right.size(), 1u);
  EXPECT_EQ(right[0].src, (Rect{0, 0, 6, 40}));
  const auto activeTop = skin::BorderSlices(s.TopBorder, skin::BorderPiece::Top, {4, 0, 194, 30}, true);
  EXPECT_EQ(activeTop[0].src, (Rect{0, 0, 40, 30}));
}

TEST(BorderSlices, PiecesLandInWindowCoordinatesAndTileUnlessTileIsOne) {
  skin::SkinDefinition s = formtest::FrameSkin();
  s.BottomBorder.SetMargins({5, 0, 7, 0});
  auto pieces = skin::BorderSlices(s.BottomBorder, skin::BorderPiece::Bottom, {4, 145, 194, 150}, true);
  EXPECT_EQ(Dsts(pieces), (std::vector<Rect>{{4, 145, 9, 150}, {9, 145, 187, 150}, {187, 145, 194, 150}}));
  EXPECT_TRUE(pieces[1].tiled);
  s.BottomBorder.Tile = 1;
  pieces = skin::BorderSlices(s.BottomBorder, skin::BorderPiece::Bottom, {4, 145, 194, 150}, true);
  EXPECT_FALSE(pieces[1].tiled);
}

TEST(BorderSlices, TargetNarrowerThanItsMarginsHasNoCorners) {
  skin::SkinDefinition s = formtest::FrameSkin();
  s.BottomBorder.SetMargins({5, 1, 7, 1});
  // 10 wide < 5 + 7: the whole width is centre and the top/bottom edges; no corner piece at all.
  const auto pieces = skin::BorderSlices(s.BottomBorder, skin::BorderPiece::Bottom, {4, 145, 14, 150}, true);
  EXPECT_EQ(Dsts(pieces), (std::vector<Rect>{{4, 145, 14, 146}, {4, 146, 14, 149}, {4, 149, 14, 150}}));
  for (const auto& p : pieces) {
    EXPECT_EQ(p.src.left, 0);
    EXPECT_EQ(p.src.right, 40);
  }
}

TEST(BorderSlices, NegativeOrEmptyTargetDrawsNothing) {
  const skin::SkinDefinition s = formtest::FrameSkin();
  EXPECT_TRUE(skin::BorderSlices(s.BottomBorder, skin::BorderPiece::Bottom, {4, 145, 2, 150}, true).empty());
  EXPECT_TRUE(skin::BorderSlices(s.BottomBorder, skin::BorderPiece::Bottom, {4, 145, 4, 150}, true).empty());
  skin::TDataSkinBorder none;
  EXPECT_TRUE(skin::BorderSlices(none, skin::BorderPiece::Left, {0, 0, 4, 150}, true).empty());
}

}  // namespace
