// The window's small icon on magenta, so the caption can draw it with the key colour left out.
#include "skin/form/frame_painter.h"

namespace skin {

namespace {

HICON WindowIcon(HWND window) {
  if (window == nullptr || !IsWindow(window)) return nullptr;
  auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  return icon;
}

}  // namespace

fw::UniqueBitmap BuildIconBitmap(HWND window) {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  if (cx <= 0 || cy <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = cx;
  info.bmiHeader.biHeight = cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 16;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  fw::UniqueBitmap out(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!out) return out;
  fw::UniqueMemDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return out;
  fw::SelectGuard select(dc.get(), out.get());
  fw::UniqueBrush magenta(CreateSolidBrush(RGB(255, 0, 255)));
  const RECT all{0, 0, cx, cy};
  FillRect(dc.get(), &all, magenta.get());

  const HICON icon = WindowIcon(window);
  if (icon == nullptr) return out;
  fw::UniqueHicon sized(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE)));
  // An icon that did not come from a resource cannot be copied that way: DrawIconEx scales it.
  DrawIconEx(dc.get(), 0, 0, sized ? sized.get() : icon, cx, cy, 0, nullptr, DI_NORMAL);
  return out;
}

}  // namespace skin
