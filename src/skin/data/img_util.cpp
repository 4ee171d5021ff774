#include "skin/data/img_util.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "skin/data/system_info.h"

namespace skin {

void ReplaceMagenta(Bitmap& b, Colour colour) {
  const Colour c = ResolveColour(colour);
  for (int32_t y = 0; y < b.Height(); ++y) {
    uint8_t* p = b.MutableRow(y);
    for (int32_t x = 0; x < b.Width(); ++x, p += 3) {
      if (p[0] == 255 && p[1] == 0 && p[2] == 255) Bitmap::StorePixel(p, c);
    }
  }
}

void MirrorBitmap(Bitmap& b) {
  Bitmap out(b.Width(), b.Height());
  for (int32_t y = 0; y < b.Height(); ++y) {
    const uint8_t* s = b.Row(y);
    uint8_t* d = out.MutableRow(y) + static_cast<size_t>(b.Width()) * 3;
    for (int32_t x = 0; x < b.Width(); ++x, s += 3) {
      d -= 3;
      std::memcpy(d, s, 3);
    }
  }
  b = std::move(out);
}

void FlipBitmap(Bitmap& b) {
  Bitmap out(b.Width(), b.Height());
  for (int32_t y = 0; y < b.Height(); ++y) {
    std::memcpy(out.MutableRow(b.Height() - 1 - y), b.Row(y), b.Stride());
  }
  b = std::move(out);
}

void RotateLeft(Bitmap& b) {
  const int32_t w = b.Width(), h = b.Height();
  Bitmap out(h, w);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) out.SetPixel(y, w - 1 - x, b.Pixel(x, y));
  }
  b = std::move(out);
}

void RotateRight(Bitmap& b) {
  const int32_t w = b.Width(), h = b.Height();
  Bitmap out(h, w);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) out.SetPixel(h - 1 - y, x, b.Pixel(x, y));
  }
  b = std::move(out);
}

Colour MixColors(Colour c1, Colour c2, int32_t weight) {
  const Colour a = ResolveColour(c1), b = ResolveColour(c2);
  const int64_t d = weight < 100 ? 100 : 1000;
  auto mix = [&](int64_t x, int64_t y) {
    const int64_t v = (x * weight + y * (d - weight) + d / 2) / d;
    return static_cast<uint8_t>(std::clamp<int64_t>(v, 0, 255));
  };
  return Rgb(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

int32_t Saturation(Colour colour) {
  const Colour c = ResolveColour(colour);
  const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
  const int hi = std::max({r, g, b}), lo = std::min({r, g, b});
  if (hi < 160) return 200;
  const double s = static_cast<double>(hi - lo) / hi;
  return static_cast<int32_t>(std::nearbyint(s * 255.0));  // default rounding: halves to even
}

std::vector<Colour> GradientSteps(int32_t n, Colour a, Colour b) {
  std::vector<Colour> steps(static_cast<size_t>(std::max(n, 0)));
  const int32_t ar = RedOf(a), ag = GreenOf(a), ab = BlueOf(a);
  const int32_t dr = RedOf(b) - ar, dg = GreenOf(b) - ag, db = BlueOf(b) - ab;
  if (n == 1) {
    steps[0] = Rgb(static_cast<uint8_t>(ar + dr / 2), static_cast<uint8_t>(ag + dg / 2),
                   static_cast<uint8_t>(ab + db / 2));
    return steps;
  }
  const int64_t d = n - 1, h = d / 2;
  for (int32_t i = 0; i < n; ++i) {
    auto ch = [&](int32_t base, int32_t delta) {
      return static_cast<uint8_t>(base + (h + int64_t{i} * delta) / d);
    };
    steps[static_cast<size_t>(i)] = Rgb(ch(ar, dr), ch(ag, dg), ch(ab, db));
  }
  return steps;
}

std::span<const Colour> GradientCache::Steps(int32_t n, Colour a, Colour b) {
  for (int i = kSlots - 1; i >= 0; --i) {
    const Slot& s = slots_[static_cast<size_t>(i)];
    if (!s.steps.empty() && s.n == n && s.a == a && s.b == b) {
      lastSlot_ = i;
      lastHit_ = true;
      return s.steps;
    }
  }
  Slot& s = slots_[static_cast<size_t>(next_)];
  s = Slot{n, a, b, GradientSteps(n, a, b)};
  lastSlot_ = next_;
  lastHit_ = false;
  next_ = (next_ + 1) % kSlots;
  return s.steps;
}

GradientCache& SharedGradientCache() {
  static GradientCache cache;
  return cache;
}

void GradientFill(Bitmap& b, const common::Rect& r, Colour start, bool vertical, Colour end) {
  const int32_t n = vertical ? r.Height() : r.Width();
  if (n <= 0) return;
  const auto steps = SharedGradientCache().Steps(n, ResolveColour(start), ResolveColour(end));
  // Only the lines inside the picture are drawn, as a clip box limits them on a device.
  const int32_t clipEnd = vertical ? b.Height() : b.Width();
  const int32_t origin = vertical ? r.top : r.left;
  const int32_t first = std::max(0, -origin);
  const int32_t last = std::min(n - 1, clipEnd - origin - 1);
  for (int32_t i = first; i <= last; ++i) {
    const Colour c = steps[static_cast<size_t>(i)];
    if (vertical) {
      b.FillRect({r.left, r.top + i, r.right, r.top + i + 1}, c);
    } else {
      b.FillRect({r.left + i, r.top, r.left + i + 1, r.bottom}, c);
    }
  }
}

std::wstring WideLeft(std::wstring_view text, int32_t count) {
  if (count == -1) return std::wstring(text);
  if (count <= 0) return {};
  return std::wstring(text.substr(0, static_cast<size_t>(count)));
}

}  // namespace skin
