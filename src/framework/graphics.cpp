#include "framework/graphics.h"

#include <cstring>
#include <map>
#include <vector>

namespace fw {

const TClassInfo& TFont::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TFont>("TFont", &TObject::StaticClassInfo())
                                     .Str("Name", &TFont::Name, &TFont::SetName)
                                     .Int("Height", &TFont::Height, &TFont::SetHeight)
                                     .Int("Size", &TFont::Size, &TFont::SetSize)
                                     .Int("Color", &TFont::Color, &TFont::SetColor)
                                     .Int("Charset", &TFont::Charset, &TFont::SetCharset)
                                     .Set("Style", &TFont::Style, &TFont::SetStyle,
                                          {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"})
                                     .Build();
  return info;
}
const TClassInfo& TBrush::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TBrush>("TBrush", &TObject::StaticClassInfo())
                                     .Int("Color", &TBrush::Color, &TBrush::SetColor)
                                     .Build();
  return info;
}
const TClassInfo& TPen::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TPen>("TPen", &TObject::StaticClassInfo())
                                     .Int("Color", &TPen::Color, &TPen::SetColor)
                                     .Int("Width", &TPen::Width, &TPen::SetWidth)
                                     .Build();
  return info;
}
const TClassInfo& TBitmap::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TBitmap>("TBitmap", &TObject::StaticClassInfo())
                                     .Int("Width", &TBitmap::Width)
                                     .Int("Height", &TBitmap::Height)
                                     .Build();
  return info;
}
FW_DEFINE_CLASS(TCanvas, TObject)
FW_DEFINE_CLASS(TIcon, TObject)

namespace {

bool FaceInstalled(const std::string& name) {
  LOGFONTA lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(lf.lfFaceName, name.c_str(), LF_FACESIZE);
  bool found = false;
  WindowDc dc(nullptr);
  EnumFontFamiliesExA(
      dc.get(), &lf,
      [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM p) -> int {
        *reinterpret_cast<bool*>(p) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

std::string MessageFontFace() {
  NONCLIENTMETRICSA ncm{};
  ncm.cbSize = sizeof(ncm);
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0) && ncm.lfMessageFont.lfFaceName[0])
    return ncm.lfMessageFont.lfFaceName;
  return "";
}

}  // namespace

std::string ResolveFaceName(const std::string& name) {
  static std::map<std::string, std::string> cache;
  auto it = cache.find(name);
  if (it != cache.end()) return it->second;
  std::string face = name;
  if (!FaceInstalled(name)) {
    std::vector<std::string> candidates;
    if (lstrcmpiA(name.c_str(), "MS Sans Serif") == 0) candidates = {"Microsoft Sans Serif"};
    candidates.push_back(MessageFontFace());
    for (const std::string& c : candidates)
      if (!c.empty() && FaceInstalled(c)) {
        face = c;
        break;
      }
  }
  cache.emplace(name, face);
  return face;
}

// ---- TFont

void TFont::Changed() {
  handle_.reset();
  if (OnChange) OnChange();
}
void TFont::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}
void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}
int TFont::Size() const { return -MulDiv(height_, 72, kDesignPixelsPerInch); }
void TFont::SetSize(int points) { SetHeight(-MulDiv(points, kDesignPixelsPerInch, 72)); }
void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  if (OnChange) OnChange();  // the handle does not depend on the colour
}
void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}
void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}
void TFont::Assign(const TFont& other) {
  if (SameAs(other)) return;
  name_ = other.name_;
  height_ = other.height_;
  color_ = other.color_;
  style_ = other.style_;
  charset_ = other.charset_;
  Changed();
}
bool TFont::SameAs(const TFont& o) const {
  return name_ == o.name_ && height_ == o.height_ && color_ == o.color_ && style_ == o.style_ &&
         charset_ == o.charset_;
}
HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTA lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
    lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(charset_);
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, ResolveFaceName(name_).c_str(), LF_FACESIZE);
    handle_.reset(CreateFontIndirectA(&lf));
  }
  return handle_.get();
}

// ---- TBrush, TPen

void TBrush::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  handle_.reset();
  if (OnChange) OnChange();
}
HBRUSH TBrush::Handle() const {
  if (!handle_) handle_.reset(CreateSolidBrush(ColorToRGB(color_)));
  return handle_.get();
}
void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  handle_.reset();
  if (OnChange) OnChange();
}
void TPen::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  handle_.reset();
  if (OnChange) OnChange();
}
HPEN TPen::Handle() const {
  if (!handle_) handle_.reset(CreatePen(PS_SOLID, width_, ColorToRGB(color_)));
  return handle_.get();
}

