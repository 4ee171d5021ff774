#pragma once
// Plain geometry over integers: the rectangles and points that layout and painting code passes
// around. Rect follows the platform convention: right and bottom are exclusive.
#include <cstdint>

namespace common {

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int32_t cx = 0;
  int32_t cy = 0;
  friend constexpr bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  static constexpr Rect FromSize(int32_t x, int32_t y, int32_t cx, int32_t cy) {
    return {x, y, x + cx, y + cy};
  }
  constexpr int32_t Width() const { return right - left; }
  constexpr int32_t Height() const { return bottom - top; }
  constexpr bool Empty() const { return right <= left || bottom <= top; }
  constexpr Point TopLeft() const { return {left, top}; }
  constexpr Rect Offset(int32_t dx, int32_t dy) const {
    return {left + dx, top + dy, right + dx, bottom + dy};
  }
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// Overlap of two rectangles; an empty result is all zeros.
constexpr Rect Intersect(const Rect& a, const Rect& b) {
  Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
         a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
  return r.Empty() ? Rect{} : r;
}

}  // namespace common
