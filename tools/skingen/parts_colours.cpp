// Colour tables, caption font height and the skin's name; and the whole skin.
#include "parts.h"

namespace skingen {

void AddColours(const Style& st, SkinImages& out) {
  const Palette& p = st.p;
  const std::pair<const char*, Rgb> colours[] = {
      {"WindowText", p.window_text},       {"TitleTextActive", p.title_text_active},
      {"TitleTextNoActive", p.title_text_inactive}, {"ButtonFace", p.button_face},
      {"ButtonText", p.button_text},       {"ButtonHilight", p.button_hilight},
      {"Buttonlight", p.button_light},     {"ButtonShadow", p.button_shadow},
      {"ButtonDkShadow", p.button_dk_shadow}, {"HilightText", p.hilight_text},
      {"Hilight", p.hilight},              {"Menubar", p.menubar},
      {"MenuBarText", p.menubar_text},     {"MenuText", p.menu_text},
      {"Menu", p.menu},                    {"Scrollbar", p.scrollbar},
  };
  for (const auto& [key, c] : colours) out.Colour("Colours", key, c);
  for (size_t i = 0; i < p.custom.size(); ++i) out.Colour("Customcolors", "Color" + std::to_string(i), p.custom[i]);
  out.Int("Fonts", "FontHeight", st.s.font_height);
  out.Text("TitlebarSkin", "SkinName", st.skin_name);
}

SkinImages BuildSkin(const Style& style) {
  SkinImages out;
  AddFrame(style, out);
  AddCaptionButtons(style, out);
  AddMenus(style, out);
  AddButtons(style, out);
  AddScrolling(style, out);
  AddPanels(style, out);
  AddColours(style, out);
  return out;
}

}  // namespace skingen
