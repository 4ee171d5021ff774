// Window frame: the four border pieces cut from one small window drawn per state, the caption
// text background and the menu-bar strip.
#include <algorithm>

#include "glyphs.h"
#include "parts.h"

namespace skingen {
namespace {

constexpr int kMiddle = 16;  // stretched middle of every border piece

// A whole small window frame for one state (0 active, 1 inactive). The pieces are cut from it,
// so corners, caption and sides meet exactly.
art::Canvas DrawWindow(const Style& st, int state, int vw, int vh) {
  const Palette& p = st.p;
  const Shape& s = st.s;
  const int r = s.corner, b = s.border, cap = s.caption;
  art::Canvas c(vw, vh);
  // Only the top corners are round: the shape reaches below the canvas.
  const Inside win = RoundRect(0, 0, vw, vh + r + 2, r);
  const Inside in1 = RoundRect(1, 1, vw - 1, vh + r + 1, std::max(0, r - 1));
  const Inside in2 = RoundRect(2, 2, vw - 2, vh + r, std::max(0, r - 2));

  Shade(c, [&](double x, double y) { return win(x, y) && y < cap; },
        VGradient(0, cap, p.caption_top[state], p.caption_bottom[state]));
  Paint(c, [&](double x, double y) { return win(x, y) && y >= cap; }, p.frame_face[state]);
  // The line that meets the client area (and the menu bar) on three sides.
  Paint(c, [&](double x, double y) {
          const bool side = (x >= b - 1 && x < b) || (x >= vw - b && x < vw - b + 1);
          return (side && y >= cap && y < vh - b + 1) ||
                 (y >= vh - b && y < vh - b + 1 && x >= b - 1 && x < vw - b + 1);
        },
        p.frame_inner[state]);
  if (s.line_at_top)
    Paint(c, [&](double x, double y) { return in1(x, y) && y < 1 + s.caption_line; }, p.caption_line[state]);
  else
    Paint(c, [&](double x, double y) {
            return y >= cap - s.caption_line && y < cap && x >= b && x < vw - b;
          },
          p.caption_line[state]);
  if (s.ornament)
    DrawOrchid(c, vw - b - s.top_right_fixed + 24, cap / 2.0 - 0.5, 9.5, p,
               Mix(p.caption_top[state], p.caption_bottom[state], 0.5), state ? 0.55 : 0.0);
  // Highlight just inside the outline, then the outline itself.
  Paint(c, [&](double x, double y) {
          return in1(x, y) && !in2(x, y) && !(s.line_at_top && y < 1 + s.caption_line);
        },
        p.frame_light[state]);
  Paint(c, Minus(win, in1), p.outline[state]);
  Paint(c, RoundRect(0, vh - 1, vw, vh, 0), p.outline[state]);
  return c;
}

}  // namespace

void AddFrame(const Style& st, SkinImages& out) {
  const Palette& p = st.p;
  const Shape& s = st.s;
  const int b = s.border, cap = s.caption;
  const int top_w = s.top_left_fixed + kMiddle + s.top_right_fixed;
  const int vw = 2 * b + top_w, vh = cap + kMiddle + b;
  const bool keyed = s.corner > 0;

  std::vector<common::Image24> left, right, top, bottom;
  for (int state = 0; state < 2; ++state) {
    const common::Image24 win = Flatten(DrawWindow(st, state, vw, vh), p.outline[state], keyed);
    left.push_back(Crop(win, 0, 0, b, vh));
    right.push_back(Crop(win, vw - b, 0, b, vh));
    top.push_back(Crop(win, b, 0, top_w, cap));
    bottom.push_back(Crop(win, b, vh - b, top_w, b));
  }
  const char* note = "active, inactive";
  out.Add({"left.bmp", SideBySide(left), 2, false, note});
  out.Add({"right.bmp", SideBySide(right), 2, false, note});
  out.Add({"top.bmp", Stacked(top), 2, true, note});
  out.Add({"bottom.bmp", Stacked(bottom), 2, true, note});

  const std::string pers = "Personality";
  for (const char* side : {"Left", "Right"}) {
    const std::string k = side;
    out.Text(pers, k, k == "Left" ? "left.bmp" : "right.bmp");
    out.Int(pers, k + "Frame", 2);
    out.Int(pers, k + "TopHeight", cap);  // the caption's height stays fixed at the top
    out.Int(pers, k + "BotHeight", b);
    out.Int(pers, k + "Stretch", 1);
    out.Int(pers, k + "Trans", keyed ? 1 : 0);
  }
  out.Text(pers, "Top", "top.bmp");
  out.Int(pers, "TopFrame", 2);
  out.Int(pers, "TopTopHeight", s.top_left_fixed);
  out.Int(pers, "TopBotHeight", s.top_right_fixed);
  out.Int(pers, "TopStretch", 1);
  out.Int(pers, "TopTrans", keyed ? 1 : 0);
  out.Text(pers, "Bottom", "bottom.bmp");
  out.Int(pers, "BottomFrame", 2);
  out.Int(pers, "BottomTopHeight", 0);
  out.Int(pers, "BottomBotHeight", 0);
  out.Int(pers, "BottomStretch", 1);
  out.Int(pers, "BottomTrans", 0);

  // Caption text background: two frames one above the other, ends kept, middle tiled.
  const int e = s.textback_end, tw = 2 * e + 4;
  std::vector<common::Image24> back;
  for (int state = 0; state < 2; ++state) {
    art::Canvas c(tw, cap);
    const Rgb ground = Mix(p.caption_top[state], p.caption_bottom[state], 0.5);
    if (s.textback == TextBack::Pill) {
      const double y0 = (cap - 2 * e) / 2.0;
      Box(c, 0, y0, tw, y0 + 2 * e, e, p.textback_border[state],
          VGradient(y0, y0 + 2 * e, Mix(p.textback_fill[state], {255, 255, 255}, 0.5),
                    p.textback_fill[state]));
    } else {
      const double y0 = cap - 6;
      Paint(c, RoundRect(1, y0, tw - 1, y0 + s.caption_line, s.caption_line / 2.0), p.textback_fill[state]);
    }
    back.push_back(Flatten(c, ground, true));
  }
  out.Add({"textback.bmp", Stacked(back), 2, true, "caption text back: active, inactive"});
  out.Text(pers, "TextBack", "textback.bmp");
  out.Int(pers, "Textbackground", 1);
  out.Int(pers, "TXTBackleft", e);
  out.Int(pers, "TXTBackRight", e);
  out.Int(pers, "TextShift", s.text_shift);
  out.Int(pers, "TextShiftVert", 0);
  out.Int(pers, "TextRightClip", s.top_right_fixed);
  out.Int(pers, "TextAlignment", 0);
  for (const auto& [prefix, c] : {std::pair{"ActiveText", p.title_text_active},
                                  std::pair{"InActiveText", p.title_text_inactive}}) {
    out.Int(pers, std::string(prefix) + "R", c.r);
    out.Int(pers, std::string(prefix) + "G", c.g);
    out.Int(pers, std::string(prefix) + "B", c.b);
  }

  // Menu bar: two frames one above the other, fixed ends, stretched middle.
  const int mh = s.menubar_h, mw = 48;
  std::vector<common::Image24> bar;
  for (int state = 0; state < 2; ++state) {
    art::Canvas c(mw, mh);
    Shade(c, RoundRect(0, 0, mw, mh, 0), VGradient(0, mh, p.menubar_top[state], p.menubar_bottom[state]));
    Paint(c, RoundRect(0, mh - 1, mw, mh, 0), p.menubar_line[state]);
    bar.push_back(Flatten(c, p.menubar, false));
  }
  out.Add({"menubar.bmp", Stacked(bar), 2, true, "menu bar: active, inactive"});
  out.Text(pers, "menuBar", "menubar.bmp");
  out.Int(pers, "TileMenu", 1);
  out.Int(pers, "TileLeftMenu", 2);
  out.Int(pers, "TileRightMenu", 2);
}

}  // namespace skingen
