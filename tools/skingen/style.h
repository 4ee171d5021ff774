#pragma once
// A skin's look as data: the palette and the shape parameters from which every image of the skin
// is drawn. Changing a skin means changing these tables (styles.cpp), not pixels.
#include <array>
#include <string>
#include <string_view>

#include "draw.h"

namespace skingen {

// One state of a button-like part: a vertical gradient, its border and the glyph colour.
struct Look {
  Rgb top, bottom, border, glyph;
  bool filled = true;  // false: only the glyph is drawn (flat caption buttons at rest)
};

// Indexes into the Look tables.
enum LookState { kNormal, kHot, kPressed, kDisabled, kFocused, kLookCount };

struct Palette {
  // The sixteen keys of section [Colours], in key order.
  Rgb window_text, title_text_active, title_text_inactive, button_face, button_text,
      button_hilight, button_light, button_shadow, button_dk_shadow, hilight_text, hilight,
      menubar, menubar_text, menu_text, menu, scrollbar;
  std::array<Rgb, 10> custom;  // [Customcolors] Color0..Color9

  // Window frame; index 0 active, 1 inactive.
  Rgb outline[2], frame_light[2], frame_face[2], frame_inner[2];
  Rgb caption_top[2], caption_bottom[2], caption_line[2];
  Rgb textback_fill[2], textback_border[2];
  Rgb menubar_top[2], menubar_bottom[2], menubar_line[2];
  // Ornament in the caption (white orchid), drawn only when Shape::ornament is set.
  Rgb petal, petal_edge, lip, lip_edge, leaf;

  Look control[kLookCount];        // push buttons, arrows, combo and spin buttons, thumbs
  Look caption_button[kLookCount]; // minimize, maximize, restore, help
  Look close_button[kLookCount];
  Look tab[kLookCount];            // kFocused is the selected tab

  Rgb field, field_border, field_border_hot;  // sunken edges of combo boxes
  Rgb track, track_line;                      // scroll-bar tracks
  Rgb bar_trough, bar_trough_border, bar_top, bar_bottom, bar_border;  // progress
  Rgb accent, accent_dark;                    // check marks, radio dots, tick of the thumbs
  Rgb menu_border, menu_band, separator, separator_light;
  Look menu_select[2];                        // selected item: enabled, disabled
  Rgb pane_border;                            // tab page frame
  Rgb status_text, group_line;
};

enum class TextBack { Pill, Underline };

struct Shape {
  int border;           // width of the left, right and bottom frame
  int caption;          // caption height
  int corner;           // radius of the two top corners, cut out with the key colour; 0 = square
  int top_left_fixed;   // fixed left part of the caption image (TopTopHeight)
  int top_right_fixed;  // fixed right part of the caption image (TopBotHeight)
  int caption_line;     // accent line thickness
  bool line_at_top;     // accent along the top edge instead of the caption's bottom
  bool ornament;
  TextBack textback;
  int textback_end;     // TXTBackleft and TXTBackRight
  int text_shift;       // TextShift: caption text start
  int cap_w, cap_h, cap_y, cap_gap, cap_right, cap_radius;  // caption buttons
  int radius;           // corner radius of control parts
  int scroll;           // scroll-bar thickness and arrow size
  int progress_style;   // 0 two-frame bar, 1 chunks
  int menubar_h;        // natural height of one menu-bar frame
  int menu_band;        // coloured band at the left of popup-menu items
  int thumb_inset;      // gap between a scroll thumb and the track edges
  int font_height;
};

struct Style {
  std::string skin_name;  // [TitlebarSkin] SkinName, which selects the style
  Palette p;
  Shape s;
};

// The style whose skin name matches (ASCII case-insensitive), or none.
const Style* FindStyle(std::string_view skin_name);
const std::array<const Style*, 2>& AllStyles();

}  // namespace skingen
