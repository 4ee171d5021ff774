#pragma once
// The picture and text routines that need a device context.
#include <windows.h>

#include <string>
#include <string_view>

#include "skin/data/colour.h"

namespace skin {

// Fills the rectangle with a gradient of 1-pixel rows (vertical) or columns, drawing only the
// lines inside the clip box; one solid brush per line, deleted right after.
void GradientFill(HDC dc, const RECT& r, Colour start, bool vertical, Colour end);

// 8-bit text in the system code page as wide text.
std::wstring AnsiToWide(std::string_view text);

// DrawTextW on the NT family, else the text converted to the system code page and DrawTextA.
int DrawTextAuto(HDC dc, std::wstring_view text, RECT& r, UINT format);

}  // namespace skin
