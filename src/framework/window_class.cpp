#include "framework/window_class.h"

#include <commctrl.h>

#include <cstdio>
#include <exception>
#include <map>

#include "framework/application.h"
#include "framework/drag.h"
#include "framework/hints.h"
#include "framework/wincontrol.h"

namespace fw {

namespace {

thread_local TWinControl* g_creating = nullptr;

struct ClassEntry {
  WNDPROC default_proc = nullptr;
};
std::map<std::string, ClassEntry>& Classes() {
  static std::map<std::string, ClassEntry> classes;
  return classes;
}

void ReportException(TWinControl* control) {
  try {
    throw;
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(control, e.what());
  } catch (...) {
    if (Application) Application->HandleException(control, "");
  }
}

}  // namespace

HINSTANCE ModuleInstance() { return GetModuleHandleA(nullptr); }

const std::string& ControlAtomName() {
  static const std::string name = [] {
    char buf[64];
    snprintf(buf, sizeof buf, "ControlOfs%.8X%.8X",
             static_cast<unsigned>(reinterpret_cast<uintptr_t>(ModuleInstance())),
             static_cast<unsigned>(GetCurrentThreadId()));
    return std::string(buf);
  }();
  return name;
}

ATOM ControlAtom() {
  static const ATOM atom = GlobalAddAtomA(ControlAtomName().c_str());
  return atom;
}

TWinControl* FindControl(HWND hwnd) {
  if (!hwnd) return nullptr;
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != GetCurrentProcessId()) return nullptr;
  return static_cast<TWinControl*>(GetPropA(hwnd, MAKEINTATOM(ControlAtom())));
}

void SetCreatingControl(TWinControl* control) { g_creating = control; }

WNDPROC EnsureWindowClass(const TCreateParams& params) {
  auto& classes = Classes();
  auto it = classes.find(params.WinClassName);
  if (it != classes.end()) return it->second.default_proc;

  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  WNDPROC base = DefWindowProcA;
  if (!params.BaseClass.empty()) {
    if (!GetClassInfoExA(nullptr, params.BaseClass.c_str(), &wc)) {
      INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
      InitCommonControlsEx(&icc);
      if (!GetClassInfoExA(nullptr, params.BaseClass.c_str(), &wc)) return nullptr;
    }
    base = wc.lpfnWndProc;
    wc.style &= ~CS_GLOBALCLASS;
  } else {
    wc.style = params.ClassStyle;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hIcon = params.Icon;
  }
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = FrameworkWndProc;
  wc.hInstance = ModuleInstance();
  wc.lpszClassName = params.WinClassName.c_str();
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
  classes[params.WinClassName].default_proc = base;
  return base;
}

LRESULT CALLBACK FrameworkWndProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  TWinControl* control = FindControl(hwnd);
  if (!control && g_creating) {
    // First message of a window being created: bind it to its control.
    control = g_creating;
    g_creating = nullptr;
    control->handle_ = hwnd;
    SetPropA(hwnd, MAKEINTATOM(ControlAtom()), control);
  }
  if (!control) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    auto it = Classes().find(name);
    WNDPROC base = it != Classes().end() ? it->second.default_proc : DefWindowProcA;
    return CallWindowProcA(base, hwnd, msg, wparam, lparam);
  }

  HintManager::Relay(hwnd, msg, wparam, lparam);
  TMessage m{msg, wparam, lparam, 0};
  if (!DragManager::Filter(control, m)) {
    try {
      TWndMethod proc = control->WindowProc;  // a handler may swap WindowProc while it runs
      if (proc) proc(m);
      else control->DefaultHandler(m);
    } catch (...) {
      ReportException(control);
    }
  }
  if (msg == WM_NCDESTROY) {
    RemovePropA(hwnd, MAKEINTATOM(ControlAtom()));
    if (control->handle_ == hwnd) control->handle_ = nullptr;
  }
  return m.Result;
}

}  // namespace fw
