// Menu-bar geometry: the strip, the start offset, the button run in both directions, hit testing,
// accelerators and the wrap-around between items.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/form/menu_bar_layout.h"

namespace {

using skin::MenuBarCell;
using skin::MenuBarEntry;
using skin::Rect;

TEST(MenuBarStrip, BelowTheCaptionBetweenTheSideBorders) {
  EXPECT_EQ(skin::MenuBarStrip({400, 300}, 4, 30, 5, 19), (Rect{4, 30, 395, 49}));
  EXPECT_EQ(skin::MenuBarStrip({400, 300}, 4, 30, 5, 0), Rect{}) << "no menu bar height";
  EXPECT_EQ(skin::MenuBarStrip({8, 300}, 4, 30, 5, 19), Rect{}) << "narrower than the borders";
}

TEST(MenuBarStartOffset, ByImageDirectionAndStripWidth) {
  struct Case {
    bool image;
    int32_t left, right;
    bool rtl;
    int32_t width, want;
  };
  const Case cases[] = {
      {false, 30, 40, false, 500, 6},   // no image: margins do not matter
      {false, 30, 40, true, 500, 6},
      {true, 30, 40, false, 500, 34},   // left margin + 4
      {true, 30, 40, true, 500, 48},    // right margin + 8
      {true, 30, 40, false, 33, 12},    // strip narrower than the offset
      {true, 30, 40, false, 34, 34},
      {false, 0, 0, false, 5, 12},
  };
  for (const Case& c : cases)
    EXPECT_EQ(skin::MenuBarStartOffset(c.image, c.left, c.right, c.rtl, c.width), c.want)
        << c.image << " " << c.rtl << " " << c.width;
}

TEST(MenuButtonWidth, TenMoreThanTheTextUnlessEmpty) {
  EXPECT_EQ(skin::MenuButtonWidth(0), 0);
  EXPECT_EQ(skin::MenuButtonWidth(-3), 0);
  EXPECT_EQ(skin::MenuButtonWidth(1), 11);
  EXPECT_EQ(skin::MenuButtonWidth(42), 52);
}

TEST(LayOutMenuButtons, LeftToRightFollowEachOtherAndSkipInvisible) {
  const Rect strip{4, 30, 395, 49};
  const std::vector<MenuBarCell> cells{{40, true}, {30, false}, {0, true}, {25, true}};
  const std::vector<Rect> got = skin::LayOutMenuButtons(strip, 6, cells, false);
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0], (Rect{10, 30, 50, 48}));
  EXPECT_EQ(got[1], Rect{}) << "invisible";
  EXPECT_EQ(got[2], (Rect{50, 30, 50, 48})) << "empty caption takes no room";
  EXPECT_EQ(got[3], (Rect{50, 30, 75, 48}));
}

TEST(LayOutMenuButtons, RightToLeftRunLeftwardsFromTheRightEnd) {
  const Rect strip{4, 30, 395, 49};
  const std::vector<MenuBarCell> cells{{40, true}, {30, false}, {25, true}};
  const std::vector<Rect> got = skin::LayOutMenuButtons(strip, 8, cells, true);
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0], (Rect{347, 30, 387, 48}));
  EXPECT_EQ(got[1], Rect{});
  EXPECT_EQ(got[2], (Rect{322, 30, 347, 48}));
}

TEST(LayOutMenuButtons, HugeWidthsDoNotWrapAround) {
  const std::vector<MenuBarCell> cells{{INT32_MAX, true}, {INT32_MAX, true}};
  const std::vector<Rect> got = skin::LayOutMenuButtons({0, 0, 100, 20}, 6, cells, false);
  ASSERT_EQ(got.size(), 2u);
  EXPECT_GE(got[1].left, got[0].left);
  EXPECT_GE(got[1].right, got[1].left);
}

TEST(MenuButtonIndexAt, FirstHitWithACaption) {
  const std::wstring file = L"&File", none, edit = L"&Edit";
  const std::vector<MenuBarEntry> entries{
      {{10, 30, 50, 48}, file}, {{50, 30, 60, 48}, none}, {{50, 30, 90, 48}, edit}};
  struct Case {
    int32_t x, y, want;
  };
  const Case cases[] = {{10, 30, 0}, {49, 47, 0}, {50, 30, 2}, {55, 40, 2}, {89, 47, 2},
                        {90, 40, -1}, {30, 48, -1}, {30, 29, -1}, {9, 40, -1}};
  for (const Case& c : cases) EXPECT_EQ(skin::MenuButtonIndexAt(entries, {c.x, c.y}), c.want) << c.x << "," << c.y;
  EXPECT_EQ(skin::MenuButtonIndexAt({}, {10, 10}), -1);
}

