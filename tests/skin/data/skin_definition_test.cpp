// The load sequence over a complete hand-made skin packed as a real skin file, and the rules of
// each section shape, the derived images and the reload behaviour.
#include <gtest/gtest.h>

#include "bmp_files.h"
#include "skin/data/bmp_loader.h"
#include "skin/data/img_util.h"
#include "skin/data/skin_derived.h"
#include "skin/data/skin_load.h"
#include "skin/data/system_info.h"
#include "test_skin.h"

namespace {

using skin::Bitmap;
using skin::Colour;
using skin::SkinDefinition;
using skin::SysColourRef;

Bitmap Picture(const std::string& name) { return skin::LoadBmp(skintest::TestSkinPictures().at(name)); }

class LoadedTestSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    def_ = new SkinDefinition;
    ASSERT_EQ(skin::LoadSkinFile(skintest::TestSkinFile(), *def_), skin::ReadStatus::Ok);
  }
  static void TearDownTestSuite() {
    delete def_;
    def_ = nullptr;
  }
  static const SkinDefinition& S() { return *def_; }
  static int32_t W() { return skin::HorzScrollArrowWidth() + 2; }

  static SkinDefinition* def_;
};
SkinDefinition* LoadedTestSkin::def_ = nullptr;

skin::Margins M(const skin::TDataSkinObject& o) { return o.GetMargins(); }

TEST_F(LoadedTestSkin, NameAndFrameBorders) {
  EXPECT_FALSE(S().SkinEmpty);
  EXPECT_EQ(S().SkinName, "Test skin");
  const auto& l = S().LeftBorder;
  EXPECT_EQ(M(l), (skin::Margins{0, 5, 0, 6}));
  EXPECT_EQ(l.Frame, 2);
  EXPECT_EQ(l.Tile, 0);
  EXPECT_EQ(l.Trans, 0);
  EXPECT_EQ(l.Bitmap, Picture("left.bmp"));
  const auto& r = S().RightBorder;  // every key absent: the border defaults
  EXPECT_EQ(M(r), (skin::Margins{0, 0, 0, 0}));
  EXPECT_EQ(r.Frame, 1);
  EXPECT_EQ(r.Tile, 1);
  EXPECT_EQ(r.Trans, 1);
  const auto& t = S().TopBorder;  // top and bottom margins go left and right
  EXPECT_EQ(M(t), (skin::Margins{7, 0, 8, 0}));
  EXPECT_EQ(t.Tile, 1);  // 4 becomes 1
  EXPECT_EQ(t.Name, "Top");
  EXPECT_EQ(S().BorderColor, skintest::kTopBorder);
}

TEST_F(LoadedTestSkin, ColourTables) {
  struct Expect {
    int index;
    Colour colour;
    bool set;
  } expect[] = {
      {0, skin::Rgb(1, 2, 3), true},         {1, SysColourRef(9), false},  {2, SysColourRef(19), false},
      {3, skin::Rgb(200, 201, 202), true},   {4, skin::Rgb(9, 8, 7), true}, {5, SysColourRef(20), false},
      {6, SysColourRef(20), false},          {7, SysColourRef(16), false}, {8, SysColourRef(21), false},
      {9, 0, false},                         {10, 0, false},               {11, SysColourRef(14), false},
      {12, 0, true},  // a value without digits is given: black
      {13, skin::Rgb(200, 201, 202), false},  // Menubar takes the ButtonFace just read
      {14, SysColourRef(7), false},          {15, SysColourRef(7), false}, {16, SysColourRef(4), false},
      {17, 0, false},                        {18, SysColourRef(0), false},
  };
  for (const Expect& e : expect) {
    EXPECT_EQ(S().SkinColors[static_cast<size_t>(e.index)], e.colour) << e.index;
    EXPECT_EQ(S().SkinColorSet[static_cast<size_t>(e.index)], e.set) << e.index;
  }
  EXPECT_EQ(S().ColourList, (std::vector<Colour>{skin::Rgb(5, 6, 7), SysColourRef(8)}));
  for (int i = 0; i < 10; ++i) EXPECT_EQ(S().CustomColorList[static_cast<size_t>(i)], i == 3 ? 0x010101 : 0xFFFFFF);
}

