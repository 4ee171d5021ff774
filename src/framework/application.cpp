#include "framework/application.h"

#include <algorithm>

#include "framework/forms.h"
#include "framework/hints.h"
#include "framework/window_class.h"

namespace fw {

TApplication* Application = nullptr;
static TScreen g_screen;
TScreen* const Screen = &g_screen;

FW_DEFINE_CLASS(TApplication, TComponent)

LRESULT CALLBACK TApplication::AppWndProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!app) return DefWindowProcA(hwnd, msg, wparam, lparam);
  TMessage m{msg, wparam, lparam, 0};
  app->WndProc(hwnd, m);
  return m.Result;
}

TApplication::TApplication() : TComponent(nullptr) { Application = this; }

TApplication::~TApplication() {
  SetDestroying();
  DestroyComponents();
  HintManager::Shutdown();
  if (handle_) {
    SetWindowLongPtrA(handle_.get(), GWLP_USERDATA, 0);
    handle_.reset();
  }
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  if (handle_) return;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  icon_ = LoadIconA(ModuleInstance(), "MAINICON");
  if (!icon_) icon_ = LoadIconA(ModuleInstance(), MAKEINTRESOURCEA(1));
  if (!icon_) icon_ = LoadIconA(nullptr, IDI_APPLICATION);
  static bool registered = [this] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &TApplication::AppWndProc;
    wc.hInstance = ModuleInstance();
    wc.hIcon = icon_;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "TApplication";
    return RegisterClassExA(&wc) != 0;
  }();
  (void)registered;
  HWND hwnd = CreateWindowExA(0, "TApplication", title_.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                              nullptr, ModuleInstance(), this);
  if (!hwnd) return;
  handle_.reset(hwnd);
  SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (handle_) SetWindowTextA(handle_.get(), title.c_str());
}

void TApplication::FormCreated(TCustomForm* form) {
  if (!main_form_) main_form_ = form;
  try {
    form->AfterConstruction();
  } catch (const std::exception& e) {
    HandleException(form, e.what());
  } catch (...) {
    HandleException(form, "");
  }
}

void TApplication::Run() {
  if (!handle_) Initialize();
  if (main_form_) main_form_->SetVisible(true);
  while (!terminated_) {
    MSG msg;
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      terminated_ = true;
      break;
    }
    if (IsDialogKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (!IsDialogKey(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

bool TApplication::IsDialogKey(MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  TCustomForm* form = nullptr;
  for (HWND h = msg.hwnd; h && !form; h = GetParent(h)) form = dynamic_cast<TCustomForm*>(FindControl(h));
  return form && form->DialogKey(msg);
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::Minimize() {
  if (!handle_ || IsIconic(handle_.get())) return;
  // The forms go with the application window (Windows hides owned windows itself, Wine may not);
  // their Visible stays as it was.
  for (TCustomForm* f : Screen->forms_) {
    HWND h = f->HandleIfAllocated();
    if (h && IsWindowVisible(h)) {
      hidden_forms_.push_back(h);
      ShowWindow(h, SW_HIDE);
    }
  }
  ShowWindow(handle_.get(), SW_MINIMIZE);
}

void TApplication::Restore() {
  if (!handle_ || !IsIconic(handle_.get())) return;
  ShowWindow(handle_.get(), SW_RESTORE);
  ShowMinimizedForms();
}

void TApplication::ShowMinimizedForms() {
  std::vector<HWND> forms;
  forms.swap(hidden_forms_);
  for (HWND h : forms)
    if (TWinControl* f = FindControl(h); f && f->Visible()) ShowWindow(h, SW_SHOWNA);  // not hidden since
  if (main_form_ && main_form_->HandleAllocated() && IsWindowVisible(main_form_->HandleIfAllocated()))
    SetForegroundWindow(main_form_->HandleIfAllocated());
}

void TApplication::UpdateVisible() {
  if (!handle_) return;
  bool any = std::any_of(Screen->forms_.begin(), Screen->forms_.end(),
                         [](TCustomForm* f) { return f->Visible() && f->HandleAllocated(); });
  if (any && !IsWindowVisible(handle_.get())) {
    SetWindowPos(handle_.get(), nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  } else if (!any && IsWindowVisible(handle_.get()) && !IsIconic(handle_.get())) {
    ShowWindow(handle_.get(), SW_HIDE);
  }
}

void TApplication::HandleException(TObject* sender, const std::string& text) {
  if (OnException) {
    OnException(sender, text);
    return;
  }
  if (reporting_) return;
  reporting_ = true;
  HWND owner = nullptr;
  if (main_form_ && main_form_->HandleAllocated() && IsWindowVisible(main_form_->HandleIfAllocated()))
    owner = main_form_->HandleIfAllocated();
  MessageBoxA(owner, text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
  reporting_ = false;
}

int TApplication::HookMainWindow(TWindowHook hook) {
  int id = next_hook_++;
  hooks_.emplace_back(id, std::move(hook));
  return id;
}

void TApplication::UnhookMainWindow(int id) {
  hooks_.erase(std::remove_if(hooks_.begin(), hooks_.end(), [id](const auto& h) { return h.first == id; }),
               hooks_.end());
}

void TApplication::WndProc(HWND hwnd, TMessage& msg) {
  try {
    auto hooks = hooks_;  // a hook may unhook itself
    for (auto& [id, hook] : hooks)
      if (hook && hook(msg)) return;
    switch (msg.Msg) {
      case WM_CLOSE:
        if (main_form_) main_form_->Close();
        return;
      case WM_SYSCOMMAND:
        switch (msg.WParam & 0xFFF0) {
          case SC_MINIMIZE:
            Minimize();
            return;
          case SC_RESTORE:
            Restore();
            return;
        }
        break;
      case WM_SIZE:
        // Restored from the taskbar without going through Restore.
        if (msg.WParam == SIZE_RESTORED && !hidden_forms_.empty()) ShowMinimizedForms();
        break;
      case WM_ACTIVATE:
        // Activation goes on to the main form, the application window has nothing to focus.
        if (LOWORD(msg.WParam) != WA_INACTIVE && main_form_ && main_form_->HandleAllocated() &&
            IsWindowVisible(main_form_->HandleIfAllocated()) && !IsIconic(hwnd)) {
          SetActiveWindow(main_form_->HandleIfAllocated());
          return;
        }
        break;
    }
    msg.Result = DefWindowProcA(hwnd, msg.Msg, msg.WParam, msg.LParam);
  } catch (const std::exception& e) {
    HandleException(this, e.what());
  } catch (...) {
    HandleException(this, "");
  }
}

}  // namespace fw
