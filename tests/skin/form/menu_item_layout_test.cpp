// Popup-menu item geometry: glyph size and box, caption and shortcut boxes in both directions, the
// check mark's place, widths by the measure rules, and the separator's three slices.
#include <gtest/gtest.h>

#include <vector>

#include "skin/form/menu_item_layout.h"

namespace {

using skin::Rect;
using skin::Size;

TEST(MenuGlyphSize, SixteenOrTheImageWidthAtLeastSixteenWhenChecked) {
  struct Case {
    bool images;
    int32_t width;
    bool checked;
    int32_t want;
  };
  const Case cases[] = {
      {false, 0, false, 16}, {false, 32, false, 16}, {true, 24, false, 24},
      {true, 12, false, 12}, {true, 12, true, 16},   {true, 0, false, 16},
  };
  for (const Case& c : cases)
    EXPECT_EQ(skin::MenuGlyphSize(c.images, c.width, c.checked), c.want) << c.width << " " << c.checked;
}

TEST(MenuItemLayout, LeftToRightGlyphCaptionShortcut) {
  const Rect item{0, 20, 200, 42};
  const Rect box = skin::MenuGlyphBox(item, 8, 16, false, false);
  EXPECT_EQ(box, (Rect{9, 21, 25, 37}));
  const Rect caption = skin::MenuCaptionBox(item, box, false);
  EXPECT_EQ(caption, (Rect{28, 20, 199, 42}));
  const Rect text = skin::CentreTextInItem(item, caption, {60, 12}, false);
  EXPECT_EQ(text, (Rect{28, 25, 88, 37}));
  EXPECT_EQ(skin::MenuShortcutBox(item, text, false), (Rect{88, 20, 189, 42}));
  // Without a MenuItem object there is no band.
  EXPECT_EQ(skin::MenuGlyphBox(item, 0, 16, false, false).left, 1);
}

TEST(MenuItemLayout, RightToLeftMirrorsTheLayout) {
  const Rect item{0, 20, 200, 42};
  const Rect box = skin::MenuGlyphBox(item, 8, 16, false, true);
  EXPECT_EQ(box, (Rect{175, 21, 191, 37}));
  const Rect caption = skin::MenuCaptionBox(item, box, true);
  EXPECT_EQ(caption, (Rect{1, 20, 172, 42}));
  const Rect text = skin::CentreTextInItem(item, caption, {60, 12}, true);
  EXPECT_EQ(text, (Rect{112, 25, 172, 37}));
  EXPECT_EQ(skin::MenuShortcutBox(item, text, true), (Rect{10, 20, 112, 42}));
}

TEST(MenuItemLayout, SeparatorHasAnEmptyGlyphBox) {
  const Rect item{0, 0, 120, 8};
  for (bool rtl : {false, true}) {
    const Rect box = skin::MenuGlyphBox(item, 8, 16, true, rtl);
    EXPECT_TRUE(box.Empty()) << rtl;
    EXPECT_EQ(box.top, 1);
  }
  EXPECT_EQ(skin::MenuCaptionBox(item, skin::MenuGlyphBox(item, 8, 16, true, false), false).left, 12);
}

TEST(MenuItemLayout, CheckMarkCentredInTheBoxAndTheItem) {
  const Rect item{0, 10, 150, 32};
  const Rect box{9, 11, 25, 27};
  EXPECT_EQ(skin::MenuCheckMarkRect(item, box, {12, 12}), (Rect{12, 16, 24, 28}));
  EXPECT_EQ(skin::MenuCheckMarkRect(item, box, {16, 16}), (Rect{10, 14, 26, 30}));
}

TEST(MenuItemLayout, EtchedLineFourPixelsBelowTheText) {
  EXPECT_EQ(skin::MenuEtchedLine({12, 0, 119, 8}, -2), (Rect{12, 2, 119, 4}));
}

TEST(MenuItemWidths, WithoutAnImageListItemsLeaveRoomForTheCheckMark) {
  EXPECT_EQ(skin::PopupItemWidth(100, 8, true), 120);
  EXPECT_EQ(skin::PopupItemWidth(100, 8, false), 143);
  EXPECT_EQ(skin::PopupItemWidth(100, 8, false) - skin::PopupItemWidth(100, 8, true), 23);
  EXPECT_EQ(skin::MainMenuItemWidth(100, 8, true), 118);
  EXPECT_EQ(skin::MainMenuItemWidth(100, 8, false) - skin::MainMenuItemWidth(100, 8, true), 25);
  EXPECT_EQ(skin::PopupItemWidth(100, 0, true), 112) << "no MenuItem object: no band";
  EXPECT_EQ(skin::PopupItemWidth(100, -5, true), 112) << "a negative band counts as none";
}

TEST(MenuItemWidths, RawItemsByTextAndFamily) {
  struct Case {
    int32_t text;
    bool empty;
    int32_t height, band;
    bool nine;
    int32_t w, h;
  };
  const Case cases[] = {
      {50, false, 16, 8, false, 84, 20},
      {50, false, 16, 0, false, 76, 20},
      {0, true, 16, 8, false, 34, 8},
      {50, false, 16, 8, true, 84, 24},
      {0, true, 16, 8, true, 34, 12},
  };
  for (const Case& c : cases) {
    const auto s = skin::RawMenuItemSize(c.text, c.empty, c.height, c.band, c.nine);
    EXPECT_EQ(s.Width, c.w);
    EXPECT_EQ(s.Height, c.h);
  }
}

TEST(MeasuredMenuText, EmptyAndLoneAmpersandGetABlank) {
  EXPECT_EQ(skin::MeasuredMenuText(""), " ");
  EXPECT_EQ(skin::MeasuredMenuText("&"), "& ");
  EXPECT_EQ(skin::MeasuredMenuText("&Open"), "&Open");
  EXPECT_EQ(skin::MeasuredMenuText("-"), "-");
}

TEST(MenuSeparatorSlices, BottomRowsEndsKeptMiddleStretched) {
  // Five frames of 40 x 22: frame 2 is x 40..80.
  const auto p = skin::MenuSeparatorSlices({200, 8}, {200, 22}, 5, 12, 4);
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].src, (Rect{40, 14, 52, 22}));
  EXPECT_EQ(p[0].dst, (Rect{0, 0, 12, 8}));
  EXPECT_EQ(p[1].src, (Rect{76, 14, 80, 22}));
  EXPECT_EQ(p[1].dst, (Rect{196, 0, 200, 8}));
  EXPECT_EQ(p[2].src, (Rect{52, 14, 76, 22}));
  EXPECT_EQ(p[2].dst, (Rect{12, 0, 196, 8}));
  for (const auto& piece : p) EXPECT_FALSE(piece.tiled);
}

