#include "skin/form/three_slice.h"

#include <algorithm>

namespace skin {

std::vector<SlicePiece> ThreeSlicePieces(const Rect& dst, const Rect& cell, int32_t leftEnd, int32_t rightEnd) {
  if (dst.Empty() || cell.Empty()) return {};
  int64_t l = std::clamp(leftEnd, 0, cell.Width()), r = std::clamp(rightEnd, 0, cell.Width());
  if (l + r > cell.Width()) r = cell.Width() - l;
  if (dst.Width() < l + r) l = r = 0;
  const int32_t L = static_cast<int32_t>(l), R = static_cast<int32_t>(r);

  std::vector<SlicePiece> out;
  if (L > 0) out.push_back({{cell.left, cell.top, cell.left + L, cell.bottom}, {dst.left, dst.top, dst.left + L, dst.bottom}, false});
  const int32_t midSrcLeft = cell.left + L, midSrcRight = cell.right - R;
  const int32_t midWidth = midSrcRight - midSrcLeft;
  if (midWidth > 0) {
    for (int32_t x = dst.left + L; x < dst.right - R; x += midWidth) {
      const int32_t w = std::min(midWidth, dst.right - R - x);
      out.push_back({{midSrcLeft, cell.top, midSrcLeft + w, cell.bottom}, {x, dst.top, x + w, dst.bottom}, false});
    }
  }
  if (R > 0) out.push_back({{cell.right - R, cell.top, cell.right, cell.bottom}, {dst.right - R, dst.top, dst.right, dst.bottom}, false});
  return out;
}

void StretchThreeSlice(Bitmap& target, const Rect& r, const Bitmap& image, bool stacked, bool transparent,
                       int32_t frameCount, int32_t frameIndex, int32_t leftEnd, int32_t rightEnd) {
  if (r.Empty() || image.Empty()) return;
  const Rect cell = FrameCell(image.Dimensions(), stacked, frameCount, frameIndex);
  // Composed apart so that parts no piece reaches stay see-through.
  Bitmap part;
  try {
    part = Bitmap(r.Width(), r.Height(), transparent ? kMagenta : kBlack);
  } catch (const BitmapError&) {
    return;  // larger than any picture may be: nothing is drawn
  }
  for (const SlicePiece& p : ThreeSlicePieces({0, 0, r.Width(), r.Height()}, cell, leftEnd, rightEnd)) {
    StretchCopy(part, p.dst, image, p.src);
  }
  DrawBitmap(target, r.TopLeft(), part, transparent);
}

}  // namespace skin
