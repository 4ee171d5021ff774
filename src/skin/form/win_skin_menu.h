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
#include "skin/form/caption_buttons.h"
#include "skin/form/frame_geometry.h"

namespace fw {
class TMenu;
class TMenuItem;
}  // namespace fw

namespace skin {

class TSkinData;
class TWinSkinForm;
class TWinSkinMenu;

// States of a non-client object: the caption buttons' states, which the portable caption-button
// rules read back.
constexpr int32_t kNCNormal = kButtonNormal;
constexpr int32_t kNCPressed = kButtonPressed;
constexpr int32_t kNCHot = kButtonHot;

// A non-client object of the frame: caption buttons and menu-bar buttons.
struct TNCObject {
  virtual ~TNCObject() = default;
  TWinSkinForm* Owner = nullptr;
  common::Rect Rect;  // window coordinates
  bool Visible = true;
  int32_t State = kNCNormal;
  bool Enabled = true;

  // Repaints the object on the window after its State changed; the base draws nothing.
  virtual void Paint() {}
};

struct TMenuBtn : TNCObject {
  fw::TMenuItem* FrameworkItem = nullptr;
  TSkinData* SkinDataRef = nullptr;
  int32_t Index = 0;
  std::wstring Caption;  // with its "&" accelerator marker
  bool ItemEnabled = true;
  HMENU SubMenu = nullptr;
  UINT Command = 0;  // 0: the item has no command of its own (nothing is posted)
  TWinSkinMenu* Bar = nullptr;

  void Paint() override;
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
  // Opens the button's drop-down (posts its WM_COMMAND first); false when nothing opened. Returns
  // when the drop-down closes; a switch to another button asked for meanwhile is opened in turn.
  bool OpenMenuItem(TMenuBtn* button);
  // Asks for the button's drop-down by posting WM_NCLBUTTONDOWN (wParam 1) at its screen point
  // to the window; a running drop-down of this bar is ended first.
  void RequestMenuItem(TMenuBtn* button);

  // Non-client mouse messages (WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP) at a point in
  // window coordinates, whatever their hit-test code: true when a bar button took it. A press
  // opens the button's drop-down; moving over a button makes it hot.
  bool HandleNcMouse(UINT msg, common::Point windowPoint);
  // The mouse left the bar (or the window): the hot button goes back to normal.
  void MouseLeft();
  // Hover loss (the form's hover timer, cursor in window coordinates): a hot button the cursor
  // has left goes back to normal. Nothing while a drop-down of the bar is open.
  void CheckHover(common::Point windowPoint);
  // WM_SYSCOMMAND SC_KEYMENU: the character's button, or the first for character 0; true when a
  // button was opened.
  bool HandleKeyMenu(wchar_t character);
  // WM_MENUSELECT sent to the window while a drop-down of this bar is open (the form skin object
  // may pass it on; the bar also sees it through its own tracking hook).
  void HandleMenuSelect(WPARAM wparam, LPARAM lparam);

  // The menu font (the system's non-client menu font).
  HFONT MenuFont() const { return menu_font_.get(); }
  // Text colour of a caption: MenuBarText when enabled, ButtonShadow when not.
  COLORREF TextColour(bool enabled) const;
  // A colour of the skin's table (a SkinColourIndex), or the system colour while no skin is loaded.
  COLORREF ColourOf(int skinIndex, int systemIndex) const;
  // The window is an MDI frame whose active child is maximized.
  bool MdiChildMaximized() const;
  // Left edge of the leftmost MDI-child caption button shown in the bar; -1 when none.
  int32_t MdiButtonsLeft() const;
  // The owner's window.
  HWND Window() const;
  // Border sizes and menu-bar height of the window (the form skin object's; tests may substitute).
  virtual FrameMetrics HostMetrics() const;

  std::vector<std::unique_ptr<TMenuBtn>> BarButtons;
  fw::TMenu* FrameworkMenu = nullptr;
  common::Rect BarRect;
  TSkinData* SkinDataRef = nullptr;
  TWinSkinForm* SkinForm = nullptr;
  HMENU MenuHandle = nullptr;
  // The button under the mouse, or none.
  TMenuBtn* HotButton = nullptr;

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

 private:
  TSkinData* Data() const;
  // FrameworkMenu may be assigned directly: the bar asks to be told when that menu goes.
  void WatchFrameworkMenu();
  TMenuBtn* AddButton();
  void FreeButtons();
  common::Rect Strip() const;
  int32_t StartOffset(const common::Rect& strip) const;
  void PlaceButtons(HDC dc, const common::Rect& strip);
  void PaintBackground(HDC dc, const common::Rect& local) const;
  void DrawStateFrame(HDC dc, const common::Rect& r) const;

  fw::UniqueBitmap bar_bitmap_;
  common::Size bar_bitmap_size_;
  fw::UniqueFont menu_font_;
  fw::TMenu* watched_menu_ = nullptr;
  // Cleared when the bar goes: code that ran a menu loop checks it before touching the bar again.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// Makes every item of a drop-down owner-drawn, through its sub-menus, so that the popup-menu
// painters draw them.
void MakeMenuOwnerDrawn(HMENU menu);
// Gives the items that MakeMenuOwnerDrawn changed under this menu (the bar's menu or a drop-down)
// their own drawing back, so that the window's native menu works without the skin.
void RestoreMenuOwnerDrawn(HMENU menu);

// Draws the text centred in the rectangle on both axes, transparent, "&" shown as an underline;
// a disabled text takes the system button-shadow colour, an enabled one the DC's text colour.
void DrawCenteredText(HDC dc, const common::Rect& r, const std::wstring& text, bool enabled);

// The values shared by the whole application while a bar's drop-down is tracked (one at a time).
struct MenuBarTracking {
  TWinSkinMenu* Bar = nullptr;       // the tracked bar (its form is the tracked form)
  int32_t OpenIndex = -1;            // button whose drop-down is open
  fw::TMenuItem* CurrentItem = nullptr;  // framework item of the selected drop-down item
  HMENU CurrentParent = nullptr;     // menu holding the selected item, or none
  HMENU CurrentSubMenu = nullptr;    // its drop-down when it has one
  bool HasCurrent = false;           // an item of the drop-down is selected
  HHOOK Hook = nullptr;
  HHOOK SentHook = nullptr;          // sees WM_MENUSELECT, which is sent and never filtered
  POINT LastPoint{};
  bool FirstMessage = false;         // the next filtered message is the first of this tracking
  bool Switching = false;            // a click was requested for another button
  bool Requested = false;            // a drop-down was requested
  int32_t PendingIndex = -1;         // button to open when the current drop-down has closed
};
MenuBarTracking& SharedMenuTracking();

}  // namespace skin
