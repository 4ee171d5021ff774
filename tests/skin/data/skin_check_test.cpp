// The skin author's check: a clean skin has no findings; each kind of fault is reported once, in
// words that name the section, key and entry.
#include <gtest/gtest.h>

#include <algorithm>

#include "bmp_files.h"
#include "skin/data/skin_check.h"
#include "skin/data/lzhuf_encoder.h"
#include "skin/data/skin_format.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_writer.h"
#include "test_skin.h"

namespace {

using skintest::Bmp24;
using skintest::Gradient;

const char kCleanIni[] =
    "[Personality]\nLeft=l.bmp\nRight=l.bmp\nTop=t.bmp\nTopFrame=2\nBottom=t.bmp\nBottomFrame=2\n"
    "[Colours]\nWindowText=0,0,0\nButtonFace=1,1,1\nScrollbar=2,2,2\nHilightText=3,3,3\nHilight=4,4,4\n"
    "Menubar=5,5,5\nMenu=6,6,6\nMenuText=7,7,7\nButtonText=8,8,8\nButtonHilight=9,9,9\nButtonlight=1,2,3\n"
    "ButtonShadow=4,5,6\nButtonDkShadow=7,8,9\nMenuBarText=1,1,2\nTitleTextActive=1,2,2\nTitleTextNoActive=2,2,2\n"
    "[SunkEdge]\nImage=s.bmp\n";

std::vector<std::string> Check(const std::string& ini, skin::SkinEntries extra = {}, bool clean = true) {
  skin::SkinEntries entries;
  entries.emplace_back("skin.ini", std::vector<uint8_t>(ini.begin(), ini.end()));
  if (clean) {
    entries.emplace_back("l.bmp", Bmp24(Gradient(4, 20)));
    entries.emplace_back("t.bmp", Bmp24(Gradient(20, 8)));
    entries.emplace_back("s.bmp", Bmp24(Gradient(40, 6)));
  }
  for (auto& e : extra) entries.push_back(std::move(e));
  std::vector<std::string> out;
  for (const auto& f : skin::CheckSkin(skin::WriteSkinFile(skin::kCurrentSkinVersion, entries))) {
    out.push_back(skin::FormatFinding(f));
  }
  return out;
}

TEST(CheckSkin, CleanSkinHasNoFindings) { EXPECT_EQ(Check(kCleanIni), std::vector<std::string>{}); }

TEST(CheckSkin, EachFaultIsNamed) {
  struct Case {
    const char* name;
    std::string ini;
    skin::SkinEntries extra;
    std::vector<std::string> expected;
  };
  const std::vector<uint8_t> broken = {'B', 'M', 1};
  std::vector<Case> cases = {
      {"missing entry", std::string(kCleanIni) + "[Tabs]\nImage=nothere.bmp\n", {},
       {"missing: [Tabs] Image=nothere.bmp: no entry nothere.bmp in the skin file"}},
      {"capital extension", std::string(kCleanIni) + "[Tabs]\nImage=s.BMP\n", {},
       {"odd: [Tabs] Image=s.BMP: not read, only names ending in lower-case .bmp are"}},
      {"broken picture", std::string(kCleanIni) + "[Tabs]\nImage=b.bmp\n", {{"b.bmp", broken}},
       {"error: the program's load stops here: bitmap file: the file header is incomplete",
        "error: [Tabs] Image=b.bmp: bitmap file: the file header is incomplete"}},
      {"frames do not divide", std::string(kCleanIni) + "[Tabs]\nImage=l.bmp\n", {},
       {"odd: [Tabs] Image: 4 pixels wide do not divide into 5 frames"}},
      {"section without image", std::string(kCleanIni) + "[HorzScroll]\nTile=1\n", {},
       {"missing: [HorzScroll]: no Image, the part is drawn the standard way"}},
      {"unknown section", std::string(kCleanIni) + "[Sparkles]\nImage=s.bmp\n", {},
       {"odd: [Sparkles] is not a section the program reads"}},
      {"unused entry", kCleanIni, {{"spare.bmp", Bmp24(Gradient(2, 2))}}, {"odd: entry spare.bmp is not used"}},
      {"frame count 0", std::string(kCleanIni) + "[Track]\nImage=s.bmp\n", {},
       {"odd: [Track] Image: frame count 0, drawn as one frame"}},
      {"empty entry", std::string(kCleanIni) + "[Tabs]\nImage=e.bmp\n", {{"e.bmp", {}}},
       {"odd: [Tabs] Image=e.bmp: entry e.bmp is empty"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Check(c.ini, c.extra), c.expected) << c.name;
  }
}

// A stored size that is negative or runs past the entry data is named as such, not as a missing
// entry, wherever the definition uses it.
TEST(CheckSkin, DamagedEntrySizes) {
  const std::string ini = std::string(kCleanIni) + "[Tabs]\nImage=x.bmp\n";
  const skin::SkinEntries entries = {{"skin.ini", std::vector<uint8_t>(ini.begin(), ini.end())},
                                     {"l.bmp", Bmp24(Gradient(4, 20))},
                                     {"t.bmp", Bmp24(Gradient(20, 8))},
                                     {"s.bmp", Bmp24(Gradient(40, 6))},
                                     {"x.bmp", Bmp24(Gradient(2, 2))}};
  std::vector<uint8_t> image = skin::BuildSkinImage(skin::kCurrentSkinVersion, entries);
  skin::TSkinReader reader;
  ASSERT_EQ(reader.ReadSkin(skin::LzhCompress(image)), skin::ReadStatus::Ok);
  // The size table ends where the entry data begins; x.bmp is the last slot.
  const size_t lastSize = image.size() - reader.EntryData().size() - 4;
  const std::pair<int32_t, const char*> cases[] = {{-1, "-1 is negative"},
                                                    {1 << 20, "1048576 runs past the entry data"}};
  for (const auto& [size, says] : cases) {
    for (int k = 0; k < 4; ++k) image[lastSize + k] = static_cast<uint8_t>(static_cast<uint32_t>(size) >> (8 * k));
    std::vector<std::string> findings;
    for (const auto& f : skin::CheckSkin(skin::LzhCompress(image))) findings.push_back(skin::FormatFinding(f));
    const std::vector<std::string> expected = {
        std::string("error: entry 4 (x.bmp): stored size ") + says + ", so the program reads it as absent",
        "error: [Tabs] Image=x.bmp: entry x.bmp has a damaged size"};
    EXPECT_EQ(findings, expected);
  }
}

// Names past the size table's 1001 slots are never read; the author hears of it.
TEST(CheckSkin, DirectoryLongerThanTheSizeTable) {
  const skin::SkinEntries entries = {{"skin.ini", std::vector<uint8_t>(kCleanIni, kCleanIni + sizeof kCleanIni - 1)}};
  std::vector<uint8_t> image = skin::BuildSkinImage(skin::kCurrentSkinVersion, entries);
  // 1004 names in all: 1003 more lines, and a zero size for each just after the first size.
  const size_t dirStart = 16 + *skin::InformationBlockSize(skin::kCurrentSkinVersion);
  const size_t dirLength = image[4] | image[5] << 8;
  std::string more;
  for (int i = 0; i < 1003; ++i) more += "pad" + std::to_string(i) + "\r\n";
  image.insert(image.begin() + static_cast<ptrdiff_t>(dirStart + dirLength + 4), 4 * 1003, uint8_t{0});
  image.insert(image.begin() + static_cast<ptrdiff_t>(dirStart + dirLength), more.begin(), more.end());
  const size_t newLength = dirLength + more.size();
  image[4] = static_cast<uint8_t>(newLength);
  image[5] = static_cast<uint8_t>(newLength >> 8);
  std::vector<std::string> findings;
  for (const auto& f : skin::CheckSkin(skin::LzhCompress(image))) findings.push_back(skin::FormatFinding(f));
  EXPECT_EQ(std::count(findings.begin(), findings.end(),
                       "odd: the directory names 1004 entries; the program reads only the first 1001"), 1);
}

TEST(CheckSkin, BordersAndColoursNotGiven) {
  const auto findings = Check("[Personality]\nTop=t.bmp\nTopFrame=3\nmenuBar=m.bmp\n[Colours]\nButtonFace=1,1,1\n",
                               {{"m.bmp", Bmp24(Gradient(6, 5))}});
  auto has = [&](const std::string& s) { return std::count(findings.begin(), findings.end(), s) == 1; };
  EXPECT_TRUE(has("missing: [Personality] Left: no frame border picture"));
  EXPECT_TRUE(has("odd: [Personality] Top: 8 pixels high do not divide into 3 frames"));
  EXPECT_TRUE(has("odd: [Personality] menuBar: 5 pixels high do not divide into 2 frames"));  // stacked
  EXPECT_TRUE(has("missing: [Colours] Menubar not given: the system colour is used"));
  EXPECT_FALSE(has("missing: [Colours] ButtonFace not given: the system colour is used"));
  EXPECT_EQ(std::count_if(findings.begin(), findings.end(),
                          [](const std::string& s) { return s.find("[Colours]") != std::string::npos; }),
            15);
}

TEST(CheckSkin, TestSkinFindings) {
  std::vector<std::string> findings;
  for (const auto& f : skin::CheckSkin(skintest::TestSkinFile())) findings.push_back(skin::FormatFinding(f));
  for (const char* expected : {
           "odd: [Buttons] CheckButton: 26 pixels wide do not divide into 4 frames",
           "odd: [Button.Kept] ButtonImage: 57 pixels wide do not divide into 6 frames",
           "odd: [Progress.Chunk] Image: frame count 0, drawn as one frame",
           "odd: [Trackbar.ThumbUp] Image: 21 pixels wide do not divide into 5 frames",
           "odd: [MenuItem] Image=item.BMP: not read, only names ending in lower-case .bmp are",
           "odd: entry item.bmp is not used",
       }) {
    EXPECT_EQ(std::count(findings.begin(), findings.end(), expected), 1) << expected;
  }
  for (const auto& f : findings) EXPECT_EQ(f.find("error:"), std::string::npos) << f;
}

TEST(CheckSkin, UnreadableFiles) {
  const auto older = skin::CheckSkin(skin::WriteSkinFile(10000, {}));
  ASSERT_EQ(older.size(), 1u);
  EXPECT_EQ(skin::FormatFinding(older[0]),
            "error: format version 10000 is not one the program reads: it shows the older-skin message");
  const std::vector<uint8_t> junk = {1, 2, 3};
  ASSERT_EQ(skin::CheckSkin(junk).size(), 1u);
  EXPECT_EQ(skin::CheckSkin(junk)[0].kind, skin::SkinFinding::Kind::Error);
}

TEST(CheckSkin, NoDefinition) {
  skin::SkinEntries entries;
  entries.emplace_back("t.bmp", Bmp24(Gradient(2, 2)));
  const auto findings = skin::CheckSkin(skin::WriteSkinFile(skin::kCurrentSkinVersion, entries));
  ASSERT_FALSE(findings.empty());
  EXPECT_EQ(skin::FormatFinding(findings[0]),
            "missing: no definition entry (a name containing .ini): every part takes its default");
}

}  // namespace
