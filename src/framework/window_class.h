#pragma once
// Registration of the framework's window classes and the one window procedure they share.
#include <windows.h>

#include <string>

namespace fw {

struct TCreateParams;
class TWinControl;

// Registers params.WinClassName once: a superclass of params.BaseClass, or an own class.
// Returns the procedure that unhandled messages go to (the base class's, or DefWindowProcA).
WNDPROC EnsureWindowClass(const TCreateParams& params);

// The control whose window is being created right now (bound at its first message).
void SetCreatingControl(TWinControl* control);

LRESULT CALLBACK FrameworkWndProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

HINSTANCE ModuleInstance();

}  // namespace fw
