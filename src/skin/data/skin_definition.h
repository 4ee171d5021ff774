#pragma once
// The skin as the painters see it: every skin object slot and colour table filled from one skin
// definition, and the load sequence that fills them.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/colour.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_objects.h"

namespace skin {

// Where the load takes its pictures from: the entries of the skin file.
class SkinEntrySource {
 public:
  virtual ~SkinEntrySource() = default;
  // The bytes of the entry of that name (compared without ASCII case); false and an empty target
  // when there is none.
  virtual bool GetEntry(std::string_view name, std::vector<uint8_t>& target) const = 0;
};

constexpr int kSkinColourCount = 19;
constexpr int kCustomColourCount = 10;

// Indexes into SkinColors.
enum SkinColourIndex : int {
  kScWindowText = 0,
  kScTitleTextActive = 1,
  kScTitleTextNoActive = 2,
  kScButtonFace = 3,
  kScButtonText = 4,
  kScButtonHilight = 5,
  kScButtonlight = 6,
  kScButtonShadow = 7,
  kScButtonDkShadow = 8,
  kScHilightText = 11,
  kScHilight = 12,
  kScMenubar = 13,
  kScMenuBarText = 14,
  kScMenuText = 15,
  kScMenu = 16,
  kScScrollbar = 18,
};

struct SkinDefinition {
  // Made once and only refilled by each load.
  TDataSkinTitle Title{"Title"};
  TDataSkinButton Buttons{"Buttons"};
  TDataSkinBorder LeftBorder{"Left"};
  TDataSkinBorder RightBorder{"Right"};
  TDataSkinBorder TopBorder{"Top"};
  TDataSkinBorder BottomBorder{"Bottom"};

  // Caption buttons in definition order, then the three MDI buttons.
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;

  // Empty (no object) when the definition gives the section no image.
  std::unique_ptr<TDataSkinBorder> Progress;
  std::unique_ptr<TDataSkinObject> ProgressChunk;
  std::unique_ptr<TDataSkinObject> MenuBarSkin;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> TabPane;
  std::unique_ptr<TDataSkinObject> ToolBars;
  std::unique_ptr<TDataSkinBorder> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> Scrollbar;
  std::unique_ptr<TDataSkinObject> HorzScroll;
  std::unique_ptr<TDataSkinObject> VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb;
  std::unique_ptr<TDataSkinObject> VertScrollThumb;
  std::unique_ptr<TDataSkinObject> TrackThumbHorz;
  std::unique_ptr<TDataSkinObject> TrackThumbVert;
  std::unique_ptr<TDataSkinObject> TrackThumbLeft;
  std::unique_ptr<TDataSkinObject> TrackThumbRight;
  std::unique_ptr<TDataSkinObject> TrackThumbUp;
  std::unique_ptr<TDataSkinObject> TrackThumbDown;
  std::unique_ptr<TDataSkinBorder> UpDownHorz;
  std::unique_ptr<TDataSkinBorder> UpDownVert;
  std::unique_ptr<TDataSkinObject> Track;
  std::unique_ptr<TDataSkinObject> TrackVertical;
  // Derived after loading; made at the first derivation and kept across loads.
  std::unique_ptr<TDataSkinObject> ComboArrow;
  std::unique_ptr<TDataSkinObject> ToolbarBack;

  std::array<Colour, kSkinColourCount> SkinColors{};
  std::array<bool, kSkinColourCount> SkinColorSet{};
  std::vector<Colour> ColourList;
  std::array<Colour, kCustomColourCount> CustomColorList{};
  Colour BorderColor = 0;  // plain RGB
  std::string SkinName;
  bool SkinEmpty = true;  // true until a load completes
};

// The entry name an image value refers to: its file-name part (after the last "\" or drive colon,
// double-byte characters respected) when its extension is exactly ".bmp"; empty otherwise.
std::string SkinImageName(std::string_view value);

// Loads the picture that a definition value names, or empties the bitmap. Throws BmpError for a
// broken picture.
void LoadSkinBitmap(skin::Bitmap& bitmap, std::string_view value, const SkinEntrySource& source);

// The whole load sequence over one definition. A broken picture throws BmpError out of the load;
// SkinEmpty then stays true.
void LoadSkinDefinition(SkinDefinition& skin, const TQuickIni& ini, const SkinEntrySource& source);

}  // namespace skin
