// Placement of the caption text: every alignment, the shifts and clips, right-to-left windows.
#include <gtest/gtest.h>

#include "skin/form/caption_text.h"

namespace {

using skin::Rect;

// Caption area of a 208-wide window with side borders of 4 and a 30-high caption strip.
constexpr Rect kArea{4, 0, 204, 30};

skin::TDataSkinTitle Title(int32_t alignment) {
  skin::TDataSkinTitle t;
  t.LeftWidth = 8;     // TextShift
  t.TopHeight = 2;     // TextShiftVert
  t.RightWidth = 50;   // TextRightClip
  t.TXTBackleft = 3;
  t.TXTBackRight = 5;
  t.TextAlignment = alignment;
  return t;
}

struct Case {
  const char* what;
  int32_t alignment;
  int32_t textWidth;
  bool rtl, popup;
  int32_t borderKind;
  int32_t rightButtons;
  Rect box;
};

TEST(LayOutCaptionText, Table) {
  // Text 14 high: box height 14, dy = (30 - 14) / 2 + 2 / 2 = 9. Box width = text + 3 + 5.
  const Case cases[] = {
      {"left: TextShift", 0, 60, false, false, 1, 40, {12, 9, 80, 23}},
      {"centre", 1, 60, false, false, 1, 40, {70, 9, 138, 23}},
      {"right: up to TextRightClip", 2, 60, false, false, 1, 40, {86, 9, 154, 23}},
      {"unknown alignment: no shift", 7, 60, false, false, 1, 40, {4, 9, 72, 23}},
      {"long text clipped at TextRightClip", 0, 180, false, false, 1, 40, {12, 9, 154, 23}},
      {"popup: clipped before the right buttons", 0, 180, false, true, 1, 40, {12, 9, 159, 23}},
      {"popup with right buttons of 5 or less: no clip", 0, 180, false, true, 1, 5, {12, 9, 200, 23}},
      {"dialog frame, left aligned: 16 further left", 0, 60, false, false, 3, 40, {-4, 9, 80, 23}},
      {"dialog frame, centred: no move", 1, 60, false, false, 3, 40, {70, 9, 138, 23}},
      {"rtl left: against the right buttons, then 10 right", 0, 60, true, false, 1, 40, {106, 9, 174, 23}},
      {"rtl centre beside the right buttons", 1, 60, true, false, 1, 40, {60, 9, 128, 23}},
      {"rtl right: TextShift", 2, 60, true, false, 1, 40, {22, 9, 90, 23}},
      {"rtl text too long: starts at TextShift", 0, 180, true, false, 1, 40, {18, 9, 174, 23}},
      {"rtl is never clipped", 2, 180, true, false, 1, 40, {22, 9, 210, 23}},
  };
  for (const Case& c : cases) {
    skin::FrameTraits t;
    t.RightToLeft = c.rtl;
    t.IsPopup = c.popup;
    t.BorderKind = c.borderKind;
    const auto l = skin::LayOutCaptionText(Title(c.alignment), kArea, {c.textWidth, 14}, c.rightButtons, t);
    EXPECT_EQ(l.TextBox, c.box) << c.what;
    // The text itself goes inside the background's ends.
    EXPECT_EQ(l.TextRect, (Rect{c.box.left + 3, c.box.top, c.box.right - 5, c.box.bottom})) << c.what;
    EXPECT_EQ(l.DrawFlags, c.rtl ? 0x28822u : 0x8820u) << c.what;
  }
}

TEST(LayOutCaptionText, BackgroundSpansTheAreaHeightOnlyWithAnImage) {
  skin::FrameTraits active;
  skin::TDataSkinTitle title = Title(0);
  auto l = skin::LayOutCaptionText(title, kArea, {60, 14}, 0, active);
  EXPECT_TRUE(l.Background.Empty());

  title.Bitmap = skin::Bitmap(12, 20, skin::kWhite);
  l = skin::LayOutCaptionText(title, kArea, {60, 14}, 0, active);
  EXPECT_EQ(l.Background, (Rect{12, 0, 80, 30}));
  EXPECT_EQ(l.BackgroundFrame, 1);

  skin::FrameTraits inactive;
  inactive.IsActive = false;
  EXPECT_EQ(skin::LayOutCaptionText(title, kArea, {60, 14}, 0, inactive).BackgroundFrame, 2);
}

TEST(LayOutCaptionText, MinimizedCaptionUsesTheFullStrip) {
  // A minimized window's caption area is the whole strip from x = 0.
  skin::FrameTraits t;
  const auto l = skin::LayOutCaptionText(Title(1), {0, 0, 160, 24}, {40, 14}, 0, t);
  EXPECT_EQ(l.TextBox, (Rect{56, 6, 104, 20}));  // dx = (160 - 48) / 2, dy = 5 + 1
}

TEST(LayOutCaptionText, OddDifferencesRoundTowardZero) {
  skin::FrameTraits t;
  skin::TDataSkinTitle title = Title(1);
  title.TopHeight = -3;  // -3 div 2 = -1
  title.RightWidth = 0;
  const auto l = skin::LayOutCaptionText(title, {0, 0, 101, 31}, {40, 14}, 0, t);
  // dx = (101 - 48) / 2 = 26, dy = (31 - 14) / 2 - 1 = 7.
  EXPECT_EQ(l.TextBox, (Rect{26, 7, 74, 21}));
}

TEST(CaptionIconOrigin, AtEightCentredOnTheText) {
  EXPECT_EQ(skin::CaptionIconOrigin({16, 16}, {20, 9, 80, 23}), (skin::Point{8, 8}));
  EXPECT_EQ(skin::CaptionIconOrigin({16, 16}, {20, 4, 80, 27}), (skin::Point{8, 7}));
}

}  // namespace
