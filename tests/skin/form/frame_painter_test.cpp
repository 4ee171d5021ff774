// The frame painter drawing into a memory DC that stands in for the window DC: each border piece
// shows the skin image's right frame composed to its place, the caption strip carries the top piece,
// text and buttons, a minimized window gets its strip over ButtonFace, the menu-bar strip is
// filled or handed to its painter, and painting errors stay inside the painter.
#include <gtest/gtest.h>

#include <stdexcept>

#include "skin/form/border_pieces.h"
#include "skin/form/frame_painter.h"
#include "skin/form/frame_geometry.h"
#include "skin/form/three_slice.h"
#include "skin/form/frame_paint_fixtures.h"

namespace {

using namespace paintfix;
using skin::BorderPiece;
using skin::ComposeBorderPiece;

skin::FramePaintInput Input(const skin::SkinDefinition& s, bool active, std::wstring text = L"") {
  skin::FramePaintInput in;
  in.Skin = &s;
  in.Metrics = PatternMetrics();
  in.Traits.IsActive = active;
  in.WindowText = std::move(text);
  return in;
}

// Pixels that differ between two pictures of one size, as their bounding box (empty when none).
Rect Differences(const Bitmap& a, const Bitmap& b, const Rect& within) {
  Rect box{within.right, within.bottom, within.left, within.top};
  for (int32_t y = within.top; y < within.bottom; ++y) {
    for (int32_t x = within.left; x < within.right; ++x) {
      if (a.Pixel(x, y) == b.Pixel(x, y)) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    }
  }
  return box.Empty() ? Rect{} : box;
}

int32_t CountColour(const Bitmap& b, const Rect& r, Colour c) {
  int32_t n = 0;
  for (int32_t y = r.top; y < r.bottom; ++y)
    for (int32_t x = r.left; x < r.right; ++x) n += b.Pixel(x, y) == c;
  return n;
}

TEST(FramePainter, BorderTopIsOneFrameOfTheTopImage) {
  const skin::SkinDefinition s = PatternSkin();
  EXPECT_EQ(skin::ComputeBorders(s, skin::kBorderSizeable, {}), PatternMetrics());
}

// Every piece is the skin image composed to its place, frame 2 of multi-frame pieces when inactive
// and frame 1 of single-frame ones; the client area is left alone.
TEST(FramePainter, PiecesShowTheFrameOfTheWindowState) {
  const skin::SkinDefinition s = PatternSkin();
  const Size window{200, 120};
  struct Case {
    bool active;
    int32_t leftTopFrame;  // left and top have two frames
  } cases[] = {{true, 1}, {false, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.active ? "active" : "inactive");
    Surface surface(window, kBackground);
    SetBkMode(surface.dc(), TRANSPARENT);
    skin::PaintFrame(surface.dc(), window, Input(s, c.active));
    const Bitmap px = surface.Pixels();

    EXPECT_TRUE(SameArea(px, {0, 0, 4, 120}, ComposeBorderPiece(s.LeftBorder, BorderPiece::Left, {4, 120}, c.active)));
    EXPECT_TRUE(SameArea(px, {194, 0, 200, 120},
                         ComposeBorderPiece(s.RightBorder, BorderPiece::Right, {6, 120}, c.active)));
    EXPECT_TRUE(SameArea(px, {4, 115, 194, 120},
                         ComposeBorderPiece(s.BottomBorder, BorderPiece::Bottom, {190, 5}, c.active)));
    EXPECT_TRUE(SameArea(px, {4, 0, 194, 30}, ComposeBorderPiece(s.TopBorder, BorderPiece::Top, {190, 30}, c.active)));
    EXPECT_TRUE(FilledWith(px, {4, 30, 194, 115}, kBackground));

    EXPECT_EQ(skin::BlueOf(px.Pixel(100, 15)), FrameBlue(c.leftTopFrame));
    EXPECT_EQ(skin::BlueOf(px.Pixel(2, 60)), FrameBlue(c.leftTopFrame));
    EXPECT_EQ(skin::BlueOf(px.Pixel(197, 60)), FrameBlue(1));
    EXPECT_EQ(skin::BlueOf(px.Pixel(100, 117)), FrameBlue(1));
    EXPECT_EQ(GetBkMode(surface.dc()), OPAQUE);
  }
}

// Left and right margins wider than the target are dropped: the whole cell is centre, tiled from
// its left (borders tile unless Tile is 1) or stretched, so the right edge never shows.
TEST(FramePainter, TargetNarrowerThanItsMarginsHasNoCorners) {
  constexpr Colour kEdge = 0x00FF00, kCentre = 0x0080FF;
  Bitmap top(40, 60, kCentre);
  top.FillRect({0, 0, 5, 60}, kEdge);
  top.FillRect({35, 0, 40, 60}, kEdge);
  struct Case {
    int32_t width;
    int32_t tile;
  } cases[] = {{9, 0}, {9, 1}, {10, 0}, {60, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "width " << c.width << " tile " << c.tile);
    skin::SkinDefinition s = PatternSkin();
    SetPiece(s.TopBorder, top, 2, {5, 0, 5, 0});
    s.TopBorder.Tile = c.tile;
    Surface surface({80, 40}, kBackground);
    const Rect target{3, 2, 3 + c.width, 32};
    skin::PaintBorderPiece(surface.dc(), s, BorderPiece::Top, target, true);
    const Bitmap px = surface.Pixels();
    Bitmap expected(c.width, 30, kCentre);
    if (c.width >= 10) {
      expected.FillRect({0, 0, 5, 30}, kEdge);
      expected.FillRect({c.width - 5, 0, c.width, 30}, kEdge);
    } else if (c.tile == 0) {
      expected.FillRect({0, 0, 5, 30}, kEdge);  // the cell's first columns, at natural size
    } else {
      skin::StretchCopy(expected, {0, 0, c.width, 30}, top, {0, 0, 40, 30});
    }
    EXPECT_TRUE(SameArea(px, target, expected));
    EXPECT_EQ(px.Pixel(2, 10), kBackground);
    EXPECT_EQ(px.Pixel(target.right, 10), kBackground);
  }
}

TEST(FramePainter, EmptyOrInvertedTargetsDrawNothing) {
  const skin::SkinDefinition s = PatternSkin();
  Surface surface({40, 40}, kBackground);
  const Rect targets[] = {{10, 10, 10, 30}, {10, 10, 30, 10}, {30, 10, 10, 30}, {10, 30, 30, 10}};
  for (const Rect& r : targets) {
    for (const BorderPiece piece : {BorderPiece::Left, BorderPiece::Top, BorderPiece::Right, BorderPiece::Bottom}) {
      skin::PaintBorderPiece(surface.dc(), s, piece, r, true);
    }
    skin::DrawSkinFrame(surface.dc(), r, s.LeftBorder.Bitmap, false, 2, 1);
    skin::DrawCompositeSkinBitmap(surface.dc(), r, s.TopBorder.Bitmap, true, false, false, 2, 1, {});
    skin::StretchThreeSlice(surface.dc(), r, s.TopBorder.Bitmap, true, false, 2, 1, 3, 3);
  }
  EXPECT_TRUE(FilledWith(surface.Pixels(), {0, 0, 40, 40}, kBackground));
}

// Only the caption strip, over ButtonFace for the whole window size; no side or bottom piece.
TEST(FramePainter, MinimizedWindowShowsItsStripOverButtonFace) {
  const skin::SkinDefinition s = PatternSkin();
  const Size window{160, 50};
  Surface surface({170, 60}, kBackground);
  skin::FramePaintInput in = Input(s, true);
  in.Traits.WindowState = skin::kStateMinimized;
  skin::PaintFrame(surface.dc(), window, in);
  const Bitmap px = surface.Pixels();
  EXPECT_TRUE(SameArea(px, {0, 0, 160, 30}, ComposeBorderPiece(s.TopBorder, BorderPiece::Top, {160, 30}, true)));
  EXPECT_TRUE(FilledWith(px, {0, 30, 160, 50}, kButtonFace));
  EXPECT_TRUE(FilledWith(px, {160, 0, 170, 60}, kBackground));
  EXPECT_TRUE(FilledWith(px, {0, 50, 170, 60}, kBackground));
}

// The text is drawn in the colour of the window state, only inside CaptionTextRect, starting at
// its left; right to left it is right-aligned in a box moved 10 pixels right.
TEST(FramePainter, CaptionTextInItsColourInsideItsRectangle) {
  const skin::SkinDefinition s = PatternSkin();
  const fw::UniqueFont font = CaptionFont();
  const Size window{300, 120};
  const Rect area{4, 0, 294, 30};
  const Bitmap top = ComposeBorderPiece(s.TopBorder, BorderPiece::Top, {290, 30}, true);
  constexpr int32_t kButtons = 40;
  struct Case {
    bool active;
    bool rtl;
    Colour colour;
  } cases[] = {{true, false, kTextActive}, {false, false, kTextInactive}, {true, true, kTextActive}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "active " << c.active << " rtl " << c.rtl);
    Surface surface(window, kBackground);
    skin::FramePaintInput in = Input(s, c.active, L"Skin 标题 MW");
    in.CaptionFont = font.get();
    in.RightButtonsWidth = kButtons;
    in.Traits.RightToLeft = c.rtl;
    const skin::FramePaintResult r = skin::PaintFrame(surface.dc(), window, in);
    const Bitmap px = surface.Pixels();

    Bitmap plain(window.cx, window.cy, kBackground);
    skin::DrawBitmap(plain, area.TopLeft(), c.active ? top
                                                     : ComposeBorderPiece(s.TopBorder, BorderPiece::Top, {290, 30}, false),
                     false);
    const Rect ink = Differences(px, plain, area);
    ASSERT_FALSE(ink.Empty()) << "no text drawn";
    EXPECT_GE(ink.left, r.CaptionTextRect.left);
    EXPECT_LE(ink.right, r.CaptionTextRect.right);
    EXPECT_GE(ink.top, r.CaptionTextRect.top);
    EXPECT_LE(ink.bottom, r.CaptionTextRect.bottom);
    EXPECT_GT(CountColour(px, r.CaptionTextRect, c.colour), 10);
    EXPECT_EQ(CountColour(px, area, c.active ? kTextInactive : kTextActive), 0);
    if (!c.rtl) {
      // TextShift 0: the box starts at the caption area; the ink starts after the leading blank.
      EXPECT_EQ(r.CaptionTextBox.left, area.left);
      EXPECT_LT(ink.left - r.CaptionTextRect.left, 12);
    } else {
      EXPECT_EQ(r.CaptionTextBox.right, area.right - kButtons + 10);
      EXPECT_LT(r.CaptionTextRect.right - ink.right, 24);  // only the two trailing blanks
      EXPECT_GT(ink.left, area.left + 100);
    }
  }
}

