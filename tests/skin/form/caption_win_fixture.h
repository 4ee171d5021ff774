#pragma once
// Real windows skinned with the program's own skin for the caption-button and system-menu tests
// under Wine: a main-window-like test window whose procedure records what reaches it, the skinned
// fixture, posted-message checks, frame pixels, real mouse input and a timer that watches an open
// menu and ends it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/test_app.h"
#include "framework/timer.h"
#include "skin/data/skin_data.h"
#include "skin/form/caption_buttons.h"
#include "skin/form/skin_messages.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"
#include "support/input.h"
#include "support/paths.h"
#include "support/screenshot.h"
#include "support/skin_test_support.h"

namespace captiontest {

using skin::TWinSkinForm;
using skin::TWinSysButton;

inline skin::TSkinData* Data() {
  static skin::TSkinData* data = [] {
    auto* d = new skin::TSkinData(nullptr);
    d->SetSkinFile(testsupport::ProgramSkinPath());
    return d;
  }();
  return data;
}

// Native menu loops of the window (the skinned system menu runs its own, owned elsewhere).
inline int g_native_menu_loops = 0;
// WM_CLOSE that reached the window's own procedure.
inline int g_closes = 0;
// System commands that reached the window's own procedure.
inline std::vector<WPARAM> g_sys_commands;
// The window's answer to XM_BUTTONVISIBLE, and what it was asked.
inline LRESULT g_button_visible_answer = 0;
inline std::vector<std::pair<WPARAM, LPARAM>> g_button_visible_asked;

inline LRESULT CALLBACK OwnProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  // Closing is the test's business: the window stays until the test destroys it.
  if (msg == WM_CLOSE) {
    ++g_closes;
    return 0;
  }
  if (msg == WM_ENTERMENULOOP) ++g_native_menu_loops;
  if (msg == WM_SYSCOMMAND) g_sys_commands.push_back(wp & 0xFFF0);
  if (msg == skin::XM_BUTTONVISIBLE) {
    g_button_visible_asked.emplace_back(wp, lp);
    return g_button_visible_answer;
  }
  return DefWindowProcA(w, msg, wp, lp);
}

inline void Pump() {
  for (int round = 0; round < 3; ++round) {
    fwtest::Pump();
    Sleep(10);
  }
}

template <class F>
inline bool PumpUntil(F done, DWORD ms = 3000) {
  const DWORD start = GetTickCount();
  while (!done() && GetTickCount() - start < ms) {
    fwtest::Pump();
    Sleep(20);
  }
  return done();
}

constexpr DWORD kMainStyle = WS_OVERLAPPEDWINDOW;

inline HWND MakeWindow(DWORD style, bool withMenu = true) {
  static const ATOM cls = [] {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = OwnProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "CaptionButtonTestWindow";
    return RegisterClassA(&wc);
  }();
  HMENU menu = nullptr;
  if (withMenu) {
    menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 101, "退出(&X)");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "文件(&F)");
    AppendMenuA(menu, MF_STRING, 102, "帮助(&H)");
  }
  HWND w = CreateWindowExA(0, MAKEINTATOM(cls), "Talvik软件安装路径修改器2.1", style, 120, 90, 520, 360, nullptr, menu,
                           GetModuleHandleA(nullptr), nullptr);
  // The icon button shows the window's small icon.
  SendMessageA(w, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconA(nullptr, IDI_APPLICATION)));
  ShowWindow(w, SW_SHOWNORMAL);
  SetForegroundWindow(w);
  UpdateWindow(w);
  Pump();
  return w;
}

// A skinned window of the given style, active, its frame painted.
struct Skinned {
  fw::UniqueHwnd window;
  std::unique_ptr<TWinSkinForm> form;

  explicit Skinned(DWORD style = kMainStyle, bool withMenu = true) : window(MakeWindow(style, withMenu)) {
    form = std::make_unique<TWinSkinForm>(nullptr);
    form->WindowHandle = window.get();
    form->Attach(Data());
    PostMessageA(window.get(), skin::XM_ACTIVATESKIN, 0, skin::kActivateSkinParam);
    Pump();
    SetForegroundWindow(window.get());
    SendMessageA(window.get(), WM_NCACTIVATE, TRUE, 0);
    Pump();
    // The timer is ticked by hand where a test needs it.
    if (form->HoverTimer) form->HoverTimer->SetEnabled(false);
  }
  ~Skinned() {
    form.reset();
    window.reset();
    Pump();
  }
  HWND w() const { return window.get(); }

