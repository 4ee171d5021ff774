// Bitmap files of every kind the loader accepts decode to the right pixels; every damaged or
// unsupported file is refused with an error, never a crash.
#include <gtest/gtest.h>

#include "bmp_files.h"
#include "skin/data/bmp_loader.h"

namespace {

using skin::Bitmap;
using skin::Colour;
using skintest::BmpLayout;
using skintest::BuildBmp;
using skintest::PackRows;

constexpr Colour kR = 0x0000FF, kG = 0x00FF00, kB = 0xFF0000, kW = 0xFFFFFF, kK = 0x000000, kM = 0xFF00FF;

std::vector<Colour> Pixels(const Bitmap& b) {
  std::vector<Colour> out;
  for (int32_t y = 0; y < b.Height(); ++y) {
    for (int32_t x = 0; x < b.Width(); ++x) out.push_back(b.Pixel(x, y));
  }
  return out;
}

struct FormatCase {
  const char* name;
  BmpLayout layout;
  int32_t width, height;
  std::vector<Colour> expected;  // top row first
};

std::vector<FormatCase> FormatCases() {
  std::vector<FormatCase> cases;
  {  // 1 bit, 9 pixels wide so a row spans two bytes
    BmpLayout s;
    s.width = 9;
    s.height = 2;
    s.bitCount = 1;
    s.palette = {kK, kW};
    s.pixels = PackRows({{0b10000000, 0b10000000}, {0b01111111, 0b00000000}});
    cases.push_back({"1bpp", s, 9, 2, {kW, kK, kK, kK, kK, kK, kK, kK, kW, kK, kW, kW, kW, kW, kW, kW, kW, kK}});
  }
  {  // 4 bits, odd width
    BmpLayout s;
    s.width = 3;
    s.height = 1;
    s.bitCount = 4;
    s.palette = {kK, kR, kG, kB};
    s.pixels = PackRows({{0x12, 0x30}});
    cases.push_back({"4bpp", s, 3, 1, {kR, kG, kB}});
  }
  {  // 8 bits with a short palette (colours used = 3)
    BmpLayout s;
    s.width = 3;
    s.height = 2;
    s.bitCount = 8;
    s.palette = {kR, kG, kB};
    s.pixels = PackRows({{0, 1, 2}, {2, 1, 0}});
    cases.push_back({"8bpp bottom-up", s, 3, 2, {kR, kG, kB, kB, kG, kR}});
  }
  {
    BmpLayout s;
    s.width = 2;
    s.height = -2;
    s.bitCount = 8;
    s.palette = {kR, kG};
    s.pixels = PackRows({{0, 1}, {1, 1}}, true);
    cases.push_back({"8bpp top-down", s, 2, 2, {kR, kG, kG, kG}});
  }
  {  // 24 bits, width 1 so every row carries one padding byte
    BmpLayout s;
    s.width = 1;
    s.height = 2;
    s.pixels = PackRows({{0x30, 0x20, 0x10}, {0x03, 0x02, 0x01}});
    cases.push_back({"24bpp", s, 1, 2, {0x302010, 0x030201}});
  }
  {
    BmpLayout s;
    s.width = 2;
    s.height = -1;
    s.pixels = PackRows({{1, 2, 3, 4, 5, 6}}, true);
    cases.push_back({"24bpp top-down", s, 2, 1, {0x010203, 0x040506}});
  }
  {  // 16 bits without masks: 5-5-5
    BmpLayout s;
    s.width = 2;
    s.height = 1;
    s.bitCount = 16;
    s.pixels = PackRows({{0x1F, 0x7C, 0x00, 0x03}});  // 0x7C1F magenta, 0x0300 green 24/31
    cases.push_back({"16bpp 555", s, 2, 1, {kM, skin::Rgb(0, 197, 0)}});
  }
  {  // 16 bits with 5-6-5 masks after the info header
    BmpLayout s;
    s.width = 2;
    s.height = 1;
    s.bitCount = 16;
    s.compression = 3;
    s.masks = std::array<uint32_t, 3>{0xF800, 0x07E0, 0x001F};
    s.pixels = PackRows({{0x00, 0xF8, 0xE0, 0x07}});
    cases.push_back({"16bpp 565 bit fields", s, 2, 1, {kR, kG}});
  }
  {  // 32 bits plain: blue, green, red, ignored byte
    BmpLayout s;
    s.width = 2;
    s.height = 1;
    s.bitCount = 32;
    s.pixels = {0x10, 0x20, 0x30, 0xFF, 0x01, 0x02, 0x03, 0x00};
    cases.push_back({"32bpp", s, 2, 1, {0x102030, 0x010203}});
  }
  {  // 32 bits with masks in a version 4 header, channels in an unusual order
    BmpLayout s;
    s.headerSize = 108;
    s.width = 1;
    s.height = 1;
    s.bitCount = 32;
    s.compression = 3;
    s.masks = std::array<uint32_t, 3>{0x000000FF, 0x0000FF00, 0xFF000000};
    s.pixels = {0x11, 0x22, 0x99, 0x33};
    cases.push_back({"32bpp bit fields v4", s, 1, 1, {skin::Rgb(0x11, 0x22, 0x33)}});
  }
  for (uint32_t size : {52u, 56u, 124u}) {  // masks inside the header
    BmpLayout s;
    s.headerSize = size;
    s.width = 1;
    s.height = 1;
    s.bitCount = 16;
    s.compression = 3;
    s.masks = std::array<uint32_t, 3>{0x000F, 0x00F0, 0x0F00};
    s.pixels = {0x5F, 0x0A, 0, 0};
    cases.push_back({"16bpp 4-4-4 in a larger header", s, 1, 1, {skin::Rgb(255, 85, 170)}});
  }
  {  // version 5 header, plain 24 bits
    BmpLayout s;
    s.headerSize = 124;
    s.width = 1;
    s.height = 1;
    s.pixels = {0xAA, 0xBB, 0xCC, 0};
    cases.push_back({"24bpp v5", s, 1, 1, {0xAABBCC}});
  }
  {  // core header: 16-bit sizes, three-byte palette entries
    BmpLayout s;
    s.headerSize = 12;
    s.width = 2;
    s.height = 1;
    s.bitCount = 8;
    s.palette.assign(256, kK);
    s.palette[7] = kB;
    s.pixels = PackRows({{7, 0}});
    cases.push_back({"core 8bpp", s, 2, 1, {kB, kK}});
  }
  {
    BmpLayout s;
    s.headerSize = 12;
    s.width = 1;
    s.height = 1;
    s.pixels = {0x01, 0x02, 0x03, 0};
    cases.push_back({"core 24bpp", s, 1, 1, {0x010203}});
  }
  {  // RLE8: encoded run, absolute run with padding, delta, end of line, end of bitmap
    BmpLayout s;
    s.width = 4;
    s.height = 3;
    s.bitCount = 8;
    s.compression = 1;
    s.palette = {kK, kR, kG, kB};
    s.pixels = {1, 1, 0, 3, 2, 3, 1, 0,  // bottom row: R, then absolute G B R (padded)
                0, 0,                    // end of line
                0, 2, 1, 1,              // delta: right 1, up 1 (to the top row, x = 1)
                2, 2,                    // G G at x = 1, 2 of the top row
                0, 1};                   // end of bitmap
    cases.push_back({"RLE8", s, 4, 3, {kK, kG, kG, kK, kK, kK, kK, kK, kR, kG, kB, kR}});
  }
  {  // RLE4: encoded run alternates two indexes, absolute run of nibbles
    BmpLayout s;
    s.width = 6;
    s.height = 1;
    s.bitCount = 4;
    s.compression = 2;
    s.palette = {kK, kR, kG, kB};
    s.pixels = {3, 0x12, 0, 3, 0x30, 0x10, 0, 1};
    cases.push_back({"RLE4", s, 6, 1, {kR, kG, kR, kB, kK, kR}});
  }
  {  // RLE data that fills every row but has no end mark
    BmpLayout s;
    s.width = 2;
    s.height = 1;
    s.bitCount = 8;
    s.compression = 1;
    s.palette = {kK, kR};
    s.pixels = {2, 1, 0, 0};
    cases.push_back({"RLE8 without end mark", s, 2, 1, {kR, kR}});
  }
  {  // pixel data offset past a gap after the colour table
    BmpLayout s;
    s.width = 1;
    s.height = 1;
    s.offBits = 14 + 40 + 20;
    s.pixels = {0x01, 0x02, 0x03, 0};
    cases.push_back({"gap before pixels", s, 1, 1, {0x010203}});
  }
  {  // a colour table that claims more entries than the file holds before the pixels
    BmpLayout s;
    s.width = 1;
    s.height = 1;
    s.bitCount = 8;
    s.palette = {kR, kG};
    s.colorsUsed = 200;
    s.pixels = {1, 0, 0, 0};
    cases.push_back({"colour table cut by the data offset", s, 1, 1, {kG}});
  }
  return cases;
}

TEST(BmpLoader, DecodesEveryFormat) {
  for (const FormatCase& c : FormatCases()) {
    SCOPED_TRACE(c.name);
    Bitmap b;
    std::string error;
    ASSERT_TRUE(skin::TryLoadBmp(BuildBmp(c.layout), b, error)) << error;
    EXPECT_EQ(b.Width(), c.width);
    EXPECT_EQ(b.Height(), c.height);
    EXPECT_EQ(Pixels(b), c.expected);
  }
}

struct HostileCase {
  const char* name;
  std::vector<uint8_t> file;
  const char* message;  // part of the expected error text
};

std::vector<uint8_t> WithSize(int32_t w, int32_t h, uint16_t bits = 24) {
  BmpLayout s;
  s.width = w;
  s.height = h;
  s.bitCount = bits;
  s.pixels.assign(64, 0);
  return BuildBmp(s);
}

std::vector<uint8_t> Rle8(std::vector<uint8_t> data, int32_t w = 4, int32_t h = 2) {
  BmpLayout s;
  s.width = w;
  s.height = h;
  s.bitCount = 8;
  s.compression = 1;
  s.palette = {kK, kR};
  s.pixels = std::move(data);
  return BuildBmp(s);
}

std::vector<HostileCase> HostileCases() {
  std::vector<HostileCase> cases;
  cases.push_back({"empty file", {}, "incomplete"});
  cases.push_back({"wrong signature", {'M', 'B', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0}, "BM signature"});
  {
    auto f = WithSize(1, 1);
    f.resize(30);
    cases.push_back({"header cut short", f, "too short for its headers"});
  }
  {
    auto f = WithSize(1, 1);
    f[14] = 64;  // an OS/2 2.x header
    cases.push_back({"unknown header size", f, "header size 64"});
  }
  cases.push_back({"zero width", WithSize(0, 1), "invalid size"});
  cases.push_back({"zero height", WithSize(1, 0), "invalid size"});
  cases.push_back({"negative width", WithSize(-4, 1), "invalid size"});
  cases.push_back({"most negative height", WithSize(1, INT32_MIN), "too large"});
  cases.push_back({"width times height overflows", WithSize(0x7FFFFFFF, 0x7FFFFFFF), "too large"});
  cases.push_back({"width times bits overflows 32 bits", WithSize(0x40000000, 1, 32), "too large"});
  cases.push_back({"many pixels in few bytes", WithSize(16384, 16384), "too large"});
  {
    BmpLayout s;
    s.width = 2;
    s.height = 1;
    s.bitCount = 8;
    s.palette = {kR, kG};
    s.pixels = PackRows({{1, 2}});
    cases.push_back({"palette index past the palette", BuildBmp(s), "palette index 2 past the palette of 2"});
  }
  {
    BmpLayout s;
    s.width = 2;
    s.height = 2;
    s.pixels.assign(15, 0);  // needs 16
    cases.push_back({"short pixel data", BuildBmp(s), "shorter than the image"});
  }
  {
    BmpLayout s;
    s.width = 1;
    s.height = 1;
    s.bitCount = 8;
    s.palette = {kR};
    s.colorsUsed = 256;
    s.offBits = 0;  // no offset: the table must be there whole
    cases.push_back({"colour table missing", BuildBmp(s), "too short for its colour table"});
  }
  {
    auto f = WithSize(1, 1);
    f[10] = 0x88;  // offset 5000
    f[11] = 0x13;
    cases.push_back({"pixel offset past the end", f, "lies outside the file"});
  }
  {
    BmpLayout s;
    s.offBits = 20;
    cases.push_back({"pixel offset inside the header", BuildBmp(s), "lies outside the file"});
  }
  for (uint32_t comp : {4u, 5u, 6u, 11u, 99u}) {
    BmpLayout s;
    s.compression = comp;
    s.pixels.assign(4, 0);
    cases.push_back({"unknown compression", BuildBmp(s), "unsupported compression"});
  }
  for (uint16_t bits : {0, 2, 15, 48}) {
    BmpLayout s;
    s.bitCount = bits;
    s.pixels.assign(8, 0);
    cases.push_back({"unsupported depth", BuildBmp(s), "unsupported depth"});
  }
  {
    BmpLayout s;
    s.headerSize = 12;
    s.bitCount = 32;
    s.pixels.assign(4, 0);
    cases.push_back({"32 bits in a core header", BuildBmp(s), "unsupported depth"});
  }
  {
    BmpLayout s;
    s.planes = 2;
    s.pixels.assign(4, 0);
    cases.push_back({"two planes", BuildBmp(s), "plane count"});
  }
  {
    BmpLayout s;
    s.compression = 1;
    s.pixels.assign(4, 0);
    cases.push_back({"RLE8 at 24 bits", BuildBmp(s), "RLE8 needs"});
  }
  {
    BmpLayout s;
    s.bitCount = 8;
    s.compression = 2;
    s.palette = {kK};
    s.pixels.assign(4, 0);
    cases.push_back({"RLE4 at 8 bits", BuildBmp(s), "RLE4 needs"});
  }
  {
    BmpLayout s;
    s.compression = 3;
    s.masks = std::array<uint32_t, 3>{0xFF0000, 0xFF00, 0xFF};
    s.pixels.assign(4, 0);
    cases.push_back({"bit fields at 24 bits", BuildBmp(s), "bit fields need"});
  }
  {
    BmpLayout s;
    s.bitCount = 16;
    s.compression = 3;
    s.masks = std::array<uint32_t, 3>{0xF00F, 0x0F00, 0x00F0};
    s.pixels.assign(4, 0);
    cases.push_back({"mask with a hole", BuildBmp(s), "not one run of bits"});
  }
  {
    BmpLayout s;
    s.bitCount = 16;
    s.compression = 3;
    s.masks = std::array<uint32_t, 3>{0xF0000, 0x0F00, 0x00F0};
    s.pixels.assign(4, 0);
    cases.push_back({"mask past the pixel", BuildBmp(s), "reaches past the pixel"});
  }
  {
    BmpLayout s;
    s.bitCount = 16;
    s.compression = 3;
    s.pixels.assign(4, 0);
    auto f = BuildBmp(s);
    f.resize(14 + 40 + 6);  // masks cut off
    cases.push_back({"masks cut off", f, "bit-field masks"});
  }
  {
    BmpLayout s;
    s.height = -1;
    s.bitCount = 8;
    s.compression = 1;
    s.palette = {kK};
    s.pixels = {0, 1};
    cases.push_back({"top-down RLE", BuildBmp(s), "top-down"});
  }
  cases.push_back({"RLE run past the row end", Rle8({5, 1, 0, 1}), "past the end of a row"});
  cases.push_back({"RLE absolute run past the row end", Rle8({0, 5, 1, 1, 1, 1, 1, 0, 0, 1}), "past the end of a row"});
  cases.push_back({"RLE absolute run cut short", Rle8({0, 4, 1, 1}), "ends inside an absolute run"});
  cases.push_back({"RLE delta outside", Rle8({0, 2, 9, 0, 0, 1}), "delta moves outside"});
  cases.push_back({"RLE delta cut short", Rle8({0, 2, 1}), "ends inside a delta"});
  cases.push_back({"RLE too many rows", Rle8({0, 0, 0, 0, 0, 0, 0, 1}), "more rows"});
  cases.push_back({"RLE run after the last row", Rle8({0, 0, 0, 0, 1, 1, 0, 1}), "past the end of a row"});
  cases.push_back({"RLE data without end", Rle8({2, 1}), "before the end-of-bitmap mark"});
  cases.push_back({"RLE palette index past the palette", Rle8({1, 9, 0, 1}), "palette index 9"});
  return cases;
}

TEST(BmpLoader, RefusesHostileFiles) {
  for (const HostileCase& c : HostileCases()) {
    SCOPED_TRACE(c.name);
    Bitmap b;
    std::string error;
    EXPECT_FALSE(skin::TryLoadBmp(c.file, b, error));
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
    EXPECT_THROW(skin::LoadBmp(c.file), skin::BmpError);
  }
}

TEST(BmpLoader, EveryTruncationOfAValidFileFailsSoftly) {
  for (const FormatCase& c : FormatCases()) {
    const auto file = BuildBmp(c.layout);
    for (size_t n = 0; n < file.size(); ++n) {
      Bitmap b;
      std::string error;
      skin::TryLoadBmp(std::span<const uint8_t>(file.data(), n), b, error);  // must not crash
    }
  }
}

TEST(BmpLoader, RoundTripsAPictureWrittenAt24Bits) {
  const Bitmap pic = skintest::Gradient(7, 5, 9);
  EXPECT_EQ(skin::LoadBmp(skintest::Bmp24(pic)), pic);
}

}  // namespace
