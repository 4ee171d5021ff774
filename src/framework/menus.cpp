#include "framework/menus.h"

#include <algorithm>
#include <map>

#include "framework/graphics.h"
#include "framework/imagelist.h"
#include "framework/utility_window.h"
#include "framework/wincontrol.h"

namespace fw {

namespace {

std::map<UINT, TMenuItem*>& Commands() {
  static std::map<UINT, TMenuItem*> commands;
  return commands;
}

UINT AllocateCommand(TMenuItem* item) {
  auto& commands = Commands();
  UINT id = 1;
  while (commands.count(id)) ++id;
  commands[id] = item;
  return id;
}

// Detaches every entry without destroying sub-menus (those belong to their items).
void ClearMenu(HMENU menu) {
  if (!menu) return;
  for (int n = GetMenuItemCount(menu); n > 0; --n) RemoveMenu(menu, 0, MF_BYPOSITION);
}

}  // namespace

const TClassInfo& TMenuItem::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TMenuItem>("TMenuItem", &TComponent::StaticClassInfo())
                                     .Str("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
                                     .Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
                                     .Bool("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck)
                                     .Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
                                     .Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
                                     .Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
                                     .Int("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
                                     .Int("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
                                     .Build();
  return info;
}
const TClassInfo& TMenu::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TMenu>("TMenu", &TComponent::StaticClassInfo())
                                     .Object("Images", &TMenu::Images, &TMenu::SetImages)
                                     .Bool("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)
                                     .Build();
  return info;
}
FW_DEFINE_CLASS(TMainMenu, TMenu)
const TClassInfo& TPopupMenu::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TPopupMenu>("TPopupMenu", &TMenu::StaticClassInfo())
                                     .Bool("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup)
                                     .Build();
  return info;
}

// ---- TMenuItem

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) { command_ = AllocateCommand(this); }

TMenuItem::~TMenuItem() {
  SetDestroying();
  while (!items_.empty()) delete items_.back();
  if (parent_) parent_->Remove(this);
  Commands().erase(command_);
  ClearMenu(handle_.get());
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed(true);
}
void TMenuItem::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  Changed(true);
}
void TMenuItem::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Changed(true);
}
void TMenuItem::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Changed(true);
}
void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  if (value && parent_)
    for (TMenuItem* sibling : parent_->items_) sibling->default_ = false;
  default_ = value;
  Changed(true);
}
void TMenuItem::SetImageIndex(int index) {
  if (index == image_index_) return;
  image_index_ = index;
  Changed(true);
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed(true);
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  if (!(ComponentState() & csDestroying)) Changed(true);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

HMENU TMenuItem::ParentHandle() const {
  if (!parent_) return nullptr;
  if (parent_->menu_) return parent_->menu_->Handle();
  return parent_->Handle();
}

void TMenuItem::Changed(bool rebuild) {
  if (!rebuild || (ComponentState() & csDestroying)) return;
  if (TMenu* menu = GetParentMenu()) menu->Rebuild();
}

void TMenuItem::Click() {
  if (auto_check_) SetChecked(!checked_);
  if (OnClick) OnClick(this);
}

void TMenuItem::Rebuild() {
  // Fills this item's drop-down from its visible sub-items.
  bool has_items = std::any_of(items_.begin(), items_.end(), [](TMenuItem* i) { return i->visible_; });
  if (!has_items && items_.empty()) {
    ClearMenu(handle_.get());
    handle_.reset();
    return;
  }
  if (!handle_) handle_.reset(CreatePopupMenu());
  ClearMenu(handle_.get());
  TMenu* menu = GetParentMenu();
  bool owner_draw = menu && menu->IsOwnerDraw();
  for (TMenuItem* item : items_)
    if (item->visible_) item->AppendTo(handle_.get(), owner_draw, false);
}

void TMenuItem::AppendTo(HMENU menu, bool owner_draw, bool top_level) const {
  const_cast<TMenuItem*>(this)->Rebuild();
  MENUITEMINFOA mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
  mii.wID = command_;
  mii.fState = (checked_ ? MFS_CHECKED : 0u) | (enabled_ ? 0u : MFS_DISABLED | MFS_GRAYED) |
               (default_ ? MFS_DEFAULT : 0u);
  mii.hSubMenu = handle_.get();
  if (IsLine()) {
    mii.fType = MFT_SEPARATOR;
    mii.fMask &= ~MIIM_STRING;
  }
  if (owner_draw && !top_level) mii.fType |= MFT_OWNERDRAW;
  std::string text = caption_;
  if (!IsLine()) mii.dwTypeData = text.data();
  InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &mii);
}

