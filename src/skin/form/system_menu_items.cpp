#include "skin/form/system_menu_items.h"

namespace skin {

SystemMenuItemLook SystemMenuItem(uint32_t command, bool enabledBySystem, const FrameTraits& t) {
  const bool maximized = t.WindowState == kStateMaximized, minimized = t.WindowState == kStateMinimized;
  switch (command) {
    case kScSize:
    case kScMove: return {-1, !maximized};
    case kScMinimize: return {2, !minimized && t.Has(kFeatureMinimizeBox)};
    case kScMaximize: return {1, !maximized && t.Has(kFeatureMaximizeBox)};
    case kScClose: return {3, enabledBySystem};
    case kScRestore: return {0, t.WindowState != kStateNormal};
    default: return {-1, enabledBySystem};
  }
}

bool IsSystemMenuCommand(uint32_t lowWord) {
  switch (lowWord) {
    case kScSize:
    case kScMove:
    case kScMinimize:
    case kScMaximize:
    case kScNextWindow:
    case kScPrevWindow:
    case kScClose:
    case kScRestore: return true;
    default: return false;
  }
}

}  // namespace skin
