#include "app/running_program.h"

#include <cstring>

namespace apptest {

namespace {

std::vector<CaughtBox>* g_caught = nullptr;

BOOL CALLBACK CollectStatic(HWND child, LPARAM lparam) {
  char cls[32] = {};
  GetClassNameA(child, cls, sizeof cls);
  char text[1024] = {};
  if (_stricmp(cls, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0)
    *reinterpret_cast<std::string*>(lparam) += text;
  return TRUE;
}

BOOL CALLBACK AnswerBox(HWND window, LPARAM) {
  char cls[32] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (std::strcmp(cls, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  CaughtBox box;
  char caption[256] = {};
  GetWindowTextA(window, caption, sizeof caption);
  box.caption = caption;
  EnumChildWindows(window, CollectStatic, reinterpret_cast<LPARAM>(&box.text));
  if (g_caught) g_caught->push_back(box);
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return TRUE;
}

void CALLBACK BoxTimer(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), AnswerBox, 0); }

}  // namespace

std::vector<CaughtBox> CatchMessageBoxes(const std::function<void()>& action) {
  std::vector<CaughtBox> caught;
  g_caught = &caught;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, BoxTimer);
  action();
  KillTimer(nullptr, timer);
  g_caught = nullptr;
  return caught;
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "<clipboard busy>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (auto* p = static_cast<const char*>(GlobalLock(data))) {
      text = p;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace apptest
