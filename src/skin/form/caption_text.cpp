#include "skin/form/caption_text.h"

#include <algorithm>

namespace skin {

namespace {

int32_t HorizontalShift(const TDataSkinTitle& title, int32_t areaWidth, int32_t boxWidth, int32_t rightButtons,
                        bool rtl) {
  const int32_t ltr = title.TextAlignment == 0   ? title.TextShift()
                      : title.TextAlignment == 1 ? (areaWidth - boxWidth) / 2
                      : title.TextAlignment == 2 ? areaWidth - title.TextRightClip() - boxWidth
                                                 : 0;
  if (!rtl) return ltr;
  switch (title.TextAlignment) {
    case 0: return areaWidth - rightButtons - boxWidth;
    case 1: return (areaWidth - boxWidth - rightButtons) / 2;
    case 2: return title.TextShift();
    default: return ltr;
  }
}

}  // namespace

CaptionTextLayout LayOutCaptionText(const TDataSkinTitle& title, const Rect& area, Size text,
                                    int32_t rightButtonsWidth, const FrameTraits& t) {
  const bool rtl = t.RightToLeft;
  Rect x{area.left, area.top, area.left + text.cx + title.TXTBackleft + title.TXTBackRight, area.top + text.cy};
  const int32_t dx = HorizontalShift(title, area.Width(), x.Width(), rightButtonsWidth, rtl);
  const int32_t dy = (area.Height() - x.Height()) / 2 + title.TextShiftVert() / 2;
  x = x.Offset(dx, dy);
  if (rtl && dx <= 0) x.left = title.TextShift();

  if (rtl) {
    x = x.Offset(10, 0);
  } else if (!t.IsPopup) {
    x.right = std::min(x.right, area.right - title.TextRightClip());
  } else if (rightButtonsWidth > 5) {
    x.right = std::min(x.right, area.right - rightButtonsWidth - 5);
  }
  if (t.BorderKind == kBorderDialog && title.TextAlignment == 0) x.left -= 16;

  CaptionTextLayout out;
  out.TextBox = x;
  if (!title.Bitmap.Empty()) out.Background = {x.left, area.top, x.right, area.bottom};
  out.BackgroundFrame = t.IsActive ? 1 : 2;
  out.TextRect = {x.left + title.TXTBackleft, x.top, x.right - title.TXTBackRight, x.bottom};
  out.DrawFlags = rtl ? kCaptionDrawFlagsRtl : kCaptionDrawFlags;
  return out;
}

Point CaptionIconOrigin(Size icon, const Rect& captionTextRect) {
  return {8, captionTextRect.top + (captionTextRect.Height() - icon.cy) / 2};
}

}  // namespace skin
