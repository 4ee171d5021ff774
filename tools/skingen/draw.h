#pragma once
// Drawing helpers for skin images: shapes are covered by 4x4 subsamples on an art::Canvas, then
// flattened to 24 bits. Transparent pixels become the key colour; partly covered edge pixels are
// blended against the colour the image will be drawn over (its matte), never against the key, so
// no pink fringe reaches the screen.
#include <cstdint>
#include <functional>
#include <vector>

#include "art/canvas.h"
#include "common/image.h"

namespace skingen {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kKey{255, 0, 255};

// a at t = 0, b at t = 1.
Rgb Mix(Rgb a, Rgb b, double t);
inline art::Rgba Opaque(Rgb c) { return {c.r, c.g, c.b, 255}; }

using Inside = std::function<bool(double, double)>;
using Shader = std::function<Rgb(double, double)>;

Inside RoundRect(double x0, double y0, double x1, double y1, double r);
Inside Ellipse(double cx, double cy, double rx, double ry, double angle_deg);
Inside Polygon(std::vector<std::pair<double, double>> pts);
Inside Segment(double x0, double y0, double x1, double y1, double width);
Inside Union(Inside a, Inside b);
Inside Minus(Inside a, Inside b);

// Blends a per-position colour over every pixel by its covered share.
void Shade(art::Canvas& c, const Inside& inside, const Shader& colour, double opacity = 1.0);
void Paint(art::Canvas& c, const Inside& inside, Rgb colour, double opacity = 1.0);
// Vertical gradient from top (at y0) to bottom (at y1).
Shader VGradient(double y0, double y1, Rgb top, Rgb bottom);
Shader HGradient(double x0, double x1, Rgb left, Rgb right);

// A filled rounded box with a one-pixel border: the border colour fills the shape, the fill
// covers the shape inset by one pixel.
void Box(art::Canvas& c, double x0, double y0, double x1, double y1, double r, Rgb border,
         const Shader& fill);

// 24-bit picture of the canvas: coverage below one half becomes the key colour when `keyed`,
// other pixels are blended over `matte`. Drawn colours that fall within the key's tolerance are
// moved off it, so only intended pixels are transparent.
common::Image24 Flatten(const art::Canvas& c, Rgb matte, bool keyed);

common::Image24 Blank(int w, int h, Rgb fill);
Rgb PixelAt(const common::Image24& img, int x, int y);
void SetPixel(common::Image24& img, int x, int y, Rgb c);
bool IsKey(Rgb c);

// Frames laid side by side (all the same height) or one above the other (same width).
common::Image24 SideBySide(const std::vector<common::Image24>& frames);
common::Image24 Stacked(const std::vector<common::Image24>& frames);
common::Image24 Crop(const common::Image24& img, int x, int y, int w, int h);

}  // namespace skingen
