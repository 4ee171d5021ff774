// Caption buttons: visibility codes, the action rules, layout by alignment, the button under a
// point, the frames they paint and what a click does.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/form/caption_buttons.h"

namespace {

using skin::ButtonContext;
using skin::CaptionButton;
using skin::Rect;
using skin::TDataSkinSysButton;

constexpr uint32_t kMax = skin::kFeatureMaximizeBox, kMin = skin::kFeatureMinimizeBox;
constexpr uint32_t kHelp = skin::kFeatureContextHelp, kSys = skin::kFeatureSystemMenu;

ButtonContext Ctx(uint32_t features, int32_t state = skin::kStateNormal, bool active = true,
                  int32_t borderKind = skin::kBorderSizeable) {
  ButtonContext c;
  c.Traits.FrameFeatures = features;
  c.Traits.WindowState = state;
  c.Traits.IsActive = active;
  c.Traits.BorderKind = borderKind;
  return c;
}

struct VisCase {
  const char* what;
  int32_t code;
  ButtonContext ctx;
  bool expected;
};

TEST(VisibilityHolds, Table) {
  ButtonContext mdi = Ctx(kMax | kMin | kSys);
  mdi.Traits.FormKind = skin::kFormMdiFrame;
  mdi.MdiChildMaximized = true;
  mdi.HasMenuBar = true;
  ButtonContext mdiNoBar = mdi;
  mdiNoBar.HasMenuBar = false;
  ButtonContext dialogClass = Ctx(kSys, skin::kStateNormal, true, skin::kBorderDialog);
  dialogClass.Traits.IsDialog = true;

  const VisCase cases[] = {
      {"0 always", 0, Ctx(0), true},
      {"1 maximized", 1, Ctx(kSys, skin::kStateMaximized), true},
      {"1 not when normal", 1, Ctx(kSys), false},
      {"2 not maximized", 2, Ctx(kSys), true},
      {"2 minimized counts as not maximized", 2, Ctx(kSys, skin::kStateMinimized), true},
      {"3 active", 3, Ctx(0), true},
      {"3 not when inactive", 3, Ctx(0, skin::kStateNormal, false), false},
      {"4 inactive", 4, Ctx(0, skin::kStateNormal, false), true},
      {"6 a box and a system menu", 6, Ctx(kMin | kSys), true},
      {"6 not without system menu", 6, Ctx(kMin | kMax), false},
      {"8 like 6", 8, Ctx(kMax | kSys), true},
      {"8 not without boxes", 8, Ctx(kSys), false},
      {"7 no maximize box", 7, Ctx(kMin | kSys), true},
      {"7 not with it", 7, Ctx(kMax | kSys), false},
      {"9 no minimize box", 9, Ctx(kMax), true},
      {"10 help without boxes", 10, Ctx(kHelp | kSys), true},
      {"10 not with a box", 10, Ctx(kHelp | kMin), false},
      {"100 MDI frame, maximized child, menu bar", 100, mdi, true},
      {"100 not without menu bar", 100, mdiNoBar, false},
      {"100 not on a plain window", 100, Ctx(kMax | kMin | kSys), false},
      {"200 dialog frame of another class", 200, Ctx(kSys, skin::kStateNormal, true, skin::kBorderDialog), true},
      {"200 not for the dialog class", 200, dialogClass, false},
      {"200 not for a sizeable frame", 200, Ctx(kSys), false},
      {"201 always", 201, Ctx(0), true},
      {"999 always", 999, Ctx(0), true},
      {"1000 asks, no window answer", 1000, Ctx(0), false},
      {"5 never", 5, Ctx(kMax | kMin | kSys | kHelp), false},
      {"-1 never", -1, Ctx(kMax | kMin | kSys | kHelp), false},
      {"2001 never", 2001, Ctx(0), false},
  };
  for (const VisCase& c : cases) EXPECT_EQ(skin::VisibilityHolds(c.code, 1, c.ctx), c.expected) << c.what;
}

TEST(VisibilityHolds, CodesFrom1000To2000AskTheWindow) {
  std::vector<std::pair<int32_t, int32_t>> asked;
  ButtonContext c = Ctx(0);
  c.AskWindow = [&](int32_t code, int32_t action) {
    asked.emplace_back(code, action);
    return code == 1500 ? 1 : 0;
  };
  EXPECT_TRUE(skin::VisibilityHolds(1500, 42, c));
  EXPECT_FALSE(skin::VisibilityHolds(2000, 42, c));
  EXPECT_TRUE(skin::VisibilityHolds(999, 42, c));    // always, without asking
  EXPECT_FALSE(skin::VisibilityHolds(2001, 42, c));  // never, without asking
  EXPECT_EQ(asked, (std::vector<std::pair<int32_t, int32_t>>{{1500, 42}, {2000, 42}}));
}

TEST(Visibility1Holds, Table) {
  struct Case {
    const char* what;
    int32_t code;
    bool first;
    ButtonContext ctx;
    bool expected;
  } cases[] = {
      {"0 always", 0, false, Ctx(0), true},
      {"6 needs no system menu", 6, true, Ctx(kMin), true},
      {"8 either box", 8, true, Ctx(kMax), true},
      {"10 help alone", 10, true, Ctx(kHelp | kMax), true},
      {"100 repeats a yes", 100, true, Ctx(0), true},
      {"100 repeats a no", 100, false, Ctx(0), false},
      {"200 never", 200, true, Ctx(kSys), false},
      {"-1 never", -1, true, Ctx(kSys), false},
      {"1 maximized", 1, true, Ctx(0, skin::kStateMaximized), true},
      {"4 inactive", 4, true, Ctx(0), false},
  };
  for (const auto& c : cases) EXPECT_EQ(skin::Visibility1Holds(c.code, c.first, c.ctx), c.expected) << c.what;
}

TDataSkinSysButton Def(int32_t action, int32_t visibility = 0, int32_t visibility1 = 0) {
  TDataSkinSysButton d;
  d.Action = action;
  d.Visibility = visibility;
  d.Visibility1 = visibility1;
  return d;
}

TEST(JudgeButton, ActionRules) {
  struct Case {
    const char* what;
    TDataSkinSysButton def;
    ButtonContext ctx;
    skin::ButtonVerdict expected;
  } cases[] = {
      {"close with system menu", Def(0), Ctx(kSys), {true, true}},
      {"close without system menu is hidden", Def(0), Ctx(kMax | kMin), {false, true}},
      {"maximize without maximize box: shown, disabled", Def(1), Ctx(kMin | kSys), {true, false}},
      {"maximize without system menu: disabled", Def(1), Ctx(kMax | kMin), {true, false}},
      {"maximize with box and menu", Def(1), Ctx(kMax | kSys), {true, true}},
      {"minimize without minimize box: disabled", Def(2), Ctx(kMax | kSys), {true, false}},
      {"icon on a dialog frame is hidden", Def(3), Ctx(kSys, 0, true, skin::kBorderDialog), {false, true}},
      {"action 12 on a dialog frame is hidden", Def(12), Ctx(kSys, 0, true, skin::kBorderDialog), {false, true}},
      {"icon on a sizeable frame", Def(11), Ctx(kSys), {true, true}},
      {"both codes must hold", Def(5, 0, 4), Ctx(kSys), {false, true}},
      {"Visibility1 100 follows Visibility", Def(5, 3, 100), Ctx(kSys), {true, true}},
      {"a failing Visibility wins over Visibility1 100", Def(5, 4, 100), Ctx(kSys), {false, true}},
  };
  for (const auto& c : cases) {
    const skin::ButtonVerdict v = skin::JudgeButton(c.def, true, c.ctx);
    EXPECT_EQ(v.Visible, c.expected.Visible) << c.what;
    EXPECT_EQ(v.Enabled, c.expected.Enabled) << c.what;
  }
}

TEST(JudgeButton, EnabledFollowsTheStylesBothWaysAndIsKeptForOtherActions) {
  EXPECT_TRUE(skin::JudgeButton(Def(1), false, Ctx(kMax | kSys)).Enabled);
  EXPECT_FALSE(skin::JudgeButton(Def(5), false, Ctx(kMax | kSys)).Enabled);
}

// A button over a definition that lives as long as the test.
struct Buttons {
  std::vector<std::unique_ptr<TDataSkinSysButton>> defs;
  std::vector<CaptionButton> live;

