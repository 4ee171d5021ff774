#pragma once
// Fonts, brushes, pens and bitmaps as framework objects (published properties, change
// notification, the GDI handle made on demand), and a small canvas over a DC.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/handles.h"
#include "framework/object.h"
#include "framework/types.h"

namespace fw {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

// Screen resolution the designs are laid out for.
constexpr int kDesignPixelsPerInch = 96;

// A face that exists on this system for `name`: the name itself when installed, else a substitute
// ("MS Sans Serif" is a bitmap font that Wine and modern Windows may lack).
std::string ResolveFaceName(const std::string& name);

class TFont : public TObject {
  FW_CLASS()
 public:
  TFont() = default;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  // Height in pixels: negative is the character height, positive the cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  int Size() const;  // points
  void SetSize(int points);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  int Charset() const { return charset_; }
  void SetCharset(int charset);

  void Assign(const TFont& other);
  bool SameAs(const TFont& other) const;
  HFONT Handle() const;

  std::function<void()> OnChange;

 private:
  void Changed();

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_ = 0;
  int charset_ = DEFAULT_CHARSET;
  mutable UniqueFont handle_;
};

class TBrush : public TObject {
  FW_CLASS()
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  HBRUSH Handle() const;
  std::function<void()> OnChange;

 private:
  TColor color_ = clWhite;
  mutable UniqueBrush handle_;
};

class TPen : public TObject {
  FW_CLASS()
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  HPEN Handle() const;
  std::function<void()> OnChange;

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  mutable UniquePen handle_;
};

// A device-dependent bitmap held by handle.
class TBitmap : public TObject {
  FW_CLASS()
 public:
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return !handle_; }
  HBITMAP Handle() const { return handle_.get(); }
  // Takes ownership of `bitmap`.
  void SetHandle(HBITMAP bitmap);
  bool LoadFromResourceName(HINSTANCE instance, const char* name);
  // A 24-bit bitmap from top-down BGR rows `stride` bytes apart in `size` bytes; false (and no
  // change) when the sizes do not fit.
  bool SetPixels24(int width, int height, const uint8_t* bgr, size_t size, size_t stride);
  std::function<void()> OnChange;

 private:
  UniqueBitmap handle_;
  int width_ = 0;
  int height_ = 0;
};

// An icon image held by handle; assigning copies the image.
class TIcon : public TObject {
  FW_CLASS()
 public:
  bool Empty() const { return !handle_; }
  HICON Handle() const { return handle_.get(); }
  // Takes ownership of `icon` (null empties the icon).
  void SetHandle(HICON icon);
  // A copy of `icon`; the caller keeps its own.
  void AssignHandle(HICON icon) { SetHandle(icon ? CopyIcon(icon) : nullptr); }
  void Assign(const TIcon& other) { AssignHandle(other.Handle()); }
  bool LoadFromResourceName(HINSTANCE instance, const char* name, int size = 0);
  std::function<void()> OnChange;

 private:
  UniqueHicon handle_;
};

// Drawing on a DC with the canvas's font, brush and pen; restores the DC's objects when done.
class TCanvas : public TObject {
  FW_CLASS()
 public:
  TCanvas();
  explicit TCanvas(HDC dc);
  ~TCanvas() override;

  HDC Handle() const { return dc_; }
  void SetHandle(HDC dc);
  TFont* Font() const { return font_.get(); }
  TBrush* Brush() const { return brush_.get(); }
  TPen* Pen() const { return pen_.get(); }

  void FillRect(const RECT& r);
  void Rectangle(int left, int top, int right, int bottom);
  void TextOut(int x, int y, const std::string& text);
  void TextRect(const RECT& r, const std::string& text, UINT format);
  SIZE TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const RECT& r, const TBitmap& bitmap);

 private:
  void Select();
  void Deselect();

  HDC dc_ = nullptr;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TBrush> brush_;
  std::unique_ptr<TPen> pen_;
  HGDIOBJ old_font_ = nullptr, old_brush_ = nullptr, old_pen_ = nullptr;
};

}  // namespace fw
