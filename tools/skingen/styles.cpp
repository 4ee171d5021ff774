// The program's two skins as palettes and shape parameters.
#include <cctype>

#include "style.h"

namespace skingen {
namespace {

// White orchid: whites and warm ivory, a soft green accent, rounded top corners.
Style MakeOrchid() {
  Style st;
  st.skin_name = "BaiLan mxp1";
  Palette& p = st.p;
  p.window_text = {34, 40, 33};
  p.title_text_active = {44, 62, 42};
  p.title_text_inactive = {150, 148, 140};
  p.button_face = {246, 243, 235};
  p.button_text = {40, 46, 38};
  p.button_hilight = {255, 255, 255};
  p.button_light = {251, 249, 244};
  p.button_shadow = {160, 156, 144};
  p.button_dk_shadow = {104, 102, 94};
  p.hilight_text = {30, 56, 28};
  p.hilight = {208, 230, 200};
  p.menubar = {246, 243, 235};
  p.menubar_text = {40, 46, 38};
  p.menu_text = {40, 46, 38};
  p.menu = {255, 254, 250};
  p.scrollbar = {240, 237, 228};
  p.custom = {{{255, 255, 255}, {246, 243, 235}, {241, 236, 222}, {208, 230, 200},
               {156, 197, 154}, {96, 156, 88}, {150, 172, 142}, {214, 204, 190},
               {226, 120, 110}, {44, 62, 42}}};

  p.outline[0] = {150, 172, 142};
  p.outline[1] = {196, 193, 184};
  p.frame_light[0] = {255, 255, 255};
  p.frame_light[1] = {251, 250, 247};
  p.frame_face[0] = {241, 236, 222};
  p.frame_face[1] = {236, 234, 228};
  p.frame_inner[0] = {214, 206, 188};
  p.frame_inner[1] = {218, 215, 208};
  p.caption_top[0] = {255, 255, 255};
  p.caption_bottom[0] = {241, 236, 222};
  p.caption_top[1] = {250, 249, 246};
  p.caption_bottom[1] = {236, 234, 228};
  p.caption_line[0] = {138, 186, 134};
  p.caption_line[1] = {214, 211, 203};
  p.textback_fill[0] = {236, 245, 231};
  p.textback_border[0] = {200, 224, 192};
  p.textback_fill[1] = {242, 241, 237};
  p.textback_border[1] = {226, 223, 214};
  p.menubar_top[0] = {250, 248, 242};
  p.menubar_bottom[0] = {244, 239, 226};
  p.menubar_line[0] = {222, 216, 202};
  p.menubar_top[1] = {248, 247, 244};
  p.menubar_bottom[1] = {238, 236, 230};
  p.menubar_line[1] = {224, 221, 214};
  p.petal = {255, 255, 255};
  p.petal_edge = {205, 192, 176};
  p.lip = {222, 236, 178};
  p.lip_edge = {150, 184, 116};
  p.leaf = {126, 170, 116};

  p.control[kNormal] = {{255, 255, 255}, {238, 234, 223}, {170, 180, 162}, {70, 90, 66}};
  p.control[kHot] = {{253, 255, 251}, {222, 238, 215}, {126, 174, 118}, {48, 96, 42}};
  p.control[kPressed] = {{206, 228, 197}, {224, 239, 218}, {104, 154, 96}, {36, 78, 32}};
  p.control[kDisabled] = {{245, 243, 238}, {240, 238, 232}, {214, 210, 200}, {192, 188, 178}};
  p.control[kFocused] = {{255, 255, 255}, {238, 234, 223}, {104, 154, 96}, {70, 90, 66}};
  p.caption_button[kNormal] = {{}, {}, {}, {96, 114, 92}, false};
  p.caption_button[kHot] = {{246, 251, 243}, {224, 240, 218}, {156, 197, 154}, {48, 96, 42}};
  p.caption_button[kPressed] = {{200, 224, 192}, {214, 234, 207}, {118, 166, 110}, {36, 78, 32}};
  p.caption_button[kDisabled] = {{}, {}, {}, {184, 182, 174}, false};
  p.caption_button[kFocused] = p.caption_button[kNormal];
  p.close_button[kNormal] = p.caption_button[kNormal];
  p.close_button[kHot] = {{216, 100, 90}, {196, 80, 72}, {172, 64, 58}, {255, 255, 255}};
  p.close_button[kPressed] = {{170, 58, 52}, {186, 70, 62}, {150, 48, 44}, {255, 255, 255}};
  p.close_button[kDisabled] = p.caption_button[kDisabled];
  p.close_button[kFocused] = p.close_button[kNormal];
  p.tab[kNormal] = {{244, 241, 232}, {232, 228, 216}, {186, 190, 176}, {}};
  p.tab[kHot] = {{252, 255, 250}, {228, 241, 222}, {150, 186, 142}, {}};
  p.tab[kPressed] = {{226, 240, 220}, {236, 244, 232}, {126, 174, 118}, {}};
  p.tab[kDisabled] = {{242, 241, 237}, {238, 236, 231}, {214, 210, 200}, {}};
  p.tab[kFocused] = {{255, 255, 255}, {246, 243, 235}, {150, 172, 142}, {}};

  p.field = {255, 255, 255};
  p.field_border = {176, 184, 168};
  p.field_border_hot = {126, 174, 118};
  p.track = {240, 237, 228};
  p.track_line = {226, 221, 208};
  p.bar_trough = {250, 248, 243};
  p.bar_trough_border = {196, 192, 180};
  p.bar_top = {190, 224, 178};
  p.bar_bottom = {132, 188, 120};
  p.bar_border = {108, 158, 98};
  p.accent = {84, 146, 76};
  p.accent_dark = {56, 110, 50};
  p.menu_border = {176, 184, 168};
  p.menu_band = {221, 236, 214};
  p.separator = {224, 218, 204};
  p.separator_light = {255, 255, 255};
  p.menu_select[0] = {{238, 247, 234}, {216, 236, 208}, {156, 197, 154}, {}};
  p.menu_select[1] = {{246, 245, 241}, {236, 234, 228}, {210, 206, 196}, {}};
  p.pane_border = {170, 180, 162};
  p.status_text = {60, 70, 58};
  p.group_line = {196, 204, 188};

  Shape& s = st.s;
  s.border = 5;
  s.caption = 30;
  s.corner = 8;
  s.top_left_fixed = 24;
  s.top_right_fixed = 132;
  s.caption_line = 1;
  s.line_at_top = false;
  s.ornament = true;
  s.textback = TextBack::Pill;
  s.textback_end = 10;
  s.text_shift = 30;
  s.cap_w = 26;
  s.cap_h = 18;
  s.cap_y = 6;
  s.cap_gap = 2;
  s.cap_right = 3;
  s.cap_radius = 4;
  s.radius = 3;
  s.scroll = 17;
  s.progress_style = 0;
  s.menubar_h = 20;
  s.menu_band = 4;
  s.thumb_inset = 2;
  s.font_height = 14;
  return st;
}

// Ink night: charcoal and slate with a moonlight-blue accent, square corners.
Style MakeInkNight() {
  Style st;
  st.skin_name = "MoYe dark";
  Palette& p = st.p;
  p.window_text = {222, 226, 232};
  p.title_text_active = {236, 240, 245};
  p.title_text_inactive = {130, 136, 146};
  p.button_face = {43, 46, 53};
  p.button_text = {226, 230, 236};
  p.button_hilight = {70, 76, 88};
  p.button_light = {58, 63, 72};
  p.button_shadow = {112, 118, 128};
  p.button_dk_shadow = {18, 20, 24};
  p.hilight_text = {255, 255, 255};
  p.hilight = {52, 92, 132};
  p.menubar = {36, 39, 45};
  p.menubar_text = {220, 224, 230};
  p.menu_text = {220, 224, 230};
  p.menu = {36, 39, 45};
  p.scrollbar = {36, 39, 45};
  p.custom = {{{20, 22, 26}, {36, 39, 45}, {43, 46, 53}, {62, 67, 77}, {112, 118, 128},
               {108, 166, 217}, {52, 92, 132}, {196, 64, 60}, {222, 226, 232}, {255, 255, 255}}};

  p.outline[0] = {14, 15, 18};
  p.outline[1] = {26, 28, 32};
  p.frame_light[0] = {60, 65, 75};
  p.frame_light[1] = {52, 55, 61};
  p.frame_face[0] = {36, 39, 45};
  p.frame_face[1] = {40, 42, 47};
  p.frame_inner[0] = {22, 24, 28};
  p.frame_inner[1] = {28, 30, 34};
  p.caption_top[0] = {46, 50, 58};
  p.caption_bottom[0] = {36, 39, 45};
  p.caption_top[1] = {44, 46, 51};
  p.caption_bottom[1] = {40, 42, 47};
  p.caption_line[0] = {108, 166, 217};
  p.caption_line[1] = {70, 75, 84};
  p.textback_fill[0] = {108, 166, 217};
  p.textback_border[0] = {108, 166, 217};
  p.textback_fill[1] = {78, 84, 94};
  p.textback_border[1] = {78, 84, 94};
  p.menubar_top[0] = {38, 41, 48};
  p.menubar_bottom[0] = {33, 36, 42};
  p.menubar_line[0] = {22, 24, 28};
  p.menubar_top[1] = {40, 42, 47};
  p.menubar_bottom[1] = {37, 39, 44};
  p.menubar_line[1] = {28, 30, 34};
  p.petal = p.lip = p.petal_edge = p.lip_edge = p.leaf = {};

  p.control[kNormal] = {{64, 69, 80}, {52, 56, 65}, {20, 22, 26}, {212, 218, 226}};
  p.control[kHot] = {{74, 86, 104}, {60, 70, 86}, {108, 166, 217}, {244, 247, 250}};
  p.control[kPressed] = {{38, 58, 80}, {50, 76, 104}, {88, 146, 198}, {255, 255, 255}};
  p.control[kDisabled] = {{48, 51, 58}, {46, 49, 55}, {34, 36, 41}, {92, 98, 108}};
  p.control[kFocused] = {{64, 69, 80}, {52, 56, 65}, {108, 166, 217}, {212, 218, 226}};
  p.caption_button[kNormal] = {{}, {}, {}, {196, 202, 212}, false};
  p.caption_button[kHot] = {{66, 72, 84}, {60, 66, 77}, {66, 72, 84}, {255, 255, 255}};
  p.caption_button[kPressed] = {{40, 62, 86}, {44, 68, 94}, {40, 62, 86}, {255, 255, 255}};
  p.caption_button[kDisabled] = {{}, {}, {}, {96, 102, 112}, false};
  p.caption_button[kFocused] = p.caption_button[kNormal];
  p.close_button[kNormal] = p.caption_button[kNormal];
  p.close_button[kHot] = {{200, 66, 62}, {188, 58, 55}, {200, 66, 62}, {255, 255, 255}};
  p.close_button[kPressed] = {{156, 44, 42}, {150, 42, 40}, {156, 44, 42}, {255, 255, 255}};
  p.close_button[kDisabled] = p.caption_button[kDisabled];
  p.close_button[kFocused] = p.close_button[kNormal];
  p.tab[kNormal] = {{40, 43, 50}, {36, 39, 45}, {22, 24, 28}, {}};
  p.tab[kHot] = {{56, 62, 74}, {48, 53, 63}, {22, 24, 28}, {}};
  p.tab[kPressed] = {{38, 58, 80}, {43, 46, 53}, {22, 24, 28}, {}};
  p.tab[kDisabled] = {{40, 42, 47}, {38, 40, 45}, {30, 32, 36}, {}};
  p.tab[kFocused] = {{54, 58, 67}, {43, 46, 53}, {22, 24, 28}, {}};

  p.field = {30, 32, 37};
  p.field_border = {86, 92, 102};
  p.field_border_hot = {108, 166, 217};
  p.track = {34, 37, 43};
  p.track_line = {28, 30, 35};
  p.bar_trough = {30, 32, 37};
  p.bar_trough_border = {18, 20, 24};
  p.bar_top = {128, 184, 230};
  p.bar_bottom = {76, 132, 186};
  p.bar_border = {56, 104, 152};
  p.accent = {108, 166, 217};
  p.accent_dark = {76, 132, 186};
  p.menu_border = {14, 15, 18};
  p.menu_band = {108, 166, 217};
  p.separator = {24, 26, 30};
  p.separator_light = {58, 62, 70};
  p.menu_select[0] = {{56, 96, 136}, {48, 84, 122}, {108, 166, 217}, {}};
  p.menu_select[1] = {{50, 53, 60}, {46, 49, 55}, {62, 66, 74}, {}};
  p.pane_border = {22, 24, 28};
  p.status_text = {200, 206, 214};
  p.group_line = {70, 75, 84};

  Shape& s = st.s;
  s.border = 4;
  s.caption = 28;
  s.corner = 0;
  s.top_left_fixed = 8;
  s.top_right_fixed = 96;
  s.caption_line = 2;
  s.line_at_top = true;
  s.ornament = false;
  s.textback = TextBack::Underline;
  s.textback_end = 6;
  s.text_shift = 30;
  s.cap_w = 28;
  s.cap_h = 20;
  s.cap_y = 4;
  s.cap_gap = 1;
  s.cap_right = 2;
  s.cap_radius = 0;
  s.radius = 0;
  s.scroll = 17;
  s.progress_style = 1;
  s.menubar_h = 20;
  s.menu_band = 3;
  s.thumb_inset = 4;
  s.font_height = 14;
  return st;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

const std::array<const Style*, 2>& AllStyles() {
  static const Style orchid = MakeOrchid();
  static const Style ink = MakeInkNight();
  static const std::array<const Style*, 2> all{&orchid, &ink};
  return all;
}

const Style* FindStyle(std::string_view skin_name) {
  for (const Style* s : AllStyles())
    if (SameName(s->skin_name, skin_name)) return s;
  return nullptr;
}

}  // namespace skingen
