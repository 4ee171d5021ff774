#pragma once
// TApplication: the hidden application window of class "TApplication" (it carries the taskbar
// button and owns the forms; its caption is the title), the main form, the message loop, the
// general error report and the hooks into the application window's messages. TScreen keeps the
// open forms.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/handles.h"
#include "framework/messages.h"

namespace fw {

class TCustomForm;

using TExceptionEvent = std::function<void(TObject* Sender, const std::string& Message)>;
// Sees the application window's messages first; answering true ends their handling.
using TWindowHook = std::function<bool(TMessage& Message)>;

class TApplication : public TComponent {
  FW_CLASS()
 public:
  TApplication();
  ~TApplication() override;

  // Creates the application window.
  void Initialize();
  HWND Handle() const { return handle_.get(); }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  TCustomForm* MainForm() const { return main_form_; }
  HICON Icon() const { return icon_; }

  // Creates a form owned by the application, sets `ref`, then runs its Loaded notifications and
  // OnCreate; the first form created becomes the main form.
  template <class T>
  void CreateForm(T*& ref) {
    T* form = new T(this);
    ref = form;
    FormCreated(form);
  }

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles one waiting message (false when none was waiting).
  bool ProcessMessage();
  void ProcessMessages();

  void Minimize();
  void Restore();
  // Shows the application window when any form is visible, hides it otherwise.
  void UpdateVisible();

  // The general error report: OnException when assigned, else a message box with the text and
  // the title as caption. The program goes on.
  void HandleException(TObject* sender, const std::string& text);
  TExceptionEvent OnException;

  int HookMainWindow(TWindowHook hook);
  void UnhookMainWindow(int id);

 private:
  void FormCreated(TCustomForm* form);
  static LRESULT CALLBACK AppWndProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
  void WndProc(HWND hwnd, TMessage& msg);
  bool IsDialogKey(MSG& msg);
  void ShowMinimizedForms();

  UniqueHwnd handle_;
  std::string title_;
  TCustomForm* main_form_ = nullptr;
  bool terminated_ = false;
  bool reporting_ = false;
  HICON icon_ = nullptr;
  std::vector<std::pair<int, TWindowHook>> hooks_;
  std::vector<HWND> hidden_forms_;  // forms hidden by Minimize, shown again on restore
  int next_hook_ = 1;
};

class TScreen {
 public:
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
  TCustomForm* ActiveForm() const { return active_form_; }
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

 private:
  friend class TCustomForm;
  friend class TApplication;
  std::vector<TCustomForm*> forms_;
  TCustomForm* active_form_ = nullptr;
};

// The application object of this process (the last TApplication constructed) and the screen.
extern TApplication* Application;
extern TScreen* const Screen;

}  // namespace fw
