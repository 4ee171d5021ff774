#include "tray/cn_tray_icon.h"

#include <exception>

#include "tray/tray_hint.h"

namespace tray {

namespace {

// Set once when the module is initialised, only read afterwards.
const UINT g_taskbar_created = RegisterWindowMessageA("TaskbarCreated");
const UINT g_tray_callback = RegisterWindowMessageA("CnTrayIcon");

TShellNotify& ShellNotifyHook() {
  static TShellNotify hook;
  return hook;
}

BOOL ShellNotify(DWORD message, NOTIFYICONDATAA* data) {
  if (const TShellNotify& hook = ShellNotifyHook()) return hook(message, data);
  return Shell_NotifyIconA(message, data);
}

// An elevated process does not get "TaskbarCreated" from the unelevated shell unless it lets the
// message through; the function exists from Windows 7 on, so it is looked up at run time.
void AllowTaskbarCreated(HWND window) {
  using Fn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  HMODULE user32 = GetModuleHandleA("user32.dll");
  if (!user32) return;
  auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, "ChangeWindowMessageFilterEx")));
  if (fn) fn(window, g_taskbar_created, 1 /* MSGFLT_ALLOW */, nullptr);
}

fw::TShiftState CurrentShift() {
  fw::TShiftState s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= fw::ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s |= fw::ssCtrl;
  if (GetKeyState(VK_MENU) < 0) s |= fw::ssAlt;
  return s;
}

}  // namespace

UINT TaskbarCreatedMessage() { return g_taskbar_created; }
UINT TrayCallbackMessage() { return g_tray_callback; }

TShellNotify SetShellNotify(TShellNotify notify) {
  TShellNotify old = std::move(ShellNotifyHook());
  ShellNotifyHook() = std::move(notify);
  return old;
}

const fw::TClassInfo& TCnTrayIcon::StaticClassInfo() {
  static const fw::TClassInfo info{"TCnTrayIcon", &fw::TComponent::StaticClassInfo(), {}};
  return info;
}

TCnTrayIcon::TCnTrayIcon(fw::TComponent* owner) : fw::TComponent(owner), icon_(std::make_unique<fw::TIcon>()) {
  notify_window_ = fw::AllocateHWnd([this](fw::TMessage& m) { NotifyWndProc(m); });
  AllowTaskbarCreated(notify_window_.get());
  icon_->OnChange = [this] { UpdateTrayIcon(); };
  if (fw::Application)
    hook_id_ = fw::Application->HookMainWindow([this](fw::TMessage& m) { return AppHook(m); });
}

TCnTrayIcon::~TCnTrayIcon() {
  if (hook_id_ && fw::Application) fw::Application->UnhookMainWindow(hook_id_);
  hook_id_ = 0;
  enabled_ = false;
  icon_->OnChange = nullptr;
  RemoveTrayIcon();
  if (popup_menu_) popup_menu_->RemoveFreeNotification(this);
  notify_window_.reset();
}

void TCnTrayIcon::Loaded() {
  fw::TComponent::Loaded();
  if (active_) AddTrayIcon();
}

void TCnTrayIcon::Notification(fw::TComponent* component, fw::TOperation operation) {
  fw::TComponent::Notification(component, operation);
  if (operation == fw::TOperation::opRemove && component == popup_menu_) popup_menu_ = nullptr;
}

void TCnTrayIcon::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (active_)
    AddTrayIcon();
  else
    RemoveTrayIcon();
}

void TCnTrayIcon::SetHint(const std::string& value) {
  if (value == hint_) return;
  hint_ = value;
  UpdateTrayIcon();
}

void TCnTrayIcon::SetPopupMenu(fw::TPopupMenu* menu) {
  if (menu == popup_menu_) return;
  if (popup_menu_) popup_menu_->RemoveFreeNotification(this);
  popup_menu_ = menu;
  if (popup_menu_) popup_menu_->FreeNotification(this);
}

void TCnTrayIcon::SetUseAppIcon(bool value) {
  use_app_icon_ = value;
  if (value && fw::Application) icon_->AssignHandle(fw::Application->Icon());
}

void TCnTrayIcon::FillNotifyData(NOTIFYICONDATAA& data) {
  data = NOTIFYICONDATAA{};
  data.cbSize = kNotifyDataSize;
  data.hWnd = notify_window_.get();
  data.uID = 0;
  data.uFlags = kNotifyFlags;
  data.uCallbackMessage = g_tray_callback;
  data.hIcon = icon_->Handle();
  const std::string tip = TrayTip(hint_, kMaxTipBytes);  // the first layout holds 64 bytes
  tip.copy(data.szTip, tip.size());
  data.szTip[tip.size()] = '\0';
}

void TCnTrayIcon::AddTrayIcon() {
  RemoveTrayIcon();
  if (icon_->Empty()) return;  // an empty image never reaches the shell
  pressed_ = 0;
  FillNotifyData(data_);
  icon_added_ = ShellNotify(NIM_ADD, &data_) != FALSE;
  if (icon_added_ && data_.szTip[0] != '\0') ShellNotify(NIM_MODIFY, &data_);
}

void TCnTrayIcon::RemoveTrayIcon() {
  if (data_.cbSize == 0) {  // never filled: name the icon all the same
    data_.cbSize = kNotifyDataSize;
    data_.hWnd = notify_window_.get();
  }
  ShellNotify(NIM_DELETE, &data_);
  icon_added_ = false;
  pressed_ = 0;
}

