#include "framework/wincontrol.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/forms.h"
#include "framework/hints.h"
#include "framework/window_class.h"

namespace fw {

const TClassInfo& TWinControl::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TWinControl>("TWinControl", &TControl::StaticClassInfo())
                                     .Int("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
                                     .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
                                     .Build();
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  SetDestroying();
  DestroyComponents();
  // Children that other components own outlive this window: they lose their parent.
  while (!controls_.empty()) controls_.back()->SetParent(nullptr);
  if (Parent()) Parent()->RemoveControl(this);
  parent_ = nullptr;
  HintManager::Remove(this);
  DestroyHandle();
}

void TWinControl::InsertControl(TControl* c) {
  controls_.push_back(c);
  c->parent_ = this;
  if (c->Align() != TAlign::alNone) AlignControls();
  if (auto* w = dynamic_cast<TWinControl*>(c)) {
    tab_list_.push_back(w);
    if (handle_) w->HandleNeeded();
  } else {
    c->Invalidate();
  }
}

void TWinControl::RemoveControl(TControl* c) {
  if (c == mouse_control_) mouse_control_ = nullptr;
  if (c == captured_graphic_) captured_graphic_ = nullptr;
  c->Invalidate();
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
  if (auto* w = dynamic_cast<TWinControl*>(c)) {
    tab_list_.erase(std::remove(tab_list_.begin(), tab_list_.end(), w), tab_list_.end());
    // A windowed child cannot stay inside a window it no longer belongs to.
    if (w->HandleAllocated() && !(ComponentState() & csDestroying)) w->DestroyHandle();
  }
  c->parent_ = nullptr;
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.Caption = text_;
  p.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (Visible()) p.Style |= WS_VISIBLE;
  if (!Enabled()) p.Style |= WS_DISABLED;
  if (tab_stop_) p.Style |= WS_TABSTOP;
  p.X = left_;
  p.Y = top_;
  p.Width = width_;
  p.Height = height_;
  if (Parent()) p.WndParent = Parent()->Handle();
  p.WinClassName = ClassName();
}

HWND TWinControl::Handle() {
  if (!handle_) CreateHandle();
  return handle_;
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  if (Parent() && !Parent()->HandleAllocated()) {
    Parent()->HandleNeeded();  // creates this control's window with the parent's children
    if (handle_) return;
  }
  TCreateParams p;
  CreateParams(p);
  if ((p.Style & WS_CHILD) && !p.WndParent) return;  // a child window needs its parent first
  default_proc_ = EnsureWindowClass(p);
  if (!default_proc_) return;
  SetCreatingControl(this);
  HWND hwnd = CreateWindowExA(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y,
                              p.Width, p.Height, p.WndParent, nullptr, ModuleInstance(), nullptr);
  SetCreatingControl(nullptr);
  if (!hwnd) {
    handle_ = nullptr;
    return;
  }
  handle_ = hwnd;
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  CreateWnd();
  for (TWinControl* child : std::vector<TWinControl*>(tab_list_)) child->HandleNeeded();
  UpdateBoundsFromWindow();
  AlignControls();
  HintManager::Update(this);
  for (TControl* c : controls_) HintManager::Update(c);
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TWinControl* child : std::vector<TWinControl*>(tab_list_)) child->DestroyHandle();
  DestroyWnd();
  HintManager::Remove(this);
  HWND h = handle_;
  DestroyWindow(h);
  handle_ = nullptr;
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  DestroyHandle();
  HandleNeeded();
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!handle_) return;
  RECT r;
  GetWindowRect(handle_, &r);
  if (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD) {
    HWND parent = GetParent(handle_);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  bool changed = r.left != left_ || r.top != top_ || r.right - r.left != width_ || r.bottom - r.top != height_;
  left_ = r.left;
  top_ = r.top;
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
  if (changed) {
    UpdateHintTool();
    BoundsChanged();
  }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (!handle_) {
    TControl::SetBounds(left, top, width, height);
    return;
  }
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateBoundsFromWindow();
  UpdateHintTool();
}

int TWinControl::ClientWidth() const {
  if (!handle_) return width_;
  RECT r;
  GetClientRect(handle_, &r);
  return r.right;
}
int TWinControl::ClientHeight() const {
  if (!handle_) return height_;
  RECT r;
  GetClientRect(handle_, &r);
  return r.bottom;
}
void TWinControl::SetClientSize(int width, int height) {
  int dx = width_ - ClientWidth(), dy = height_ - ClientHeight();
  SetBounds(left_, top_, width + dx, height + dy);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}
