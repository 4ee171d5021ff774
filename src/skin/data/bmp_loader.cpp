#include "skin/data/bmp_loader.h"

#include <array>
#include <bit>
#include <cstring>
#include <optional>

namespace skin {
namespace {

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3;

[[noreturn]] void Fail(const std::string& why) { throw BmpError("bitmap file: " + why); }

uint16_t U16(std::span<const uint8_t> d, size_t at) { return static_cast<uint16_t>(d[at] | (d[at + 1] << 8)); }
uint32_t U32(std::span<const uint8_t> d, size_t at) {
  return d[at] | (uint32_t{d[at + 1]} << 8) | (uint32_t{d[at + 2]} << 16) | (uint32_t{d[at + 3]} << 24);
}

struct Header {
  int64_t width = 0;
  int64_t height = 0;  // as stored; negative means top-down
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t compression = kBiRgb;
  uint32_t colorsUsed = 0;
  std::array<uint32_t, 3> masks{};  // red, green, blue
  bool hasMasks = false;
  bool core = false;
  size_t size = 0;
};

// One channel of a bit-field pixel scaled to 8 bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  static Channel From(uint32_t mask, int bitCount) {
    if (bitCount < 32 && (mask >> bitCount) != 0) Fail("a bit-field mask reaches past the pixel");
    Channel c;
    c.mask = mask;
    if (mask == 0) return c;
    c.shift = std::countr_zero(mask);
    c.bits = std::popcount(mask);
    if ((mask >> c.shift) != (c.bits == 32 ? 0xFFFFFFFFu : (1u << c.bits) - 1)) {
      Fail("a bit-field mask is not one run of bits");
    }
    return c;
  }
  uint8_t Extract(uint32_t px) const {
    if (bits == 0) return 0;
    const uint32_t v = (px & mask) >> shift;
    if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
    const uint32_t max = (1u << bits) - 1;
    return static_cast<uint8_t>((v * 255 + max / 2) / max);
  }
};

Header ReadHeader(std::span<const uint8_t> file) {
  if (file.size() < 18) Fail("the file is too short for its headers");
  Header h;
  h.size = U32(file, 14);
  if (h.size != 12 && h.size != 40 && h.size != 52 && h.size != 56 && h.size != 108 && h.size != 124) {
    Fail("unsupported header size " + std::to_string(h.size));
  }
  if (file.size() - 14 < h.size) Fail("the file is too short for its headers");
  const auto info = file.subspan(14, h.size);
  if (h.size == 12) {
    h.core = true;
    h.width = U16(info, 4);
    h.height = U16(info, 6);
    h.planes = U16(info, 8);
    h.bitCount = U16(info, 10);
  } else {
    h.width = static_cast<int32_t>(U32(info, 4));
    h.height = static_cast<int32_t>(U32(info, 8));
    h.planes = U16(info, 12);
    h.bitCount = U16(info, 14);
    h.compression = U32(info, 16);
    h.colorsUsed = U32(info, 32);
    if (h.size >= 52) {
      h.masks = {U32(info, 40), U32(info, 44), U32(info, 48)};
      h.hasMasks = true;
    }
  }
  return h;
}

void CheckHeader(const Header& h) {
  if (h.planes != 1) Fail("plane count " + std::to_string(h.planes) + " is not 1");
  const int b = h.bitCount;
  const bool depthOk = h.core ? (b == 1 || b == 4 || b == 8 || b == 24)
                              : (b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32);
  if (!depthOk) Fail("unsupported depth of " + std::to_string(b) + " bits per pixel");
  switch (h.compression) {
    case kBiRgb: break;
    case kBiRle8: if (b != 8) Fail("RLE8 needs 8 bits per pixel"); break;
    case kBiRle4: if (b != 4) Fail("RLE4 needs 4 bits per pixel"); break;
    case kBiBitfields: if (b != 16 && b != 32) Fail("bit fields need 16 or 32 bits per pixel"); break;
    default: Fail("unsupported compression " + std::to_string(h.compression));
  }
  if (h.width <= 0 || h.height == 0) {
    Fail("invalid size " + std::to_string(h.width) + " x " + std::to_string(h.height));
  }
  const int64_t height = h.height < 0 ? -h.height : h.height;
  if (!Bitmap::SizeAllowed(h.width, height)) {
    Fail("size " + std::to_string(h.width) + " x " + std::to_string(height) + " is too large");
  }
  if (h.height < 0 && (h.compression == kBiRle8 || h.compression == kBiRle4)) {
    Fail("a top-down bitmap cannot be run-length encoded");
  }
}

