#pragma once
// Fixtures for the GDI frame painter tests: a memory DC over a DIB section standing in for a window
// DC, and small skins whose border pieces carry distinct patterns (red names the piece, blue the
// frame, green varies with the position) so any wrong piece, frame or offset shows in the pixels.
#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "skin/data/skin_definition.h"
#include "skin/form/frame_painter.h"

namespace paintfix {

using skin::Bitmap;
using skin::Colour;
using skin::Rect;
using skin::Size;

constexpr uint8_t kLeftTag = 0x40, kTopTag = 0x80, kRightTag = 0xC0, kBottomTag = 0xE0;
constexpr Colour kButtonFace = 0x336699;
constexpr Colour kTextActive = 0x0000F0;
constexpr Colour kTextInactive = 0xF00000;
constexpr Colour kBackground = 0x123456;  // what the "window" shows before painting

// Blue of a pixel of frame n.
constexpr uint8_t FrameBlue(int32_t frame) { return static_cast<uint8_t>(0x10 * frame); }

// An image of `frames` frames (stacked or side by side), each pixel red = tag, green from its place
// in the frame, blue = FrameBlue(frame).
inline Bitmap Patterned(int32_t w, int32_t h, int32_t frames, bool stacked, uint8_t tag) {
  Bitmap b(w, h);
  const int32_t cw = stacked ? w : w / frames, ch = stacked ? h / frames : h;
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      const int32_t frame = stacked ? y / ch + 1 : x / cw + 1;
      const int32_t fx = x % cw, fy = y % ch;
      b.SetPixel(x, y, skin::Rgb(tag, static_cast<uint8_t>((fx * 11 + fy * 5) % 200 + 20), FrameBlue(frame)));
    }
  }
  return b;
}

inline void SetPiece(skin::TDataSkinBorder& b, Bitmap image, int32_t frames, skin::Margins margins) {
  b.Bitmap = std::move(image);
  b.Frame = frames;
  b.SetMargins(margins);
}

// Borders: left 4 (two frames side by side), top 30 (two frames of 30 one above the other), right 6
// (one frame), bottom 5 (one frame); margins make every piece stretch or tile somewhere.
inline skin::SkinDefinition PatternSkin() {
  skin::SkinDefinition s;
  SetPiece(s.LeftBorder, Patterned(8, 40, 2, false, kLeftTag), 2, {0, 3, 0, 3});
  SetPiece(s.TopBorder, Patterned(40, 60, 2, true, kTopTag), 2, {5, 0, 5, 0});
  SetPiece(s.RightBorder, Patterned(6, 40, 1, false, kRightTag), 1, {0, 4, 0, 4});
  SetPiece(s.BottomBorder, Patterned(40, 5, 1, true, kBottomTag), 1, {3, 0, 3, 0});
  s.SkinColors[skin::kScButtonFace] = kButtonFace;
  s.SkinColors[skin::kScTitleTextActive] = kTextActive;
  s.SkinColors[skin::kScTitleTextNoActive] = kTextInactive;
  s.SkinEmpty = false;
  return s;
}

inline skin::FrameMetrics PatternMetrics() { return {4, 30, 6, 5, 0}; }

// A memory DC over a 32-bit DIB section: what the painter draws is read back as our bitmap.
class Surface {
 public:
  Surface(Size size, Colour fill) : dib_(size), dc_(CreateCompatibleDC(nullptr)) {
    old_ = SelectObject(dc_.get(), dib_.get());
    Bitmap blank(size.cx, size.cy, fill);
    dib_.Store(blank);
  }
  explicit Surface(const Bitmap& start) : dib_(skin::DibSection::FromBitmap(start)), dc_(CreateCompatibleDC(nullptr)) {
    old_ = SelectObject(dc_.get(), dib_.get());
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  ~Surface() { SelectObject(dc_.get(), old_); }
  HDC dc() const { return dc_.get(); }
  Bitmap Pixels() const { return dib_.ToBitmap(); }

 private:
  skin::DibSection dib_;
  fw::UniqueMemDc dc_;
  HGDIOBJ old_ = nullptr;
};

// The part r of `actual` equals `expected` (same size as r), with the first difference named.
inline ::testing::AssertionResult SameArea(const Bitmap& actual, const Rect& r, const Bitmap& expected) {
  if (expected.Width() != r.Width() || expected.Height() != r.Height()) {
    return ::testing::AssertionFailure() << "expected picture " << expected.Width() << "x" << expected.Height()
                                         << " for an area " << r.Width() << "x" << r.Height();
  }
  for (int32_t y = 0; y < r.Height(); ++y) {
    for (int32_t x = 0; x < r.Width(); ++x) {
      const Colour a = actual.Pixel(r.left + x, r.top + y), e = expected.Pixel(x, y);
      if (a != e) {
        char text[96];
        std::snprintf(text, sizeof text, "at (%d, %d): 0x%06X, expected 0x%06X", r.left + x, r.top + y,
                      static_cast<unsigned>(a), static_cast<unsigned>(e));
        return ::testing::AssertionFailure() << text;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// Every pixel of r has one colour.
inline ::testing::AssertionResult FilledWith(const Bitmap& actual, const Rect& r, Colour c) {
  return SameArea(actual, r, Bitmap(r.Width(), r.Height(), c));
}

// The caption font as the form skin object builds it (the system's non-client caption font).
inline fw::UniqueFont CaptionFont() {
  NONCLIENTMETRICSW m{};
  m.cbSize = sizeof(m);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(m), &m, 0);
  return fw::UniqueFont(CreateFontIndirectW(&m.lfCaptionFont));
}

// GDI objects the process holds: GetGuiResources on Windows; Wine answers 0 there, so its shared
// handle table is counted instead (PEB + 0xF8 on x64, 24-byte entries, live when byte 14 is set).
inline int LiveGdiObjects() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return static_cast<int>(reported);
  PROCESS_BASIC_INFORMATION info{};
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0) {
    return -1;
  }
  const auto* peb = reinterpret_cast<const uint8_t*>(info.PebBaseAddress);
  const uint8_t* table = *reinterpret_cast<const uint8_t* const*>(peb + 0xF8);
  if (table == nullptr) return -1;
  int live = 0;
  for (size_t i = 0; i < 0x10000; ++i) live += table[i * 24 + 14] != 0;
  return live;
}

}  // namespace paintfix
