#include "skin/form/win_skin_pop_menu.h"

#include <unordered_set>

#include "framework/handles.h"
#include "skin/data/nine_slice.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/form/form_internal.h"
#include "skin/form/skin_messages.h"

namespace skin {

using form_detail::WindowSize;

namespace {

// The object behind a subclassed menu window, and the procedure it replaced (kept beside it so
// that a message arriving after the object went still reaches the menu).
constexpr char kObjectProp[] = "TalvikPopMenuSkin";
constexpr char kPreviousProp[] = "TalvikPopMenuPrev";
// The three-pixel frame of a menu window around its items.
constexpr int kMenuFrame = 3;

std::unordered_set<const TWinSkinPopMenu*>& LivePopups() {
  static std::unordered_set<const TWinSkinPopMenu*> live;
  return live;
}

bool Family9x() { return (GetVersion() & 0x80000000u) != 0; }

bool ManagerActive() {
  TSkinManage* manager = SkinManager();
  return manager && manager->Enabled && manager->ManagerState != kManagerDestroying;
}

}  // namespace

TWinSkinPopMenu::TWinSkinPopMenu() { LivePopups().insert(this); }

TWinSkinPopMenu::~TWinSkinPopMenu() {
  Unsubclass();
  LivePopups().erase(this);
}

bool TWinSkinPopMenu::IsLive(const TWinSkinPopMenu* popup) { return popup && LivePopups().count(popup) != 0; }

TWinSkinPopMenu* TWinSkinPopMenu::Showing(HMENU menu) {
  TSkinManage* manager = SkinManager();
  if (!manager || !menu) return nullptr;
  for (TWinSkinPopMenu* popup : manager->PopupSkins())
    if (IsLive(popup) && popup->Menu == menu) return popup;
  // A window that was never told its menu (its first item not drawn yet) can say it itself.
  for (TWinSkinPopMenu* popup : manager->PopupSkins()) {
    if (!IsLive(popup) || !popup->window_ || !IsWindow(popup->window_)) continue;
    if (reinterpret_cast<HMENU>(SendMessageA(popup->window_, MN_GETHMENU, 0, 0)) == menu) return popup;
  }
  return nullptr;
}

void TWinSkinPopMenu::Subclass(HWND window, TSkinData* data, HMENU menu) {
  if (subclassed_) Unsubclass();
  window_ = window;
  data_ = data;
  Menu = menu;
  if (!window || !IsWindow(window)) return;
  SetPropA(window, kObjectProp, this);
  old_proc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  SetPropA(window, kPreviousProp, reinterpret_cast<HANDLE>(old_proc_));
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StaticProc));
  subclassed_ = true;
}

void TWinSkinPopMenu::Unsubclass() {
  if (subclassed_ && window_ && IsWindow(window_)) {
    // Someone who subclassed after us keeps the chain; our procedure then forwards by property.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window_, GWLP_WNDPROC)) == &StaticProc) {
      SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old_proc_));
      RemovePropA(window_, kPreviousProp);
    }
    if (GetPropA(window_, kObjectProp) == this) RemovePropA(window_, kObjectProp);
  }
  subclassed_ = false;
  background_ = DibSection();
}

LRESULT CALLBACK TWinSkinPopMenu::StaticProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = static_cast<TWinSkinPopMenu*>(GetPropA(window, kObjectProp));
  if (IsLive(self) && self->subclassed_) return self->WindowProcedure(msg, wp, lp);
  auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, kPreviousProp));
  if (previous) return CallWindowProcA(previous, window, msg, wp, lp);
  return DefWindowProcA(window, msg, wp, lp);
}

LRESULT TWinSkinPopMenu::PassOn(UINT msg, WPARAM wp, LPARAM lp) {
  if (old_proc_) return CallWindowProcA(old_proc_, window_, msg, wp, lp);
  return DefWindowProcA(window_, msg, wp, lp);
}

LRESULT TWinSkinPopMenu::WindowProcedure(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == XM_ISSKINNED) return 1;
  if (!ManagerActive()) return PassOn(msg, wp, lp);
  switch (msg) {
    case WM_DESTROY: {
      const WNDPROC previous = old_proc_;
      const HWND w = window_;
      Unsubclass();
      return previous ? CallWindowProcA(previous, w, msg, wp, lp) : DefWindowProcA(w, msg, wp, lp);
    }
    case WM_ERASEBKGND:
      if (Family9x()) return 0;
      if (!data_ || !InSet(data_->Options, xoMenuBG)) PassOn(msg, wp, lp);
      return 1;
    case WM_NCPAINT:
      return OnNcPaint(wp, lp);
    case WM_PRINT:
      return OnPrint(wp, lp);
    case WM_PAINT:
      return OnPaint(wp, lp);
    default:
      return PassOn(msg, wp, lp);
  }
}

