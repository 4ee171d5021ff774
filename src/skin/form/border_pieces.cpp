#include "skin/form/border_pieces.h"

namespace skin {

const TDataSkinBorder& BorderOf(const SkinDefinition& skin, BorderPiece piece) {
  switch (piece) {
    case BorderPiece::Left: return skin.LeftBorder;
    case BorderPiece::Right: return skin.RightBorder;
    case BorderPiece::Top: return skin.TopBorder;
    case BorderPiece::Bottom: break;
  }
  return skin.BottomBorder;
}

std::vector<SlicePiece> BorderSlices(const TDataSkinBorder& border, BorderPiece piece, const Rect& dst, bool active) {
  if (dst.Empty() || border.Bitmap.Empty()) return {};
  const int32_t count = border.SafeFrame();
  const Rect cell = FrameCell(border.Bitmap.Dimensions(), PieceStacked(piece), count,
                              BorderFrameIndex(active, count));
  std::vector<SlicePiece> pieces =
      NineSlicePieces({dst.Width(), dst.Height()}, cell, border.GetMargins(), BorderTiled(border));
  for (SlicePiece& p : pieces) p.dst = p.dst.Offset(dst.left, dst.top);
  return pieces;
}

Bitmap ComposeBorderPiece(const TDataSkinBorder& border, BorderPiece piece, Size size, bool active) {
  const int32_t count = border.SafeFrame();
  return CompositeSkinBitmap(size, border.Bitmap, border.GetMargins(), PieceStacked(piece), BorderTiled(border),
                             count, BorderFrameIndex(active, count));
}

}  // namespace skin
