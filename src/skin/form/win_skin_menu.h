#pragma once
// TWinSkinMenu: the skinned menu bar. The form skin object takes the native menu away and this
// strip between caption and client area shows the top-level items, opens their drop-downs with
// TrackPopupMenu and moves between items with the mouse and arrow keys while one is open.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "common/geometry.h"
#include "framework/component.h"
#include "framework/handles.h"

namespace fw {
class TMenu;
class TMenuItem;
}  // namespace fw

namespace skin {

class TSkinData;
class TWinSkinForm;

// A non-client object of the frame: caption buttons and menu-bar buttons. State: 0 normal,
// 1 hot, 2 pressed, 3 pressed and hot... as the caption-button painters define them.
struct TNCObject {
  virtual ~TNCObject() = default;
  bool Visible = true;
  common::Rect Rect;  // window coordinates
  int32_t State = 0;
};

struct TMenuBtn : TNCObject {
  fw::TMenuItem* FrameworkItem = nullptr;
  TSkinData* SkinDataRef = nullptr;
  int32_t Index = 0;
  std::wstring Caption;  // with its "&" accelerator marker
  bool ItemEnabled = true;
  HMENU SubMenu = nullptr;
  UINT Command = 0;
};

class TWinSkinMenu : public fw::TComponent {
  FW_CLASS()
 public:
  // The bar of the form skin object's window; frameworkMenu is the form's main menu (or null).
  TWinSkinMenu(TWinSkinForm* owner, fw::TMenu* frameworkMenu);
  ~TWinSkinMenu() override;

  // Buttons from the window's menu, then the native bar is removed (SetMenu with no menu).
  void Rebuild();
  // WM_MDISETMENU's path: captions from the menu handle; ends with Layout.
  void RebuildFromMenu(HMENU menu);
  void Layout();
  // Called by the frame painter with the strip in window coordinates.
  void PaintBar(HDC dc, const common::Rect& strip);
  // Repaints one button on the window DC after its State changed.
  void PaintButton(TMenuBtn& button);

  TMenuBtn* ButtonAtPoint(common::Point windowPoint);
  TMenuBtn* FindAccelButton(wchar_t character);
  // Opens the button's drop-down (posts its WM_COMMAND first); false when nothing opened.
  bool OpenMenuItem(TMenuBtn* button);
  void RequestMenuItem(TMenuBtn* button);

  // Non-client mouse messages over the strip (window coordinates); true when the bar took it.
  bool HandleNcMouse(UINT msg, common::Point windowPoint);
  // WM_SYSCOMMAND SC_KEYMENU: the character's button, or the first for character 0.
  bool HandleKeyMenu(wchar_t character);

  std::vector<std::unique_ptr<TMenuBtn>> BarButtons;
  fw::TMenu* FrameworkMenu = nullptr;
  common::Rect BarRect;
  TSkinData* SkinDataRef = nullptr;
  TWinSkinForm* SkinForm = nullptr;
  HMENU MenuHandle = nullptr;

 private:
  fw::UniqueBitmap bar_bitmap_;
};

}  // namespace skin
