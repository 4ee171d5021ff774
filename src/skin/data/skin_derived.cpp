#include "skin/data/skin_derived.h"

#include <algorithm>

#include "skin/data/img_util.h"
#include "skin/data/system_info.h"

namespace skin {
namespace {

constexpr Colour kSilver = 0xC0C0C0;
constexpr Colour kGrey = 0x808080;

// Sets the frame count of a slot that holds an object.
template <class T>
void SetFrame(const std::unique_ptr<T>& slot, int32_t frame) {
  if (slot) slot->Frame = frame;
}

int32_t GlyphFrames(const skin::Bitmap& b) {
  const int32_t s = b.Height() < 16 ? 13 : 16;
  return std::max(b.Width() / s, 4);
}

std::unique_ptr<TDataSkinObject> MakeTrack(const char* name, bool vertical) {
  auto o = std::make_unique<TDataSkinObject>(name);
  o->Bitmap = BuiltInTrackBitmap(vertical);
  o->SetMargins({3, 3, 3, 3});
  o->Tile = 0;
  o->Frame = 1;
  return o;
}

}  // namespace

skin::Bitmap BuiltInTrackBitmap(bool vertical) {
  static constexpr const char* kTrack[] = {"SSGGGGGGGGGGGGWW", "SSWWWWWWWWWWWWWW", "GSWWWWWWWWWWWWWW",
                                           "SSWWWWWWWWWWWWWW"};
  static constexpr const char* kTrackVert[] = {"SSGS", "SSSS", "GWWW", "GWWW", "GWWW", "GWWW",
                                               "GWWW", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW",
                                               "GWWW", "GWWW", "WWWW", "WWWW"};
  const char* const* rows = vertical ? kTrackVert : kTrack;
  skin::Bitmap b(vertical ? 4 : 16, vertical ? 16 : 4);
  for (int32_t y = 0; y < b.Height(); ++y) {
    for (int32_t x = 0; x < b.Width(); ++x) {
      const char c = rows[y][x];
      b.SetPixel(x, y, c == 'S' ? kSilver : c == 'G' ? kGrey : kWhite);
    }
  }
  return b;
}

void AddBuiltInTracks(SkinDefinition& skin) {
  if (!skin.Track) skin.Track = MakeTrack("TRACK", false);
  if (!skin.TrackVertical) skin.TrackVertical = MakeTrack("TRACKVERT", true);
}

void ApplyFixedFrameCounts(SkinDefinition& skin, const TQuickIni& ini) {
  skin.Buttons.Frame = 5;
  skin.Title.Frame = 2;
  if (skin.Progress) skin.Progress->Frame = skin.Progress->Style != 0 ? 1 : 2;
  SetFrame(skin.MenuBarSkin, 2);
  SetFrame(skin.GroupBoxEdge, 2);
  SetFrame(skin.ToolbarBack, 1);
  SetFrame(skin.TabPane, 1);
  SetFrame(skin.GroupBox, 1);
  SetFrame(skin.MenuBackground, 1);
  for (auto* slot : {&skin.ToolBars, &skin.ExtraImages, &skin.MenuItem, &skin.TrackThumbHorz,
                     &skin.TrackThumbVert, &skin.TrackThumbLeft, &skin.TrackThumbRight, &skin.TrackThumbUp,
                     &skin.TrackThumbDown}) {
    SetFrame(*slot, 5);
  }
  SetFrame(skin.Tabs, 5);
  SetFrame(skin.StatusBarEdges, 3);
  SetFrame(skin.ComboButton, 4);
  SetFrame(skin.SunkEdge, 4);
  SetFrame(skin.HorzScroll, 4);
  SetFrame(skin.VertScroll, 4);
  if (skin.Headerbar && skin.Headerbar->Frame == 0) skin.Headerbar->Frame = 5;
  SetFrame(skin.Scrollbar, 23);
  SetFrame(skin.UpDownHorz, 8);
  SetFrame(skin.UpDownVert, 8);
  SetFrame(skin.HorzScrollThumb, ini.ReadInteger("HorzScrollThumb", "FrameCount", 3));
  SetFrame(skin.VertScrollThumb, ini.ReadInteger("VertScrollThumb", "FrameCount", 3));
  if (skin.Buttons.RadioButtonFrame == 0) skin.Buttons.RadioButtonFrame = GlyphFrames(skin.Buttons.RadioBitmap);
  if (skin.Buttons.CheckButtonFrame == 0) skin.Buttons.CheckButtonFrame = GlyphFrames(skin.Buttons.CheckBitmap);
}

void BuildComboComposite(SkinDefinition& skin, int32_t arrowWidth) {
  if (!skin.SunkEdge || !skin.ComboButton) return;
  TDataSkinObject& sunk = *skin.SunkEdge;
  TDataSkinBorder& button = *skin.ComboButton;
  const int32_t w = arrowWidth + 2;
  const int32_t frames = std::clamp(sunk.Frame, 1, kMaxBitmapSide / 50);
  skin::Bitmap strip(50 * frames, 21, kMagenta);
  const Rect part{50 - w, 0, 50, 21};
  for (int32_t k = 1; k <= frames; ++k) {
    skin::Bitmap scratch(50, 21, kMagenta);
    DrawCompositeFrame(scratch, {0, 0, 50, 21}, sunk.Bitmap, false, false, sunk.Trans == 1, sunk.Frame, k,
                       sunk.GetMargins());
    DrawCompositeFrame(scratch, part, button.Bitmap, false, button.Tile == 1, true, button.Frame, k,
                       button.GetMargins());
    if (skin.ExtraImages) DrawCenteredFrame(scratch, part, skin.ExtraImages->Bitmap, true, skin.ExtraImages->Frame, k);
    scratch.FillRect({2, 2, 49 - w, 18}, kMagenta);
    DrawBitmap(strip, {50 * (k - 1), 0}, scratch, false);
  }
  button.Style = 2;
  button.SetMargins({2, sunk.TopHeight, w + 2, sunk.BottomHeight});
  button.Bitmap = strip;
  MirrorBitmap(strip);
  sunk.Bitmap = std::move(strip);
  sunk.LeftWidth = w + 2;
  sunk.RightWidth = 2;
}

void BuildComboArrow(SkinDefinition& skin) {
  if (!skin.ComboButton) return;  // the arrow keeps its previous image
  const TDataSkinBorder& button = *skin.ComboButton;
  if (!skin.SunkEdge) {
    if (!skin.ComboArrow) skin.ComboArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
    skin.ComboArrow->Bitmap = button.Bitmap;
    ReplaceMagenta(skin.ComboArrow->Bitmap, skin.SkinColors[kScButtonFace]);
    skin.ComboArrow->Frame = button.Frame;
  } else if (button.Style == 2) {
    const int32_t frames = skin.SunkEdge->SafeFrame();
    const int32_t f = button.Bitmap.Width() / frames;
    if (!skin.ComboArrow) skin.ComboArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
    skin::Bitmap arrow(17 * std::min(frames, kMaxBitmapSide / 17), 17);
    for (int32_t i = 0; i * 17 < arrow.Width(); ++i) {
      const skin::Bitmap cell = CopyRect(button.Bitmap, {f * (i + 1) - 19, 2, f * (i + 1) - 2, 19});
      DrawBitmap(arrow, {17 * i, 0}, cell, false);
    }
    skin.ComboArrow->Bitmap = std::move(arrow);
    skin.ComboArrow->Frame = skin.SunkEdge->Frame;
  }
}

Colour ComputeBorderColor(const SkinDefinition& skin) {
  const skin::Bitmap& b = skin.TopBorder.Bitmap;
  if (b.Empty()) return ResolveColour(skin.SkinColors[kScButtonFace]);
  return b.Pixel(b.Width() / 3, (b.Height() / skin.TopBorder.SafeFrame()) / 3);
}

void BuildToolbarBack(SkinDefinition& skin) {
  const Colour border = skin.BorderColor;
  const Colour top = MixColors(skin.SkinColors[kScButtonFace], kWhite, 150);
  Colour bottom = MixColors(kGrey, border, 150);
  const int32_t s = Saturation(border);
  if (s > 110) bottom = MixColors(border, kWhite, (5625 - 25 * s) / 140 + 50);
  if (!skin.ToolbarBack) skin.ToolbarBack = std::make_unique<TDataSkinObject>("Toolbar");
  skin::Bitmap back(10, 40);
  GradientFill(back, {0, 0, 10, 40}, top, true, bottom);
  skin.ToolbarBack->Bitmap = std::move(back);
  skin.ToolbarBack->Frame = 1;
}

}  // namespace skin
