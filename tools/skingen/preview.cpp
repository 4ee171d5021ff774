#include "preview.h"

#include <algorithm>
#include <string>

#include "font5x7.h"
#include "skin/data/nine_slice.h"
#include "skin/data/system_info.h"

namespace skingen {
namespace {

using common::Point;
using common::Rect;
using skin::Bitmap;
using skin::Colour;
using skin::TDataSkinObject;

constexpr Colour kDesktop = skin::Rgb(92, 108, 124);

void Fill(Bitmap& b, const Rect& r, Colour c) {
  for (int y = std::max(0, r.top); y < std::min(b.Height(), r.bottom); ++y)
    for (int x = std::max(0, r.left); x < std::min(b.Width(), r.right); ++x) b.SetPixel(x, y, c);
}

void Frame(Bitmap& b, const Rect& r, Colour c) {
  Fill(b, {r.left, r.top, r.right, r.top + 1}, c);
  Fill(b, {r.left, r.bottom - 1, r.right, r.bottom}, c);
  Fill(b, {r.left, r.top, r.left + 1, r.bottom}, c);
  Fill(b, {r.right - 1, r.top, r.right, r.bottom}, c);
}

int Text(Bitmap& b, int x, int y, std::string_view s, Colour c, int scale = 1) {
  return DrawText5x7(
      [&](int px, int py) {
        if (px >= 0 && py >= 0 && px < b.Width() && py < b.Height()) b.SetPixel(px, py, c);
      },
      x, y, s, scale);
}

Colour SkinColour(const skin::SkinDefinition& d, int index) { return skin::ResolveColour(d.SkinColors[index]); }

// A skin object's frame composed with its margins into r (side-by-side frames).
void Draw(Bitmap& b, const Rect& r, const TDataSkinObject* o, int frame, bool stacked = false) {
  if (!o || o->Bitmap.Empty() || r.Empty()) return;
  skin::DrawCompositeFrame(b, r, o->Bitmap, stacked, o->Tile == 1, o->Trans == 1, o->SafeFrame(), frame,
                           o->GetMargins());
}

// One frame of a strip at natural size, keyed, with its top-left at p.
void Stamp(Bitmap& b, Point p, const Bitmap& strip, int count, int frame) {
  const Rect cell = skin::FrameCell(strip.Dimensions(), false, count, frame);
  Bitmap one(cell.Width(), cell.Height(), skin::kMagenta);
  skin::StretchCopy(one, {0, 0, cell.Width(), cell.Height()}, strip, cell);
  skin::DrawBitmap(b, p, one, true);
}

// Ends at natural width, middle tiled: the caption text background and menu separators.
void ThreeSlice(Bitmap& b, const Rect& r, const Bitmap& img, bool stacked, int count, int frame, int lw, int rw,
                bool from_bottom = false) {
  Rect cell = skin::FrameCell(img.Dimensions(), stacked, count, frame);
  if (from_bottom && cell.Height() > r.Height()) cell.top = cell.bottom - r.Height();
  Bitmap tmp(r.Width(), r.Height(), skin::kMagenta);
  const int h = std::min(cell.Height(), r.Height());
  skin::StretchCopy(tmp, {0, 0, lw, h}, img, {cell.left, cell.top, cell.left + lw, cell.top + h});
  skin::TileCopy(tmp, {lw, 0, r.Width() - rw, h}, img, {cell.left + lw, cell.top, cell.right - rw, cell.top + h});
  skin::StretchCopy(tmp, {r.Width() - rw, 0, r.Width(), h}, img, {cell.right - rw, cell.top, cell.right, cell.top + h});
  skin::DrawBitmap(b, r.TopLeft(), tmp, true);
}

void Window(Bitmap& b, const skin::SkinDefinition& d, Point at, bool active) {
  constexpr int W = 400, H = 300;
  const int idx = active ? 1 : 2;
  auto frameOf = [idx](const TDataSkinObject& o) { return o.SafeFrame() > 1 ? idx : 1; };
  const int bl = d.LeftBorder.Bitmap.Width() / d.LeftBorder.SafeFrame();
  const int br = d.RightBorder.Bitmap.Width() / d.RightBorder.SafeFrame();
  const int bt = d.TopBorder.Bitmap.Height() / d.TopBorder.SafeFrame();
  const int bb = d.BottomBorder.Bitmap.Height() / d.BottomBorder.SafeFrame();
  const int mh = 20;  // the menu bar's height (SM_CYMENU)

  Bitmap w(W, H, skin::kMagenta);
  auto border = [&](const skin::TDataSkinBorder& o, const Rect& r, bool stacked) {
    skin::DrawCompositeFrame(w, r, o.Bitmap, stacked, o.Tile != 1, false, o.SafeFrame(), frameOf(o), o.GetMargins());
  };
  border(d.LeftBorder, {0, 0, bl, H}, false);
  border(d.RightBorder, {W - br, 0, W, H}, false);
  border(d.BottomBorder, {bl, H - bb, W - br, H}, true);
  border(d.TopBorder, {bl, 0, W - br, bt}, true);

  // Caption text with its background, the icon and the caption buttons.
  const std::string caption = " Talvik 2.1  ";
  const int tw = TextWidth5x7(caption, 2);
  const auto& t = d.Title;
  Rect box{bl + t.TextShift(), 0, bl + t.TextShift() + tw + t.TXTBackleft + t.TXTBackRight, bt};
  box.right = std::min(box.right, W - br - t.TextRightClip());
  if (!t.Bitmap.Empty()) ThreeSlice(w, box, t.Bitmap, true, 2, idx, t.TXTBackleft, t.TXTBackRight);
  Text(w, box.left + t.TXTBackleft, (bt - 14) / 2 + t.TextShiftVert() / 2, caption,
       SkinColour(d, active ? skin::kScTitleTextActive : skin::kScTitleTextNoActive), 2);
  for (const auto& sb : d.SysButtons) {
    if (sb->Bitmap.Empty()) continue;
    // A normal window with both boxes and a system menu, no context help.
    const bool shown = (sb->Visibility == 0 || sb->Visibility == 2 || sb->Visibility == 6) &&
                       (sb->Visibility1 == 0 || sb->Visibility1 == 8);
    if (!shown) continue;
    Point p{sb->Xcoord, sb->Ycoord};
    if (sb->Align == 1) p.x = W - sb->Xcoord;
    const int f = sb->SafeFrame() < 4 || active ? 1 : 4;
    Stamp(w, p, sb->Bitmap, sb->SafeFrame(), f);
  }

  // Menu bar with one item hot.
  const Rect bar{bl, bt, W - br, bt + mh};
  if (d.MenuBarSkin) {
    const auto& m = *d.MenuBarSkin;
    Bitmap strip = skin::CompositeSkinBitmap({bar.Width(), bar.Height()}, m.Bitmap, m.GetMargins(), true,
                                             false, 2, idx);
    skin::DrawBitmap(w, bar.TopLeft(), strip, false);
  }
  int x = bar.left + (d.MenuBarSkin ? d.MenuBarSkin->LeftWidth + 4 : 6);
  for (const char* item : {"File", "Edit", "Help"}) {
    const int iw = TextWidth5x7(item) + 10;
    if (std::string(item) == "Edit" && active) Frame(w, {x, bar.top, x + iw, bar.bottom - 1}, SkinColour(d, skin::kScButtonHilight));
    Text(w, x + 5, bar.top + (mh - 7) / 2, item, SkinColour(d, skin::kScMenuBarText));
    x += iw;
  }

  // Client area.
  const Rect client{bl, bt + mh, W - br, H - bb};
  const Colour face = SkinColour(d, skin::kScButtonFace), text = SkinColour(d, skin::kScButtonText);
  Fill(w, client, face);
  int y = client.top + 10;
  const char* labels[] = {"Normal", "Pressed", "Off", "Hot", "Default"};
  for (int f = 1; f <= 5; ++f) {
    const Rect r = Rect::FromSize(client.left + 8 + (f - 1) * 76, y, 70, 24);
    Draw(w, r, &d.Buttons, f);
    Colour c = d.Buttons.HasNormalColour2 ? d.Buttons.NormalColour2 : text;
    if (f == 2 && d.Buttons.HasPressedColour2) c = d.Buttons.PressedColour2;
    if (f == 4 && d.Buttons.HasMouseOverColour2) c = d.Buttons.MouseOverColour2;
    if (f == 3) c = SkinColour(d, skin::kScButtonShadow);
    Text(w, r.left + (70 - TextWidth5x7(labels[f - 1])) / 2, r.top + 8, labels[f - 1], c);
  }
  y += 34;
  // Check boxes (12-frame rule) and radio buttons (8-frame rule).
  const auto& bt_ = d.Buttons;
  const int checkFrames[] = {1, 5, 9, 8};
  const char* checkLabels[] = {"Off", "On", "Gray", "Dis"};
  for (int i = 0; i < 4 && !bt_.CheckBitmap.Empty(); ++i) {
    Stamp(w, {client.left + 10 + i * 56, y}, bt_.CheckBitmap, bt_.CheckButtonFrame, checkFrames[i]);
    Text(w, client.left + 27 + i * 56, y + 3, checkLabels[i], i == 3 ? SkinColour(d, skin::kScButtonShadow) : text);
  }
  const int radioFrames[] = {1, 5, 8};
  for (int i = 0; i < 3 && !bt_.RadioBitmap.Empty(); ++i) {
    Stamp(w, {client.left + 240 + i * 48, y}, bt_.RadioBitmap, bt_.RadioButtonFrame, radioFrames[i]);
    Text(w, client.left + 257 + i * 48, y + 3, checkLabels[i == 2 ? 3 : i], text);
  }
  y += 24;
  // Combo box from the composite strip, a normal and a hot one.
  for (int i = 0; i < 2 && d.ComboButton; ++i) {
    const Rect r = Rect::FromSize(client.left + 10 + i * 190, y, 170, 21);
    Fill(w, r, skin::Rgb(255, 255, 255));
    if (d.ComboButton->Style == 2)
      skin::DrawCompositeFrame(w, r, d.ComboButton->Bitmap, false, false, true, d.ComboButton->SafeFrame(),
                               i ? 4 : 1, d.ComboButton->GetMargins());
    Text(w, r.left + 6, r.top + 7, "C:\\Program Files", skin::Rgb(20, 20, 20));
  }
  y += 30;
  // A list with a vertical scroll bar and a horizontal one under it.
  const int sbw = d.Scrollbar ? d.Scrollbar->Bitmap.Height() : 17;
  const Rect list = Rect::FromSize(client.left + 10, y, 170, 96);
  Fill(w, list, skin::Rgb(255, 255, 255));
  Frame(w, list, SkinColour(d, skin::kScButtonShadow));
  Text(w, list.left + 4, list.top + 5, "D:\\Apps", skin::Rgb(20, 20, 20));
  if (d.Scrollbar && d.VertScroll && d.VertScrollThumb && d.HorzScroll && d.HorzScrollThumb) {
    const auto& s = *d.Scrollbar;
    const Rect v{list.right - sbw - 1, list.top + 1, list.right - 1, list.bottom - 1 - sbw};
    Draw(w, {v.left, v.top + sbw, v.right, v.bottom - sbw}, d.VertScroll.get(), 1);
    Stamp(w, {v.left, v.top}, s.Bitmap, 23, 9);
    Stamp(w, {v.left, v.bottom - sbw}, s.Bitmap, 23, 13 + 3);  // hot
    const Rect thumb{v.left, v.top + sbw + 6, v.right, v.top + sbw + 40};
    skin::DrawCompositeFrame(w, thumb, d.VertScrollThumb->Bitmap, false, false, d.HorzScrollThumb->Trans == 1,
                             d.HorzScrollThumb->SafeFrame(), 1, d.VertScrollThumb->GetMargins());
    Stamp(w, {v.left, (thumb.top + thumb.bottom - sbw) / 2}, s.Bitmap, 23, 20);
    const Rect h{list.left + 1, list.bottom - 1 - sbw, list.right - 1 - sbw, list.bottom - 1};
    Draw(w, {h.left + sbw, h.top, h.right - sbw, h.bottom}, d.HorzScroll.get(), 1);
    Stamp(w, {h.left, h.top}, s.Bitmap, 23, 1 + 1);  // pressed
    Stamp(w, {h.right - sbw, h.top}, s.Bitmap, 23, 5);
    const Rect ht{h.left + sbw + 30, h.top, h.left + sbw + 80, h.bottom};
    skin::DrawCompositeFrame(w, ht, d.HorzScrollThumb->Bitmap, false, false, d.HorzScrollThumb->Trans == 1,
                             d.HorzScrollThumb->SafeFrame(), 3, d.HorzScrollThumb->GetMargins());
    Stamp(w, {(ht.left + ht.right - sbw) / 2, h.top}, s.Bitmap, 23, 17 + 2);
    Fill(w, {v.left, h.top, v.right, h.bottom}, face);
  }
  // Tabs with their page, a progress bar and a track bar.
  const int tx = client.left + 196;
  if (d.Tabs) {
    const auto& tb = *d.Tabs;
    const Rect pane{tx, y + 20, client.right - 10, y + 96};
    if (!tb.Bitmap2.Empty())
      skin::DrawCompositeFrame(w, pane, tb.Bitmap2, false, false, false, 1, 1, {4, 5, 4, 4});
    for (int i = 0; i < 3; ++i) {
      const bool sel = i == 0;
      const Rect r{tx + 2 + i * 56 - (sel ? 2 : 0), y + (sel ? 0 : 2), tx + 2 + i * 56 + 56 + (sel ? 2 : 0), y + 21};
      Draw(w, r, &tb, sel ? 2 : 1);
      Text(w, r.left + 12, r.top + 8, i == 0 ? "Paths" : i == 1 ? "Sound" : "About",
           sel ? tb.MouseOverColour2 : tb.NormalColour2);
    }
    if (d.Progress) {
      const Rect pr{tx + 10, y + 34, pane.right - 10, y + 50};
      const auto& p = *d.Progress;
      const int filled = pr.Width() * 6 / 10;
      if (p.Style == 0) {
        Draw(w, pr, &p, 1);
        Draw(w, {pr.left, pr.top, pr.left + filled, pr.bottom}, &p, 2);
      } else {
        skin::DrawCompositeFrame(w, pr, p.Bitmap, false, false, p.Trans == 1, 1, 1, p.GetMargins());
        if (d.ProgressChunk && !d.ProgressChunk->Bitmap.Empty()) {
          const auto& c = *d.ProgressChunk;
          const int cy = pr.top + (pr.Height() - c.Bitmap.Height()) / 2;
          for (int cx = 0; cx + c.Bitmap.Width() <= filled; cx += c.Bitmap.Width())
            skin::DrawBitmap(w, {pr.left + c.LeftWidth + 2 + cx, cy}, c.Bitmap, false);
        }
      }
    }
    if (d.Track && d.TrackThumbHorz) {
      const auto& tr = *d.Track;
      const Rect ch{tx + 10, y + 70, pane.right - 10, y + 70 + tr.Bitmap.Height()};
      ThreeSlice(w, ch, tr.Bitmap, false, 1, 1, tr.LeftWidth, tr.RightWidth);
      const auto& th = *d.TrackThumbHorz;
      const int fw = th.Bitmap.Width() / th.SafeFrame();
      skin::DrawCompositeFrame(w, Rect::FromSize(ch.left + 50, ch.top - 8, fw, th.Bitmap.Height()), th.Bitmap,
                               false, false, true, 5, 2, {});
    }
  }
  // Status bar with a size grip.
  if (d.StatusBarEdges) {
    const Rect sb{client.left, client.bottom - 20, client.right, client.bottom};
    Draw(w, {sb.left, sb.top, sb.left + 200, sb.bottom}, d.StatusBarEdges.get(), 1);
    Draw(w, {sb.left + 200, sb.top, sb.right, sb.bottom}, d.StatusBarEdges.get(), 1);
    Text(w, sb.left + 5, sb.top + 7, "C:\\Program Files", d.StatusBarEdges->NormalColour2);
    if (d.ExtraImages && !d.ExtraImages->Bitmap.Empty()) {
      const auto& e = *d.ExtraImages;
      const int fw = e.Bitmap.Width() / e.SafeFrame();
      Stamp(w, {sb.right - 1 - fw, sb.bottom - 1 - e.Bitmap.Height()}, e.Bitmap, e.SafeFrame(), 5);
    }
  }
  skin::DrawBitmap(b, at, w, true);
}

void PopupMenu(Bitmap& b, const skin::SkinDefinition& d, Point at) {
  const char* items[] = {"Open", "Save", "-", "Copy path", "Disabled", "Exit"};
  int h = 6;
  for (const char* s : items) h += std::string(s) == "-" ? 8 : 20;
  const int W = 150;
  Bitmap m(W, h, SkinColour(d, skin::kScMenu));
  if (d.MenuBackground) Draw(m, {0, 0, W, h}, d.MenuBackground.get(), 1);
  int y = 3;
  for (const char* s : items) {
    const std::string item = s;
    const int ih = item == "-" ? 8 : 20;
    const Rect r{3, y, W - 3, y + ih};
    if (d.MenuItem) {
      const auto& mi = *d.MenuItem;
      if (item == "-")
        ThreeSlice(m, r, mi.Bitmap, false, 5, 2, mi.LeftWidth, mi.RightWidth, true);
      else
        Draw(m, r, &mi, item == "Save" ? 4 : 1);
    }
    if (item != "-") {
      Colour c = SkinColour(d, item == "Save" ? skin::kScHilightText : skin::kScMenuText);
      if (item == "Disabled") c = SkinColour(d, skin::kScButtonShadow);
      const int left = r.left + 1 + (d.MenuItem ? d.MenuItem->LeftWidth : 0) + 16 + 3;
      Text(m, left, r.top + 7, item, c);
      if (item == "Save") Text(m, r.right - 11 - TextWidth5x7("Ctrl+S"), r.top + 7, "Ctrl+S", c);
    }
    y += ih;
  }
  skin::DrawBitmap(b, at, m, false);
}

}  // namespace

skin::Bitmap RenderPreview(const skin::SkinDefinition& d) {
  Bitmap b(1000, 330, kDesktop);
  Window(b, d, {10, 14}, true);
  Window(b, d, {420, 14}, false);
  PopupMenu(b, d, {834, 60});
  Text(b, 10, 3, "ACTIVE", skin::Rgb(230, 234, 240));
  Text(b, 420, 3, "INACTIVE", skin::Rgb(230, 234, 240));
  Text(b, 834, 48, "POPUP MENU", skin::Rgb(230, 234, 240));
  return b;
}

}  // namespace skingen
