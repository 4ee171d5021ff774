// skinpack commands run in-process on a scratch folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "commands.h"
#include "files.h"
#include "skin/data/lzhuf_encoder.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_writer.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
using skinpack::Args;

class Skinpack : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("skinpack_test_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "in");
  }
  void TearDown() override { fs::remove_all(root_); }

  std::string P(const std::string& rel) const { return skinpack::Utf8FromPath(root_ / rel); }
  void Put(const std::string& rel, const std::string& text) const {
    std::ofstream(root_ / rel, std::ios::binary) << text;
  }
  Bytes Get(const std::string& rel) const {
    Bytes b;
    std::string error;
    EXPECT_TRUE(skinpack::ReadFile(root_ / rel, b, error)) << error;
    return b;
  }
  void PutSkin(const std::string& rel, const skin::SkinEntries& entries) const {
    std::string error;
    ASSERT_TRUE(skinpack::WriteFile(root_ / rel, skin::WriteSkinFile(70000, entries), error));
  }
  std::vector<std::string> Directory(const std::string& rel) const {
    skin::TSkinReader r;
    EXPECT_EQ(r.ReadSkin(Get(rel)), skin::ReadStatus::Ok);
    return r.Directory();
  }

  fs::path root_;
};

TEST_F(Skinpack, PackPutsDefinitionsFirstThenSortsByName) {
  for (const char* name : {"b.bmp", "A.ini", "a.bmp", "z.ini"}) Put(std::string("in/") + name, name);
  ASSERT_EQ(skinpack::RunPack({P("in"), P("out.skn")}), 0);
  EXPECT_EQ(Directory("out.skn"), (std::vector<std::string>{"a.ini", "z.ini", "a.bmp", "b.bmp"}));
}

TEST_F(Skinpack, PackFollowsTheListFile) {
  Put("in/a.ini", "[Form]");
  Put("in/b.bmp", "BM");
  Put("in/unlisted.bmp", "x");
  Put("in/skin.lst", "b.bmp\r\n\r\na.ini  \n");
  ASSERT_EQ(skinpack::RunPack({P("in"), P("out.skn")}), 0);
  EXPECT_EQ(Directory("out.skn"), (std::vector<std::string>{"b.bmp", "a.ini"}));

  Put("in/skin.lst", "a.ini\r\nmissing.bmp\r\n");
  EXPECT_EQ(skinpack::RunPack({P("in"), P("out.skn")}), 1);
  Put("in/skin.lst", "b.bmp\r\nB.BMP\r\n");  // the same entry for every reader
  EXPECT_EQ(skinpack::RunPack({P("in"), P("out.skn")}), 1);
}

TEST_F(Skinpack, VersionOption) {
  Put("in/a.ini", "[Form]");
  for (const auto& v : skin::kSkinVersions) {
    ASSERT_EQ(skinpack::RunPack({"--version", std::to_string(v.version), P("in"), P("out.skn")}), 0);
    skin::TSkinReader r;
    ASSERT_EQ(r.ReadSkin(Get("out.skn")), skin::ReadStatus::Ok);
    EXPECT_EQ(r.Version(), v.version);
  }
}

TEST_F(Skinpack, UsageAndInputErrors) {
  Put("in/a.ini", "[Form]");
  Put("not.skn", "plain text, not a skin");
  const Bytes old = skin::BuildSkinImage(10000, {{"a.ini", {1}}});
  std::string error;
  ASSERT_TRUE(skinpack::WriteFile(root_ / "old.skn", skin::LzhCompress(old), error));
  struct Case {
    int (*run)(const Args&);
    Args args;
    int exit;
  } cases[] = {
      {skinpack::RunPack, {P("in")}, 2},
      {skinpack::RunPack, {"--version", "10000", P("in"), P("o.skn")}, 2},
      {skinpack::RunPack, {P("in"), P("o.skn"), "--version"}, 2},
      {skinpack::RunPack, {P("nothere"), P("o.skn")}, 1},
      {skinpack::RunUnpack, {P("not.skn")}, 2},
      {skinpack::RunUnpack, {P("not.skn"), P("dir")}, 1},
      {skinpack::RunList, {}, 2},
      {skinpack::RunList, {P("nothere.skn")}, 1},
      {skinpack::RunList, {P("not.skn")}, 1},
      {skinpack::RunList, {P("old.skn")}, 1},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const auto& a : c.args) shown += a + " ";
    EXPECT_EQ(c.run(c.args), c.exit) << shown;
  }
}

TEST_F(Skinpack, UnpackThenPackKeepsEntriesAndOrder) {
  const skin::SkinEntries entries = {{"skin.ini", {'[', 'F', ']'}}, {"z.bmp", Bytes(3000, 7)}, {"a.bmp", {}}};
  PutSkin("in.skn", entries);
  ASSERT_EQ(skinpack::RunUnpack({P("in.skn"), P("out")}), 0);
  EXPECT_EQ(Get("out/z.bmp"), entries[1].second);
  EXPECT_TRUE(Get("out/a.bmp").empty());
  ASSERT_EQ(skinpack::RunPack({P("out"), P("again.skn")}), 0);
  EXPECT_EQ(Get("again.skn"), Get("in.skn"));
  EXPECT_EQ(skinpack::RunList({P("again.skn")}), 0);
}

TEST_F(Skinpack, UnpackWritesOnlyPlainFileNamesInsideTheFolder) {
  skin::SkinEntries entries = {{"../evil.bmp", {1}}, {"", {2}},        {"sub/x.bmp", {3}}, {"a\\b.bmp", {4}},
                               {"ok.bmp", {5}},      {"OK.bmp", {6}},   {"..", {7}},        {"dot.", {8}}};
#ifdef _WIN32
  entries.push_back({"con.bmp", {9}});
  entries.push_back({"lpt1", {10}});
#endif
  PutSkin("in.skn", entries);
  EXPECT_EQ(skinpack::RunUnpack({P("in.skn"), P("out")}), 1);
  std::vector<std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(root_)) files.push_back(e.path().filename().string());
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"in", "in.skn", "ok.bmp", "out", "skin.lst"}));
  EXPECT_EQ(Get("out/ok.bmp"), Bytes{5});  // the first of two equal names
}

TEST_F(Skinpack, DamagedEntrySizeIsReportedAndSkipped) {
  Bytes image = skin::BuildSkinImage(70000, {{"a.ini", {1, 2}}, {"b.bmp", {3}}});
  const size_t sizes = 16 + 69 + std::string("a.ini\r\nb.bmp\r\n").size();
  image[sizes + 4] = 0x40;  // b.bmp: 64 bytes, past the data
  std::string error;
  ASSERT_TRUE(skinpack::WriteFile(root_ / "in.skn", skin::LzhCompress(image), error));
  EXPECT_EQ(skinpack::RunList({P("in.skn")}), 0);
  EXPECT_EQ(skinpack::RunUnpack({P("in.skn"), P("out")}), 1);
  EXPECT_EQ(Get("out/a.ini"), (Bytes{1, 2}));
  EXPECT_FALSE(fs::exists(root_ / "out" / "b.bmp"));
}

}  // namespace
