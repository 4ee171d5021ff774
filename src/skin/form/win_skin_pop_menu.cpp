#include "skin/form/win_skin_pop_menu.h"

#include <unordered_set>

namespace skin {
namespace {

std::unordered_set<const TWinSkinPopMenu*>& LivePopups() {
  static std::unordered_set<const TWinSkinPopMenu*> live;
  return live;
}

}  // namespace

TWinSkinPopMenu::TWinSkinPopMenu() { LivePopups().insert(this); }

TWinSkinPopMenu::~TWinSkinPopMenu() {
  Detach();
  LivePopups().erase(this);
}

bool TWinSkinPopMenu::IsLive(const TWinSkinPopMenu* popup) { return popup && LivePopups().count(popup) != 0; }

void TWinSkinPopMenu::Attach(HWND window, TSkinData* data) {
  window_ = window;
  data_ = data;
}

void TWinSkinPopMenu::Detach() {
  window_ = nullptr;
  data_ = nullptr;
  Menu = nullptr;
}

}  // namespace skin
