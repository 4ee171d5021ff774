#pragma once
// Where the caption text and its background go inside the caption area, by the Title object's
// alignment, shifts and clip, for left-to-right and right-to-left windows.
#include <cstdint>

#include "skin/data/skin_objects.h"
#include "skin/form/frame_geometry.h"

namespace skin {

// Put around the window text before it is measured and drawn.
inline constexpr wchar_t kCaptionPrefix[] = L" ";
inline constexpr wchar_t kCaptionSuffix[] = L"  ";

// DrawText flags: measuring (DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP), drawing (DT_END_ELLIPSIS |
// DT_NOPREFIX | DT_SINGLELINE), and drawing right to left (adds DT_RIGHT | DT_RTLREADING).
constexpr uint32_t kCaptionMeasureFlags = 0xD00;
constexpr uint32_t kCaptionDrawFlags = 0x8820;
constexpr uint32_t kCaptionDrawFlagsRtl = 0x28822;

struct CaptionTextLayout {
  Rect TextBox;                // CaptionTextBox: the box before its margins are taken off
  Rect Background;             // where the Title image is drawn; empty when the image is empty
  int32_t BackgroundFrame = 1; // of the Title image's two stacked frames: 1 active, 2 inactive
  Rect TextRect;               // CaptionTextRect: where the text is drawn
  uint32_t DrawFlags = kCaptionDrawFlags;
};

// area is the caption area; text the size DrawText measured for the decorated caption text;
// rightButtonsWidth the room of the right-aligned caption buttons.
CaptionTextLayout LayOutCaptionText(const TDataSkinTitle& title, const Rect& area, Size text,
                                    int32_t rightButtonsWidth, const FrameTraits& t);

// Where the application's icon goes in the caption: x = 8, centred vertically on the text rectangle.
Point CaptionIconOrigin(Size icon, const Rect& captionTextRect);

}  // namespace skin