// ---- TBitmap

void TBitmap::SetHandle(HBITMAP bitmap) {
  handle_.reset(bitmap);
  BITMAP bm{};
  if (bitmap && GetObjectA(bitmap, sizeof(bm), &bm)) {
    width_ = bm.bmWidth;
    height_ = bm.bmHeight;
  } else {
    width_ = height_ = 0;
  }
  if (OnChange) OnChange();
}

bool TBitmap::LoadFromResourceName(HINSTANCE instance, const char* name) {
  auto bitmap = static_cast<HBITMAP>(LoadImageA(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return false;
  SetHandle(bitmap);
  return true;
}

bool TBitmap::SetPixels24(int width, int height, const uint8_t* bgr, size_t size, size_t stride) {
  if (width <= 0 || height <= 0 || width > 0x8000 || height > 0x8000 || !bgr) return false;
  size_t row = static_cast<size_t>(width) * 3;
  if (stride < row || size < row || (size - row) / stride < static_cast<size_t>(height - 1)) return false;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return false;
  size_t dib_stride = (row + 3) & ~size_t{3};
  for (int y = 0; y < height; ++y)
    memcpy(static_cast<uint8_t*>(bits) + dib_stride * static_cast<size_t>(y), bgr + stride * static_cast<size_t>(y), row);
  SetHandle(bitmap);
  return true;
}

// ---- TIcon

void TIcon::SetHandle(HICON icon) {
  if (icon == handle_.get()) return;
  handle_.reset(icon);
  if (OnChange) OnChange();
}

bool TIcon::LoadFromResourceName(HINSTANCE instance, const char* name, int size) {
  auto icon = static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, size, size, size ? 0 : LR_DEFAULTSIZE));
  if (!icon) return false;
  SetHandle(icon);
  return true;
}

// ---- TCanvas

TCanvas::TCanvas() : font_(std::make_unique<TFont>()), brush_(std::make_unique<TBrush>()), pen_(std::make_unique<TPen>()) {}
TCanvas::TCanvas(HDC dc) : TCanvas() { SetHandle(dc); }
TCanvas::~TCanvas() { SetHandle(nullptr); }

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  Deselect();
  dc_ = dc;
}
void TCanvas::Select() {
  if (!dc_) return;
  HGDIOBJ f = SelectObject(dc_, font_->Handle());
  HGDIOBJ b = SelectObject(dc_, brush_->Handle());
  HGDIOBJ p = SelectObject(dc_, pen_->Handle());
  if (!old_font_) old_font_ = f;
  if (!old_brush_) old_brush_ = b;
  if (!old_pen_) old_pen_ = p;
  SetTextColor(dc_, ColorToRGB(font_->Color()));
}
void TCanvas::Deselect() {
  if (!dc_) return;
  if (old_font_) SelectObject(dc_, old_font_);
  if (old_brush_) SelectObject(dc_, old_brush_);
  if (old_pen_) SelectObject(dc_, old_pen_);
  old_font_ = old_brush_ = old_pen_ = nullptr;
}
void TCanvas::FillRect(const RECT& r) {
  if (dc_) ::FillRect(dc_, &r, brush_->Handle());
}
void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  Select();
  if (dc_) ::Rectangle(dc_, left, top, right, bottom);
}
void TCanvas::TextOut(int x, int y, const std::string& text) {
  Select();
  if (dc_) ::TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}
void TCanvas::TextRect(const RECT& r, const std::string& text, UINT format) {
  Select();
  RECT copy = r;
  if (dc_) ::DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &copy, format);
}
SIZE TCanvas::TextExtent(const std::string& text) {
  Select();
  SIZE s{};
  if (dc_) GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &s);
  return s;
}
void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  if (!dc_ || bitmap.Empty()) return;
  UniqueMemDc mem(CreateCompatibleDC(dc_));
  SelectGuard sel(mem.get(), bitmap.Handle());
  BitBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), mem.get(), 0, 0, SRCCOPY);
}
void TCanvas::StretchDraw(const RECT& r, const TBitmap& bitmap) {
  if (!dc_ || bitmap.Empty()) return;
  UniqueMemDc mem(CreateCompatibleDC(dc_));
  SelectGuard sel(mem.get(), bitmap.Handle());
  int old_mode = SetStretchBltMode(dc_, HALFTONE);
  StretchBlt(dc_, r.left, r.top, r.right - r.left, r.bottom - r.top, mem.get(), 0, 0, bitmap.Width(),
             bitmap.Height(), SRCCOPY);
  SetStretchBltMode(dc_, old_mode);
}

}  // namespace fw
