// The skins' images against their definitions and against the frame layouts the painters use.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "bmp.h"
#include "check.h"
#include "skin/data/bmp_loader.h"
#include "skins/skin_fixture.h"

namespace {

using namespace skingen;
using namespace skingen_test;

class SkinImagesTest : public ::testing::TestWithParam<SkinCase> {
 protected:
  void SetUp() override {
    ini_ = Definition(GetParam());
    ASSERT_FALSE(ini_.empty()) << GetParam().folder;
    ASSERT_NE(FindStyle(GetParam().skin_name), nullptr);
    images_ = BuildSkin(StyleOf(GetParam()));
  }
  const Part& PartOf(const std::string& file) const {
    const Part* p = images_.Find(file);
    EXPECT_NE(p, nullptr) << file;
    static const Part none{};
    return p ? *p : none;
  }
  std::string ini_;
  SkinImages images_;
};

TEST_P(SkinImagesTest, DefinitionAgreesWithTheImages) {
  EXPECT_EQ(DefinitionSkinName(ini_), GetParam().skin_name);
  for (const std::string& e : CheckDefinition(ini_, images_)) ADD_FAILURE() << e;
}

// The frame counts the loader fixes (or that the definition sets) must cut every image into
// whole frames of the layout the painters expect.
TEST_P(SkinImagesTest, ImagesHoldTheFramesThePaintersCut) {
  struct Layout { const char* file; int frames; bool stacked; };
  const bool chunks = StyleOf(GetParam()).s.progress_style == 1;
  const Layout layouts[] = {
      {"left.bmp", 2, false},      {"right.bmp", 2, false},    {"top.bmp", 2, true},
      {"bottom.bmp", 2, true},     {"textback.bmp", 2, true},  {"menubar.bmp", 2, true},
      {"close.bmp", 4, false},     {"maximize.bmp", 4, false}, {"restore.bmp", 4, false},
      {"minimize.bmp", 4, false},  {"help.bmp", 4, false},     {"icon.bmp", 1, false},
      {"mdi.bmp", 12, false},      {"menuitem.bmp", 5, false}, {"menubg.bmp", 1, false},
      {"button.bmp", 5, false},    {"check.bmp", 12, false},   {"radio.bmp", 8, false},
      {"scrollbar.bmp", 23, false}, {"hscroll.bmp", 4, false}, {"vscroll.bmp", 4, false},
      {"hthumb.bmp", 3, false},    {"vthumb.bmp", 3, false},   {"sunkedge.bmp", 4, false},
      {"combobtn.bmp", 4, false},  {"extra.bmp", 5, false},    {"updownv.bmp", 8, false},
      {"updownvg.bmp", 8, false},  {"updownh.bmp", 8, false},  {"updownhg.bmp", 8, false},
      {"progress.bmp", chunks ? 1 : 2, false}, {"chunk.bmp", 1, false},
      {"track.bmp", 1, false},     {"trackv.bmp", 1, false},   {"thumbh.bmp", 5, false},
      {"thumbv.bmp", 5, false},    {"thumbl.bmp", 5, false},   {"thumbr.bmp", 5, false},
      {"thumbu.bmp", 5, false},    {"thumbd.bmp", 5, false},   {"tabs.bmp", 5, false},
      {"tabborder.bmp", 1, false}, {"tabpane.bmp", 1, false},  {"header.bmp", 3, false},
      {"groupbox.bmp", 1, false},  {"gbedge.bmp", 2, false},   {"status.bmp", 3, false},
      {"toolbars.bmp", 5, false},
  };
  EXPECT_EQ(std::size(layouts), images_.parts.size()) << "every image has its layout here";
  for (const Layout& l : layouts) {
    SCOPED_TRACE(l.file);
    const Part& p = PartOf(l.file);
    EXPECT_EQ(p.frames, l.frames);
    EXPECT_EQ(p.stacked, l.stacked);
    const int along = l.stacked ? p.image.height : p.image.width;
    EXPECT_GT(along, 0);
    EXPECT_EQ(along % l.frames, 0);
  }
}

TEST_P(SkinImagesTest, SizesMatchWhatThePaintersAssume) {
  const Shape& s = StyleOf(GetParam()).s;
  // Scroll-bar arrows and grips are square frames as thick as a standard scroll bar (17), so the
  // painter keeps the image's thickness.
  const Part& bar = PartOf("scrollbar.bmp");
  EXPECT_EQ(bar.image.height, 17);
  EXPECT_EQ(bar.image.width, 23 * 17);
  // Check and radio images lower than 16 pixels have 13-pixel frames, which is how the loader
  // counts their frames when the definition gives none.
  EXPECT_EQ(PartOf("check.bmp").image.height, 13);
  EXPECT_EQ(PartOf("check.bmp").image.width, 12 * 13);
  EXPECT_EQ(PartOf("radio.bmp").image.width, 8 * 13);
  // Caption buttons: the loader would guess 3 frames for a ratio up to 3.8; the definition says 4.
  for (const char* f : {"close.bmp", "maximize.bmp", "restore.bmp", "minimize.bmp", "help.bmp"}) {
    const Part& p = PartOf(f);
    EXPECT_EQ(p.image.width, 4 * s.cap_w) << f;
    EXPECT_EQ(p.image.height, s.cap_h) << f;
  }
  // The border pieces give the frame sizes.
  EXPECT_EQ(PartOf("left.bmp").image.width, 2 * s.border);
  EXPECT_EQ(PartOf("top.bmp").image.height, 2 * s.caption);
  EXPECT_EQ(PartOf("bottom.bmp").image.height, 2 * s.border);
  EXPECT_EQ(PartOf("left.bmp").image.height, PartOf("right.bmp").image.height);
  EXPECT_EQ(PartOf("top.bmp").image.width, PartOf("bottom.bmp").image.width);
  // The combo composite is 21 pixels high; its button and edge are drawn for that height.
  EXPECT_EQ(PartOf("sunkedge.bmp").image.height, 21);
  EXPECT_EQ(PartOf("combobtn.bmp").image.height, 21);
}

// Where the corners are rounded, exactly the pixels outside the arc are magenta; nothing else in
// the frame is, so the window region follows the arc and nothing else.
TEST_P(SkinImagesTest, MagentaCutsOnlyTheTopCorners) {
  const Shape& s = StyleOf(GetParam()).s;
  const Part& left = PartOf("left.bmp");
  const Part& right = PartOf("right.bmp");
  const Part& top = PartOf("top.bmp");
  const Part& bottom = PartOf("bottom.bmp");
  const int b = s.border, r = s.corner, vw = 2 * b + top.image.width;
  // Window x of a pixel of each piece (frame f), for the virtual window the pieces come from.
  struct Piece { const Part* part; int x0; int frame_w, frame_h; bool stacked; };
  const Piece pieces[] = {{&left, 0, b, left.image.height, false},
                          {&right, vw - b, b, right.image.height, false},
                          {&top, b, top.image.width, s.caption, true},
                          {&bottom, b, bottom.image.width, b, true}};
  int keyed = 0;
  for (const Piece& pc : pieces)
    for (int f = 0; f < 2; ++f)
      for (int y = 0; y < pc.frame_h; ++y)
        for (int x = 0; x < pc.frame_w; ++x) {
          const int ix = pc.stacked ? x : f * pc.frame_w + x, iy = pc.stacked ? f * pc.frame_h + y : y;
          const bool key = IsKey(PixelAt(pc.part->image, ix, iy));
          keyed += key;
          const double wx = pc.x0 + x + 0.5, wy = y + 0.5;
          const double cx = wx < vw / 2.0 ? r : vw - r;
          const bool in_corner = r > 0 && wy < r && (wx < r || wx > vw - r);
          const double d = in_corner ? std::hypot(wx - cx, wy - r) : 0;
          if (!in_corner || d < r - 0.75) {
            EXPECT_FALSE(key) << pc.part->file << " frame " << f + 1 << " at " << x << "," << y;
          } else if (d > r + 0.75) {
            EXPECT_TRUE(key) << pc.part->file << " frame " << f + 1 << " at " << x << "," << y;
          }
        }
  if (GetParam().rounded)
    EXPECT_GT(keyed, 8);
  else
    EXPECT_EQ(keyed, 0);
}

TEST_P(SkinImagesTest, BitmapFilesReadBackUnchanged) {
  for (const Part& p : images_.parts) {
    SCOPED_TRACE(p.file);
    const std::vector<uint8_t> file = EncodeBmp24(p.image);
    EXPECT_EQ((file.size() - 54) % 4, 0u) << "rows padded to four bytes";
    const skin::Bitmap bmp = skin::LoadBmp(file);
    ASSERT_EQ(bmp.Width(), p.image.width);
    ASSERT_EQ(bmp.Height(), p.image.height);
    for (int y = 0; y < bmp.Height(); ++y)
      for (int x = 0; x < bmp.Width(); ++x) {
        const Rgb c = PixelAt(p.image, x, y);
        ASSERT_EQ(bmp.Pixel(x, y), skin::Rgb(c.r, c.g, c.b)) << x << "," << y;
      }
  }
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinImagesTest, ::testing::ValuesIn(Skins()),
                         [](const auto& info) { return std::string(info.param.skin_name).substr(0, 4); });

// The check must catch the slips a hand-edited definition is prone to.
TEST(DefinitionCheck, CatchesSlips) {
  const SkinCase& c = Skins()[0];
  const std::string ini = Definition(c);
  ASSERT_FALSE(ini.empty());
  const SkinImages images = BuildSkin(StyleOf(c));
  struct Slip { const char* what; std::string from, to; const char* says; };
  const Slip slips[] = {
      {"margin off by one", "TopTopHeight=24", "TopTopHeight=25", "TopTopHeight"},
      {"button moved", "Xcoord=34", "Xcoord=30", "Xcoord"},
      {"frame count", "LeftFrame=2", "LeftFrame=1", "LeftFrame"},
      {"colour", "ButtonFace=246,243,235", "ButtonFace=246,243,236", "ButtonFace"},
      {"capital extension", "Left=left.bmp", "Left=left.BMP", "capital"},
      {"image not drawn", "[MDICONTROLS]", "[MDICONTROLS]\r\nSpare=spare.bmp", "not drawn"},
      {"image no longer named", "Image=mdi.bmp", "Image=", "not named"},
      {"key written twice", "Style=0", "Style=0\r\nStyle=1", "twice"},
      {"section written twice", "[Fonts]", "[Colours]\r\nMenu=1,2,3\r\n[Fonts]", "twice"},
      {"not ASCII", "; White orchid", "; White orchid \xB0\xD7", "ASCII"},
      {"key lost", "SkinName=BaiLan mxp1", "Skin=BaiLan mxp1", "SkinName"},
  };
  EXPECT_TRUE(CheckDefinition(ini, images).empty());
  for (const Slip& s : slips) {
    SCOPED_TRACE(s.what);
    std::string bad = ini;
    const size_t at = bad.find(s.from);
    ASSERT_NE(at, std::string::npos) << s.from;
    bad.replace(at, s.from.size(), s.to);
    const std::vector<std::string> errors = CheckDefinition(bad, images);
    ASSERT_FALSE(errors.empty());
    bool said = false;
    for (const std::string& e : errors) said = said || e.find(s.says) != std::string::npos;
    EXPECT_TRUE(said) << errors.front();
  }
}

}  // namespace