  // The first button of that action and Visibility (any Visibility when -1).
  TWinSysButton* Button(int32_t action, int32_t visibility = -1) const {
    for (const auto& b : form->CaptionButtons)
      if (b->Action() == action && (visibility < 0 || b->Definition->Visibility == visibility)) return b.get();
    return nullptr;
  }
  POINT ScreenOf(const skin::Rect& r) const {
    RECT window{};
    GetWindowRect(w(), &window);
    return {window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2};
  }
  POINT ScreenOfWindowPoint(int x, int y) const {
    RECT window{};
    GetWindowRect(w(), &window);
    return {window.left + x, window.top + y};
  }
  LRESULT Send(UINT msg, WPARAM hit, POINT screen) const {
    return SendMessageA(w(), msg, hit, MAKELPARAM(screen.x, screen.y));
  }
  void Click(POINT screen) const {
    Send(WM_NCLBUTTONDOWN, HTCAPTION, screen);
    Send(WM_NCLBUTTONUP, HTCAPTION, screen);
  }
};

// Drops the window's queued system commands and closes without running them; answers whether one
// with that command was among them.
inline bool TakePosted(HWND w, UINT msg, WPARAM wp) {
  bool found = false;
  MSG m;
  while (PeekMessageA(&m, w, msg, msg, PM_REMOVE)) found |= m.wParam == wp;
  return found;
}
inline bool TakePostedSysCommand(HWND w, WPARAM command) { return TakePosted(w, WM_SYSCOMMAND, command); }

// How many opaque pixels of the window at r differ from frame `frame` of the button's picture.
inline int FramePixelsDiffering(HWND w, const TWinSysButton& b, int frame, int& compared) {
  const skin::Bitmap& image = b.Definition->Bitmap;
  const int cell = image.Width() / b.FrameCount;
  fw::WindowDc dc(w, true);
  int differ = 0;
  for (int y = 0; y < b.Rect.Height(); ++y) {
    for (int x = 0; x < b.Rect.Width(); ++x) {
      const skin::Colour want = image.Pixel((frame - 1) * cell + x, y);
      if (want == skin::kMagenta) continue;
      ++compared;
      differ += GetPixel(dc.get(), b.Rect.left + x, b.Rect.top + y) != static_cast<COLORREF>(want);
    }
  }
  return differ;
}
using testsupport::MouseAt;
inline void RealClick(POINT screen, bool right = false) { testsupport::SendClick(screen, right); }


// What the timer saw while the system menu was open.
struct MenuProbe {
  bool Seen = false;
  int Items = 0;
  std::string ShotPath;
  int Ticks = 0;
};
inline MenuProbe g_probe;

inline void CALLBACK ProbeTick(HWND, UINT, UINT_PTR, DWORD) {
  MenuProbe& p = g_probe;
  HWND menu = FindWindowA("#32768", nullptr);
  if (menu && IsWindowVisible(menu) && !p.Seen) {
    p.Seen = true;
    HMENU shown = reinterpret_cast<HMENU>(SendMessageA(menu, 0x01E1 /* MN_GETHMENU */, 0, 0));
    p.Items = shown ? GetMenuItemCount(shown) : -1;
    if (!p.ShotPath.empty()) {
      RedrawWindow(menu, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      testsupport::SaveScreenshotPng(nullptr, p.ShotPath);
    }
  }
  if (p.Seen || ++p.Ticks > 40) EndMenu();
}

// Runs f while a timer looks for the open menu and ends it.
template <class F>
inline void WithProbe(const std::string& shot, F f) {
  g_probe = {};
  g_probe.ShotPath = shot;
  const UINT_PTR timer = SetTimer(nullptr, 0, 80, ProbeTick);
  f();
  KillTimer(nullptr, timer);
}
}  // namespace captiontest
