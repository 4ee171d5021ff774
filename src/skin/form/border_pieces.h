#pragma once
// The four border pieces of the skinned frame: which image, frame and fill rule each uses, as
// nine-slice pieces in window coordinates (for painting and tests) or as one composed picture
// (for painting and the window region).
#include <cstdint>
#include <vector>

#include "skin/data/nine_slice.h"
#include "skin/data/skin_definition.h"
#include "skin/form/frame_geometry.h"

namespace skin {

enum class BorderPiece : int32_t { Left = 1, Right = 2, Top = 3, Bottom = 4 };

const TDataSkinBorder& BorderOf(const SkinDefinition& skin, BorderPiece piece);
// Top and bottom images hold their frames one above the other; left and right side by side.
constexpr bool PieceStacked(BorderPiece piece) { return piece == BorderPiece::Top || piece == BorderPiece::Bottom; }
// Borders tile their middle unless Tile is 1 (the reverse of other skin objects).
constexpr bool BorderTiled(const TDataSkinBorder& border) { return border.Tile != 1; }

// The nine-slice pieces that draw the border into dst, moved to dst's position. None for an empty
// rectangle or image.
std::vector<SlicePiece> BorderSlices(const TDataSkinBorder& border, BorderPiece piece, const Rect& dst, bool active);

// The border composed to a size (empty for an empty size).
Bitmap ComposeBorderPiece(const TDataSkinBorder& border, BorderPiece piece, Size size, bool active);

}  // namespace skin
