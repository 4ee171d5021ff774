// The menu bar's buttons: built from the window's menu (and the framework menu behind it), laid
// out in the strip, found by point or accelerator, and driven by the non-client mouse.
#include "skin/form/win_skin_menu.h"

#include <algorithm>
#include <optional>

#include "framework/menus.h"
#include "skin/data/img_util_win.h"
#include "skin/data/skin_data.h"
#include "skin/form/menu_bar_layout.h"
#include "skin/form/win_skin_form.h"

namespace skin {

namespace {

// Windows 95 and NT 4.0, and NT before version 5, keep their menu items in the framework only.
bool OldMenuPlatform() {
  const DWORD v = GetVersion();
  const unsigned major = LOBYTE(LOWORD(v));
  const unsigned minor = HIBYTE(LOWORD(v));
  const bool nt = (v & 0x80000000u) == 0;
  return (major == 4 && minor == 0) || (nt && major < 5);
}

// A drop-down item made with AppendMenu(MF_POPUP) has its menu handle as identifier: no command,
// and posting it could run whatever command shares its low word.
UINT ItemCommand(const MENUITEMINFOA& mii) {
  if (mii.hSubMenu && mii.wID == static_cast<UINT>(reinterpret_cast<UINT_PTR>(mii.hSubMenu))) return 0;
  return mii.wID;
}

// One item of the window's menu as the bar shows it; nothing when the item cannot be read.
struct BarItem {
  HMENU SubMenu = nullptr;
  UINT Command = 0;
  bool Enabled = true;
  std::wstring Caption;  // empty for owner-drawn, bitmap and separator items
};

std::optional<BarItem> ReadBarItem(HMENU menu, int pos) {
  // The text buffer stays terminated whatever the item holds; owner-drawn and bitmap items
  // carry no text.
  char text[81] = {};
  MENUITEMINFOA mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
  mii.dwTypeData = text;
  mii.cch = 80;
  if (!GetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &mii)) return std::nullopt;
  BarItem item;
  item.SubMenu = mii.hSubMenu;
  item.Command = ItemCommand(mii);
  item.Enabled = (mii.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
  if ((mii.fType & (MFT_OWNERDRAW | MFT_BITMAP | MFT_SEPARATOR)) == 0) {
    text[80] = '\0';
    item.Caption = AnsiToWide(text);
  }
  return item;
}

void ApplyBarItem(const BarItem& item, TMenuBtn& b) {
  b.SubMenu = item.SubMenu;
  b.Command = item.Command;
  b.ItemEnabled = item.Enabled;
  b.Caption = item.Caption;
}

fw::UniqueFont MakeMenuFont() {
  NONCLIENTMETRICSA ncm{};
  ncm.cbSize = 340;  // the record without the padded-border field, accepted by every version
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &ncm, 0)) return {};
  return fw::UniqueFont(CreateFontIndirectA(&ncm.lfMenuFont));
}

}  // namespace

FW_DEFINE_CLASS(TWinSkinMenu, fw::TComponent)

void TMenuBtn::Paint() {
  if (Bar && Visible) Bar->PaintButton(*this);
}

TWinSkinMenu::TWinSkinMenu(TWinSkinForm* owner, fw::TMenu* frameworkMenu)
    : fw::TComponent(owner), FrameworkMenu(frameworkMenu), SkinForm(owner), menu_font_(MakeMenuFont()) {
  if (owner) SkinDataRef = owner->SkinDataRef;
  WatchFrameworkMenu();
}

void TWinSkinMenu::WatchFrameworkMenu() {
  if (FrameworkMenu == watched_menu_) return;
  if (watched_menu_) watched_menu_->RemoveFreeNotification(this);
  watched_menu_ = FrameworkMenu;
  if (watched_menu_) watched_menu_->FreeNotification(this);
}

TWinSkinMenu::~TWinSkinMenu() {
  *alive_ = false;
  MenuBarTracking& t = SharedMenuTracking();
  if (t.Bar == this) {
    // Going while its drop-down is open: the menu loop must not call back into this bar.
    if (t.Hook) UnhookWindowsHookEx(t.Hook);
    if (t.SentHook) UnhookWindowsHookEx(t.SentHook);
    t = MenuBarTracking{};
    EndMenu();
  }
  if (watched_menu_) watched_menu_->RemoveFreeNotification(this);
  FreeButtons();
}

void TWinSkinMenu::Notification(fw::TComponent* component, fw::TOperation operation) {
  fw::TComponent::Notification(component, operation);
  if (operation != fw::TOperation::opRemove || !watched_menu_) return;
  if (component == watched_menu_) {
    watched_menu_ = nullptr;
    if (FrameworkMenu == component) FrameworkMenu = nullptr;
    // Drop-downs that were the framework items' own handles went with them.
    for (auto& b : BarButtons) {
      if (b->FrameworkItem) b->SubMenu = nullptr;
      b->FrameworkItem = nullptr;
    }
  }
}

HWND TWinSkinMenu::Window() const { return SkinForm ? SkinForm->WindowHandle : nullptr; }

