#include "support/screenshot.h"

#include "common/png_writer.h"

namespace testsupport {

common::Image24 CaptureScreen(HWND hwnd) {
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (hwnd) GetWindowRect(hwnd, &r);
  common::Image24 img;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return img;

  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dib && bits) {
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    img.width = w;
    img.height = h;
    img.bgr.resize(static_cast<size_t>(w) * h * 3);
    const auto* src = static_cast<const uint8_t*>(bits);
    for (size_t i = 0, n = static_cast<size_t>(w) * h; i < n; ++i) {
      img.bgr[i * 3] = src[i * 4];
      img.bgr[i * 3 + 1] = src[i * 4 + 1];
      img.bgr[i * 3 + 2] = src[i * 4 + 2];
    }
    SelectObject(mem, old);
  }
  if (dib) DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return img;
}

bool SaveScreenshotPng(HWND hwnd, const std::string& path) {
  return common::WritePngFile(CaptureScreen(hwnd), path);
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return c;
}

}  // namespace testsupport
