#pragma once
// The window region of the skinned frame as rectangles: the inner rectangle plus each border piece,
// either whole or as the runs of its pixels that are not magenta. Built only when the size changes;
// the platform layer joins the rectangles into a region.
#include <cstdint>
#include <vector>

#include "skin/data/bitmap.h"
#include "skin/data/skin_definition.h"
#include "skin/form/frame_geometry.h"

namespace skin {

// A pixel is see-through when each channel lies between the key's channel and that channel plus
// the tolerance (capped at 255).
bool IsKeyPixel(Colour pixel, Colour key = kMagenta, int32_t tolerance = 1);

// The pixels of the picture that are not see-through, as rectangles moved by `at`: one per run of
// a row, rows that repeat the row above extend its rectangles downwards.
std::vector<Rect> OpaqueRuns(const Bitmap& picture, Point at, Colour key = kMagenta, int32_t tolerance = 1);

// The rectangles whose union is the window's region (BuildRegion): the whole window when no
// border has Trans set, else the inner rectangle and each border's part. Empty rectangles are left
// out; nothing for an empty window.
std::vector<Rect> WindowRegionRects(Size window, const FrameMetrics& m, const SkinDefinition& skin, bool active);

// Whether a region built for `built` must be rebuilt: always for MDI children and while refreshing
// (SkinState 3), else only when the size changed.
bool RegionNeedsRebuild(Size window, Size built, bool mdiChild, int32_t skinState);

}  // namespace skin
