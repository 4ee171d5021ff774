// skinpack check: exit 0 for a clean skin, 1 with findings or an unreadable file, 2 for wrong usage.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands.h"
#include "files.h"
#include "skin/data/skin_writer.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Bmp(int w, int h) {  // a 24-bit bottom-up picture, all black
  const uint32_t stride = (static_cast<uint32_t>(w) * 3 + 3) & ~3u, size = 54 + stride * h;
  std::vector<uint8_t> f(size, 0);
  auto put = [&](size_t at, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) f[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  f[0] = 'B';
  f[1] = 'M';
  put(2, size, 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<uint32_t>(w), 4);
  put(22, static_cast<uint32_t>(h), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  return f;
}

TEST(SkinpackCheck, ExitStatus) {
  const fs::path dir = fs::temp_directory_path() / "skinpack_check_test";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string colours =
      "[Colours]\nWindowText=0,0,0\nButtonFace=1,1,1\nScrollbar=2,2,2\nHilightText=3,3,3\nHilight=4,4,4\n"
      "Menubar=5,5,5\nMenu=6,6,6\nMenuText=7,7,7\nButtonText=8,8,8\nButtonHilight=9,9,9\nButtonlight=1,2,3\n"
      "ButtonShadow=4,5,6\nButtonDkShadow=7,8,9\nMenuBarText=1,1,2\nTitleTextActive=1,2,2\nTitleTextNoActive=2,2,2\n";
  const std::string clean = "[Personality]\nLeft=s.bmp\nRight=s.bmp\nTop=s.bmp\nBottom=s.bmp\n" + colours;
  const std::string faulty = "[Personality]\nLeft=gone.bmp\n" + colours;
  auto write = [&](const char* name, const std::string& ini) {
    const skin::SkinEntries entries = {{"skin.ini", std::vector<uint8_t>(ini.begin(), ini.end())}, {"s.bmp", Bmp(4, 4)}};
    std::string error;
    EXPECT_TRUE(skinpack::WriteFile(dir / name, skin::WriteSkinFile(70000, entries), error)) << error;
    return skinpack::Utf8FromPath(dir / name);
  };
  const std::string cleanPath = write("clean.skn", clean);
  const std::string faultyPath = write("faulty.skn", faulty);
  EXPECT_EQ(skinpack::RunCheck({cleanPath}), 0);
  EXPECT_EQ(skinpack::RunCheck({faultyPath}), 1);
  EXPECT_EQ(skinpack::RunCheck({skinpack::Utf8FromPath(dir / "nothere.skn")}), 1);
  EXPECT_EQ(skinpack::RunCheck({}), 2);
  EXPECT_EQ(skinpack::RunCheck({cleanPath, cleanPath}), 2);
  fs::remove_all(dir);
}

}  // namespace
