#pragma once
// Small skins for the frame geometry tests: border images of chosen sizes and frame counts.
#include "skin/data/skin_definition.h"

namespace formtest {

constexpr skin::Colour kOpaque = 0x404040;

// A border image of w x h pixels in one colour.
inline void SetBorder(skin::TDataSkinBorder& b, int32_t w, int32_t h, int32_t frames, skin::Colour fill = kOpaque) {
  b.Bitmap = skin::Bitmap(w, h, fill);
  b.Frame = frames;
}

// A loaded skin with borders left 4, top 30 (two frames of 30), right 6, bottom 5.
inline skin::SkinDefinition FrameSkin() {
  skin::SkinDefinition s;
  SetBorder(s.LeftBorder, 8, 40, 2);
  SetBorder(s.TopBorder, 40, 60, 2);
  SetBorder(s.RightBorder, 6, 40, 1);
  SetBorder(s.BottomBorder, 40, 5, 1);
  s.SkinEmpty = false;
  return s;
}

}  // namespace formtest
