// Starts the real program from the application folder, finds its main window, looks at it and
// closes it: the process must end by itself with exit code 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/program_driver.h"
#include "support/paths.h"
#include "support/screenshot.h"

namespace {

constexpr char kExeName[] = "Talvik软件安装路径修改器2.1.exe";
constexpr char kCaption[] = "Talvik软件安装路径修改器2.1";

struct Found {
  DWORD pid;
  HWND hwnd;
};

BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM lparam) {
  auto* f = reinterpret_cast<Found*>(lparam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[64] = {}, title[128] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  GetWindowTextA(hwnd, title, sizeof title);
  if (pid == f->pid && std::string(cls) == "TForm1" && std::string(title) == kCaption && IsWindowVisible(hwnd)) {
    f->hwnd = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForMainWindow(DWORD pid, DWORD max_ms) {
  for (DWORD waited = 0; waited < max_ms; waited += 50) {
    Found f{pid, nullptr};
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&f));
    if (f.hwnd) return f.hwnd;
    Sleep(50);
  }
  return nullptr;
}

TEST(ProgramStart, MainWindowOpensScaledAndClosingEndsTheProcess) {
  // A copy of the program in a folder of its own, with a settings file, so that it starts
  // without a message and its settings file stays out of the shipped folder.
  driver::AppFolder folder;
  ASSERT_TRUE(folder.ok()) << folder.path();
  ASSERT_TRUE(driver::WriteBytes(folder.File("set"), "1\r\n"));
  const std::string& dist = folder.path();
  std::string exe = folder.File(kExeName);

  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string cmd = "\"" + exe + "\"";
  ASSERT_TRUE(CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dist.c_str(), &si, &pi));
  HWND main = WaitForMainWindow(pi.dwProcessId, 20000);
  ASSERT_NE(main, nullptr);
  Sleep(500);  // let it paint

  RECT r;
  GetWindowRect(main, &r);
  int screen_w = GetSystemMetrics(SM_CXSCREEN), screen_h = GetSystemMetrics(SM_CYSCREEN);
  // Design size 610 x 452 on an 800 x 600 screen, scaled once to larger screens.
  int want_w = screen_w > 800 || (screen_w == 800 && screen_h > 600) ? screen_w * 610 / 800 : 610;
  int want_h = screen_w > 800 || (screen_w == 800 && screen_h > 600) ? screen_h * 452 / 600 : 452;
  EXPECT_EQ(r.right - r.left, want_w);
  EXPECT_EQ(r.bottom - r.top, want_h);
  EXPECT_EQ(r.left, (screen_w - want_w) / 2);  // centred
  // The application window carries the taskbar button and owns the main window.
  HWND owner = GetWindow(main, GW_OWNER);
  char cls[64] = {};
  GetClassNameA(owner, cls, sizeof cls);
  EXPECT_STREQ(cls, "TApplication");
  char title[128] = {};
  GetWindowTextA(owner, title, sizeof title);
  EXPECT_STREQ(title, kCaption);

  testsupport::SaveScreenshotPng(main, testsupport::ArtifactPath("program_start.png"));

  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(pi.hProcess, 20000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  EXPECT_EQ(code, 0u);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

}  // namespace
