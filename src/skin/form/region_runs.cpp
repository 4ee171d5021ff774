#include "skin/form/region_runs.h"

#include <algorithm>

#include "skin/form/border_pieces.h"

namespace skin {

namespace {

bool ChannelKeyed(uint8_t c, uint8_t k, int32_t tolerance) {
  return c >= k && c <= std::min<int32_t>(k + tolerance, 255);
}

struct Run {
  int32_t left, right;
  bool operator==(const Run&) const = default;
};

// One border's part of the region: its pixels when see-through pixels count, else its rectangle.
void AddPart(std::vector<Rect>& out, const TDataSkinBorder& border, BorderPiece piece, const Rect& r,
             bool usePixels, bool active) {
  if (r.Empty()) return;
  if (usePixels) {
    try {
      const Bitmap picture = ComposeBorderPiece(border, piece, {r.Width(), r.Height()}, active);
      if (!picture.Empty()) {
        const std::vector<Rect> runs = OpaqueRuns(picture, r.TopLeft());
        out.insert(out.end(), runs.begin(), runs.end());
        return;
      }
    } catch (const BitmapError&) {
      // Too big to compose: the piece counts whole.
    }
  }
  out.push_back(r);
}

}  // namespace

bool IsKeyPixel(Colour pixel, Colour key, int32_t tolerance) {
  return ChannelKeyed(RedOf(pixel), RedOf(key), tolerance) && ChannelKeyed(GreenOf(pixel), GreenOf(key), tolerance) &&
         ChannelKeyed(BlueOf(pixel), BlueOf(key), tolerance);
}

std::vector<Rect> OpaqueRuns(const Bitmap& picture, Point at, Colour key, int32_t tolerance) {
  std::vector<Rect> out;
  std::vector<Run> previous, current;
  size_t firstOfPrevious = 0;  // index in out of the rectangles made for the previous row
  for (int32_t y = 0; y < picture.Height(); ++y) {
    current.clear();
    const uint8_t* p = picture.Row(y);
    for (int32_t x = 0; x < picture.Width();) {
      auto keyed = [&](int32_t i) {
        const uint8_t* q = p + static_cast<size_t>(i) * 3;
        return ChannelKeyed(q[2], RedOf(key), tolerance) && ChannelKeyed(q[1], GreenOf(key), tolerance) &&
               ChannelKeyed(q[0], BlueOf(key), tolerance);
      };
      if (keyed(x)) {
        ++x;
        continue;
      }
      const int32_t start = x;
      while (x < picture.Width() && !keyed(x)) ++x;
      current.push_back({start, x});
    }
    if (y > 0 && !current.empty() && current == previous) {
      for (size_t i = firstOfPrevious; i < out.size(); ++i) ++out[i].bottom;
      continue;
    }
    firstOfPrevious = out.size();
    for (const Run& r : current) out.push_back({at.x + r.left, at.y + y, at.x + r.right, at.y + y + 1});
    std::swap(previous, current);
  }
  return out;
}

std::vector<Rect> WindowRegionRects(Size window, const FrameMetrics& m, const SkinDefinition& skin, bool active) {
  const int32_t W = window.cx, H = window.cy;
  if (W <= 0 || H <= 0) return {};
  const bool anyTrans = skin.LeftBorder.Trans != 0 || skin.RightBorder.Trans != 0 || skin.TopBorder.Trans != 0 ||
                        skin.BottomBorder.Trans != 0;
  if (!anyTrans) return {{0, 0, W, H}};

  std::vector<Rect> out;
  const Rect inner{m.BorderLeft, m.BorderTop, W - m.BorderRight, H - m.BorderBottom};
  if (!inner.Empty()) out.push_back(inner);
  const FrameLayout f = LayOutFrame(window, m, kStateNormal);
  const Rect top{m.BorderLeft, 0, W - m.BorderRight, m.BorderTop};
  AddPart(out, skin.LeftBorder, BorderPiece::Left, f.Left, skin.LeftBorder.Trans == 1 && H > 1, active);
  AddPart(out, skin.RightBorder, BorderPiece::Right, f.Right, skin.RightBorder.Trans == 1 && H > 1, active);
  AddPart(out, skin.BottomBorder, BorderPiece::Bottom, f.Bottom, skin.BottomBorder.Trans == 1 && m.BorderBottom >= 2,
          active);
  AddPart(out, skin.TopBorder, BorderPiece::Top, top, skin.TopBorder.Trans == 1 && m.BorderTop > 1, active);
  // Borders larger than the window reach past it: keep only what lies inside.
  std::vector<Rect> inside;
  for (const Rect& r : out) {
    const Rect c = common::Intersect(r, {0, 0, W, H});
    if (!c.Empty()) inside.push_back(c);
  }
  return inside;
}

bool RegionNeedsRebuild(Size window, Size built, bool mdiChild, int32_t skinState) {
  return mdiChild || skinState == 3 || window != built;
}

}  // namespace skin