void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}
void TWinControl::BringToFront() {
  if (handle_) SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::string TWinControl::Text() const {
  if (!handle_) return text_;
  int n = GetWindowTextLengthA(handle_);
  std::string s(static_cast<size_t>(n) + 1, '\0');
  n = GetWindowTextA(handle_, s.data(), n + 1);
  s.resize(static_cast<size_t>(std::max(n, 0)));
  return s;
}
void TWinControl::SetText(const std::string& text) {
  if (handle_) {
    if (Text() == text) return;
    text_ = text;
    SetWindowTextA(handle_, text.c_str());
    Perform(CM_TEXTCHANGED);
    TextChanged();
    return;
  }
  TControl::SetText(text);
}
void TWinControl::TextChanged() {}

HWND TWinControl::HintWindowHost() const { return handle_; }

void TWinControl::VisibleChanged() {
  if (handle_) ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}
void TWinControl::EnabledChanged() {
  if (handle_) EnableWindow(handle_, Enabled());
}
void TWinControl::FontChanged() {
  if (handle_) {
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
    Invalidate();
  }
  for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(CM_PARENTFONTCHANGED);
}
void TWinControl::ColorChanged() {
  brush_.reset();
  Invalidate();
}

HBRUSH TWinControl::ColorBrush() {
  if (!brush_ || brush_color_ != EffectiveColor()) {
    brush_.reset(CreateSolidBrush(ColorToRGB(EffectiveColor())));
    brush_color_ = EffectiveColor();
  }
  return brush_.get();
}

TControl* TWinControl::ControlAtPos(POINT p, bool allow_disabled, bool windowed_too) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!windowed_too && dynamic_cast<TWinControl*>(c)) continue;
    if (!c->Visible() || (!c->Enabled() && !allow_disabled)) continue;
    RECT r = c->BoundsRect();
    if (PtInRect(&r, p)) return c;
  }
  return nullptr;
}

