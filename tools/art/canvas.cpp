#include "art/canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

void Canvas::Fill(const std::function<bool(double, double)>& inside, Rgba c) {
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
      if (!hits) continue;
      const double cov = hits / 16.0 * c.a / 255.0;
      Rgba& d = at(x, y);
      const double da = d.a / 255.0, oa = cov + da * (1 - cov);
      auto mix = [&](uint8_t s, uint8_t t) {
        return static_cast<uint8_t>(std::lround((s * cov + t * da * (1 - cov)) / (oa > 0 ? oa : 1)));
      };
      d = {mix(c.r, d.r), mix(c.g, d.g), mix(c.b, d.b), static_cast<uint8_t>(std::lround(oa * 255))};
    }
}

void Canvas::FillRect(double x0, double y0, double x1, double y1, Rgba c) {
  Fill([=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }, c);
}

void Canvas::FillRoundRect(double x0, double y0, double x1, double y1, double r, Rgba c) {
  Fill(
      [=](double x, double y) {
        if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
        const double cx = std::clamp(x, x0 + r, x1 - r), cy = std::clamp(y, y0 + r, y1 - r);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
      },
      c);
}

void Canvas::FillCircle(double cx, double cy, double r, Rgba c) {
  Fill([=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; }, c);
}

void Canvas::FillPolygon(const std::vector<std::pair<double, double>>& pts, Rgba c) {
  Fill(
      [&](double x, double y) {
        bool in = false;
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
          const auto [xi, yi] = pts[i];
          const auto [xj, yj] = pts[j];
          if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
        }
        return in;
      },
      c);
}

void Canvas::Line(double x0, double y0, double x1, double y1, double t, Rgba c) {
  const double dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
  Fill(
      [=](double x, double y) {
        double u = len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0;
        u = std::clamp(u, 0.0, 1.0);
        const double px = x0 + u * dx - x, py = y0 + u * dy - y;
        return px * px + py * py <= t * t / 4;
      },
      c);
}

}  // namespace art
