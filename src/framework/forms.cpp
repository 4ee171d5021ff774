#include "framework/forms.h"

#include <algorithm>

#include "framework/window_class.h"

namespace fw {

const TClassInfo& TCustomForm::StaticClassInfo() {
  static const TClassInfo info =
      ClassInfoBuilder<TCustomForm>("TCustomForm", &TWinControl::StaticClassInfo())
          .Str("Caption", &TCustomForm::Caption, &TCustomForm::SetCaption)
          .Enum("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle,
                {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"})
          .Set("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons,
               {"biSystemMenu", "biMinimize", "biMaximize"})
          .Enum("Position", &TCustomForm::Position, &TCustomForm::SetPosition,
                {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter"})
          .Object("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)
          .Bool("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll)
          .Int("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth)
          .Int("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight)
          .Build();
  return info;
}
FW_DEFINE_CLASS(TForm, TCustomForm)

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  TControl::SetVisible(false);
  Screen->forms_.push_back(this);
}

TCustomForm::~TCustomForm() {
  if (created_ && OnDestroy) {
    try {
      OnDestroy(this);
    } catch (const std::exception& e) {
      if (Application) Application->HandleException(this, e.what());
    }
  }
  auto& forms = Screen->forms_;
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
  if (Screen->active_form_ == this) Screen->active_form_ = nullptr;
  SetDestroying();
  DestroyComponents();
  DestroyHandle();
  if (Application) Application->UpdateVisible();
}

void TCustomForm::AfterConstruction() {
  NotifyLoaded();
  created_ = true;
  if (OnCreate) OnCreate(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == border_icons_) return;
  border_icons_ = icons;
  RecreateWnd();
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu_) menu_->RemoveFreeNotification(this);
  if (HWND h = HandleIfAllocated(); h && menu_ && GetMenu(h) == menu_->Handle()) ::SetMenu(h, nullptr);
  menu_ = menu;
  if (!menu_) return;
  menu_->FreeNotification(this);
  if (!menu_->Handle()) menu_->Rebuild();
  if (HWND h = HandleIfAllocated()) {
    menu_->SetWindow(h);
    ::SetMenu(h, menu_->Handle());
    Perform(CM_MENUCHANGED);
  }
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == menu_) menu_ = nullptr;
}

bool TCustomForm::Active() const { return HandleIfAllocated() && GetActiveWindow() == HandleIfAllocated(); }

void TCustomForm::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  p.ExStyle = WS_EX_CONTROLPARENT;
  switch (border_style_) {
    case TFormBorderStyle::bsNone:
      p.Style |= WS_POPUP;
      break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow:
      p.Style |= WS_CAPTION | WS_BORDER;
      break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
      p.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case TFormBorderStyle::bsDialog:
      p.Style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
      p.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
  }
  if (border_style_ == TFormBorderStyle::bsToolWindow || border_style_ == TFormBorderStyle::bsSizeToolWin)
    p.ExStyle |= WS_EX_TOOLWINDOW;
  if (border_style_ != TFormBorderStyle::bsNone && (border_icons_ & biSystemMenu)) {
    p.Style |= WS_SYSMENU;
    if (border_style_ != TFormBorderStyle::bsDialog) {
      if (border_icons_ & biMinimize) p.Style |= WS_MINIMIZEBOX;
      if (border_icons_ & biMaximize) p.Style |= WS_MAXIMIZEBOX;
    }
  }
  if (!Enabled()) p.Style |= WS_DISABLED;
  p.WndParent = Application ? Application->Handle() : nullptr;
  p.Icon = Application ? Application->Icon() : nullptr;
}

void TCustomForm::FrameSize(int& dx, int& dy) const {
  if (HWND h = HandleIfAllocated()) {
    RECT w, c;
    GetWindowRect(h, &w);
    GetClientRect(h, &c);
    dx = (w.right - w.left) - c.right;
    dy = (w.bottom - w.top) - c.bottom;
    return;
  }
  TCreateParams p;
  const_cast<TCustomForm*>(this)->CreateParams(p);
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, p.Style, menu_ != nullptr, p.ExStyle);
  dx = r.right - r.left;
  dy = r.bottom - r.top;
}

int TCustomForm::ClientWidth() const {
  int dx, dy;
  FrameSize(dx, dy);
  return width_ - dx;
}
int TCustomForm::ClientHeight() const {
  int dx, dy;
  FrameSize(dx, dy);
  return height_ - dy;
}

void TCustomForm::CreateWnd() {
  HWND h = HandleIfAllocated();
  if (menu_) {
    if (!menu_->Handle()) menu_->Rebuild();
    menu_->SetWindow(h);
    ::SetMenu(h, menu_->Handle());
  }
  if (Application && Application->Icon()) {
    SendMessageA(h, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Application->Icon()));
    SendMessageA(h, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Application->Icon()));
  }
}

void TCustomForm::DestroyWnd() {
  // The menu belongs to its component, not to the window that shows it.
  HWND h = HandleIfAllocated();
  if (h && menu_ && GetMenu(h) == menu_->Handle()) ::SetMenu(h, nullptr);
}

void TCustomForm::VisibleChanged() {
  if (Visible()) {
    HWND h = Handle();
    if (!h) return;
    if (position_ == TPosition::poScreenCenter) {
      // Centred when first shown; afterwards the window stays where the user puts it.
      SetBounds((Screen->Width() - width_) / 2, (Screen->Height() - height_) / 2, width_, height_);
      position_ = TPosition::poDesigned;
    }
    ShowWindow(h, SW_SHOWNORMAL);
    if (Application) Application->UpdateVisible();
    if (OnShow) OnShow(this);
  } else {
    if (HWND h = HandleIfAllocated()) ShowWindow(h, SW_HIDE);
    if (Application) Application->UpdateVisible();
    if (OnHide) OnHide(this);
  }
}

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::BringToFront() {
  if (HWND h = HandleIfAllocated(); h && IsWindowVisible(h)) {
    SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(h);
  }
}

bool TCustomForm::CloseQuery() {
  bool can_close = true;
  if (OnCloseQuery) OnCloseQuery(this, can_close);
  return can_close;
}

void TCustomForm::Close() {
  if (!CloseQuery()) return;
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case TCloseAction::caHide:
      Hide();
      break;
    case TCloseAction::caMinimize:
      if (HWND h = HandleIfAllocated()) ShowWindow(h, SW_MINIMIZE);
      break;
    case TCloseAction::caFree:
      Release();
      break;
    case TCloseAction::caNone:
      break;
  }
}

void TCustomForm::Release() {
  if (HWND h = HandleIfAllocated()) PostMessageA(h, CM_RELEASE, 0, 0);
  else delete this;
}

bool TCustomForm::DialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || !HandleIfAllocated()) return false;
  LRESULT code = SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  if (code & DLGC_WANTALLKEYS) return false;
  if (msg.wParam == VK_TAB && !(code & DLGC_WANTTAB)) {
    bool back = GetKeyState(VK_SHIFT) < 0;
    if (HWND next = GetNextDlgTabItem(HandleIfAllocated(), msg.hwnd, back)) ::SetFocus(next);
    return true;
  }
  if (msg.wParam == VK_RETURN) {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    for (TWinControl* c : list) {
      HWND h = c->HandleIfAllocated();
      if (!h || !IsWindowVisible(h) || !IsWindowEnabled(h)) continue;
      if (SendMessageA(h, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
        c->Click();
        return true;
      }
    }
  }
  return false;
}

