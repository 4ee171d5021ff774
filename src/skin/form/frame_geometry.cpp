#include "skin/form/frame_geometry.h"

#include <algorithm>

namespace skin {

int32_t BorderExtent(const TDataSkinBorder& border, bool stacked) {
  const int32_t side = stacked ? border.Bitmap.Height() : border.Bitmap.Width();
  return side / border.SafeFrame();
}

FrameMetrics ComputeBorders(const SkinDefinition& skin, int32_t borderKind, const FrameMetrics& current) {
  if (skin.SkinEmpty) return current;
  if (borderKind == kBorderNone) return {};
  FrameMetrics m = current;
  m.BorderTop = BorderExtent(skin.TopBorder, true);
  m.BorderLeft = BorderExtent(skin.LeftBorder, false);
  m.BorderRight = BorderExtent(skin.RightBorder, false);
  m.BorderBottom = BorderExtent(skin.BottomBorder, true);
  return m;
}

int32_t BorderFrameIndex(bool active, int32_t frameCount) { return active || frameCount <= 1 ? 1 : 2; }

Rect ClientRectInFrame(const Rect& window, const FrameMetrics& m) {
  // 64-bit sums: a hostile skin may carry huge sizes.
  auto clamp = [](int64_t v, int32_t lo, int32_t hi) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, lo, std::max(lo, hi)));
  };
  const int32_t left = clamp(int64_t{window.left} + m.BorderLeft, window.left, window.right);
  const int32_t top =
      clamp(int64_t{window.top} + m.BorderTop + m.MenuBarHeight, window.top, window.bottom);
  const int32_t right = clamp(int64_t{window.right} - m.BorderRight, left, window.right);
  const int32_t bottom = clamp(int64_t{window.bottom} - m.BorderBottom, top, window.bottom);
  return {left, top, right, bottom};
}

NcCalcSizeAnswer FrameSizeAnswer(bool calcValidRects, const Rect& window, const Rect& first,
                                 const FrameMetrics& m, const FrameTraits& t) {
  if (!calcValidRects) return {};
  const bool nativeFrame =
      (t.FormKind == kFormMdiChild && t.WindowState != kStateNormal) || t.BorderKind == kBorderNone;
  if (nativeFrame) return {kWvrValidRects, true, first, first};
  const Rect client = ClientRectInFrame(window, m);
  return {kWvrValidRects, true, client, client};
}

Point WindowPointFromClient(Point client, const FrameMetrics& m, bool minimizedMdiChild) {
  if (minimizedMdiChild) return client;
  return {client.x + m.BorderLeft, client.y + m.BorderTop + m.MenuBarHeight};
}

Size WindowSizeForClient(Size client, const FrameMetrics& m) {
  return {client.cx + m.BorderLeft + m.BorderRight, client.cy + m.BorderTop + m.BorderBottom + m.MenuBarHeight};
}

FrameResize WidenForCaption(Size window, int32_t textShift, int32_t textWidth, int32_t textRightClip) {
  const int32_t needed = textShift + textWidth + textRightClip;
  if (window.cx >= needed) return {window, 0};
  return {{needed, window.cy}, (needed - window.cx) / 2};
}

FrameLayout LayOutFrame(Size window, const FrameMetrics& m, int32_t windowState) {
  const int32_t W = window.cx, H = window.cy;
  FrameLayout f;
  f.CaptionStrip = {0, 0, W, m.BorderTop};
  if (windowState == kStateMinimized) {
    f.Minimized = true;
    f.CaptionBitmap = window;
    f.CaptionArea = f.CaptionStrip;
    return f;
  }
  f.Left = {0, 0, m.BorderLeft, H};
  f.Right = {W - m.BorderRight, 0, W, H};
  f.Bottom = {m.BorderLeft, H - m.BorderBottom, W - m.BorderRight, H};
  f.CaptionBitmap = {W, m.BorderTop};
  f.CaptionArea = {m.BorderLeft, 0, W - m.BorderRight, m.BorderTop};
  if (m.MenuBarHeight > 0) {
    f.MenuBar = {m.BorderLeft, m.BorderTop, W - m.BorderRight, m.BorderTop + m.MenuBarHeight};
  }
  return f;
}

}  // namespace skin