class Palette {
 public:
  Colour At(uint32_t index) const {
    if (index >= colours_.size()) {
      Fail("palette index " + std::to_string(index) + " past the palette of " +
           std::to_string(colours_.size()) + " colours");
    }
    return colours_[index];
  }
  void Add(Colour c) { colours_.push_back(c); }

 private:
  std::vector<Colour> colours_;
};

// Fills one bitmap row from the colour of each stored pixel.
template <typename ColourAt>
void ConvertRow(int32_t w, uint8_t* q, ColourAt colourAt) {
  for (int32_t x = 0; x < w; ++x, q += 3) Bitmap::StorePixel(q, colourAt(x));
}

void DecodeRows(const Header& h, const Palette& pal, std::span<const uint8_t> data, Bitmap& out) {
  const int32_t w = out.Width(), rows = out.Height();
  const uint64_t stride = ((static_cast<uint64_t>(w) * h.bitCount + 31) / 32) * 4;
  if (stride * static_cast<uint64_t>(rows) > data.size()) Fail("the pixel data is shorter than the image");

  std::array<Channel, 3> ch{};
  if (h.bitCount == 16 || h.bitCount == 32) {
    std::array<uint32_t, 3> m = h.bitCount == 16 ? std::array<uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                                                 : std::array<uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};
    if (h.compression == kBiBitfields) m = h.masks;
    for (int i = 0; i < 3; ++i) ch[i] = Channel::From(m[i], h.bitCount);
  }
  for (int32_t y = 0; y < rows; ++y) {
    const uint8_t* p = data.data() + stride * static_cast<uint64_t>(y);
    uint8_t* q = out.MutableRow(h.height < 0 ? y : rows - 1 - y);
    // The depth is the same for every pixel: chosen once a row, not once a pixel.
    switch (h.bitCount) {
      case 1: ConvertRow(w, q, [&](int32_t x) { return pal.At((p[x >> 3] >> (7 - (x & 7))) & 1); }); break;
      case 4: ConvertRow(w, q, [&](int32_t x) { return pal.At((p[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF); }); break;
      case 8: ConvertRow(w, q, [&](int32_t x) { return pal.At(p[x]); }); break;
      case 24: std::memcpy(q, p, static_cast<size_t>(w) * 3); break;  // blue, green, red: as the bitmap keeps it
      case 16:
        ConvertRow(w, q, [&](int32_t x) {
          const uint32_t v = p[x * 2] | (uint32_t{p[x * 2 + 1]} << 8);
          return Rgb(ch[0].Extract(v), ch[1].Extract(v), ch[2].Extract(v));
        });
        break;
      case 32:
        ConvertRow(w, q, [&](int32_t x) {
          const size_t at = static_cast<size_t>(x) * 4;
          const uint32_t v = p[at] | (uint32_t{p[at + 1]} << 8) | (uint32_t{p[at + 2]} << 16) |
                             (uint32_t{p[at + 3]} << 24);
          return Rgb(ch[0].Extract(v), ch[1].Extract(v), ch[2].Extract(v));
        });
        break;
    }
  }
}

// RLE4 and RLE8. Pixels the data never reaches keep palette entry 0, as an index buffer would.
void DecodeRle(const Header& h, const Palette& pal, std::span<const uint8_t> data, Bitmap& out) {
  const bool rle4 = h.compression == kBiRle4;
  const int32_t w = out.Width(), rows = out.Height();
  out.Fill(pal.At(0));
  int64_t x = 0, y = 0;
  size_t i = 0;
  // Run-length data is always stored bottom-up.
  auto put = [&](uint32_t index) {
    out.SetPixel(static_cast<int32_t>(x++), rows - 1 - static_cast<int32_t>(y), pal.At(index));
  };
  for (;;) {
    if (data.size() - i < 2) {
      if (y >= rows) return;  // every row done; the end mark is missing but nothing is lost
      Fail("the RLE data ends before the end-of-bitmap mark");
    }
    const uint8_t a = data[i], b = data[i + 1];
    i += 2;
    if (a > 0) {  // encoded run
      if (y >= rows || x + a > w) Fail("an RLE run reaches past the end of a row");
      for (int k = 0; k < a; ++k) put(rle4 ? ((k & 1) ? (b & 0xF) : (b >> 4)) : b);
      continue;
    }
    if (b == 0) {  // end of line
      x = 0;
      if (++y > rows) Fail("the RLE data has more rows than the image");
    } else if (b == 1) {  // end of bitmap
      return;
    } else if (b == 2) {  // delta
      if (data.size() - i < 2) Fail("the RLE data ends inside a delta");
      x += data[i];
      y += data[i + 1];
      i += 2;
      if (x > w || y > rows) Fail("an RLE delta moves outside the image");
    } else {  // absolute run of b pixels, padded to a 16-bit boundary
      const size_t bytes = rle4 ? (b + 1u) / 2 : b;
      const size_t padded = (bytes + 1) & ~size_t{1};
      if (data.size() - i < padded) Fail("the RLE data ends inside an absolute run");
      if (y >= rows || x + b > w) Fail("an RLE run reaches past the end of a row");
      for (int k = 0; k < b; ++k) {
        put(rle4 ? ((k & 1) ? (data[i + k / 2] & 0xF) : (data[i + k / 2] >> 4)) : data[i + k]);
      }
      i += padded;
    }
  }
}

}  // namespace