TEST_F(LoadedTestSkin, CaptionButtons) {
  struct Expect {
    const char* name;
    int32_t action, align, x, y, visibility, visibility1, combineOp, frame;
    int32_t imageWidth;
  } expect[] = {
      {"BUTTON.CLOSE", 0, 1, 20, 3, 0, 0, -1, 3, 57},      // 57 / 19 = 3.0: three frames
      {"BUTTON.MAX", 1, 0, 40, 5, 2, 0, -1, 6, 120},       // 120 / 19 > 3.8: six
      {"BUTTON.RESTORE", 4, 0, 40, 5, 0, 0, -1, 6, 120},   // takes the maximize button's point
      {"BUTTON.KEPT", -1, 0, 0, 0, 0, -1, -1, 6, 57},      // Action -1 kept by Visibility 0
      {"BUTTON.HELP", 3, 0, 0, 0, 0, 0, -1, 3, 0},         // Action 3: image dropped
      {"MDICONTROLS", 7, 100, 24, 0, 100, 100, 0, 4, 16},
      {"MDICONTROLS", 8, 100, 16, 0, 100, 100, 0, 4, 16},
      {"MDICONTROLS", 9, 100, 8, 0, 100, 100, 0, 4, 16},
  };
  ASSERT_EQ(S().SysButtons.size(), std::size(expect));
  for (size_t i = 0; i < std::size(expect); ++i) {
    const auto& b = *S().SysButtons[i];
    const Expect& e = expect[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(b.Name, e.name);
    EXPECT_EQ(b.Action, e.action);
    EXPECT_EQ(b.Align, e.align);
    EXPECT_EQ(b.Xcoord, e.x);
    EXPECT_EQ(b.Ycoord, e.y);
    EXPECT_EQ(b.Visibility, e.visibility);
    EXPECT_EQ(b.Visibility1, e.visibility1);
    EXPECT_EQ(b.CombineOp, e.combineOp);
    EXPECT_EQ(b.Frame, e.frame);
    EXPECT_EQ(b.Bitmap.Width(), e.imageWidth);
  }
  // The MDI image holds twelve frames, four per button.
  const Bitmap mdi = Picture("mdi.bmp");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(S().SysButtons[5 + static_cast<size_t>(i)]->Bitmap, skin::CopyRect(mdi, {16 * i, 0, 16 * i + 16, 10}));
  }
}

TEST_F(LoadedTestSkin, PushButtonsAndCaption) {
  const auto& b = S().Buttons;
  EXPECT_EQ(M(b), (skin::Margins{4, 3, 0, 0}));
  EXPECT_EQ(b.Tile, 0);  // 2 becomes 0
  EXPECT_EQ(b.Frame, 5);
  EXPECT_EQ(b.NormalColour, 0xFF);
  EXPECT_EQ(b.MouseOverColour, -1);
  EXPECT_TRUE(b.HasNormalColour2);
  EXPECT_FALSE(b.HasMouseOverColour2);
  EXPECT_EQ(b.NormalColour2, skin::Rgb(255, 128, 0));
  EXPECT_EQ(b.MouseOverColour2, skin::Rgb(9, 8, 7));  // the skin's button text colour
  EXPECT_EQ(b.CheckButtonFrame, 4);                    // 26 / 13 = 2, at least 4
  EXPECT_EQ(b.RadioButtonFrame, 6);                    // 96 / 16
  EXPECT_EQ(b.CheckBitmap, Picture("check.bmp"));

  const auto& t = S().Title;
  EXPECT_EQ(t.TextShift(), 3);
  EXPECT_EQ(t.TextShiftVert(), 4);
  EXPECT_EQ(t.TextRightClip(), 5);
  EXPECT_EQ(t.BottomHeight, 0);
  EXPECT_EQ(t.TextAlignment, 1);
  EXPECT_EQ(t.TXTBackleft, 6);
  EXPECT_EQ(t.TXTBackRight, 7);
  EXPECT_EQ(t.FontHeight, 12);
  EXPECT_EQ(t.ActiveTextColor, skin::Rgb(10, 20, 30));
  EXPECT_EQ(t.InActiveTextColor, skin::kTitleColourNotSet);  // only R given
  EXPECT_EQ(t.Frame, 2);
  EXPECT_EQ(t.Bitmap, Picture("textback.bmp"));
}

