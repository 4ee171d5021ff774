#pragma once
// Skin objects: one image of the skin with its margins, frame count, fill mode, transparency
// switch, style and colours, as read from one section of the definition. Plain records owned by
// the skin data; each owns its pictures.
#include <cstdint>
#include <string>

#include "skin/data/bitmap.h"
#include "skin/data/colour.h"
#include "skin/data/nine_slice.h"

namespace skin {

constexpr Colour kColourNotSet = -1;
constexpr Colour kTitleColourNotSet = 0x1FFFFFFF;

class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string name = {}) : Name(std::move(name)) {}
  virtual ~TDataSkinObject() = default;
  TDataSkinObject(const TDataSkinObject&) = default;
  TDataSkinObject& operator=(const TDataSkinObject&) = default;

  // The four margins as one rectangle (left, top, right, bottom).
  Margins GetMargins() const { return {LeftWidth, TopHeight, RightWidth, BottomHeight}; }
  void SetMargins(const Margins& m) {
    LeftWidth = m.left;
    TopHeight = m.top;
    RightWidth = m.right;
    BottomHeight = m.bottom;
  }
  // Frame count to divide by: a stored 0 (or less) counts as one frame.
  int32_t SafeFrame() const { return Frame > 0 ? Frame : 1; }

  int32_t LeftWidth = 0;
  int32_t TopHeight = 0;
  int32_t RightWidth = 0;
  int32_t BottomHeight = 0;
  skin::Bitmap Bitmap;
  int32_t Trans = 0;  // 1: magenta pixels are not drawn
  int32_t Tile = 0;   // 0: middle stretched, 1: tiled (the reverse for the four borders)
  std::string Name;
  int32_t Frame = 0;
  int32_t Style = 0;
  Colour NormalColour = kColourNotSet;
  Colour MouseOverColour = kColourNotSet;
  Colour PressedColour = kColourNotSet;
  Colour NormalColour2 = 0;
  Colour MouseOverColour2 = 0;
  Colour PressedColour2 = 0;
};

class TDataSkinBorder : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  skin::Bitmap Bitmap2;
};

// LeftWidth, TopHeight and RightWidth hold the caption text offsets TextShift, TextShiftVert and
// TextRightClip; BottomHeight is 0.
class TDataSkinTitle : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t TextShift() const { return LeftWidth; }
  int32_t TextShiftVert() const { return TopHeight; }
  int32_t TextRightClip() const { return RightWidth; }

  int32_t TextAlignment = 0;
  int32_t Textbackground = 0;
  int32_t FontHeight = 0;
  int32_t TXTBackleft = 0;
  int32_t TXTBackRight = 0;
  Colour ActiveTextColor = kTitleColourNotSet;
  Colour InActiveTextColor = kTitleColourNotSet;
};

class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  skin::Bitmap CheckBitmap;
  skin::Bitmap RadioBitmap;
  int32_t RadioButtonFrame = 0;
  int32_t CheckButtonFrame = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t Action = 0;
  int32_t Align = 0;
  int32_t Xcoord = 0;
  int32_t Ycoord = 0;
  int32_t CombineOp = 0;
  int32_t Visibility = 0;
  int32_t Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t BackgroundLeftShift = 0;
  int32_t BackgroundRightShift = 0;
  int32_t BackgroundAlignment = 0;
};

}  // namespace skin
