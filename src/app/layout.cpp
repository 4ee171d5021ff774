#include "app/layout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace app {
namespace {

int ClampToInt(int64_t v) {
  return static_cast<int>(std::clamp<int64_t>(v, 0, std::numeric_limits<int32_t>::max()));
}

}  // namespace

ResizeLayout LayoutForSize(common::Size window, common::Point listTopLeft, Margins margins) {
  const int64_t w = int64_t{window.cx} - listTopLeft.x - margins.right;
  const int64_t h = int64_t{window.cy} - listTopLeft.y - margins.bottom;
  return {ClampToInt(w), ClampToInt(h)};
}

std::optional<common::Size> StartupScale(common::Size screen, common::Size window) {
  const bool larger = screen.cx > kDesignScreen.cx ||
                      (screen.cx == kDesignScreen.cx && screen.cy > kDesignScreen.cy);
  if (!larger || screen.cy <= 0 || window.cx <= 0 || window.cy <= 0) return std::nullopt;
  const int64_t height = int64_t{screen.cy} * window.cy / kDesignScreen.cy;
  const int64_t width = int64_t{screen.cx} * window.cx / kDesignScreen.cx;
  return common::Size{ClampToInt(width), ClampToInt(height)};
}

int ItemAtPoint(common::Point point, common::Size listClient, int topIndex, int itemHeight, int count) {
  if (point.x < 0 || point.y < 0 || point.x >= listClient.cx || point.y >= listClient.cy) return -1;
  if (itemHeight <= 0 || topIndex < 0) return -1;
  const int64_t index = int64_t{topIndex} + point.y / itemHeight;
  return index < count ? static_cast<int>(index) : -1;
}

}  // namespace app
