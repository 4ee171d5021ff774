#include "skin/data/skin_sections.h"

#include <algorithm>

#include "skin/data/img_util.h"

namespace skin {
namespace {

constexpr std::string_view kPersonality = "Personality";

std::string UpperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

bool HasValue(const TQuickIni& ini, std::string_view section, std::string_view key) {
  return !ini.ReadString(section, key, "").empty();
}

void ReadMargins(const TQuickIni& ini, std::string_view section, TDataSkinObject& o) {
  o.LeftWidth = ini.ReadInteger(section, "LeftWidth", 0);
  o.RightWidth = ini.ReadInteger(section, "RightWidth", 0);
  o.TopHeight = ini.ReadInteger(section, "TopHeight", 0);
  o.BottomHeight = ini.ReadInteger(section, "BottomHeight", 0);
}

void ReadStateColours(const TQuickIni& ini, std::string_view section, TDataSkinObject& o, Colour buttonText) {
  o.NormalColour = ini.ReadInteger(section, "NormalColour", kColourNotSet);
  o.MouseOverColour = ini.ReadInteger(section, "MouseOverColour", kColourNotSet);
  o.PressedColour = ini.ReadInteger(section, "PressedColour", kColourNotSet);
  o.NormalColour2 = ParseColour(ini.ReadString(section, "NormalColour2", ""), buttonText);
  o.MouseOverColour2 = ParseColour(ini.ReadString(section, "MouseOverColour2", ""), buttonText);
  o.PressedColour2 = ParseColour(ini.ReadString(section, "PressedColour2", ""), buttonText);
}

// Shared body of the generic object and the objects with a second image.
void ReadImageObject(const TQuickIni& ini, std::string_view section, TDataSkinObject& o,
                     const SkinEntrySource& source, Colour buttonText, bool readFrame) {
  LoadSkinBitmap(o.Bitmap, ini.ReadString(section, "Image", ""), source);
  o.Style = ini.ReadInteger(section, "Style", 0);
  ReadMargins(ini, section, o);
  if (readFrame) o.Frame = ini.ReadInteger(section, "Frame", 0);
  o.Trans = ini.ReadInteger(section, "Trans", 0);
  o.Tile = ini.ReadInteger(section, "Tile", 0);
  ReadStateColours(ini, section, o, buttonText);
  if (o.Tile > 1) o.Tile = 0;
}

}  // namespace

std::unique_ptr<TDataSkinObject> LoadImageObject(const TQuickIni& ini, std::string_view section,
                                                 const SkinEntrySource& source, Colour buttonText) {
  if (!HasValue(ini, section, "Image")) return nullptr;
  auto o = std::make_unique<TDataSkinObject>(std::string(section));
  ReadImageObject(ini, section, *o, source, buttonText, true);
  return o;
}

std::unique_ptr<TDataSkinBorder> LoadImageObject2(const TQuickIni& ini, std::string_view section,
                                                  std::string_view secondKey, const SkinEntrySource& source,
                                                  Colour buttonText) {
  if (!HasValue(ini, section, "Image")) return nullptr;
  auto o = std::make_unique<TDataSkinBorder>(std::string(section));
  ReadImageObject(ini, section, *o, source, buttonText, false);
  const std::string second = ini.ReadString(section, secondKey, "");
  if (!second.empty()) LoadSkinBitmap(o->Bitmap2, second, source);
  return o;
}

std::unique_ptr<TDataSkinBorder> LoadProgress(const TQuickIni& ini, const SkinEntrySource& source) {
  constexpr std::string_view kSection = "Progress";
  if (!HasValue(ini, kSection, "Bitmap")) return nullptr;
  auto o = std::make_unique<TDataSkinBorder>(std::string(kSection));
  LoadSkinBitmap(o->Bitmap, ini.ReadString(kSection, "Bitmap", ""), source);
  o->Style = ini.ReadInteger(kSection, "Style", 0);
  ReadMargins(ini, kSection, *o);
  o->Trans = ini.ReadInteger(kSection, "Trans", 0);
  o->Tile = ini.ReadInteger(kSection, "Tile", 0);
  if (o->Tile > 1) o->Tile = 1;
  return o;
}

std::unique_ptr<TDataSkinBoxLabel> LoadGroupBox(const TQuickIni& ini, const SkinEntrySource& source,
                                                Colour buttonText) {
  constexpr std::string_view kSection = "GroupBox";
  if (!HasValue(ini, kSection, "Image")) return nullptr;
  auto o = std::make_unique<TDataSkinBoxLabel>(std::string(kSection));
  ReadImageObject(ini, kSection, *o, source, buttonText, false);
  o->BackgroundAlignment = ini.ReadInteger(kSection, "BackgroundAlignment", 0);
  o->BackgroundLeftShift = ini.ReadInteger(kSection, "BackgroundLeftShift", 0);
  o->BackgroundRightShift = ini.ReadInteger(kSection, "BackgroundRightShift", 0);
  return o;
}

std::unique_ptr<TDataSkinObject> LoadMenuBar(const TQuickIni& ini, const SkinEntrySource& source) {
  const std::string image = ini.ReadString(kPersonality, "menuBar", "");
  if (image.empty()) return nullptr;
  auto o = std::make_unique<TDataSkinObject>(std::string(kPersonality));
  LoadSkinBitmap(o->Bitmap, image, source);
  o->TopHeight = 0;
  o->BottomHeight = 0;
  o->Tile = ini.ReadInteger(kPersonality, "TileMenu", 1);
  if (o->Tile > 1) o->Tile = 1;
  o->LeftWidth = ini.ReadInteger(kPersonality, "TileLeftMenu", 1);
  o->RightWidth = ini.ReadInteger(kPersonality, "TileRightMenu", 1);
  return o;
}

std::vector<std::unique_ptr<TDataSkinSysButton>> LoadSysButtons(const TQuickIni& ini,
                                                               const std::vector<std::string>& sections,
                                                               const SkinEntrySource& source) {
  std::vector<std::string> kept;
  for (const std::string& s : sections) {
    const std::string up = UpperAscii(s);
    if (up.rfind("BUTTON", 0) != 0 || up == "BUTTON" || up == "BUTTONS" || up == "BUTTON.RADIO" ||
        up == "BUTTON.CHECKBOX") {
      continue;
    }
    if (ini.ReadInteger(s, "Action", 0) == -1 && ini.ReadInteger(s, "Visibility", -1) != 0) continue;
    kept.push_back(s);
  }

  std::vector<std::unique_ptr<TDataSkinSysButton>> list;
  list.reserve(kept.size() + 3);
  Point remembered{0, 0};
  for (const std::string& s : kept) {
    auto b = std::make_unique<TDataSkinSysButton>(UpperAscii(s));
    b->Action = ini.ReadInteger(s, "Action", 0);
    b->Align = ini.ReadInteger(s, "Align", 0);
    b->Xcoord = ini.ReadInteger(s, "Xcoord", 0);
    b->Ycoord = ini.ReadInteger(s, "Ycoord", 0);
    b->Visibility = ini.ReadInteger(s, "Visibility", 0);
    b->Visibility1 = ini.ReadInteger(s, "Visibility1", b->Action == -1 ? -1 : 0);
    b->CombineOp = ini.ReadInteger(s, "CombineOp", -1);
    b->Frame = ini.ReadInteger(s, "frame", 0);
    LoadSkinBitmap(b->Bitmap, ini.ReadString(s, "ButtonImage", ""), source);

    if (b->Action == 1 && b->Visibility == 2) remembered = {b->Xcoord, b->Ycoord};
    if (b->Action == 4) {
      b->Xcoord = remembered.x;
      b->Ycoord = remembered.y;
    }
    if (b->Frame == 0) {
      b->Frame = 6;
      if (!b->Bitmap.Empty()) {
        const double ratio = static_cast<double>(b->Bitmap.Width()) / b->Bitmap.Height();
        b->Frame = ratio <= 3.8 ? 3 : 6;
      }
      if (b->Action < 0) b->Frame = 6;
      if (b->Action == 3 || b->Action == 11) b->Bitmap.Clear();
    }
    list.push_back(std::move(b));
  }

  skin::Bitmap mdi;
  LoadSkinBitmap(mdi, ini.ReadString("MDICONTROLS", "Image", ""), source);
  const int32_t a = mdi.Width() / 12;
  for (int32_t i = 0; i < 3; ++i) {
    auto b = std::make_unique<TDataSkinSysButton>("MDICONTROLS");
    b->Action = 7 + i;
    b->Align = 100;
    b->Visibility = 100;
    b->Visibility1 = 100;
    b->Frame = 4;
    if (!mdi.Empty()) {
      b->Bitmap = CopyRect(mdi, Rect::FromSize(4 * a * i, 0, 4 * a, mdi.Height()));
      b->Xcoord = (a + 4) * (3 - i);
    }
    list.push_back(std::move(b));
  }
  return list;
}

void LoadPushButtons(const TQuickIni& ini, TDataSkinButton& buttons, const SkinEntrySource& source,
                     Colour buttonText) {
  constexpr std::string_view kSection = "Buttons";
  ReadMargins(ini, kSection, buttons);
  buttons.Trans = ini.ReadInteger(kSection, "Trans", 0);
  buttons.Tile = ini.ReadInteger(kSection, "Tile", 0);
  LoadSkinBitmap(buttons.Bitmap, ini.ReadString(kSection, "Bitmap", ""), source);
  LoadSkinBitmap(buttons.CheckBitmap, ini.ReadString(kSection, "CheckButton", ""), source);
  LoadSkinBitmap(buttons.RadioBitmap, ini.ReadString(kSection, "RadioButton", ""), source);
  buttons.NormalColour = ini.ReadInteger(kSection, "NormalColour", kColourNotSet);
  buttons.MouseOverColour = ini.ReadInteger(kSection, "MouseOverColour", kColourNotSet);
  buttons.PressedColour = ini.ReadInteger(kSection, "PressedColour", kColourNotSet);
  buttons.RadioButtonFrame = ini.ReadInteger(kSection, "RadioButtonFrame", 0);
  buttons.CheckButtonFrame = ini.ReadInteger(kSection, "CheckButtonFrame", 0);
  if (buttons.Tile > 1) buttons.Tile = 0;
  buttons.HasNormalColour2 = HasValue(ini, kSection, "NormalColour2");
  buttons.HasMouseOverColour2 = HasValue(ini, kSection, "MouseOverColour2");
  buttons.HasPressedColour2 = HasValue(ini, kSection, "PressedColour2");
  buttons.NormalColour2 = ParseColour(ini.ReadString(kSection, "NormalColour2", ""), buttonText);
  buttons.MouseOverColour2 = ParseColour(ini.ReadString(kSection, "MouseOverColour2", ""), buttonText);
  buttons.PressedColour2 = ParseColour(ini.ReadString(kSection, "PressedColour2", ""), buttonText);
}

void LoadFrameBorder(const TQuickIni& ini, std::string_view side, TDataSkinBorder& border,
                     const SkinEntrySource& source) {
  const std::string s(side);
  const int32_t first = ini.ReadInteger(kPersonality, s + "TopHeight", 0);
  const int32_t second = ini.ReadInteger(kPersonality, s + "BotHeight", 0);
  if (side == "Left" || side == "Right") {
    border.TopHeight = first;
    border.BottomHeight = second;
    border.LeftWidth = border.RightWidth = 0;
  } else {
    border.LeftWidth = first;
    border.RightWidth = second;
    border.TopHeight = border.BottomHeight = 0;
  }
  border.Frame = ini.ReadInteger(kPersonality, s + "Frame", 1);
  border.Tile = ini.ReadInteger(kPersonality, s + "Stretch", 1);
  if (border.Tile > 1) border.Tile = 1;
  border.Trans = ini.ReadInteger(kPersonality, s + "Trans", 1);
  LoadSkinBitmap(border.Bitmap, ini.ReadString(kPersonality, s, ""), source);
}

void LoadCaption(const TQuickIni& ini, TDataSkinTitle& title, const SkinEntrySource& source) {
  LoadSkinBitmap(title.Bitmap, ini.ReadString(kPersonality, "TextBack", ""), source);
  title.LeftWidth = ini.ReadInteger(kPersonality, "TextShift", 0);
  title.TopHeight = ini.ReadInteger(kPersonality, "TextShiftVert", 0);
  title.RightWidth = ini.ReadInteger(kPersonality, "TextRightClip", 0);
  title.BottomHeight = 0;
  title.TextAlignment = ini.ReadInteger(kPersonality, "TextAlignment", 0);
  title.Textbackground = ini.ReadInteger(kPersonality, "Textbackground", 0);
  title.TXTBackleft = ini.ReadInteger(kPersonality, "TXTBackleft", 0);
  title.TXTBackRight = ini.ReadInteger(kPersonality, "TXTBackRight", 0);
  title.FontHeight = ini.ReadInteger("Fonts", "FontHeight", 14);
  auto textColour = [&](const std::string& prefix) {
    const int32_t r = ini.ReadInteger(kPersonality, prefix + "R", -1);
    const int32_t g = ini.ReadInteger(kPersonality, prefix + "G", -1);
    const int32_t b = ini.ReadInteger(kPersonality, prefix + "B", -1);
    if (r < 0 || g < 0 || b < 0) return kTitleColourNotSet;
    return Rgb(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
  };
  title.ActiveTextColor = textColour("ActiveText");
  title.InActiveTextColor = textColour("InActiveText");
}

void LoadColours(const TQuickIni& ini, const std::vector<std::string>& sections, SkinDefinition& skin) {
  struct Key {
    int index;
    std::string_view name;
    Colour def;
    bool defIsButtonFace = false;  // "Menubar" defaults to the ButtonFace just read
  };
  static constexpr Key kKeys[] = {
      {kScWindowText, "WindowText", SysColourRef(kColorWindowText)},
      {kScButtonFace, "ButtonFace", SysColourRef(kColorBtnFace)},
      {kScScrollbar, "Scrollbar", SysColourRef(kColorScrollbar)},
      {kScHilightText, "HilightText", SysColourRef(kColorHighlightText)},
      {kScHilight, "Hilight", SysColourRef(kColorHighlight)},
      {kScMenubar, "Menubar", 0, true},
      {kScMenu, "Menu", SysColourRef(kColorMenu)},
      {kScMenuText, "MenuText", SysColourRef(kColorMenuText)},
      {kScButtonText, "ButtonText", SysColourRef(kColorBtnText)},
      {kScButtonHilight, "ButtonHilight", SysColourRef(kColorBtnHighlight)},
      {kScButtonlight, "Buttonlight", SysColourRef(kColorBtnHighlight)},
      {kScButtonShadow, "ButtonShadow", SysColourRef(kColorBtnShadow)},
      {kScButtonDkShadow, "ButtonDkShadow", SysColourRef(kColor3DDkShadow)},
      {kScMenuBarText, "MenuBarText", SysColourRef(kColorMenuText)},
      {kScTitleTextActive, "TitleTextActive", SysColourRef(kColorCaptionText)},
      {kScTitleTextNoActive, "TitleTextNoActive", SysColourRef(kColorInactiveCaptionText)},
  };
  for (const Key& k : kKeys) {
    const Colour def = k.defIsButtonFace ? skin.SkinColors[kScButtonFace] : k.def;
    const std::string value = ini.ReadString("Colours", k.name, "");
    skin.SkinColorSet[static_cast<size_t>(k.index)] = !value.empty();
    skin.SkinColors[static_cast<size_t>(k.index)] = ParseColour(value, def);
  }

  skin.ColourList.clear();
  for (const std::string& s : sections) {
    const std::string up = UpperAscii(s);
    if (up.rfind("COLOUR", 0) == 0 && up != "COLOURS") {
      skin.ColourList.push_back(ParseColour(ini.ReadString(s, "color", ""), SysColourRef(kColorWindowText)));
    }
  }
  for (int i = 0; i < kCustomColourCount; ++i) {
    const std::string key = "Color" + std::to_string(i);
    skin.CustomColorList[static_cast<size_t>(i)] = ParseColour(ini.ReadString("Customcolors", key, ""), kWhite);
  }
}

}  // namespace skin
