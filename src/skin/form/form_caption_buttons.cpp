// Caption buttons of the form skin object: made from the skin's definitions, judged visible on
// every frame paint, placed after the caption text, drawn into the caption strip, and repainted
// alone on the window when the mouse changes their state.
#include <algorithm>

#include "framework/application.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/form/caption_text.h"
#include "skin/form/form_internal.h"
#include "skin/form/frame_painter.h"
#include "skin/form/skin_messages.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"

namespace skin {

using form_detail::ToRECT;

namespace {

ButtonContext ContextOf(const TWinSkinForm& form) {
  ButtonContext c;
  c.Traits = form.Traits();
  const TSkinManage* manager = SkinManager();
  c.MdiChildMaximized = form.FormKind == kFormMdiFrame && manager && manager->MDIMaximized;
  c.HasMenuBar = form.MenuBar != nullptr;
  const HWND w = form.WindowHandle;
  c.AskWindow = [w](int32_t code, int32_t action) {
    return static_cast<int32_t>(SendMessageA(w, XM_BUTTONVISIBLE, static_cast<WPARAM>(code), action));
  };
  return c;
}

Size BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || GetObject(bitmap, sizeof info, &info) == 0) return {};
  return {info.bmWidth, info.bmHeight};
}

// The skin data's picture of the application's icon, when the application has an icon at all (the
// picture is made in any case, plain magenta without one).
HBITMAP ApplicationIcon(const TSkinData* data) {
  HBITMAP picture = data ? data->AppIconBitmap() : nullptr;
  HWND app = fw::Application ? fw::Application->Handle() : nullptr;
  if (!picture || !app) return nullptr;
  if (SendMessageA(app, WM_GETICON, ICON_SMALL, 0) || SendMessageA(app, WM_GETICON, ICON_BIG, 0)) return picture;
  return nullptr;
}

}  // namespace

