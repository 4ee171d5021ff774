#include "skin/data/nine_slice.h"

#include <algorithm>
#include <cstring>

namespace skin {

Rect FrameCell(Size image, bool stacked, int32_t count, int32_t index) {
  const int32_t n = std::max(count, 1);
  const int32_t k = std::clamp(index, 1, n);
  if (stacked) {
    const int32_t h = image.cy / n;
    return Rect::FromSize(0, (k - 1) * h, image.cx, h);
  }
  const int32_t w = image.cx / n;
  return Rect::FromSize((k - 1) * w, 0, w, image.cy);
}

std::vector<SlicePiece> NineSlicePieces(Size target, const Rect& cell, const Margins& margins, bool tile) {
  // Negative margins mean none; margins wider than the target are dropped in pairs.
  int64_t l = std::max(margins.left, 0), t = std::max(margins.top, 0);
  int64_t r = std::max(margins.right, 0), b = std::max(margins.bottom, 0);
  if (target.cx < l + r) l = r = 0;
  if (target.cy < t + b) t = b = 0;
  const int32_t L = static_cast<int32_t>(l), T = static_cast<int32_t>(t);
  const int32_t R = static_cast<int32_t>(r), B = static_cast<int32_t>(b);
  const int32_t W = target.cx, H = target.cy;
  const int32_t x0 = cell.left, y0 = cell.top, x1 = cell.right, y1 = cell.bottom;

  std::vector<SlicePiece> pieces;
  auto add = [&](Rect src, Rect dst, bool tiled = false) {
    if (!src.Empty() && !dst.Empty()) pieces.push_back({src, dst, tiled});
  };
  if (L > 0 && T > 0) add({x0, y0, x0 + L, y0 + T}, {0, 0, L, T});
  if (L > 0 && B > 0) add({x0, y1 - B, x0 + L, y1}, {0, H - B, L, H});
  if (R > 0 && T > 0) add({x1 - R, y0, x1, y0 + T}, {W - R, 0, W, T});
  add({x0, y0 + T, x0 + L, y1 - B}, {0, T, L, H - B});
  add({x0 + L, y0, x1 - R, y0 + T}, {L, 0, W - R, T});
  add({x0 + L, y0 + T, x1 - R, y1 - B}, {L, T, W - R, H - B}, tile);
  if (R > 0 && B > 0) add({x1 - R, y1 - B, x1, y1}, {W - R, H - B, W, H});
  add({x1 - R, y0 + T, x1, y1 - B}, {W - R, T, W, H - B});
  add({x0 + L, y1 - B, x1 - R, y1}, {L, H - B, W - R, H});
  return pieces;
}

namespace {

// Copies one source pixel when it lies inside the image (a source rectangle may reach past it).
inline void CopyPixel(uint8_t* row, int32_t x, const Bitmap& image, int64_t sx, int64_t sy) {
  if (sx < 0 || sy < 0 || sx >= image.Width() || sy >= image.Height()) return;
  std::memcpy(row + static_cast<size_t>(x) * 3, image.Row(static_cast<int32_t>(sy)) + static_cast<size_t>(sx) * 3, 3);
}

}  // namespace

void StretchCopy(Bitmap& target, const Rect& dst, const Bitmap& image, const Rect& src) {
  if (dst.Empty() || src.Empty()) return;
  const Rect clip = common::Intersect(dst, {0, 0, target.Width(), target.Height()});
  const int64_t dw = dst.Width(), dh = dst.Height(), sw = src.Width(), sh = src.Height();
  for (int32_t y = clip.top; y < clip.bottom; ++y) {
    const int64_t sy = src.top + ((2 * (y - int64_t{dst.top}) + 1) * sh) / (2 * dh);
    uint8_t* row = target.MutableRow(y);
    for (int32_t x = clip.left; x < clip.right; ++x) {
      const int64_t sx = src.left + ((2 * (x - int64_t{dst.left}) + 1) * sw) / (2 * dw);
      CopyPixel(row, x, image, sx, sy);
    }
  }
}

void TileCopy(Bitmap& target, const Rect& dst, const Bitmap& image, const Rect& src) {
  if (dst.Empty() || src.Empty()) return;
  const Rect clip = common::Intersect(dst, {0, 0, target.Width(), target.Height()});
  for (int32_t y = clip.top; y < clip.bottom; ++y) {
    const int64_t sy = src.top + (y - int64_t{dst.top}) % src.Height();
    uint8_t* row = target.MutableRow(y);
    for (int32_t x = clip.left; x < clip.right; ++x) {
      const int64_t sx = src.left + (x - int64_t{dst.left}) % src.Width();
      CopyPixel(row, x, image, sx, sy);
    }
  }
}

Bitmap CompositeSkinBitmap(Size target, const Bitmap& image, const Margins& margins, bool stacked,
                           bool tile, int32_t frameCount, int32_t frameIndex) {
  if (target.cx <= 0 || target.cy <= 0) return {};
  Bitmap out(target.cx, target.cy);
  if (image.Empty()) return out;
  const Rect cell = FrameCell(image.Dimensions(), stacked, frameCount, frameIndex);
  for (const SlicePiece& p : NineSlicePieces(target, cell, margins, tile)) {
    if (p.tiled) {
      TileCopy(out, p.dst, image, p.src);
    } else {
      StretchCopy(out, p.dst, image, p.src);
    }
  }
  return out;
}

void DrawBitmap(Bitmap& target, Point at, const Bitmap& source, bool keyed, Colour key) {
  const Rect dst = common::Intersect(Rect::FromSize(at.x, at.y, source.Width(), source.Height()),
                                     {0, 0, target.Width(), target.Height()});
  if (dst.Empty()) return;
  const uint8_t k[3] = {BlueOf(key), GreenOf(key), RedOf(key)};
  for (int32_t y = dst.top; y < dst.bottom; ++y) {
    const uint8_t* s = source.Row(y - at.y) + static_cast<size_t>(dst.left - at.x) * 3;
    uint8_t* d = target.MutableRow(y) + static_cast<size_t>(dst.left) * 3;
    if (!keyed) {
      std::memcpy(d, s, static_cast<size_t>(dst.Width()) * 3);
      continue;
    }
    for (int32_t x = dst.left; x < dst.right; ++x, s += 3, d += 3) {
      if (std::memcmp(s, k, 3) != 0) std::memcpy(d, s, 3);
    }
  }
}

void DrawCompositeFrame(Bitmap& target, const Rect& r, const Bitmap& image, bool stacked, bool tile,
                        bool transparent, int32_t frameCount, int32_t frameIndex, const Margins& margins) {
  if (r.Empty()) return;
  const Bitmap part =
      CompositeSkinBitmap({r.Width(), r.Height()}, image, margins, stacked, tile, frameCount, frameIndex);
  DrawBitmap(target, r.TopLeft(), part, transparent);
}

void DrawCenteredFrame(Bitmap& target, const Rect& r, const Bitmap& image, bool transparent,
                       int32_t frameCount, int32_t frameIndex) {
  if (r.Empty() || image.Empty()) return;
  const Rect cell = FrameCell(image.Dimensions(), false, frameCount, frameIndex);
  const Bitmap frame = CopyRect(image, cell);
  const Point at{r.left + (r.Width() - frame.Width()) / 2, r.top + (r.Height() - frame.Height()) / 2};
  DrawBitmap(target, at, frame, transparent);
}

}  // namespace skin
