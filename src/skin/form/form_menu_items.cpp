// Menu items drawn by the form skin object: the measure and draw handlers given to the framework's
// popup and main menus, the answers to WM_MEASUREITEM / WM_DRAWITEM for the menu bar's drop-downs
// and foreign menus, and the item painters. Each item is composed in its own off-screen bitmap
// over the popup window's background (MenuItem frame 1, or 4 when selected; frame 2 for a
// framework separator) and copied to the menu in one transfer.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "framework/forms.h"
#include "framework/graphics.h"
#include "framework/imagelist.h"
#include "framework/menus.h"
#include "skin/data/nine_slice.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/data/system_info.h"
#include "skin/form/form_internal.h"
#include "skin/form/form_menu_items.h"
#include "skin/form/frame_painter.h"
#include "skin/form/menu_item_layout.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"
#include "skin/form/win_skin_pop_menu.h"

namespace skin {

namespace {

constexpr int kObmCheck = 32760;      // OBM_CHECK
constexpr UINT kMeasureFlags = 0x560;  // DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE | DT_NOCLIP
constexpr UINT kDrawFlags = 0x60;      // DT_EXPANDTABS | DT_SINGLELINE
constexpr UINT kRtlFlags = DT_RTLREADING | DT_RIGHT;
constexpr size_t kMenuTextBytes = 80;
constexpr UINT kLastFrameworkCommand = 4095;

using form_detail::ToRECT;
using form_detail::ToRect;

bool Family9x() { return (GetVersion() & 0x80000000u) != 0; }

bool IsNT4() {
  const DWORD v = GetVersion();
  return (v & 0x80000000u) == 0 && LOBYTE(LOWORD(v)) == 4;
}

// The system's menu font, plain and bold (the default item), made once.
HFONT MenuFont(bool bold) {
  static fw::UniqueFont fonts[2];
  fw::UniqueFont& font = fonts[bold ? 1 : 0];
  if (!font) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
      if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
      font.reset(CreateFontIndirectA(&metrics.lfMenuFont));
    }
  }
  return font ? font.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The menu's text of one item by command (at most 80 bytes, always terminated).
std::string RawMenuText(HMENU menu, UINT id) {
  char text[kMenuTextBytes + 1] = {};
  if (!menu || GetMenuStringA(menu, id, text, static_cast<int>(kMenuTextBytes), MF_BYCOMMAND) <= 0) return {};
  text[kMenuTextBytes] = 0;
  return text;
}

fw::TMenuItem* AsMenuItem(fw::TObject* sender) { return dynamic_cast<fw::TMenuItem*>(sender); }

// A sunken box of the button-face / button-highlight checker behind a checked item's image.
void DrawCheckerBox(HDC dc, const RECT& box) {
  static const WORD pattern[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  fw::UniqueBitmap bits(CreateBitmap(8, 8, 1, 1, pattern));
  fw::UniqueBrush brush(bits ? CreatePatternBrush(bits.get()) : nullptr);
  const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
  const COLORREF oldBack = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  if (brush) FillRect(dc, &box, brush.get());
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
  RECT edge = box;
  DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
}

// The system check mark: its black pixels in the button-text colour, its white ones left out.
void DrawCheckMark(HDC dc, const Rect& item, const Rect& box) {
  fw::UniqueBitmap mark(LoadBitmapA(nullptr, MAKEINTRESOURCEA(kObmCheck)));
  if (!mark) return;
  BITMAP info{};
  if (!GetObject(mark.get(), sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return;
  const Rect r = MenuCheckMarkRect(item, box, {info.bmWidth, info.bmHeight});
  fw::UniqueMemDc source(CreateCompatibleDC(dc));
  if (!source) return;
  fw::SelectGuard select(source.get(), mark.get());
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  // Black where the mark is, the target elsewhere; then the mark's colour is put into the black.
  BitBlt(dc, r.left, r.top, r.Width(), r.Height(), source.get(), 0, 0, SRCAND);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  SetBkColor(dc, RGB(0, 0, 0));
  fw::UniqueBitmap inverted(CreateBitmap(info.bmWidth, info.bmHeight, 1, 1, nullptr));
  fw::UniqueMemDc invertedDc(CreateCompatibleDC(dc));
  if (inverted && invertedDc) {
    fw::SelectGuard selectInverted(invertedDc.get(), inverted.get());
    BitBlt(invertedDc.get(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, NOTSRCCOPY);
    BitBlt(dc, r.left, r.top, r.Width(), r.Height(), invertedDc.get(), 0, 0, SRCPAINT);
  }
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

}  // namespace

// ---- Items as the painters see them

MenuItemView MenuItemView::FromItem(const fw::TMenuItem& item) {
  MenuItemView v;
  v.Caption = item.Caption();
  v.Enabled = item.Enabled();
  v.Checked = item.Checked();
  v.Default = item.Default();
  v.ImageIndex = item.ImageIndex();
  v.ShortCut = fw::ShortCutToText(item.ShortCut());
  if (fw::TMenu* menu = item.GetParentMenu()) v.Images = menu->Images();
  v.ParentMenu = item.ParentHandle();
  return v;
}

MenuItemView MenuItemView::FromRaw(HMENU menu, UINT id) {
  MenuItemView v;
  v.ParentMenu = menu;
  std::string text = RawMenuText(menu, id);
  v.Caption = text.empty() ? std::string(1, '-') : std::move(text);
  const UINT state = menu ? GetMenuState(menu, id, MF_BYCOMMAND) : 0;
  if (state != static_cast<UINT>(-1)) {
    v.Enabled = (state & (MF_GRAYED | MF_DISABLED)) == 0;
    v.Checked = (state & MF_CHECKED) != 0;
    v.Default = (state & MFS_DEFAULT) != 0;
  }
  // A tab separates the caption from its shortcut in raw menus.
  if (const size_t tab = v.Caption.find('\t'); tab != std::string::npos) {
    v.ShortCut = v.Caption.substr(tab + 1);
    v.Caption.resize(tab);
  }
  return v;
}

// ---- Skin values, guarded against a skin data object that has gone

bool TWinSkinForm::MenuSkinValid() const {
  if (!SkinDataRef) return false;
  TSkinManage* manager = SkinManager();
  if (!manager) return true;
  const auto& datas = manager->SkinDatas();
  return std::find(datas.begin(), datas.end(), SkinDataRef) != datas.end();
}

const TDataSkinObject* TWinSkinForm::MenuItemSkin() const {
  if (!MenuSkinValid() || SkinDataRef->SkinEmpty()) return nullptr;
  const auto& item = SkinDataRef->Skin().MenuItem;
  return item && !item->Bitmap.Empty() ? item.get() : nullptr;
}

COLORREF TWinSkinForm::MenuColour(int index) const {
  if (!MenuSkinValid()) {
    switch (index) {
      case kScMenu: return GetSysColor(COLOR_MENU);
      case kScMenuText: return GetSysColor(COLOR_MENUTEXT);
      case kScHilight: return GetSysColor(COLOR_HIGHLIGHT);
      case kScHilightText: return GetSysColor(COLOR_HIGHLIGHTTEXT);
      default: return GetSysColor(COLOR_BTNSHADOW);
    }
  }
  return SkinDataRef->SkinColor(static_cast<SkinColourIndex>(index));
}

// ---- Measuring

void TWinSkinForm::MeasureMenuItem(fw::TObject* sender, fw::TCanvas*, int& width, int&) {
  fw::TMenuItem* item = AsMenuItem(sender);
  const TDataSkinObject* skin = MenuItemSkin();
  const fw::TMenu* menu = item ? item->GetParentMenu() : nullptr;
  width = PopupItemWidth(width, skin ? skin->LeftWidth : 0, menu && menu->Images());
}

void TWinSkinForm::MeasureMainMenuItem(fw::TObject* sender, fw::TCanvas* canvas, int& width, int& height) {
  fw::TMenuItem* item = AsMenuItem(sender);
  if (!item) return;
  // The framework's own measure first (it never calls the item's handler, so nothing recurses).
  fw::WindowDc screen(nullptr);
  item->DefaultMeasure(canvas && canvas->Handle() ? canvas->Handle() : screen.get(), width, height);
  const TDataSkinObject* skin = MenuItemSkin();
  const fw::TMenu* menu = item->GetParentMenu();
  width = MainMenuItemWidth(width, skin ? skin->LeftWidth : 0, menu && menu->Images());
}

fw::TMenu* TWinSkinForm::BarFrameworkMenu() const {
  if (MenuBar && MenuBar->FrameworkMenu) return MenuBar->FrameworkMenu;
  if (auto* form = dynamic_cast<fw::TCustomForm*>(FormControl)) return form->Menu();
  return nullptr;
}

LRESULT TWinSkinForm::OnMeasureItem(WPARAM wp, LPARAM lp) {
  auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
  if (!mis || mis->CtlType != ODT_MENU || !NativeMenu) return PassOn(WM_MEASUREITEM, wp, lp);
  fw::WindowDc dc(WindowHandle);
  if (!dc) return PassOn(WM_MEASUREITEM, wp, lp);
  fw::SelectGuard font(dc.get(), MenuFont(false));
  if (FormControl) {
    if (fw::TMenu* menu = BarFrameworkMenu()) {
      if (fw::TMenuItem* item = menu->FindItem(mis->itemID, fw::TFindItemKind::fkCommand)) {
        fw::TCanvas canvas(dc.get());
        int width = static_cast<int>(mis->itemWidth), height = static_cast<int>(mis->itemHeight);
        MeasureMainMenuItem(item, &canvas, width, height);
        mis->itemWidth = static_cast<UINT>(std::max(width, 0));
        mis->itemHeight = static_cast<UINT>(std::max(height, 0));
        return TRUE;
      }
    }
    if (mis->itemID >= 1 && mis->itemID <= kLastFrameworkCommand) return PassOn(WM_MEASUREITEM, wp, lp);
  }
  HMENU source = TrackedMenu ? TrackedMenu : SystemMenu;
  std::string text = RawMenuText(source, mis->itemID);
  if (text.empty() && source != SystemMenu) text = RawMenuText(SystemMenu, mis->itemID);
  const std::string measured = MeasuredMenuText(text);
  RECT box{0, 0, 0, 0};
  DrawTextA(dc.get(), measured.c_str(), static_cast<int>(measured.size()), &box, kMeasureFlags);
  const TDataSkinObject* skin = MenuItemSkin();
  const RawItemSize size = RawMenuItemSize(box.right - box.left, text.empty(), static_cast<int32_t>(mis->itemHeight),
                                           skin ? skin->LeftWidth : 0, Family9x());
  mis->itemWidth = static_cast<UINT>(std::max(size.Width, 0));
  mis->itemHeight = static_cast<UINT>(std::max(size.Height, 0));
  return TRUE;
}

// ---- Drawing

LRESULT TWinSkinForm::OnDrawItem(WPARAM wp, LPARAM lp) {
  auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
  if (!dis || dis->CtlType != ODT_MENU || !NativeMenu || (FormKind == kFormMdiFrame && IsNT4()))
    return PassOn(WM_DRAWITEM, wp, lp);
  HMENU menu = reinterpret_cast<HMENU>(dis->hwndItem);
  if (TSkinManage* manager = SkinManager()) {
    manager->AssignPopupMenu(menu);
    manager->MarkPopupsFromBar();
  }
  const bool selected = (dis->itemState & ODS_SELECTED) != 0;
  fw::SaveDcGuard saved(dis->hDC);
  fw::TCanvas canvas(dis->hDC);
  if (FormControl) {
    if (fw::TMenu* bar = BarFrameworkMenu()) {
      if (fw::TMenuItem* item = bar->FindItem(dis->itemID, fw::TFindItemKind::fkCommand)) {
        if (MenuItemSkin()) DrawMenuItem(item, &canvas, dis->rcItem, selected);
        else DrawFlatMenuItem(MenuItemView::FromItem(*item), dis->hDC, dis->rcItem, selected);
        return TRUE;
      }
    }
    if (dis->itemID >= 1 && dis->itemID <= kLastFrameworkCommand) return PassOn(WM_DRAWITEM, wp, lp);
  }
  DrawRawMenuItem(menu, dis->itemID, &canvas, dis->rcItem, selected);
  return TRUE;
}

void TWinSkinForm::DrawMenuItem(fw::TObject* sender, fw::TCanvas* canvas, RECT r, bool selected) {
  fw::TMenuItem* item = AsMenuItem(sender);
  if (!item || !canvas || !canvas->Handle()) return;
  const MenuItemView view = MenuItemView::FromItem(*item);
  if (!MenuItemSkin()) {
    DrawFlatMenuItem(view, canvas->Handle(), r, selected);
    return;
  }
  if (TSkinManage* manager = SkinManager()) {
    manager->MarkPopupsFromBar();
    manager->AssignPopupMenu(view.ParentMenu);
  }
  PaintSkinnedItem(view, canvas->Handle(), r, selected, true);
}

void TWinSkinForm::DrawRawMenuItem(HMENU menu, UINT id, fw::TCanvas* canvas, RECT r, bool selected) {
  if (!canvas || !canvas->Handle()) return;
  const MenuItemView view = MenuItemView::FromRaw(menu, id);
  if (!MenuItemSkin()) {
    DrawFlatMenuItem(view, canvas->Handle(), r, selected);
    return;
  }
  PaintSkinnedItem(view, canvas->Handle(), r, selected, false);
}

void TWinSkinForm::DrawFlatMenuItem(const MenuItemView& item, HDC dc, RECT r, bool selected) {
  if (!dc) return;
  fw::UniqueBrush brush(CreateSolidBrush(MenuColour(selected ? kScHilight : kScMenu)));
  FillRect(dc, &r, brush.get());
  DrawItemContent(item, dc, r, selected);
}

// The item in its own bitmap: the popup's background under it, the skin's item frame (or the
// separator) over that, then the content; one transfer to the menu.
void TWinSkinForm::PaintSkinnedItem(const MenuItemView& item, HDC dc, RECT r, bool selected, bool separators) {
  const TDataSkinObject* skin = MenuItemSkin();
  const Rect target = ToRect(r);
  if (!skin || target.Empty()) return;
  DibSection picture(Size{target.Width(), target.Height()});
  fw::UniqueMemDc mem(CreateCompatibleDC(dc));
  if (!picture || !mem) return;
  fw::SelectGuard selectPicture(mem.get(), picture.get());
  fw::SelectGuard selectFont(mem.get(), MenuFont(false));
  const RECT local{0, 0, target.Width(), target.Height()};

  bool background = false;
  if (TWinSkinPopMenu* popup = TWinSkinPopMenu::Showing(item.ParentMenu)) {
    if (HBITMAP bg = popup->Bitmap()) {
      fw::UniqueMemDc source(CreateCompatibleDC(dc));
      if (source) {
        fw::SelectGuard selectBg(source.get(), bg);
        const common::Point offset = popup->ClientOffset();
        BitBlt(mem.get(), 0, 0, local.right, local.bottom, source.get(), target.left + offset.x,
               target.top + offset.y, SRCCOPY);
        background = true;
      }
    }
  }
  if (!background) {
    fw::UniqueBrush brush(CreateSolidBrush(MenuColour(kScMenu)));
    FillRect(mem.get(), &local, brush.get());
  }

  if (separators && item.IsLine()) {
    Bitmap line(target.Width(), target.Height(), kMagenta);
    for (const SlicePiece& piece :
         MenuSeparatorSlices({target.Width(), target.Height()}, skin->Bitmap.Dimensions(), skin->SafeFrame(),
                             skin->LeftWidth, skin->RightWidth))
      StretchCopy(line, piece.dst, skin->Bitmap, piece.src);
    DrawBitmapTo(mem.get(), Rect{0, 0, target.Width(), target.Height()}, line, true);
  } else {
    DrawCompositeSkinBitmap(mem.get(), Rect{0, 0, target.Width(), target.Height()}, skin->Bitmap, false,
                            skin->Tile != 0, skin->Trans != 0, skin->SafeFrame(), selected ? 4 : 1,
                            skin->GetMargins());
    DrawItemContent(item, mem.get(), local, selected);
  }
  BitBlt(dc, target.left, target.top, target.Width(), target.Height(), mem.get(), 0, 0, SRCCOPY);
}

// Caption or shortcut text in the item's colours; a "-" is an etched line. Returns the box the
// text took.
Rect TWinSkinForm::DrawMenuText(const MenuItemView& item, HDC dc, const Rect& itemRect, const Rect& box,
                                const std::string& text, bool selected, bool shortcut) {
  const bool rtl = RightToLeft;
  fw::SelectGuard font(dc, MenuFont(item.Default));
  SetBkMode(dc, TRANSPARENT);
  if (!shortcut) {
    const std::string measured = MeasuredMenuText(text);
    RECT calc = ToRECT(box);
    DrawTextA(dc, measured.c_str(), static_cast<int>(measured.size()), &calc, kMeasureFlags | (rtl ? kRtlFlags : 0));
    const Rect placed = CentreTextInItem(itemRect, box, {calc.right - calc.left, calc.bottom - calc.top}, rtl);
    if (text == "-") {
      RECT line = ToRECT(MenuEtchedLine(box, placed.top));
      DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
      return placed;
    }
    RECT drawn = ToRECT(placed);
    SetTextColor(dc, TextColour(item, selected));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &drawn, kDrawFlags | (rtl ? kRtlFlags : 0));
    return placed;
  }
  RECT drawn = ToRECT(box);
  SetTextColor(dc, TextColour(item, selected));
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &drawn,
            kDrawFlags | (rtl ? (DT_LEFT | DT_RTLREADING) : DT_RIGHT));
  return box;
}

COLORREF TWinSkinForm::TextColour(const MenuItemView& item, bool selected) const {
  if (item.Enabled) return MenuColour(selected ? kScHilightText : kScMenuText);
  const COLORREF shadow = MenuColour(kScButtonShadow);
  return shadow == MenuColour(kScMenuText) ? GetSysColor(COLOR_BTNSHADOW) : shadow;
}

void TWinSkinForm::DrawItemContent(const MenuItemView& item, HDC dc, RECT r, bool selected) {
  if (!dc) return;
  const Rect itemRect = ToRect(r);
  const TDataSkinObject* skin = MenuItemSkin();
  const bool rtl = RightToLeft;
  fw::TImageList* images = item.Images;
  const int32_t glyph = MenuGlyphSize(images != nullptr, images ? images->Width() : 0, item.Checked);
  const Rect box = MenuGlyphBox(itemRect, skin ? skin->LeftWidth : 0, glyph, item.IsLine(), rtl);

  if (!item.IsLine()) {
    if (images && item.ImageIndex >= 0 && item.ImageIndex < images->Count()) {
      if (item.Checked) DrawCheckerBox(dc, ToRECT(box));
      images->Draw(dc, box.left, box.top, item.ImageIndex, item.Enabled);
    } else if (item.Checked) {
      DrawCheckMark(dc, itemRect, box);
    }
  }
  const Rect captionBox = MenuCaptionBox(itemRect, box, rtl);
  const Rect caption = DrawMenuText(item, dc, itemRect, captionBox, item.Caption, selected, false);
  if (!item.ShortCut.empty() && !item.IsLine()) {
    Rect room = MenuShortcutBox(itemRect, caption, rtl);
    room.top = caption.top;
    room.bottom = caption.bottom;
    if (!room.Empty()) DrawMenuText(item, dc, itemRect, room, item.ShortCut, selected, true);
  }
}

// ---- Item ownership

void TWinSkinForm::SetItemHandlers(fw::TMenuItem* item, bool mainMenu, bool on) {
  if (!item) return;
  if (!on) {
    item->OnDrawItem = nullptr;
    item->OnMeasureItem = nullptr;
    return;
  }
  // Should this object go first, the items fall back to the framework's own drawing.
  item->OnDrawItem = [this, alive = alive_](fw::TObject* sender, fw::TCanvas* canvas, RECT r, bool selected) {
    if (*alive) {
      DrawMenuItem(sender, canvas, r, selected);
    } else if (auto* self = AsMenuItem(sender); self && canvas) {
      self->DefaultDraw(canvas->Handle(), r, selected);
    }
  };
  if (mainMenu) {
    item->OnMeasureItem = [this, alive = alive_](fw::TObject* sender, fw::TCanvas* canvas, int& w, int& h) {
      if (*alive) MeasureMainMenuItem(sender, canvas, w, h);
    };
  } else if (!item->OnMeasureItem) {
    item->OnMeasureItem = [this, alive = alive_](fw::TObject* sender, fw::TCanvas* canvas, int& w, int& h) {
      if (*alive) MeasureMenuItem(sender, canvas, w, h);
    };
  }
}

namespace {

void ForEachItem(fw::TMenuItem* root, bool includeRoot, const std::function<void(fw::TMenuItem*)>& visit) {
  if (!root) return;
  if (includeRoot) visit(root);
  for (int i = 0; i < root->Count(); ++i) ForEachItem(root->Items(i), true, visit);
}

// The components of a form, and of the forms and frames it owns, depth first.
void ForEachOwned(fw::TComponent* owner, const std::function<void(fw::TComponent*)>& visit, int depth = 0) {
  if (!owner || depth > 16) return;
  for (int i = 0; i < owner->ComponentCount(); ++i) {
    fw::TComponent* c = owner->Components(i);
    visit(c);
    if (dynamic_cast<fw::TWinControl*>(c) && c->ComponentCount() > 0) ForEachOwned(c, visit, depth + 1);
  }
}

bool ComponentGoing(const fw::TComponent* c) { return (c->ComponentState() & fw::csDestroying) != 0; }

}  // namespace

void TWinSkinForm::SetPopupOwnerDraw(fw::TComponent* component, bool on) {
  if (!component || !SkinDataRef || WindowClassName == "TwwRichEditForm") return;
  if (on && !InSet(SkinDataRef->SkinControls, xcPopupMenu)) return;
  const int32_t disableTag = SkinDataRef->DisableTag;
  ForEachOwned(component, [&](fw::TComponent* c) {
    auto* popup = dynamic_cast<fw::TPopupMenu*>(c);
    if (!popup || popup->Tag() == disableTag || ComponentGoing(popup)) return;
    ApplyPopupHandlers(*popup, on);
  });
}

void TWinSkinForm::ApplyPopupHandlers(fw::TPopupMenu& popup, bool on) {
  ForEachItem(popup.Items(), false, [&](fw::TMenuItem* item) { SetItemHandlers(item, false, on); });
  popup.SetOwnerDraw(on);
}

void TWinSkinForm::SetMainMenuOwnerDraw(fw::TComponent* component, bool on) {
  if (!component) return;
  for (int i = 0; i < component->ComponentCount(); ++i) {
    auto* menu = dynamic_cast<fw::TMainMenu*>(component->Components(i));
    if (!menu || ComponentGoing(menu)) continue;
    fw::TMenuItem* bar = menu->Items();
    for (int j = 0; bar && j < bar->Count(); ++j) {
      ForEachItem(bar->Items(j), false, [&](fw::TMenuItem* item) {
        if (!on || !item->OnDrawItem) SetItemHandlers(item, true, on);
      });
    }
    menu->SetOwnerDraw(on);
  }
}

}  // namespace skin
