#include "framework/hints.h"

#include <commctrl.h>

#include <map>
#include <string>

#include "framework/application.h"
#include "framework/handles.h"
#include "framework/wincontrol.h"
#include "framework/window_class.h"

namespace fw {

namespace {

struct Tool {
  HWND host = nullptr;
  UINT_PTR id = 0;
  std::string text;
};

struct State {
  UniqueHwnd tip;
  std::map<TControl*, Tool> tools;
  UINT_PTR next_id = 1;
};
State& S() {
  static State s;
  return s;
}

HWND EnsureTip() {
  State& s = S();
  if (!s.tip) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    HWND owner = Application ? Application->Handle() : nullptr;
    s.tip.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                ModuleInstance(), nullptr));
    if (s.tip) SendMessageA(s.tip.get(), TTM_SETMAXTIPWIDTH, 0, 500);
  }
  return s.tip.get();
}

TTTOOLINFOA MakeInfo(const Tool& t, bool windowed) {
  TTTOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V1_SIZE;
  ti.uFlags = windowed ? TTF_IDISHWND : 0;
  ti.hwnd = t.host;
  ti.uId = t.id;
  return ti;
}

void DeleteTool(const Tool& t) {
  if (!S().tip) return;
  TTTOOLINFOA ti = MakeInfo(t, t.id == reinterpret_cast<UINT_PTR>(t.host));
  SendMessageA(S().tip.get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

}  // namespace

void HintManager::Update(TControl* control) {
  State& s = S();
  auto* win = dynamic_cast<TWinControl*>(control);
  HWND host = control->HintWindowHost();
  std::string text = GetShortHint(control->Hint());
  bool wanted = control->ShowHint() && !text.empty() && host && control->Visible();
  auto it = s.tools.find(control);
  if (!wanted) {
    if (it != s.tools.end()) {
      DeleteTool(it->second);
      s.tools.erase(it);
    }
    return;
  }
  HWND tip = EnsureTip();
  if (!tip) return;
  if (it != s.tools.end() && it->second.host != host) {
    DeleteTool(it->second);
    s.tools.erase(it);
    it = s.tools.end();
  }
  bool added = it == s.tools.end();
  if (added) {
    Tool t;
    t.host = host;
    t.id = win ? reinterpret_cast<UINT_PTR>(host) : s.next_id++;
    it = s.tools.emplace(control, t).first;
  }
  Tool& t = it->second;
  t.text = text;
  TTTOOLINFOA ti = MakeInfo(t, win != nullptr);
  ti.lpszText = t.text.data();
  if (!win) ti.rect = control->HintRect();
  if (added) {
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  } else {
    SendMessageA(tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    if (!win) SendMessageA(tip, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

void HintManager::Remove(TControl* control) {
  State& s = S();
  auto it = s.tools.find(control);
  if (it == s.tools.end()) return;
  DeleteTool(it->second);
  s.tools.erase(it);
}

void HintManager::Relay(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  State& s = S();
  if (!s.tip || s.tools.empty()) return;
  if (msg != WM_MOUSEMOVE && msg != WM_LBUTTONDOWN && msg != WM_LBUTTONUP && msg != WM_RBUTTONDOWN &&
      msg != WM_RBUTTONUP && msg != WM_MBUTTONDOWN && msg != WM_MBUTTONUP)
    return;
  MSG m{hwnd, msg, wparam, lparam, static_cast<DWORD>(GetMessageTime()), {}};
  GetCursorPos(&m.pt);
  SendMessageA(s.tip.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
}

HWND HintManager::TipWindow() { return S().tip.get(); }

bool HintManager::HasTool(TControl* control) { return S().tools.count(control) != 0; }

void HintManager::Shutdown() {
  State& s = S();
  s.tools.clear();
  s.tip.reset();
}

}  // namespace fw
