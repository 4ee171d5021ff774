#pragma once
// TForm: a top-level window whose window class is named after the C++ class (TForm1, TAboutBox),
// owned by the application window. A form declares its controls in its constructor, wires their
// events to its member functions, and gets OnCreate once everything is in place.
#include <windows.h>

#include "framework/application.h"
#include "framework/menus.h"
#include "framework/wincontrol.h"

namespace fw {

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
using TBorderIcons = unsigned;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
  FW_CLASS()
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return border_icons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  bool AutoScroll() const { return auto_scroll_; }
  void SetAutoScroll(bool value) { auto_scroll_ = value; }
  bool Active() const;

  int ClientWidth() const override;
  int ClientHeight() const override;

  void Show();
  void Close();
  // Destroys the form once the messages now waiting have been handled.
  void Release();
  void BringToFront() override;

  // Runs the Loaded notifications of the form and its components, then OnCreate.
  void AfterConstruction();
  // Keys that move between controls (Tab) or press the default button (Enter); true when used.
  bool DialogKey(const MSG& msg);

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& msg) override;
  void VisibleChanged() override;
  bool HostsGraphicControls() const override { return true; }
  void Notification(TComponent* component, TOperation operation) override;
  virtual bool CloseQuery();

 private:
  void FrameSize(int& dx, int& dy) const;

  TFormBorderStyle border_style_ = TFormBorderStyle::bsSizeable;
  TBorderIcons border_icons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = TPosition::poDesigned;
  TMainMenu* menu_ = nullptr;
  bool auto_scroll_ = false;
  bool created_ = false;
};

class TForm : public TCustomForm {
  FW_CLASS()
 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// The form a control sits on, or null.
TCustomForm* GetParentForm(TControl* control);

// A plain message: the text, OK, no icon, the application title as caption.
void ShowMessage(const std::string& text);

// The framework form whose window this is (searched among the open forms), else the framework
// control behind the window, else null.
TWinControl* FindVCLForm(HWND hwnd);

}  // namespace fw
