// talvik_art OUTDIR: writes the program's own pictures for the resource compiler:
// talvik.ico (32 and 16 pixels), menu_images.bmp (twelve 16 x 16 images, magenta background),
// about.jpg (144 x 90 baseline JPEG for the about box), confirm.wav (the confirmation sound).
#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

#include "art/pictures.h"
#include "art/sound.h"
#include "common/jpeg_codec.h"

namespace {

void Put16(std::vector<uint8_t>& o, uint32_t v) {
  o.push_back(v & 0xFF);
  o.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& o, uint32_t v) {
  Put16(o, v & 0xFFFF);
  Put16(o, v >> 16);
}

void PutInfoHeader(std::vector<uint8_t>& o, int w, int h, int bits, uint32_t image_size) {
  Put32(o, 40);
  Put32(o, static_cast<uint32_t>(w));
  Put32(o, static_cast<uint32_t>(h));
  Put16(o, 1);
  Put16(o, static_cast<uint32_t>(bits));
  Put32(o, 0);
  Put32(o, image_size);
  Put32(o, 0);
  Put32(o, 0);
  Put32(o, 0);
  Put32(o, 0);
}

// One icon image: 32-bit BGRA rows bottom-up, then the 1-bit AND mask (rows padded to 4 bytes).
std::vector<uint8_t> IconImage(const art::Canvas& c) {
  const int w = c.width(), h = c.height(), mask_row = ((w + 31) / 32) * 4;
  std::vector<uint8_t> o;
  PutInfoHeader(o, w, h * 2, 32, static_cast<uint32_t>(w * h * 4 + mask_row * h));
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) {
      const art::Rgba p = c.at(x, y);
      o.insert(o.end(), {p.b, p.g, p.r, p.a});
    }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(mask_row, 0);
    for (int x = 0; x < w; ++x)
      if (c.at(x, y).a == 0) row[x / 8] |= 0x80 >> (x % 8);
    o.insert(o.end(), row.begin(), row.end());
  }
  return o;
}

std::vector<uint8_t> IconFile(const std::vector<art::Canvas>& sizes) {
  std::vector<uint8_t> o;
  Put16(o, 0);
  Put16(o, 1);
  Put16(o, static_cast<uint32_t>(sizes.size()));
  std::vector<std::vector<uint8_t>> images;
  for (const auto& c : sizes) images.push_back(IconImage(c));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(sizes.size());
  for (size_t i = 0; i < sizes.size(); ++i) {
    o.push_back(static_cast<uint8_t>(sizes[i].width()));
    o.push_back(static_cast<uint8_t>(sizes[i].height()));
    o.push_back(0);
    o.push_back(0);
    Put16(o, 1);
    Put16(o, 32);
    Put32(o, static_cast<uint32_t>(images[i].size()));
    Put32(o, offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const auto& img : images) o.insert(o.end(), img.begin(), img.end());
  return o;
}

// A 24-bit bitmap file; transparent pixels become the magenta key colour.
std::vector<uint8_t> BitmapFile(const art::Canvas& c) {
  const int w = c.width(), h = c.height(), row = ((w * 3 + 3) / 4) * 4;
  std::vector<uint8_t> o{'B', 'M'};
  Put32(o, static_cast<uint32_t>(54 + row * h));
  Put32(o, 0);
  Put32(o, 54);
  PutInfoHeader(o, w, h, 24, static_cast<uint32_t>(row * h));
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const art::Rgba p = c.at(x, y);
      if (p.a < 128) {
        o.insert(o.end(), {255, 0, 255});
      } else {
        // Blend partial coverage onto the menu's light background so edges stay smooth.
        auto on = [&](uint8_t v) { return static_cast<uint8_t>((v * p.a + 245 * (255 - p.a)) / 255); };
        o.insert(o.end(), {on(p.b), on(p.g), on(p.r)});
      }
    }
    o.insert(o.end(), row - w * 3, 0);
  }
  return o;
}

bool Write(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok && !bytes.empty();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: talvik_art OUTDIR\n");
    return 2;
  }
  const std::string dir = argv[1];

  art::Canvas strip(16 * art::kMenuImageCount, 16);
  for (int i = 0; i < art::kMenuImageCount; ++i) {
    const art::Canvas img = art::DrawMenuImage(i);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) strip.at(i * 16 + x, y) = img.at(x, y);
  }

  const art::Canvas about = art::DrawAboutPicture();
  common::Image24 photo;
  photo.width = about.width();
  photo.height = about.height();
  for (int y = 0; y < about.height(); ++y)
    for (int x = 0; x < about.width(); ++x) {
      const art::Rgba p = about.at(x, y);
      photo.bgr.insert(photo.bgr.end(), {p.b, p.g, p.r});
    }

  const bool ok = Write(dir + "/talvik.ico", IconFile({art::DrawAppIcon(32), art::DrawAppIcon(16)})) &&
                  Write(dir + "/menu_images.bmp", BitmapFile(strip)) &&
                  Write(dir + "/about.jpg", common::EncodeJpeg(photo, 90)) &&
                  Write(dir + "/confirm.wav", art::MakeConfirmationWav());
  if (!ok) {
    std::fprintf(stderr, "talvik_art: cannot write the pictures into %s\n", dir.c_str());
    return 1;
  }
  return 0;
}