  TDataSkinSysButton& Add(int32_t action, int32_t align, int32_t x, int32_t y, int32_t frames = 4,
                          skin::Size image = {64, 16}) {
    auto d = std::make_unique<TDataSkinSysButton>();
    d->Action = action;
    d->Align = align;
    d->Xcoord = x;
    d->Ycoord = y;
    d->Frame = frames;
    if (image.cx > 0) d->Bitmap = skin::Bitmap(image.cx, image.cy, skin::kWhite);
    defs.push_back(std::move(d));
    return *defs.back();
  }
  void Make(skin::Size icon = {16, 16}) { live = skin::MakeCaptionButtons(defs, icon); }
};

TEST(MakeCaptionButtons, IconButtonsShowOneFrameAndTheWindowIconWhenEmpty) {
  Buttons b;
  b.Add(3, 0, 0, 0, 3, {0, 0});    // icon, no image of its own
  b.Add(11, 0, 0, 0, 3, {48, 20});  // icon with its own image
  b.Add(0, 1, 30, 4, 0);            // frame count 0 counts as one
  b.Add(1, 1, 50, 4, 4);
  b.Make({18, 17});
  ASSERT_EQ(b.live.size(), 4u);
  EXPECT_EQ(b.live[0].ImageSize, (skin::Size{18, 17}));
  EXPECT_EQ(b.live[0].FrameCount, 1);
  EXPECT_EQ(b.live[1].ImageSize, (skin::Size{48, 20}));
  EXPECT_EQ(b.live[1].FrameCount, 1);
  EXPECT_EQ(b.live[2].FrameSize(), (skin::Size{64, 16}));
  EXPECT_EQ(b.live[3].FrameSize(), (skin::Size{16, 16}));
  for (const auto& l : b.live) {
    EXPECT_EQ(l.State, skin::kButtonNormal);
    EXPECT_TRUE(l.Enabled);
  }
}

TEST(PlaceButton, ByAlignment) {
  const skin::ButtonPlacement p{300, {50, 5, 150, 25}, {4, 30, 6, 4, 20}, 3};
  struct Case {
    int32_t align, x, y;
    Rect expected;
  } cases[] = {
      {0, 5, 7, {5, 7, 21, 23}},      {1, 60, 7, {240, 7, 256, 23}},   // from the right edge
      {2, 4, 7, {30, 7, 46, 23}},     {8, 4, 7, {30, 7, 46, 23}},      // left of the caption text
      {3, 4, 7, {154, 7, 170, 23}},   {9, 4, 7, {154, 7, 170, 23}},    // right of it
      {100, 20, 99, {271, 32, 287, 48}},                               // centred in the menu bar
      {5, 20, 9, {0, 0, 16, 16}},
  };
  for (const auto& c : cases) {
    Buttons b;
    b.Add(1, c.align, c.x, c.y);
    b.Make();
    EXPECT_EQ(skin::PlaceButton(b.live[0], p), c.expected) << "Align " << c.align;
  }
}

TEST(LayOutButtons, OnlyVisibleButtonsWithAPictureMove) {
  Buttons b;
  b.Add(0, 0, 5, 5);
  b.Add(1, 0, 5, 5);
  b.Add(2, 0, 5, 5, 4, {0, 0});
  b.Make();
  for (auto& l : b.live) l.Rect = {1, 1, 2, 2};
  b.live[0].Visible = true;
  b.live[2].Visible = true;
  skin::LayOutButtons(b.live, {300, {}, {}, 0});
  EXPECT_EQ(b.live[0].Rect, (Rect{5, 5, 21, 21}));
  EXPECT_EQ(b.live[1].Rect, (Rect{1, 1, 2, 2}));
  EXPECT_EQ(b.live[2].Rect, (Rect{1, 1, 2, 2}));
}

TEST(RightButtonsWidth, LargestXcoordOfVisibleRightAlignedButtonsWithPictures) {
  Buttons b;
  b.Add(0, 1, 30, 4);
  b.Add(1, 1, 50, 4);
  b.Add(2, 1, 90, 4);             // hidden
  b.Add(4, 1, 120, 4, 4, {0, 0});  // no picture
  b.Add(5, 0, 200, 4);            // not right-aligned
  b.Make({0, 0});
  for (auto& l : b.live) l.Visible = true;
  b.live[2].Visible = false;
  EXPECT_EQ(skin::RightButtonsWidth(b.live), 50);
  EXPECT_EQ(skin::RightButtonsWidth(std::span<const CaptionButton>{}), 0);
}

TEST(UpdateVisibility, WindowWithoutMaximizeBoxShowsDisabledMaximizeFrame) {
  Buttons b;
  b.Add(0, 1, 20, 4);
  b.Add(1, 1, 40, 4);
  b.Add(2, 1, 60, 4);
  b.Add(1, 1, 40, 4, 3);  // a maximize button with only three frames
  b.Make();
  skin::UpdateVisibility(b.live, Ctx(kMin | kSys));
  const CaptionButton& max = b.live[1];
  EXPECT_TRUE(max.Visible);
  EXPECT_FALSE(max.Enabled);
  EXPECT_EQ(skin::ButtonCaptionFrame(max, true), 4);
  EXPECT_EQ(skin::ButtonStateFrame(max), 4);
  EXPECT_EQ(skin::ClickCommand(max.Action(), max.Enabled), skin::ButtonCommand::None);
  // Without a fourth frame the disabled button shows its normal frame.
  EXPECT_EQ(skin::ButtonCaptionFrame(b.live[3], true), 1);
  EXPECT_EQ(skin::ButtonStateFrame(b.live[3]), 1);
  EXPECT_TRUE(b.live[2].Enabled);
  EXPECT_EQ(skin::ButtonCaptionFrame(b.live[2], true), 1);
}

TEST(ButtonFrames, Table) {
  struct Case {
    const char* what;
    int32_t state, frames, visibility;
    bool enabled, active;
    int32_t stateFrame, captionFrame;
  } cases[] = {
      {"normal", 1, 4, 0, true, true, 1, 1},
      {"pressed", 2, 4, 0, true, true, 2, 1},
      {"hot", 3, 4, 0, true, true, 3, 1},
      {"inactive window: frame 4 in the caption", 1, 4, 0, true, false, 1, 4},
      {"inactive with three frames: frame 1", 1, 3, 0, true, false, 1, 1},
      {"menu-bar button hot uses frame 4", 3, 4, 100, true, true, 4, 1},
      {"disabled pressed", 2, 4, 0, false, true, 4, 4},
  };
  for (const auto& c : cases) {
    TDataSkinSysButton d = Def(1, c.visibility);
    CaptionButton b;
    b.Definition = &d;
    b.ImageSize = {16 * c.frames, 16};
    b.FrameCount = c.frames;
    b.State = c.state;
    b.Enabled = c.enabled;
    b.Visible = true;
    EXPECT_EQ(skin::ButtonStateFrame(b), c.stateFrame) << c.what;
    EXPECT_EQ(skin::ButtonCaptionFrame(b, c.active), c.captionFrame) << c.what;
    EXPECT_EQ(skin::DrawnInCaption(b), c.visibility != 100) << c.what;
  }
}

TEST(ButtonAt, FirstVisibleButtonWithAnActionInListOrder) {
  Buttons b;
  b.Add(-1, 0, 0, 0);  // no action: never found
  b.Add(2, 0, 0, 0);   // hidden
  b.Add(0, 0, 0, 0);
  b.Add(1, 0, 0, 0);   // same place, later in the list
  b.Make();
  for (auto& l : b.live) {
    l.Visible = true;
    l.Rect = {10, 10, 26, 26};
  }
  b.live[1].Visible = false;
  EXPECT_EQ(skin::ButtonAt(b.live, {10, 10}), 2);
  EXPECT_EQ(skin::ButtonAt(b.live, {25, 25}), 2);
  EXPECT_EQ(skin::ButtonAt(b.live, {26, 10}), -1);  // right and bottom edges are outside
  EXPECT_EQ(skin::ButtonAt(b.live, {9, 10}), -1);
}

TEST(ClickCommand, Table) {
  using C = skin::ButtonCommand;
  struct Case {
    int32_t action;
    bool enabled;
    C expected;
  } cases[] = {
      {0, true, C::Close},         {0, false, C::Close},        {1, true, C::Maximize},
      {22, true, C::Maximize},     {1, false, C::None},         {2, true, C::Minimize},
      {23, false, C::None},        {3, true, C::SystemMenu},    {11, true, C::SystemMenu},
      {12, true, C::SystemMenu},   {4, true, C::ContextHelp},   {7, true, C::MdiMinimize},
      {60, true, C::MdiMinimize},  {8, true, C::MdiRestore},    {61, true, C::MdiRestore},
      {9, true, C::MdiClose},      {62, true, C::MdiClose},     {5, true, C::Custom},
      {-7, true, C::Custom},
  };
  for (const auto& c : cases) EXPECT_EQ(skin::ClickCommand(c.action, c.enabled), c.expected) << c.action;
}

TEST(ButtonHint, Table) {
  struct Case {
    int32_t action;
    const char* hint;
  } cases[] = {{0, "Close"},    {9, "Close"},    {62, "Close"},    {1, "Maximize"}, {22, "Maximize"},
               {2, "Minimize"}, {7, "Minimize"}, {23, "Minimize"}, {60, "Minimize"}, {8, "Restore"},
               {61, "Restore"}, {3, nullptr},    {4, nullptr}};
  for (const auto& c : cases) {
    const char* h = skin::ButtonHint(c.action);
    if (c.hint == nullptr) {
      EXPECT_EQ(h, nullptr) << c.action;
    } else {
      ASSERT_NE(h, nullptr) << c.action;
      EXPECT_EQ(std::string(h), c.hint) << c.action;
    }
  }
}

TEST(CaptionHintPhase, DefaultPausesShowAfterTwoPausesAndHideAfterTheHidePause) {
  // Application defaults: hint pause 500 ms, hide pause 2500 ms; ticks every 250 ms.
  struct Case {
    int32_t hover;
    skin::HintPhase expected;
  } cases[] = {{0, skin::HintPhase::Waiting},    {750, skin::HintPhase::Waiting},
               {1000, skin::HintPhase::Showing}, {3250, skin::HintPhase::Showing},
               {3500, skin::HintPhase::Over},    {100000, skin::HintPhase::Over}};
  for (const auto& c : cases) EXPECT_EQ(skin::CaptionHintPhase(c.hover, 500, 2500), c.expected) << c.hover;
  EXPECT_EQ(skin::CaptionHintPhase(INT32_MAX, INT32_MAX, INT32_MAX), skin::HintPhase::Waiting);
}

TEST(CaptionHintPosition, BelowTheCursorAtTheButtonsLeft) {
  EXPECT_EQ(skin::CaptionHintPosition({180, 8, 196, 24}, {300, 200}, 215), (skin::Point{480, 239}));
}

}  // namespace
