// Opening a menu-bar drop-down with TrackPopupMenu and moving between bar items while it is open:
// a message-filter hook on the menu loop turns Left/Right at the ends of a drop-down and mouse
// moves over the bar into a request for the neighbouring item, which ends the running drop-down;
// the next one opens when it has closed.
#include <windows.h>

#include <set>
#include <utility>
#include <vector>

#include "framework/menus.h"
#include "skin/data/skin_manage.h"
#include "skin/form/menu_bar_layout.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"

namespace skin {

namespace {

constexpr UINT kTrackFlags = TPM_RIGHTBUTTON | TPM_NONOTIFY;         // 0x82
constexpr UINT kTrackFlagsRtl = kTrackFlags | TPM_RIGHTALIGN;       // 0x8A
// Deepest sub-menu nesting walked when items are made owner-drawn (menus can be made to loop).
constexpr int kMaxMenuDepth = 16;
// The drop-down items are owner-drawn: the form skin object's item painters draw them.
constexpr bool kDropDownsOwnerDrawn = true;

bool IsNT4() {
  const DWORD v = GetVersion();
  return (v & 0x80000000u) == 0 && LOBYTE(LOWORD(v)) == 4;
}

// Buttons the arrow keys and the mouse may switch to: those with a drop-down to open. Switching
// to a plain command item would run its command by merely passing over it.
std::vector<bool> SwitchTargets(const TWinSkinMenu& bar) {
  std::vector<bool> out;
  out.reserve(bar.BarButtons.size());
  for (const auto& b : bar.BarButtons)
    out.push_back(b->Visible && b->ItemEnabled && b->SubMenu != nullptr && !b->Caption.empty());
  return out;
}

void RefreshScreenRect(TWinSkinForm* form) {
  if (form && form->WindowHandle) GetWindowRect(form->WindowHandle, &form->ScreenRect);
}

LRESULT CALLBACK MenuFilterProc(int code, WPARAM wparam, LPARAM lparam) {
  MenuBarTracking& t = SharedMenuTracking();
  MSG* msg = reinterpret_cast<MSG*>(lparam);
  TWinSkinMenu* bar = t.Bar;
  // Right-to-left menus: the arrow keys mean the other way.
  if (code >= 0 && msg && bar && bar->SkinForm && bar->SkinForm->RightToLeft && msg->message == WM_KEYDOWN) {
    if (msg->wParam == VK_LEFT)
      msg->wParam = VK_RIGHT;
    else if (msg->wParam == VK_RIGHT)
      msg->wParam = VK_LEFT;
  }
  const LRESULT answer = CallNextHookEx(t.Hook, code, wparam, lparam);
  if (answer != 0 || code != MSGF_MENU || !msg || !bar) return answer;

  if (t.FirstMessage) {
    // The first item of the drop-down is selected.
    t.FirstMessage = false;
    PostMessageA(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);
  }
  const int32_t open = t.OpenIndex;
  int32_t target = -1;
  switch (msg->message) {
    case WM_KEYDOWN:
      if (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE) {
        t.Switching = false;
      } else if (msg->wParam == VK_LEFT) {
        HMENU tracked = bar->SkinForm ? bar->SkinForm->TrackedMenu : nullptr;
        if (!t.HasCurrent || t.CurrentParent == tracked || t.CurrentSubMenu == tracked)
          target = StepToEligible(open, SwitchTargets(*bar), false);
      } else if (msg->wParam == VK_RIGHT) {
        if (!t.HasCurrent || !t.CurrentSubMenu) target = StepToEligible(open, SwitchTargets(*bar), true);
      }
      break;
    case WM_SYSKEYDOWN:
      if (msg->wParam == VK_MENU && bar->SkinForm) bar->SkinForm->MenuTracking = false;
      break;
    case WM_MENUSELECT:
      bar->HandleMenuSelect(msg->wParam, msg->lParam);
      break;
    case WM_MOUSEMOVE:
      if (msg->pt.x != t.LastPoint.x || msg->pt.y != t.LastPoint.y) {
        t.LastPoint = msg->pt;
        const RECT& screen = bar->SkinForm->ScreenRect;
        if (TMenuBtn* b = bar->ButtonAtPoint({msg->pt.x - screen.left, msg->pt.y - screen.top})) {
          const std::vector<bool> eligible = SwitchTargets(*bar);
          if (eligible[static_cast<size_t>(b->Index)]) target = b->Index;
        }
      }
      break;
    default:
      break;
  }
  if (target >= 0 && target != open && static_cast<size_t>(target) < bar->BarButtons.size()) {
    t.Switching = true;
    bar->RequestMenuItem(bar->BarButtons[static_cast<size_t>(target)].get());
  }
  return answer;
}

// WM_MENUSELECT is sent to the window, so the filter never sees it: a hook on sent messages does.
LRESULT CALLBACK MenuSentProc(int code, WPARAM wparam, LPARAM lparam) {
  MenuBarTracking& t = SharedMenuTracking();
  const CWPSTRUCT* cwp = reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && cwp && cwp->message == WM_MENUSELECT && t.Bar && cwp->hwnd == t.Bar->Window())
    t.Bar->HandleMenuSelect(cwp->wParam, cwp->lParam);
  return CallNextHookEx(t.SentHook, code, wparam, lparam);
}

void InstallTrackingHooks(TWinSkinMenu* bar, int32_t index) {
  MenuBarTracking& t = SharedMenuTracking();
  t.Bar = bar;
  t.OpenIndex = index;
  t.FirstMessage = true;
  t.Switching = false;
  t.HasCurrent = false;
  t.CurrentItem = nullptr;
  t.CurrentParent = t.CurrentSubMenu = nullptr;
  GetCursorPos(&t.LastPoint);
  const DWORD thread = GetCurrentThreadId();
  t.Hook = SetWindowsHookExA(WH_MSGFILTER, MenuFilterProc, nullptr, thread);
  t.SentHook = SetWindowsHookExA(WH_CALLWNDPROC, MenuSentProc, nullptr, thread);
}

void RemoveTrackingHooks() {
  MenuBarTracking& t = SharedMenuTracking();
  if (t.Hook) UnhookWindowsHookEx(t.Hook);
  if (t.SentHook) UnhookWindowsHookEx(t.SentHook);
  t.Hook = t.SentHook = nullptr;
  t.CurrentItem = nullptr;
  t.HasCurrent = false;
  t.CurrentParent = t.CurrentSubMenu = nullptr;
  t.OpenIndex = -1;
  t.FirstMessage = false;
  t.Bar = nullptr;
}

// The items made owner-drawn here, by menu and identifier (once per item: separators share 0):
// only these are given back.
std::multiset<std::pair<HMENU, UINT>>& MadeOwnerDrawn() {
  static std::multiset<std::pair<HMENU, UINT>> items;
  return items;
}

void MakeOwnerDrawn(HMENU menu, int depth) {
  if (!menu || depth > kMaxMenuDepth) return;
  const int count = GetMenuItemCount(menu);
  for (int pos = 0; pos < count; ++pos) {
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE | MIIM_ID;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &mii)) continue;
    if (mii.hSubMenu) MakeOwnerDrawn(mii.hSubMenu, depth + 1);
    if (mii.fType & MFT_OWNERDRAW) continue;
    MENUITEMINFOA set{};
    set.cbSize = sizeof(set);
    set.fMask = MIIM_FTYPE;
    set.fType = mii.fType | MFT_OWNERDRAW;
    if (SetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &set)) MadeOwnerDrawn().insert({menu, mii.wID});
  }
}

