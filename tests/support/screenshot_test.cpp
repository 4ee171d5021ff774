// The harness itself: a window painted by this process shows on the virtual desktop, and the
// screenshot helper reads its pixels back at the right place.
#include <gtest/gtest.h>

#include "support/paths.h"
#include "support/screenshot.h"

namespace {

LRESULT CALLBACK RedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH red = CreateSolidBrush(RGB(220, 20, 30));
    FillRect(dc, &ps.rcPaint, red);
    DeleteObject(red);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST(Harness, ScreenshotSeesAPaintedWindow) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = RedProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "HarnessRed";
  ASSERT_TRUE(RegisterClassA(&wc));
  HWND w = CreateWindowExA(WS_EX_TOPMOST, "HarnessRed", "", WS_POPUP | WS_VISIBLE, 100, 120, 200, 80,
                           nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_TRUE(w);
  UpdateWindow(w);
  MSG m;
  for (int i = 0; i < 20; ++i) {
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    Sleep(20);
  }
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(GetACP(), 936u);

  const common::Image24 whole = testsupport::CaptureScreen();
  ASSERT_EQ(whole.width, 1024);
  const uint8_t* p = whole.Pixel(150, 150);
  EXPECT_EQ(p[2], 220);
  EXPECT_EQ(p[1], 20);
  EXPECT_EQ(p[0], 30);

  const common::Image24 win = testsupport::CaptureScreen(w);
  EXPECT_EQ(win.width, 200);
  EXPECT_EQ(win.height, 80);
  EXPECT_EQ(testsupport::ScreenPixel(299, 199), RGB(220, 20, 30));
  EXPECT_TRUE(testsupport::SaveScreenshotPng(nullptr, testsupport::ArtifactPath("harness.png")));
  DestroyWindow(w);
}

}  // namespace
