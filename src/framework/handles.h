#pragma once
// Move-only owners for every kind of Windows handle the program holds, shaped like WIL's unique_any:
// get(), release(), reset(), explicit bool. Guards restore a DC's selected object or saved state.
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace fw {

template <class Traits>
class UniqueHandle {
 public:
  using pointer = typename Traits::type;

  UniqueHandle() = default;
  explicit UniqueHandle(pointer h) : h_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& o) noexcept : h_(o.release()) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) reset(o.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  pointer get() const { return h_; }
  explicit operator bool() const { return h_ != Traits::invalid(); }
  pointer release() { return std::exchange(h_, Traits::invalid()); }
  void reset(pointer h = Traits::invalid()) {
    pointer old = std::exchange(h_, h);
    if (old != Traits::invalid() && old != h) Traits::close(old);
  }
  // For out-parameters: frees the current handle and lends the slot.
  pointer* put() {
    reset();
    return &h_;
  }

 private:
  pointer h_ = Traits::invalid();
};

namespace handle_traits {
template <class T>
struct Gdi {
  using type = T;
  static constexpr T invalid() { return nullptr; }
  static void close(T h) { ::DeleteObject(reinterpret_cast<HGDIOBJ>(h)); }
};
struct Window {
  using type = HWND;
  static constexpr HWND invalid() { return nullptr; }
  static void close(HWND h) { ::DestroyWindow(h); }
};
struct MemDc {
  using type = HDC;
  static constexpr HDC invalid() { return nullptr; }
  static void close(HDC h) { ::DeleteDC(h); }
};
struct Menu {
  using type = HMENU;
  static constexpr HMENU invalid() { return nullptr; }
  static void close(HMENU h) { ::DestroyMenu(h); }
};
struct Icon {
  using type = HICON;
  static constexpr HICON invalid() { return nullptr; }
  static void close(HICON h) { ::DestroyIcon(h); }
};
struct Key {
  using type = HKEY;
  static constexpr HKEY invalid() { return nullptr; }
  static void close(HKEY h) { ::RegCloseKey(h); }
};
struct ImageList {
  using type = HIMAGELIST;
  static constexpr HIMAGELIST invalid() { return nullptr; }
  static void close(HIMAGELIST h) { ::ImageList_Destroy(h); }
};
struct Hook {
  using type = HHOOK;
  static constexpr HHOOK invalid() { return nullptr; }
  static void close(HHOOK h) { ::UnhookWindowsHookEx(h); }
};
struct Atom {
  using type = ATOM;
  static constexpr ATOM invalid() { return 0; }
  static void close(ATOM a) { ::GlobalDeleteAtom(a); }
};
struct Module {
  using type = HMODULE;
  static constexpr HMODULE invalid() { return nullptr; }
  static void close(HMODULE h) { ::FreeLibrary(h); }
};
struct Kernel {
  using type = HANDLE;
  static constexpr HANDLE invalid() { return nullptr; }
  static void close(HANDLE h) { ::CloseHandle(h); }
};
}  // namespace handle_traits

using UniqueHwnd = UniqueHandle<handle_traits::Window>;
using UniqueMemDc = UniqueHandle<handle_traits::MemDc>;
using UniqueBrush = UniqueHandle<handle_traits::Gdi<HBRUSH>>;
using UniquePen = UniqueHandle<handle_traits::Gdi<HPEN>>;
using UniqueFont = UniqueHandle<handle_traits::Gdi<HFONT>>;
using UniqueBitmap = UniqueHandle<handle_traits::Gdi<HBITMAP>>;
using UniqueRgn = UniqueHandle<handle_traits::Gdi<HRGN>>;
using UniqueHmenu = UniqueHandle<handle_traits::Menu>;
using UniqueHicon = UniqueHandle<handle_traits::Icon>;
using UniqueHkey = UniqueHandle<handle_traits::Key>;
using UniqueImageList = UniqueHandle<handle_traits::ImageList>;
using UniqueHook = UniqueHandle<handle_traits::Hook>;
using UniqueAtom = UniqueHandle<handle_traits::Atom>;
using UniqueModule = UniqueHandle<handle_traits::Module>;
using UniqueKernelHandle = UniqueHandle<handle_traits::Kernel>;

// A DC borrowed with GetDC / GetWindowDC, given back with ReleaseDC.
class WindowDc {
 public:
  WindowDc() = default;
  explicit WindowDc(HWND hwnd, bool whole_window = false)
      : hwnd_(hwnd), dc_(whole_window ? ::GetWindowDC(hwnd) : ::GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  WindowDc(WindowDc&& o) noexcept : hwnd_(o.hwnd_), dc_(std::exchange(o.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&& o) noexcept {
    if (this != &o) {
      reset();
      hwnd_ = o.hwnd_;
      dc_ = std::exchange(o.dc_, nullptr);
    }
    return *this;
  }
  ~WindowDc() { reset(); }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  void reset() {
    if (dc_) ::ReleaseDC(hwnd_, std::exchange(dc_, nullptr));
  }

 private:
  HWND hwnd_ = nullptr;
  HDC dc_ = nullptr;
};

// BeginPaint / EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { dc_ = ::BeginPaint(hwnd, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() {
    if (dc_) ::EndPaint(hwnd_, &ps_);
  }
  HDC get() const { return dc_; }
  const PAINTSTRUCT& info() const { return ps_; }

 private:
  HWND hwnd_;
  HDC dc_ = nullptr;
  PAINTSTRUCT ps_{};
};

// Selects a GDI object into a DC and puts the previous one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? ::SelectObject(dc, obj) : nullptr) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (old_) ::SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC on entry, RestoreDC on exit.
class SaveDcGuard {
 public:
  explicit SaveDcGuard(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
  SaveDcGuard(const SaveDcGuard&) = delete;
  SaveDcGuard& operator=(const SaveDcGuard&) = delete;
  ~SaveDcGuard() {
    if (saved_) ::RestoreDC(dc_, saved_);
  }

 private:
  HDC dc_;
  int saved_;
};

}  // namespace fw
