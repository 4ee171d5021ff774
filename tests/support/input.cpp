#include "support/input.h"

namespace testsupport {

INPUT MouseAt(POINT screen, DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  in.mi.dx = static_cast<LONG>((screen.x * 65535LL + w / 2) / (w > 1 ? w - 1 : 1));
  in.mi.dy = static_cast<LONG>((screen.y * 65535LL + h / 2) / (h > 1 ? h - 1 : 1));
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
  return in;
}

void MoveTo(POINT screen) {
  INPUT in = MouseAt(screen, 0);
  SendInput(1, &in, sizeof(INPUT));
}

void SendClick(POINT screen, bool right) {
  INPUT in[2] = {MouseAt(screen, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                 MouseAt(screen, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)};
  SendInput(2, in, sizeof(INPUT));
}

}  // namespace testsupport
