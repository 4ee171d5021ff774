#pragma once
// What the skin needs to know about the system it runs on. Windows answers from the live system;
// other builds answer with the standard Windows 7 values so the portable code can be exercised.
#include "skin/data/colour.h"

namespace skin {

// The current colour of a system colour index (COLOR_*), as plain RGB.
Colour SystemColour(int index);

// Width of the arrow of a horizontal scroll bar (SM_CXHSCROLL).
int HorzScrollArrowWidth();

// A colour as plain RGB: system-colour references are looked up by their low byte.
inline Colour ResolveColour(Colour c) { return c < 0 ? SystemColour(c & 0xFF) : c; }

}  // namespace skin
