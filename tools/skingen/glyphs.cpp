#include "glyphs.h"

#include <cmath>
#include <numbers>

namespace skingen {

void DrawGlyph(art::Canvas& c, Glyph g, double cx, double cy, double size, Rgb colour,
               double stroke) {
  const double a = size / 2;
  switch (g) {
    case Glyph::Close:
      Paint(c, Union(Segment(cx - a + 1, cy - a + 1, cx + a - 1, cy + a - 1, stroke * 1.15),
                     Segment(cx - a + 1, cy + a - 1, cx + a - 1, cy - a + 1, stroke * 1.15)),
            colour);
      break;
    case Glyph::Maximize:
      Paint(c, Minus(RoundRect(cx - a, cy - a, cx + a, cy + a, 0),
                     RoundRect(cx - a + stroke, cy - a + 2 * stroke, cx + a - stroke, cy + a - stroke, 0)),
            colour);
      break;
    case Glyph::Restore: {
      const double s = size - 3;
      Inside front = RoundRect(cx - a, cy - a + 3, cx - a + s, cy - a + 3 + s, 0);
      Inside front_in = RoundRect(cx - a + stroke, cy - a + 3 + 2 * stroke, cx - a + s - stroke,
                                  cy - a + 3 + s - stroke, 0);
      Inside back = RoundRect(cx - a + 3, cy - a, cx - a + 3 + s, cy - a + s, 0);
      Inside back_in = RoundRect(cx - a + 3 + stroke, cy - a + 2 * stroke, cx - a + 3 + s - stroke,
                                 cy - a + s - stroke, 0);
      Paint(c, Union(Minus(front, front_in), Minus(Minus(back, back_in), front)), colour);
      break;
    }
    case Glyph::Minimize:
      Paint(c, RoundRect(cx - a, cy + a - 2 * stroke, cx + a, cy + a, 0), colour);
      break;
    case Glyph::Help: {
      const double rr = a * 0.55, ox = cx, oy = cy - a * 0.4;
      Inside arc = [=](double x, double y) {
        const double d = std::hypot(x - ox, y - oy);
        if (std::abs(d - rr) > stroke * 0.6) return false;
        const double ang = std::atan2(y - oy, x - ox) * 180 / std::numbers::pi;  // y grows downwards
        return ang <= 75 || ang >= 165;
      };
      const double end = 75 * std::numbers::pi / 180;
      const double ex = ox + rr * std::cos(end), ey = oy + rr * std::sin(end);
      Paint(c, Union(arc, Segment(ex, ey, cx, cy + a * 0.35, stroke * 1.2)), colour);
      Paint(c, Ellipse(cx, cy + a * 0.8, stroke * 0.8, stroke * 0.8, 0), colour);
      break;
    }
    case Glyph::Left:
      Paint(c, Polygon({{cx - a * 0.45, cy}, {cx + a * 0.35, cy - a * 0.8}, {cx + a * 0.35, cy + a * 0.8}}), colour);
      break;
    case Glyph::Right:
      Paint(c, Polygon({{cx + a * 0.45, cy}, {cx - a * 0.35, cy - a * 0.8}, {cx - a * 0.35, cy + a * 0.8}}), colour);
      break;
    case Glyph::Up:
      Paint(c, Polygon({{cx, cy - a * 0.45}, {cx - a * 0.8, cy + a * 0.35}, {cx + a * 0.8, cy + a * 0.35}}), colour);
      break;
    case Glyph::Down:
      Paint(c, Polygon({{cx, cy + a * 0.45}, {cx - a * 0.8, cy - a * 0.35}, {cx + a * 0.8, cy - a * 0.35}}), colour);
      break;
  }
}

void DrawCheck(art::Canvas& c, double x0, double y0, double size, Rgb colour) {
  const double k = size / 13.0;
  Paint(c, Union(Segment(x0 + 3 * k, y0 + 6.5 * k, x0 + 5.5 * k, y0 + 9.2 * k, 1.9 * k),
                 Segment(x0 + 5.5 * k, y0 + 9.2 * k, x0 + 10 * k, y0 + 3.6 * k, 1.9 * k)),
        colour);
}

void DrawGrip(art::Canvas& c, double cx, double cy, bool vertical_thumb, Rgb dark, Rgb light) {
  for (int i = -1; i <= 1; ++i) {
    const double o = i * 3;
    if (vertical_thumb) {
      Paint(c, RoundRect(cx - 3.5, cy + o - 1, cx + 3.5, cy + o, 0), dark);
      Paint(c, RoundRect(cx - 3.5, cy + o, cx + 3.5, cy + o + 1, 0), light);
    } else {
      Paint(c, RoundRect(cx + o - 1, cy - 3.5, cx + o, cy + 3.5, 0), dark);
      Paint(c, RoundRect(cx + o, cy - 3.5, cx + o + 1, cy + 3.5, 0), light);
    }
  }
}

void DrawSizeGrip(art::Canvas& c, double size, Rgb dark, Rgb light) {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; i + j < 3; ++j) {
      const double x = size - 3 - i * 4, y = size - 3 - j * 4;
      Paint(c, RoundRect(x, y, x + 2, y + 2, 0), light);
      Paint(c, RoundRect(x - 1, y - 1, x + 1, y + 1, 0), dark);
    }
}

void DrawOrchid(art::Canvas& c, double cx, double cy, double r, const Palette& p, Rgb ground,
                double fade) {
  auto f = [&](Rgb col) { return Mix(col, ground, fade); };
  // Leaf and stem first, behind the flower.
  Paint(c, Ellipse(cx - r * 1.5, cy + r * 0.55, r * 1.05, r * 0.26, -18), f(p.leaf));
  Paint(c, Segment(cx - r * 0.2, cy + r * 0.4, cx - r * 0.85, cy + r * 1.0, 1.0), f(p.leaf));
  // Three sepals and two broad petals; each an edge-coloured ellipse with a white inner one.
  struct Leaf { double angle, len, width; };
  const Leaf leaves[] = {{-90, 0.95, 0.30}, {30, 0.95, 0.30}, {150, 0.95, 0.30},
                         {-25, 0.80, 0.42}, {-155, 0.80, 0.42}};
  for (const Leaf& l : leaves) {
    const double a = l.angle * std::numbers::pi / 180;
    const double ex = cx + std::cos(a) * r * l.len * 0.55, ey = cy + std::sin(a) * r * l.len * 0.55;
    Paint(c, Ellipse(ex, ey, r * l.len * 0.58, r * l.width + 0.5, l.angle), f(p.petal_edge));
    Paint(c, Ellipse(ex, ey, r * l.len * 0.58 - 0.9, r * l.width - 0.4, l.angle), f(p.petal));
  }
  // The lip and the column.
  Paint(c, Ellipse(cx, cy + r * 0.28, r * 0.30, r * 0.26, 0), f(p.lip_edge));
  Paint(c, Ellipse(cx, cy + r * 0.26, r * 0.21, r * 0.17, 0), f(p.lip));
  Paint(c, Ellipse(cx, cy - r * 0.02, r * 0.09, r * 0.09, 0), f(p.lip_edge));
}

void DrawLook(art::Canvas& c, double x0, double y0, double x1, double y1, double radius,
              const Look& look) {
  if (!look.filled) return;
  Box(c, x0, y0, x1, y1, radius, look.border, VGradient(y0, y1, look.top, look.bottom));
}

}  // namespace skingen
