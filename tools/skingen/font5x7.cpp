#include "font5x7.h"

#include <cctype>

namespace skingen {
namespace {

struct GlyphRows {
  char c;
  uint8_t rows[7];  // five bits per row, bit 4 leftmost
};

constexpr GlyphRows kFont[] = {
    {'0', {14, 17, 19, 21, 25, 17, 14}}, {'1', {4, 12, 4, 4, 4, 4, 14}},
    {'2', {14, 17, 1, 2, 4, 8, 31}},     {'3', {31, 2, 4, 2, 1, 17, 14}},
    {'4', {2, 6, 10, 18, 31, 2, 2}},     {'5', {31, 16, 30, 1, 1, 17, 14}},
    {'6', {6, 8, 16, 30, 17, 17, 14}},   {'7', {31, 1, 2, 4, 8, 8, 8}},
    {'8', {14, 17, 17, 14, 17, 17, 14}}, {'9', {14, 17, 17, 15, 1, 2, 12}},
    {'A', {14, 17, 17, 31, 17, 17, 17}}, {'B', {30, 17, 17, 30, 17, 17, 30}},
    {'C', {14, 17, 16, 16, 16, 17, 14}}, {'D', {28, 18, 17, 17, 17, 18, 28}},
    {'E', {31, 16, 16, 30, 16, 16, 31}}, {'F', {31, 16, 16, 30, 16, 16, 16}},
    {'G', {14, 17, 16, 23, 17, 17, 15}}, {'H', {17, 17, 17, 31, 17, 17, 17}},
    {'I', {14, 4, 4, 4, 4, 4, 14}},      {'J', {7, 2, 2, 2, 2, 18, 12}},
    {'K', {17, 18, 20, 24, 20, 18, 17}}, {'L', {16, 16, 16, 16, 16, 16, 31}},
    {'M', {17, 27, 21, 21, 17, 17, 17}}, {'N', {17, 17, 25, 21, 19, 17, 17}},
    {'O', {14, 17, 17, 17, 17, 17, 14}}, {'P', {30, 17, 17, 30, 16, 16, 16}},
    {'Q', {14, 17, 17, 17, 21, 18, 13}}, {'R', {30, 17, 17, 30, 20, 18, 17}},
    {'S', {15, 16, 16, 14, 1, 1, 30}},   {'T', {31, 4, 4, 4, 4, 4, 4}},
    {'U', {17, 17, 17, 17, 17, 17, 14}}, {'V', {17, 17, 17, 17, 17, 10, 4}},
    {'W', {17, 17, 17, 21, 21, 21, 10}}, {'X', {17, 17, 10, 4, 10, 17, 17}},
    {'Y', {17, 17, 17, 10, 4, 4, 4}},    {'Z', {31, 1, 2, 4, 8, 16, 31}},
    {'.', {0, 0, 0, 0, 0, 12, 12}},      {',', {0, 0, 0, 0, 12, 4, 8}},
    {':', {0, 12, 12, 0, 12, 12, 0}},    {'-', {0, 0, 0, 31, 0, 0, 0}},
    {'_', {0, 0, 0, 0, 0, 0, 31}},       {'(', {2, 4, 8, 8, 8, 4, 2}},
    {')', {8, 4, 2, 2, 2, 4, 8}},        {'/', {0, 1, 2, 4, 8, 16, 0}},     {'\\', {0, 16, 8, 4, 2, 1, 0}},
    {'+', {0, 4, 4, 31, 4, 4, 0}},       {'=', {0, 0, 31, 0, 31, 0, 0}},
    {'#', {10, 10, 31, 10, 31, 10, 10}}, {'?', {14, 17, 1, 2, 4, 0, 4}},
    {'&', {12, 18, 20, 8, 21, 18, 13}},  {'\'', {4, 4, 8, 0, 0, 0, 0}},
};

const GlyphRows* Find(char c) {
  c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const GlyphRows& g : kFont)
    if (g.c == c) return &g;
  return nullptr;
}

}  // namespace

int TextWidth5x7(std::string_view text, int scale) { return static_cast<int>(text.size()) * 6 * scale; }

int DrawText5x7(const std::function<void(int, int)>& plot, int x, int y, std::string_view text, int scale) {
  int cx = x;
  for (char ch : text) {
    if (const GlyphRows* g = Find(ch))
      for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 5; ++col)
          if (g->rows[row] & (16 >> col))
            for (int sy = 0; sy < scale; ++sy)
              for (int sx = 0; sx < scale; ++sx) plot(cx + col * scale + sx, y + row * scale + sy);
    cx += 6 * scale;
  }
  return cx - x;
}

int DrawText5x7(common::Image24& img, int x, int y, std::string_view text, Rgb colour, int scale) {
  return DrawText5x7(
      [&](int px, int py) {
        if (px >= 0 && py >= 0 && px < img.width && py < img.height) SetPixel(img, px, py, colour);
      },
      x, y, text, scale);
}

}  // namespace skingen
