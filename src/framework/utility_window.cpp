#include "framework/utility_window.h"

#include <exception>

#include "framework/application.h"
#include "framework/window_class.h"

namespace fw {

namespace {

constexpr char kClassName[] = "TPUtilWindow";

LRESULT CALLBACK UtilWndProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* handler = reinterpret_cast<TWndMethod*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    delete handler;
    return DefWindowProcA(hwnd, msg, wparam, lparam);
  }
  if (!handler || !*handler) return DefWindowProcA(hwnd, msg, wparam, lparam);
  TMessage m{msg, wparam, lparam, kUtilUnhandled};
  try {
    TWndMethod copy = *handler;
    copy(m);
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(nullptr, e.what());
    m.Result = 0;
  } catch (...) {
    if (Application) Application->HandleException(nullptr, "");
    m.Result = 0;
  }
  if (m.Result == kUtilUnhandled) return DefWindowProcA(hwnd, msg, wparam, lparam);
  return m.Result;
}

}  // namespace

UniqueHwnd AllocateHWnd(TWndMethod handler) {
  static bool registered = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = UtilWndProc;
    wc.hInstance = ModuleInstance();
    wc.lpszClassName = kClassName;
    return RegisterClassExA(&wc) != 0;
  }();
  (void)registered;
  auto* copy = new TWndMethod(std::move(handler));
  HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              ModuleInstance(), copy);
  if (!hwnd) delete copy;
  return UniqueHwnd(hwnd);
}

}  // namespace fw
