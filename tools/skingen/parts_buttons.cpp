// Push buttons (five frames: normal, pressed, disabled, hot, focused or default), check boxes
// (twelve frames) and radio buttons (eight frames), each with hot and pressed looks.
#include "glyphs.h"
#include "parts.h"

namespace skingen {
namespace {

constexpr int kBox = 13;  // check and radio image side
constexpr LookState kBoxStates[4] = {kNormal, kHot, kPressed, kDisabled};

// The unmarked box of a check or radio image in one state.
Look BoxLook(const Palette& p, LookState state) {
  switch (state) {
    case kHot: return {p.field, Mix(p.field, p.control[kHot].bottom, 0.7), p.field_border_hot, p.accent};
    case kPressed: return {p.control[kPressed].top, p.control[kPressed].bottom, p.control[kPressed].border, p.accent_dark};
    case kDisabled: return {p.control[kDisabled].top, p.control[kDisabled].bottom, p.control[kDisabled].border, p.control[kDisabled].glyph};
    default: return {Mix(p.field, p.control[kNormal].bottom, 0.3), p.field, p.field_border, p.accent};
  }
}

}  // namespace

void AddButtons(const Style& st, SkinImages& out) {
  const Palette& p = st.p;
  const Shape& s = st.s;
  constexpr int w = 24, h = 22, m = 4;
  const bool keyed = s.radius > 0;

  // Frames 1..5: normal, pressed, disabled, hot, focused (or the dialog's default button).
  std::vector<common::Image24> frames;
  for (LookState state : {kNormal, kPressed, kDisabled, kHot, kFocused}) {
    art::Canvas c(w, h);
    const Look& look = p.control[state];
    DrawLook(c, 0, 0, w, h, s.radius + 1, look);
    if (state == kFocused)
      Paint(c, Minus(RoundRect(1, 1, w - 1, h - 1, s.radius), RoundRect(2, 2, w - 2, h - 2, s.radius > 1 ? s.radius - 1 : 0)),
            Mix(look.border, look.top, 0.45));
    else if (state != kDisabled && state != kPressed)
      Paint(c, RoundRect(s.radius + 1, 1, w - s.radius - 1, 2, 0), Mix(look.top, p.button_hilight, 0.6));
    frames.push_back(Flatten(c, p.button_face, keyed));
  }
  out.Add({"button.bmp", SideBySide(frames), 5, false, "normal, pressed, disabled, hot, focused"});

  // Check box: unchecked, checked, grayed, each normal, hot, pressed, disabled.
  std::vector<common::Image24> checks;
  for (int mark = 0; mark < 3; ++mark)
    for (LookState state : kBoxStates) {
      art::Canvas c(kBox, kBox);
      const Look look = BoxLook(p, state);
      Box(c, 0, 0, kBox, kBox, s.radius > 0 ? 2 : 0, look.border, VGradient(0, kBox, look.top, look.bottom));
      if (mark == 1) DrawCheck(c, 0, 0, kBox, look.glyph);
      if (mark == 2) Paint(c, RoundRect(3, 3, kBox - 3, kBox - 3, s.radius > 0 ? 1 : 0), look.glyph, 0.65);
      checks.push_back(Flatten(c, p.button_face, true));
    }
  out.Add({"check.bmp", SideBySide(checks), 12, false,
           "unchecked, checked, grayed x normal, hot, pressed, disabled"});

  // Radio button: unchecked, checked, each normal, hot, pressed, disabled.
  std::vector<common::Image24> radios;
  for (int mark = 0; mark < 2; ++mark)
    for (LookState state : kBoxStates) {
      art::Canvas c(kBox, kBox);
      const Look look = BoxLook(p, state);
      const double mid = kBox / 2.0;
      Paint(c, Ellipse(mid, mid, mid, mid, 0), look.border);
      Shade(c, Ellipse(mid, mid, mid - 1, mid - 1, 0), VGradient(0, kBox, look.top, look.bottom));
      if (mark == 1) Paint(c, Ellipse(mid, mid, 2.8, 2.8, 0), look.glyph);
      radios.push_back(Flatten(c, p.button_face, true));
    }
  out.Add({"radio.bmp", SideBySide(radios), 8, false, "unchecked, checked x normal, hot, pressed, disabled"});

  const std::string sec = "Buttons";
  out.Text(sec, "Bitmap", "button.bmp");
  out.Text(sec, "CheckButton", "check.bmp");
  out.Text(sec, "RadioButton", "radio.bmp");
  for (const char* k : {"LeftWidth", "RightWidth", "TopHeight", "BottomHeight"}) out.Int(sec, k, m);
  out.Int(sec, "Trans", keyed ? 1 : 0);
  out.Int(sec, "Tile", 0);
  out.Int(sec, "CheckButtonFrame", 12);
  out.Int(sec, "RadioButtonFrame", 8);
  out.Colour(sec, "NormalColour2", p.button_text);
  out.Colour(sec, "MouseOverColour2", p.control[kHot].glyph);
  out.Colour(sec, "PressedColour2", p.control[kPressed].glyph);
  auto platform = [](Rgb c) { return c.r | (c.g << 8) | (c.b << 16); };
  out.Int(sec, "NormalColour", platform(p.button_text));
  out.Int(sec, "MouseOverColour", platform(p.control[kHot].glyph));
  out.Int(sec, "PressedColour", platform(p.control[kPressed].glyph));
}

}  // namespace skingen
