#pragma once
// TCnTrayIcon: one icon in the taskbar's notification area. Its hidden NotifyWindow turns the
// shell's notifications into mouse events, a right click pops up PopupMenu, AutoHide sends a
// minimised application to the tray, and the icon comes back when the taskbar is re-created.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/framework.h"

namespace tray {

// Registered once per process: "TaskbarCreated" and "CnTrayIcon".
UINT TaskbarCreatedMessage();
UINT TrayCallbackMessage();

// What reaches the shell; replaceable so tests can watch the icon without a taskbar.
using TShellNotify = std::function<BOOL(DWORD message, NOTIFYICONDATAA* data)>;
// Installs `notify` (empty: the real Shell_NotifyIconA); returns the previous one.
TShellNotify SetShellNotify(TShellNotify notify);

// The first, shortest layout of the record (no balloon fields): 88 bytes in a 32-bit process.
inline constexpr DWORD kNotifyDataSize = NOTIFYICONDATAA_V1_SIZE;
inline constexpr UINT kNotifyFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;  // 0x17

enum TPressedButton : unsigned { pbLeft = 1, pbRight = 2, pbMiddle = 4 };

class TCnTrayIcon : public fw::TComponent {
  FW_CLASS()
 public:
  explicit TCnTrayIcon(fw::TComponent* owner);
  ~TCnTrayIcon() override;

  bool Active() const { return active_; }
  void SetActive(bool value);
  bool AutoHide() const { return auto_hide_; }
  void SetAutoHide(bool value) { auto_hide_ = value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value);
  fw::TIcon* Icon() const { return icon_.get(); }
  void SetIcon(const fw::TIcon& value) { icon_->Assign(value); }
  fw::TPopupMenu* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(fw::TPopupMenu* menu);
  bool UseAppIcon() const { return use_app_icon_; }
  void SetUseAppIcon(bool value);

  HWND NotifyWindow() const { return notify_window_.get(); }
  bool IconAdded() const { return icon_added_; }
  unsigned PressedButtons() const { return pressed_; }

  void HideToTray();
  void RestoreFromTray();

  fw::TMouseEvent OnClick;
  fw::TNotifyEvent OnDblClick;
  fw::TMouseEvent OnMouseDown;
  fw::TMouseEvent OnMouseUp;
  fw::TMouseMoveEvent OnMouseMove;

 protected:
  virtual void FillNotifyData(NOTIFYICONDATAA& data);
  // Reactions, each overridable.
  virtual void DblClick();
  virtual void Click(fw::TMouseButton button, fw::TShiftState shift, int x, int y);
  virtual void MouseDown(fw::TMouseButton button, fw::TShiftState shift, int x, int y);
  virtual void MouseMove(fw::TShiftState shift, int x, int y);
  virtual void MouseUp(fw::TMouseButton button, fw::TShiftState shift, int x, int y);

  bool PopupTrayMenu(int x, int y);
  bool ClickDefaultItem();
  void AddTrayIcon();
  void RemoveTrayIcon();
  void UpdateTrayIcon();

  void Loaded() override;
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

 private:
  void NotifyWndProc(fw::TMessage& msg);
  void TrayMessage(LPARAM what);
  bool AppHook(fw::TMessage& msg);

  bool active_ = true;
  bool auto_hide_ = false;
  bool enabled_ = true;
  bool use_app_icon_ = false;
  bool icon_added_ = false;
  unsigned pressed_ = 0;
  std::string hint_;
  std::unique_ptr<fw::TIcon> icon_;
  fw::TPopupMenu* popup_menu_ = nullptr;
  NOTIFYICONDATAA data_{};
  fw::UniqueHwnd notify_window_;
  int hook_id_ = 0;  // 0: not hooked into the application window
};

}  // namespace tray
