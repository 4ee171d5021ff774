#pragma once
// The program's windows created in the test process, as the program entry creates them, and
// message boxes caught while a command runs (read and answered with OK from a timer).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/main_form.h"

namespace apptest {

// Start-up messages of the core (no settings file beside the test) are recorded instead of shown.
struct QuietMessages : core::IMessages {
  std::vector<std::string> shown;
  void ShowError(const std::string& text) override { shown.push_back(text); }
  void ReportGeneralError(const std::string& text) override { shown.push_back(text); }
};

struct Program {
  fw::TApplication application;
  QuietMessages messages;
  Program() {
    app::TForm1::ServiceOverrides.messages = &messages;
    application.Initialize();
    application.SetTitle("Talvik软件安装路径修改器2.1");
    application.CreateForm(app::Form1);
    application.CreateForm(app::AboutBox);
    app::Form1->Show();
  }
};

// One program per test process, never destroyed (its shutdown would write the settings file).
inline Program& P() {
  static Program* p = new Program();
  return *p;
}

inline void Pump(DWORD ms) {
  DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  } while (GetTickCount() - start < ms);
}

struct CaughtBox {
  std::string caption;
  std::string text;
  bool operator==(const CaughtBox&) const = default;
};

// Runs `action`; every message box it shows is read and closed with OK.
std::vector<CaughtBox> CatchMessageBoxes(const std::function<void()>& action);

std::string ClipboardText();

}  // namespace apptest