void TWinControl::AlignControls() {
  int y = 0;
  for (TControl* c : std::vector<TControl*>(controls_)) {
    if (c->Align() != TAlign::alTop || !c->Visible()) continue;
    c->SetBounds(0, y, ClientWidth(), c->Height());
    y += c->Height();
  }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* w : tab_list_) {
    list.push_back(w);
    w->GetTabOrderList(list);
  }
}
int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& l = Parent()->tab_list_;
  return static_cast<int>(std::find(l.begin(), l.end(), this) - l.begin());
}
void TWinControl::SetTabOrder(int order) {
  if (!Parent()) return;
  auto& l = Parent()->tab_list_;
  l.erase(std::remove(l.begin(), l.end(), this), l.end());
  order = std::clamp(order, 0, static_cast<int>(l.size()));
  l.insert(l.begin() + order, this);
  // Window order decides the Tab key's order: place this window after its predecessor.
  if (handle_) {
    HWND after = order == 0 ? HWND_TOP : l[static_cast<size_t>(order) - 1]->handle_;
    if (after) SetWindowPos(handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}
void TWinControl::SetTabStop(bool value) {
  tab_stop_ = value;
  if (handle_) {
    LONG style = GetWindowLongA(handle_, GWL_STYLE);
    SetWindowLongA(handle_, GWL_STYLE, value ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }
bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}
void TWinControl::SetFocus() {
  if (HWND h = Handle()) ::SetFocus(h);
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : std::vector<TControl*>(controls_)) {
    auto* g = dynamic_cast<TGraphicControl*>(c);
    if (!g || !g->Visible()) continue;
    RECT r = g->BoundsRect();
    if (!RectVisible(dc, &r)) continue;
    SaveDcGuard saved(dc);
    POINT org;
    GetViewportOrgEx(dc, &org);
    SetViewportOrgEx(dc, org.x + r.left, org.y + r.top, nullptr);
    IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
    g->PaintTo(dc);
  }
}

void TWinControl::WmPaint(TMessage& msg) {
  if (msg.WParam) {
    HDC dc = reinterpret_cast<HDC>(msg.WParam);
    PaintWindow(dc);
    PaintControls(dc);
    return;
  }
  PaintDc pdc(handle_);
  PaintWindow(pdc.get());
  PaintControls(pdc.get());
}

bool TWinControl::ReflectToChild(TMessage& msg, HWND child) {
  TWinControl* c = FindControl(child);
  if (!c || c == this) return false;
  msg.Result = c->Perform(CN_BASE + msg.Msg, msg.WParam, msg.LParam);
  return true;
}

bool TWinControl::RouteMouseToGraphic(TMessage& msg) {
  POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
  TControl* target = captured_graphic_;
  if (!target) target = ControlAtPos(p, false, false);
  if (msg.Msg == WM_MOUSEMOVE && target != mouse_control_) {
    if (mouse_control_) mouse_control_->Perform(CM_MOUSELEAVE);
    mouse_control_ = target;
    if (target) target->Perform(CM_MOUSEENTER);
  }
  if (!target) return false;
  bool down = msg.Msg == WM_LBUTTONDOWN || msg.Msg == WM_RBUTTONDOWN || msg.Msg == WM_MBUTTONDOWN ||
              msg.Msg == WM_LBUTTONDBLCLK;
  bool up = msg.Msg == WM_LBUTTONUP || msg.Msg == WM_RBUTTONUP || msg.Msg == WM_MBUTTONUP;
  if (down) {
    captured_graphic_ = target;
    SetCapture(handle_);
  }
  TControl* keep = target;
  msg.Result = keep->Perform(msg.Msg, msg.WParam, MAKELPARAM(p.x - keep->Left(), p.y - keep->Top()));
  if (up && captured_graphic_) {
    captured_graphic_ = nullptr;
    if (GetCapture() == handle_) ReleaseCapture();
  }
  return true;
}

void TWinControl::WndProc(TMessage& msg) {
  switch (msg.Msg) {
    case WM_COMMAND:
      if (msg.LParam && ReflectToChild(msg, reinterpret_cast<HWND>(msg.LParam))) return;
      break;
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(msg.LParam);
      if (hdr && ReflectToChild(msg, hdr->hwndFrom)) return;
      break;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      if (ReflectToChild(msg, reinterpret_cast<HWND>(msg.LParam))) return;
      break;
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(msg.LParam);
      if (dis && dis->CtlType != ODT_MENU && ReflectToChild(msg, dis->hwndItem)) return;
      break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (msg.LParam && ReflectToChild(msg, reinterpret_cast<HWND>(msg.LParam))) return;
      break;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(msg.WParam);
      SetTextColor(dc, ColorToRGB(Font()->Color()));
      SetBkColor(dc, ColorToRGB(EffectiveColor()));
      msg.Result = reinterpret_cast<LRESULT>(ColorBrush());
      return;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      if (HostsGraphicControls() && RouteMouseToGraphic(msg)) return;
      break;
    case WM_CONTEXTMENU: {
      POINT screen{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
      if (reinterpret_cast<HWND>(msg.WParam) != handle_) break;  // a child's menu
      if (HostsGraphicControls() && !(screen.x == -1 && screen.y == -1)) {
        if (TControl* g = ControlAtPos(ScreenToClient(screen), false, false)) {
          if (g->Perform(WM_CONTEXTMENU, msg.WParam, msg.LParam)) return;
        }
      }
      if (ShowContextMenu(screen)) return;
      break;
    }
    case WM_SYSCHAR:
      // Alt+character: the form may take it (a skinned menu bar opens its item) before the
      // window's own handling, which looks for a menu accelerator.
      if (TCustomForm* form = GetParentForm(this)) {
        if (form->Perform(CM_DIALOGCHAR, msg.WParam, msg.LParam) != 0) {
          msg.Result = 0;
          return;
        }
      }
      break;
    case WM_MOUSELEAVE:
      if (mouse_control_) mouse_control_->Perform(CM_MOUSELEAVE);
      mouse_control_ = nullptr;
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(msg.LParam) != handle_) captured_graphic_ = nullptr;
      break;
    case WM_MOVE:
      UpdateBoundsFromWindow();
      break;
    case WM_SIZE:
      UpdateBoundsFromWindow();
      DefaultHandler(msg);
      AlignControls();
      Resize();
      return;
    case WM_PAINT:
      if (HostsGraphicControls()) {
        WmPaint(msg);
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (HostsGraphicControls()) {
        RECT r;
        GetClientRect(handle_, &r);
        FillRect(reinterpret_cast<HDC>(msg.WParam), &r, ColorBrush());
        msg.Result = 1;
        return;
      }
      break;
  }
  TControl::WndProc(msg);
}

void TWinControl::DefaultHandler(TMessage& msg) {
  if (!handle_) return;
  WNDPROC proc = default_proc_ ? default_proc_ : DefWindowProcA;
  msg.Result = CallWindowProcA(proc, handle_, msg.Msg, msg.WParam, msg.LParam);
}

}  // namespace fw
