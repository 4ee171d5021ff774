#pragma once
// TWinSkinPopMenu: the skin object of one open popup-menu window ("#32768"). For now it is the
// manager's record of the popup (window, skin data, menu shown, opened from the menu bar); the
// painting of the popup joins it later.
#include <windows.h>

namespace skin {

class TSkinData;

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu();
  ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  void Attach(HWND window, TSkinData* data);
  void Detach();

  HWND Window() const { return window_; }
  TSkinData* SkinDataRef() const { return data_; }
  HMENU Menu = nullptr;        // the menu shown, once the manager learns it
  bool FromMenuBar = false;    // opened from the skinned menu bar
  // The off-screen picture of the popup; none until the painting exists.
  HBITMAP Bitmap() const { return nullptr; }

  // Whether the object still exists (a freed record must not be read).
  static bool IsLive(const TWinSkinPopMenu* popup);

 private:
  HWND window_ = nullptr;
  TSkinData* data_ = nullptr;
};

}  // namespace skin
