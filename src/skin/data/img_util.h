#pragma once
// Stateless picture and colour routines of the skin: the magenta key colour, mirrors, flips and
// rotations, colour mixing, gradients and the saturation measure.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/geometry.h"
#include "skin/data/bitmap.h"
#include "skin/data/colour.h"

namespace skin {

// Every pixel of exactly red 255, green 0, blue 255 becomes the colour (a system-colour reference
// is looked up first, so the pixels get the colour it stands for).
void ReplaceMagenta(Bitmap& b, Colour colour);
// Left-right mirror image.
void MirrorBitmap(Bitmap& b);
// Top-bottom mirror image.
void FlipBitmap(Bitmap& b);
// 90 degrees counter-clockwise: (x, y) goes to (y, old width - 1 - x).
void RotateLeft(Bitmap& b);
// 90 degrees clockwise: (x, y) goes to (old height - 1 - y, x).
void RotateRight(Bitmap& b);

// Weighted mix: weight below 100 is a percentage of c1, 100 to 1000 a per-mille value. Channels are
// kept within 0..255 for weights outside that range.
Colour MixColors(Colour c1, Colour c2, int32_t weight);

// Saturation measure: 200 for a dark colour (no channel reaches 160), else the saturation scaled
// to 0..255, halves rounded to even.
int32_t Saturation(Colour c);

// The n colour steps of a gradient from a to b (plain RGB colours, n >= 1).
std::vector<Colour> GradientSteps(int32_t n, Colour a, Colour b);

// The last sixteen gradients, kept in a ring of slots so gradients drawn again and again (caption
// and tool bar backgrounds of one size) are not recomputed.
class GradientCache {
 public:
  static constexpr int kSlots = 16;
  // The steps of the gradient; valid until the next call.
  std::span<const Colour> Steps(int32_t n, Colour a, Colour b);
  // Slot used by the last call and whether it was found there.
  int LastSlot() const { return lastSlot_; }
  bool LastWasHit() const { return lastHit_; }

 private:
  struct Slot {
    int32_t n = 0;
    Colour a = 0;
    Colour b = 0;
    std::vector<Colour> steps;
  };
  std::array<Slot, kSlots> slots_;
  int next_ = 0;
  int lastSlot_ = -1;
  bool lastHit_ = false;
};

// The cache shared by every gradient the skin draws (one user-interface thread).
GradientCache& SharedGradientCache();

// Fills the part of the rectangle inside the picture with a gradient of 1-pixel lines: rows from
// start to end colour when vertical, else columns. Colours may be system-colour references.
void GradientFill(Bitmap& b, const common::Rect& r, Colour start, bool vertical, Colour end);

// The first count characters of a wide text; the whole text when count is -1.
std::wstring WideLeft(std::wstring_view text, int32_t count);

}  // namespace skin