// The Title image goes behind the text, its frame by the window state, magenta keyed out.
TEST(FramePainter, TitleBackgroundBehindTheText) {
  skin::SkinDefinition s = PatternSkin();
  constexpr Colour kFrame1 = 0x00A0A0, kFrame2 = 0xA0A000;
  Bitmap title(12, 20, kFrame1);
  title.FillRect({0, 10, 12, 20}, kFrame2);
  title.FillRect({6, 0, 7, 20}, skin::kMagenta);
  s.Title.Bitmap = title;
  s.Title.TXTBackleft = 3;
  s.Title.TXTBackRight = 3;
  s.Title.LeftWidth = 20;  // TextShift
  const Size window{300, 120};
  for (const bool active : {true, false}) {
    SCOPED_TRACE(active);
    Surface surface(window, kBackground);
    skin::FramePaintInput in = Input(s, active, L"Caption");
    const skin::FramePaintResult r = skin::PaintFrame(surface.dc(), window, in);
    const Bitmap px = surface.Pixels();
    const Bitmap top = ComposeBorderPiece(s.TopBorder, BorderPiece::Top, {290, 30}, active);
    const Rect box = r.CaptionTextBox;
    EXPECT_EQ(box.left, 4 + 20);
    EXPECT_EQ(r.CaptionTextRect.left, box.left + 3);
    // The first row lies above the text: background or, where the image is magenta, the top piece.
    int32_t own = 0, seeThrough = 0;
    for (int32_t x = box.left; x < box.right; ++x) {
      const Colour p = px.Pixel(x, 0);
      own += p == (active ? kFrame1 : kFrame2);
      seeThrough += p == top.Pixel(x - 4, 0);
      EXPECT_NE(p, active ? kFrame2 : kFrame1);
      EXPECT_NE(p, skin::kMagenta);
    }
    EXPECT_EQ(own + seeThrough, box.Width());
    EXPECT_GT(seeThrough, 0);
    EXPECT_GT(own, box.Width() / 2);
    EXPECT_EQ(px.Pixel(box.left - 1, 0), top.Pixel(box.left - 1 - 4, 0));
    EXPECT_EQ(px.Pixel(box.right, 0), top.Pixel(box.right - 4, 0));
  }
}