FrameMetrics TWinSkinMenu::HostMetrics() const { return SkinForm ? SkinForm->Metrics() : FrameMetrics{}; }

TSkinData* TWinSkinMenu::Data() const {
  if (SkinDataRef) return SkinDataRef;
  return SkinForm ? SkinForm->SkinDataRef : nullptr;
}

COLORREF TWinSkinMenu::ColourOf(int skinIndex, int systemIndex) const {
  if (const TSkinData* data = Data(); data && !data->SkinEmpty())
    return data->SkinColor(static_cast<SkinColourIndex>(skinIndex));
  return GetSysColor(systemIndex);
}

COLORREF TWinSkinMenu::TextColour(bool enabled) const {
  return enabled ? ColourOf(kScMenuBarText, COLOR_MENUTEXT) : ColourOf(kScButtonShadow, COLOR_BTNSHADOW);
}

TMenuBtn* TWinSkinMenu::AddButton() {
  auto b = std::make_unique<TMenuBtn>();
  b->Owner = SkinForm;
  b->Bar = this;
  b->SkinDataRef = Data();
  b->Index = static_cast<int32_t>(BarButtons.size());
  BarButtons.push_back(std::move(b));
  return BarButtons.back().get();
}

void TWinSkinMenu::FreeButtons() {
  HotButton = nullptr;
  BarButtons.clear();
}

void TWinSkinMenu::Rebuild() {
  HWND window = Window();
  if (!window) return;
  if (HMENU current = GetMenu(window)) MenuHandle = current;
  if (!MenuHandle || !IsMenu(MenuHandle)) return;
  WatchFrameworkMenu();
  FreeButtons();

  if (OldMenuPlatform() && FrameworkMenu) {
    fw::TMenuItem* root = FrameworkMenu->Items();
    for (int i = 0; root && i < root->Count(); ++i) {
      fw::TMenuItem* item = root->Items(i);
      TMenuBtn* b = AddButton();
      b->Visible = item->Visible();
      b->ItemEnabled = item->Enabled();
      b->Command = item->Command();
      b->Caption = AnsiToWide(item->Caption());
      b->FrameworkItem = item;
      b->SubMenu = item->Count() > 0 ? item->Handle() : nullptr;
    }
    SetMenu(window, nullptr);
    return;
  }

  const int count = GetMenuItemCount(MenuHandle);
  if (count <= 0) {
    SetMenu(window, nullptr);
    return;
  }
  for (int pos = 0; pos < count; ++pos) {
    const std::optional<BarItem> read = ReadBarItem(MenuHandle, pos);
    if (!read) continue;
    TMenuBtn* b = AddButton();
    b->Index = pos;
    ApplyBarItem(*read, *b);
    b->Visible = true;
    fw::TMenuItem* item =
        FrameworkMenu && b->Command != 0 ? FrameworkMenu->FindItem(b->Command, fw::TFindItemKind::fkCommand) : nullptr;
    if (item) {
      b->Caption = AnsiToWide(item->Caption());
      b->ItemEnabled = item->Enabled();
      b->FrameworkItem = item;
      b->SubMenu = item->Count() > 0 ? item->Handle() : nullptr;
    }
  }
  // Index is the position in the bar, whatever positions failed to read.
  for (size_t i = 0; i < BarButtons.size(); ++i) BarButtons[i]->Index = static_cast<int32_t>(i);
  SetMenu(window, nullptr);
}

void TWinSkinMenu::RebuildFromMenu(HMENU menu) {
  if (menu && IsMenu(menu)) MenuHandle = menu;
  if (!MenuHandle || !IsMenu(MenuHandle)) return;
  WatchFrameworkMenu();
  FreeButtons();
  const int count = GetMenuItemCount(MenuHandle);
  for (int pos = 0; pos < count; ++pos) {
    const std::optional<BarItem> read = ReadBarItem(MenuHandle, pos);
    if (!read) continue;
    TMenuBtn* b = AddButton();
    ApplyBarItem(*read, *b);
    if (!b->Caption.empty() || !FrameworkMenu) continue;
    fw::TMenuItem* item = read->SubMenu
                              ? FrameworkMenu->FindItem(reinterpret_cast<UINT_PTR>(read->SubMenu), fw::TFindItemKind::fkHandle)
                              : nullptr;
    if (!item && b->Command != 0) item = FrameworkMenu->FindItem(b->Command, fw::TFindItemKind::fkCommand);
    if (!item) continue;
    b->Caption = AnsiToWide(item->Caption());
    b->ItemEnabled = item->Enabled();
    b->Command = item->Command();
    b->FrameworkItem = item;
    b->SubMenu = item->Count() > 0 ? item->Handle() : nullptr;
  }
  Layout();
}

common::Rect TWinSkinMenu::Strip() const {
  HWND window = Window();
  RECT wr{};
  if (!window || !GetWindowRect(window, &wr)) return {};
  const FrameMetrics m = HostMetrics();
  return MenuBarStrip({wr.right - wr.left, wr.bottom - wr.top}, m.BorderLeft, m.BorderTop, m.BorderRight,
                      m.MenuBarHeight);
}