void RestoreOwnerDrawn(HMENU menu, int depth) {
  if (!menu || depth > kMaxMenuDepth || !IsMenu(menu)) return;
  const int count = GetMenuItemCount(menu);
  for (int pos = 0; pos < count; ++pos) {
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_SUBMENU | MIIM_FTYPE | MIIM_ID;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &mii)) continue;
    if (mii.hSubMenu) RestoreOwnerDrawn(mii.hSubMenu, depth + 1);
    auto made = MadeOwnerDrawn().find({menu, mii.wID});
    if (made == MadeOwnerDrawn().end()) continue;
    MadeOwnerDrawn().erase(made);
    if (!(mii.fType & MFT_OWNERDRAW)) continue;
    MENUITEMINFOA set{};
    set.cbSize = sizeof(set);
    set.fMask = MIIM_FTYPE;
    set.fType = mii.fType & ~static_cast<UINT>(MFT_OWNERDRAW);
    SetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &set);
  }
}

}  // namespace

MenuBarTracking& SharedMenuTracking() {
  static MenuBarTracking tracking;
  return tracking;
}

void MakeMenuOwnerDrawn(HMENU menu) { MakeOwnerDrawn(menu, 0); }

void RestoreMenuOwnerDrawn(HMENU menu) { RestoreOwnerDrawn(menu, 0); }