TEST_F(LoadedTestSkin, ImageObjectsAndFixedFrames) {
  const auto& mb = *S().MenuBarSkin;
  EXPECT_EQ(mb.Name, "Personality");
  EXPECT_EQ(M(mb), (skin::Margins{1, 0, 9, 0}));
  EXPECT_EQ(mb.Tile, 1);
  EXPECT_EQ(mb.Frame, 2);
  EXPECT_EQ(S().Progress->Style, 1);
  EXPECT_EQ(S().Progress->Tile, 1);   // 3 becomes 1 for the progress bar
  EXPECT_EQ(S().Progress->Frame, 1);  // style not 0
  EXPECT_EQ(S().ProgressChunk->Frame, 0);  // kept as read
  EXPECT_EQ(S().GroupBoxEdge->Bitmap, Picture("edge.bmp"));  // folder part dropped, name lower-cased
  EXPECT_EQ(S().GroupBoxEdge->Frame, 2);
  EXPECT_EQ(S().GroupBox->BackgroundAlignment, 2);
  EXPECT_EQ(S().GroupBox->BackgroundLeftShift, 3);
  EXPECT_EQ(S().GroupBox->Frame, 1);
  EXPECT_EQ(M(*S().TabPane), (skin::Margins{4, 2, -3, 0}));  // limited to 4
  EXPECT_EQ(S().TabPane->Frame, 1);
  EXPECT_EQ(S().ExtraImages->Frame, 5);
  EXPECT_EQ(S().Headerbar->Frame, 5);
  ASSERT_NE(S().MenuItem, nullptr);  // "item.BMP": the object exists, its image does not
  EXPECT_TRUE(S().MenuItem->Bitmap.Empty());
  EXPECT_EQ(S().MenuItem->Frame, 5);
  EXPECT_EQ(S().Scrollbar->Frame, 23);
  EXPECT_EQ(S().Scrollbar->Tile, 1);
  EXPECT_EQ(S().HorzScrollThumb->Frame, 7);
  EXPECT_EQ(S().TrackThumbUp->Frame, 5);
  EXPECT_EQ(S().TrackThumbUp->NormalColour2, skin::Rgb(1, 2, 3));
  EXPECT_EQ(S().UpDownHorz->Frame, 8);
  EXPECT_EQ(S().UpDownHorz->Bitmap2, Picture("glyph.bmp"));
  for (const auto* slot : {&S().Tabs}) EXPECT_EQ(*slot, nullptr);
  EXPECT_EQ(S().StatusBarEdges, nullptr);
  EXPECT_EQ(S().ToolBars, nullptr);
  EXPECT_EQ(S().VertScrollThumb, nullptr);
  EXPECT_EQ(S().UpDownVert, nullptr);
}

TEST_F(LoadedTestSkin, BuiltInTracks) {
  const std::map<char, Colour> c = {{'S', 0xC0C0C0}, {'G', 0x808080}, {'W', 0xFFFFFF}};
  const Bitmap track = skintest::Picture({"SSGGGGGGGGGGGGWW", "SSWWWWWWWWWWWWWW", "GSWWWWWWWWWWWWWW", "SSWWWWWWWWWWWWWW"}, c);
  const Bitmap vert = skintest::Picture({"SSGS", "SSSS", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW",
                                         "GWWW", "GWWW", "GWWW", "GWWW", "WWWW", "WWWW"}, c);
  EXPECT_EQ(S().Track->Name, "TRACK");
  EXPECT_EQ(S().Track->Bitmap, track);
  EXPECT_EQ(S().TrackVertical->Bitmap, vert);
  for (const auto* t : {S().Track.get(), S().TrackVertical.get()}) {
    EXPECT_EQ(M(*t), (skin::Margins{3, 3, 3, 3}));
    EXPECT_EQ(t->Tile, 0);
    EXPECT_EQ(t->Frame, 1);
  }
}

