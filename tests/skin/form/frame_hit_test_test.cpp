// Hit-test answers of the skinned frame: the skin's change of the native answer, and the answer
// from the skin's geometry alone.
#include <gtest/gtest.h>

#include <vector>

#include "skin/form/frame_hit_test.h"

namespace {

using skin::Point;

TEST(SkinHitTest, Table) {
  const skin::FrameMetrics m{4, 30, 4, 4, 20};
  const skin::FrameMetrics noMenu{4, 30, 4, 4, 0};
  struct Case {
    const char* what;
    int32_t native;
    Point p;
    skin::FrameMetrics metrics;
    int32_t expected;
  } cases[] = {
      {"top rows keep a sizing answer", skin::kHtTop, {100, 2}, m, skin::kHtTop},
      {"top rows keep a corner answer", skin::kHtTopLeft, {1, 0}, m, skin::kHtTopLeft},
      {"top rows keep nowhere", skin::kHtNowhere, {100, 3}, m, skin::kHtNowhere},
      {"top rows keep caption", skin::kHtCaption, {100, 3}, m, skin::kHtCaption},
      {"below the top rows nowhere becomes caption", skin::kHtNowhere, {100, 4}, m, skin::kHtCaption},
      {"last caption row", skin::kHtNowhere, {100, 29}, m, skin::kHtCaption},
      {"first menu-bar row", skin::kHtNowhere, {100, 30}, m, skin::kHtMenu},
      {"native caption over the menu bar", skin::kHtCaption, {100, 49}, m, skin::kHtMenu},
      {"below the menu-bar strip", skin::kHtNowhere, {100, 50}, m, skin::kHtCaption},
      {"no menu bar", skin::kHtNowhere, {100, 35}, noMenu, skin::kHtCaption},
      {"borders stay", skin::kHtLeft, {1, 40}, m, skin::kHtLeft},
      {"client stays", skin::kHtClient, {100, 40}, m, skin::kHtClient},
      {"close stays", skin::kHtClose, {100, 10}, m, skin::kHtClose},
  };
  for (const auto& c : cases) EXPECT_EQ(skin::SkinHitTest(c.native, c.p, c.metrics), c.expected) << c.what;
}

TEST(ButtonHitCode, Table) {
  struct Case {
    int32_t action, code;
  } cases[] = {{0, skin::kHtClose},     {1, skin::kHtMaxButton}, {22, skin::kHtMaxButton}, {2, skin::kHtMinButton},
               {23, skin::kHtMinButton}, {3, skin::kHtSysMenu},  {11, skin::kHtSysMenu},   {12, skin::kHtSysMenu},
               {4, skin::kHtHelp},       {8, skin::kHtMenu},     {62, skin::kHtMenu},      {77, skin::kHtCaption}};
  for (const auto& c : cases) EXPECT_EQ(skin::ButtonHitCode(c.action), c.code) << c.action;
}

class FrameHitTest : public ::testing::Test {
 protected:
  FrameHitTest() {
    close_.Action = 0;
    max_.Action = 1;
    icon_.Action = 3;
    buttons_ = {Button(close_, {180, 8, 196, 24}, true), Button(max_, {160, 8, 176, 24}, false),
                Button(icon_, {6, 8, 22, 24}, true)};
  }
  static skin::CaptionButton Button(const skin::TDataSkinSysButton& d, skin::Rect r, bool visible) {
    skin::CaptionButton b;
    b.Definition = &d;
    b.Rect = r;
    b.Visible = visible;
    return b;
  }
  int32_t At(Point p, int32_t state = skin::kStateNormal, int32_t kind = skin::kBorderSizeable) const {
    skin::HitTestFrame f{{200, 150}, {4, 30, 4, 4, 20}, {}, 16};
    f.Traits.WindowState = state;
    f.Traits.BorderKind = kind;
    return skin::FrameHitTest(p, f, buttons_);
  }

  skin::TDataSkinSysButton close_, max_, icon_;
  std::vector<skin::CaptionButton> buttons_;
};

TEST_F(FrameHitTest, SizeableNormalWindow) {
  struct Case {
    Point p;
    int32_t expected;
  } cases[] = {
      {{-1, 5}, skin::kHtNowhere},    {{200, 5}, skin::kHtNowhere},    {{5, 150}, skin::kHtNowhere},
      {{100, 0}, skin::kHtTop},       {{100, 3}, skin::kHtTop},        {{100, 4}, skin::kHtCaption},
      {{2, 2}, skin::kHtTopLeft},     {{15, 0}, skin::kHtTopLeft},     {{16, 0}, skin::kHtTop},
      {{198, 1}, skin::kHtTopRight},  {{2, 10}, skin::kHtTopLeft},     {{2, 100}, skin::kHtLeft},
      {{198, 100}, skin::kHtRight},   {{100, 146}, skin::kHtBottom},   {{1, 148}, skin::kHtBottomLeft},
      {{199, 149}, skin::kHtBottomRight}, {{2, 140}, skin::kHtBottomLeft},
      {{185, 10}, skin::kHtClose},    {{165, 10}, skin::kHtCaption},   {{10, 10}, skin::kHtSysMenu},
      {{100, 29}, skin::kHtCaption},  {{100, 30}, skin::kHtMenu},      {{100, 49}, skin::kHtMenu},
      {{100, 50}, skin::kHtClient},   {{195, 145}, skin::kHtClient},
  };
  for (const auto& c : cases) EXPECT_EQ(At(c.p), c.expected) << c.p.x << "," << c.p.y;
}

TEST_F(FrameHitTest, FramesThatDoNotSize) {
  EXPECT_EQ(At({100, 0}, skin::kStateMaximized), skin::kHtCaption);
  EXPECT_EQ(At({2, 100}, skin::kStateMaximized), skin::kHtBorder);
  EXPECT_EQ(At({185, 10}, skin::kStateMaximized), skin::kHtClose);
  EXPECT_EQ(At({100, 1}, skin::kStateNormal, skin::kBorderDialog), skin::kHtCaption);
  EXPECT_EQ(At({100, 148}, skin::kStateNormal, skin::kBorderFixed), skin::kHtBorder);
  EXPECT_EQ(At({100, 40}, skin::kStateNormal, skin::kBorderFixed), skin::kHtMenu);
}

TEST_F(FrameHitTest, MinimizedWindowIsCaptionAndItsButtons) {
  EXPECT_EQ(At({100, 0}, skin::kStateMinimized), skin::kHtCaption);
  EXPECT_EQ(At({185, 10}, skin::kStateMinimized), skin::kHtClose);
  EXPECT_EQ(At({100, 100}, skin::kStateMinimized), skin::kHtCaption);
}

}  // namespace
