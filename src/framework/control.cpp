#include "framework/control.h"

#include <windowsx.h>

#include "framework/drag.h"
#include "framework/hints.h"
#include "framework/menus.h"
#include "framework/wincontrol.h"

namespace fw {

const TClassInfo& TControl::StaticClassInfo() {
  static const TClassInfo info =
      ClassInfoBuilder<TControl>("TControl", &TComponent::StaticClassInfo())
          .Int("Left", &TControl::Left, &TControl::SetLeft)
          .Int("Top", &TControl::Top, &TControl::SetTop)
          .Int("Width", &TControl::Width, &TControl::SetWidth)
          .Int("Height", &TControl::Height, &TControl::SetHeight)
          .Bool("Visible", &TControl::Visible, &TControl::SetVisible)
          .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled)
          .Int("Color", &TControl::Color, &TControl::SetColor)
          .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
          .Enum("Align", &TControl::Align, &TControl::SetAlign, {"alNone", "alTop"})
          .Object("Font", &TControl::Font, &TControl::SetFont)
          .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
          .Str("Hint", &TControl::Hint, &TControl::SetHint)
          .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
          .Object("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
          .Enum("DragMode", &TControl::DragMode, &TControl::SetDragMode, {"dmManual", "dmAutomatic"})
          .Build();
  return info;
}

std::string GetShortHint(const std::string& hint) { return hint.substr(0, hint.find('|')); }

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_->OnChange = [this] {
    if (!font_from_parent_) parent_font_ = false;
    Perform(CM_FONTCHANGED);
    FontChanged();
  };
}

TControl::~TControl() {
  SetDestroying();
  DestroyComponents();
  DragManager::Forget(this);
  HintManager::Remove(this);
  if (parent_) parent_->RemoveControl(this);
  parent_ = nullptr;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  parent_ = nullptr;
  if (parent) {
    parent->InsertControl(this);
    if (parent_font_) ParentFontChanged();
  }
  UpdateHintTool();
}

void TControl::ParentFontChanged() {
  if (!parent_ || !parent_font_) return;
  font_from_parent_ = true;
  font_->Assign(*parent_->Font());
  font_from_parent_ = false;
}

void TControl::SetParentFont(bool value) {
  parent_font_ = value;
  if (value) ParentFontChanged();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  bool resized = width != width_ || height != height_;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
  UpdateHintTool();
  BoundsChanged();
  if (resized) Resize();
}

void TControl::SetClientSize(int width, int height) { SetBounds(left_, top_, width, height); }

POINT TControl::ClientToScreen(POINT p) const {
  if (auto* self = dynamic_cast<const TWinControl*>(this); self && self->HandleAllocated()) {
    ::ClientToScreen(self->HandleIfAllocated(), &p);
    return p;
  }
  if (!parent_) return p;
  return parent_->ClientToScreen({p.x + left_, p.y + top_});
}

POINT TControl::ScreenToClient(POINT p) const {
  if (auto* self = dynamic_cast<const TWinControl*>(this); self && self->HandleAllocated()) {
    ::ScreenToClient(self->HandleIfAllocated(), &p);
    return p;
  }
  if (!parent_) return p;
  POINT q = parent_->ScreenToClient(p);
  return {q.x - left_, q.y - top_};
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  VisibleChanged();
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  if (visible) Invalidate();
  UpdateHintTool();
}

void TControl::VisibleChanged() {}

bool TControl::Showing() const {
  if (!visible_) return false;
  if (auto* self = dynamic_cast<const TWinControl*>(this); self && self->HandleAllocated())
    return IsWindowVisible(self->HandleIfAllocated()) != FALSE;
  return parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
  Perform(CM_ENABLEDCHANGED);
  Invalidate();
}

void TControl::SetParentColor(bool value) {
  if (value == parent_color_) return;
  parent_color_ = value;
  ColorChanged();
}

TColor TControl::EffectiveColor() const {
  return parent_color_ && parent_ ? parent_->EffectiveColor() : color_;
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->AlignControls();
}

void TControl::SetColor(TColor color) {
  parent_color_ = false;
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
  ColorChanged();
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Perform(CM_TEXTCHANGED);
  TextChanged();
}

void TControl::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  UpdateHintTool();
}

