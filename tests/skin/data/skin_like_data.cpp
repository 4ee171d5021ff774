#include "skin/data/skin_like_data.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace testing_skin {
namespace {

constexpr uint32_t kMagenta = 0xFF00FF;

void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

uint32_t Rgb(int r, int g, int b) {
  auto c = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
  return c(r) | c(g) << 8 | c(b) << 16;
}

uint32_t Mix(uint32_t a, uint32_t b, int num, int den) {
  auto ch = [&](int shift) {
    const int x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
    return x + (y - x) * num / std::max(den, 1);
  };
  return Rgb(ch(0), ch(8), ch(16));
}

// A caption or frame piece: rounded magenta corners, a vertical gradient with a highlight that
// fades out to the right, edge lines and a flat face.
std::vector<uint8_t> Frame(Rng& rng, int w, int h) {
  const uint32_t top = Rgb(rng.Range(0, 255), rng.Range(0, 255), rng.Range(0, 255));
  const uint32_t bottom = Rgb(rng.Range(0, 255), rng.Range(0, 255), rng.Range(0, 255));
  const uint32_t face = Rgb(rng.Range(200, 240), rng.Range(200, 240), rng.Range(200, 240));
  const int caption = h * 2 / 3, glow = w / 3;
  return MakeBmp24(w, h, [&](int x, int y) -> uint32_t {
    const int r = 6;
    const int cx = x < r ? r - x : (x >= w - r ? x - (w - r - 1) : 0);
    const int cy = y < r ? r - y : 0;
    if (cx * cx + cy * cy > r * r) return kMagenta;
    if (x == 0 || y == 0 || x == w - 1 || y == h - 1) return 0x202020;
    if (y < caption) {
      const uint32_t c = Mix(top, bottom, y, caption);
      return x < glow ? Mix(c, 0xFFFFFF, glow - x, glow * 3) : c;
    }
    if (x < 4 || x >= w - 4 || y >= h - 4) return Mix(bottom, top, x % 4, 4);
    return face;
  });
}

// Button states side by side: rounded key corners, vertical gradient, a border and a few
// sparkles.
std::vector<uint8_t> Buttons(Rng& rng, int states, int w, int h) {
  const uint32_t light = Rgb(rng.Range(180, 255), rng.Range(180, 255), rng.Range(180, 255));
  const uint32_t dark = Rgb(rng.Range(0, 120), rng.Range(0, 120), rng.Range(0, 120));
  Rng noise(rng.Next());
  return MakeBmp24(states * w, h, [&](int x, int y) -> uint32_t {
    const int sx = x % w, st = x / w;
    const int ex = std::min(sx, w - 1 - sx), ey = std::min(y, h - 1 - y);
    if (ex + ey < 2) return kMagenta;
    if (ex == 0 || ey == 0 || ex + ey == 2) return Mix(dark, 0, st, states + 2);
    const uint32_t c = Mix(light, dark, y + st * 3, h + states * 3);
    if (noise.Next() % 64 != 0) return c;
    const int d = noise.Range(-6, 6);
    return Rgb((c & 0xFF) + d, ((c >> 8) & 0xFF) + d, ((c >> 16) & 0xFF) + d);
  });
}

// A tiling texture: smooth waves plus grain.
std::vector<uint8_t> Texture(Rng& rng, int w, int h) {
  const int base = rng.Range(60, 190);
  Rng grain(rng.Next());
  return MakeBmp24(w, h, [&](int x, int y) -> uint32_t {
    const int wave = static_cast<int>(20 * std::sin((x + 3 * y) * 0.19));
    const int g = grain.Range(-4, 4);
    return Rgb(base + wave + g, base + wave / 2 + g, base - wave + g);
  });
}

// A small glyph (caption button, arrow) on the magenta key.
std::vector<uint8_t> Glyph(Rng& rng, int size) {
  const uint32_t ink = Rgb(rng.Range(0, 80), rng.Range(0, 80), rng.Range(0, 80));
  return MakeBmp24(size * 3, size, [&](int x, int y) -> uint32_t {
    const int sx = x % size;
    const int d = std::abs(sx - size / 2) + std::abs(y - size / 2);
    if (d > size / 2) return kMagenta;
    if (std::abs(sx - y) <= 1 || std::abs(sx + y - size) <= 1) return ink;
    return Mix(0xF0F0F0, ink, x / size, 4);
  });
}

std::string Definition(const std::vector<std::string>& bitmaps) {
  std::string ini = "[Form]\r\nBorder=frame0.bmp\r\nCaptionHeight=26\r\n";
  for (size_t i = 0; i < bitmaps.size(); ++i) {
    ini += "[Object" + std::to_string(i) + "]\r\nImage=" + bitmaps[i] + "\r\nLeftMargin=4\r\n";
    ini += "RightMargin=4\r\nTopMargin=3\r\nBottomMargin=3\r\nFrameCount=4\r\nTrans=1\r\n";
  }
  return ini;
}

}  // namespace

std::vector<uint8_t> MakeBmp24(int width, int height, const std::function<uint32_t(int x, int y)>& pixel) {
  const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
  const uint32_t image = stride * static_cast<uint32_t>(height);
  std::vector<uint8_t> b;
  b.reserve(54 + image);
  b.push_back('B');
  b.push_back('M');
  Put32(b, 54 + image);
  Put32(b, 0);
  Put32(b, 54);
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(width));
  Put32(b, static_cast<uint32_t>(height));
  Put16(b, 1);
  Put16(b, 24);
  Put32(b, 0);
  Put32(b, image);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t c = pixel(x, y);
      b.push_back(static_cast<uint8_t>(c >> 16));  // blue
      b.push_back(static_cast<uint8_t>(c >> 8));
      b.push_back(static_cast<uint8_t>(c));
    }
    for (uint32_t k = static_cast<uint32_t>(width) * 3; k < stride; ++k) b.push_back(0);
  }
  return b;
}

skin::SkinEntries MakeSkinLikeEntries(size_t approx_bytes, uint32_t seed) {
  Rng rng(seed);
  skin::SkinEntries bitmaps;
  size_t total = 0;
  for (int k = 0; total < approx_bytes; ++k) {
    std::vector<uint8_t> bmp;
    std::string name;
    switch (k % 4) {
      case 0:
        bmp = Frame(rng, rng.Range(120, 400), rng.Range(30, 120));
        name = "frame";
        break;
      case 1:
        bmp = Buttons(rng, 4, rng.Range(40, 90), rng.Range(18, 30));
        name = "button";
        break;
      case 2:
        bmp = Texture(rng, rng.Range(16, 64), rng.Range(16, 64));
        name = "texture";
        break;
      default:
        bmp = Glyph(rng, rng.Range(9, 21));
        name = "glyph";
        break;
    }
    total += bmp.size();
    bitmaps.emplace_back(name + std::to_string(k / 4) + ".bmp", std::move(bmp));
  }
  std::vector<std::string> names;
  for (const auto& e : bitmaps) names.push_back(e.first);
  const std::string ini = Definition(names);
  skin::SkinEntries entries;
  entries.emplace_back("skin.ini", std::vector<uint8_t>(ini.begin(), ini.end()));
  for (auto& e : bitmaps) entries.push_back(std::move(e));
  return entries;
}

std::vector<uint8_t> MakeBitmapLikeBytes(size_t size, uint32_t seed) {
  std::vector<uint8_t> out;
  for (const auto& e : MakeSkinLikeEntries(size, seed)) out.insert(out.end(), e.second.begin(), e.second.end());
  out.resize(size);
  return out;
}

}  // namespace testing_skin
