#pragma once
// Hidden windows that hand their messages to a function (timers, popup-menu owner, tray icons).
#include <windows.h>

#include "framework/handles.h"
#include "framework/messages.h"

namespace fw {

// The handler sees Result = kUtilUnhandled; messages it leaves so go on to DefWindowProcA.
inline constexpr LRESULT kUtilUnhandled = static_cast<LRESULT>(0x7E57AB1E);

// A hidden top-level window of class "TPUtilWindow" whose messages go to `handler`.
UniqueHwnd AllocateHWnd(TWndMethod handler);

}  // namespace fw
