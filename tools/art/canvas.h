#pragma once
// A tiny supersampled drawing surface for the program's own pictures (icon, menu images, about
// picture): shapes are filled by coverage, so edges come out smooth at 16 and 32 pixels.
#include <cstdint>
#include <functional>
#include <vector>

namespace art {

struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 0;
};

class Canvas {
 public:
  Canvas(int w, int h) : w_(w), h_(h), px_(static_cast<size_t>(w) * h) {}
  int width() const { return w_; }
  int height() const { return h_; }
  Rgba& at(int x, int y) { return px_[static_cast<size_t>(y) * w_ + x]; }
  const Rgba& at(int x, int y) const { return px_[static_cast<size_t>(y) * w_ + x]; }

  // Blends colour c over every pixel by the share of 4x4 subsamples for which inside(x, y) holds.
  void Fill(const std::function<bool(double, double)>& inside, Rgba c);
  void FillRect(double x0, double y0, double x1, double y1, Rgba c);
  void FillRoundRect(double x0, double y0, double x1, double y1, double r, Rgba c);
  void FillCircle(double cx, double cy, double r, Rgba c);
  void FillPolygon(const std::vector<std::pair<double, double>>& pts, Rgba c);
  // A line of width t between two points.
  void Line(double x0, double y0, double x1, double y1, double t, Rgba c);

 private:
  int w_, h_;
  std::vector<Rgba> px_;
};

}  // namespace art
