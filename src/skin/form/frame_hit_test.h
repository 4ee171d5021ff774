#pragma once
// Hit-test answers for the skinned frame (WM_NCHITTEST), as plain ints with the platform's values
// so the rules stay portable.
#include <cstdint>
#include <span>

#include "skin/form/caption_buttons.h"
#include "skin/form/frame_geometry.h"

namespace skin {

constexpr int32_t kHtNowhere = 0;
constexpr int32_t kHtClient = 1;
constexpr int32_t kHtCaption = 2;
constexpr int32_t kHtSysMenu = 3;
constexpr int32_t kHtMenu = 5;
constexpr int32_t kHtMinButton = 8;
constexpr int32_t kHtMaxButton = 9;
constexpr int32_t kHtLeft = 10;
constexpr int32_t kHtRight = 11;
constexpr int32_t kHtTop = 12;
constexpr int32_t kHtTopLeft = 13;
constexpr int32_t kHtTopRight = 14;
constexpr int32_t kHtBottom = 15;
constexpr int32_t kHtBottomLeft = 16;
constexpr int32_t kHtBottomRight = 17;
constexpr int32_t kHtBorder = 18;
constexpr int32_t kHtClose = 20;
constexpr int32_t kHtHelp = 21;

// Rows at the top of the window that keep the native answer (the native sizing edge).
constexpr int32_t kTopSizingRows = 4;

// The skin's change of the native answer: only HTNOWHERE and HTCAPTION change; below the top four
// rows they become HTCAPTION, and inside the menu-bar strip HTMENU. Other answers stay.
int32_t SkinHitTest(int32_t nativeAnswer, Point windowPoint, const FrameMetrics& m);

// The code a caption button of that action stands for (HTCLOSE, HTMAXBUTTON, HTMINBUTTON,
// HTSYSMENU, HTHELP; HTMENU for the MDI child's buttons in the menu bar; HTCAPTION otherwise).
int32_t ButtonHitCode(int32_t action);

// The skinned frame's answer from its own geometry alone, for when the native frame cannot be
// asked or does not match the skin.
struct HitTestFrame {
  Size Window;
  FrameMetrics Metrics;
  FrameTraits Traits;
  int32_t CornerGrip = 16;  // reach of the diagonal sizing codes along each edge
};
// Outside the window HTNOWHERE; a caption button answers its code; the rest of a minimized window
// is caption; a sizeable window in normal state sizes from its top four rows and its left, right and
// bottom borders (diagonal codes near the corners); other borders HTBORDER; the caption strip
// HTCAPTION; the menu-bar strip HTMENU; the rest HTCLIENT.
int32_t FrameHitTest(Point windowPoint, const HitTestFrame& f, std::span<const CaptionButton> buttons);

}  // namespace skin
