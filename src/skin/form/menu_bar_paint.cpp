// Painting of the menu-bar strip: the background composed off-screen from the bar image (or the
// Menubar colour), kept for repainting single items, the captions on top, one copy to the window.
#include <windows.h>

#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/form/form_internal.h"
#include "skin/form/frame_painter.h"
#include "skin/form/menu_bar_layout.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"
#include "skin/form/win_sys_button.h"

namespace skin {

using form_detail::ToRECT;

namespace {

constexpr UINT kMeasureFlags = DT_CENTER | DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE | DT_NOCLIP;
constexpr UINT kDrawFlags = DT_CENTER | DT_EXPANDTABS | DT_SINGLELINE;

// The MDI child's caption buttons the bar shows (Visibility 100) while that child is maximized.
bool IsBarCaptionButton(const TWinSysButton& b) {
  return b.Visible && b.Definition && b.Definition->Visibility == kVisibilityMdi && !b.Definition->Bitmap.Empty() &&
         !b.Rect.Empty();
}

}  // namespace

bool TWinSkinMenu::MdiChildMaximized() const {
  if (!SkinForm || SkinForm->FormKind != kFormMdiFrame || !SkinForm->MdiClientWindow) return false;
  BOOL maximized = FALSE;
  const HWND active = reinterpret_cast<HWND>(
      SendMessageA(SkinForm->MdiClientWindow, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  return active != nullptr && maximized;
}

int32_t TWinSkinMenu::MdiButtonsLeft() const {
  if (!SkinForm || !MdiChildMaximized()) return -1;
  int32_t left = -1;
  for (const auto& b : SkinForm->CaptionButtons)
    if (b && IsBarCaptionButton(*b) && (left < 0 || b->Rect.left < left)) left = b->Rect.left;
  return left;
}

void DrawCenteredText(HDC dc, const common::Rect& r, const std::wstring& text, bool enabled) {
  if (!dc || text.empty()) return;
  SetBkMode(dc, TRANSPARENT);
  RECT box = ToRECT(r);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, kMeasureFlags);
  RECT target = ToRECT(CenteredTextBox(r, {box.right - box.left, box.bottom - box.top}));
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &target, kDrawFlags);
}

// The strip's background into local (0, 0, width, height) of an off-screen DC.
void TWinSkinMenu::PaintBackground(HDC dc, const common::Rect& local) const {
  const TSkinData* data = Data();
  const TDataSkinObject* image = data ? data->Skin().MenuBarSkin.get() : nullptr;
  if (image && !image->Bitmap.Empty()) {
    const bool active = !SkinForm || SkinForm->IsActive;
    const int32_t frames = image->SafeFrame();
    const int32_t frame = BorderFrameIndex(active, frames);
    if (image->Tile == 1) {
      DrawCompositeSkinBitmap(dc, local, image->Bitmap, true, false, false, frames, frame, image->GetMargins());
    } else {
      StretchThreeSlice(dc, local, image->Bitmap, true, false, frames, frame, image->LeftWidth, image->RightWidth);
    }
    return;
  }
  fw::UniqueBrush brush(CreateSolidBrush(ColourOf(kScMenubar, COLOR_MENU)));
  RECT r = ToRECT(local);
  FillRect(dc, &r, brush.get());
}

void TWinSkinMenu::PaintBar(HDC dc, const common::Rect& strip) {
  if (!dc || strip.Empty()) return;
  const int32_t w = strip.Width();
  const int32_t h = strip.Height();
  fw::UniqueMemDc mem(CreateCompatibleDC(dc));
  fw::UniqueBitmap surface(CreateCompatibleBitmap(dc, w, h));
  if (!mem || !surface) return;
  fw::SelectGuard selectSurface(mem.get(), surface.get());
  const common::Rect local{0, 0, w, h};
  PaintBackground(mem.get(), local);

  // The background alone is kept for repainting single items.
  BarRect = strip;
  fw::UniqueBitmap copy(CreateCompatibleBitmap(dc, w, h));
  if (copy) {
    fw::UniqueMemDc copyDc(CreateCompatibleDC(dc));
    if (copyDc) {
      fw::SelectGuard selectCopy(copyDc.get(), copy.get());
      BitBlt(copyDc.get(), 0, 0, w, h, mem.get(), 0, 0, SRCCOPY);
    }
    bar_bitmap_ = std::move(copy);
    bar_bitmap_size_ = {w, h};
  }

  PlaceButtons(mem.get(), strip);
  HFONT font = MenuFont() ? MenuFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fw::SelectGuard selectFont(mem.get(), font);
  SetBkMode(mem.get(), TRANSPARENT);
  for (const auto& b : BarButtons) {
    if (!b->Visible || b->Caption.empty() || b->Rect.Empty()) continue;
    SetTextColor(mem.get(), TextColour(b->ItemEnabled));
    // The skin's ButtonShadow is the disabled colour here, so the text is drawn as "enabled".
    DrawCenteredText(mem.get(), b->Rect.Offset(-strip.left, -strip.top), b->Caption, true);
    // A pressed or hot button keeps its frame through a repaint of the whole strip.
    if (b->State == kNCPressed || b->State == kNCHot) DrawStateFrame(mem.get(), b->Rect.Offset(-strip.left, -strip.top));
  }
  // A maximized MDI child's minimize, restore and close buttons sit in the bar.
  if (MdiChildMaximized()) {
    for (const auto& b : SkinForm->CaptionButtons) {
      if (!b || !IsBarCaptionButton(*b)) continue;
      DrawSkinFrame(mem.get(), b->Rect.Offset(-strip.left, -strip.top), b->Definition->Bitmap, true, b->FrameCount, 1);
    }
    if (TSkinManage* manager = SkinManager(); manager && !manager->MDIMaximized) manager->SetMDIMaximized(true);
  }
  BitBlt(dc, strip.left, strip.top, w, h, mem.get(), 0, 0, SRCCOPY);
}

void TWinSkinMenu::DrawStateFrame(HDC dc, const common::Rect& r) const {
  fw::UniqueBrush frame(CreateSolidBrush(ColourOf(kScButtonHilight, COLOR_BTNHIGHLIGHT)));
  RECT box = ToRECT(r);
  FrameRect(dc, &box, frame.get());
}

void TWinSkinMenu::PaintButton(TMenuBtn& button) {
  HWND window = Window();
  if (!window || !button.Visible || !bar_bitmap_ || BarRect.Empty()) return;
  fw::WindowDc dc(window, true);
  if (!dc) return;
  const common::Rect cell = Intersect({button.Rect.left, BarRect.top, button.Rect.right, BarRect.bottom}, BarRect);
  if (cell.Empty()) return;
  fw::UniqueMemDc mem(CreateCompatibleDC(dc.get()));
  if (!mem) return;
  {
    fw::SelectGuard select(mem.get(), bar_bitmap_.get());
    BitBlt(dc.get(), cell.left, cell.top, cell.Width(), cell.Height(), mem.get(), cell.left - BarRect.left,
           cell.top - BarRect.top, SRCCOPY);
  }
  if (button.State == kNCPressed || button.State == kNCHot) DrawStateFrame(dc.get(), button.Rect);
  HFONT font = MenuFont() ? MenuFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fw::SelectGuard selectFont(dc.get(), font);
  SetTextColor(dc.get(), TextColour(button.ItemEnabled));
  DrawCenteredText(dc.get(), button.Rect, button.Caption, true);
}

}  // namespace skin
