// The skinned system menu: a popup built anew at each opening from the window's own system menu
// (or fixed items on the oldest NT), with the skin's menu images and its own enabling rules. A
// second opening within the double-click time closes the window, like a double click on the icon.
#include <string>

#include "framework/imagelist.h"
#include "framework/timer.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/form/system_menu_items.h"
#include "skin/form/win_skin_form.h"

namespace skin {

namespace {

// Longest item text copied from the system menu, in bytes.
constexpr int kMaxItemText = 80;
// Alt in a shortcut value ("ALT+F4" is VK_F4 with it).
constexpr int kShortCutAlt = 0x8000;

bool OldNt() {
  const DWORD version = GetVersion();
  return !(version & 0x80000000u) && LOBYTE(LOWORD(version)) < 5;
}

}  // namespace

void TWinSkinForm::ShowSystemMenu(POINT screen) {
  const DWORD now = GetTickCount();
  if (LastSysMenuClick != 0 && now - LastSysMenuClick <= static_cast<DWORD>(DoubleClickTime)) {
    if (HotObject) {
      if (HoverTimer) HoverTimer->SetEnabled(false);
      PostMessageA(WindowHandle, WM_CLOSE, 0, 0);
    }
    return;
  }
  if (TSkinManage* manager = SkinManager()) manager->MenuSourceMode = 2;
  LastSysMenuClick = now;
  BuildSystemMenu();
  // The menu loop may run a detach (or free this object); the popup stays until it returns.
  std::shared_ptr<fw::TPopupMenu> popup = system_menu_popup_;
  if (popup) popup->Popup(screen.x, screen.y);
}

void TWinSkinForm::BuildSystemMenu() {
  system_menu_popup_.reset();
  auto popup = std::make_shared<fw::TPopupMenu>(nullptr);
  popup->SetTag(kSysMenuTag);
  fw::TImageList* images = SkinDataRef ? SkinDataRef->MenuImages() : nullptr;
  const int imageCount = images ? images->Count() : 0;
  if (imageCount > 0) popup->SetImages(images);
  auto add = [&](const std::string& caption, int tag, int image, bool enabled, bool checked,
                 fw::TNotifyEvent onClick) {
    fw::TMenuItem* item = fw::NewItem(popup.get(), "", caption, std::move(onClick));
    item->SetTag(tag);
    if (image >= 0 && image < imageCount) item->SetImageIndex(image);
    item->SetEnabled(enabled);
    item->SetChecked(checked);
    popup->Items()->Add(item);
  };

  if (OldNt()) {
    // The oldest NT gives no usable copy of its system menu: fixed items.
    auto alive = alive_;
    auto run = [this, alive](void (TWinSkinForm::*command)()) {
      return [this, alive, command](fw::TObject*) {
        if (*alive) (this->*command)();
      };
    };
    const HWND w = WindowHandle;
    add(" Restore ", 0, 0, true, false, run(&TWinSkinForm::Restore));
    if (FrameFeatures & kFeatureMaximizeBox) add(" Maximize ", 1, 1, true, false, run(&TWinSkinForm::Maximize));
    if (FrameFeatures & kFeatureMinimizeBox) add(" Minimize ", 2, 2, true, false, run(&TWinSkinForm::Minimize));
    add("-", 100, -1, true, false, {});
    add(" Close ", 3, 3, true, false, [this, alive, w](fw::TObject*) {
      if (*alive && HoverTimer) HoverTimer->SetEnabled(false);
      PostMessageA(w, WM_CLOSE, 0, 0);
    });
    fw::TMenuItem* close = popup->Items()->Items(popup->Items()->Count() - 1);
    close->SetShortCut(VK_F4 | kShortCutAlt);
  } else if (HMENU system = SystemMenu ? SystemMenu : GetSystemMenu(WindowHandle, FALSE)) {
    const FrameTraits traits = Traits();
    const HWND w = WindowHandle;
    const int count = GetMenuItemCount(system);
    for (int i = 0; i < count; ++i) {
      char text[kMaxItemText + 1] = {};
      MENUITEMINFOA info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING;
      info.dwTypeData = text;
      info.cch = sizeof text;
      if (!GetMenuItemInfoA(system, static_cast<UINT>(i), TRUE, &info)) continue;
      text[kMaxItemText] = '\0';
      const std::string caption = text[0] ? std::string(text) : std::string("-");
      const UINT command = info.wID;
      const bool enabledBySystem = (info.fState & MFS_DISABLED) == 0;  // MFS_DISABLED is both gray bits
      const SystemMenuItemLook look = SystemMenuItem(command, enabledBySystem, traits);
      fw::TNotifyEvent click;
      if (caption != "-") click = [w, command](fw::TObject*) { PostMessageA(w, WM_SYSCOMMAND, command, 0); };
      add(caption, static_cast<int>(command), look.Image, look.Enabled, (info.fState & MFS_CHECKED) != 0,
          std::move(click));
    }
  }
  SetSystemMenuOwnerDraw(*popup);
  system_menu_popup_ = std::move(popup);
}

// The popup-menu painters measure and draw the system menu's items (with the skin's menu item,
// background and colours).
void TWinSkinForm::SetSystemMenuOwnerDraw(fw::TPopupMenu& popup) { ApplyPopupHandlers(popup, true); }

}  // namespace skin