bool TWinSkinPopMenu::HasBackgroundImage() const {
  if (!data_ || data_->SkinEmpty()) return false;
  const auto& bg = data_->Skin().MenuBackground;
  return bg && !bg->Bitmap.Empty();
}

bool TWinSkinPopMenu::ComposeBackground() {
  if (!HasBackgroundImage() || !window_) return false;
  const Size size = WindowSize(window_);
  if (size.cx <= 0 || size.cy <= 0) return false;
  const TDataSkinObject& bg = *data_->Skin().MenuBackground;
  const skin::Bitmap picture =
      CompositeSkinBitmap(size, bg.Bitmap, bg.GetMargins(), false, bg.Tile != 0, 1, 1);
  background_ = DibSection::FromBitmap(picture);
  return static_cast<bool>(background_);
}

HBITMAP TWinSkinPopMenu::Bitmap() {
  if (!window_ || !IsWindow(window_)) return background_.get();
  const Size size = WindowSize(window_);
  if (!background_ || background_.size().cx != size.cx || background_.size().cy != size.cy) ComposeBackground();
  return background_.get();
}

common::Point TWinSkinPopMenu::ClientOffset() const {
  if (!window_ || !IsWindow(window_)) return {kMenuFrame, kMenuFrame};
  RECT window{};
  GetWindowRect(window_, &window);
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);
  return {origin.x - window.left, origin.y - window.top};
}

LRESULT TWinSkinPopMenu::OnNcPaint(WPARAM wp, LPARAM lp) {
  if (wp != 1 || !HasBackgroundImage()) return PassOn(WM_NCPAINT, wp, lp);
  // The whole window is asked for: its window DC covers exactly that on every platform.
  HDC dc = GetWindowDC(window_);
  if (!dc) return PassOn(WM_NCPAINT, wp, lp);
  if (ComposeBackground()) {
    fw::UniqueMemDc source(CreateCompatibleDC(dc));
    if (source) {
      fw::SelectGuard select(source.get(), background_.get());
      BitBlt(dc, 0, 0, background_.size().cx, background_.size().cy, source.get(), 0, 0, SRCCOPY);
    }
  }
  ReleaseDC(window_, dc);
  return 0;
}

LRESULT TWinSkinPopMenu::OnPrint(WPARAM wp, LPARAM lp) {
  HDC dc = reinterpret_cast<HDC>(wp);
  if (!dc || !HasBackgroundImage() || !ComposeBackground()) return PassOn(WM_PRINT, wp, lp);
  {
    fw::UniqueMemDc source(CreateCompatibleDC(dc));
    if (source) {
      fw::SelectGuard select(source.get(), background_.get());
      BitBlt(dc, 0, 0, background_.size().cx, background_.size().cy, source.get(), 0, 0, SRCCOPY);
    }
  }
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  fw::UniqueRgn saved(CreateRectRgn(0, 0, 0, 0));
  const bool hadClip = saved && GetClipRgn(dc, saved.get()) == 1;
  const Size size = background_.size();
  fw::UniqueRgn inner(CreateRectRgn(kMenuFrame, kMenuFrame, size.cx - kMenuFrame, size.cy - kMenuFrame));
  if (inner) SelectClipRgn(dc, inner.get());
  const LRESULT r = PassOn(WM_PRINT, wp, lp);
  SelectClipRgn(dc, hadClip ? saved.get() : nullptr);
  SetBkMode(dc, oldMode);
  return r;
}

// A menu window without a non-client frame (the client area is the whole window) paints its
// three-pixel frame with the items: that ring is covered with the background once they are done.
LRESULT TWinSkinPopMenu::OnPaint(WPARAM wp, LPARAM lp) {
  const LRESULT r = PassOn(WM_PAINT, wp, lp);
  if (!subclassed_ || !window_ || !HasBackgroundImage()) return r;
  const common::Point offset = ClientOffset();
  if (offset.x != 0 || offset.y != 0) return r;
  if (HDC dc = GetWindowDC(window_)) {
    PaintRing(dc);
    ReleaseDC(window_, dc);
  }
  return r;
}

void TWinSkinPopMenu::PaintRing(HDC dc) {
  HBITMAP picture = Bitmap();
  if (!picture) return;
  const Size size = background_.size();
  fw::UniqueMemDc source(CreateCompatibleDC(dc));
  if (!source) return;
  fw::SelectGuard select(source.get(), picture);
  const int f = kMenuFrame;
  BitBlt(dc, 0, 0, size.cx, f, source.get(), 0, 0, SRCCOPY);
  BitBlt(dc, 0, size.cy - f, size.cx, f, source.get(), 0, size.cy - f, SRCCOPY);
  BitBlt(dc, 0, f, f, size.cy - 2 * f, source.get(), 0, f, SRCCOPY);
  BitBlt(dc, size.cx - f, f, f, size.cy - 2 * f, source.get(), size.cx - f, f, SRCCOPY);
}

}  // namespace skin