Bitmap LoadBmp(std::span<const uint8_t> file) {
  if (file.size() < 14) Fail("the file header is incomplete");
  if (file[0] != 'B' || file[1] != 'M') Fail("no BM signature: not a Windows bitmap file");
  const uint32_t offBits = U32(file, 10);
  Header h = ReadHeader(file);
  CheckHeader(h);

  size_t pos = 14 + h.size;
  if (h.compression == kBiBitfields && !h.hasMasks) {
    if (file.size() - pos < 12) Fail("the file is too short for its bit-field masks");
    h.masks = {U32(file, pos), U32(file, pos + 4), U32(file, pos + 8)};
    pos += 12;
  }
  if (offBits != 0 && (offBits < pos || offBits > file.size())) {
    Fail("the pixel data offset " + std::to_string(offBits) + " lies outside the file");
  }

  // The colour table runs from the headers to the pixel data; an offset inside the table shortens it.
  Palette pal;
  const size_t entrySize = h.core ? 3 : 4;
  uint64_t entries = h.colorsUsed;
  if (h.bitCount <= 8) {
    const uint32_t full = 1u << h.bitCount;
    if (entries == 0 || entries > full) entries = full;
  }
  const size_t tableEnd = offBits != 0 ? offBits : file.size();
  const uint64_t fit = (tableEnd - pos) / entrySize;
  if (offBits == 0 && entries > fit) Fail("the file is too short for its colour table");
  if (h.bitCount <= 8) {
    const uint64_t n = entries < fit ? entries : fit;
    for (uint64_t k = 0; k < n; ++k) {
      const size_t at = pos + static_cast<size_t>(k) * entrySize;
      pal.Add(Rgb(file[at + 2], file[at + 1], file[at]));
    }
  }
  const size_t dataStart = offBits != 0 ? offBits : pos + static_cast<size_t>(entries) * entrySize;
  const auto data = file.subspan(dataStart);

  const int64_t height = h.height < 0 ? -h.height : h.height;
  Bitmap out(static_cast<int32_t>(h.width), static_cast<int32_t>(height));
  if (h.compression == kBiRle8 || h.compression == kBiRle4) {
    DecodeRle(h, pal, data, out);
  } else {
    DecodeRows(h, pal, data, out);
  }
  return out;
}

bool TryLoadBmp(std::span<const uint8_t> file, Bitmap& out, std::string& error) {
  try {
    out = LoadBmp(file);
    return true;
  } catch (const BitmapError& e) {
    error = e.what();
    return false;
  }
}

}  // namespace skin
