// The skinned system menu: images and enabling by command, and which WM_COMMAND ids are system ones.
#include <gtest/gtest.h>

#include "skin/form/system_menu_items.h"

namespace {

skin::FrameTraits Traits(int32_t state, uint32_t features) {
  skin::FrameTraits t;
  t.WindowState = state;
  t.FrameFeatures = features;
  return t;
}

TEST(SystemMenuItem, Table) {
  constexpr uint32_t both = skin::kFeatureMaximizeBox | skin::kFeatureMinimizeBox;
  struct Case {
    const char* what;
    uint32_t command;
    bool bySystem;
    skin::FrameTraits traits;
    int32_t image;
    bool enabled;
  } cases[] = {
      {"move when normal", skin::kScMove, false, Traits(skin::kStateNormal, both), -1, true},
      {"size not when maximized", skin::kScSize, true, Traits(skin::kStateMaximized, both), -1, false},
      {"minimize with its box", skin::kScMinimize, false, Traits(skin::kStateNormal, both), 2, true},
      {"minimize not when minimized", skin::kScMinimize, true, Traits(skin::kStateMinimized, both), 2, false},
      {"minimize not without its box", skin::kScMinimize, true, Traits(skin::kStateNormal, skin::kFeatureMaximizeBox), 2, false},
      {"maximize with its box", skin::kScMaximize, false, Traits(skin::kStateMinimized, both), 1, true},
      {"maximize not when maximized", skin::kScMaximize, true, Traits(skin::kStateMaximized, both), 1, false},
      {"close as the system says", skin::kScClose, false, Traits(skin::kStateNormal, both), 3, false},
      {"close enabled by the system", skin::kScClose, true, Traits(skin::kStateNormal, 0), 3, true},
      {"restore when not normal", skin::kScRestore, false, Traits(skin::kStateMinimized, 0), 0, true},
      {"restore not when normal", skin::kScRestore, true, Traits(skin::kStateNormal, both), 0, false},
      {"other as the system says", 0x1234, false, Traits(skin::kStateNormal, both), -1, false},
  };
  for (const auto& c : cases) {
    const auto look = skin::SystemMenuItem(c.command, c.bySystem, c.traits);
    EXPECT_EQ(look.Image, c.image) << c.what;
    EXPECT_EQ(look.Enabled, c.enabled) << c.what;
  }
}

TEST(IsSystemMenuCommand, OnlyTheSystemCommands) {
  for (uint32_t id : {0xF000u, 0xF010u, 0xF020u, 0xF030u, 0xF040u, 0xF050u, 0xF060u, 0xF120u})
    EXPECT_TRUE(skin::IsSystemMenuCommand(id)) << std::hex << id;
  for (uint32_t id : {0u, 1u, 0xF100u, 0xF180u, 0xF061u, 0xF0A0u})
    EXPECT_FALSE(skin::IsSystemMenuCommand(id)) << std::hex << id;
}

}  // namespace
