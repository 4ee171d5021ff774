#pragma once
// Layout of the main window: the design rectangles, the margins kept on resize, and the one-time
// scaling to screens larger than the design screen. Sizes are outer window sizes; control
// rectangles are in the window's client coordinates.
#include <optional>

#include "common/geometry.h"

namespace app {

inline constexpr common::Size kDesignWindow{610, 452};
inline constexpr common::Size kDesignScreen{800, 600};  // DesignScreenWidth, DesignScreenHeight
inline constexpr common::Rect kDesignEdit = common::Rect::FromSize(64, 64, 472, 28);
inline constexpr common::Rect kDesignShape = common::Rect::FromSize(64, 103, 472, 6);
inline constexpr common::Rect kDesignList = common::Rect::FromSize(64, 117, 473, 225);
inline constexpr int kListItemHeight = 20;

struct Margins {
  int right = 0;
  int bottom = 0;
  friend constexpr bool operator==(const Margins&, const Margins&) = default;
};

// Start-up step 2: the gaps from the list's right and bottom edges to the window's.
constexpr Margins MeasureMargins(common::Size window, common::Rect list) {
  return {window.cx - list.left - list.Width(), window.cy - list.top - list.Height()};
}

struct ResizeLayout {
  int width = 0;       // of LabeledEdit1, ListBox1 and Shape1
  int listHeight = 0;  // of ListBox1
  friend constexpr bool operator==(const ResizeLayout&, const ResizeLayout&) = default;
};

// The layout FormResize applies: keeps the margins. A window too small for them gives 0, never a negative size.
ResizeLayout LayoutForSize(common::Size window, common::Point listTopLeft, Margins margins);

// cuangtisuofangClick: the new window size on a screen larger than the design screen (W > 800, or
// W = 800 and H > 600), each side scaled with the fraction dropped; nothing otherwise.
std::optional<common::Size> StartupScale(common::Size screen, common::Size window);

// The list entry under a point in the list's coordinates, -1 when the point is on no entry.
int ItemAtPoint(common::Point point, common::Size listClient, int topIndex, int itemHeight, int count);

}  // namespace app
