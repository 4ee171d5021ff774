#pragma once
// One application object per test program, created on first use, and a message pump with a bound.
#include <windows.h>

#include <functional>

#include "framework/framework.h"

namespace fwtest {

inline fw::TApplication* App() {
  static fw::TApplication* app = [] {
    auto* a = new fw::TApplication();
    a->Initialize();
    a->SetTitle("框架测试");
    return a;
  }();
  return app;
}

// Handles messages until `done` answers true or `max_ms` of waiting have passed.
inline bool PumpUntil(const std::function<bool()>& done, DWORD max_ms = 5000) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > max_ms) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

inline void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace fwtest
