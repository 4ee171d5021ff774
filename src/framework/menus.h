#pragma once
// Menus: TMenuItem trees built into real HMENUs (rebuilt when an item changes), TMainMenu for a
// form's menu bar and TPopupMenu for context menus. WM_COMMAND identifiers lead back to the item.
// A menu with Images (or OwnerDraw) has its drop-down items drawn by the framework, or by the
// items' OnDrawItem / OnMeasureItem handlers when set.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/handles.h"
#include "framework/types.h"

namespace fw {

class TMenu;
class TImageList;
class TCanvas;

using TMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, RECT ARect, bool Selected)>;
using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;

class TMenuItem : public TComponent {
  FW_CLASS()
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return caption_ == "-"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool AutoCheck() const { return auto_check_; }
  void SetAutoCheck(bool value) { auto_check_ = value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);
  int ShortCut() const { return shortcut_; }
  void SetShortCut(int shortcut) { shortcut_ = shortcut; }

  // Sub-items. Add takes ownership of the item's place (the item stays owned by its owner).
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* Parent() const { return parent_; }
  TMenu* GetParentMenu() const;

  UINT Command() const { return command_; }
  // The item's own drop-down menu, made when the item has sub-items.
  HMENU Handle() const { return handle_.get(); }
  // The HMENU that shows this item (the parent's drop-down or the menu bar).
  HMENU ParentHandle() const;

  // Runs the item: ticks an AutoCheck item, then OnClick.
  virtual void Click();

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

  // Framework drawing of an owner-drawn item (used when no handler is set).
  void DefaultMeasure(HDC dc, int& width, int& height) const;
  void DefaultDraw(HDC dc, RECT r, bool selected) const;

 private:
  friend class TMenu;
  void Changed(bool rebuild);
  void Rebuild();
  void AppendTo(HMENU menu, bool owner_draw, bool top_level) const;

  std::string caption_;
  bool checked_ = false;
  bool auto_check_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool default_ = false;
  int image_index_ = -1;
  int shortcut_ = 0;
  UINT command_ = 0;
  UniqueHmenu handle_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item
  std::vector<TMenuItem*> items_;
};

enum class TFindItemKind { fkCommand, fkHandle };

class TMenu : public TComponent {
  FW_CLASS()
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem* Items() const { return items_; }
  HMENU Handle() const { return handle_.get(); }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  bool OwnerDraw() const { return owner_draw_; }
  void SetOwnerDraw(bool value);
  bool IsOwnerDraw() const { return owner_draw_ || images_ != nullptr; }
  TMenuItem* FindItem(UINT_PTR value, TFindItemKind kind) const;
  // Fills the HMENUs from the items; called after any change.
  void Rebuild();
  // The window that shows this menu (a form's menu bar), told when the menu changes.
  void SetWindow(HWND window) { window_ = window; }

  // Owner-drawn menu items sent to a window: true when handled.
  static bool DispatchMeasureItem(MEASUREITEMSTRUCT* mis);
  static bool DispatchDrawItem(DRAWITEMSTRUCT* dis);
  // WM_COMMAND from a menu: true when an item took it.
  static bool DispatchCommand(UINT command);
  static TMenuItem* FindCommand(UINT command);

 protected:
  virtual HMENU CreateMenuHandle() const = 0;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override { Rebuild(); }

 private:
  friend class TMenuItem;
  TMenuItem* items_;
  UniqueHmenu handle_;
  TImageList* images_ = nullptr;
  bool owner_draw_ = false;
  HWND window_ = nullptr;
  bool rebuilding_ = false;
};

class TMainMenu : public TMenu {
  FW_CLASS()
 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}

 protected:
  HMENU CreateMenuHandle() const override { return CreateMenu(); }
};

class TPopupMenu : public TMenu {
  FW_CLASS()
 public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}

  bool AutoPopup() const { return auto_popup_; }
  void SetAutoPopup(bool value) { auto_popup_ = value; }
  TComponent* PopupComponent() const { return popup_component_; }
  void SetPopupComponent(TComponent* component) { popup_component_ = component; }
  // Shows the menu at a screen point and waits until it closes; the chosen item then runs.
  virtual void Popup(int x, int y);

  TNotifyEvent OnPopup;

 protected:
  HMENU CreateMenuHandle() const override { return CreatePopupMenu(); }

 private:
  bool auto_popup_ = true;
  TComponent* popup_component_ = nullptr;
};

// The hidden window that owns popup menus while they are shown (it receives their drawing).
HWND PopupListWindow();

// Builds an item in one call: NewItem(owner, "name", "caption", handler).
TMenuItem* NewItem(TComponent* owner, const char* name, const std::string& caption, TNotifyEvent on_click = {});
TMenuItem* NewLine(TComponent* owner, const char* name = "");

// Shortcut values: a virtual-key code in the low byte plus these modifier bits.
constexpr int scShift = 0x2000;
constexpr int scCtrl = 0x4000;
constexpr int scAlt = 0x8000;
// The text a menu shows for a shortcut ("Ctrl+S", "Shift+Del", "F5"); empty for none.
std::string ShortCutToText(int shortcut);

}  // namespace fw
