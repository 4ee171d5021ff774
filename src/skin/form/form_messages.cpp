// The form skin object's window procedure: three tables in order. The first serves every window,
// the second top-level windows with a skinned frame, the third only once the skin is active.
// Whatever no table consumes goes to the previous procedure exactly once.
#include <windowsx.h>

#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/form/form_internal.h"
#include "skin/form/skin_messages.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"

namespace skin {

namespace {

bool IsSystemMenuCommand(WORD id) {
  switch (id) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      return true;
    default:
      return false;
  }
}

}  // namespace

LRESULT TWinSkinForm::WindowProcedure(UINT msg, WPARAM wp, LPARAM lp) {
  if (SkinState == kSkinAttached && msg == WM_NCPAINT) return 0;
  bool handled = false;
  LRESULT r = FirstTable(msg, wp, lp, handled);
  if (handled) return r;
  if (!SkinFrame) return PassOn(msg, wp, lp);
  if (IsChild && FormKind != kFormMdiChild) return PassOn(msg, wp, lp);
  r = SecondTable(msg, wp, lp, handled);
  if (handled) return r;
  if ((FormKind == kFormMdiChild && WindowState == kStateMaximized) || SkinState == kSkinAttached)
    return PassOn(msg, wp, lp);
  return ThirdTable(msg, wp, lp);
}

LRESULT TWinSkinForm::FirstTable(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
  handled = true;
  switch (msg) {
    case WM_ERASEBKGND: {
      auto alive = alive_;
      const LRESULT r = PassOn(msg, wp, lp);
      if (!*alive || FormControl || !SkinDataRef || !SkinDataRef->BackBrush()) return r;
      RECT client{};
      GetClientRect(WindowHandle, &client);
      FillRect(reinterpret_cast<HDC>(wp), &client, SkinDataRef->BackBrush());
      return 1;
    }
    case WM_NCDESTROY: {
      // The procedure goes back before the window's own last message; the previous procedure is
      // kept here because detaching forgets it.
      const WNDPROC previous = old_window_proc_;
      const HWND w = WindowHandle;
      SkinState = kSkinDetaching;
      auto alive = alive_;
      DetachOnDestroy();
      const LRESULT r = form_detail::CallPrevious(previous, w, msg, wp, lp);
      if (*alive) SkinState = kSkinDead;
      return r;
    }
    case WM_NCACTIVATE:
      // Before activation the native caption must not be drawn; the change itself is allowed
      // (answering FALSE to a deactivation would keep the window active).
      if (SkinState == kSkinAttached && FormKind != kFormMdiChild && SkinFrame && BorderKind != kBorderNone)
        return TRUE;
      break;
    case kThemeCaptionDraw:
      return 0;
    case WM_INITMENUPOPUP:
      if (TSkinManage* manager = SkinManager())
        manager->MenuSourceMode = reinterpret_cast<HMENU>(wp) == SystemMenu ? 2 : 1;
      return PassOn(msg, wp, lp);
    case WM_CTLCOLORBTN: {
      const LRESULT r = PassOn(msg, wp, lp);
      if (!FormControl) SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      return r;
    }
    case WM_CTLCOLORSTATIC: {
      const LRESULT r = PassOn(msg, wp, lp);
      if (FormControl || !SkinDataRef) return r;
      SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      return reinterpret_cast<LRESULT>(SkinDataRef->BackBrush());
    }
    case XM_ACTIVATESKIN:
      Activate();
      return 0;
    case XM_RESKINSCROLL:
      // Scroll-bar control skins come with the control skins; nothing to replace yet.
      return 0;
    case XM_ISSKINNED:
      PostMessageA(WindowHandle, XM_SKINDONE, 0, SkinSignature);
      return 1;
    default:
      break;
  }
  handled = false;
  return 0;
}