TEST(AccelCharOf, CharacterAfterASingleAmpersand) {
  struct Case {
    const wchar_t* caption;
    wchar_t want;
  };
  const Case cases[] = {{L"&File", L'F'},         {L"文件(&F)", L'F'}, {L"Save && &Quit", L'Q'},
                        {L"A&&B", 0},             {L"Trailing&", 0},   {L"", 0},
                        {L"No marker", 0},        {L"&&&x", L'x'},     {L"&文", L'文'}};
  for (const Case& c : cases) EXPECT_EQ(skin::AccelCharOf(c.caption), c.want) << std::wstring(c.caption).size();
}

TEST(FindAccelIndex, EnabledVisibleButtonsWithoutAsciiCase) {
  const std::wstring a = L"&File", b = L"&Edit", c = L"&Help", d = L"H&ome", e = L"&View";
  const std::vector<MenuBarEntry> entries{
      {{}, a, true, true}, {{}, b, true, false}, {{}, c, false, true}, {{}, d, true, true}, {{}, e, true, true}};
  struct Case {
    wchar_t ch;
    int32_t want;
  };
  const Case cases[] = {{L'f', 0}, {L'F', 0}, {L'e', -1} /* disabled */, {L'h', -1} /* invisible */,
                        {L'o', 3}, {L'V', 4}, {0, -1},   {L'x', -1}};
  for (const Case& c : cases) EXPECT_EQ(skin::FindAccelIndex(entries, c.ch), c.want) << static_cast<int>(c.ch);
}

TEST(BarNeighbours, WrapAroundBothWays) {
  EXPECT_EQ(skin::NextBarIndex(0, 3), 1);
  EXPECT_EQ(skin::NextBarIndex(2, 3), 0);
  EXPECT_EQ(skin::PreviousBarIndex(0, 3), 2);
  EXPECT_EQ(skin::PreviousBarIndex(2, 3), 1);
  EXPECT_EQ(skin::NextBarIndex(0, 1), 0);
  EXPECT_EQ(skin::NextBarIndex(0, 0), -1);
  EXPECT_EQ(skin::PreviousBarIndex(5, 0), -1);
  EXPECT_EQ(skin::NextBarIndex(-1, 3), 0) << "outside the bar counts from the start";
  EXPECT_EQ(skin::NextBarIndex(7, 3), 0);
}

TEST(StepToEligible, SkipsButtonsWithoutADropDown) {
  const std::vector<bool> eligible{true, false, true, false};
  EXPECT_EQ(skin::StepToEligible(0, eligible, true), 2);
  EXPECT_EQ(skin::StepToEligible(2, eligible, true), 0) << "wraps past the last";
  EXPECT_EQ(skin::StepToEligible(0, eligible, false), 2) << "wraps before the first";
  EXPECT_EQ(skin::StepToEligible(2, eligible, false), 0);
  EXPECT_EQ(skin::StepToEligible(0, std::vector<bool>{true, false}, true), 0) << "no other: stays";
  EXPECT_EQ(skin::StepToEligible(-1, eligible, true), 0);
  EXPECT_EQ(skin::StepToEligible(-1, std::vector<bool>{false, false}, true), -1);
  EXPECT_EQ(skin::StepToEligible(0, std::vector<bool>{}, true), -1);
}

TEST(CenteredTextBox, CentredOnBothAxes) {
  EXPECT_EQ(skin::CenteredTextBox({10, 30, 50, 48}, {20, 12}), (Rect{20, 33, 40, 45}));
  EXPECT_EQ(skin::CenteredTextBox({10, 30, 50, 48}, {40, 18}), (Rect{10, 30, 50, 48}));
  EXPECT_EQ(skin::CenteredTextBox({10, 30, 50, 48}, {60, 18}), (Rect{0, 30, 60, 48})) << "wider text overhangs evenly";
}

}  // namespace
