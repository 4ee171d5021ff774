// Caption buttons (four frames: normal, pressed, hot, inactive or disabled), the window-icon
// button's place holder and the MDI child buttons shown in the menu bar.
#include <cmath>

#include "glyphs.h"
#include "parts.h"

namespace skingen {
namespace {

// Frame order of caption buttons: state 1 normal, 2 pressed, 3 hot; frame 4 inactive/disabled.
constexpr LookState kCaptionFrames[4] = {kNormal, kPressed, kHot, kDisabled};

common::Image24 CaptionButton(const Style& st, Glyph g, const Look* looks) {
  const Shape& s = st.s;
  const Palette& p = st.p;
  const Rgb ground = Mix(p.caption_top[0], p.caption_bottom[0], (s.cap_y + s.cap_h / 2.0) / s.caption);
  std::vector<common::Image24> frames;
  for (LookState state : kCaptionFrames) {
    const Look& look = looks[state];
    art::Canvas c(s.cap_w, s.cap_h);
    DrawLook(c, 0, 0, s.cap_w, s.cap_h, s.cap_radius, look);
    const double shift = state == kPressed ? 0.5 : 0.0;
    const double size = std::round(s.cap_h * 0.5);
    DrawGlyph(c, g, s.cap_w / 2.0 + shift, s.cap_h / 2.0 + shift, size, look.glyph, 1.3);
    frames.push_back(Flatten(c, look.filled ? look.border : ground, true));
  }
  return SideBySide(frames);
}

struct CaptionButtonDef {
  const char* section;
  const char* file;
  Glyph glyph;
  int action, align, visibility, visibility1;
  int slot;  // place from the right: 1 close, 2 next to it, 3 the third
};

// Action: 0 close, 1 maximize/restore, 2 minimize, 4 help. Visibility: 0 always, 1 maximized,
// 2 not maximized, 6 with a minimize or maximize box, 10 help only. Visibility1: 8 with a
// minimize or maximize box. Help comes after maximize and takes its place.
constexpr CaptionButtonDef kButtons[] = {
    {"ButtonClose", "close.bmp", Glyph::Close, 0, 1, 0, 0, 1},
    {"ButtonMaximize", "maximize.bmp", Glyph::Maximize, 1, 1, 2, 8, 2},
    {"ButtonRestore", "restore.bmp", Glyph::Restore, 1, 1, 1, 8, 2},
    {"ButtonMinimize", "minimize.bmp", Glyph::Minimize, 2, 1, 6, 0, 3},
    {"ButtonHelp", "help.bmp", Glyph::Help, 4, 1, 10, 0, 2},
};

common::Image24 Emblem(const Style& st) {
  art::Canvas c(16, 16);
  const Palette& p = st.p;
  if (st.s.ornament) {
    DrawOrchid(c, 9, 7.5, 7, p, p.caption_top[0], 0);
  } else {
    Paint(c, Minus(Ellipse(8, 8, 6.5, 6.5, 0), Ellipse(11, 6, 5.5, 5.5, 0)), p.accent);
    Paint(c, Ellipse(12.5, 11.5, 1, 1, 0), p.title_text_active);
  }
  return Flatten(c, Mix(p.caption_top[0], p.caption_bottom[0], 0.5), true);
}

// MDI child buttons: minimize, restore, close; four frames each: normal, pressed, disabled, hot.
common::Image24 MdiButtons(const Style& st) {
  const Palette& p = st.p;
  constexpr int w = 16, h = 14;
  constexpr LookState kStates[4] = {kNormal, kPressed, kDisabled, kHot};
  std::vector<common::Image24> frames;
  for (Glyph g : {Glyph::Minimize, Glyph::Restore, Glyph::Close})
    for (LookState state : kStates) {
      art::Canvas c(w, h);
      const Look& look = (g == Glyph::Close && state != kDisabled && state != kNormal)
                             ? p.close_button[state]
                             : p.control[state];
      DrawLook(c, 0, 0, w, h, st.s.radius, look);
      DrawGlyph(c, g, w / 2.0, h / 2.0, 7, look.glyph, 1.2);
      frames.push_back(Flatten(c, p.menubar, true));
    }
  return SideBySide(frames);
}

}  // namespace

void AddCaptionButtons(const Style& st, SkinImages& out) {
  const Shape& s = st.s;
  for (const CaptionButtonDef& d : kButtons) {
    const Look* looks = d.glyph == Glyph::Close ? st.p.close_button : st.p.caption_button;
    out.Add({d.file, CaptionButton(st, d.glyph, looks), 4, false, "normal, pressed, hot, inactive"});
    const int x = s.border + s.cap_right + d.slot * s.cap_w + (d.slot - 1) * s.cap_gap;
    out.Int(d.section, "Action", d.action);
    out.Int(d.section, "Align", d.align);
    out.Int(d.section, "Xcoord", x);
    out.Int(d.section, "Ycoord", s.cap_y);
    out.Int(d.section, "Visibility", d.visibility);
    out.Int(d.section, "Visibility1", d.visibility1);
    out.Int(d.section, "CombineOp", 0);
    out.Text(d.section, "ButtonImage", d.file);
    out.Int(d.section, "frame", 4);
  }
  // The window icon: the engine draws the program's icon in this button's place.
  out.Add({"icon.bmp", Emblem(st), 1, false, "window icon place"});
  out.Int("ButtonIcon", "Action", 3);
  out.Int("ButtonIcon", "Align", 0);
  out.Int("ButtonIcon", "Xcoord", 8);
  out.Int("ButtonIcon", "Ycoord", (s.caption - 16) / 2);
  out.Int("ButtonIcon", "Visibility", 0);
  out.Int("ButtonIcon", "Visibility1", 0);
  out.Int("ButtonIcon", "CombineOp", 0);
  out.Text("ButtonIcon", "ButtonImage", "icon.bmp");
  out.Int("ButtonIcon", "frame", 1);

  out.Add({"mdi.bmp", MdiButtons(st), 12, false,
           "minimize, restore, close x normal, pressed, disabled, hot"});
  out.Text("MDICONTROLS", "Image", "mdi.bmp");
}

}  // namespace skingen
