// Our bitmaps on their way to a device: a 32-bit top-down DIB section holds the pixels, a memory DC
// lends them to BitBlt or to the masked transfer that keeps key-coloured pixels out.
#include <algorithm>
#include <cstring>

#include "skin/form/frame_painter.h"

namespace skin {

DibSection::DibSection(Size size) {
  if (size.cx <= 0 || size.cy <= 0 || !Bitmap::SizeAllowed(size.cx, size.cy)) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;  // top-down rows, like our bitmaps
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP made = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (made == nullptr || bits == nullptr) {
    if (made != nullptr) DeleteObject(made);
    return;
  }
  bitmap_.reset(made);
  bits_ = static_cast<uint32_t*>(bits);
  size_ = size;
}

DibSection DibSection::FromBitmap(const Bitmap& picture) {
  DibSection out(picture.Dimensions());
  out.Store(picture);
  return out;
}

Bitmap DibSection::ToBitmap() const {
  if (!bitmap_) return {};
  GdiFlush();
  Bitmap out(size_.cx, size_.cy);
  for (int32_t y = 0; y < size_.cy; ++y) {
    const uint32_t* s = bits_ + static_cast<size_t>(y) * static_cast<size_t>(size_.cx);
    uint8_t* d = out.MutableRow(y);
    for (int32_t x = 0; x < size_.cx; ++x, d += 3) {
      const uint32_t p = s[x];
      d[0] = static_cast<uint8_t>(p);
      d[1] = static_cast<uint8_t>(p >> 8);
      d[2] = static_cast<uint8_t>(p >> 16);
    }
  }
  return out;
}

void DibSection::Store(const Bitmap& picture, Point at) {
  if (!bitmap_) return;
  const Rect dst = common::Intersect(Rect::FromSize(at.x, at.y, picture.Width(), picture.Height()),
                                     {0, 0, size_.cx, size_.cy});
  if (dst.Empty()) return;
  GdiFlush();  // GDI may still be drawing into the section
  for (int32_t y = dst.top; y < dst.bottom; ++y) {
    const uint8_t* s = picture.Row(y - at.y) + static_cast<size_t>(dst.left - at.x) * 3;
    uint32_t* d = bits_ + static_cast<size_t>(y) * static_cast<size_t>(size_.cx) + dst.left;
    for (int32_t x = dst.left; x < dst.right; ++x, s += 3) {
      *d++ = uint32_t{s[0]} | (uint32_t{s[1]} << 8) | (uint32_t{s[2]} << 16);
    }
  }
}

namespace {

// The mask of a bitmap: 1 where the pixel has the key colour.
fw::UniqueBitmap MakeMask(HDC reference, HDC source, int w, int h, COLORREF key) {
  fw::UniqueBitmap mask(CreateBitmap(w, h, 1, 1, nullptr));
  if (!mask) return mask;
  fw::UniqueMemDc maskDc(CreateCompatibleDC(reference));
  if (!maskDc) return {};
  fw::SelectGuard select(maskDc.get(), mask.get());
  const COLORREF oldBack = SetBkColor(source, key);
  BitBlt(maskDc.get(), 0, 0, w, h, source, 0, 0, SRCCOPY);
  SetBkColor(source, oldBack);
  return mask;
}

// The transfer for systems without MaskBlt: invert in, cut the opaque pixels out with the mask,
// invert back; key pixels end as they were.
void ThreeBlits(HDC dc, const RECT& r, int w, int h, HDC source, HBITMAP mask) {
  fw::UniqueMemDc maskDc(CreateCompatibleDC(dc));
  if (!maskDc) return;
  fw::SelectGuard select(maskDc.get(), mask);
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, r.left, r.top, w, h, source, 0, 0, SRCINVERT);
  BitBlt(dc, r.left, r.top, w, h, maskDc.get(), 0, 0, SRCAND);
  BitBlt(dc, r.left, r.top, w, h, source, 0, 0, SRCINVERT);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

constexpr DWORD kKeepDestination = 0x00AA0029;

void TransparentTransfer(HDC dc, const RECT& r, HBITMAP bitmap, COLORREF key, bool allowMaskBlt) {
  if (dc == nullptr || bitmap == nullptr || r.right <= r.left || r.bottom <= r.top) return;
  BITMAP info{};
  if (GetObject(bitmap, sizeof(info), &info) == 0) return;
  const int w = std::min<int>(r.right - r.left, info.bmWidth);
  const int h = std::min<int>(r.bottom - r.top, info.bmHeight);
  if (w <= 0 || h <= 0) return;
  fw::UniqueMemDc source(CreateCompatibleDC(dc));
  if (!source) return;
  fw::SelectGuard select(source.get(), bitmap);
  fw::UniqueBitmap mask = MakeMask(dc, source.get(), w, h, key);
  if (!mask) return;
  // The mask is not selected anywhere now, as MaskBlt wants it.
  if (allowMaskBlt && MaskBlt(dc, r.left, r.top, w, h, source.get(), 0, 0, mask.get(), 0, 0,
                              MAKEROP4(kKeepDestination, SRCCOPY))) {
    return;
  }
  ThreeBlits(dc, r, w, h, source.get(), mask.get());
}

}  // namespace

void DrawTransparentBitmap(HDC dc, const RECT& r, HBITMAP bitmap, COLORREF key) {
  TransparentTransfer(dc, r, bitmap, key, true);
}

void DrawTransparentBitmapThreeBlits(HDC dc, const RECT& r, HBITMAP bitmap, COLORREF key) {
  TransparentTransfer(dc, r, bitmap, key, false);
}

void DrawBitmapTo(HDC dc, const Rect& r, const Bitmap& picture, bool transparent) {
  if (dc == nullptr || r.Empty() || picture.Empty()) return;
  const DibSection dib = DibSection::FromBitmap(picture);
  if (!dib) return;
  const int w = std::min(r.Width(), picture.Width()), h = std::min(r.Height(), picture.Height());
  if (transparent) {
    DrawTransparentBitmap(dc, RECT{r.left, r.top, r.left + w, r.top + h}, dib.get(), kMagenta);
    return;
  }
  fw::UniqueMemDc source(CreateCompatibleDC(dc));
  if (!source) return;
  fw::SelectGuard select(source.get(), dib.get());
  BitBlt(dc, r.left, r.top, w, h, source.get(), 0, 0, SRCCOPY);
}

}  // namespace skin