void TMenuItem::DefaultMeasure(HDC dc, int& width, int& height) const {
  TMenu* menu = GetParentMenu();
  if (IsLine()) {
    width = 10;
    height = 5;
    return;
  }
  NONCLIENTMETRICSA ncm{};
  ncm.cbSize = sizeof(ncm);
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
  UniqueFont font(CreateFontIndirectA(&ncm.lfMenuFont));
  SelectGuard sel(dc, font.get());
  SIZE s{};
  GetTextExtentPoint32A(dc, caption_.c_str(), static_cast<int>(caption_.size()), &s);
  int glyph = menu && menu->Images() ? menu->Images()->Width() : 16;
  width = glyph + 8 + s.cx + 16;
  height = std::max<int>(s.cy + 4, (menu && menu->Images() ? menu->Images()->Height() : 16) + 3);
}

void TMenuItem::DefaultDraw(HDC dc, RECT r, bool selected) const {
  TMenu* menu = GetParentMenu();
  FillRect(dc, &r, GetSysColorBrush(selected && enabled_ ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsLine()) {
    RECT line{r.left + 2, (r.top + r.bottom) / 2 - 1, r.right - 2, (r.top + r.bottom) / 2 + 1};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  TImageList* images = menu ? menu->Images() : nullptr;
  int glyph = images ? images->Width() : 16;
  int gx = r.left + 2, gy = r.top + (r.bottom - r.top - (images ? images->Height() : 16)) / 2;
  if (images && image_index_ >= 0 && image_index_ < images->Count()) {
    images->Draw(dc, gx, gy, image_index_, enabled_);
  } else if (checked_) {
    RECT box{gx, gy, gx + glyph, gy + glyph};
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    DrawFrameControl(dc, &box, DFC_MENU, DFCS_MENUCHECK | DFCS_TRANSPARENT);
  }
  if (checked_ && images && image_index_ >= 0) {
    RECT box{gx - 1, gy - 1, gx + glyph + 1, gy + glyph + 1};
    DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
  }
  NONCLIENTMETRICSA ncm{};
  ncm.cbSize = sizeof(ncm);
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
  if (default_) ncm.lfMenuFont.lfWeight = FW_BOLD;
  UniqueFont font(CreateFontIndirectA(&ncm.lfMenuFont));
  SelectGuard sel(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  RECT tr{r.left + glyph + 8, r.top, r.right - 4, r.bottom};
  if (!enabled_) {
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  } else {
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  }
  DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &tr, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

// ---- TMenu

TMenu::TMenu(TComponent* owner) : TComponent(owner) {
  items_ = new TMenuItem(this);
  items_->menu_ = this;
}

TMenu::~TMenu() {
  SetDestroying();
  if (window_ && IsWindow(window_) && GetMenu(window_) == handle_.get()) SetMenu(window_, nullptr);
  ClearMenu(handle_.get());
  DestroyComponents();
}

void TMenu::SetImages(TImageList* images) {
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images) images->FreeNotification(this);
  Rebuild();
}

void TMenu::SetOwnerDraw(bool value) {
  if (value == owner_draw_) return;
  owner_draw_ = value;
  Rebuild();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) {
    images_ = nullptr;
    Rebuild();
  }
}

void TMenu::Rebuild() {
  if ((ComponentState() & csDestroying) || rebuilding_) return;
  rebuilding_ = true;
  if (!handle_) handle_.reset(CreateMenuHandle());
  ClearMenu(handle_.get());
  for (TMenuItem* item : items_->items_)
    if (item->Visible()) item->AppendTo(handle_.get(), IsOwnerDraw(), dynamic_cast<TMainMenu*>(this) != nullptr);
  rebuilding_ = false;
  if (window_ && IsWindow(window_)) {
    if (TWinControl* form = FindControl(window_)) form->Perform(CM_MENUCHANGED);
    if (GetMenu(window_) == handle_.get()) DrawMenuBar(window_);
  }
}

TMenuItem* TMenu::FindItem(UINT_PTR value, TFindItemKind kind) const {
  std::vector<TMenuItem*> stack{items_};
  while (!stack.empty()) {
    TMenuItem* item = stack.back();
    stack.pop_back();
    if (item != items_) {
      if (kind == TFindItemKind::fkCommand && item->Command() == value) return item;
      if (kind == TFindItemKind::fkHandle && item->Handle() && reinterpret_cast<UINT_PTR>(item->Handle()) == value)
        return item;
    }
    for (TMenuItem* child : item->items_) stack.push_back(child);
  }
  return nullptr;
}

TMenuItem* TMenu::FindCommand(UINT command) {
  auto it = Commands().find(command);
  return it == Commands().end() ? nullptr : it->second;
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindCommand(command);
  if (!item || !item->GetParentMenu()) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchMeasureItem(MEASUREITEMSTRUCT* mis) {
  if (!mis || mis->CtlType != ODT_MENU) return false;
  TMenuItem* item = FindCommand(mis->itemID);
  if (!item) return false;
  WindowDc dc(nullptr);
  int w = 0, h = 0;
  item->DefaultMeasure(dc.get(), w, h);
  if (item->OnMeasureItem) {
    TCanvas canvas(dc.get());
    item->OnMeasureItem(item, &canvas, w, h);
  }
  mis->itemWidth = static_cast<UINT>(std::max(w, 0));
  mis->itemHeight = static_cast<UINT>(std::max(h, 0));
  return true;
}

bool TMenu::DispatchDrawItem(DRAWITEMSTRUCT* dis) {
  if (!dis || dis->CtlType != ODT_MENU) return false;
  TMenuItem* item = FindCommand(dis->itemID);
  if (!item) return false;
  bool selected = (dis->itemState & ODS_SELECTED) != 0;
  SaveDcGuard saved(dis->hDC);
  if (item->OnDrawItem) {
    TCanvas canvas(dis->hDC);
    item->OnDrawItem(item, &canvas, dis->rcItem, selected);
  } else {
    item->DefaultDraw(dis->hDC, dis->rcItem, selected);
  }
  return true;
}

// ---- TPopupMenu

HWND PopupListWindow() {
  static UniqueHwnd window = AllocateHWnd([](TMessage& m) {
    switch (m.Msg) {
      case WM_MEASUREITEM:
        if (TMenu::DispatchMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam))) m.Result = TRUE;
        break;
      case WM_DRAWITEM:
        if (TMenu::DispatchDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam))) m.Result = TRUE;
        break;
      case WM_COMMAND:
        if (HIWORD(m.WParam) == 0 && TMenu::DispatchCommand(LOWORD(m.WParam))) m.Result = 0;
        break;
    }
  });
  return window.get();
}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  if (!Handle()) Rebuild();
  UINT cmd = static_cast<UINT>(TrackPopupMenuEx(Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y,
                                                PopupListWindow(), nullptr));
  if (cmd) DispatchCommand(cmd);
}

