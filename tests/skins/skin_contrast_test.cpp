// Text colours of each skin against the surfaces they are drawn on: readable where it matters,
// dimmer (but still legible) where a state is meant to recede.
#include <gtest/gtest.h>

#include <cmath>

#include "skins/skin_fixture.h"

namespace {

using namespace skingen;
using namespace skingen_test;

double Luminance(Rgb c) {
  auto lin = [](uint8_t v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * lin(c.r) + 0.7152 * lin(c.g) + 0.0722 * lin(c.b);
}

double Contrast(Rgb a, Rgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb Middle(const Look& l) { return Mix(l.top, l.bottom, 0.5); }

class SkinContrastTest : public ::testing::TestWithParam<SkinCase> {};

TEST_P(SkinContrastTest, TextIsReadableOnItsSurface) {
  const Style& st = StyleOf(GetParam());
  const Palette& p = st.p;
  struct Pair { const char* what; Rgb text, ground; double least; };
  const Rgb caption = Mix(p.caption_top[0], p.caption_bottom[0], 0.5);
  const Rgb caption_off = Mix(p.caption_top[1], p.caption_bottom[1], 0.5);
  const Pair pairs[] = {
      {"caption text", p.title_text_active, caption, 7},
      {"menu-bar text", p.menubar_text, Mix(p.menubar_top[0], p.menubar_bottom[0], 0.5), 7},
      {"menu text", p.menu_text, p.menu, 7},
      {"selected menu text", p.hilight_text, Middle(p.menu_select[0]), 4.5},
      {"button text", p.button_text, Middle(p.control[kNormal]), 7},
      {"hot button text", p.control[kHot].glyph, Middle(p.control[kHot]), 4.5},
      {"pressed button text", p.control[kPressed].glyph, Middle(p.control[kPressed]), 4.5},
      {"window text", p.window_text, p.button_face, 7},
      {"status text", p.status_text, p.button_face, 4.5},
      {"tab text", p.button_text, Middle(p.tab[kNormal]), 4.5},
      {"selected tab text", p.title_text_active, Middle(p.tab[kFocused]), 4.5},
      {"caption glyph", p.caption_button[kNormal].glyph, caption, 3},
      {"hot close glyph", p.close_button[kHot].glyph, Middle(p.close_button[kHot]), 3},
      {"inactive caption text", p.title_text_inactive, caption_off, 2},
      {"disabled menu text", p.button_shadow, p.menu, 2},
  };
  for (const Pair& x : pairs) EXPECT_GE(Contrast(x.text, x.ground), x.least) << x.what;
  if (st.s.textback == TextBack::Pill) {  // drawn right behind the caption text
    EXPECT_GE(Contrast(p.title_text_active, p.textback_fill[0]), 7);
  }
  // Receding states are dimmer than the states they stand for.
  EXPECT_LT(Contrast(p.title_text_inactive, caption_off), Contrast(p.title_text_active, caption));
  EXPECT_LT(Contrast(p.button_shadow, p.menu), Contrast(p.menu_text, p.menu));
  EXPECT_LT(Contrast(p.control[kDisabled].glyph, Middle(p.control[kDisabled])),
            Contrast(p.control[kNormal].glyph, Middle(p.control[kNormal])));
}

// Active and inactive frames must be told apart at a glance.
TEST_P(SkinContrastTest, ActiveAndInactiveFramesDiffer) {
  const Palette& p = StyleOf(GetParam()).p;
  EXPECT_GE(Contrast(p.caption_line[0], p.caption_line[1]), 1.3);
  EXPECT_NE(p.outline[0], p.outline[1]);
  EXPECT_NE(p.caption_top[0], p.caption_top[1]);
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinContrastTest, ::testing::ValuesIn(Skins()),
                         [](const auto& info) { return std::string(info.param.skin_name).substr(0, 4); });

}  // namespace