void TCustomForm::WndProc(TMessage& msg) {
  switch (msg.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_SYSCOMMAND:
      // The main form's minimise goes to the application window (it hides the forms it owns).
      if ((msg.WParam & 0xFFF0) == SC_MINIMIZE && Application && Application->MainForm() == this &&
          Application->Handle()) {
        msg.Result = SendMessageA(Application->Handle(), WM_SYSCOMMAND, msg.WParam, msg.LParam);
        return;
      }
      break;
    case WM_COMMAND:
      if (msg.LParam == 0 && HIWORD(msg.WParam) == 0 && TMenu::DispatchCommand(LOWORD(msg.WParam))) return;
      break;
    case WM_MEASUREITEM:
      if (TMenu::DispatchMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(msg.LParam))) {
        msg.Result = TRUE;
        return;
      }
      break;
    case WM_DRAWITEM:
      if (TMenu::DispatchDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(msg.LParam))) {
        msg.Result = TRUE;
        return;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(msg.WParam) != WA_INACTIVE) Screen->active_form_ = this;
      break;
    case CM_RELEASE:
      delete this;
      return;
  }
  TWinControl::WndProc(msg);
}

TCustomForm* GetParentForm(TControl* control) {
  TControl* c = control;
  while (c && c->Parent()) c = c->Parent();
  return dynamic_cast<TCustomForm*>(c);
}

void ShowMessage(const std::string& text) {
  HWND owner = GetActiveWindow();
  if (!owner && Application) owner = Application->Handle();
  MessageBoxA(owner, text.c_str(), Application ? Application->Title().c_str() : "", MB_OK);
}

TWinControl* FindVCLForm(HWND hwnd) {
  if (!hwnd) return nullptr;
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (Screen->Forms(i)->HandleIfAllocated() == hwnd) return Screen->Forms(i);
  return FindControl(hwnd);
}

}  // namespace fw
