#pragma once
// The nine-part rule by which a skin image with fixed margins is fitted to any size: corners are
// copied, edges stretched along their length, the middle stretched or tiled; margins that do not
// fit the target are dropped. Geometry first (pure functions), then the pixel routines over our
// bitmap type that every painter reuses.
#include <cstdint>
#include <vector>

#include "common/geometry.h"
#include "skin/data/bitmap.h"

namespace skin {

using common::Point;
using common::Rect;
using common::Size;

// Margins of an image in the order left, top, right, bottom.
using Margins = common::Rect;

// The cell of frame `index` (1-based) of `count` equal frames, stacked one above the other or laid
// side by side. A count below 1 counts as 1 and the index is kept within 1..count, so no frame
// count ever divides by zero or reads outside the image.
Rect FrameCell(Size image, bool stacked, int32_t count, int32_t index);

struct SlicePiece {
  Rect src;    // in the image
  Rect dst;    // in the target
  bool tiled;  // repeated at natural size from dst's top-left, else stretched to dst
};

// The pieces that compose a target of the given size from one cell, in drawing order: top-left,
// bottom-left and top-right corners, left and top edges, centre, bottom-right corner, right and
// bottom edges. Pieces with an empty source or target are left out.
std::vector<SlicePiece> NineSlicePieces(Size target, const Rect& cell, const Margins& margins, bool tile);

// Copies src (of image) onto dst (of target), stretching with the nearest pixel (sampled at pixel
// centres). Parts outside either picture are skipped.
void StretchCopy(Bitmap& target, const Rect& dst, const Bitmap& image, const Rect& src);
// Repeats src at natural size over dst, starting at dst's top-left corner.
void TileCopy(Bitmap& target, const Rect& dst, const Bitmap& image, const Rect& src);

// A new target-sized picture composed from one frame of the image (parts no piece reaches are black).
Bitmap CompositeSkinBitmap(Size target, const Bitmap& image, const Margins& margins, bool stacked,
                           bool tile, int32_t frameCount, int32_t frameIndex);

// Copies a picture to (at) of the target; with keyed, pixels of the key colour are left out.
void DrawBitmap(Bitmap& target, Point at, const Bitmap& source, bool keyed, Colour key = kMagenta);

// Composes one frame into the rectangle of the target and draws it, keyed on magenta when
// transparent. Nothing for an empty rectangle.
void DrawCompositeFrame(Bitmap& target, const Rect& r, const Bitmap& image, bool stacked, bool tile,
                        bool transparent, int32_t frameCount, int32_t frameIndex, const Margins& margins);

// One frame of frames laid side by side at natural size, centred in the rectangle.
void DrawCenteredFrame(Bitmap& target, const Rect& r, const Bitmap& image, bool transparent,
                       int32_t frameCount, int32_t frameIndex);

}  // namespace skin
