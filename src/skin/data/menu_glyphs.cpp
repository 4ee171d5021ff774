// The built-in caption-glyph strip of the skin data component: restore, maximize, minimize and
// close, 16 x 16 each, black on white, one bit per pixel. Drawn here instead of shipped as a
// resource so the pictures live beside the code that names their order.
#include <array>
#include <string_view>

#include "skin/data/skin_data.h"

namespace skin {
namespace {

using Glyph = std::array<std::string_view, 16>;

constexpr std::array<Glyph, 4> kGlyphs{{
    {// restore: two overlapping window outlines
     "................", "................", ".....########...", ".....########...",
     ".....#......#...", "..########..#...", "..########..#...", "..#......#..#...",
     "..#......####...", "..#......#......", "..#......#......", "..#......#......",
     "..########......", "................", "................", "................"},
    {// maximize: one window outline
     "................", "................", "...##########...", "...##########...",
     "...#........#...", "...#........#...", "...#........#...", "...#........#...",
     "...#........#...", "...#........#...", "...#........#...", "...##########...",
     "................", "................", "................", "................"},
    {// minimize: a short bar near the bottom
     "................", "................", "................", "................",
     "................", "................", "................", "................",
     "................", "................", "................", "....#######.....",
     "....#######.....", "................", "................", "................"},
    {// close: an X
     "................", "................", "................", "....##....##....",
     ".....##..##.....", "......####......", ".......##.......", "......####......",
     ".....##..##.....", "....##....##....", "................", "................",
     "................", "................", "................", "................"},
}};

}  // namespace

bool MenuGlyphPixel(int x, int y) {
  if (x < 0 || x >= 64 || y < 0 || y >= 16) return false;
  return kGlyphs[static_cast<size_t>(x / 16)][static_cast<size_t>(y)][static_cast<size_t>(x % 16)] == '#';
}

fw::UniqueBitmap MakeMenuGlyphStrip() {
  // Rows of 64 bits (8 bytes, already word aligned); a set bit is white.
  std::array<uint8_t, 8 * 16> bits{};
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 64; ++x)
      if (!MenuGlyphPixel(x, y)) bits[static_cast<size_t>(y * 8 + x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
  return fw::UniqueBitmap(CreateBitmap(64, 16, 1, 1, bits.data()));
}

}  // namespace skin
