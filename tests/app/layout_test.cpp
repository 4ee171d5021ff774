// Margins, resize layout and start-up scaling of the main window.
#include "app/layout.h"

#include <gtest/gtest.h>

namespace {

using app::kDesignList;
using app::kDesignWindow;
using common::Size;

TEST(Layout, DesignMarginsAre73And110) {
  EXPECT_EQ(app::MeasureMargins(kDesignWindow, kDesignList), (app::Margins{73, 110}));
}

TEST(Layout, ResizeKeepsMargins) {
  const app::Margins m{73, 110};
  const common::Point at = kDesignList.TopLeft();
  EXPECT_EQ(app::LayoutForSize(kDesignWindow, at, m), (app::ResizeLayout{473, 225}));
  EXPECT_EQ(app::LayoutForSize({780, 578}, at, m), (app::ResizeLayout{643, 351}));
  EXPECT_EQ(app::LayoutForSize({976, 771}, at, m), (app::ResizeLayout{839, 544}));
  EXPECT_EQ(app::LayoutForSize({100, 150}, at, m), (app::ResizeLayout{0, 0}));  // never negative
}

struct ScaleCase {
  Size screen;
  bool scales;
  Size window;
};

TEST(Layout, StartupScaleOnlyGrowsOnLargerScreens) {
  const ScaleCase cases[] = {
      {{1024, 768}, true, {780, 578}},
      {{1280, 1024}, true, {976, 771}},
      {{1920, 1080}, true, {1464, 813}},
      {{800, 600}, false, {}},
      {{640, 480}, false, {}},
      {{640, 1024}, false, {}},  // narrower than 800: no scaling whatever the height
      {{800, 601}, true, {610, 452}},
      {{800, 768}, true, {610, 578}},
      {{801, 400}, true, {610, 301}},  // wider: scales, even to a smaller height
      {{0, 0}, false, {}},
  };
  for (const ScaleCase& c : cases) {
    const auto scaled = app::StartupScale(c.screen, kDesignWindow);
    ASSERT_EQ(scaled.has_value(), c.scales) << c.screen.cx << "x" << c.screen.cy;
    if (c.scales) {
      EXPECT_EQ(*scaled, c.window) << c.screen.cx << "x" << c.screen.cy;
    }
  }
}

TEST(Layout, StartupScaleOfHugeScreenDoesNotOverflow) {
  const auto scaled = app::StartupScale({2'000'000'000, 2'000'000'000}, kDesignWindow);
  ASSERT_TRUE(scaled.has_value());
  EXPECT_GT(scaled->cx, 0);
  EXPECT_GT(scaled->cy, 0);
}

TEST(Layout, ItemAtPoint) {
  const Size client{469, 221};
  EXPECT_EQ(app::ItemAtPoint({5, 0}, client, 0, 20, 3), 0);
  EXPECT_EQ(app::ItemAtPoint({5, 19}, client, 0, 20, 3), 0);
  EXPECT_EQ(app::ItemAtPoint({5, 20}, client, 0, 20, 3), 1);
  EXPECT_EQ(app::ItemAtPoint({5, 59}, client, 0, 20, 3), 2);
  EXPECT_EQ(app::ItemAtPoint({5, 60}, client, 0, 20, 3), -1);  // empty area below the entries
  EXPECT_EQ(app::ItemAtPoint({5, 20}, client, 10, 20, 30), 11);  // scrolled
  EXPECT_EQ(app::ItemAtPoint({-1, 5}, client, 0, 20, 3), -1);
  EXPECT_EQ(app::ItemAtPoint({5, 221}, client, 0, 20, 30), -1);
  EXPECT_EQ(app::ItemAtPoint({5, 5}, client, 0, 0, 3), -1);
}

}  // namespace