TMenuItem* NewItem(TComponent* owner, const char* name, const std::string& caption, TNotifyEvent on_click) {
  auto* item = new TMenuItem(owner);
  item->SetName(name);
  item->SetCaption(caption);
  item->OnClick = std::move(on_click);
  return item;
}

TMenuItem* NewLine(TComponent* owner, const char* name) { return NewItem(owner, name, "-"); }

std::string ShortCutToText(int shortcut) {
  const int key = shortcut & 0xFF;
  std::string name;
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    name = std::string(1, static_cast<char>(key));
  } else if (key >= VK_F1 && key <= VK_F24) {
    name = "F" + std::to_string(key - VK_F1 + 1);
  } else {
    static const std::map<int, const char*> names = {
        {VK_BACK, "BkSp"}, {VK_TAB, "Tab"},    {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},  {VK_SPACE, "Space"},
        {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"},      {VK_HOME, "Home"},   {VK_LEFT, "Left"},
        {VK_UP, "Up"},      {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},  {VK_INSERT, "Ins"},  {VK_DELETE, "Del"}};
    auto it = names.find(key);
    if (it == names.end()) return {};
    name = it->second;
  }
  std::string text;
  if (shortcut & scShift) text += "Shift+";
  if (shortcut & scCtrl) text += "Ctrl+";
  if (shortcut & scAlt) text += "Alt+";
  return text + name;
}

}  // namespace fw
