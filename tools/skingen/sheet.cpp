#include "sheet.h"

#include <algorithm>

#include "font5x7.h"
#include "preview.h"

namespace skingen {
namespace {

constexpr int kSheetWidth = 1320;
constexpr int kGap = 4;  // between frames
constexpr Rgb kBackground{206, 208, 212};
constexpr Rgb kLabel{28, 32, 38};
constexpr Rgb kMark{90, 96, 108};

struct Block {
  const Part* part;
  int scale, fw, fh, w, h;
};

std::string Title(const Part& p) {
  return p.file + " " + std::to_string(p.image.width) + "x" + std::to_string(p.image.height) + " " +
         std::to_string(p.frames) + (p.frames == 1 ? " FRAME" : " FRAMES");
}

Block Measure(const Part& p) {
  Block b{&p, 1, 0, 0, 0, 0};
  b.fw = p.stacked ? p.image.width : p.image.width / p.frames;
  b.fh = p.stacked ? p.image.height / p.frames : p.image.height;
  for (int s : {4, 3, 2}) {
    const int along = p.stacked ? b.fw * s : p.frames * (b.fw * s + kGap);
    if (b.fh * s <= 160 && along <= kSheetWidth - 40) {
      b.scale = s;
      break;
    }
  }
  const int iw = p.stacked ? b.fw * b.scale + 14 : p.frames * (b.fw * b.scale + kGap);
  const int ih = p.stacked ? p.frames * (b.fh * b.scale + kGap) : b.fh * b.scale + 10;
  b.w = std::max({iw, TextWidth5x7(Title(p)), TextWidth5x7(p.note)});
  b.h = 22 + ih;
  return b;
}

void Blit(common::Image24& dst, int x0, int y0, const common::Image24& src, int sx, int sy, int w, int h, int scale) {
  for (int y = 0; y < h * scale; ++y)
    for (int x = 0; x < w * scale; ++x) {
      const int dx = x0 + x, dy = y0 + y;
      if (dx < 0 || dy < 0 || dx >= dst.width || dy >= dst.height) continue;
      SetPixel(dst, dx, dy, PixelAt(src, sx + x / scale, sy + y / scale));
    }
}

void DrawBlock(common::Image24& sheet, const Block& b, int x, int y) {
  const Part& p = *b.part;
  DrawText5x7(sheet, x, y, Title(p), kLabel);
  DrawText5x7(sheet, x, y + 9, p.note, kMark);
  const int top = y + 20;
  for (int f = 0; f < p.frames; ++f) {
    if (p.stacked) {
      const int fy = top + f * (b.fh * b.scale + kGap);
      DrawText5x7(sheet, x, fy + 1, std::to_string(f + 1), kMark);
      Blit(sheet, x + 10, fy, p.image, 0, f * b.fh, b.fw, b.fh, b.scale);
    } else {
      const int fx = x + f * (b.fw * b.scale + kGap);
      Blit(sheet, fx, top, p.image, f * b.fw, 0, b.fw, b.fh, b.scale);
      // Frame number under each frame: its boundary is the gap to the next.
      if (b.fw * b.scale >= 6 || f % 2 == 0)
        DrawText5x7(sheet, fx, top + b.fh * b.scale + 2, std::to_string(f + 1), kMark);
    }
  }
}

}  // namespace

common::Image24 RenderSheet(const Style& style, const SkinImages& images, const skin::SkinDefinition& loaded) {
  const skin::Bitmap preview = RenderPreview(loaded);
  std::vector<Block> blocks;
  for (const Part& p : images.parts) blocks.push_back(Measure(p));
  // Flow the blocks into rows.
  struct Placed { Block b; int x, y; };
  std::vector<Placed> placed;
  int x = 16, y = 40 + preview.Height() + 20, row_h = 0;
  for (const Block& b : blocks) {
    if (x + b.w > kSheetWidth - 16 && x > 16) {
      x = 16;
      y += row_h + 18;
      row_h = 0;
    }
    placed.push_back({b, x, y});
    x += b.w + 24;
    row_h = std::max(row_h, b.h);
  }
  const int height = y + row_h + 20;
  common::Image24 sheet = Blank(kSheetWidth, height, kBackground);
  DrawText5x7(sheet, 16, 12, "SKIN " + style.skin_name + "   " + std::to_string(images.parts.size()) +
                                 " IMAGES   MAGENTA = TRANSPARENT", kLabel, 2);
  for (int py = 0; py < preview.Height(); ++py)
    for (int px = 0; px < preview.Width(); ++px) {
      const skin::Colour c = preview.Pixel(px, py);
      SetPixel(sheet, 16 + px, 40 + py, {skin::RedOf(c), skin::GreenOf(c), skin::BlueOf(c)});
    }
  for (const Placed& p : placed) DrawBlock(sheet, p.b, p.x, p.y);
  return sheet;
}

}  // namespace skingen
