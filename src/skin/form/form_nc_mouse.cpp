// Non-client mouse input of the form skin object: caption buttons first, then the menu bar, then
// the window's own handling; the click actions and window commands of the caption buttons; and
// the hover timer that notices when the mouse has left a button and shows the buttons' hints.
#include <windowsx.h>

#include <algorithm>

#include "framework/timer.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/form/skin_messages.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"

namespace skin {

namespace {

// The application's hint pause and hint-hide pause (the framework's defaults).
constexpr int32_t kHintPause = 500;
constexpr int32_t kHintHidePause = 2500;

}  // namespace

LRESULT TWinSkinForm::OnNcMouse(UINT msg, WPARAM wp, LPARAM lp) {
  const POINT screen{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  last_nc_point_ = screen;
  const common::Point at = WindowPointFromScreen(screen);
  auto alive = alive_;
  TWinSysButton* button = ButtonAt(at);
  // The menu bar sees every move, press and release over it (its own requests arrive as presses
  // at its buttons, whatever the hit code) and answers whether one of its buttons took it.
  auto barTakes = [&] { return !button && MenuBar && MenuBar->HandleNcMouse(msg, at); };
  switch (msg) {
    case WM_NCMOUSEMOVE:
      if (!IsActive) return 0;
      if (button) {
        if (MenuBar && MenuBar->HotButton) MenuBar->MouseLeft();
        button->MouseMove();
        return 0;
      }
      // Over no caption button the hover is over, also for a button a frame paint made cold.
      if (HotObject) HotObject->MouseLeave();
      else HideButtonHint();
      if (barTakes()) return 0;
      if (MenuBar && MenuBar->HotButton) MenuBar->MouseLeft();
      break;
    case WM_NCLBUTTONDOWN:
      HideButtonHint();
      if (button) {
        if (!IsActive) SetForegroundWindow(WindowHandle);
        if (!*alive) return 0;
        button->MouseDown();
        return 0;
      }
      if (barTakes()) return 0;
      // A maximized window is not dragged by its caption.
      if (WindowState == kStateMaximized && IsActive && wp == HTCAPTION) wp = HTMENU;
      break;
    case WM_NCLBUTTONUP:
      HideButtonHint();
      if (button) {
        if (button == HotObject) {
          button->MouseUp();
          ClickButton();
        }
        return 0;
      }
      if (barTakes()) return 0;
      break;
    case WM_NCLBUTTONDBLCLK:
      if (button) {
        if (button->IsIconButton()) {
          if (HoverTimer) HoverTimer->SetEnabled(false);
          PostMessageA(WindowHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
      }
      // Only the caption: a double click on a sizing edge or the menu bar keeps its own meaning.
      if (wp == HTCAPTION) {
        if (WindowState != kStateNormal) {
          Restore();
          return 0;
        }
        if (FrameFeatures & kFeatureMaximizeBox) {
          Maximize();
          return 0;
        }
      }
      break;
    case WM_NCRBUTTONDOWN:
      HideButtonHint();
      if (wp == HTCAPTION && FormKind != kFormMdiChild) {
        ShowSystemMenu(screen);
        return 0;
      }
      break;
    default:
      break;
  }
  return PassOn(msg, wp, lp);
}

void TWinSkinForm::ClickButton() {
  TWinSysButton* button = HotObject;
  if (!button) return;
  const HWND w = WindowHandle;
  const int32_t action = button->Action();
  // The active MDI child gets the command of the MDI buttons in the menu bar.
  auto toActiveChild = [&](WPARAM command) {
    if (FormKind != kFormMdiFrame || !MdiClientWindow) return;
    if (HWND child = reinterpret_cast<HWND>(SendMessageA(MdiClientWindow, WM_MDIGETACTIVE, 0, 0)))
      SendMessageA(child, WM_SYSCOMMAND, command, 0);
  };
  switch (ClickCommand(action, button->Enabled)) {
    case ButtonCommand::None:
      break;
    case ButtonCommand::Close:
      if (CanClose()) {
        if (HoverTimer) HoverTimer->SetEnabled(false);
        PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case ButtonCommand::Maximize:
      Maximize();
      break;
    case ButtonCommand::Minimize:
      Minimize();
      break;
    case ButtonCommand::SystemMenu:
      ShowSystemMenu({last_nc_point_.x + 1, last_nc_point_.y + 1});
      break;
    case ButtonCommand::ContextHelp:
      PostMessageA(w, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    case ButtonCommand::MdiMinimize:
      toActiveChild(SC_MINIMIZE);
      break;
    case ButtonCommand::MdiRestore:
      toActiveChild(SC_RESTORE);
      break;
    case ButtonCommand::MdiClose:
      toActiveChild(SC_CLOSE);
      break;
    case ButtonCommand::Custom:
      PostMessageA(w, XM_CUSTOMBUTTON, static_cast<WPARAM>(action), 0);
      break;
  }
}

bool TWinSkinForm::CanClose() const {
  const DWORD version = GetVersion();
  if ((version & 0x80000000u) || LOBYTE(LOWORD(version)) < 5) return true;
  HMENU menu = SystemMenu ? SystemMenu : GetSystemMenu(WindowHandle, FALSE);
  if (!menu) return false;
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID;
  return GetMenuItemInfoA(menu, SC_CLOSE, FALSE, &info) != FALSE;
}

void TWinSkinForm::Maximize() {
  if (WindowState == kStateMaximized) {
    Restore();
    return;
  }
  if (FormKind == kFormMdiChild) {
    if (TSkinManage* manager = SkinManager()) manager->SetMDIMaximized(true);
  }
  WindowState = kStateMaximized;
  PostMessageA(WindowHandle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  HotObject = nullptr;
}

void TWinSkinForm::Restore() {
  WindowState = kStateNormal;
  PostMessageA(WindowHandle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::Minimize() {
  if (WindowState == kStateMinimized) {
    Restore();
    return;
  }
  WindowState = kStateMinimized;
  // The minimized window's task-bar entry needs its system menu; only a window that had one.
  if (FrameFeatures & kFeatureSystemMenu) {
    const LONG style = GetWindowLongA(WindowHandle, GWL_STYLE);
    if (!(style & WS_SYSMENU)) SetWindowLongA(WindowHandle, GWL_STYLE, style | WS_SYSMENU);
  }
  PostMessageA(WindowHandle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::HoverTick() {
  if (MenuTracking || !IsWindow(WindowHandle)) return;
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return;
  const common::Point at = WindowPointFromScreen(cursor);
  // A hot menu-bar button the cursor has left goes back to normal.
  if (MenuBar) MenuBar->CheckHover(at);
  TWinSysButton* hot = HotObject;
  if (!hot) return;
  if (!hot->Rect.Contains(at)) {
    hot->MouseLeave();
    HotObject = nullptr;
    HideButtonHint();
    return;
  }
  if (!SkinDataRef) return;
  // Bounded: the phase no longer changes once the hide pause is over.
  HintTime = std::min(HintTime + kHoverTimerMs, 2 * kHintPause + kHintHidePause + kHoverTimerMs);
  switch (CaptionHintPhase(HintTime, kHintPause, kHintHidePause)) {
    case HintPhase::Waiting:
      break;
    case HintPhase::Showing:
      if (const char* text = ButtonHint(hot->Action())) {
        RECT window{};
        GetWindowRect(WindowHandle, &window);
        const Point p = CaptionHintPosition(hot->Rect, {window.left, window.top}, cursor.y);
        SkinDataRef->ShowCaptionHint(RECT{p.x, p.y, p.x, p.y}, text);
      }
      break;
    case HintPhase::Over:
      SkinDataRef->HideCaptionHint();
      break;
  }
  // A hovered control skin of a foreign window is let go here once control skins exist.
}

}  // namespace skin
