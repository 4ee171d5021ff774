// Tool-bar painters of a skinned form: the skin's tool-bar background and its push-button image
// behind the buttons of tool bars that draw nothing themselves.
#include <windows.h>
#include <commctrl.h>

#include "framework/handles.h"
#include "skin/data/skin_data.h"
#include "skin/form/form_internal.h"
#include "skin/form/frame_painter.h"
#include "skin/form/win_skin_form.h"

namespace skin {

void PaintToolBarBack(const TWinSkinForm& form, HDC dc, const RECT& r) {
  const TSkinData* data = form.SkinDataRef;
  if (!data || !dc || InSet(data->Options, xoToolbarBK)) return;
  const TDataSkinObject* back = data->Skin().ToolbarBack.get();
  if (!back || back->Bitmap.Empty() || r.right <= r.left || r.bottom <= r.top) return;
  const DibSection picture = DibSection::FromBitmap(back->Bitmap);
  if (!picture) return;
  fw::UniqueMemDc source(CreateCompatibleDC(dc));
  if (!source) return;
  fw::SelectGuard select(source.get(), picture.get());
  const int previous = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source.get(), 0, 0, back->Bitmap.Width(),
             back->Bitmap.Height(), SRCCOPY);
  if (previous) SetStretchBltMode(dc, previous);
}

bool PaintToolButton(const TWinSkinForm& form, HDC dc, const RECT& bounds, UINT state, COLORREF& textColor) {
  const TSkinData* data = form.SkinDataRef;
  if (form.SkinState != kSkinActive || !data || !dc || InSet(data->Options, xoToolbarButton)) return false;
  const TDataSkinButton& buttons = data->Skin().Buttons;
  if (buttons.Bitmap.Empty()) return false;
  int32_t frame = 0;
  if (state & CDIS_SELECTED) frame = 2;
  else if (state & (CDIS_FOCUS | CDIS_HOT)) frame = 4;
  else if ((state & CDIS_DEFAULT) && !(state & (CDIS_GRAYED | CDIS_DISABLED))) frame = 1;
  if (frame == 0) return false;
  if (frame == 1 && buttons.HasNormalColour2) textColor = static_cast<COLORREF>(buttons.NormalColour2);
  if (frame == 4 && buttons.HasMouseOverColour2) textColor = static_cast<COLORREF>(buttons.MouseOverColour2);
  if (frame == 2 && buttons.HasPressedColour2) textColor = static_cast<COLORREF>(buttons.PressedColour2);
  const Rect inner{bounds.left + 1, bounds.top + 1, bounds.right - 1, bounds.bottom - 1};
  if (inner.Width() <= 0 || inner.Height() <= 0) return false;
  DrawCompositeSkinBitmap(dc, inner, buttons.Bitmap, false, false, buttons.Trans == 1, 5, frame,
                          buttons.GetMargins());
  return true;
}

}  // namespace skin