// Buttons are drawn into the strip (and reach the window with it); the menu-bar strip goes to its
// painter, or is filled with BackBrush.
TEST(FramePainter, ButtonsAndMenuBarStrip) {
  const skin::SkinDefinition s = PatternSkin();
  const Size window{200, 120};
  constexpr Colour kButton = 0x10F010, kBar = 0x805020, kBrush = 0x2080C0;
  fw::UniqueBrush brush(CreateSolidBrush(kBrush));
  for (const bool withPainter : {false, true}) {
    SCOPED_TRACE(withPainter);
    Surface surface(window, kBackground);
    skin::FramePaintInput in = Input(s, true);
    in.Metrics.MenuBarHeight = 20;
    in.BackBrush = brush.get();
    Rect seenArea, seenBar;
    HDC stripDc = nullptr;
    in.DrawButtons = [&](HDC strip, const Rect& area, const Rect&) {
      stripDc = strip;
      seenArea = area;
      fw::UniqueBrush b(CreateSolidBrush(kButton));
      const RECT r{area.right - 20, 5, area.right - 4, 21};
      FillRect(strip, &r, b.get());
    };
    if (withPainter) {
      in.DrawMenuBar = [&](HDC dc, const Rect& bar) {
        seenBar = bar;
        fw::UniqueBrush b(CreateSolidBrush(kBar));
        const RECT r{bar.left, bar.top, bar.right, bar.bottom};
        FillRect(dc, &r, b.get());
      };
    }
    skin::PaintFrame(surface.dc(), window, in);
    const Bitmap px = surface.Pixels();
    EXPECT_NE(stripDc, surface.dc());
    EXPECT_EQ(seenArea, (Rect{4, 0, 194, 30}));
    EXPECT_TRUE(FilledWith(px, {174, 5, 190, 21}, kButton));
    EXPECT_TRUE(FilledWith(px, {4, 30, 194, 50}, withPainter ? kBar : kBrush));
    if (withPainter) {
      EXPECT_EQ(seenBar, (Rect{4, 30, 194, 50}));
    }
    EXPECT_TRUE(FilledWith(px, {4, 50, 194, 115}, kBackground));
  }
}

