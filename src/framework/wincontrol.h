#pragma once
// TWinControl: a control with a real window. Standard window classes (EDIT, LISTBOX, BUTTON,
// ToolbarWindow32, ...) are superclassed under the framework class's name; own classes are
// registered the same way. Every framework window carries a window property (see ControlAtomName)
// that leads back to its control, and one window procedure feeds WindowProc.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/control.h"
#include "framework/handles.h"

namespace fw {

struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  std::string WinClassName;  // registered name (the framework class name)
  std::string BaseClass;     // standard class to superclass, or empty for an own class
  UINT ClassStyle = CS_DBLCLKS;
  HICON Icon = nullptr;
};

class TWinControl : public TControl {
  FW_CLASS()
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, created on first use (with the parent's first).
  HWND Handle();
  HWND HandleIfAllocated() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  void DestroyHandle();
  void RecreateWnd();

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  // The topmost visible child at a client point (windowless children included).
  TControl* ControlAtPos(POINT p, bool allow_disabled = false, bool windowed_too = true) const;
  // Windowed children in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool value);

  bool Focused() const;
  virtual bool CanFocus() const;
  virtual void SetFocus();

  void SetBounds(int left, int top, int width, int height) override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientSize(int width, int height) override;
  void Invalidate() override;
  void Update() override;
  void BringToFront() override;
  std::string Text() const override;
  void SetText(const std::string& text) override;
  HWND HintWindowHost() const override;

  // Places the aligned children (alTop: full client width, stacked from the top).
  void AlignControls();
  // Paints the windowless children into a DC whose origin is this control's client origin.
  void PaintControls(HDC dc);

  // Brush for WM_CTLCOLOR* answers in this control's colour.
  HBRUSH ColorBrush();

 protected:
  virtual void CreateParams(TCreateParams& params);
  // After the window exists: fill it (items, buttons, fonts). Children are created after this.
  virtual void CreateWnd() {}
  // Before the window goes: save what only the window knows (typed text, items).
  virtual void DestroyWnd() {}
  // Own-class windows paint here (background already erased in Color).
  virtual void PaintWindow(HDC dc) { (void)dc; }
  // Whether mouse messages over windowless children go to them (own containers only).
  virtual bool HostsGraphicControls() const { return false; }

  void WndProc(TMessage& msg) override;
  void DefaultHandler(TMessage& msg) override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void FontChanged() override;
  void ColorChanged() override;
  void TextChanged() override;

  // Screen-independent window rectangle for a top-level window; the parent's client area else.
  virtual void UpdateBoundsFromWindow();

 private:
  friend class TControl;
  friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);
  void InsertControl(TControl* c);
  void RemoveControl(TControl* c);
  void CreateHandle();
  bool ReflectToChild(TMessage& msg, HWND child);
  bool RouteMouseToGraphic(TMessage& msg);
  void WmPaint(TMessage& msg);

  HWND handle_ = nullptr;
  WNDPROC default_proc_ = nullptr;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tab_list_;
  bool tab_stop_ = false;
  UniqueBrush brush_;
  TColor brush_color_ = 0;
  TControl* mouse_control_ = nullptr;  // windowless child that has the mouse
  TControl* captured_graphic_ = nullptr;
};

// The name of the window property that leads from a window to its framework control:
// "ControlOfs" + module instance + thread id as 8 hexadecimal digits each.
const std::string& ControlAtomName();
ATOM ControlAtom();
// The framework control behind a window, or null.
TWinControl* FindControl(HWND hwnd);

}  // namespace fw