LRESULT TWinSkinForm::SecondTable(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
  handled = true;
  switch (msg) {
    case WM_SIZE:
      return OnSize(wp, lp);
    case WM_ACTIVATE:
      IsActive = LOWORD(wp) != WA_INACTIVE;
      return PassOn(msg, wp, lp);
    case WM_NCACTIVATE:
      IsActive = wp != 0;
      break;  // on to the third table
    case WM_GETMINMAXINFO:
      return PassOnThen(msg, wp, lp, [this] { ReadWindowState(); });
    case WM_WINDOWPOSCHANGED:
      ReadWindowState();
      return PassOn(msg, wp, lp);
    case WM_SETTEXT:
      // The default handling draws a native caption at once; a foreign window has no form-object
      // handler to repaint it, so the skin's caption goes back on here.
      return PassOnThen(msg, wp, lp, [this] {
        if (!FormControl && SkinState == kSkinActive) RepaintFrame();
      });
    case WM_SETICON:
      return PassOnThen(msg, wp, lp, [this] { BuildIconBitmap(); });
    case WM_COMMAND:
      // Commands of the owner-drawn system menu arrive as WM_COMMAND: they become system commands.
      if (IsSystemMenuCommand(LOWORD(wp))) {
        PostMessageA(WindowHandle, WM_SYSCOMMAND, LOWORD(wp), 0);
        return 0;
      }
      return PassOn(msg, wp, lp);
    case WM_SYSCOMMAND:
      return OnSysCommand(wp, lp);
    case XM_OPENMENUAT:
      OpenMenuAt({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      return 0;
    case kFormMenuChanged:
      return OnMenuChanged(msg, wp, lp, false);
    default:
      break;
  }
  handled = false;
  return 0;
}

LRESULT TWinSkinForm::ThirdTable(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCALCSIZE:
      return OnNcCalcSize(wp, lp);
    case WM_NCHITTEST:
      return OnNcHitTest(wp, lp);
    case WM_NCPAINT:
      return OnNcPaint(wp, lp);
    case WM_NCACTIVATE:
      return OnNcActivate(wp, lp);
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      return OnNcMouse(msg, wp, lp);
    case XM_REPAINTFRAME:
      RepaintFrame();
      return 0;
    case WM_MEASUREITEM:
      return OnMeasureItem(wp, lp);
    case WM_DRAWITEM:
      return OnDrawItem(wp, lp);
    default:
      return PassOn(msg, wp, lp);
  }
}

LRESULT TWinSkinForm::OnSize(WPARAM wp, LPARAM lp) {
  auto alive = alive_;
  const LRESULT r = PassOn(WM_SIZE, wp, lp);
  if (!*alive) return r;
  if (wp == SIZE_RESTORED) WindowState = kStateNormal;
  else if (wp == SIZE_MINIMIZED) WindowState = kStateMinimized;
  else if (wp == SIZE_MAXIMIZED) WindowState = kStateMaximized;
  if (WindowState == kStateMinimized) return r;
  if (FormKind == kFormMdiChild) {
    if (WindowState != kStateNormal) return r;
    if (TSkinManage* manager = SkinManager(); manager && manager->MDIMaximized) return r;
  }
  if (SkinState == kSkinActive || SkinState == kSkinRefreshing) BuildRegion();
  return r;
}

LRESULT TWinSkinForm::OnNcActivate(WPARAM wp, LPARAM lp) {
  IsActive = wp != 0;
  if (HoverTimer) HoverTimer->SetEnabled(IsActive);
  // A window without a caption keeps its native frame, which shows the change itself.
  if (BorderKind == kBorderNone) return PassOn(WM_NCACTIVATE, wp, lp);
  LRESULT r = TRUE;
  if (FormKind == kFormMdiFrame && MdiClientWindow) SendMessageA(MdiClientWindow, WM_NCACTIVATE, wp, 0);
  auto alive = alive_;
  if (FormKind == kFormMdiChild) {
    PassOn(WM_NCACTIVATE, wp, lp);
    if (!*alive) return r;
  }
  if (!(FormKind == kFormMdiChild && WindowState == kStateMaximized)) RepaintFrame();
  return r;
}

LRESULT TWinSkinForm::OnSysCommand(WPARAM wp, LPARAM lp) {
  const UINT command = static_cast<UINT>(wp & 0xFFF0);
  if (command == SC_KEYMENU && !MenuTracking) {
    const wchar_t ch = form_detail::MessageChar(static_cast<WPARAM>(LOWORD(lp)), IsUnicode);
    if (ch != L' ' && ch != L'-' && !GetCapture() && MenuBar) {
      if (MenuBar->HandleKeyMenu(ch)) return 0;
    }
    // Alt+Space: the skinned system menu instead of the native one.
    if (ch == L' ') {
      POINT origin{0, 0};
      ClientToScreen(WindowHandle, &origin);
      ShowSystemMenu(origin);
      return 0;
    }
  }
  if (command == SC_MAXIMIZE) {
    WindowState = kStateMaximized;
  } else if (command == SC_MINIMIZE) {
    WindowState = kStateMinimized;
  } else if (command == SC_RESTORE) {
    WindowState = kStateNormal;
    if (TSkinManage* manager = SkinManager(); FormKind == kFormMdiChild && manager && manager->MDIMaximized)
      manager->SetMDIMaximized(false);
  }
  return PassOn(WM_SYSCOMMAND, wp, lp);
}

common::Point TWinSkinForm::WindowPointFromScreen(POINT screen) const {
  RECT window{};
  GetWindowRect(WindowHandle, &window);
  return {screen.x - window.left, screen.y - window.top};
}

void TWinSkinForm::OpenMenuAt(POINT screen) {
  if (!MenuBar) return;
  if (TMenuBtn* button = MenuBar->ButtonAtPoint(WindowPointFromScreen(screen))) MenuBar->OpenMenuItem(button);
}

}  // namespace skin
