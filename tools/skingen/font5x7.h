#pragma once
// A 5x7 bitmap font for the labels of contact sheets (upper case, digits, a little punctuation;
// lower-case letters are shown in upper case).
#include <cstdint>
#include <functional>
#include <string_view>

#include "common/image.h"
#include "draw.h"

namespace skingen {

// Draws text with its top-left at (x, y), each font pixel `scale` pixels wide. Answers the width.
int DrawText5x7(common::Image24& img, int x, int y, std::string_view text, Rgb colour, int scale = 1);
// The same through a plotting callback, for other picture types.
int DrawText5x7(const std::function<void(int, int)>& plot, int x, int y, std::string_view text, int scale = 1);
int TextWidth5x7(std::string_view text, int scale = 1);

}  // namespace skingen
