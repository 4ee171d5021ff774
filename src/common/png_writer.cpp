#include "common/png_writer.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace common {
namespace {

uint32_t Crc32(const uint8_t* data, size_t n, uint32_t crc = 0) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

void PutBE32(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v >> 24));
  out.push_back(static_cast<uint8_t>(v >> 16));
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}

void PutChunk(std::vector<uint8_t>& out, const char type[5], const std::vector<uint8_t>& body) {
  PutBE32(out, static_cast<uint32_t>(body.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), body.begin(), body.end());
  PutBE32(out, Crc32(&out[start], out.size() - start));
}

}  // namespace

std::vector<uint8_t> EncodePng(const Image24& image) {
  if (image.empty()) return {};
  // Filter byte 0 then RGB for each row.
  const size_t row = static_cast<size_t>(image.width) * 3 + 1;
  std::vector<uint8_t> raw(row * image.height);
  for (int y = 0; y < image.height; ++y) {
    uint8_t* d = &raw[row * y];
    d[0] = 0;
    const uint8_t* s = image.Pixel(0, y);
    for (int x = 0; x < image.width; ++x, s += 3) {
      d[1 + x * 3] = s[2];
      d[2 + x * 3] = s[1];
      d[3 + x * 3] = s[0];
    }
  }
  // zlib stream of stored blocks (at most 65535 bytes each) with an Adler-32 trailer.
  std::vector<uint8_t> z{0x78, 0x01};
  uint32_t a = 1, b = 0;
  for (uint8_t c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  size_t pos = 0;
  do {
    const size_t n = std::min<size_t>(65535, raw.size() - pos);
    z.push_back(pos + n == raw.size() ? 1 : 0);
    z.push_back(static_cast<uint8_t>(n));
    z.push_back(static_cast<uint8_t>(n >> 8));
    z.push_back(static_cast<uint8_t>(~n));
    z.push_back(static_cast<uint8_t>(~n >> 8));
    z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + n);
    pos += n;
  } while (pos < raw.size());
  PutBE32(z, (b << 16) | a);

  std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> ihdr;
  PutBE32(ihdr, static_cast<uint32_t>(image.width));
  PutBE32(ihdr, static_cast<uint32_t>(image.height));
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
  PutChunk(out, "IHDR", ihdr);
  PutChunk(out, "IDAT", z);
  PutChunk(out, "IEND", {});
  return out;
}

bool WritePngFile(const Image24& image, const std::string& path) {
  const std::vector<uint8_t> bytes = EncodePng(image);
  if (bytes.empty()) return false;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace common
