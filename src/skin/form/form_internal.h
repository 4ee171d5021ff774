#pragma once
// Small helpers shared by the form skin object's source files.
#include <windows.h>

#include "common/geometry.h"

namespace skin::form_detail {

// The previous procedure of a subclassed window (the default procedure when there is none), called
// in the window's own character set.
LRESULT CallPrevious(WNDPROC previous, HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

// A character code of a message as a wide character: ANSI windows carry code-page bytes.
wchar_t MessageChar(WPARAM code, bool unicodeWindow);

inline common::Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline RECT ToRECT(const common::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

// Outer size of a window, frame included.
inline common::Size WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace skin::form_detail
