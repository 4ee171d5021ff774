#pragma once
// What the form skin object's item painters need of one menu item, whether it is a framework menu
// item or a raw item known only by its menu handle.
#include <windows.h>

#include <string>

namespace fw {
class TImageList;
class TMenuItem;
}  // namespace fw

namespace skin {

struct MenuItemView {
  std::string Caption;  // "-" for a separator
  bool Enabled = true;
  bool Checked = false;
  bool Default = false;
  int ImageIndex = -1;
  std::string ShortCut;  // the shortcut's text, empty for none
  fw::TImageList* Images = nullptr;
  HMENU ParentMenu = nullptr;  // the menu that shows the item

  bool IsLine() const { return Caption == "-"; }
  static MenuItemView FromItem(const fw::TMenuItem& item);
  // Caption from GetMenuStringA ("-" when empty), enabled unless grayed or disabled, Checked and
  // Default from the item's state.
  static MenuItemView FromRaw(HMENU menu, UINT id);
};

}  // namespace skin