TEST(MenuSeparatorSlices, TallItemTakesTheWholePictureAndOddSizesStayInside) {
  const auto tall = skin::MenuSeparatorSlices({100, 40}, {200, 22}, 5, 12, 4);
  ASSERT_EQ(tall.size(), 3u);
  EXPECT_EQ(tall[0].src.top, 0);
  EXPECT_EQ(tall[0].dst.bottom, 22);
  struct Case {
    Size item, image;
    int32_t frames, left, right;
  };
  const Case cases[] = {
      {{10, 8}, {200, 22}, 5, 12, 4},   // item narrower than the ends
      {{100, 8}, {200, 22}, 0, 12, 4},  // no frame count
      {{100, 8}, {3, 22}, 5, 12, 4},    // picture narrower than its frames
      {{100, 8}, {200, 22}, 5, 90, 90}, // margins wider than the frame
      {{0, 8}, {200, 22}, 5, 12, 4},
      {{100, 8}, {0, 0}, 5, 12, 4},
  };
  for (const Case& c : cases) {
    const Rect cell = skin::FrameCell(c.image, false, c.frames, 2);
    for (const auto& piece : skin::MenuSeparatorSlices(c.item, c.image, c.frames, c.left, c.right)) {
      EXPECT_GE(piece.src.left, cell.left);
      EXPECT_LE(piece.src.right, cell.right);
      EXPECT_GE(piece.dst.left, 0);
      EXPECT_LE(piece.dst.right, c.item.cx);
      EXPECT_FALSE(piece.src.Empty());
    }
  }
}

}  // namespace
