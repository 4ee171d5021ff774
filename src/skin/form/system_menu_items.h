#pragma once
// The skinned system menu's view of the window's system commands: which image an item shows and
// whether it is enabled, and which command identifiers coming back as WM_COMMAND are system ones.
#include <cstdint>

#include "skin/form/frame_geometry.h"

namespace skin {

constexpr uint32_t kScSize = 0xF000;
constexpr uint32_t kScMove = 0xF010;
constexpr uint32_t kScMinimize = 0xF020;
constexpr uint32_t kScMaximize = 0xF030;
constexpr uint32_t kScNextWindow = 0xF040;
constexpr uint32_t kScPrevWindow = 0xF050;
constexpr uint32_t kScClose = 0xF060;
constexpr uint32_t kScRestore = 0xF120;

struct SystemMenuItemLook {
  int32_t Image = -1;  // index in the skin's menu images; -1 none
  bool Enabled = true;
};
// enabledBySystem is what the window's own system menu says for the item.
SystemMenuItemLook SystemMenuItem(uint32_t command, bool enabledBySystem, const FrameTraits& t);

// A WM_COMMAND whose low word is one of these came from the owner-drawn system menu and is
// re-posted as WM_SYSCOMMAND.
bool IsSystemMenuCommand(uint32_t lowWord);

}  // namespace skin
