#pragma once
// TControl: the visual component (bounds in the parent's client coordinates, visibility, colour,
// font, hint, context menu, clicks, automatic drag and drop) and TGraphicControl, a control without
// a window of its own that its parent paints and feeds with mouse messages.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/component.h"
#include "framework/graphics.h"
#include "framework/messages.h"
#include "framework/types.h"

namespace fw {

class TWinControl;
class TPopupMenu;

class TDragObject {
 public:
  virtual ~TDragObject() = default;
};

using TStartDragEvent = std::function<void(TObject* Sender, TDragObject*& DragObject)>;
using TDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;

class TControl : public TComponent {
  FW_CLASS()
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  virtual int ClientWidth() const { return width_; }
  virtual int ClientHeight() const { return height_; }
  void SetClientWidth(int v) { SetClientSize(v, ClientHeight()); }
  void SetClientHeight(int v) { SetClientSize(ClientWidth(), v); }
  virtual void SetClientSize(int width, int height);
  RECT ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
  POINT ClientToScreen(POINT p) const;
  POINT ScreenToClient(POINT p) const;

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and so are all parents up to a window that is shown.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  // Takes the parent's colour while set (cleared by SetColor).
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool value);
  // The colour painted: the parent's while ParentColor is set.
  TColor EffectiveColor() const;
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* font) {
    if (font) font_->Assign(*font);
  }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool value);

  virtual std::string Text() const { return text_; }
  virtual void SetText(const std::string& text);
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& text) { SetText(text); }

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool value);

  TPopupMenu* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(TPopupMenu* menu);

  TDragMode DragMode() const { return drag_mode_; }
  void SetDragMode(TDragMode mode) { drag_mode_ = mode; }
  // Starts a drag now, or once the mouse has moved `threshold` pixels (-1: the system's).
  void BeginDrag(bool immediate, int threshold = -1);
  bool Dragging() const;
  void EndDrag(bool drop);

  virtual void Invalidate();
  virtual void Update() {}
  void Repaint() {
    Invalidate();
    Update();
  }
  virtual void BringToFront();

  // Sends a message straight to this control's WindowProc.
  LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);
  // The message handler: WndProc by default; the skin engine may put its own in front.
  TWndMethod WindowProc;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnResize;
  TStartDragEvent OnStartDrag;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;

  // The framework's drag machinery calls these.
  virtual void DoStartDrag(TDragObject*& drag_object);
  virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
  virtual void DragDrop(TObject* source, int x, int y);
  virtual void DoEndDrag(TObject* target, int x, int y);

  virtual void Click();
  virtual void DblClick();

  // Screen rectangle of the control's hint tool (windowless controls), client coordinates of the
  // windowed parent otherwise.
  virtual HWND HintWindowHost() const;
  RECT HintRect() const;

 protected:
  virtual void WndProc(TMessage& msg);
  // What happens to a message nobody handled: nothing for a windowless control.
  virtual void DefaultHandler(TMessage& msg) { (void)msg; }
  void Notification(TComponent* component, TOperation operation) override;

  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  // Shows the context menu at a screen point; true when a menu was shown.
  bool ShowContextMenu(POINT screen);

  virtual void BoundsChanged() {}
  // The window's size changed (windowed controls): fires OnResize.
  virtual void Resize() {
    if (OnResize) OnResize(this);
  }
  virtual void VisibleChanged();
  virtual void EnabledChanged() {}
  virtual void ColorChanged() { Invalidate(); }
  virtual void FontChanged() { Invalidate(); }
  virtual void TextChanged() { Invalidate(); }
  void UpdateHintTool();

  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::string text_;
  bool clicked_ = false;  // a left press landed on this control
  bool click_events_ = true;  // double clicks arrive as mouse messages (not as notifications)

 private:
  void ParentFontChanged();
  friend class TWinControl;

  TWinControl* parent_ = nullptr;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clBtnFace;
  bool parent_color_ = false;
  TAlign align_ = TAlign::alNone;
  std::unique_ptr<TFont> font_;
  bool parent_font_ = true;
  bool font_from_parent_ = false;
  std::string hint_;
  bool show_hint_ = false;
  TPopupMenu* popup_menu_ = nullptr;
  TDragMode drag_mode_ = TDragMode::dmManual;
};

// A control without a window: the parent paints it (Paint) and passes its mouse messages on.
class TGraphicControl : public TControl {
  FW_CLASS()
 public:
  explicit TGraphicControl(TComponent* owner);
  TCanvas* Canvas() const { return canvas_.get(); }
  // Called by the parent with the DC moved so that (0,0) is this control's top-left corner.
  void PaintTo(HDC dc);

 protected:
  virtual void Paint() {}
  void WndProc(TMessage& msg) override;

 private:
  std::unique_ptr<TCanvas> canvas_;
};

// The short part of a hint: the text before the first '|'.
std::string GetShortHint(const std::string& hint);

}  // namespace fw
