// Popup menus: the item image (five frames: normal, separator, disabled, selected, selected and
// disabled) and the background of the whole menu window.
#include "glyphs.h"
#include "parts.h"

namespace skingen {

void AddMenus(const Style& st, SkinImages& out) {
  const Palette& p = st.p;
  const Shape& s = st.s;
  constexpr int w = 40, h = 22;
  const int band = s.menu_band;
  const int left = band + 4, right = 4, tb = 4;  // the selection's corners stay in the margins
  const double r = s.radius > 0 ? s.radius : 0;

  std::vector<common::Image24> frames;
  for (int f = 1; f <= 5; ++f) {
    art::Canvas c(w, h);
    Paint(c, RoundRect(0, 0, band, h, 0), p.menu_band);
    if (f == 2) {
      // Read from the bottom rows when the separator is lower than the image.
      Paint(c, RoundRect(left, h - 5, w, h - 4, 0), p.separator);
      Paint(c, RoundRect(left, h - 4, w, h - 3, 0), p.separator_light);
    } else if (f >= 4) {
      const Look& look = p.menu_select[f == 4 ? 0 : 1];
      Box(c, band + 1, 1, w - 1, h - 1, r, look.border, VGradient(1, h - 1, look.top, look.bottom));
    }
    frames.push_back(Flatten(c, p.menu, true));
  }
  out.Add({"menuitem.bmp", SideBySide(frames), 5, false,
           "normal, separator, disabled, selected, selected disabled"});
  const std::string sec = "MenuItem";
  out.Text(sec, "Image", "menuitem.bmp");
  out.Int(sec, "LeftWidth", left);
  out.Int(sec, "RightWidth", right);
  out.Int(sec, "TopHeight", tb);
  out.Int(sec, "BottomHeight", tb);
  out.Int(sec, "Frame", 5);
  out.Int(sec, "Trans", 1);
  out.Int(sec, "Tile", 0);

  // The menu window: a one-pixel border and two pixels of menu colour around the items.
  constexpr int m = 32;
  art::Canvas c(m, m);
  Paint(c, RoundRect(0, 0, m, m, 0), p.menu_border);
  Paint(c, RoundRect(1, 1, m - 1, m - 1, 0), Mix(p.menu, p.button_hilight, 0.5));
  Paint(c, RoundRect(2, 2, m - 1, m - 1, 0), p.menu);
  out.Add({"menubg.bmp", Flatten(c, p.menu, false), 1, false, "menu window"});
  out.Text("MenuBackground", "Image", "menubg.bmp");
  for (const char* k : {"LeftWidth", "RightWidth", "TopHeight", "BottomHeight"})
    out.Int("MenuBackground", k, 3);
  out.Int("MenuBackground", "Frame", 1);
  out.Int("MenuBackground", "Trans", 0);
  out.Int("MenuBackground", "Tile", 0);
}

}  // namespace skingen
