// The shared skin drawing routines on a device context: each composes its pixels in one of our
// bitmaps with the portable slicing rules and hands the result to the device in one transfer.
#include "skin/form/frame_painter.h"

#include "skin/form/three_slice.h"

namespace skin {

namespace {

// A blank picture of the rectangle's size, or none when it is too large to compose.
Bitmap Canvas(const Rect& r, Colour fill) {
  try {
    return Bitmap(r.Width(), r.Height(), fill);
  } catch (const BitmapError&) {
    return {};
  }
}

}  // namespace

void DrawSkinFrame(HDC dc, const Rect& r, const Bitmap& image, bool transparent, int32_t frameCount,
                   int32_t frameIndex) {
  if (r.Empty() || image.Empty()) return;
  Bitmap part = Canvas(r, kMagenta);
  if (part.Empty()) return;
  const Rect cell = FrameCell(image.Dimensions(), false, frameCount, frameIndex);
  StretchCopy(part, {0, 0, r.Width(), r.Height()}, image, cell);
  DrawBitmapTo(dc, r, part, transparent);
}

void DrawCenteredFrame(HDC dc, const Rect& r, const Bitmap& image, bool transparent, int32_t frameCount,
                       int32_t frameIndex) {
  if (r.Empty() || image.Empty()) return;
  const Rect cell = FrameCell(image.Dimensions(), false, frameCount, frameIndex);
  const Bitmap frame = CopyRect(image, cell);
  if (frame.Empty()) return;
  const Rect at = Rect::FromSize(r.left + (r.Width() - frame.Width()) / 2, r.top + (r.Height() - frame.Height()) / 2,
                                 frame.Width(), frame.Height());
  DrawBitmapTo(dc, at, frame, transparent);
}

void StretchThreeSlice(HDC dc, const Rect& r, const Bitmap& image, bool stacked, bool transparent,
                       int32_t frameCount, int32_t frameIndex, int32_t leftEnd, int32_t rightEnd) {
  if (r.Empty() || image.Empty()) return;
  // Parts no piece reaches stay magenta, so a transparent draw leaves them alone.
  Bitmap part = Canvas(r, kMagenta);
  if (part.Empty()) return;
  const Rect cell = FrameCell(image.Dimensions(), stacked, frameCount, frameIndex);
  for (const SlicePiece& p : ThreeSlicePieces({0, 0, r.Width(), r.Height()}, cell, leftEnd, rightEnd)) {
    StretchCopy(part, p.dst, image, p.src);
  }
  DrawBitmapTo(dc, r, part, transparent);
}

void DrawCompositeSkinBitmap(HDC dc, const Rect& r, const Bitmap& image, bool stacked, bool tile,
                             bool transparent, int32_t frameCount, int32_t frameIndex, const Margins& margins) {
  if (r.Empty()) return;
  try {
    const Bitmap part =
        CompositeSkinBitmap({r.Width(), r.Height()}, image, margins, stacked, tile, frameCount, frameIndex);
    DrawBitmapTo(dc, r, part, transparent);
  } catch (const BitmapError&) {
    // Larger than any picture may be: nothing is drawn.
  }
}

void PaintBorderPiece(HDC dc, const SkinDefinition& skin, BorderPiece piece, const Rect& r, bool active) {
  if (r.Empty()) return;
  const TDataSkinBorder& border = BorderOf(skin, piece);
  if (border.Bitmap.Empty()) return;
  try {
    DrawBitmapTo(dc, r, ComposeBorderPiece(border, piece, {r.Width(), r.Height()}, active), false);
  } catch (const BitmapError&) {
    // Larger than any picture may be: nothing is drawn.
  }
}

}  // namespace skin
