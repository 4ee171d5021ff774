// The skins read through the program's own loader: every slot filled as the painters need it.
#include <gtest/gtest.h>

#include "bmp.h"
#include "loaded.h"
#include "skin/data/skin_check.h"
#include "skin/data/skin_writer.h"
#include "skin/data/skin_load.h"
#include "skins/skin_fixture.h"

namespace {

using namespace skingen;
using namespace skingen_test;

bool HasKey(const skin::Bitmap& b) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) == skin::kMagenta) return true;
  return false;
}

class SkinLoadTest : public ::testing::TestWithParam<SkinCase> {
 protected:
  void SetUp() override {
    ini_ = Definition(GetParam());
    ASSERT_FALSE(ini_.empty());
    images_ = BuildSkin(StyleOf(GetParam()));
    LoadGenerated(ini_, images_, skin_);
  }
  std::string ini_;
  SkinImages images_;
  skin::SkinDefinition skin_;
};

TEST_P(SkinLoadTest, FillsFrameCaptionAndColours) {
  const Style& st = StyleOf(GetParam());
  EXPECT_FALSE(skin_.SkinEmpty);
  EXPECT_EQ(skin_.SkinName, st.skin_name);
  EXPECT_EQ(skin_.TopBorder.Bitmap.Height() / skin_.TopBorder.Frame, st.s.caption);
  EXPECT_EQ(skin_.LeftBorder.Bitmap.Width() / skin_.LeftBorder.Frame, st.s.border);
  EXPECT_EQ(skin_.LeftBorder.Trans, GetParam().rounded ? 1 : 0);
  EXPECT_EQ(skin_.Title.Frame, 2);
  EXPECT_FALSE(skin_.Title.Bitmap.Empty());
  EXPECT_NE(skin_.Title.ActiveTextColor, skin::kTitleColourNotSet);
  EXPECT_NE(skin_.Title.InActiveTextColor, skin::kTitleColourNotSet);
  EXPECT_NE(skin_.BorderColor, skin::kMagenta) << "the frame colour is sampled from the caption";
  for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 18}) EXPECT_TRUE(skin_.SkinColorSet[i]) << i;
  const Rgb face = st.p.button_face;
  EXPECT_EQ(skin_.SkinColors[skin::kScButtonFace], skin::Rgb(face.r, face.g, face.b));
  for (skin::Colour c : skin_.CustomColorList) EXPECT_GE(c, 0);
}

TEST_P(SkinLoadTest, CaptionButtonsFitTheCaption) {
  const Shape& s = StyleOf(GetParam()).s;
  ASSERT_EQ(skin_.SysButtons.size(), 6u + 3u);
  int leftmost = 0;
  for (const auto& b : skin_.SysButtons) {
    SCOPED_TRACE(b->Name);
    ASSERT_FALSE(b->Bitmap.Empty());
    const int w = b->Bitmap.Width() / b->SafeFrame(), h = b->Bitmap.Height();
    if (b->Align == 1) {
      EXPECT_EQ(b->Frame, 4);
      EXPECT_GE(b->Xcoord, w + s.border) << "clear of the right border";
      EXPECT_LE(b->Ycoord + h, skin_.TopBorder.Bitmap.Height() / 2);
      leftmost = std::max(leftmost, b->Xcoord);
    }
    if (b->Action == 3) {
      EXPECT_EQ(b->Align, 0);
      EXPECT_LE(b->Ycoord + h, s.caption);
      EXPECT_LT(b->Xcoord + w, skin_.Title.TextShift()) << "the icon stays left of the caption text";
    }
  }
  EXPECT_GE(skin_.Title.TextRightClip(), leftmost) << "caption text stops before the buttons";
  // Help takes maximize's place; the three MDI buttons are cut from the 12-frame image.
  const auto& sb = skin_.SysButtons;
  auto find = [&](const std::string& name) {
    for (const auto& b : sb)
      if (b->Name == name) return b.get();
    return static_cast<skin::TDataSkinSysButton*>(nullptr);
  };
  ASSERT_NE(find("BUTTONHELP"), nullptr);
  EXPECT_EQ(find("BUTTONHELP")->Xcoord, find("BUTTONMAXIMIZE")->Xcoord);
  const int a = images_.Find("mdi.bmp")->image.width / 12;
  for (int i = 0; i < 3; ++i) {
    const auto& mdi = *sb[6 + i];
    EXPECT_EQ(mdi.Action, 7 + i);
    EXPECT_EQ(mdi.Bitmap.Width(), 4 * a);
    EXPECT_EQ(mdi.Xcoord, (a + 4) * (3 - i));
  }
}

