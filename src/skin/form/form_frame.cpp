// The form skin object's side of the skinned frame: frame size, hit test, non-client paint, the
// region and the resize that keeps the client area's size inside the new frame. The drawing
// itself is the frame painter's.
#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "framework/wincontrol.h"
#include "skin/data/img_util_win.h"
#include "skin/data/skin_data.h"
#include "skin/form/form_internal.h"
#include "skin/form/frame_hit_test.h"
#include "skin/form/frame_painter.h"
#include "skin/form/region_runs.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"

namespace skin {

using form_detail::ToRECT;
using form_detail::ToRect;
using form_detail::WindowSize;

namespace {

std::wstring WindowTextOf(HWND w, bool unicode) {
  if (unicode) {
    const int length = GetWindowTextLengthW(w);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(std::max(0, GetWindowTextW(w, text.data(), length + 1))));
    return text;
  }
  constexpr int kMaxText = 1000;
  std::vector<char> buffer(kMaxText + 1, '\0');
  const auto got = SendMessageA(w, WM_GETTEXT, kMaxText + 1, reinterpret_cast<LPARAM>(buffer.data()));
  const int bytes = static_cast<int>(std::clamp<LRESULT>(got, 0, kMaxText));
  if (bytes == 0) return {};
  return AnsiToWide(std::string_view(buffer.data(), static_cast<size_t>(bytes)));
}

}  // namespace

LRESULT TWinSkinForm::OnNcCalcSize(WPARAM wp, LPARAM lp) {
  // The proposed window rectangle is the first rectangle before the previous procedure turns it
  // into its client rectangle.
  const RECT proposed = *reinterpret_cast<RECT*>(lp);
  const LRESULT native = PassOn(WM_NCCALCSIZE, wp, lp);
  const FrameTraits traits = Traits();
  const bool nativeFrame =
      (traits.FormKind == kFormMdiChild && traits.WindowState != kStateNormal) || traits.BorderKind == kBorderNone;
  if (!wp) {
    // The single rectangle must become the skinned client rectangle too, or the client area would
    // follow the native frame whenever the platform asks this way.
    if (!nativeFrame) *reinterpret_cast<RECT*>(lp) = ToRECT(ClientRectInFrame(ToRect(proposed), metrics_));
    return nativeFrame ? native : 0;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lp);
  const NcCalcSizeAnswer answer =
      FrameSizeAnswer(true, ToRect(proposed), ToRect(params->rgrc[0]), metrics_, traits);
  if (answer.SetRects) {
    params->rgrc[0] = ToRECT(answer.First);
    params->rgrc[1] = ToRECT(answer.Second);
  }
  return answer.Result;
}

LRESULT TWinSkinForm::OnNcHitTest(WPARAM wp, LPARAM lp) {
  const LRESULT native = PassOn(WM_NCHITTEST, wp, lp);
  if (BorderKind == kBorderNone) return native;
  // Only "nowhere" and "caption" change: the skinned caption and menu bar lie where the native frame
  // has none. Caption buttons are found by the non-client mouse messages, not here.
  RECT window{};
  GetWindowRect(WindowHandle, &window);
  const Point at{GET_X_LPARAM(lp) - window.left, GET_Y_LPARAM(lp) - window.top};
  return SkinHitTest(static_cast<int32_t>(native), at, metrics_);
}

LRESULT TWinSkinForm::OnNcPaint(WPARAM wp, LPARAM lp) {
  if (!(FrameFeatures & kFeatureKeepSysMenu)) {
    const LONG style = GetWindowLongA(WindowHandle, GWL_STYLE);
    if (style & WS_SYSMENU) SetWindowLongA(WindowHandle, GWL_STYLE, style & ~WS_SYSMENU);
  }
  if (SkinDataRef && !SkinDataRef->FramePainting) return 0;
  if ((FormKind == kFormMdiChild && WindowState == kStateMaximized) || BorderKind == kBorderNone) {
    PassOn(WM_NCPAINT, wp, lp);
    return 0;
  }
  RepaintFrame();
  return 0;
}