int32_t TWinSkinMenu::StartOffset(const common::Rect& strip) const {
  const TSkinData* data = Data();
  const TDataSkinObject* image = data ? data->Skin().MenuBarSkin.get() : nullptr;
  const bool has = image && !image->Bitmap.Empty();
  const bool rtl = SkinForm && SkinForm->RightToLeft;
  return MenuBarStartOffset(has, has ? image->LeftWidth : 0, has ? image->RightWidth : 0, rtl, strip.Width());
}

// Measures every caption with the menu font in the DC and sets each button's Rect.
void TWinSkinMenu::PlaceButtons(HDC dc, const common::Rect& strip) {
  HFONT font = MenuFont() ? MenuFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fw::SelectGuard select(dc, font);
  std::vector<MenuBarCell> cells;
  cells.reserve(BarButtons.size());
  for (const auto& b : BarButtons) {
    MenuBarCell cell;
    cell.Visible = b->Visible;
    if (b->Visible && !b->Caption.empty()) {
      RECT r{0, 0, 0, 0};
      DrawTextW(dc, b->Caption.c_str(), static_cast<int>(b->Caption.size()), &r, DT_CALCRECT | DT_NOCLIP);
      cell.Width = MenuButtonWidth(r.right - r.left);
    }
    cells.push_back(cell);
  }
  const bool rtl = SkinForm && SkinForm->RightToLeft;
  int32_t offset = StartOffset(strip);
  // Right to left beside a maximized MDI child's buttons: the run starts 5 pixels left of them.
  if (rtl) {
    if (const int32_t left = MdiButtonsLeft(); left >= 0) offset = strip.right - (left - 5);
  }
  const std::vector<Rect> rects = LayOutMenuButtons(strip, offset, cells, rtl);
  for (size_t i = 0; i < BarButtons.size() && i < rects.size(); ++i) BarButtons[i]->Rect = rects[i];
}

void TWinSkinMenu::Layout() {
  const common::Rect strip = Strip();
  if (strip.Empty()) return;
  fw::UniqueMemDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return;
  PlaceButtons(dc.get(), strip);
}

TMenuBtn* TWinSkinMenu::ButtonAtPoint(common::Point windowPoint) {
  std::vector<MenuBarEntry> entries;
  entries.reserve(BarButtons.size());
  for (const auto& b : BarButtons) entries.push_back({b->Rect, b->Caption, b->Visible, b->ItemEnabled});
  const int32_t i = MenuButtonIndexAt(entries, windowPoint);
  return i >= 0 ? BarButtons[static_cast<size_t>(i)].get() : nullptr;
}

TMenuBtn* TWinSkinMenu::FindAccelButton(wchar_t character) {
  std::vector<MenuBarEntry> entries;
  entries.reserve(BarButtons.size());
  for (const auto& b : BarButtons) entries.push_back({b->Rect, b->Caption, b->Visible, b->ItemEnabled});
  const int32_t i = FindAccelIndex(entries, character);
  return i >= 0 ? BarButtons[static_cast<size_t>(i)].get() : nullptr;
}

void TWinSkinMenu::MouseLeft() {
  TMenuBtn* hot = std::exchange(HotButton, nullptr);
  if (!hot) return;
  hot->State = kNCNormal;
  hot->Paint();
}

void TWinSkinMenu::CheckHover(common::Point windowPoint) {
  if (!HotButton || SharedMenuTracking().Bar == this) return;
  if (!HotButton->Rect.Contains(windowPoint)) MouseLeft();
}

bool TWinSkinMenu::HandleNcMouse(UINT msg, common::Point windowPoint) {
  TMenuBtn* b = ButtonAtPoint(windowPoint);
  switch (msg) {
    case WM_NCMOUSEMOVE:
      if (!b) {
        MouseLeft();
        return false;
      }
      if (b == HotButton) return true;
      MouseLeft();
      HotButton = b;
      b->State = kNCHot;
      b->Paint();
      return true;
    case WM_NCLBUTTONDOWN: {
      if (!b) return false;
      MenuBarTracking& t = SharedMenuTracking();
      if (t.Bar == this && t.Hook) {
        // A click for another button while a drop-down is open: it opens when this one closes.
        t.PendingIndex = b->Index;
        EndMenu();
        return true;
      }
      if (HotButton && HotButton != b) MouseLeft();
      HotButton = b;
      OpenMenuItem(b);
      return true;
    }
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
      return b != nullptr;
    default:
      return false;
  }
}

bool TWinSkinMenu::HandleKeyMenu(wchar_t character) {
  TMenuBtn* b = nullptr;
  if (character == 0) {
    for (const auto& candidate : BarButtons)
      if (candidate->Visible && !candidate->Caption.empty()) {
        b = candidate.get();
        break;
      }
  } else {
    b = FindAccelButton(character);
  }
  if (!b) return false;
  OpenMenuItem(b);
  return true;
}

}  // namespace skin
