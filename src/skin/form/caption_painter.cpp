// RepaintFrame's drawing: the side and bottom pieces go straight to the window; the caption strip
// (top piece, text background, text, caption buttons) is composed in one off-screen DIB and copied
// in one BitBlt so the caption never flickers; then the menu-bar strip.
#include <string>

#include "skin/data/system_info.h"
#include "skin/form/frame_painter.h"

namespace skin {

namespace {

Colour SkinColour(const SkinDefinition& skin, SkinColourIndex index) {
  return ResolveColour(skin.SkinColors[static_cast<size_t>(index)]);
}

void FillSolid(HDC dc, const Rect& r, Colour colour) {
  if (r.Empty()) return;
  fw::UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(colour)));
  if (!brush) return;
  const RECT rect{r.left, r.top, r.right, r.bottom};
  FillRect(dc, &rect, brush.get());
}

Size MeasureCaption(HDC dc, const std::wstring& text, const Rect& area) {
  RECT box{area.left, area.top, area.right, area.bottom};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, kCaptionMeasureFlags);
  return {box.right - box.left, box.bottom - box.top};
}

// The caption text (and its Title background) inside the caption area of the strip.
CaptionTextLayout PaintCaptionText(HDC strip, const Rect& area, const FramePaintInput& in) {
  const SkinDefinition& skin = *in.Skin;
  const std::wstring text = std::wstring(kCaptionPrefix) + in.WindowText + kCaptionSuffix;
  HFONT font = in.CaptionFont != nullptr ? in.CaptionFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fw::SelectGuard selectFont(strip, font);
  SetBkMode(strip, TRANSPARENT);
  SetTextColor(strip, static_cast<COLORREF>(
                          SkinColour(skin, in.Traits.IsActive ? kScTitleTextActive : kScTitleTextNoActive)));

  const CaptionTextLayout layout =
      LayOutCaptionText(skin.Title, area, MeasureCaption(strip, text, area), in.RightButtonsWidth, in.Traits);
  if (!layout.Background.Empty()) {
    StretchThreeSlice(strip, layout.Background, skin.Title.Bitmap, true, true, 2, layout.BackgroundFrame,
                      skin.Title.TXTBackleft, skin.Title.TXTBackRight);
  }
  RECT textRect{layout.TextRect.left, layout.TextRect.top, layout.TextRect.right, layout.TextRect.bottom};
  DrawTextW(strip, text.c_str(), static_cast<int>(text.size()), &textRect, layout.DrawFlags);
  return layout;
}

FramePaintResult PaintCaptionStrip(HDC windowDc, const FrameLayout& f, const FramePaintInput& in) {
  FramePaintResult result;
  DibSection strip(f.CaptionBitmap);
  if (!strip) return result;
  fw::UniqueMemDc stripDc(CreateCompatibleDC(windowDc));
  if (!stripDc) return result;
  fw::SelectGuard select(stripDc.get(), strip.get());
  const Rect whole{0, 0, f.CaptionBitmap.cx, f.CaptionBitmap.cy};
  if (f.Minimized) {
    FillSolid(stripDc.get(), whole, SkinColour(*in.Skin, kScButtonFace));
  } else {
    // The top corners belong to the side pieces already on the window.
    BitBlt(stripDc.get(), 0, 0, whole.right, whole.bottom, windowDc, 0, 0, SRCCOPY);
  }

  const Rect& area = f.CaptionArea;
  if (!area.Empty() && !in.Skin->TopBorder.Bitmap.Empty()) {
    strip.Store(ComposeBorderPiece(in.Skin->TopBorder, BorderPiece::Top, {area.Width(), area.Height()},
                                   in.Traits.IsActive),
                area.TopLeft());
  }
  const CaptionTextLayout text = PaintCaptionText(stripDc.get(), area, in);
  result.CaptionTextBox = text.TextBox;
  result.CaptionTextRect = text.TextRect;
  if (in.DrawButtons) in.DrawButtons(stripDc.get(), area, text.TextRect);

  GdiFlush();
  BitBlt(windowDc, 0, 0, whole.right, whole.bottom, stripDc.get(), 0, 0, SRCCOPY);
  SetBkMode(windowDc, OPAQUE);
  return result;
}

}  // namespace

FramePaintResult PaintFrame(HDC windowDc, Size window, const FramePaintInput& in) {
  FramePaintResult result;
  if (windowDc == nullptr || in.Skin == nullptr) return result;
  // Painting errors are swallowed: the frame may stay incomplete until the next paint.
  try {
    const FrameLayout f = LayOutFrame(window, in.Metrics, in.Traits.WindowState);
    const bool active = in.Traits.IsActive;
    if (!f.Minimized) {
      PaintBorderPiece(windowDc, *in.Skin, BorderPiece::Left, f.Left, active);
      PaintBorderPiece(windowDc, *in.Skin, BorderPiece::Right, f.Right, active);
      PaintBorderPiece(windowDc, *in.Skin, BorderPiece::Bottom, f.Bottom, active);
    }
    result = PaintCaptionStrip(windowDc, f, in);
    if (!f.Minimized && !f.MenuBar.Empty()) {
      if (in.DrawMenuBar) {
        in.DrawMenuBar(windowDc, f.MenuBar);
      } else if (in.BackBrush != nullptr) {
        const RECT bar{f.MenuBar.left, f.MenuBar.top, f.MenuBar.right, f.MenuBar.bottom};
        FillRect(windowDc, &bar, in.BackBrush);
      }
    }
  } catch (...) {
  }
  return result;
}

}  // namespace skin
