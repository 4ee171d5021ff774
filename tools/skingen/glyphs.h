#pragma once
// Small line and shape glyphs shared by the parts: caption-button symbols, arrows, check marks,
// grips and the orchid ornament.
#include "art/canvas.h"
#include "draw.h"
#include "style.h"

namespace skingen {

enum class Glyph { Close, Maximize, Restore, Minimize, Help, Left, Right, Up, Down };

// Draws the glyph centred on (cx, cy) within a square of side `size`.
void DrawGlyph(art::Canvas& c, Glyph g, double cx, double cy, double size, Rgb colour,
               double stroke = 1.3);
void DrawCheck(art::Canvas& c, double x0, double y0, double size, Rgb colour);
// Three short ridges across a thumb (vertical ridges for a horizontal thumb).
void DrawGrip(art::Canvas& c, double cx, double cy, bool vertical_thumb, Rgb dark, Rgb light);
// Dots in a triangle at the bottom-right of the square, as a size grip.
void DrawSizeGrip(art::Canvas& c, double size, Rgb dark, Rgb light);
// A white orchid of radius r; `fade` 0..1 mixes it into `ground` for the inactive look.
void DrawOrchid(art::Canvas& c, double cx, double cy, double r, const Palette& p, Rgb ground,
                double fade);
// A state look as a rounded box (nothing when the look is not filled).
void DrawLook(art::Canvas& c, double x0, double y0, double x1, double y1, double radius,
              const Look& look);

}  // namespace skingen
