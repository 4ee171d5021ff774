// The manager's bookkeeping of open popup-menu windows: which get a popup skin object, where they
// were opened from, and the menu source reset when the last one closes.
#include <algorithm>
#include <memory>

#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/form/skin_messages.h"
#include "skin/form/win_skin_pop_menu.h"

namespace skin {

void TSkinManage::AddPopupMenu(HWND window) {
  if (!Enabled || !window) return;
  if (SendMessageA(window, XM_ISSKINNED, 0, 0) == 1 || FindPopupSkin(window)) return;
  TSkinData* data = ChooseSkinData(window, WindowClassName(window));
  if (!data || data->SkinEmpty()) return;
  bool allowed = true;
  switch (MenuSourceMode) {
    case 0:
      allowed = InSet(data->SkinControls, xcPopupMenu);
      break;
    case 1:
      allowed = InSet(data->SkinControls, xcMainMenu) || InSet(data->SkinControls, xcMenuItem);
      break;
    case 2:
      allowed = InSet(data->SkinControls, xcSystemMenu);
      break;
    default:
      break;
  }
  if (!allowed) return;
  auto popup = std::make_unique<TWinSkinPopMenu>();
  popup->Attach(window, data);
  if (MenuFromBar) popup->FromMenuBar = true;
  popup_skins_.push_back(popup.release());
}

void TSkinManage::RemovePopupMenu(HWND window) {
  if (ManagerState == kManagerDestroying) return;
  // Records that no longer exist are dropped unread.
  popup_skins_.erase(std::remove_if(popup_skins_.begin(), popup_skins_.end(),
                                    [](TWinSkinPopMenu* popup) { return !TWinSkinPopMenu::IsLive(popup); }),
                     popup_skins_.end());
  auto it = std::find_if(popup_skins_.begin(), popup_skins_.end(),
                         [window](TWinSkinPopMenu* popup) { return popup->Window() == window; });
  if (it != popup_skins_.end()) {
    TWinSkinPopMenu* popup = *it;
    popup_skins_.erase(it);
    popup->Detach();
    delete popup;
  }
  if (popup_skins_.empty()) {
    MenuFromBar = false;
    MenuSourceMode = 0;
  }
}

TWinSkinPopMenu* TSkinManage::FindPopupSkin(HWND window) const {
  for (TWinSkinPopMenu* popup : popup_skins_)
    if (TWinSkinPopMenu::IsLive(popup) && popup->Window() == window) return popup;
  return nullptr;
}

bool TSkinManage::IsPopupSkinned(HWND window) const { return FindPopupSkin(window) != nullptr; }

void TSkinManage::MarkPopupsFromBar() {
  for (TWinSkinPopMenu* popup : popup_skins_)
    if (TWinSkinPopMenu::IsLive(popup)) popup->FromMenuBar = true;
}

void TSkinManage::AssignPopupMenu(HMENU menu) {
  for (auto it = popup_skins_.rbegin(); it != popup_skins_.rend(); ++it) {
    if (TWinSkinPopMenu::IsLive(*it) && !(*it)->Menu) {
      (*it)->Menu = menu;
      return;
    }
  }
}

HBITMAP TSkinManage::PopupBitmapOf(HMENU menu) const {
  for (TWinSkinPopMenu* popup : popup_skins_)
    if (TWinSkinPopMenu::IsLive(popup) && menu && popup->Menu == menu) return popup->Bitmap();
  return nullptr;
}

}  // namespace skin