// An exception while painting ends the paint quietly; what was drawn before stays.
TEST(FramePainter, PaintingErrorsAreSwallowed) {
  const skin::SkinDefinition s = PatternSkin();
  const Size window{200, 120};
  Surface surface(window, kBackground);
  skin::FramePaintInput in = Input(s, true);
  in.DrawButtons = [](HDC, const Rect&, const Rect&) { throw std::runtime_error("button painter failed"); };
  EXPECT_NO_THROW(skin::PaintFrame(surface.dc(), window, in));
  const Bitmap px = surface.Pixels();
  EXPECT_TRUE(SameArea(px, {0, 0, 4, 120}, ComposeBorderPiece(s.LeftBorder, BorderPiece::Left, {4, 120}, true)));

  skin::FramePaintInput none;
  EXPECT_NO_THROW(skin::PaintFrame(surface.dc(), window, none));
  EXPECT_NO_THROW(skin::PaintFrame(nullptr, window, in));
}

// Brushes, DCs, DIB sections, masks and regions made while painting are all given back.
TEST(FramePainter, RepeatedPaintsHoldNoGdiObjects) {
  skin::SkinDefinition s = PatternSkin();
  Bitmap title(12, 20, 0x00A0A0);
  title.FillRect({6, 0, 7, 20}, skin::kMagenta);
  s.Title.Bitmap = title;
  s.BottomBorder.Bitmap.SetPixel(0, 4, skin::kMagenta);
  s.BottomBorder.Trans = 1;
  const fw::UniqueFont font = CaptionFont();
  fw::UniqueBrush brush(CreateSolidBrush(0x2080C0));
  const Size window{260, 140};
  Surface surface(window, kBackground);
  auto paintAll = [&](int round) {
    skin::FramePaintInput in = Input(s, round % 2 == 0, L"标题 Caption");
    in.CaptionFont = font.get();
    in.BackBrush = brush.get();
    in.Metrics.MenuBarHeight = 18;
    in.Traits.WindowState = round % 3 == 0 ? skin::kStateMinimized : skin::kStateNormal;
    in.DrawButtons = [&](HDC strip, const Rect& area, const Rect&) {
      skin::DrawCenteredFrame(strip, {area.right - 20, 4, area.right - 4, 20}, s.LeftBorder.Bitmap, true, 2, 1);
    };
    skin::PaintFrame(surface.dc(), window, in);
    const fw::UniqueRgn rgn = skin::BuildWindowRegion(window, in.Metrics, s);
    const skin::DibSection dib = skin::DibSection::FromBitmap(title);
    skin::DrawTransparentBitmap(surface.dc(), RECT{0, 0, 12, 20}, dib.get(), skin::kMagenta);
    skin::DrawTransparentBitmapThreeBlits(surface.dc(), RECT{0, 0, 12, 20}, dib.get(), skin::kMagenta);
    const fw::UniqueBitmap icon = skin::BuildIconBitmap(GetDesktopWindow());
  };
  paintAll(0);  // fonts and caches the system keeps
  const int before = LiveGdiObjects();
  ASSERT_GT(before, 0);
  for (int round = 1; round <= 30; ++round) paintAll(round);
  EXPECT_EQ(LiveGdiObjects(), before);
}

}  // namespace
