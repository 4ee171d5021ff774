// The routines that draw into a device context: gradients limited to the clip box, and text in
// wide or 8-bit form.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/data/img_util.h"
#include "skin/data/img_util_win.h"

namespace {

// A 32-bit top-down DIB section selected into a memory DC.
class Canvas {
 public:
  Canvas(int w, int h) : w_(w) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bmp_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bmp_);
    RECT all{0, 0, w, h};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bmp_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC dc() const { return dc_; }
  skin::Colour At(int x, int y) const {
    GdiFlush();
    const uint32_t v = bits_[y * w_ + x];
    return skin::Rgb(static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v));
  }

 private:
  int w_;
  HDC dc_ = nullptr;
  HBITMAP bmp_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
};

TEST(GradientFillDc, DrawsLinesWithTheCachedSteps) {
  Canvas c(4, 8);
  skin::GradientFill(c.dc(), RECT{0, 0, 4, 8}, 0x000000, true, 0x0000F0);
  const auto steps = skin::GradientSteps(8, 0, 0xF0);
  for (int y = 0; y < 8; ++y) EXPECT_EQ(c.At(3, y), steps[static_cast<size_t>(y)]) << y;
  skin::GradientFill(c.dc(), RECT{0, 0, 4, 1}, 0x00FF00, false, 0xFF0000);
  EXPECT_EQ(c.At(0, 0), 0x00FF00);
  EXPECT_EQ(c.At(3, 0), skin::GradientSteps(4, 0x00FF00, 0xFF0000)[3]);  // green truncates to 1
}

TEST(GradientFillDc, OnlyInsideTheClipBox) {
  Canvas c(4, 8);
  HRGN clip = CreateRectRgn(0, 2, 4, 5);
  SelectClipRgn(c.dc(), clip);
  DeleteObject(clip);
  skin::GradientFill(c.dc(), RECT{0, 0, 4, 8}, 0xFFFFFF, true, 0xFFFFFF);
  for (int y = 0; y < 8; ++y) EXPECT_EQ(c.At(1, y), (y >= 2 && y < 5) ? 0xFFFFFF : 0) << y;
  skin::GradientFill(c.dc(), RECT{0, 6, 4, 8}, 0xFFFFFF, true, 0xFFFFFF);  // not visible: nothing
  EXPECT_EQ(c.At(1, 7), 0);
  SelectClipRgn(c.dc(), nullptr);
  skin::GradientFill(c.dc(), RECT{0, 6, 4, 6}, 0xFFFFFF, true, 0xFFFFFF);  // empty
  EXPECT_EQ(c.At(1, 6), 0);
}

TEST(GradientFillDc, ResolvesSystemColours) {
  Canvas c(1, 1);
  skin::GradientFill(c.dc(), RECT{0, 0, 1, 1}, skin::SysColourRef(COLOR_BTNFACE), true,
                     skin::SysColourRef(COLOR_BTNFACE));
  EXPECT_EQ(c.At(0, 0), static_cast<skin::Colour>(GetSysColor(COLOR_BTNFACE)));
}

TEST(AnsiToWide, UsesTheSystemCodePage) {
  ASSERT_EQ(GetACP(), 936u);
  EXPECT_EQ(skin::AnsiToWide("出错"), std::wstring(L"\u51FA\u9519"));
  EXPECT_EQ(skin::AnsiToWide(""), L"");
}

TEST(DrawTextAuto, DrawsAndMeasuresWideText) {
  Canvas c(200, 40);
  SetTextColor(c.dc(), RGB(255, 255, 255));
  SetBkMode(c.dc(), TRANSPARENT);
  RECT r{0, 0, 200, 40};
  RECT calc = r;
  EXPECT_GT(skin::DrawTextAuto(c.dc(), L"\u51FA\u9519 Abc", calc, DT_CALCRECT | DT_SINGLELINE), 0);
  EXPECT_GT(calc.right, 10);
  EXPECT_GT(skin::DrawTextAuto(c.dc(), L"\u51FA\u9519 Abc", r, DT_SINGLELINE), 0);
  bool drawn = false;
  for (int y = 0; y < 40 && !drawn; ++y) {
    for (int x = 0; x < 200 && !drawn; ++x) drawn = c.At(x, y) != 0;
  }
  EXPECT_TRUE(drawn);
  RECT empty{0, 0, 10, 10};
  skin::DrawTextAuto(c.dc(), L"", empty, DT_SINGLELINE);  // no text: no fault
}

}  // namespace
