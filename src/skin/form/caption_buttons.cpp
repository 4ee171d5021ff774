#include "skin/form/caption_buttons.h"

#include <algorithm>

namespace skin {

std::vector<CaptionButton> MakeCaptionButtons(std::span<const std::unique_ptr<TDataSkinSysButton>> definitions,
                                              Size iconSize) {
  std::vector<CaptionButton> out;
  for (const auto& d : definitions) {
    if (!d) continue;
    CaptionButton b;
    b.Definition = d.get();
    b.ImageSize = d->Bitmap.Dimensions();
    b.FrameCount = d->SafeFrame();
    if (IsIconAction(d->Action)) {
      b.FrameCount = 1;
      if (d->Bitmap.Empty()) b.ImageSize = iconSize;
    }
    out.push_back(b);
  }
  return out;
}

namespace {

bool Maximized(const ButtonContext& c) { return c.Traits.WindowState == kStateMaximized; }
bool MinBox(const ButtonContext& c) { return c.Traits.Has(kFeatureMinimizeBox); }
bool MaxBox(const ButtonContext& c) { return c.Traits.Has(kFeatureMaximizeBox); }
bool SysMenu(const ButtonContext& c) { return c.Traits.Has(kFeatureSystemMenu); }
bool Help(const ButtonContext& c) { return c.Traits.Has(kFeatureContextHelp); }

}  // namespace

bool VisibilityHolds(int32_t code, int32_t action, const ButtonContext& c) {
  switch (code) {
    case 0: return true;
    case 1: return Maximized(c);
    case 2: return !Maximized(c);
    case 3: return c.Traits.IsActive;
    case 4: return !c.Traits.IsActive;
    case 6:
    case 8: return (MinBox(c) || MaxBox(c)) && SysMenu(c);
    case 7: return !MaxBox(c);
    case 9: return !MinBox(c);
    case 10: return Help(c) && !MinBox(c) && !MaxBox(c);
    case kVisibilityMdi: return c.Traits.FormKind == kFormMdiFrame && c.MdiChildMaximized && c.HasMenuBar;
    case 200: return !c.Traits.IsDialog && c.Traits.BorderKind == kBorderDialog;
    default: break;
  }
  if (code > 200 && code < 1000) return true;
  if (code >= 1000 && code <= 2000) return c.AskWindow && c.AskWindow(code, action) > 0;
  return false;
}

bool Visibility1Holds(int32_t code, bool visibilityVerdict, const ButtonContext& c) {
  switch (code) {
    case 0: return true;
    case 1: return Maximized(c);
    case 2: return !Maximized(c);
    case 3: return c.Traits.IsActive;
    case 4: return !c.Traits.IsActive;
    case 6:
    case 8: return MinBox(c) || MaxBox(c);
    case 7: return !MaxBox(c);
    case 9: return !MinBox(c);
    case 10: return Help(c);
    case kVisibilityMdi: return visibilityVerdict;
    default: return false;
  }
}

ButtonVerdict JudgeButton(const TDataSkinSysButton& d, bool enabled, const ButtonContext& c) {
  const bool first = VisibilityHolds(d.Visibility, d.Action, c);
  ButtonVerdict v{first && Visibility1Holds(d.Visibility1, first, c), enabled};
  switch (d.Action) {
    case 0:
      if (!SysMenu(c)) v.Visible = false;
      break;
    case 1: v.Enabled = MaxBox(c) && SysMenu(c); break;
    case 2: v.Enabled = MinBox(c) && SysMenu(c); break;
    case 3:
    case 11:
    case 12:
      if (c.Traits.BorderKind == kBorderDialog) v.Visible = false;
      break;
    default: break;
  }
  return v;
}

void UpdateVisibility(std::span<CaptionButton> buttons, const ButtonContext& c) {
  for (CaptionButton& b : buttons) {
    if (!b.Definition) {
      b.Visible = false;
      continue;
    }
    const ButtonVerdict v = JudgeButton(*b.Definition, b.Enabled, c);
    b.Visible = v.Visible;
    b.Enabled = v.Enabled;
  }
}

int32_t RightButtonsWidth(std::span<const CaptionButton> buttons) {
  int32_t width = 0;
  for (const CaptionButton& b : buttons) {
    if (b.Definition && b.Definition->Align == 1 && b.Visible && b.HasImage()) width = std::max(width, b.Definition->Xcoord);
  }
  return width;
}

Rect PlaceButton(const CaptionButton& b, const ButtonPlacement& p) {
  const Size f = b.FrameSize();
  if (!b.Definition) return Rect::FromSize(0, 0, f.cx, f.cy);
  const TDataSkinSysButton& d = *b.Definition;
  const FrameMetrics& m = p.Metrics;
  switch (d.Align) {
    case 0: return Rect::FromSize(d.Xcoord, d.Ycoord, f.cx, f.cy);
    case 1: return Rect::FromSize(p.WindowWidth - d.Xcoord, d.Ycoord, f.cx, f.cy);
    case 2:
    case 8: return Rect::FromSize(p.CaptionTextBox.left - f.cx - d.Xcoord, d.Ycoord, f.cx, f.cy);
    case 3:
    case 9: return Rect::FromSize(p.CaptionTextBox.right + d.Xcoord, d.Ycoord, f.cx, f.cy);
    case 100:
      return Rect::FromSize(p.WindowWidth - d.Xcoord - m.BorderRight - p.MenuBarLeftMargin,
                            m.BorderTop + (m.MenuBarHeight - f.cy) / 2, f.cx, f.cy);
    default: return Rect::FromSize(0, 0, f.cx, f.cy);
  }
}

void LayOutButtons(std::span<CaptionButton> buttons, const ButtonPlacement& p) {
  for (CaptionButton& b : buttons) {
    if (b.Visible && b.HasImage()) b.Rect = PlaceButton(b, p);
  }
}

int ButtonAt(std::span<const CaptionButton> buttons, Point windowPoint) {
  for (size_t i = 0; i < buttons.size(); ++i) {
    const CaptionButton& b = buttons[i];
    if (b.Visible && b.Action() >= 0 && b.Rect.Contains(windowPoint)) return static_cast<int>(i);
  }
  return -1;
}

int32_t ButtonStateFrame(const CaptionButton& b) {
  if (!b.Enabled) return b.FrameCount > 3 ? 4 : 1;
  if (b.State == kButtonHot && b.Visibility() == kVisibilityMdi) return 4;
  return b.State;
}

bool DrawnInCaption(const CaptionButton& b) {
  return b.Visible && b.HasImage() && b.Visibility() != kVisibilityMdi;
}

int32_t ButtonCaptionFrame(const CaptionButton& b, bool windowActive) {
  return b.FrameCount < 4 || (windowActive && b.Enabled) ? 1 : 4;
}

ButtonCommand ClickCommand(int32_t action, bool enabled) {
  switch (action) {
    case 0: return ButtonCommand::Close;
    case 1:
    case 22: return enabled ? ButtonCommand::Maximize : ButtonCommand::None;
    case 2:
    case 23: return enabled ? ButtonCommand::Minimize : ButtonCommand::None;
    case 3:
    case 11:
    case 12: return ButtonCommand::SystemMenu;
    case 4: return ButtonCommand::ContextHelp;
    case 7:
    case 60: return ButtonCommand::MdiMinimize;
    case 8:
    case 61: return ButtonCommand::MdiRestore;
    case 9:
    case 62: return ButtonCommand::MdiClose;
    default: return ButtonCommand::Custom;
  }
}

const char* ButtonHint(int32_t action) {
  switch (action) {
    case 0:
    case 9:
    case 62: return "Close";
    case 1:
    case 22: return "Maximize";
    case 2:
    case 7:
    case 23:
    case 60: return "Minimize";
    case 8:
    case 61: return "Restore";
    default: return nullptr;
  }
}

HintPhase CaptionHintPhase(int32_t hoverMs, int32_t hintPause, int32_t hidePause) {
  const int64_t show = int64_t{hintPause} * 2;
  if (hoverMs < show) return HintPhase::Waiting;
  return hoverMs < show + hidePause ? HintPhase::Showing : HintPhase::Over;
}

Point CaptionHintPosition(const Rect& button, Point windowScreenOrigin, int32_t cursorScreenY) {
  return {button.left + windowScreenOrigin.x, cursorScreenY + 24};
}

}  // namespace skin
