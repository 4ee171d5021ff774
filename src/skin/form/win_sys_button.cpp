#include "skin/form/win_sys_button.h"

#include "skin/form/win_skin_form.h"

namespace skin {

CaptionButton TWinSysButton::Model() const {
  CaptionButton m;
  m.Definition = Definition;
  m.ImageSize = ImageSize;
  m.FrameCount = FrameCount;
  m.Rect = Rect;
  m.Visible = Visible;
  m.State = State;
  m.Enabled = Enabled;
  return m;
}

void TWinSysButton::TakeFrom(const CaptionButton& model) {
  Visible = model.Visible;
  Enabled = model.Enabled;
  Rect = model.Rect;
}

void TWinSysButton::MouseDown() {
  if (Owner && Owner->HotObject && Owner->HotObject != this) Owner->HotObject->MouseLeave();
  if (Owner) Owner->HotObject = this;
  State = kButtonPressed;
  if (Visible) Paint();
}

void TWinSysButton::MouseUp() {
  State = kButtonHot;
  if (Visible) Paint();
}

void TWinSysButton::MouseMove() {
  if (Owner && Owner->HotObject == this) return;
  if (Owner && Owner->HotObject) Owner->HotObject->MouseLeave();
  if (Owner) {
    Owner->HotObject = this;
    if (Owner->HintButton != this) {
      Owner->HintTime = 0;
      Owner->HintButton = this;
    }
  }
  State = kButtonHot;
  if (Visible) Paint();
}

void TWinSysButton::MouseLeave() {
  if (Owner && Owner->HotObject == this) Owner->HotObject = nullptr;
  State = kButtonNormal;
  if (Visible) Paint();
  if (Owner) Owner->HideButtonHint();
}

void TWinSysButton::Paint() {
  if (Owner) Owner->PaintCaptionButton(*this);
}

std::vector<CaptionButton> ButtonModels(std::span<const std::unique_ptr<TWinSysButton>> buttons) {
  std::vector<CaptionButton> models;
  models.reserve(buttons.size());
  for (const auto& b : buttons) models.push_back(b ? b->Model() : CaptionButton{});
  return models;
}

}  // namespace skin