void TWinSkinForm::CreateCaptionButtons() {
  HotObject = nullptr;
  HintButton = nullptr;
  CaptionButtons.clear();
  if (!SkinDataRef) return;
  const Size icon{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
  bool iconButton = false;
  for (const CaptionButton& m : MakeCaptionButtons(SkinDataRef->Skin().SysButtons, icon)) {
    auto b = std::make_unique<TWinSysButton>();
    b->Owner = this;
    b->Definition = m.Definition;
    b->ImageSize = m.ImageSize;
    b->FrameCount = m.FrameCount;
    b->Enabled = true;
    iconButton |= b->IsIconButton();
    CaptionButtons.push_back(std::move(b));
  }
  if (iconButton && !IconBitmap()) BuildIconBitmap();
}

bool TWinSkinForm::IsButtonVisible(int index) {
  if (index < 0 || index >= CaptionButtonCount()) return false;
  TWinSysButton& b = *CaptionButtons[static_cast<size_t>(index)];
  if (!b.Definition) return b.Visible = false;
  const ButtonVerdict v = JudgeButton(*b.Definition, b.Enabled, ContextOf(*this));
  b.Visible = v.Visible;
  b.Enabled = v.Enabled;
  return b.Visible;
}

void TWinSkinForm::LayoutButtons(const common::Rect& captionTextBox) {
  ButtonPlacement p;
  p.WindowWidth = WindowWidth;
  p.CaptionTextBox = captionTextBox;
  p.Metrics = metrics_;
  if (SkinDataRef && SkinDataRef->Skin().MenuBarSkin) p.MenuBarLeftMargin = SkinDataRef->Skin().MenuBarSkin->LeftWidth;
  std::vector<CaptionButton> models = ButtonModels(CaptionButtons);
  LayOutButtons(models, p);
  for (size_t i = 0; i < models.size(); ++i) CaptionButtons[i]->TakeFrom(models[i]);
}

void TWinSkinForm::PrepareCaptionButtons(FramePaintInput& in) {
  for (int i = 0; i < CaptionButtonCount(); ++i) IsButtonVisible(i);
  RightButtonsWidth = skin::RightButtonsWidth(ButtonModels(CaptionButtons));
  in.RightButtonsWidth = RightButtonsWidth;
  in.DrawButtons = [this](HDC strip, const Rect&, const Rect& captionTextRect) { DrawButtons(strip, captionTextRect); };
}

void TWinSkinForm::DrawButtons(HDC strip, const common::Rect& captionTextRect) {
  // The box of the text is the text rectangle with the Title background's ends around it.
  common::Rect box = captionTextRect;
  if (SkinDataRef) {
    box.left -= SkinDataRef->Skin().Title.TXTBackleft;
    box.right += SkinDataRef->Skin().Title.TXTBackRight;
  }
  LayoutButtons(box);

  const Size size = BitmapSize(static_cast<HBITMAP>(GetCurrentObject(strip, OBJ_BITMAP)));
  if (size.cx > 0 && size.cy > 0) {
    if (size != caption_background_size_ || !caption_background_) {
      caption_background_.reset(CreateCompatibleBitmap(strip, size.cx, size.cy));
      caption_background_size_ = caption_background_ ? size : Size{};
    }
    if (caption_background_) {
      fw::UniqueMemDc copy(CreateCompatibleDC(strip));
      if (copy) {
        fw::SelectGuard select(copy.get(), caption_background_.get());
        BitBlt(copy.get(), 0, 0, size.cx, size.cy, strip, 0, 0, SRCCOPY);
      }
    }
  }

  for (const auto& b : CaptionButtons) {
    const CaptionButton m = b->Model();
    if (!DrawnInCaption(m)) continue;
    if (b->IsIconButton()) {
      DrawIconButton(strip, *b, captionTextRect);
    } else {
      DrawSkinFrame(strip, b->Rect, b->Definition->Bitmap, true, b->FrameCount, ButtonCaptionFrame(m, IsActive));
    }
  }
  // The whole frame shows every button in its resting frame now: none is hot any more. The hover
  // time stays with its button, so a hint is not shown twice while the mouse rests there.
  if (HotObject) {
    HotObject->State = kButtonNormal;
    HotObject = nullptr;
    if (SkinDataRef) SkinDataRef->HideCaptionHint();
  }
}

void TWinSkinForm::DrawIconButton(HDC dc, const TWinSysButton& button, const common::Rect& captionTextRect) {
  // The application's icon at the left of the caption, else the window's own small icon.
  if (HBITMAP app = ApplicationIcon(SkinDataRef)) {
    const Size size = BitmapSize(app);
    const Point at = CaptionIconOrigin(size, captionTextRect);
    DrawTransparentBitmap(dc, RECT{at.x, at.y, at.x + size.cx, at.y + size.cy}, app, kMagenta);
  } else if (HBITMAP own = IconBitmap()) {
    DrawTransparentBitmap(dc, ToRECT(button.Rect), own, kMagenta);
  }
}

TWinSysButton* TWinSkinForm::ButtonAt(common::Point windowPoint) {
  const int index = skin::ButtonAt(ButtonModels(CaptionButtons), windowPoint);
  return index >= 0 ? CaptionButtons[static_cast<size_t>(index)].get() : nullptr;
}

void TWinSkinForm::PaintCaptionButton(TWinSysButton& button) {
  const CaptionButton m = button.Model();
  if (!m.Visible || !m.HasImage() || !button.Definition) return;
  if (SkinState != kSkinActive && SkinState != kSkinRefreshing) return;
  if (!SkinFrame || !SkinDataRef || SkinDataRef->SkinEmpty() || !IsWindow(WindowHandle)) return;
  common::Rect r = button.Rect;
  common::Rect icon;
  if (button.IsIconButton()) {
    if (HBITMAP app = ApplicationIcon(SkinDataRef)) {
      const Size size = BitmapSize(app);
      const Point at = CaptionIconOrigin(size, CaptionTextRect);
      icon = Rect::FromSize(at.x, at.y, size.cx, size.cy);
      r = {std::min(r.left, icon.left), std::min(r.top, icon.top), std::max(r.right, icon.right),
           std::max(r.bottom, icon.bottom)};
    }
  }
  if (r.Empty()) return;
  fw::WindowDc window(WindowHandle, true);
  if (!window) return;
  auto draw = [&](HDC dc) {
    if (button.IsIconButton()) {
      DrawIconButton(dc, button, CaptionTextRect);
    } else {
      DrawSkinFrame(dc, button.Rect, button.Definition->Bitmap, true, button.FrameCount, ButtonStateFrame(m));
    }
  };
  const common::Rect strip{0, 0, caption_background_size_.cx, caption_background_size_.cy};
  const bool inStrip = caption_background_ && common::Intersect(r, strip) == r;
  if (!inStrip) {
    // Outside the caption strip (the menu-bar buttons of an MDI frame): straight onto the window.
    draw(window.get());
    return;
  }
  // The caption as it was before the buttons, the button's frame over it, one transfer of its box.
  fw::UniqueMemDc background(CreateCompatibleDC(window.get()));
  fw::UniqueMemDc compose(CreateCompatibleDC(window.get()));
  fw::UniqueBitmap canvas(CreateCompatibleBitmap(window.get(), strip.right, strip.bottom));
  if (!background || !compose || !canvas) return;
  fw::SelectGuard selectBackground(background.get(), caption_background_.get());
  fw::SelectGuard selectCanvas(compose.get(), canvas.get());
  BitBlt(compose.get(), r.left, r.top, r.Width(), r.Height(), background.get(), r.left, r.top, SRCCOPY);
  draw(compose.get());
  GdiFlush();
  BitBlt(window.get(), r.left, r.top, r.Width(), r.Height(), compose.get(), r.left, r.top, SRCCOPY);
}

void TWinSkinForm::HideButtonHint() {
  HintTime = 0;
  HintButton = nullptr;
  if (SkinDataRef) SkinDataRef->HideCaptionHint();
}

void TWinSkinForm::DropCaptionState() {
  if (HotObject) HotObject->State = kButtonNormal;
  HotObject = nullptr;
  HideButtonHint();
  system_menu_popup_.reset();
}

}  // namespace skin
