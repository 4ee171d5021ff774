#include "draw.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace skingen {

Rgb Mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto m = [t](uint8_t x, uint8_t y) { return static_cast<uint8_t>(std::lround(x + (y - x) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Inside RoundRect(double x0, double y0, double x1, double y1, double r) {
  return [=](double x, double y) {
    if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
    if (r <= 0) return true;
    const double cx = std::clamp(x, x0 + r, x1 - r), cy = std::clamp(y, y0 + r, y1 - r);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
  };
}

Inside Ellipse(double cx, double cy, double rx, double ry, double angle_deg) {
  const double a = angle_deg * std::numbers::pi / 180, ca = std::cos(a), sa = std::sin(a);
  return [=](double x, double y) {
    const double dx = x - cx, dy = y - cy;
    const double u = dx * ca + dy * sa, v = -dx * sa + dy * ca;
    return (u * u) / (rx * rx) + (v * v) / (ry * ry) <= 1;
  };
}

Inside Polygon(std::vector<std::pair<double, double>> pts) {
  return [pts = std::move(pts)](double x, double y) {
    bool in = false;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const auto [xi, yi] = pts[i];
      const auto [xj, yj] = pts[j];
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
    }
    return in;
  };
}

Inside Segment(double x0, double y0, double x1, double y1, double width) {
  const double dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
  return [=](double x, double y) {
    const double u = std::clamp(len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0.0, 0.0, 1.0);
    const double px = x0 + u * dx - x, py = y0 + u * dy - y;
    return px * px + py * py <= width * width / 4;
  };
}

Inside Union(Inside a, Inside b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

Inside Minus(Inside a, Inside b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

void Shade(art::Canvas& c, const Inside& inside, const Shader& colour, double opacity) {
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
      if (!hits) continue;
      const Rgb s = colour(x + 0.5, y + 0.5);
      const double cov = hits / 16.0 * opacity;
      art::Rgba& d = c.at(x, y);
      const double da = d.a / 255.0, oa = cov + da * (1 - cov);
      auto mix = [&](uint8_t sc, uint8_t tc) {
        return static_cast<uint8_t>(std::lround((sc * cov + tc * da * (1 - cov)) / (oa > 0 ? oa : 1)));
      };
      d = {mix(s.r, d.r), mix(s.g, d.g), mix(s.b, d.b), static_cast<uint8_t>(std::lround(oa * 255))};
    }
}

void Paint(art::Canvas& c, const Inside& inside, Rgb colour, double opacity) {
  Shade(c, inside, [colour](double, double) { return colour; }, opacity);
}

Shader VGradient(double y0, double y1, Rgb top, Rgb bottom) {
  return [=](double, double y) { return Mix(top, bottom, y1 > y0 ? (y - y0) / (y1 - y0) : 0); };
}

Shader HGradient(double x0, double x1, Rgb left, Rgb right) {
  return [=](double x, double) { return Mix(left, right, x1 > x0 ? (x - x0) / (x1 - x0) : 0); };
}

void Box(art::Canvas& c, double x0, double y0, double x1, double y1, double r, Rgb border,
         const Shader& fill) {
  Paint(c, RoundRect(x0, y0, x1, y1, r), border);
  Shade(c, RoundRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, std::max(0.0, r - 1)), fill);
}

bool IsKey(Rgb c) { return c.r == 255 && c.g <= 1 && c.b == 255; }

common::Image24 Blank(int w, int h, Rgb fill) {
  common::Image24 img;
  img.width = w;
  img.height = h;
  img.bgr.resize(static_cast<size_t>(w) * h * 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) SetPixel(img, x, y, fill);
  return img;
}

Rgb PixelAt(const common::Image24& img, int x, int y) {
  const uint8_t* p = img.Pixel(x, y);
  return {p[2], p[1], p[0]};
}

void SetPixel(common::Image24& img, int x, int y, Rgb c) {
  uint8_t* p = img.Pixel(x, y);
  p[0] = c.b;
  p[1] = c.g;
  p[2] = c.r;
}

common::Image24 Flatten(const art::Canvas& c, Rgb matte, bool keyed) {
  common::Image24 img = Blank(c.width(), c.height(), keyed ? kKey : matte);
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      const art::Rgba& p = c.at(x, y);
      if (keyed && p.a < 128) continue;
      Rgb out = Mix(matte, {p.r, p.g, p.b}, p.a / 255.0);
      if (IsKey(out)) out.g = 8;  // a drawn pixel must never read as transparent
      SetPixel(img, x, y, out);
    }
  return img;
}

common::Image24 SideBySide(const std::vector<common::Image24>& frames) {
  if (frames.empty()) return {};
  const int h = frames[0].height;
  int w = 0;
  for (const auto& f : frames) {
    if (f.height != h) throw std::logic_error("frames differ in height");
    w += f.width;
  }
  common::Image24 out = Blank(w, h, kKey);
  int x0 = 0;
  for (const auto& f : frames) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < f.width; ++x) SetPixel(out, x0 + x, y, PixelAt(f, x, y));
    x0 += f.width;
  }
  return out;
}

common::Image24 Stacked(const std::vector<common::Image24>& frames) {
  if (frames.empty()) return {};
  const int w = frames[0].width;
  int h = 0;
  for (const auto& f : frames) {
    if (f.width != w) throw std::logic_error("frames differ in width");
    h += f.height;
  }
  common::Image24 out = Blank(w, h, kKey);
  int y0 = 0;
  for (const auto& f : frames) {
    for (int y = 0; y < f.height; ++y)
      for (int x = 0; x < w; ++x) SetPixel(out, x, y0 + y, PixelAt(f, x, y));
    y0 += f.height;
  }
  return out;
}

common::Image24 Crop(const common::Image24& img, int x0, int y0, int w, int h) {
  common::Image24 out = Blank(w, h, kKey);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) SetPixel(out, x, y, PixelAt(img, x0 + x, y0 + y));
  return out;
}

}  // namespace skingen
