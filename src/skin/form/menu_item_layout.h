#pragma once
// Geometry of a skinned popup-menu item, free of the platform: how much wider the skin makes an
// item, where the glyph (image or check mark), caption and shortcut go in the item's rectangle
// (mirrored for right-to-left menus), and the three slices of the separator picture.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/geometry.h"
#include "skin/data/nine_slice.h"

namespace skin {

using common::Rect;
using common::Size;

// Side of the glyph cell: 16, or the image list's width; a checked item needs at least 16 for the
// check mark.
int32_t MenuGlyphSize(bool hasImages, int32_t imageWidth, bool checked);

// The glyph box inside the item: 1 pixel in from the leading edge and the top, after the skin's
// left band (leftBand = MenuItem's LeftWidth, 0 without a MenuItem object). A separator has none.
Rect MenuGlyphBox(const Rect& item, int32_t leftBand, int32_t glyphSize, bool isLine, bool rightToLeft);

// Where the caption may go: 3 pixels past the glyph box up to 1 pixel before the far edge.
Rect MenuCaptionBox(const Rect& item, const Rect& glyphBox, bool rightToLeft);

// A measured text box (its size is what counts) moved to start at the caption box's edge and centred
// vertically in the item.
Rect CentreTextInItem(const Rect& item, const Rect& captionBox, Size measured, bool rightToLeft);

// The shortcut's room: from the caption's far end to 11 pixels before the item's right edge
// (right-aligned there); right to left from 10 pixels after the item's left edge to the caption.
Rect MenuShortcutBox(const Rect& item, const Rect& captionText, bool rightToLeft);

// The system check mark (markSize) centred in the glyph box horizontally and in the item
// vertically, each moved by 1.
Rect MenuCheckMarkRect(const Rect& item, const Rect& glyphBox, Size markSize);

// The etched line of a raw separator: 4 pixels below the top of the centred "-" text, across the
// caption box.
Rect MenuEtchedLine(const Rect& captionBox, int32_t textTop);

// Item widths by the measure rules. leftBand: MenuItem's LeftWidth (0 without the object).
// Context popups and the system menu: + leftBand + 12, + 23 more without an image list.
int32_t PopupItemWidth(int32_t measuredWidth, int32_t leftBand, bool hasImages);
// Drop-down items of a main menu: + leftBand + 10, + 25 more without an image list.
int32_t MainMenuItemWidth(int32_t measuredWidth, int32_t leftBand, bool hasImages);

struct RawItemSize {
  int32_t Width = 0;
  int32_t Height = 0;
};
// An item known only by its menu handle: text width + 26 + leftBand; the height grows by 4 for a
// text or becomes 8 without one, and grows by 4 more on the 9x family.
RawItemSize RawMenuItemSize(int32_t textWidth, bool textEmpty, int32_t height, int32_t leftBand, bool family9x);

// The text a caption is measured with: an empty text or a lone "&" would measure as nothing.
std::string MeasuredMenuText(std::string_view text);

// The separator: frame 2 of the MenuItem picture in three slices (left end LeftWidth, right end
// RightWidth, middle stretched), its rows taken from the bottom of the picture when the item is
// lower than the picture. Targets are relative to the item's top-left.
std::vector<SlicePiece> MenuSeparatorSlices(Size item, Size image, int32_t frameCount, int32_t leftWidth,
                                            int32_t rightWidth);

}  // namespace skin
