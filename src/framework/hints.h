#pragma once
// Tool tips for controls whose ShowHint is on: one tool-tip window for the application, a tool per
// control (the control's window, or its rectangle in the parent for windowless controls), fed by
// relaying the mouse messages of framework windows.
#include <windows.h>

namespace fw {

class TControl;

class HintManager {
 public:
  // Adds, changes or removes the control's tool after its hint, visibility or bounds changed.
  static void Update(TControl* control);
  static void Remove(TControl* control);
  static void Relay(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
  static HWND TipWindow();
  // The text the control's tool shows now, empty when it has none (for tests).
  static bool HasTool(TControl* control);
  static void Shutdown();
};

}  // namespace fw
