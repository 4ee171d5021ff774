// The tool tip: the text before the first bar, cut to 63 bytes on a GBK character boundary.
#include <gtest/gtest.h>

#include <string>

#include "tray/tray_hint.h"

namespace {

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

struct HintCase {
  const char* name;
  std::string hint;
  std::string tip;
};

TEST(TrayTip, ShortPartCutOnCharacterBoundary) {
  const std::string a63(63, 'a');
  const std::string a62(62, 'a');
  const std::string han = "汉";  // two bytes in GBK
  ASSERT_EQ(han.size(), 2u);
  // 0x81 0x7C is one GBK character whose trail byte is the bar's code.
  const std::string bar_trail = "\x81\x7C";
  const HintCase cases[] = {
      {"empty", "", ""},
      {"plain", "Talvik软件安装路径修改器", "Talvik软件安装路径修改器"},
      {"bar", "短提示|长提示", "短提示"},
      {"bar first", "|long", ""},
      {"two bars", "a|b|c", "a"},
      {"63 bytes stay", a63, a63},
      {"64 bytes cut to 63", a63 + "b", a63},
      {"character across byte 63 dropped", a62 + han, a62},
      {"character ending at byte 63 kept", std::string(61, 'a') + han + "x", std::string(61, 'a') + han},
      {"all double-byte: 31 characters, 62 bytes", Repeat("字", 40), Repeat("字", 31)},
      {"bar as trail byte is no bar", "x" + bar_trail + "y|z", "x" + bar_trail + "y"},
      {"cut after the bar", a63 + "|tail", a63},
      {"lone lead byte at the end", "ab\x81", "ab\x81"},
  };
  for (const HintCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(tray::TrayTip(c.hint), c.tip);
    EXPECT_LE(tray::TrayTip(c.hint).size(), tray::kMaxTipBytes);
  }
}

}  // namespace