TEST_P(SkinLoadTest, FillsEveryControlSlot) {
  EXPECT_EQ(skin_.Buttons.Frame, 5);
  EXPECT_EQ(skin_.Buttons.CheckButtonFrame, 12);
  EXPECT_EQ(skin_.Buttons.RadioButtonFrame, 8);
  EXPECT_TRUE(skin_.Buttons.HasNormalColour2 && skin_.Buttons.HasMouseOverColour2 && skin_.Buttons.HasPressedColour2);
  const skin::TDataSkinObject* slots[] = {
      skin_.Progress.get(), skin_.ProgressChunk.get(), skin_.MenuBarSkin.get(), skin_.GroupBoxEdge.get(),
      skin_.GroupBox.get(), skin_.Tabs.get(), skin_.StatusBarEdges.get(), skin_.TabPane.get(),
      skin_.ToolBars.get(), skin_.ComboButton.get(), skin_.SunkEdge.get(), skin_.ExtraImages.get(),
      skin_.Headerbar.get(), skin_.MenuItem.get(), skin_.MenuBackground.get(), skin_.Scrollbar.get(),
      skin_.HorzScroll.get(), skin_.VertScroll.get(), skin_.HorzScrollThumb.get(), skin_.VertScrollThumb.get(),
      skin_.TrackThumbHorz.get(), skin_.TrackThumbVert.get(), skin_.TrackThumbLeft.get(),
      skin_.TrackThumbRight.get(), skin_.TrackThumbUp.get(), skin_.TrackThumbDown.get(),
      skin_.UpDownHorz.get(), skin_.UpDownVert.get(), skin_.Track.get(), skin_.TrackVertical.get(),
      skin_.ComboArrow.get(), skin_.ToolbarBack.get()};
  for (const skin::TDataSkinObject* o : slots) {
    ASSERT_NE(o, nullptr);
    SCOPED_TRACE(o->Name);
    EXPECT_FALSE(o->Bitmap.Empty());
    EXPECT_EQ(o->Bitmap.Width() % o->SafeFrame(), 0);
    // An opaque object must not show magenta on screen.
    if (o->Trans == 0 && o != skin_.ComboButton.get() && o != skin_.SunkEdge.get()) {
      EXPECT_FALSE(HasKey(o->Bitmap));
    }
  }
  EXPECT_FALSE(skin_.Tabs->Bitmap2.Empty());
  EXPECT_FALSE(skin_.UpDownVert->Bitmap2.Empty());
  EXPECT_EQ(skin_.UpDownVert->Bitmap2.Width() % 8, 0);
  // The composite combo box was built from the edge and the button.
  EXPECT_EQ(skin_.ComboButton->Style, 2);
  EXPECT_EQ(skin_.ComboArrow->Frame, 4);
  EXPECT_EQ(skin_.ComboArrow->Bitmap.Width(), 4 * 17);
  EXPECT_EQ(skin_.HorzScrollThumb->Frame, 3);
  EXPECT_EQ(skin_.VertScrollThumb->Frame, 3);
  EXPECT_EQ(skin_.Headerbar->Frame, 3);
  EXPECT_EQ(skin_.Progress->Frame, skin_.Progress->Style ? 1 : 2);
  EXPECT_EQ(skin_.Progress->Bitmap.Width() % skin_.Progress->Frame, 0);
}

#ifdef TALVIK_PACKED_SKINS
bool SameBitmap(const skin::Bitmap& a, const skin::Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

// The packed file of the build loads to the same images.
TEST_P(SkinLoadTest, PackedFileLoadsTheSameSkin) {
  const char* bin = std::getenv("TALVIK_BINARY_DIR");
  ASSERT_NE(bin, nullptr);
  const std::string file = ReadText(std::string(bin) + "/skins/" + GetParam().folder + ".skn");
  ASSERT_FALSE(file.empty());
  skin::SkinDefinition packed;
  ASSERT_EQ(skin::LoadSkinFile({reinterpret_cast<const uint8_t*>(file.data()), file.size()}, packed),
            skin::ReadStatus::Ok);
  EXPECT_EQ(packed.SkinName, skin_.SkinName);
  EXPECT_TRUE(SameBitmap(packed.TopBorder.Bitmap, skin_.TopBorder.Bitmap));
  EXPECT_TRUE(SameBitmap(packed.Scrollbar->Bitmap, skin_.Scrollbar->Bitmap));
  EXPECT_TRUE(SameBitmap(packed.ComboButton->Bitmap, skin_.ComboButton->Bitmap));
  EXPECT_EQ(packed.SysButtons.size(), skin_.SysButtons.size());
}
#endif

INSTANTIATE_TEST_SUITE_P(Skins, SkinLoadTest, ::testing::ValuesIn(Skins()),
                         [](const auto& info) { return std::string(info.param.skin_name).substr(0, 4); });

}  // namespace

namespace {

using namespace skingen;
using namespace skingen_test;

// Packed the way skinpack packs (definition first, then the images), the skin gets a clean report
// from the skin check that authors run.
class SkinReportTest : public ::testing::TestWithParam<SkinCase> {};

TEST_P(SkinReportTest, PackedSkinHasACleanReport) {
  const std::string ini = Definition(GetParam());
  ASSERT_FALSE(ini.empty());
  const SkinImages images = BuildSkin(StyleOf(GetParam()));
  skin::SkinEntries entries{{"skin.ini", std::vector<uint8_t>(ini.begin(), ini.end())}};
  for (const Part& p : images.parts) entries.push_back({p.file, EncodeBmp24(p.image)});
  const std::vector<uint8_t> file = skin::WriteSkinFile(70000, entries);
  for (const skin::SkinFinding& f : skin::CheckSkin(file)) ADD_FAILURE() << skin::FormatFinding(f);
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinReportTest, ::testing::ValuesIn(Skins()),
                         [](const auto& info) { return std::string(info.param.skin_name).substr(0, 4); });

}  // namespace