void TControl::SetShowHint(bool value) {
  if (value == show_hint_) return;
  show_hint_ = value;
  Perform(CM_SHOWHINTCHANGED);
  UpdateHintTool();
}

void TControl::UpdateHintTool() { HintManager::Update(this); }

HWND TControl::HintWindowHost() const { return parent_ ? parent_->HandleIfAllocated() : nullptr; }

RECT TControl::HintRect() const { return BoundsRect(); }

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (popup_menu_) popup_menu_->RemoveFreeNotification(this);
  popup_menu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popup_menu_) popup_menu_ = nullptr;
}

void TControl::BeginDrag(bool immediate, int threshold) { DragManager::Begin(this, immediate, threshold); }
bool TControl::Dragging() const { return DragManager::Source() == this; }
void TControl::EndDrag(bool drop) {
  if (Dragging()) DragManager::Finish(drop);
}

void TControl::DoStartDrag(TDragObject*& drag_object) {
  if (OnStartDrag) OnStartDrag(this, drag_object);
}
void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
  accept = false;
  if (OnDragOver) {
    accept = true;
    OnDragOver(this, source, x, y, state, accept);
  }
}
void TControl::DragDrop(TObject* source, int x, int y) {
  if (OnDragDrop) OnDragDrop(this, source, x, y);
}
void TControl::DoEndDrag(TObject* target, int x, int y) {
  if (OnEndDrag) OnEndDrag(this, target, x, y);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}
void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated()) return;
  RECT r = BoundsRect();
  InvalidateRect(parent_->HandleIfAllocated(), &r, TRUE);
}

void TControl::BringToFront() {}

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage m{msg, wparam, lparam, 0};
  TWndMethod proc = WindowProc;  // a handler may swap WindowProc while it runs
  if (proc) proc(m);
  return m.Result;
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}
void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

bool TControl::ShowContextMenu(POINT screen) {
  if (!popup_menu_ || !popup_menu_->AutoPopup()) return false;
  if (screen.x == -1 && screen.y == -1) screen = ClientToScreen({width_ / 2, height_ / 2});
  popup_menu_->SetPopupComponent(this);
  popup_menu_->Popup(screen.x, screen.y);
  return true;
}

void TControl::WndProc(TMessage& msg) {
  int x = GET_X_LPARAM(msg.LParam), y = GET_Y_LPARAM(msg.LParam);
  TShiftState shift = KeysToShiftState(msg.WParam);
  switch (msg.Msg) {
    case WM_LBUTTONDOWN:
      if (drag_mode_ == TDragMode::dmAutomatic) BeginDrag(false);
      clicked_ = true;
      MouseDown(TMouseButton::mbLeft, shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
      if (click_events_) DblClick();
      MouseDown(TMouseButton::mbLeft, shift | ssDouble, x, y);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_MBUTTONDOWN:
      MouseDown(TMouseButton::mbMiddle, shift, x, y);
      break;
    case WM_LBUTTONUP:
      MouseUp(TMouseButton::mbLeft, shift, x, y);
      break;
    case WM_RBUTTONUP:
      MouseUp(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_MBUTTONUP:
      MouseUp(TMouseButton::mbMiddle, shift, x, y);
      break;
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      break;
    case CM_PARENTFONTCHANGED:
      ParentFontChanged();
      return;
  }
  DefaultHandler(msg);
}

// ---- TGraphicControl

FW_DEFINE_CLASS(TGraphicControl, TControl)

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TCanvas>()) {}

void TGraphicControl::PaintTo(HDC dc) {
  canvas_->SetHandle(dc);
  canvas_->Font()->Assign(*Font());
  try {
    Paint();
  } catch (...) {
    canvas_->SetHandle(nullptr);
    throw;
  }
  canvas_->SetHandle(nullptr);
}

void TGraphicControl::WndProc(TMessage& msg) {
  switch (msg.Msg) {
    case WM_LBUTTONUP: {
      // A click is a release over the control after a press on it.
      bool was_clicked = clicked_;
      clicked_ = false;
      TControl::WndProc(msg);
      POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
      if (was_clicked && p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_) Click();
      return;
    }
    case WM_CONTEXTMENU:
      if (ShowContextMenu({GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)})) msg.Result = 1;
      return;
  }
  TControl::WndProc(msg);
}

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

}  // namespace fw
