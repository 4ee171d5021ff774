#include "skin/form/frame_hit_test.h"

namespace skin {

namespace {

bool InMenuBarRows(int32_t y, const FrameMetrics& m) {
  return m.MenuBarHeight > 0 && y >= m.BorderTop && y < m.BorderTop + m.MenuBarHeight;
}

}  // namespace

int32_t SkinHitTest(int32_t nativeAnswer, Point windowPoint, const FrameMetrics& m) {
  if (nativeAnswer != kHtNowhere && nativeAnswer != kHtCaption) return nativeAnswer;
  // The menu-bar strip starts at row BorderTop and ends where the client begins.
  if (InMenuBarRows(windowPoint.y, m)) return kHtMenu;
  if (windowPoint.y >= kTopSizingRows) return kHtCaption;
  return nativeAnswer;
}

int32_t ButtonHitCode(int32_t action) {
  switch (action) {
    case 0: return kHtClose;
    case 1:
    case 22: return kHtMaxButton;
    case 2:
    case 23: return kHtMinButton;
    case 3:
    case 11:
    case 12: return kHtSysMenu;
    case 4: return kHtHelp;
    case 7:
    case 8:
    case 9:
    case 60:
    case 61:
    case 62: return kHtMenu;
    default: return kHtCaption;
  }
}

int32_t FrameHitTest(Point p, const HitTestFrame& f, std::span<const CaptionButton> buttons) {
  const int32_t W = f.Window.cx, H = f.Window.cy;
  const FrameMetrics& m = f.Metrics;
  if (p.x < 0 || p.y < 0 || p.x >= W || p.y >= H) return kHtNowhere;
  const int button = ButtonAt(buttons, p);
  if (button >= 0) return ButtonHitCode(buttons[static_cast<size_t>(button)].Action());
  if (f.Traits.WindowState == kStateMinimized) return kHtCaption;

  const bool left = p.x < m.BorderLeft, right = p.x >= W - m.BorderRight;
  const bool top = p.y < kTopSizingRows, bottom = p.y >= H - m.BorderBottom;
  const bool sizing = f.Traits.BorderKind == kBorderSizeable && f.Traits.WindowState == kStateNormal;
  if (sizing && (left || right || top || bottom)) {
    const bool nearLeft = p.x < f.CornerGrip, nearRight = p.x >= W - f.CornerGrip;
    const bool nearTop = p.y < f.CornerGrip, nearBottom = p.y >= H - f.CornerGrip;
    if ((top && nearLeft) || (left && nearTop)) return kHtTopLeft;
    if ((top && nearRight) || (right && nearTop)) return kHtTopRight;
    if ((bottom && nearLeft) || (left && nearBottom)) return kHtBottomLeft;
    if ((bottom && nearRight) || (right && nearBottom)) return kHtBottomRight;
    if (top) return kHtTop;
    if (bottom) return kHtBottom;
    return left ? kHtLeft : kHtRight;
  }
  if (p.y < m.BorderTop) return kHtCaption;
  if (left || right || bottom) return kHtBorder;
  if (InMenuBarRows(p.y, m)) return kHtMenu;
  return kHtClient;
}

}  // namespace skin
