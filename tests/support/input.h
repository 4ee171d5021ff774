#pragma once
// Real mouse input for Windows tests, sent with SendInput at absolute screen points.
#include <windows.h>

namespace testsupport {

// Mouse input at an absolute screen point: the position travels with the input, so no stale
// pointer motion can move it elsewhere.
INPUT MouseAt(POINT screen, DWORD flags);
void MoveTo(POINT screen);
// Press and release of the left (or right) button at the point, with no pause between.
void SendClick(POINT screen, bool right = false);

}  // namespace testsupport
