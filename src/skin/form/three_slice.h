#pragma once
// The three-part rule of the caption-text background (and menu pieces): both ends at their natural
// width, the middle repeated at its natural width between them, every part stretched to the
// target's height.
#include <cstdint>
#include <vector>

#include "skin/data/nine_slice.h"

namespace skin {

// The pieces that draw one cell of an image into dst, in window coordinates and drawing order:
// left end, the middle's copies from left to right (the last one cut), right end. A target
// narrower than both ends together has no ends (it is all middle). None for an empty dst or cell.
std::vector<SlicePiece> ThreeSlicePieces(const Rect& dst, const Rect& cell, int32_t leftEnd, int32_t rightEnd);

// StretchThreeSlice: draws frame frameIndex of the image (frames stacked or side by side) into the
// rectangle; with transparent, magenta pixels leave the target as it was. Nothing for an empty
// rectangle or image, or one too large to compose.
void StretchThreeSlice(Bitmap& target, const Rect& r, const Bitmap& image, bool stacked, bool transparent,
                       int32_t frameCount, int32_t frameIndex, int32_t leftEnd, int32_t rightEnd);

}  // namespace skin
