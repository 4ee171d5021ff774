// Subclassing of a skinned window: one static procedure finds the form skin object through a window
// property. The previous procedure is kept in a second property, so that the procedure can still
// forward when the object has gone while a later subclasser keeps it in its chain.
#include "skin/form/win_skin_form.h"

#include "skin/form/form_internal.h"

namespace skin {

namespace {

constexpr const char* kFormProp = "TalvikSkinForm";
constexpr const char* kOldProcProp = "TalvikSkinFormProc";
constexpr const char* kMdiFormProp = "TalvikSkinMdiForm";
constexpr const char* kMdiOldProcProp = "TalvikSkinMdiProc";

LONG_PTR GetProc(HWND w, bool unicode) {
  return unicode ? GetWindowLongPtrW(w, GWLP_WNDPROC) : GetWindowLongPtrA(w, GWLP_WNDPROC);
}
LONG_PTR SetProc(HWND w, bool unicode, LONG_PTR proc) {
  return unicode ? SetWindowLongPtrW(w, GWLP_WNDPROC, proc) : SetWindowLongPtrA(w, GWLP_WNDPROC, proc);
}

// Forwarding for a window whose object is gone; the properties go with the window.
LRESULT Forward(const char* oldProp, HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  auto old = reinterpret_cast<WNDPROC>(GetPropA(w, oldProp));
  if (msg == WM_NCDESTROY) RemovePropA(w, oldProp);
  return form_detail::CallPrevious(old, w, msg, wp, lp);
}

// Installs proc unless it is already in the window's chain (left there by an earlier object under a
// later subclasser); answers the procedure to forward to.
WNDPROC Install(HWND w, bool unicode, WNDPROC proc, const char* oldProp) {
  if (HANDLE dormant = GetPropA(w, oldProp)) return reinterpret_cast<WNDPROC>(dormant);
  auto previous = reinterpret_cast<WNDPROC>(SetProc(w, unicode, reinterpret_cast<LONG_PTR>(proc)));
  SetPropA(w, oldProp, reinterpret_cast<HANDLE>(previous));
  return previous;
}

// Puts the previous procedure back when ours is still on top; otherwise ours stays in the chain
// and forwards through the property.
void Uninstall(HWND w, bool unicode, WNDPROC proc, WNDPROC previous, const char* oldProp) {
  if (!IsWindow(w)) return;
  if (GetProc(w, unicode) == reinterpret_cast<LONG_PTR>(proc)) {
    SetProc(w, unicode, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(w, oldProp);
  }
}

}  // namespace

namespace form_detail {

LRESULT CallPrevious(WNDPROC previous, HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  const bool unicode = IsWindowUnicode(w);
  if (!previous) return unicode ? DefWindowProcW(w, msg, wp, lp) : DefWindowProcA(w, msg, wp, lp);
  return unicode ? CallWindowProcW(previous, w, msg, wp, lp) : CallWindowProcA(previous, w, msg, wp, lp);
}

wchar_t MessageChar(WPARAM code, bool unicodeWindow) {
  if (unicodeWindow) return static_cast<wchar_t>(code & 0xFFFF);
  const unsigned value = static_cast<unsigned>(code & 0xFFFF);
  char bytes[2];
  int count = 0;
  if (value > 0xFF) bytes[count++] = static_cast<char>(value >> 8);
  bytes[count++] = static_cast<char>(value & 0xFF);
  wchar_t wide = 0;
  if (MultiByteToWideChar(CP_ACP, 0, bytes, count, &wide, 1) != 1) return static_cast<wchar_t>(value & 0xFF);
  return wide;
}

}  // namespace form_detail

WNDPROC TWinSkinForm::SkinWindowProc() { return &TWinSkinForm::StaticProc; }

LRESULT CALLBACK TWinSkinForm::StaticProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  auto* form = static_cast<TWinSkinForm*>(GetPropA(w, kFormProp));
  if (!form || form->WindowHandle != w) return Forward(kOldProcProp, w, msg, wp, lp);
  try {
    return form->WindowProcedure(msg, wp, lp);
  } catch (...) {
    // The skin is silent: a failure inside its handling ends that message.
    return 0;
  }
}

LRESULT CALLBACK TWinSkinForm::StaticMdiClientProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  auto* form = static_cast<TWinSkinForm*>(GetPropA(w, kMdiFormProp));
  if (!form || form->MdiClientWindow != w) return Forward(kMdiOldProcProp, w, msg, wp, lp);
  try {
    return form->MdiClientProcedure(w, msg, wp, lp);
  } catch (...) {
    return 0;
  }
}

LRESULT TWinSkinForm::PassOn(UINT msg, WPARAM wparam, LPARAM lparam) {
  return form_detail::CallPrevious(old_window_proc_, WindowHandle, msg, wparam, lparam);
}

void TWinSkinForm::Subclass() {
  if (subclassed_ || !IsWindow(WindowHandle)) return;
  IsUnicode = IsWindowUnicode(WindowHandle) != FALSE;
  SetPropA(WindowHandle, kFormProp, this);
  old_window_proc_ = Install(WindowHandle, IsUnicode, &StaticProc, kOldProcProp);
  subclassed_ = true;
}

void TWinSkinForm::Unsubclass() {
  if (!subclassed_) return;
  subclassed_ = false;
  if (!IsWindow(WindowHandle)) return;
  if (GetPropA(WindowHandle, kFormProp) == this) RemovePropA(WindowHandle, kFormProp);
  Uninstall(WindowHandle, IsUnicode, &StaticProc, old_window_proc_, kOldProcProp);
}

void TWinSkinForm::SubclassMdiClient() {
  if (!MdiClientWindow || old_mdi_client_proc_ || !IsWindow(MdiClientWindow)) return;
  SetPropA(MdiClientWindow, kMdiFormProp, this);
  old_mdi_client_proc_ = Install(MdiClientWindow, IsWindowUnicode(MdiClientWindow) != FALSE,
                                 &StaticMdiClientProc, kMdiOldProcProp);
}

void TWinSkinForm::UnsubclassMdiClient() {
  if (!old_mdi_client_proc_) return;
  WNDPROC previous = old_mdi_client_proc_;
  old_mdi_client_proc_ = nullptr;
  if (!IsWindow(MdiClientWindow)) return;
  if (GetPropA(MdiClientWindow, kMdiFormProp) == this) RemovePropA(MdiClientWindow, kMdiFormProp);
  Uninstall(MdiClientWindow, IsWindowUnicode(MdiClientWindow) != FALSE, &StaticMdiClientProc, previous,
            kMdiOldProcProp);
}

}  // namespace skin