void TCnTrayIcon::UpdateTrayIcon() {
  if (icon_added_) {
    if (!icon_->Empty()) {
      FillNotifyData(data_);
      ShellNotify(NIM_MODIFY, &data_);
    } else {
      RemoveTrayIcon();
    }
  } else if (active_) {
    AddTrayIcon();
  }
}

void TCnTrayIcon::NotifyWndProc(fw::TMessage& msg) {
  try {
    if (msg.Msg == g_tray_callback) {
      if (enabled_) TrayMessage(msg.LParam);
      msg.Result = 0;
    } else if (msg.Msg == g_taskbar_created) {
      if (active_) AddTrayIcon();
      msg.Result = 0;
    }
  } catch (const std::exception& e) {
    if (fw::Application) fw::Application->HandleException(this, e.what());
    msg.Result = 0;
  }
}

void TCnTrayIcon::TrayMessage(LPARAM what) {
  const fw::TShiftState shift = CurrentShift();
  POINT p{};
  GetCursorPos(&p);
  struct Buttons {
    UINT down, up, dbl;
    fw::TMouseButton button;
    unsigned bit;
  };
  static constexpr Buttons kButtons[] = {
      {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, fw::TMouseButton::mbLeft, pbLeft},
      {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, fw::TMouseButton::mbRight, pbRight},
      {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, fw::TMouseButton::mbMiddle, pbMiddle},
  };
  const auto message = static_cast<UINT>(what);
  if (message == WM_MOUSEMOVE) {
    MouseMove(shift, p.x, p.y);
    return;
  }
  for (const Buttons& b : kButtons) {
    if (message == b.down) {
      MouseDown(b.button, shift, p.x, p.y);
      pressed_ |= b.bit;
    } else if (message == b.up) {
      if (pressed_ & b.bit) {
        pressed_ &= ~b.bit;
        Click(b.button, shift, p.x, p.y);
      }
      MouseUp(b.button, shift, p.x, p.y);
    } else if (message == b.dbl) {
      DblClick();  // the button stays unmarked: the release that follows is no click
      MouseDown(b.button, shift, p.x, p.y);
    }
  }
}

void TCnTrayIcon::Click(fw::TMouseButton button, fw::TShiftState shift, int x, int y) {
  if (button == fw::TMouseButton::mbRight && PopupTrayMenu(x, y)) return;
  if (OnClick) OnClick(this, button, shift, x, y);
}

void TCnTrayIcon::DblClick() {
  if (!ClickDefaultItem() && OnDblClick) OnDblClick(this);
}

void TCnTrayIcon::MouseDown(fw::TMouseButton button, fw::TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TCnTrayIcon::MouseMove(fw::TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TCnTrayIcon::MouseUp(fw::TMouseButton button, fw::TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

bool TCnTrayIcon::PopupTrayMenu(int x, int y) {
  if (!active_ || !popup_menu_ || !popup_menu_->AutoPopup()) return false;
  popup_menu_->SetPopupComponent(this);
  if (fw::Screen->ActiveForm() && fw::Application && fw::Application->MainForm()) {
    if (HWND main = fw::Application->MainForm()->HandleIfAllocated()) SendMessageA(main, WM_CANCELMODE, 0, 0);
  }
  HWND window = notify_window_.get();
  if (IsWindowEnabled(window)) SetForegroundWindow(window);
  if (fw::Application) fw::Application->ProcessMessages();
  // The menu closes when the user clicks elsewhere only while the notify window is in front.
  struct Refocus {
    HWND w;
    ~Refocus() { SetForegroundWindow(w); }
  } refocus{window};
  popup_menu_->Popup(x, y);
  return true;
}

bool TCnTrayIcon::ClickDefaultItem() {
  if (!active_ || !popup_menu_ || !popup_menu_->Items() || popup_menu_->Items()->Count() == 0) return false;
  fw::TMenuItem* root = popup_menu_->Items();
  for (int i = 0; i < root->Count(); ++i) {
    fw::TMenuItem* item = root->Items(i);
    if (item->Default() && item->Enabled()) {
      item->Click();
      return true;
    }
  }
  return false;
}

bool TCnTrayIcon::AppHook(fw::TMessage& msg) {
  if (msg.Msg == WM_SYSCOMMAND && msg.WParam == SC_MINIMIZE && auto_hide_ && active_) HideToTray();
  return false;  // always handled normally afterwards
}

void TCnTrayIcon::HideToTray() {
  fw::TApplication* app = fw::Application;
  if (!app) return;
  fw::TCustomForm* main = app->MainForm();
  if (main && !IsIconic(app->Handle()) && !(main->HandleAllocated() && IsIconic(main->HandleIfAllocated()))) {
    app->Minimize();
    main->Hide();
  }
  ShowWindow(app->Handle(), SW_HIDE);  // removes the taskbar button
}

void TCnTrayIcon::RestoreFromTray() {
  fw::TApplication* app = fw::Application;
  if (!app) return;
  ShowWindow(app->Handle(), SW_SHOW);
  app->Restore();
  if (fw::TCustomForm* main = app->MainForm()) main->Show();
}

}  // namespace tray
