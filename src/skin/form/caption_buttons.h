#pragma once
// Caption buttons defined by the skin: which are shown (two visibility codes and the action's own
// rule), where they go (by alignment), which is under a point, which frame they paint and what a
// click on them does. Pure over the window's traits; the window layer performs the commands.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "skin/data/skin_objects.h"
#include "skin/form/frame_geometry.h"

namespace skin {

// Button states.
constexpr int32_t kButtonNormal = 1;
constexpr int32_t kButtonPressed = 2;
constexpr int32_t kButtonHot = 3;

// Visibility code of the maximized-MDI-child buttons drawn by the menu bar.
constexpr int32_t kVisibilityMdi = 100;

// One live caption button (TWinSysButton) over its skin definition; made again whenever the skin
// is (re)loaded, since it points into the skin's definitions.
struct CaptionButton {
  const TDataSkinSysButton* Definition = nullptr;
  Size ImageSize;          // of the picture it shows
  int32_t FrameCount = 1;  // frames laid side by side
  common::Rect Rect;       // window coordinates, set by the layout
  bool Visible = false;    // recomputed on every layout
  int32_t State = kButtonNormal;
  bool Enabled = true;

  int32_t Action() const { return Definition ? Definition->Action : -1; }
  int32_t Visibility() const { return Definition ? Definition->Visibility : -1; }
  bool HasImage() const { return ImageSize.cx > 0 && ImageSize.cy > 0; }
  // One frame of the picture.
  Size FrameSize() const { return {ImageSize.cx / (FrameCount > 0 ? FrameCount : 1), ImageSize.cy}; }
};

// True for the buttons that show the window icon (Actions 3 and 11).
constexpr bool IsIconAction(int32_t action) { return action == 3 || action == 11; }

// One button per definition, in definition order (also the order of ButtonAt). Icon buttons show
// one frame; with an empty image they show the window's small icon of iconSize.
std::vector<CaptionButton> MakeCaptionButtons(std::span<const std::unique_ptr<TDataSkinSysButton>> definitions,
                                              Size iconSize);

// What visibility depends on besides the window's traits.
struct ButtonContext {
  FrameTraits Traits;
  bool MdiChildMaximized = false;  // an MDI frame whose active child is maximized
  bool HasMenuBar = false;         // the window has a skinned menu bar
  // The window's answer to XM_BUTTONVISIBLE (wParam code, lParam action); none counts as 0.
  std::function<int32_t(int32_t code, int32_t action)> AskWindow;
};

// Verdict of one Visibility code, and of one Visibility1 code (100 repeats visibilityVerdict).
bool VisibilityHolds(int32_t code, int32_t action, const ButtonContext& c);
bool Visibility1Holds(int32_t code, bool visibilityVerdict, const ButtonContext& c);

struct ButtonVerdict {
  bool Visible = false;
  bool Enabled = true;
};
// IsButtonVisible: both codes must hold, then the action's rule (close needs a system menu,
// maximize and minimize are enabled only with their box and a system menu, icon buttons are
// hidden on dialog frames). enabled is the button's current Enabled, kept for other actions.
ButtonVerdict JudgeButton(const TDataSkinSysButton& d, bool enabled, const ButtonContext& c);

// Recomputes Visible and Enabled of every button.
void UpdateVisibility(std::span<CaptionButton> buttons, const ButtonContext& c);

// Room of the right-aligned buttons: the largest Xcoord among visible Align 1 buttons with a
// picture, 0 when none.
int32_t RightButtonsWidth(std::span<const CaptionButton> buttons);

struct ButtonPlacement {
  int32_t WindowWidth = 0;
  Rect CaptionTextBox;
  FrameMetrics Metrics;
  int32_t MenuBarLeftMargin = 0;  // left margin of MenuBarSkin, 0 without it
};
// Where a button goes by its Align.
Rect PlaceButton(const CaptionButton& b, const ButtonPlacement& p);
// LayoutButtons: places every visible button with a picture; the others keep their last rectangle.
void LayOutButtons(std::span<CaptionButton> buttons, const ButtonPlacement& p);

// ButtonAt: index of the first visible button with Action >= 0 whose rectangle holds the point, or
// -1 (the menu bar is asked next).
int ButtonAt(std::span<const CaptionButton> buttons, Point windowPoint);

// Frame painted for the button's state while hovered or pressed.
int32_t ButtonStateFrame(const CaptionButton& b);
// Whether the caption paint draws the button (the menu bar draws the Visibility 100 ones).
bool DrawnInCaption(const CaptionButton& b);
// Frame the caption paint uses: 1, or 4 for a button of 4 frames that is disabled or inactive.
int32_t ButtonCaptionFrame(const CaptionButton& b, bool windowActive);

enum class ButtonCommand {
  None,         // a disabled maximize or minimize button
  Close,        // when the system menu allows closing
  Maximize,
  Minimize,
  SystemMenu,
  ContextHelp,
  MdiMinimize,  // sent to the active MDI child
  MdiRestore,
  MdiClose,
  Custom,       // XM_CUSTOMBUTTON with the action
};
ButtonCommand ClickCommand(int32_t action, bool enabled);

// The hint shown over a button of that action, or none.
const char* ButtonHint(int32_t action);

// The hover timer's interval; the hover time of a caption button grows by it at each tick.
constexpr int32_t kHoverTimerMs = 250;

// A caption button's hint waits until the hover has lasted twice the application's hint pause,
// shows until twice the pause plus the hide pause, and is over after that (once per hover).
enum class HintPhase { Waiting, Showing, Over };
HintPhase CaptionHintPhase(int32_t hoverMs, int32_t hintPause, int32_t hidePause);

// Screen position of the hint: below the cursor, at the button's left edge.
Point CaptionHintPosition(const Rect& button, Point windowScreenOrigin, int32_t cursorScreenY);

}  // namespace skin