TEST_F(LoadedTestSkin, ComboBoxComposite) {
  const int32_t w = W();
  const auto& button = *S().ComboButton;
  const auto& sunk = *S().SunkEdge;
  EXPECT_EQ(button.Style, 2);
  EXPECT_EQ(M(button), (skin::Margins{2, 2, w + 2, 2}));
  EXPECT_EQ(M(sunk), (skin::Margins{w + 2, 2, 2, 2}));
  EXPECT_EQ(button.Frame, 4);
  EXPECT_EQ(sunk.Frame, 4);
  Bitmap mirrored = Picture("combo.bmp");  // the second image is the original, mirrored
  skin::MirrorBitmap(mirrored);
  EXPECT_EQ(button.Bitmap2, mirrored);

  const Bitmap& strip = button.Bitmap;
  ASSERT_EQ(strip.Dimensions(), (skin::Size{200, 21}));
  const int32_t ex = 50 - w + (w - 7) / 2;  // left of the centred extra image
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    const int32_t x0 = 50 * k;
    EXPECT_EQ(strip.Pixel(x0, 0), skintest::kSunkCorner);     // corner copied
    EXPECT_EQ(strip.Pixel(x0 + 1, 0), skintest::kSunk[k]);     // edge stretched
    EXPECT_EQ(strip.Pixel(x0 + 10, 1), skintest::kSunk[k]);
    EXPECT_EQ(strip.Pixel(x0 + 10, 10), skin::kMagenta);       // inside left open
    EXPECT_EQ(strip.Pixel(x0 + 48 - w, 17), skin::kMagenta);
    EXPECT_EQ(strip.Pixel(x0 + 49 - w, 17), skintest::kSunk[k]);
    EXPECT_EQ(strip.Pixel(x0 + 50 - w, 10), skintest::kSunk[k]);  // combo's magenta shows the edge
    EXPECT_EQ(strip.Pixel(x0 + 49, 10), skintest::kCombo[k]);
    EXPECT_EQ(strip.Pixel(x0 + ex + 3, 10), skintest::kExtra[k]);  // extra image on top
  }
  Bitmap back = strip;
  skin::MirrorBitmap(back);
  EXPECT_EQ(sunk.Bitmap, back);

  const auto& arrow = *S().ComboArrow;
  EXPECT_EQ(arrow.Name, "ComboxArrow");
  EXPECT_EQ(arrow.Frame, 4);
  ASSERT_EQ(arrow.Bitmap.Dimensions(), (skin::Size{68, 17}));
  for (int i = 0; i < 4; ++i) {
    const Bitmap cell = skin::CopyRect(arrow.Bitmap, {17 * i, 0, 17 * i + 17, 17});
    EXPECT_EQ(cell, skin::CopyRect(strip, {50 * (i + 1) - 19, 2, 50 * (i + 1) - 2, 19}));
    EXPECT_EQ(cell.Pixel(16, 8), skintest::kCombo[i]);
  }
}

TEST_F(LoadedTestSkin, ToolbarBackground) {
  // Top: 15 % ButtonFace (200, 201, 202) with white. Bottom: the border colour (200, 40, 40) has
  // saturation 204, so it is mixed with white at (5625 - 25 * 204) / 140 + 50 = 53 %.
  const Colour top = 0xF7F7F7, bottom = skin::Rgb(226, 141, 141);
  const auto& tb = *S().ToolbarBack;
  EXPECT_EQ(tb.Name, "Toolbar");
  EXPECT_EQ(tb.Frame, 1);
  ASSERT_EQ(tb.Bitmap.Dimensions(), (skin::Size{10, 40}));
  const auto steps = skin::GradientSteps(40, top, bottom);
  for (int32_t y = 0; y < 40; ++y) EXPECT_EQ(tb.Bitmap.Pixel(9, y), steps[static_cast<size_t>(y)]);
}

TEST(ToolbarBack, UnsaturatedBorderMixesWithGrey) {
  SkinDefinition s;
  s.SkinColors[skin::kScButtonFace] = 0xFFFFFF;
  s.BorderColor = 0xC0C0C0;  // saturation 0: 15 % grey, 85 % border = 182
  skin::BuildToolbarBack(s);
  EXPECT_EQ(s.ToolbarBack->Bitmap.Pixel(0, 0), 0xFFFFFF);
  EXPECT_EQ(s.ToolbarBack->Bitmap.Pixel(0, 39), skin::GradientSteps(40, 0xFFFFFF, 0xB6B6B6)[39]);
  s.BorderColor = 0x101010;  // dark: the measure is 200, mixed at (5625 - 5000) / 140 + 50 = 54 %
  skin::BuildToolbarBack(s);
  EXPECT_EQ(s.ToolbarBack->Bitmap.Pixel(0, 39), skin::GradientSteps(40, 0xFFFFFF, skin::MixColors(0x101010, 0xFFFFFF, 54))[39]);
}

