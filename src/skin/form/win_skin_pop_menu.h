#pragma once
// TWinSkinPopMenu: the skin object of one open popup-menu window ("#32768"). It subclasses the
// window and covers its whole area with the skin's menu background (composed once per paint and
// lent to the item painters through the manager's lookup by menu handle); the items themselves
// are owner-drawn by the form skin object.
#include <windows.h>

#include "common/geometry.h"
#include "skin/form/frame_painter.h"

namespace skin {

class TSkinData;

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu();
  ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  // Records the window, skin data and menu and installs our window procedure.
  void Subclass(HWND window, TSkinData* data, HMENU menu);
  // Gives the window its procedure back and drops the background.
  void Unsubclass();
  // The manager's names for the two.
  void Attach(HWND window, TSkinData* data) { Subclass(window, data, nullptr); }
  void Detach() { Unsubclass(); }

  HWND Window() const { return window_; }
  TSkinData* SkinDataRef() const { return data_; }
  bool Subclassed() const { return subclassed_; }
  HMENU Menu = nullptr;        // the menu shown, bound by the first item drawn
  bool FromMenuBar = false;    // opened from the skinned menu bar
  // The background of the whole window (composed now when no paint has done it yet, or when the
  // window has changed size); null without a MenuBackground image.
  HBITMAP Bitmap();
  // Where the window's client area starts in the window (items are placed in client coordinates).
  common::Point ClientOffset() const;

  // Whether the object still exists (a freed record must not be read).
  static bool IsLive(const TWinSkinPopMenu* popup);
  // The live popup object showing a menu: the one bound to it, else the one whose window says it
  // shows it. Null when none.
  static TWinSkinPopMenu* Showing(HMENU menu);

  LRESULT WindowProcedure(UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  static LRESULT CALLBACK StaticProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT PassOn(UINT msg, WPARAM wparam, LPARAM lparam);
  bool HasBackgroundImage() const;
  bool ComposeBackground();
  LRESULT OnNcPaint(WPARAM wparam, LPARAM lparam);
  LRESULT OnPrint(WPARAM wparam, LPARAM lparam);
  LRESULT OnPaint(WPARAM wparam, LPARAM lparam);
  void PaintRing(HDC windowDc);

  HWND window_ = nullptr;
  TSkinData* data_ = nullptr;
  WNDPROC old_proc_ = nullptr;
  bool subclassed_ = false;
  DibSection background_;
};

}  // namespace skin
