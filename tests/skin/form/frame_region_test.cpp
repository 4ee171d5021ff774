// Regions and the transparent transfers: the window region follows see-through border pixels,
// rectangles joined in batches give exactly their union, key-coloured pixels never reach the
// target, and the DC drawing routines put down the same pixels as their portable counterparts.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "skin/form/border_pieces.h"
#include "skin/form/frame_painter.h"
#include "skin/form/three_slice.h"
#include "skin/form/frame_paint_fixtures.h"

namespace {

using namespace paintfix;
using skin::BorderPiece;

bool Inside(HRGN rgn, int32_t x, int32_t y) { return PtInRegion(rgn, x, y) != FALSE; }

// Region membership of every pixel of a box against a rule, with the first mismatch named.
::testing::AssertionResult RegionMatches(HRGN rgn, const Rect& box, const std::function<bool(int32_t, int32_t)>& in) {
  for (int32_t y = box.top; y < box.bottom; ++y) {
    for (int32_t x = box.left; x < box.right; ++x) {
      if (Inside(rgn, x, y) != in(x, y)) {
        return ::testing::AssertionFailure() << "(" << x << ", " << y << ") should be " << (in(x, y) ? "in" : "out");
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// Bottom piece with rounded magenta corners and a magenta notch in its tiled middle.
skin::SkinDefinition BottomTransparentSkin() {
  skin::SkinDefinition s = PatternSkin();
  Bitmap bottom = Patterned(40, 5, 1, true, kBottomTag);
  for (int32_t x = 0; x < 3; ++x) {
    for (int32_t y = 5 - (3 - x); y < 5; ++y) {
      bottom.SetPixel(x, y, skin::kMagenta);
      bottom.SetPixel(39 - x, y, skin::kMagenta);
    }
  }
  bottom.SetPixel(20, 4, skin::kMagenta);
  SetPiece(s.BottomBorder, bottom, 1, {3, 0, 3, 0});
  s.BottomBorder.Trans = 1;
  // Magenta in the other pieces must not matter: their Trans is off.
  s.LeftBorder.Bitmap.SetPixel(0, 0, skin::kMagenta);
  s.TopBorder.Bitmap.SetPixel(0, 0, skin::kMagenta);
  return s;
}

TEST(FrameRegion, FollowsOnlyTheTransparentBottomPiece) {
  const skin::SkinDefinition s = BottomTransparentSkin();
  const Size window{120, 80};
  const fw::UniqueRgn rgn = skin::BuildWindowRegion(window, PatternMetrics(), s);
  ASSERT_TRUE(rgn);
  const Bitmap bottom = skin::ComposeBorderPiece(s.BottomBorder, BorderPiece::Bottom, {110, 5}, true);
  int32_t holes = 0;
  for (int32_t x = 0; x < 110; ++x) holes += bottom.Pixel(x, 4) == skin::kMagenta;
  ASSERT_GT(holes, 4);  // the corners and the repeated notch
  EXPECT_TRUE(RegionMatches(rgn.get(), {-2, -2, 122, 82}, [&](int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= 120 || y >= 80) return false;
    if (y < 75 || x < 4 || x >= 114) return true;
    return bottom.Pixel(x - 4, y - 75) != skin::kMagenta;
  }));
}

TEST(FrameRegion, WholeWindowWithoutTransparentBorders) {
  skin::SkinDefinition s = BottomTransparentSkin();
  s.BottomBorder.Trans = 0;
  const fw::UniqueRgn rgn = skin::BuildWindowRegion({120, 80}, PatternMetrics(), s);
  ASSERT_TRUE(rgn);
  const fw::UniqueRgn whole(CreateRectRgn(0, 0, 120, 80));
  EXPECT_TRUE(EqualRgn(rgn.get(), whole.get()));
  EXPECT_FALSE(skin::BuildWindowRegion({0, 80}, PatternMetrics(), s));
}

// More rectangles than one batch holds, overlapping across batch borders: exactly their union.
TEST(FrameRegion, RectsInBatchesGiveTheirUnion) {
  std::vector<Rect> rects;
  for (int32_t y = 0; y < 60; ++y) {
    for (int32_t x = 0; x < 100; ++x) {
      if ((x + y) % 2 == 0) rects.push_back({x, y, x + 1, y + 1});
    }
  }
  for (int32_t i = 0; i < 40; ++i) rects.push_back(Rect::FromSize(i * 3, i, 7, 2));  // overlaps the checkerboard
  rects.push_back({5, 5, 5, 9});                                                // empty: ignored
  ASSERT_GT(rects.size(), 3000u);
  const fw::UniqueRgn rgn = skin::RegionFromRects(rects);
  ASSERT_TRUE(rgn);
  fw::UniqueRgn expected(CreateRectRgn(0, 0, 0, 0));
  for (const Rect& r : rects) {
    if (r.Empty()) continue;
    fw::UniqueRgn one(CreateRectRgn(r.left, r.top, r.right, r.bottom));
    CombineRgn(expected.get(), expected.get(), one.get(), RGN_OR);
  }
  EXPECT_TRUE(EqualRgn(rgn.get(), expected.get()));
  EXPECT_TRUE(Inside(rgn.get(), 0, 58));
  EXPECT_FALSE(Inside(rgn.get(), 1, 58));
  EXPECT_TRUE(Inside(rgn.get(), 1, 0));  // only in an overlapping rectangle
  EXPECT_TRUE(Inside(rgn.get(), 99, 59));

  const fw::UniqueRgn none = skin::RegionFromRects({});
  ASSERT_TRUE(none);
  RECT box{};
  EXPECT_EQ(GetRgnBox(none.get(), &box), NULLREGION);
}

TEST(FrameRegion, RegionFromBitmapLeavesKeyPixelsOut) {
  Bitmap picture(30, 10, 0x202020);
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 30; ++x)
      if ((x * 7 + y * 3) % 5 == 0) picture.SetPixel(x, y, skin::kMagenta);
  picture.SetPixel(1, 1, 0xFF01FF);  // green within the tolerance of one: see-through
  picture.SetPixel(2, 1, 0xFF02FF);  // green past it: opaque
  picture.SetPixel(3, 1, 0xFE00FF);  // blue below the key: opaque
  const fw::UniqueRgn rgn = skin::RegionFromBitmap(picture, 5, 7);
  ASSERT_TRUE(rgn);
  EXPECT_TRUE(RegionMatches(rgn.get(), {0, 0, 40, 20}, [&](int32_t x, int32_t y) {
    if (x < 5 || y < 7 || x >= 35 || y >= 17) return false;
    const Colour p = picture.Pixel(x - 5, y - 7);
    return p != skin::kMagenta && p != 0xFF01FF;
  }));
}

// Key pixels leave the target as it was, on both transfer paths, for any key; the picture is cut
// to the rectangle.
TEST(TransparentBitmap, KeyPixelsKeepTheTarget) {
  using Draw = void (*)(HDC, const RECT&, HBITMAP, COLORREF);
  struct Case {
    const char* name;
    Draw draw;
    Colour key;
    RECT r;
  } cases[] = {
      {"MaskBlt", skin::DrawTransparentBitmap, skin::kMagenta, {5, 4, 25, 16}},
      {"MaskBlt green key, cut", skin::DrawTransparentBitmap, 0x00FF00, {5, 4, 15, 10}},
      {"three blits", skin::DrawTransparentBitmapThreeBlits, skin::kMagenta, {5, 4, 25, 16}},
      {"three blits green key, cut", skin::DrawTransparentBitmapThreeBlits, 0x00FF00, {5, 4, 15, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bitmap source(20, 12);
    for (int32_t y = 0; y < 12; ++y)
      for (int32_t x = 0; x < 20; ++x)
        source.SetPixel(x, y, (x + y) % 3 == 0 ? c.key : skin::Rgb(static_cast<uint8_t>(x * 10), static_cast<uint8_t>(y * 20), 77));
    Bitmap start(30, 20);
    for (int32_t y = 0; y < 20; ++y)
      for (int32_t x = 0; x < 30; ++x) start.SetPixel(x, y, skin::Rgb(200, static_cast<uint8_t>(x * 8), static_cast<uint8_t>(y * 12)));
    Surface surface(start);
    const skin::DibSection dib = skin::DibSection::FromBitmap(source);
    c.draw(surface.dc(), c.r, dib.get(), static_cast<COLORREF>(c.key));
    const Bitmap px = surface.Pixels();
    for (int32_t y = 0; y < 20; ++y) {
      for (int32_t x = 0; x < 30; ++x) {
        const bool covered = x >= c.r.left && x < c.r.right && y >= c.r.top && y < c.r.bottom;
        const Colour from = covered ? source.Pixel(x - c.r.left, y - c.r.top) : c.key;
        const Colour expected = covered && from != c.key ? from : start.Pixel(x, y);
        ASSERT_EQ(px.Pixel(x, y), expected) << "at " << x << ", " << y;
      }
    }
  }
}

// The DC routines draw what the portable routines draw on our bitmaps, opaque and keyed.
TEST(DrawingRoutines, SameAsThePortableRoutines) {
  Bitmap image = Patterned(36, 20, 3, false, 0x30);  // three frames side by side
  image.FillRect({4, 5, 6, 9}, skin::kMagenta);        // in frame 1
  image.FillRect({14, 0, 16, 20}, skin::kMagenta);     // in frame 2
  Bitmap stacked = Patterned(12, 40, 2, true, 0x50);   // two frames one above the other
  stacked.FillRect({5, 22, 7, 40}, skin::kMagenta);
  const Rect r{3, 4, 41, 26};
  struct Case {
    const char* name;
    std::function<void(HDC, bool)> onDc;
    std::function<void(Bitmap&, bool)> portable;
  } cases[] = {
      {"composite", [&](HDC dc, bool t) { skin::DrawCompositeSkinBitmap(dc, r, image, false, true, t, 3, 2, {3, 4, 2, 5}); },
       [&](Bitmap& b, bool t) { skin::DrawCompositeFrame(b, r, image, false, true, t, 3, 2, {3, 4, 2, 5}); }},
      {"centred", [&](HDC dc, bool t) { skin::DrawCenteredFrame(dc, r, image, t, 3, 1); },
       [&](Bitmap& b, bool t) { skin::DrawCenteredFrame(b, r, image, t, 3, 1); }},
      {"three-slice", [&](HDC dc, bool t) { skin::StretchThreeSlice(dc, r, stacked, true, t, 2, 2, 3, 4); },
       [&](Bitmap& b, bool t) { skin::StretchThreeSlice(b, r, stacked, true, t, 2, 2, 3, 4); }},
      {"frame stretched", [&](HDC dc, bool t) { skin::DrawSkinFrame(dc, r, image, t, 3, 2); },
       [&](Bitmap& b, bool t) {
         Bitmap part(r.Width(), r.Height());
         skin::StretchCopy(part, {0, 0, r.Width(), r.Height()}, image, skin::FrameCell(image.Dimensions(), false, 3, 2));
         skin::DrawBitmap(b, r.TopLeft(), part, t);
       }},
  };
  for (const Case& c : cases) {
    for (const bool transparent : {false, true}) {
      SCOPED_TRACE(testing::Message() << c.name << (transparent ? " keyed" : " opaque"));
      Bitmap expected(48, 32, kBackground);
      expected.FillRect({0, 0, 24, 16}, 0x0A0B0C);
      Surface surface(expected);
      c.onDc(surface.dc(), transparent);
      c.portable(expected, transparent);
      EXPECT_TRUE(SameArea(surface.Pixels(), {0, 0, 48, 32}, expected));
    }
  }
}

TEST(DibSection, RoundTripsOurPixels) {
  const Bitmap picture = Patterned(13, 7, 1, true, 0x77);  // odd width: padded rows
  const skin::DibSection dib = skin::DibSection::FromBitmap(picture);
  ASSERT_TRUE(dib);
  EXPECT_EQ(dib.size(), (Size{13, 7}));
  EXPECT_TRUE(dib.ToBitmap() == picture);
  EXPECT_FALSE(skin::DibSection(Size{0, 5}));
  EXPECT_FALSE(skin::DibSection(Size{-3, 5}));
  EXPECT_FALSE(skin::DibSection(Size{1 << 20, 1 << 20}));
  skin::DibSection partial(Size{5, 5});
  partial.Store(picture, {-2, 3});  // only the overlap is written
  const Bitmap back = partial.ToBitmap();
  EXPECT_EQ(back.Pixel(0, 3), picture.Pixel(2, 0));
  EXPECT_EQ(back.Pixel(4, 4), picture.Pixel(6, 1));
  EXPECT_EQ(back.Pixel(0, 0), skin::kBlack);
}

TEST(IconBitmap, SmallIconOnMagenta) {
  HWND w = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(w);
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  auto pixels = [&](HBITMAP b) {
    Surface surface({cx, cy}, kBackground);
    fw::UniqueMemDc dc(CreateCompatibleDC(nullptr));
    fw::SelectGuard select(dc.get(), b);
    BitBlt(surface.dc(), 0, 0, cx, cy, dc.get(), 0, 0, SRCCOPY);
    return surface.Pixels();
  };
  {
    const fw::UniqueBitmap none = skin::BuildIconBitmap(w);
    ASSERT_TRUE(none);
    BITMAP info{};
    GetObject(none.get(), sizeof info, &info);
    EXPECT_EQ(info.bmWidth, cx);
    EXPECT_EQ(info.bmHeight, cy);
    EXPECT_EQ(info.bmBitsPixel, 16);
    EXPECT_TRUE(FilledWith(pixels(none.get()), {0, 0, cx, cy}, skin::kMagenta));
  }
  SendMessageW(w, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadIconA(nullptr, IDI_ERROR)));
  const fw::UniqueBitmap icon = skin::BuildIconBitmap(w);
  ASSERT_TRUE(icon);
  const Bitmap px = pixels(icon.get());
  int32_t key = 0, drawn = 0;
  for (int32_t y = 0; y < cy; ++y)
    for (int32_t x = 0; x < cx; ++x) (px.Pixel(x, y) == skin::kMagenta ? key : drawn)++;
  EXPECT_GT(drawn, cx * cy / 3);
  EXPECT_GT(key, 0);  // the round icon leaves its corners see-through
  DestroyWindow(w);
}

}  // namespace