void TWinSkinMenu::HandleMenuSelect(WPARAM wparam, LPARAM lparam) {
  MenuBarTracking& t = SharedMenuTracking();
  if (t.Bar != this) return;
  const UINT item = LOWORD(wparam);
  const UINT flags = HIWORD(wparam);
  HMENU menu = reinterpret_cast<HMENU>(lparam);
  if (flags == 0xFFFF && !menu) {
    if (!t.Switching && SkinForm) SkinForm->MenuTracking = false;
    t.HasCurrent = false;
    t.CurrentItem = nullptr;
    t.CurrentParent = t.CurrentSubMenu = nullptr;
    return;
  }
  t.Switching = false;
  t.HasCurrent = true;
  t.CurrentParent = menu;
  t.CurrentSubMenu = (flags & MF_POPUP) && menu ? GetSubMenu(menu, static_cast<int>(item)) : nullptr;
  t.CurrentItem = nullptr;
  if (FrameworkMenu) {
    t.CurrentItem =
        t.CurrentSubMenu
            ? FrameworkMenu->FindItem(reinterpret_cast<UINT_PTR>(t.CurrentSubMenu), fw::TFindItemKind::fkHandle)
            : FrameworkMenu->FindItem(item, fw::TFindItemKind::fkCommand);
  }
}

void TWinSkinMenu::RequestMenuItem(TMenuBtn* button) {
  HWND window = Window();
  if (!button || !window) return;
  MenuBarTracking& t = SharedMenuTracking();
  t.Requested = true;
  RefreshScreenRect(SkinForm);
  const RECT& screen = SkinForm->ScreenRect;
  const int x = screen.left + button->Rect.left + 1;
  const int y = screen.top + button->Rect.top + 1;
  if (t.Bar == this && t.Hook) {
    // The running drop-down ends; the loop in OpenMenuItem opens this one next.
    t.PendingIndex = button->Index;
    EndMenu();
  }
  PostMessageA(window, WM_NCLBUTTONDOWN, 1, MAKELPARAM(x, y));
}

bool TWinSkinMenu::OpenMenuItem(TMenuBtn* button) {
  MenuBarTracking& t = SharedMenuTracking();
  t.Requested = false;
  HWND window = Window();
  if (!button || !window || !SkinForm) return false;
  // One drop-down at a time: a request while one is open is taken by the running loop.
  if (t.Hook) {
    if (t.Bar == this) {
      t.PendingIndex = button->Index;
      EndMenu();
    }
    return false;
  }
  const std::shared_ptr<bool> alive = alive_;
  bool opened = false;
  int32_t index = button->Index;
  while (index >= 0 && static_cast<size_t>(index) < BarButtons.size()) {
    TMenuBtn* b = BarButtons[static_cast<size_t>(index)].get();
    t.PendingIndex = -1;
    if (b->Command != 0) PostMessageA(window, WM_COMMAND, b->Command, 0);
    if (!b->SubMenu) break;

    SkinForm->TrackedMenu = b->SubMenu;
    RefreshScreenRect(SkinForm);
    if (kDropDownsOwnerDrawn && !IsNT4()) MakeMenuOwnerDrawn(b->SubMenu);
    SkinForm->MenuTracking = true;
    const bool rtl = SkinForm->RightToLeft;
    const RECT& screen = SkinForm->ScreenRect;
    const int x = screen.left + (rtl ? b->Rect.right : b->Rect.left);
    const int y = screen.top + b->Rect.bottom;
    if (TSkinManage* manager = SkinManager()) {
      manager->MenuSourceMode = 1;
      manager->MenuFromBar = true;
    }
    if (HotButton && HotButton != b) MouseLeft();
    HotButton = b;
    b->State = kNCPressed;
    b->Paint();

    InstallTrackingHooks(this, index);
    if (b->ItemEnabled) TrackPopupMenu(b->SubMenu, rtl ? kTrackFlagsRtl : kTrackFlags, x, y, 0, window, nullptr);
    RemoveTrackingHooks();
    opened = true;
    if (!*alive) return opened;  // the window and its bar went while the menu was open
    SkinForm->MenuTracking = false;

    const int32_t next = std::exchange(t.PendingIndex, -1);
    // The click that asked for the next item was taken here; it must not open it twice.
    MSG stale;
    while (PeekMessageA(&stale, window, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE)) {
    }
    if (index < static_cast<int32_t>(BarButtons.size())) {
      TMenuBtn* closed = BarButtons[static_cast<size_t>(index)].get();
      closed->State = kNCNormal;
      if (HotButton == closed) HotButton = nullptr;
      closed->Paint();
    }
    if (next < 0 || next == index) break;
    index = next;
  }
  t.Switching = false;
  return opened;
}

}  // namespace skin
