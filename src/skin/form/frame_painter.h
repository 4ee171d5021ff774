#pragma once
// The GDI side of the skinned frame: border pieces, the caption strip composed off-screen and
// copied in one transfer, the caption text and icon, the window region, and the small drawing
// routines the menu painters share. Geometry comes from the portable frame functions; pixels are
// composed in our own bitmaps and reach the device through DIB sections.
#include <windows.h>

#include <functional>
#include <span>
#include <string>

#include "framework/handles.h"
#include "skin/data/bitmap.h"
#include "skin/data/skin_definition.h"
#include "skin/form/border_pieces.h"
#include "skin/form/caption_text.h"
#include "skin/form/frame_geometry.h"

namespace skin {

// A top-down 32-bit DIB section holding a copy of one of our bitmaps (or a blank one of a size).
class DibSection {
 public:
  DibSection() = default;
  explicit DibSection(Size size);
  static DibSection FromBitmap(const Bitmap& picture);
  HBITMAP get() const { return bitmap_.get(); }
  Size size() const { return size_; }
  explicit operator bool() const { return bitmap_.get() != nullptr; }
  // The pixels as one of our bitmaps (GDI drawing is flushed first).
  Bitmap ToBitmap() const;
  void Store(const Bitmap& picture, Point at = {});

 private:
  fw::UniqueBitmap bitmap_;
  uint32_t* bits_ = nullptr;
  Size size_;
};

// Shared drawing routines. Empty or inverted rectangles draw nothing.
// Pixels of the key colour leave the target as it was. MaskBlt where the system has it, else the
// three-BitBlt path (which DrawTransparentBitmapThreeBlits always takes).
void DrawTransparentBitmap(HDC dc, const RECT& r, HBITMAP bitmap, COLORREF key);
void DrawTransparentBitmapThreeBlits(HDC dc, const RECT& r, HBITMAP bitmap, COLORREF key);
// The picture at r's top-left, cut to r; keyed on magenta when transparent.
void DrawBitmapTo(HDC dc, const Rect& r, const Bitmap& picture, bool transparent);
void DrawSkinFrame(HDC dc, const Rect& r, const Bitmap& image, bool transparent, int32_t frameCount,
                   int32_t frameIndex);
void DrawCenteredFrame(HDC dc, const Rect& r, const Bitmap& image, bool transparent, int32_t frameCount,
                       int32_t frameIndex);
void StretchThreeSlice(HDC dc, const Rect& r, const Bitmap& image, bool stacked, bool transparent,
                       int32_t frameCount, int32_t frameIndex, int32_t leftEnd, int32_t rightEnd);
void DrawCompositeSkinBitmap(HDC dc, const Rect& r, const Bitmap& image, bool stacked, bool tile,
                             bool transparent, int32_t frameCount, int32_t frameIndex, const Margins& margins);
// The non-magenta pixels of a picture moved by (x, y) as a region (rectangles joined in batches).
fw::UniqueRgn RegionFromBitmap(const Bitmap& picture, int32_t x, int32_t y);
fw::UniqueRgn RegionFromRects(std::span<const Rect> rects);

// One border piece composed and copied into r of the DC.
void PaintBorderPiece(HDC dc, const SkinDefinition& skin, BorderPiece piece, const Rect& r, bool active);

// Everything the frame painter needs from the form skin object.
struct FramePaintInput {
  const SkinDefinition* Skin = nullptr;
  FrameMetrics Metrics;
  FrameTraits Traits;
  std::wstring WindowText;  // without prefix and suffix
  HFONT CaptionFont = nullptr;
  HBRUSH BackBrush = nullptr;
  int32_t RightButtonsWidth = 0;
  // Draws the caption buttons and icon into the caption strip (caption-button painters).
  std::function<void(HDC strip, const Rect& captionArea, const Rect& captionTextRect)> DrawButtons;
  // Paints the menu-bar strip (menu-bar painter); when empty the strip is filled with BackBrush.
  std::function<void(HDC windowDc, const Rect& menuBar)> DrawMenuBar;
};

struct FramePaintResult {
  Rect CaptionTextBox;
  Rect CaptionTextRect;
};

// RepaintFrame's drawing for a window of the given size: left, right and bottom pieces, the
// caption strip (composed off-screen, copied in one BitBlt), then the menu-bar strip. A minimized
// window gets only its caption strip over ButtonFace.
FramePaintResult PaintFrame(HDC windowDc, Size window, const FramePaintInput& in);

// BuildRegion's region for a window of that size (the inner rectangle and each border's part);
// null for an empty window. Border pixels are taken from frame 1 (active) unless told otherwise.
fw::UniqueRgn BuildWindowRegion(Size window, const FrameMetrics& m, const SkinDefinition& skin, bool active = true);

// Small icon of a window (WM_GETICON small, else big) on magenta, SM_CXSMICON x SM_CYSMICON.
fw::UniqueBitmap BuildIconBitmap(HWND window);

}  // namespace skin
