#pragma once
// Geometry of the skinned menu bar, free of the platform: where the top-level items go in the
// strip (left to right or right to left), which item a point or an accelerator names, and how the
// arrow keys move between items while a drop-down is open.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "common/geometry.h"

namespace skin {

using common::Point;
using common::Rect;
using common::Size;

// The menu-bar strip of a window: below the caption, between the side borders. Empty when the
// window is too small.
Rect MenuBarStrip(Size window, int32_t borderLeft, int32_t borderTop, int32_t borderRight, int32_t menuBarHeight);

// Where the item run starts from the strip's leading edge: 6 without a bar image; with one its left
// margin + 4 (left to right) or its right margin + 8 (right to left); 12 when the strip is narrower
// than that.
int32_t MenuBarStartOffset(bool hasBarImage, int32_t leftMargin, int32_t rightMargin, bool rightToLeft,
                           int32_t stripWidth);

// A caption measured w pixels wide takes w + 10 (nothing for an empty caption).
int32_t MenuButtonWidth(int32_t textWidth);

struct MenuBarCell {
  int32_t Width = 0;  // from MenuButtonWidth
  bool Visible = true;
};

// One rectangle per cell in window coordinates: (x, strip.top, x + width, strip.bottom - 1), the
// cells following each other from strip.left + offset, or running leftwards from
// strip.right - offset for right-to-left menus. Invisible cells get an empty rectangle.
std::vector<Rect> LayOutMenuButtons(const Rect& strip, int32_t offset, std::span<const MenuBarCell> cells,
                                    bool rightToLeft);

struct MenuBarEntry {
  Rect Bounds;
  std::wstring_view Caption;
  bool Visible = true;
  bool Enabled = true;
};

// The first entry whose rectangle holds the point and whose caption is not empty; -1 for none.
int32_t MenuButtonIndexAt(std::span<const MenuBarEntry> entries, Point p);

// The accelerator of a caption: the character after a single "&" ("&&" is a literal ampersand);
// 0 when there is none.
wchar_t AccelCharOf(std::wstring_view caption);
// Letters compare without ASCII case.
bool SameAccelChar(wchar_t a, wchar_t b);
// The first enabled, visible entry whose accelerator is the character; -1 for none or for 0.
int32_t FindAccelIndex(std::span<const MenuBarEntry> entries, wchar_t character);

// Neighbours in the bar, wrapping around: after the last comes the first, before the first the
// last. -1 for an empty bar; a current index outside the bar counts from the start.
int32_t NextBarIndex(int32_t current, int32_t count);
int32_t PreviousBarIndex(int32_t current, int32_t count);

// The neighbour in the given direction, wrapping around, that is eligible (has a drop-down to open),
// skipping those that are not; the current index itself when no other is eligible; -1 for an
// empty bar.
int32_t StepToEligible(int32_t current, const std::vector<bool>& eligible, bool forward);

// A text box of the given size centred in the cell on both axes (DrawCenteredText's placement).
Rect CenteredTextBox(const Rect& cell, Size text);

}  // namespace skin