TEST(SkinImageName, Table) {
  struct Case {
    const char* value;
    const char* name;
  } cases[] = {
      {"a.bmp", "a.bmp"},           {"c:\\skins\\Y.bmp", "Y.bmp"}, {"d:a.bmp", "a.bmp"},
      {"x/a.bmp", "x/a.bmp"},       {"A.BMP", ""},                 {"a.Bmp", ""},
      {"a.bmp.txt", ""},            {"a.txt", ""},                 {"", ""},
      {"dir\\", ""},                {"a", ""},                     {"dir.bmp\\a", ""},
      {"\x95\x5C.bmp", "\x95\x5C.bmp"},  // a double-byte character whose second byte is "\"
      {"x\\\x95\x5C.bmp", "\x95\x5C.bmp"},
  };
  for (const Case& c : cases) EXPECT_EQ(skin::SkinImageName(c.value), c.name) << c.value;
}

TEST(LoadSkinBitmap, EmptiesOnMissingOrRefusedNames) {
  skintest::MapSource src;
  src.Put("a.bmp", skintest::Bmp24(skintest::Gradient(2, 2)));
  Bitmap b = skintest::Gradient(3, 3);
  skin::LoadSkinBitmap(b, "sub\\A.bmp", src);
  EXPECT_EQ(b, skintest::Gradient(2, 2));
  skin::LoadSkinBitmap(b, "missing.bmp", src);
  EXPECT_TRUE(b.Empty());
  b = skintest::Gradient(3, 3);
  skin::LoadSkinBitmap(b, "A.BMP", src);
  EXPECT_TRUE(b.Empty());
  src.Put("bad.bmp", {'B', 'M', 1, 2, 3});
  EXPECT_THROW(skin::LoadSkinBitmap(b, "bad.bmp", src), skin::BmpError);
}

SkinDefinition LoadText(const std::string& ini, const skintest::MapSource& src) {
  skin::TQuickIni q;
  q.LoadFromText(ini);
  SkinDefinition s;
  skin::LoadSkinDefinition(s, q, src);
  return s;
}

TEST(LoadSkinDefinition, ComboArrowWithoutSunkEdgeReplacesMagenta) {
  skintest::MapSource src(skintest::TestSkinPictures());
  const SkinDefinition s = LoadText("[Colours]\nButtonFace=1,2,3\n[ComboButton]\nImage=combo.bmp\n", src);
  Bitmap expected = Picture("combo.bmp");
  skin::ReplaceMagenta(expected, skin::Rgb(1, 2, 3));
  ASSERT_NE(s.ComboArrow, nullptr);
  EXPECT_EQ(s.ComboArrow->Bitmap, expected);
  EXPECT_EQ(s.ComboArrow->Frame, 4);
  EXPECT_EQ(s.ComboButton->Style, 0);  // no composite without SunkEdge
}

TEST(LoadSkinDefinition, CaptionButtonSelection) {
  skintest::MapSource src;
  const SkinDefinition s = LoadText(
      "[BUTTON]\n[Buttons]\n[button.checkbox]\n[ButtonX]\nAction=4\nXcoord=5\n[Buttonz]\nAction=-1\nVisibility=3\n"
      "[Button.A]\nAction=1\nVisibility=2\nXcoord=7\nYcoord=8\n[Button.B]\nAction=4\nframe=2\n",
      src);
  ASSERT_EQ(s.SysButtons.size(), 6u);
  EXPECT_EQ(s.SysButtons[0]->Name, "BUTTONX");
  EXPECT_EQ(s.SysButtons[0]->Xcoord, 0);  // Action 4 before any remembered point: (0, 0)
  EXPECT_EQ(s.SysButtons[0]->Frame, 6);   // no image
  EXPECT_EQ(s.SysButtons[1]->Name, "BUTTON.A");
  EXPECT_EQ(s.SysButtons[2]->Xcoord, 7);
  EXPECT_EQ(s.SysButtons[2]->Ycoord, 8);
  EXPECT_EQ(s.SysButtons[2]->Frame, 2);
  EXPECT_TRUE(s.SysButtons[3]->Bitmap.Empty());  // MDI buttons without an MDI image
}

