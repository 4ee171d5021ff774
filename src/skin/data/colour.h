#pragma once
// Colour values as the platform stores them: red in bits 0-7, green 8-15, blue 16-23. A negative
// value is a system-colour reference (0xFF000000 plus the system colour index).
#include <cstdint>

namespace skin {

using Colour = int32_t;

constexpr Colour kMagenta = 0xFF00FF;  // transparent key colour of skin images
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;

constexpr Colour Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<Colour>(r | (g << 8) | (b << 16));
}
constexpr uint8_t RedOf(Colour c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t GreenOf(Colour c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t BlueOf(Colour c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }

// System colour indexes the skin uses (the platform's COLOR_* numbers).
enum SysColourIndex : int {
  kColorScrollbar = 0,
  kColorMenu = 4,
  kColorMenuText = 7,
  kColorWindowText = 8,
  kColorCaptionText = 9,
  kColorHighlight = 13,
  kColorHighlightText = 14,
  kColorBtnFace = 15,
  kColorBtnShadow = 16,
  kColorBtnText = 18,
  kColorInactiveCaptionText = 19,
  kColorBtnHighlight = 20,
  kColor3DDkShadow = 21,
};

constexpr Colour SysColourRef(int index) {
  return static_cast<Colour>(0xFF000000u | static_cast<uint32_t>(index & 0xFF));
}
constexpr bool IsSysColourRef(Colour c) { return c < 0; }

}  // namespace skin