void TWinSkinForm::RepaintFrame(HDC dc) {
  if (SkinState != kSkinActive && SkinState != kSkinRefreshing) return;
  if (!SkinDataRef || SkinDataRef->SkinEmpty() || !SkinFrame) return;
  if (BorderKind == kBorderNone || (FormKind == kFormMdiChild && WindowState == kStateMaximized)) return;
  if (!IsWindow(WindowHandle)) return;
  fw::WindowDc own;
  if (!dc) {
    own = fw::WindowDc(WindowHandle, true);
    dc = own.get();
  }
  if (!dc) return;
  try {
    GetWindowRect(WindowHandle, &ScreenRect);
    WindowWidth = ScreenRect.right - ScreenRect.left;
    WindowHeight = ScreenRect.bottom - ScreenRect.top;
    FramePaintInput in;
    in.Skin = &SkinDataRef->Skin();
    in.Metrics = metrics_;
    in.Traits = Traits();
    in.WindowText = WindowTextOf(WindowHandle, IsUnicode);
    in.CaptionFont = CaptionFont();
    in.BackBrush = SkinDataRef->BackBrush();
    PrepareCaptionButtons(in);
    if (MenuBar) {
      TWinSkinMenu* bar = MenuBar;
      in.DrawMenuBar = [bar](HDC windowDc, const Rect& strip) { bar->PaintBar(windowDc, strip); };
    }
    const FramePaintResult painted = PaintFrame(dc, {WindowWidth, WindowHeight}, in);
    CaptionTextBox = painted.CaptionTextBox;
    CaptionTextRect = painted.CaptionTextRect;
  } catch (...) {
    // Painting errors are swallowed; the next paint tries again.
  }
}

void TWinSkinForm::BuildRegion() {
  if (!SkinFrame || SkinState == kSkinDead || SkinState == kSkinDetaching || !SkinDataRef) return;
  if (SkinDataRef->SkinEmpty() || BorderKind == kBorderNone || !IsWindow(WindowHandle)) return;
  const Size size = WindowSize(WindowHandle);
  if (size.cx <= 0 || size.cy <= 0) return;
  if (FormKind == kFormMdiChild && WindowState != kStateNormal) return;
  if (!RegionNeedsRebuild(size, {RegionWidth, RegionHeight}, FormKind == kFormMdiChild, SkinState)) return;
  fw::UniqueRgn region = BuildWindowRegion(size, metrics_, SkinDataRef->Skin());
  if (!region) return;
  RegionWidth = size.cx;
  RegionHeight = size.cy;
  // The window owns the region from here on; it is not deleted by us.
  if (!SetWindowRgn(WindowHandle, region.get(), TRUE)) return;
  region.release();
}

void TWinSkinForm::ApplyFrameSize(bool refresh) {
  const HWND w = WindowHandle;
  if (!IsWindow(w) || BorderKind == kBorderNone) return;
  constexpr UINT kFlags = SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE;
  if (WindowState == kStateMaximized) {
    SetWindowPos(w, nullptr, 0, 0, 0, 0, kFlags | SWP_NOSIZE);
    return;
  }
  Size client{SavedClientRect.right, SavedClientRect.bottom};
  if (refresh) {
    RECT now{};
    GetClientRect(w, &now);
    client = {now.right, now.bottom};
  } else {
    // The native menu was taken away at attach and the native client area grew by its height.
    client.cy = std::max(0, client.cy - menu_removed_height_);
  }
  Size window = WindowSizeForClient(client, metrics_);
  if (IsDialog && !refresh && SkinDataRef) {
    const std::wstring text = CaptionPrefix + WindowTextOf(w, IsUnicode) + CaptionSuffix;
    SIZE extent{};
    if (fw::WindowDc dc(w); dc) {
      fw::SelectGuard font(dc.get(), CaptionFont());  // put back before the DC is released
      GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    CaptionTextWidth = extent.cx;
    const TDataSkinTitle& title = SkinDataRef->Skin().Title;
    const FrameResize widened = WidenForCaption(window, title.TextShift(), extent.cx, title.TextRightClip());
    if (widened.ChildShift > 0) {
      for (HWND child = GetWindow(w, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(child, nullptr, r.left + widened.ChildShift, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
      }
    }
    window = widened.Window;
  }
  SetWindowPos(w, nullptr, 0, 0, window.cx, window.cy, kFlags);
}

void TWinSkinForm::BuildIconBitmap() {
  if (!IsWindow(WindowHandle)) return;
  icon_bitmap_ = skin::BuildIconBitmap(WindowHandle);
}

}  // namespace skin