TEST(LoadSkinDefinition, FrameCountZeroNeverDivides) {
  skintest::MapSource src(skintest::TestSkinPictures());
  const SkinDefinition s = LoadText("[Personality]\nTop=top.bmp\nTopFrame=0\n", src);
  EXPECT_EQ(s.TopBorder.Frame, 0);  // stored unchanged
  EXPECT_EQ(s.BorderColor, 0x808080);  // sampled as if one frame: (10, 6)
}

TEST(LoadSkinDefinition, ReloadEmptiesSlotsAndKeepsDerivedObjects) {
  SkinDefinition s;
  ASSERT_EQ(skin::LoadSkinFile(skintest::TestSkinFile(), s), skin::ReadStatus::Ok);
  const Bitmap arrow = s.ComboArrow->Bitmap;
  skintest::MapSource src(skintest::TestSkinPictures());
  skin::TQuickIni q;
  q.LoadFromText("[Personality]\nTop=top.bmp\n");
  skin::LoadSkinDefinition(s, q, src);
  EXPECT_EQ(s.Progress, nullptr);
  EXPECT_EQ(s.ComboButton, nullptr);
  EXPECT_EQ(s.SunkEdge, nullptr);
  EXPECT_EQ(s.MenuBarSkin, nullptr);
  EXPECT_EQ(s.ComboArrow->Bitmap, arrow);  // no ComboButton: the arrow keeps its image
  EXPECT_EQ(s.SysButtons.size(), 3u);
  EXPECT_TRUE(s.Title.Bitmap.Empty());
  EXPECT_TRUE(s.Buttons.Bitmap.Empty());
  EXPECT_EQ(s.Track->Bitmap.Width(), 16);
  EXPECT_EQ(s.SkinName, "");
  EXPECT_FALSE(s.SkinColorSet[skin::kScButtonFace]);
}

TEST(LoadSkinDefinition, BrokenPictureEscapesAndLeavesTheSkinEmpty) {
  skintest::MapSource src;
  skintest::BmpLayout tooWide;
  tooWide.width = 100000;
  src.Put("bad.bmp", skintest::BuildBmp(tooWide));
  skin::TQuickIni q;
  q.LoadFromText("[Progress]\nBitmap=bad.bmp\n");
  SkinDefinition s;
  EXPECT_THROW(skin::LoadSkinDefinition(s, q, src), skin::BmpError);
  EXPECT_TRUE(s.SkinEmpty);
  EXPECT_EQ(s.Progress, nullptr);
}

TEST(LoadSkinFile, WithoutDefinitionLoadsDefaults) {
  skin::SkinEntries entries;
  entries.emplace_back("top.bmp", skintest::Bmp24(skintest::Gradient(3, 3)));
  SkinDefinition s;
  ASSERT_EQ(skin::LoadSkinFile(skin::WriteSkinFile(skin::kCurrentSkinVersion, entries), s), skin::ReadStatus::Ok);
  EXPECT_FALSE(s.SkinEmpty);
  EXPECT_TRUE(s.TopBorder.Bitmap.Empty());
  EXPECT_EQ(s.SkinColors[skin::kScButtonFace], SysColourRef(skin::kColorBtnFace));
  EXPECT_EQ(s.BorderColor, skin::SystemColour(skin::kColorBtnFace));
  EXPECT_EQ(s.SysButtons.size(), 3u);
  EXPECT_NE(s.ToolbarBack, nullptr);
}

TEST(LoadSkinFile, OlderFormatLoadsNothing) {
  SkinDefinition s;
  EXPECT_EQ(skin::LoadSkinFile(skin::WriteSkinFile(10000, skintest::TestSkinEntries(skintest::TestSkinIni())), s),
            skin::ReadStatus::OlderFormat);
  EXPECT_TRUE(s.SkinEmpty);
  EXPECT_EQ(s.ToolbarBack, nullptr);
  EXPECT_EQ(s.Track, nullptr);
}

}  // namespace
