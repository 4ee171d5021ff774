// Regions from rectangles: region data is handed to ExtCreateRegion in batches of 2000 rectangles
// (large batches fail on some systems) and the batches are joined with RGN_OR.
#include <algorithm>
#include <limits>
#include <vector>

#include "skin/form/frame_painter.h"
#include "skin/form/region_runs.h"

namespace skin {

namespace {

constexpr size_t kRectsPerBatch = 2000;

fw::UniqueRgn RegionFromBatch(std::span<const Rect> rects) {
  std::vector<RECT> data;
  data.reserve(rects.size());
  RECT bound{std::numeric_limits<LONG>::max(), std::numeric_limits<LONG>::max(), std::numeric_limits<LONG>::min(),
             std::numeric_limits<LONG>::min()};
  for (const Rect& r : rects) {
    if (r.Empty()) continue;
    data.push_back({r.left, r.top, r.right, r.bottom});
    bound.left = std::min<LONG>(bound.left, r.left);
    bound.top = std::min<LONG>(bound.top, r.top);
    bound.right = std::max<LONG>(bound.right, r.right);
    bound.bottom = std::max<LONG>(bound.bottom, r.bottom);
  }
  if (data.empty()) return {};
  const size_t bytes = sizeof(RGNDATAHEADER) + data.size() * sizeof(RECT);
  // RECT-aligned storage for the header followed by the rectangles.
  std::vector<RECT> buffer((bytes + sizeof(RECT) - 1) / sizeof(RECT));
  auto* region = reinterpret_cast<RGNDATA*>(buffer.data());
  region->rdh.dwSize = sizeof(RGNDATAHEADER);
  region->rdh.iType = RDH_RECTANGLES;
  region->rdh.nCount = static_cast<DWORD>(data.size());
  region->rdh.nRgnSize = static_cast<DWORD>(data.size() * sizeof(RECT));
  region->rdh.rcBound = bound;
  std::copy(data.begin(), data.end(), reinterpret_cast<RECT*>(region->Buffer));
  return fw::UniqueRgn(ExtCreateRegion(nullptr, static_cast<DWORD>(bytes), region));
}

}  // namespace

fw::UniqueRgn RegionFromRects(std::span<const Rect> rects) {
  fw::UniqueRgn result(CreateRectRgn(0, 0, 0, 0));
  if (!result) return result;
  for (size_t first = 0; first < rects.size(); first += kRectsPerBatch) {
    const size_t count = std::min(kRectsPerBatch, rects.size() - first);
    fw::UniqueRgn batch = RegionFromBatch(rects.subspan(first, count));
    if (batch) CombineRgn(result.get(), result.get(), batch.get(), RGN_OR);
  }
  return result;
}

fw::UniqueRgn RegionFromBitmap(const Bitmap& picture, int32_t x, int32_t y) {
  const std::vector<Rect> runs = OpaqueRuns(picture, {x, y});
  return RegionFromRects(runs);
}

fw::UniqueRgn BuildWindowRegion(Size window, const FrameMetrics& m, const SkinDefinition& skin, bool active) {
  if (window.cx <= 0 || window.cy <= 0) return {};
  const std::vector<Rect> rects = WindowRegionRects(window, m, skin, active);
  return RegionFromRects(rects);
}

}  // namespace skin
