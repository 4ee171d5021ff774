#pragma once
// TWinSysButton: one caption button of a skinned window, a non-client object over its skin
// definition. Its state follows the mouse (normal, pressed, hot); the form skin object places,
// paints and runs it with the portable caption-button rules.
#include <memory>
#include <span>
#include <vector>

#include "skin/data/skin_objects.h"
#include "skin/form/caption_buttons.h"
#include "skin/form/win_skin_menu.h"

namespace skin {

struct TWinSysButton : TNCObject {
  const TDataSkinSysButton* Definition = nullptr;
  Size ImageSize;          // of the picture it shows (the small icon for an icon button without one)
  int32_t FrameCount = 1;  // frames side by side

  int32_t Action() const { return Definition ? Definition->Action : -1; }
  bool IsIconButton() const { return IsIconAction(Action()); }
  // The portable view of the button (what the layout, hit and frame rules read).
  CaptionButton Model() const;
  // Takes Visible, Enabled and Rect back from a model the rules have worked on.
  void TakeFrom(const CaptionButton& model);

  // Mouse over the button: the owner's hot object changes and the button repaints in its state.
  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseMove();
  // The mouse left: normal again, no longer hot, the hint hidden with its timing reset.
  virtual void MouseLeave();
  // Straight onto the window in the frame of its state.
  void Paint() override;
};

// The models of a list of buttons, in list order.
std::vector<CaptionButton> ButtonModels(std::span<const std::unique_ptr<TWinSysButton>> buttons);

}  // namespace skin
