#include "skin/form/menu_bar_layout.h"

namespace skin {

Rect MenuBarStrip(Size window, int32_t borderLeft, int32_t borderTop, int32_t borderRight, int32_t menuBarHeight) {
  Rect strip{borderLeft, borderTop, window.cx - borderRight, borderTop + menuBarHeight};
  return strip.Empty() ? Rect{} : strip;
}

int32_t MenuBarStartOffset(bool hasBarImage, int32_t leftMargin, int32_t rightMargin, bool rightToLeft,
                           int32_t stripWidth) {
  int32_t offset = 6;
  if (hasBarImage) offset = rightToLeft ? rightMargin + 8 : leftMargin + 4;
  if (stripWidth < offset) offset = 12;
  return offset;
}

int32_t MenuButtonWidth(int32_t textWidth) { return textWidth > 0 ? textWidth + 10 : 0; }

std::vector<Rect> LayOutMenuButtons(const Rect& strip, int32_t offset, std::span<const MenuBarCell> cells,
                                    bool rightToLeft) {
  std::vector<Rect> out;
  out.reserve(cells.size());
  // 64-bit running position: absurd widths cannot wrap around.
  int64_t x = rightToLeft ? int64_t{strip.right} - offset : int64_t{strip.left} + offset;
  auto clamp = [](int64_t v) {
    return static_cast<int32_t>(v < INT32_MIN ? INT32_MIN : (v > INT32_MAX ? INT32_MAX : v));
  };
  for (const MenuBarCell& cell : cells) {
    if (!cell.Visible) {
      out.push_back({});
      continue;
    }
    const int64_t w = cell.Width > 0 ? cell.Width : 0;
    if (rightToLeft) {
      out.push_back({clamp(x - w), strip.top, clamp(x), strip.bottom - 1});
      x -= w;
    } else {
      out.push_back({clamp(x), strip.top, clamp(x + w), strip.bottom - 1});
      x += w;
    }
  }
  return out;
}

int32_t MenuButtonIndexAt(std::span<const MenuBarEntry> entries, Point p) {
  for (size_t i = 0; i < entries.size(); ++i)
    if (!entries[i].Caption.empty() && entries[i].Bounds.Contains(p)) return static_cast<int32_t>(i);
  return -1;
}

wchar_t AccelCharOf(std::wstring_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;  // literal ampersand
      continue;
    }
    return caption[i + 1];
  }
  return 0;
}

bool SameAccelChar(wchar_t a, wchar_t b) {
  auto fold = [](wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; };
  return fold(a) == fold(b);
}

int32_t FindAccelIndex(std::span<const MenuBarEntry> entries, wchar_t character) {
  if (character == 0) return -1;
  for (size_t i = 0; i < entries.size(); ++i) {
    const MenuBarEntry& e = entries[i];
    if (!e.Visible || !e.Enabled) continue;
    const wchar_t accel = AccelCharOf(e.Caption);
    if (accel != 0 && SameAccelChar(accel, character)) return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t NextBarIndex(int32_t current, int32_t count) {
  if (count <= 0) return -1;
  if (current < 0 || current >= count) return 0;
  return current + 1 < count ? current + 1 : 0;
}

int32_t PreviousBarIndex(int32_t current, int32_t count) {
  if (count <= 0) return -1;
  if (current < 0 || current >= count) return 0;
  return current > 0 ? current - 1 : count - 1;
}

int32_t StepToEligible(int32_t current, const std::vector<bool>& eligible, bool forward) {
  const int32_t count = static_cast<int32_t>(eligible.size());
  if (count <= 0) return -1;
  int32_t i = current;
  for (int32_t step = 0; step < count; ++step) {
    i = forward ? NextBarIndex(i, count) : PreviousBarIndex(i, count);
    if (i == current) break;
    if (eligible[static_cast<size_t>(i)]) return i;
  }
  return current >= 0 && current < count ? current : -1;
}

Rect CenteredTextBox(const Rect& cell, Size text) {
  const int32_t left = cell.left + (cell.Width() - text.cx) / 2;
  const int32_t top = cell.top + (cell.Height() - text.cy) / 2;
  return {left, top, left + text.cx, top + text.cy};
}

}  // namespace skin
