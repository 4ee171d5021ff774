// Progress bars, track bars, tabs and their page, header items, group boxes, status-bar bevels
// and tool-bar buttons.
#include "glyphs.h"
#include "parts.h"

namespace skingen {
namespace {

void Margins(SkinImages& out, const std::string& sec, int l, int t, int r, int b) {
  out.Int(sec, "LeftWidth", l);
  out.Int(sec, "TopHeight", t);
  out.Int(sec, "RightWidth", r);
  out.Int(sec, "BottomHeight", b);
}

void AddProgress(const Style& st, SkinImages& out) {
  const Palette& p = st.p;
  const Shape& s = st.s;
  constexpr int w = 24, h = 16;
  const double r = s.radius > 0 ? s.radius + 1 : 0;
  std::vector<common::Image24> frames;
  art::Canvas trough(w, h);
  Box(trough, 0, 0, w, h, r, p.bar_trough_border, VGradient(0, h, Mix(p.bar_trough, p.track_line, 0.5), p.bar_trough));
  frames.push_back(Flatten(trough, p.button_face, r > 0));
  if (s.progress_style == 0) {
    art::Canvas fill(w, h);
    Box(fill, 0, 0, w, h, r, p.bar_border, VGradient(0, h, p.bar_top, p.bar_bottom));
    Paint(fill, RoundRect(r + 1, 1.5, w - r - 1, 2.5, 0), Mix(p.bar_top, p.button_hilight, 0.6));
    frames.push_back(Flatten(fill, p.bar_trough, r > 0));
  }
  out.Add({"progress.bmp", SideBySide(frames), static_cast<int>(frames.size()), false,
           s.progress_style == 0 ? "empty bar, filled part" : "empty bar (chunks fill it)"});
  out.Text("Progress", "Bitmap", "progress.bmp");
  out.Int("Progress", "Style", s.progress_style);
  Margins(out, "Progress", 4, 3, 4, 3);
  out.Int("Progress", "Trans", r > 0 ? 1 : 0);
  out.Int("Progress", "Tile", 0);

  // One chunk with its gap, repeated along the filled length.
  constexpr int cw = 9, chh = 10;
  art::Canvas chunk(cw, chh);
  Paint(chunk, RoundRect(0, 0, cw, chh, 0), p.bar_trough);
  Box(chunk, 0, 0, cw - 2, chh, s.radius > 0 ? 1 : 0, p.bar_border, VGradient(0, chh, p.bar_top, p.bar_bottom));
  out.Add({"chunk.bmp", Flatten(chunk, p.bar_trough, false), 1, false, "progress chunk"});
  out.Text("Progress.Chunk", "Image", "chunk.bmp");
  out.Int("Progress.Chunk", "Frame", 1);
  out.Int("Progress.Chunk", "Tile", 1);
  Margins(out, "Progress.Chunk", 0, 0, 0, 0);
}

// Frames of a track-bar thumb: 1 normal, 2 the look the painter draws, 3 disabled, 4 hot, 5 pressed.
constexpr LookState kThumbLooks[5] = {kNormal, kFocused, kDisabled, kHot, kPressed};

enum class Point { None, Up, Down, Left, Right };

common::Image24 TrackThumbs(const Style& st, bool vertical, Point point) {
  const Palette& p = st.p;
  const int w = vertical ? 20 : 11, h = vertical ? 11 : 20;
  std::vector<common::Image24> frames;
  for (LookState state : kThumbLooks) {
    Look look = p.control[state == kFocused ? kNormal : state];
    art::Canvas c(w, h);
    Inside outer, inner;
    const double k = 6;  // length of the point
    switch (point) {
      case Point::Down:
        outer = Polygon({{0, 0}, {w, 0}, {w, h - k}, {w / 2.0, h}, {0, h - k}});
        inner = Polygon({{1, 1}, {w - 1, 1}, {w - 1, h - k - 0.4}, {w / 2.0, h - 1.4}, {1, h - k - 0.4}});
        break;
      case Point::Up:
        outer = Polygon({{0, k}, {w / 2.0, 0}, {w, k}, {w, h}, {0, h}});
        inner = Polygon({{1, k + 0.4}, {w / 2.0, 1.4}, {w - 1, k + 0.4}, {w - 1, h - 1}, {1, h - 1}});
        break;
      case Point::Right:
        outer = Polygon({{0, 0}, {w - k, 0}, {w, h / 2.0}, {w - k, h}, {0, h}});
        inner = Polygon({{1, 1}, {w - k - 0.4, 1}, {w - 1.4, h / 2.0}, {w - k - 0.4, h - 1}, {1, h - 1}});
        break;
      case Point::Left:
        outer = Polygon({{k, 0}, {w, 0}, {w, h}, {k, h}, {0, h / 2.0}});
        inner = Polygon({{k + 0.4, 1}, {w - 1, 1}, {w - 1, h - 1}, {k + 0.4, h - 1}, {1.4, h / 2.0}});
        break;
      case Point::None:
        outer = RoundRect(0, 0, w, h, st.s.radius);
        inner = RoundRect(1, 1, w - 1, h - 1, st.s.radius > 0 ? st.s.radius - 1 : 0);
        break;
    }
    Paint(c, outer, look.border);
    Shade(c, inner, vertical ? HGradient(0, w, look.top, look.bottom) : VGradient(0, h, look.top, look.bottom));
    if (state == kFocused || state == kHot || state == kPressed) {
      const Rgb tick = state == kDisabled ? look.glyph : p.accent;
      if (vertical)
        Paint(c, RoundRect(4, h / 2.0 - 1, w - 4, h / 2.0 + 1, 0), tick);
      else
        Paint(c, RoundRect(w / 2.0 - 1, 4, w / 2.0 + 1, h - 4, 0), tick);
    }
    frames.push_back(Flatten(c, p.button_face, true));
  }
  return SideBySide(frames);
}

void AddTrack(const Style& st, SkinImages& out) {
  const Palette& p = st.p;
  for (bool vertical : {false, true}) {
    const int w = vertical ? 5 : 32, h = vertical ? 32 : 5;
    art::Canvas c(w, h);
    Box(c, 0, 0, w, h, st.s.radius > 0 ? 2 : 0, p.bar_trough_border, VGradient(0, h, p.track_line, p.bar_trough));
    const std::string sec = vertical ? "TRACKVERT" : "Track";
    const std::string file = vertical ? "trackv.bmp" : "track.bmp";
    // Channels are copied without transparency: round ends blend into the face colour.
    out.Add({file, Flatten(c, p.button_face, false), 1, false, "channel"});
    out.Text(sec, "Image", file);
    out.Int(sec, "Frame", 1);
    if (vertical) Margins(out, sec, 0, 3, 0, 3);
    else Margins(out, sec, 3, 0, 3, 0);
  }
  struct ThumbDef { const char* section; const char* file; bool vertical; Point point; };
  constexpr ThumbDef kThumbs[] = {
      {"Trackbar.ThumbHorz", "thumbh.bmp", false, Point::None},
      {"Trackbar.ThumbVert", "thumbv.bmp", true, Point::None},
      {"Trackbar.ThumbLeft", "thumbl.bmp", true, Point::Left},
      {"Trackbar.ThumbRight", "thumbr.bmp", true, Point::Right},
      {"Trackbar.ThumbUp", "thumbu.bmp", false, Point::Up},
      {"Trackbar.ThumbDown", "thumbd.bmp", false, Point::Down},
  };
  for (const ThumbDef& d : kThumbs) {
    out.Add({d.file, TrackThumbs(st, d.vertical, d.point), 5, false,
             "normal, drawn look, disabled, hot, pressed"});
    out.Text(d.section, "Image", d.file);
    out.Int(d.section, "Frame", 5);
    out.Int(d.section, "Trans", 1);
  }
}

void AddTabs(const Style& st, SkinImages& out) {
  const Palette& p = st.p;
  const Shape& s = st.s;
  constexpr int w = 40, h = 22;
  const double r = s.radius > 0 ? s.radius + 1 : 0;
  // Frames 1..5: normal, selected, disabled, hot, pressed. A selected tab is taller and open
  // towards its page.
  std::vector<common::Image24> frames;
  for (LookState state : {kNormal, kFocused, kDisabled, kHot, kPressed}) {
    const Look& look = p.tab[state];
    art::Canvas c(w, h);
    const bool selected = state == kFocused;
    const double y0 = selected ? 0 : 2;
    Paint(c, RoundRect(0, y0, w, h + r + 1, r), look.border);
    Shade(c, RoundRect(1, y0 + 1, w - 1, h + r + 1, r > 0 ? r - 1 : 0), VGradient(y0, h, look.top, look.bottom));
    if (selected) Paint(c, RoundRect(2, y0 + 1, w - 2, y0 + 2, 0), p.accent);
    else Paint(c, RoundRect(0, h - 1, w, h, 0), p.pane_border);
    frames.push_back(Flatten(c, p.button_face, true));
  }
  out.Add({"tabs.bmp", SideBySide(frames), 5, false, "normal, selected, disabled, hot, pressed"});

  // The page frame, drawn opaque over the page area; its middle is the face colour.
  auto page = [&](int size) {
    art::Canvas c(size, size);
    Paint(c, RoundRect(0, 0, size, size, 0), p.pane_border);
    Paint(c, RoundRect(1, 1, size - 1, size - 1, 0), Mix(p.button_face, p.button_hilight, 0.5));
    Paint(c, RoundRect(2, 2, size - 1, size - 1, 0), p.button_face);
    return Flatten(c, p.button_face, false);
  };
  out.Add({"tabborder.bmp", page(24), 1, false, "tab page frame"});
  out.Add({"tabpane.bmp", page(24), 1, false, "tab page frame (pane)"});
  out.Text("Tabs", "Image", "tabs.bmp");
  out.Text("Tabs", "Border", "tabborder.bmp");
  out.Int("Tabs", "Style", 0);
  Margins(out, "Tabs", 4, 6, 4, 2);
  out.Int("Tabs", "Trans", 1);
  out.Int("Tabs", "Tile", 0);
  out.Colour("Tabs", "NormalColour2", p.button_text);
  out.Colour("Tabs", "MouseOverColour2", p.title_text_active);
  out.Text("Tab.Pane", "Image", "tabpane.bmp");
  Margins(out, "Tab.Pane", 4, 4, 4, 4);
}

void AddHeaderAndBars(const Style& st, SkinImages& out) {
  const Palette& p = st.p;
  const Shape& s = st.s;
  // Header items: 1 normal, 2 hot, 3 pressed.
  {
    constexpr int w = 40, h = 20;
    std::vector<common::Image24> frames;
    for (LookState state : {kNormal, kHot, kPressed}) {
      const Look& look = p.control[state];
      art::Canvas c(w, h);
      Shade(c, RoundRect(0, 0, w, h, 0), VGradient(0, h, look.top, look.bottom));
      Paint(c, RoundRect(0, h - 1, w, h, 0), state == kNormal ? p.button_shadow : look.border);
      Paint(c, RoundRect(w - 2, 3, w - 1, h - 4, 0), p.button_shadow);
      Paint(c, RoundRect(w - 1, 3, w, h - 4, 0), p.button_hilight);
      frames.push_back(Flatten(c, p.button_face, false));
    }
    out.Add({"header.bmp", SideBySide(frames), 3, false, "normal, hot, pressed"});
    out.Text("Headerbar", "Image", "header.bmp");
    out.Int("Headerbar", "Frame", 3);
    Margins(out, "Headerbar", 3, 3, 3, 3);
    out.Int("Headerbar", "Trans", 0);
    out.Int("Headerbar", "Tile", 0);
  }
  // Group box: the caption's background and the rounded edge (normal, disabled).
  {
    constexpr int w = 40, h = 18;
    art::Canvas c(w, h);
    Box(c, 0, 1, w, h - 1, s.radius > 0 ? 7.5 : 0, p.group_line,
        VGradient(1, h - 1, Mix(p.button_face, p.button_hilight, 0.6), p.button_face));
    out.Add({"groupbox.bmp", Flatten(c, p.button_face, true), 1, false, "group caption back"});
    out.Text("GroupBox", "Image", "groupbox.bmp");
    Margins(out, "GroupBox", 8, 0, 8, 0);
    out.Int("GroupBox", "Trans", 1);
    out.Int("GroupBox", "BackgroundAlignment", 0);
    out.Int("GroupBox", "BackgroundLeftShift", 4);
    out.Int("GroupBox", "BackgroundRightShift", 4);

    constexpr int e = 24;
    std::vector<common::Image24> edges;
    for (Rgb line : {p.group_line, Mix(p.group_line, p.button_face, 0.5)}) {
      art::Canvas g(e, e);
      Paint(g, Minus(RoundRect(0, 0, e, e, s.radius > 0 ? 5 : 0), RoundRect(1, 1, e - 1, e - 1, s.radius > 0 ? 4 : 0)), line);
      edges.push_back(Flatten(g, p.button_face, true));
    }
    out.Add({"gbedge.bmp", SideBySide(edges), 2, false, "group edge: normal, disabled"});
    out.Text("GroupBoxEdge", "Image", "gbedge.bmp");
    Margins(out, "GroupBoxEdge", 6, 6, 6, 6);
    out.Int("GroupBoxEdge", "Trans", 1);
  }
  // Status-bar bevels: 1 lowered, 2 raised, 3 none.
  {
    constexpr int w = 16, h = 20;
    std::vector<common::Image24> frames;
    for (int kind = 0; kind < 3; ++kind) {
      art::Canvas c(w, h);
      Paint(c, RoundRect(0, 0, w, h, 0), p.button_face);
      if (kind < 2) {
        const Rgb tl = kind == 0 ? p.button_shadow : p.button_hilight;
        const Rgb br = kind == 0 ? p.button_hilight : p.button_shadow;
        Paint(c, RoundRect(0, 0, w, 1, 0), tl);
        Paint(c, RoundRect(0, 0, 1, h, 0), tl);
        Paint(c, RoundRect(0, h - 1, w, h, 0), br);
        Paint(c, RoundRect(w - 1, 0, w, h, 0), br);
      }
      frames.push_back(Flatten(c, p.button_face, false));
    }
    out.Add({"status.bmp", SideBySide(frames), 3, false, "lowered, raised, none"});
    out.Text("StatusBarEdges", "Image", "status.bmp");
    Margins(out, "StatusBarEdges", 2, 2, 2, 2);
    out.Int("StatusBarEdges", "Trans", 0);
    out.Colour("StatusBarEdges", "NormalColour2", p.status_text);
  }
  // Tool-bar buttons: 1 normal (flat), 2 pressed, 3 disabled (flat), 4 hot, 5 checked.
  {
    constexpr int w = 24, h = 22;
    std::vector<common::Image24> frames;
    for (LookState state : {kNormal, kPressed, kDisabled, kHot, kFocused}) {
      art::Canvas c(w, h);
      if (state == kPressed || state == kHot) DrawLook(c, 0, 0, w, h, s.radius + 1, p.control[state]);
      if (state == kFocused) {
        Look checked = p.control[kPressed];
        checked.top = Mix(checked.top, p.button_hilight, 0.4);
        DrawLook(c, 0, 0, w, h, s.radius + 1, checked);
      }
      frames.push_back(Flatten(c, p.button_face, true));
    }
    out.Add({"toolbars.bmp", SideBySide(frames), 5, false, "normal, pressed, disabled, hot, checked"});
    out.Text("ToolBars", "Image", "toolbars.bmp");
    Margins(out, "ToolBars", 4, 4, 4, 4);
    out.Int("ToolBars", "Trans", 1);
  }
}

}  // namespace

void AddPanels(const Style& st, SkinImages& out) {
  AddProgress(st, out);
  AddTrack(st, out);
  AddTabs(st, out);
  AddHeaderAndBars(st, out);
}

}  // namespace skingen
