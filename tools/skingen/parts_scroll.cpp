// Scroll bars (23-frame arrow and grip strip, tracks, thumbs), the combo box's edge, button and
// arrow glyphs with the size grip, and the two spin controls.
#include "glyphs.h"
#include "parts.h"

namespace skingen {
namespace {

// Arrow frames a, a+1, a+2, a+3: normal, pressed, disabled, hot.
constexpr LookState kArrowStates[4] = {kNormal, kPressed, kDisabled, kHot};
// Thumb and grip frames: normal, pressed, hot.
constexpr LookState kThumbStates[3] = {kNormal, kPressed, kHot};

common::Image24 ArrowFrame(const Style& st, Glyph g, LookState state) {
  const int t = st.s.scroll;
  art::Canvas c(t, t);
  const Look& look = st.p.control[state];
  DrawLook(c, 0, 0, t, t, st.s.radius, look);
  const double shift = state == kPressed ? 0.5 : 0.0;
  DrawGlyph(c, g, t / 2.0 + shift, t / 2.0 + shift, 8, look.glyph);
  return Flatten(c, st.p.track, st.s.radius > 0);
}

common::Image24 GripFrame(const Style& st, bool vertical, LookState state) {
  const int t = st.s.scroll;
  art::Canvas c(t, t);
  const Look& look = st.p.control[state];
  DrawGrip(c, t / 2.0, t / 2.0, vertical, Mix(look.top, look.glyph, 0.55), Mix(look.top, st.p.button_hilight, 0.5));
  return Flatten(c, look.bottom, true);
}

// A track frame along x (horizontal) of length len and thickness t.
common::Image24 TrackFrame(const Style& st, bool vertical, LookState state) {
  const Palette& p = st.p;
  const int t = st.s.scroll, len = 16;
  const int w = vertical ? t : len, h = vertical ? len : t;
  Rgb fill = p.track;
  if (state == kPressed) fill = Mix(p.track, p.control[kPressed].top, 0.5);
  if (state == kHot) fill = Mix(p.track, p.control[kHot].bottom, 0.35);
  if (state == kDisabled) fill = Mix(p.track, p.button_face, 0.6);
  art::Canvas c(w, h);
  Paint(c, RoundRect(0, 0, w, h, 0), fill);
  if (vertical) {
    Paint(c, RoundRect(0, 0, 1, h, 0), p.track_line);
    Paint(c, RoundRect(w - 1, 0, w, h, 0), p.track_line);
  } else {
    Paint(c, RoundRect(0, 0, w, 1, 0), p.track_line);
    Paint(c, RoundRect(0, h - 1, w, h, 0), p.track_line);
  }
  return Flatten(c, fill, false);
}

common::Image24 ThumbFrame(const Style& st, bool vertical, LookState state) {
  const int t = st.s.scroll, len = 24, in = st.s.thumb_inset;
  const int w = vertical ? t : len, h = vertical ? len : t;
  art::Canvas c(w, h);
  const Look& look = st.p.control[state];
  const double r = st.s.radius > 0 ? (t - 2 * in) / 2.0 - 1 : 0;
  if (vertical)
    Box(c, in, 0, w - in, h, r, look.border, HGradient(in, w - in, look.top, look.bottom));
  else
    Box(c, 0, in, w, h - in, r, look.border, VGradient(in, h - in, look.top, look.bottom));
  return Flatten(c, st.p.track, true);
}

}  // namespace

void AddScrolling(const Style& st, SkinImages& out) {
  const Palette& p = st.p;
  const Shape& s = st.s;
  const int t = s.scroll;

  std::vector<common::Image24> strip;
  for (Glyph g : {Glyph::Left, Glyph::Right, Glyph::Up, Glyph::Down})
    for (LookState state : kArrowStates) strip.push_back(ArrowFrame(st, g, state));
  for (bool vertical : {false, true})
    for (LookState state : kThumbStates) strip.push_back(GripFrame(st, vertical, state));
  strip.push_back(Blank(t, t, p.button_face));
  out.Add({"scrollbar.bmp", SideBySide(strip), 23, false,
           "arrows L R U D x normal, pressed, disabled, hot; grips H V x normal, pressed, hot; corner"});
  out.Text("Scrollbar", "Image", "scrollbar.bmp");
  out.Int("Scrollbar", "Frame", 23);
  out.Int("Scrollbar", "Trans", 1);

  for (bool vertical : {false, true}) {
    const std::string sec = vertical ? "VertScroll" : "HorzScroll";
    const std::string file = vertical ? "vscroll.bmp" : "hscroll.bmp";
    std::vector<common::Image24> frames;
    for (LookState state : {kNormal, kPressed, kDisabled, kHot}) frames.push_back(TrackFrame(st, vertical, state));
    out.Add({file, SideBySide(frames), 4, false, "track: enabled, pressed, disabled, hot"});
    out.Text(sec, "Image", file);
    for (const char* k : {"LeftWidth", "RightWidth", "TopHeight", "BottomHeight"}) out.Int(sec, k, 2);
    out.Int(sec, "Frame", 4);
    out.Int(sec, "Trans", 0);
    out.Int(sec, "Tile", 0);

    const std::string tsec = vertical ? "VertScrollThumb" : "HorzScrollThumb";
    const std::string tfile = vertical ? "vthumb.bmp" : "hthumb.bmp";
    std::vector<common::Image24> thumbs;
    for (LookState state : kThumbStates) thumbs.push_back(ThumbFrame(st, vertical, state));
    out.Add({tfile, SideBySide(thumbs), 3, false, "thumb: normal, pressed, hot"});
    out.Text(tsec, "Image", tfile);
    out.Int(tsec, "FrameCount", 3);
    out.Int(tsec, vertical ? "TopHeight" : "LeftWidth", 6);
    out.Int(tsec, vertical ? "BottomHeight" : "RightWidth", 6);
    out.Int(tsec, vertical ? "LeftWidth" : "TopHeight", s.thumb_inset + 1);
    out.Int(tsec, vertical ? "RightWidth" : "BottomHeight", s.thumb_inset + 1);
    out.Int(tsec, "Trans", 1);
    out.Int(tsec, "Tile", 0);
  }

  // Combo box: edge (whole box) and button (right part), four frames: normal, pressed,
  // disabled, hot or focused.
  constexpr LookState kComboStates[4] = {kNormal, kPressed, kDisabled, kHot};
  constexpr int ch = 21, ew = 24, bw = 19;
  std::vector<common::Image24> edges, buttons, glyphs;
  for (LookState state : kComboStates) {
    art::Canvas e(ew, ch);
    const Rgb border = state == kDisabled ? p.control[kDisabled].border
                       : state == kNormal ? p.field_border : p.field_border_hot;
    const Rgb fill = state == kDisabled ? p.control[kDisabled].bottom : p.field;
    Paint(e, RoundRect(0, 0, ew, ch, 0), border);
    Paint(e, RoundRect(1, 1, ew - 1, ch - 1, 0), Mix(fill, border, 0.18));
    Paint(e, RoundRect(2, 2, ew - 1, ch - 1, 0), fill);
    edges.push_back(Flatten(e, fill, false));

    art::Canvas b(bw, ch);
    DrawLook(b, 1, 2, bw - 2, ch - 2, s.radius, p.control[state]);
    buttons.push_back(Flatten(b, fill, true));

    art::Canvas g(13, 13);
    DrawGlyph(g, Glyph::Down, 6.5, 7, 9, p.control[state].glyph);
    glyphs.push_back(Flatten(g, p.control[state].bottom, true));
  }
  out.Add({"sunkedge.bmp", SideBySide(edges), 4, false, "combo edge: normal, pressed, disabled, hot"});
  out.Text("SunkEdge", "Image", "sunkedge.bmp");
  for (const char* k : {"LeftWidth", "RightWidth", "TopHeight", "BottomHeight"}) out.Int("SunkEdge", k, 3);
  out.Int("SunkEdge", "Frame", 4);
  out.Int("SunkEdge", "Trans", 0);
  out.Int("SunkEdge", "Tile", 0);
  out.Add({"combobtn.bmp", SideBySide(buttons), 4, false, "combo button: normal, pressed, disabled, hot"});
  out.Text("ComboButton", "Image", "combobtn.bmp");
  for (const char* k : {"LeftWidth", "RightWidth", "TopHeight", "BottomHeight"}) out.Int("ComboButton", k, 4);
  out.Int("ComboButton", "Style", 0);
  out.Int("ComboButton", "Trans", 1);
  out.Int("ComboButton", "Tile", 0);

  // Frames 1..4 the combo arrow in the four combo states, 5 the status bar's size grip.
  art::Canvas grip(13, 13);
  DrawSizeGrip(grip, 13, p.button_shadow, p.button_hilight);
  glyphs.push_back(Flatten(grip, p.button_face, true));
  out.Add({"extra.bmp", SideBySide(glyphs), 5, false, "combo arrow: normal, pressed, disabled, hot; size grip"});
  out.Text("ExtraImages", "Image", "extra.bmp");
  out.Int("ExtraImages", "Frame", 5);
  out.Int("ExtraImages", "Trans", 1);

  // Spin buttons: frame (state + 4 x half), state 1 normal, 2 pressed, 3 disabled, 4 hot;
  // half 0 up or left, 1 down or right. The glyph image has the same eight frames.
  for (bool vertical : {true, false}) {
    const int w = vertical ? 16 : 9, h = vertical ? 10 : 16;
    std::vector<common::Image24> halves, arrows;
    for (int half = 0; half < 2; ++half)
      for (LookState state : {kNormal, kPressed, kDisabled, kHot}) {
        art::Canvas c(w, h);
        DrawLook(c, 0, 0, w, h, s.radius > 0 ? 2 : 0, p.control[state]);
        halves.push_back(Flatten(c, p.button_face, true));
        art::Canvas g(7, 7);
        const Glyph glyph = vertical ? (half ? Glyph::Down : Glyph::Up) : (half ? Glyph::Right : Glyph::Left);
        DrawGlyph(g, glyph, 3.5, 3.5, 7, p.control[state].glyph);
        arrows.push_back(Flatten(g, p.control[state].bottom, true));
      }
    const std::string sec = vertical ? "UpDown.Vert" : "UpDown.Horz";
    const std::string file = vertical ? "updownv.bmp" : "updownh.bmp";
    const std::string gfile = vertical ? "updownvg.bmp" : "updownhg.bmp";
    const char* note = vertical ? "up, down x normal, pressed, disabled, hot"
                                : "left, right x normal, pressed, disabled, hot";
    out.Add({file, SideBySide(halves), 8, false, note});
    out.Add({gfile, SideBySide(arrows), 8, false, note});
    out.Text(sec, "Image", file);
    out.Text(sec, "GlyphImage", gfile);
    out.Int(sec, "Trans", 1);
  }
}

}  // namespace skingen
