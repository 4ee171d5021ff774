#include "skin/data/skin_definition.h"

#include <algorithm>

#include "skin/data/bmp_loader.h"
#include "skin/data/img_util.h"
#include "skin/data/skin_derived.h"
#include "skin/data/skin_sections.h"
#include "skin/data/system_info.h"

namespace skin {

std::string SkinImageName(std::string_view value) {
  // A GBK trail byte can look like "\" or ":", so double-byte characters are stepped over whole.
  size_t start = 0, dot = std::string_view::npos;
  for (size_t i = 0; i < value.size();) {
    const auto c = static_cast<unsigned char>(value[i]);
    if (c >= 0x81 && c <= 0xFE && i + 1 < value.size()) {
      i += 2;
      continue;
    }
    if (c == '\\' || c == ':') {
      start = i + 1;
      dot = std::string_view::npos;
    } else if (c == '.') {
      dot = i;
    }
    ++i;
  }
  const std::string_view name = value.substr(start);
  if (name.empty() || dot == std::string_view::npos || value.substr(dot) != ".bmp") return {};
  return std::string(name);
}

void LoadSkinBitmap(skin::Bitmap& bitmap, std::string_view value, const SkinEntrySource& source) {
  const std::string name = SkinImageName(value);
  std::vector<uint8_t> bytes;
  if (name.empty() || !source.GetEntry(name, bytes) || bytes.empty()) {
    bitmap.Clear();
    return;
  }
  bitmap = LoadBmp(bytes);
}

namespace {

template <class T>
void Reload(std::unique_ptr<T>& slot, const auto& load) {
  slot.reset();  // a load that fails leaves the slot empty, never the previous skin's object
  slot = load();
}

}  // namespace

void LoadSkinDefinition(SkinDefinition& skin, const TQuickIni& ini, const SkinEntrySource& source) {
  skin.SkinEmpty = true;
  const std::vector<std::string> sections = ini.ReadSections();
  skin.SkinName = ini.ReadString("TitlebarSkin", "SkinName", "");

  LoadFrameBorder(ini, "Left", skin.LeftBorder, source);
  LoadFrameBorder(ini, "Right", skin.RightBorder, source);
  LoadFrameBorder(ini, "Top", skin.TopBorder, source);
  LoadFrameBorder(ini, "Bottom", skin.BottomBorder, source);
  LoadColours(ini, sections, skin);
  skin.SysButtons.clear();
  skin.SysButtons = LoadSysButtons(ini, sections, source);
  const Colour buttonText = skin.SkinColors[kScButtonText];
  LoadPushButtons(ini, skin.Buttons, source, buttonText);
  LoadCaption(ini, skin.Title, source);

  auto generic = [&](std::unique_ptr<TDataSkinObject>& slot, std::string_view section) {
    Reload(slot, [&] { return LoadImageObject(ini, section, source, buttonText); });
  };
  auto withSecond = [&](std::unique_ptr<TDataSkinBorder>& slot, std::string_view section, std::string_view key) {
    Reload(slot, [&] { return LoadImageObject2(ini, section, key, source, buttonText); });
  };
  Reload(skin.Progress, [&] { return LoadProgress(ini, source); });
  generic(skin.ProgressChunk, "Progress.Chunk");
  Reload(skin.MenuBarSkin, [&] { return LoadMenuBar(ini, source); });
  generic(skin.GroupBoxEdge, "GroupBoxEdge");
  Reload(skin.GroupBox, [&] { return LoadGroupBox(ini, source, buttonText); });
  withSecond(skin.Tabs, "Tabs", "Border");
  generic(skin.StatusBarEdges, "StatusBarEdges");
  generic(skin.TabPane, "Tab.Pane");
  if (skin.TabPane) {
    const Margins m = skin.TabPane->GetMargins();
    skin.TabPane->SetMargins({std::min(m.left, 4), std::min(m.top, 4), std::min(m.right, 4), std::min(m.bottom, 4)});
  }
  generic(skin.ToolBars, "ToolBars");
  withSecond(skin.ComboButton, "ComboButton", "****");
  generic(skin.SunkEdge, "SunkEdge");
  if (skin.ComboButton && !skin.ComboButton->Bitmap.Empty()) {
    skin.ComboButton->Bitmap2 = skin.ComboButton->Bitmap;
    MirrorBitmap(skin.ComboButton->Bitmap2);
  }

  generic(skin.ExtraImages, "ExtraImages");
  generic(skin.Headerbar, "Headerbar");
  generic(skin.MenuItem, "MenuItem");
  generic(skin.MenuBackground, "MenuBackground");
  generic(skin.Scrollbar, "Scrollbar");
  generic(skin.HorzScroll, "HorzScroll");
  generic(skin.VertScroll, "VertScroll");
  generic(skin.HorzScrollThumb, "HorzScrollThumb");
  generic(skin.VertScrollThumb, "VertScrollThumb");
  generic(skin.TrackThumbHorz, "Trackbar.ThumbHorz");
  generic(skin.TrackThumbVert, "Trackbar.ThumbVert");
  generic(skin.TrackThumbLeft, "Trackbar.ThumbLeft");
  generic(skin.TrackThumbRight, "Trackbar.ThumbRight");
  generic(skin.TrackThumbUp, "Trackbar.ThumbUp");
  generic(skin.TrackThumbDown, "Trackbar.ThumbDown");
  withSecond(skin.UpDownHorz, "UpDown.Horz", "GlyphImage");
  withSecond(skin.UpDownVert, "UpDown.Vert", "GlyphImage");
  generic(skin.Track, "Track");
  generic(skin.TrackVertical, "TRACKVERT");
  AddBuiltInTracks(skin);

  ApplyFixedFrameCounts(skin, ini);
  BuildComboComposite(skin, HorzScrollArrowWidth());
  BuildComboArrow(skin);
  // The border colour is taken before the tool bar background that mixes it, so the background
  // depends on this skin only and not on the one loaded before it.
  skin.BorderColor = ComputeBorderColor(skin);
  BuildToolbarBack(skin);
  skin.SkinEmpty = false;
}

}  // namespace skin
