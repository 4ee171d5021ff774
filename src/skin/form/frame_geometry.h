#pragma once
// Geometry of the skinned frame, computed once and used by both painting and hit testing: border
// sizes from the border images, the client rectangle inside the frame, and the rectangles of the
// border pieces, caption strip and menu-bar strip. All rectangles are in window coordinates.
#include <cstdint>

#include "common/geometry.h"
#include "skin/data/skin_definition.h"

namespace skin {

using common::Point;
using common::Rect;
using common::Size;

// BorderKind values.
constexpr int32_t kBorderSizeable = 0;
constexpr int32_t kBorderFixed = 1;
constexpr int32_t kBorderNone = 2;  // no caption: the native frame stays
constexpr int32_t kBorderDialog = 3;

// FormKind values.
constexpr int32_t kFormPlain = 0;
constexpr int32_t kFormMdiFrame = 1;
constexpr int32_t kFormMdiChild = 2;

// WindowState values.
constexpr int32_t kStateNormal = 0;
constexpr int32_t kStateMaximized = 1;
constexpr int32_t kStateMinimized = 2;

// FrameFeatures bits.
constexpr uint32_t kFeatureMaximizeBox = 1;
constexpr uint32_t kFeatureMinimizeBox = 2;
constexpr uint32_t kFeatureContextHelp = 4;
constexpr uint32_t kFeatureSystemMenu = 8;
constexpr uint32_t kFeatureKeepSysMenu = 16;

// What the frame geometry needs to know about the window (derived from its styles at attach).
struct FrameTraits {
  int32_t BorderKind = kBorderSizeable;
  int32_t FormKind = kFormPlain;
  int32_t WindowState = kStateNormal;
  uint32_t FrameFeatures = 0;
  bool IsActive = true;
  bool RightToLeft = false;  // WS_EX_LEFTSCROLLBAR
  bool IsPopup = false;      // WS_POPUP
  bool IsDialog = false;     // class "#32770" or "TMessageForm"

  bool Has(uint32_t feature) const { return (FrameFeatures & feature) != 0; }
};

// Sizes of the skinned frame; BorderTop is the whole caption strip.
struct FrameMetrics {
  int32_t BorderLeft = 0;
  int32_t BorderTop = 0;
  int32_t BorderRight = 0;
  int32_t BorderBottom = 0;
  int32_t MenuBarHeight = 0;
  friend constexpr bool operator==(const FrameMetrics&, const FrameMetrics&) = default;
};

// Extent of a border across the window: the image's height (stacked frames, top and bottom) or
// width (frames side by side, left and right) divided by its frame count.
int32_t BorderExtent(const TDataSkinBorder& border, bool stacked);

// Border sizes of a window (ComputeBorders). No caption: everything 0, menu bar included. A skin
// that is not loaded leaves the current sizes as they are; otherwise MenuBarHeight is kept.
FrameMetrics ComputeBorders(const SkinDefinition& skin, int32_t borderKind, const FrameMetrics& current);

// Frame of a border piece: 1 when the window is active or the piece has only one frame, else 2.
int32_t BorderFrameIndex(bool active, int32_t frameCount);

// The answer to WM_NCCALCSIZE once the message has been passed on.
constexpr int32_t kWvrValidRects = 0x400;
struct NcCalcSizeAnswer {
  int32_t Result = 0;
  bool SetRects = false;  // when true, the first two rectangles of the block become First, Second
  Rect First;
  Rect Second;
};

// The client rectangle inside the skinned frame for a window rectangle. A window smaller than its
// frame gets an empty client rectangle at the inner top-left corner, never an inverted one.
Rect ClientRectInFrame(const Rect& window, const FrameMetrics& m);

// calcValidRects is the message's wParam; window is the proposed window position (x, y, x + cx,
// y + cy); first is the block's first rectangle.
NcCalcSizeAnswer FrameSizeAnswer(bool calcValidRects, const Rect& window, const Rect& first,
                                 const FrameMetrics& m, const FrameTraits& t);

// Window coordinates of a point given in client coordinates (mouse messages): moved by the frame,
// except for a minimized MDI child, whose client point is used as it is.
Point WindowPointFromClient(Point client, const FrameMetrics& m, bool minimizedMdiChild);

// ApplyFrameSize: the window size that keeps the client size inside the skinned frame. A dialog
// whose caption text needs more width (TextShift + text + TextRightClip) is widened to it and its
// children move right by half the difference.
struct FrameResize {
  Size Window;
  int32_t ChildShift = 0;
};
Size WindowSizeForClient(Size client, const FrameMetrics& m);
FrameResize WidenForCaption(Size window, int32_t textShift, int32_t textWidth, int32_t textRightClip);

// Where each part of the frame goes for a window of a given size.
struct FrameLayout {
  bool Minimized = false;  // only the caption strip is drawn
  Rect Left;               // (0, 0, BorderLeft, H)
  Rect Right;              // (W - BorderRight, 0, W, H)
  Rect Bottom;             // (BorderLeft, H - BorderBottom, W - BorderRight, H)
  Rect CaptionStrip;       // (0, 0, W, BorderTop): copied to the window
  Size CaptionBitmap;      // the off-screen strip: W x BorderTop, or the whole window when minimized
  Rect CaptionArea;        // where the top piece and the text go; the top corners belong to Left/Right
  Rect MenuBar;            // (BorderLeft, BorderTop, W - BorderRight, BorderTop + MenuBarHeight)
};

// Pieces with a negative extent come out inverted; painters skip every empty rectangle.
FrameLayout LayOutFrame(Size window, const FrameMetrics& m, int32_t windowState);

}  // namespace skin
