#include "skin/form/menu_item_layout.h"

#include <algorithm>

namespace skin {

int32_t MenuGlyphSize(bool hasImages, int32_t imageWidth, bool checked) {
  int32_t size = hasImages && imageWidth > 0 ? imageWidth : 16;
  if (checked) size = std::max(size, 16);
  return size;
}

Rect MenuGlyphBox(const Rect& item, int32_t leftBand, int32_t glyphSize, bool isLine, bool rightToLeft) {
  const int32_t band = std::max(leftBand, 0);
  if (rightToLeft) {
    const int32_t right = item.right - 1 - band;
    if (isLine) return {right, item.top + 1, right, item.top + 1};
    return {right - glyphSize, item.top + 1, right, item.top + 1 + glyphSize};
  }
  const int32_t left = item.left + 1 + band;
  if (isLine) return {left, item.top + 1, left, item.top + 1};
  return {left, item.top + 1, left + glyphSize, item.top + 1 + glyphSize};
}

Rect MenuCaptionBox(const Rect& item, const Rect& glyphBox, bool rightToLeft) {
  if (rightToLeft) return {item.left + 1, item.top, glyphBox.left - 3, item.bottom};
  return {glyphBox.right + 3, item.top, item.right - 1, item.bottom};
}

Rect CentreTextInItem(const Rect& item, const Rect& captionBox, Size measured, bool rightToLeft) {
  const int32_t top = item.top + (item.Height() - measured.cy) / 2;
  if (rightToLeft) return {captionBox.right - measured.cx, top, captionBox.right, top + measured.cy};
  return {captionBox.left, top, captionBox.left + measured.cx, top + measured.cy};
}

Rect MenuShortcutBox(const Rect& item, const Rect& captionText, bool rightToLeft) {
  if (rightToLeft) return {item.left + 10, item.top, captionText.left, item.bottom};
  return {captionText.right, item.top, item.right - 11, item.bottom};
}

Rect MenuCheckMarkRect(const Rect& item, const Rect& glyphBox, Size markSize) {
  const int32_t x = glyphBox.left + (glyphBox.Width() - markSize.cx) / 2 + 1;
  const int32_t y = item.top + (item.Height() - markSize.cy) / 2 + 1;
  return Rect::FromSize(x, y, markSize.cx, markSize.cy);
}

Rect MenuEtchedLine(const Rect& captionBox, int32_t textTop) {
  const int32_t y = textTop + 4;
  return {captionBox.left, y, captionBox.right, y + 2};
}

int32_t PopupItemWidth(int32_t measuredWidth, int32_t leftBand, bool hasImages) {
  return measuredWidth + std::max(leftBand, 0) + 12 + (hasImages ? 0 : 23);
}

int32_t MainMenuItemWidth(int32_t measuredWidth, int32_t leftBand, bool hasImages) {
  return measuredWidth + std::max(leftBand, 0) + 10 + (hasImages ? 0 : 25);
}

RawItemSize RawMenuItemSize(int32_t textWidth, bool textEmpty, int32_t height, int32_t leftBand, bool family9x) {
  RawItemSize s;
  s.Width = textWidth + 26 + std::max(leftBand, 0);
  s.Height = textEmpty ? 8 : height + 4;
  if (family9x) s.Height += 4;
  return s;
}

std::string MeasuredMenuText(std::string_view text) {
  std::string out(text);
  if (out.empty() || out == "&") out += ' ';
  return out;
}

std::vector<SlicePiece> MenuSeparatorSlices(Size item, Size image, int32_t frameCount, int32_t leftWidth,
                                            int32_t rightWidth) {
  std::vector<SlicePiece> pieces;
  const Rect cell = FrameCell(image, false, frameCount, 2);
  if (cell.Empty() || item.cx <= 0 || item.cy <= 0) return pieces;
  const int32_t rows = std::min(item.cy, cell.Height());
  const int32_t srcTop = cell.bottom - rows;  // the bottom rows when the item is lower
  // Ends that do not fit the picture or the item are cut back so that nothing is read twice.
  int32_t left = std::clamp(leftWidth, 0, cell.Width());
  int32_t right = std::clamp(rightWidth, 0, cell.Width() - left);
  if (left + right > item.cx) {
    left = std::min(left, item.cx);
    right = std::max(0, std::min(right, item.cx - left));
  }
  auto add = [&](Rect src, Rect dst) {
    if (!src.Empty() && !dst.Empty()) pieces.push_back({src, dst, false});
  };
  add({cell.left, srcTop, cell.left + left, srcTop + rows}, {0, 0, left, rows});
  add({cell.right - right, srcTop, cell.right, srcTop + rows}, {item.cx - right, 0, item.cx, rows});
  add({cell.left + left, srcTop, cell.right - right, srcTop + rows}, {left, 0, item.cx - right, rows});
  return pieces;
}

}  // namespace skin
