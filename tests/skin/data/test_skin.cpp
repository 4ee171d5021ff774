#include "test_skin.h"

#include <cctype>

#include "bmp_files.h"
#include "skin/data/skin_format.h"

namespace skintest {

bool MapSource::GetEntry(std::string_view name, std::vector<uint8_t>& target) const {
  std::string key(name);
  for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const auto it = entries_.find(key);
  target = it == entries_.end() ? std::vector<uint8_t>{} : it->second;
  return !target.empty();
}

void MapSource::Put(std::string name, std::vector<uint8_t> bytes) { entries_[std::move(name)] = std::move(bytes); }

std::string TestSkinIni() {
  return R"(; test skin
[TitlebarSkin]
SkinName=Test skin

[Personality]
Left=left.bmp
LeftTopHeight=5
LeftBotHeight=6
LeftFrame=2
LeftStretch=0
LeftTrans=0
Right=right.bmp
Top=top.bmp
TopTopHeight=7
TopBotHeight=8
TopFrame=2
TopStretch=4
Bottom=bottom.bmp
TextBack=textback.bmp
TextShift=3
TextShiftVert=4
TextRightClip=5
TextAlignment=1
TXTBackleft=6
TXTBackRight=7
ActiveTextR=10
ActiveTextG=20
ActiveTextB=30
InActiveTextR=1
menuBar=menubar.bmp
TileMenu=5
TileRightMenu=9

[Fonts]
FontHeight=12

[Colours]
WindowText=1,2,3
ButtonFace=200,201,202
ButtonText=9,8,7
Hilight=junk

[Colour1]
color=5,6,7
[Colour2]
[COLOURS]
color=1,1,1

[Customcolors]
Color3=1,1,1

[Buttons]
Bitmap=button.bmp
CheckButton=check.bmp
RadioButton=radio.bmp
LeftWidth=4
TopHeight=3
Tile=2
NormalColour=0x0000FF
NormalColour2=255,128,0

[Button.Close]
Action=0
Align=1
Xcoord=20
Ycoord=3
ButtonImage=close.bmp
[Button.Max]
Action=1
Visibility=2
Xcoord=40
Ycoord=5
ButtonImage=max.bmp
[Button.Restore]
Action=4
Xcoord=99
ButtonImage=max.bmp
[Button.Hidden]
Action=-1
ButtonImage=close.bmp
[Button.Kept]
Action=-1
Visibility=0
ButtonImage=close.bmp
[Button.Help]
Action=3
ButtonImage=close.bmp
[Button.Radio]
Image=radio.bmp

[MDICONTROLS]
Image=mdi.bmp

[Progress]
Bitmap=progress.bmp
Style=1
Tile=3
Frame=9

[Progress.Chunk]
Image=chunk.bmp

[GroupBoxEdge]
Image=c:\skins\Edge.bmp

[GroupBox]
Image=groupbox.bmp
BackgroundAlignment=2
BackgroundLeftShift=3

[Tab.Pane]
Image=pane.bmp
LeftWidth=9
TopHeight=2
RightWidth=-3

[SunkEdge]
Image=sunk.bmp
LeftWidth=2
TopHeight=2
RightWidth=2
BottomHeight=2

[ComboButton]
Image=combo.bmp
****=ignored.bmp

[ExtraImages]
Image=extra.bmp

[Headerbar]
Image=header.bmp
Frame=0

[MenuItem]
Image=item.BMP

[Scrollbar]
Image=scroll.bmp
Frame=2
Tile=1

[HorzScrollThumb]
Image=thumb.bmp
FrameCount=7

[Trackbar.ThumbUp]
Image=thumb.bmp
NormalColour2=1 2 3

[UpDown.Horz]
Image=updown.bmp
GlyphImage=glyph.bmp
)";
}

std::map<std::string, std::vector<uint8_t>> TestSkinPictures() {
  std::map<std::string, std::vector<uint8_t>> p;
  p["left.bmp"] = Bmp24(Gradient(8, 30, 1));
  p["right.bmp"] = Bmp24(Gradient(4, 30, 2));
  skin::Bitmap top(30, 20, 0x808080);
  top.SetPixel(10, 3, kTopBorder);
  p["top.bmp"] = Bmp24(top);
  p["bottom.bmp"] = Bmp24(Gradient(30, 4, 3));
  p["textback.bmp"] = Bmp24(Gradient(12, 10, 4));
  p["menubar.bmp"] = Bmp24(Gradient(20, 10, 5));
  p["button.bmp"] = Bmp24(Gradient(50, 20, 6));
  p["check.bmp"] = Bmp24(Gradient(26, 13, 7));
  p["radio.bmp"] = Bmp24(Gradient(96, 16, 8));
  p["close.bmp"] = Bmp24(Gradient(57, 19, 9));
  p["max.bmp"] = Bmp24(Gradient(120, 19, 10));
  p["mdi.bmp"] = Bmp24(Gradient(48, 10, 11));
  p["progress.bmp"] = Bmp24(Gradient(10, 10, 12));
  p["chunk.bmp"] = Bmp24(Gradient(6, 6, 13));
  p["edge.bmp"] = Bmp24(Gradient(8, 8, 14));
  p["groupbox.bmp"] = Bmp24(Gradient(9, 9, 15));
  p["pane.bmp"] = Bmp24(Gradient(9, 9, 16));
  p["header.bmp"] = Bmp24(Gradient(25, 6, 17));
  p["item.bmp"] = Bmp24(Gradient(5, 5, 18));
  p["scroll.bmp"] = Bmp24(Gradient(46, 4, 19));
  p["thumb.bmp"] = Bmp24(Gradient(21, 7, 20));
  p["updown.bmp"] = Bmp24(Gradient(32, 8, 21));
  p["glyph.bmp"] = Bmp24(Gradient(16, 4, 22));
  p["ignored.bmp"] = Bmp24(Gradient(3, 3, 23));

  // SunkEdge: four 10 x 21 frames of one colour each, the first pixel of each frame marked.
  skin::Bitmap sunk(40, 21);
  for (int k = 0; k < 4; ++k) {
    sunk.FillRect({10 * k, 0, 10 * k + 10, 21}, kSunk[k]);
    sunk.SetPixel(10 * k, 0, kSunkCorner);
  }
  p["sunk.bmp"] = Bmp24(sunk);
  // ComboButton: four 17 x 21 frames, left 8 columns magenta, the rest one colour each.
  skin::Bitmap combo(68, 21, skin::kMagenta);
  for (int k = 0; k < 4; ++k) combo.FillRect({17 * k + 8, 0, 17 * k + 17, 21}, kCombo[k]);
  p["combo.bmp"] = Bmp24(combo);
  // ExtraImages: five 7 x 7 frames, a magenta ring around a 5 x 5 square.
  skin::Bitmap extra(35, 7, skin::kMagenta);
  for (int k = 0; k < 5; ++k) extra.FillRect({7 * k + 1, 1, 7 * k + 6, 6}, kExtra[k]);
  p["extra.bmp"] = Bmp24(extra);
  return p;
}

skin::SkinEntries TestSkinEntries(const std::string& ini) {
  skin::SkinEntries entries;
  entries.emplace_back("Skin.ini", std::vector<uint8_t>(ini.begin(), ini.end()));
  for (auto& [name, bytes] : TestSkinPictures()) entries.emplace_back(name, std::move(bytes));
  return entries;
}

std::vector<uint8_t> TestSkinFile() { return skin::WriteSkinFile(skin::kCurrentSkinVersion, TestSkinEntries(TestSkinIni())); }

}  // namespace skintest
