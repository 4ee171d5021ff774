#include "framework/drag.h"

#include <windowsx.h>

#include <cstdlib>

#include "framework/wincontrol.h"

namespace fw {

namespace {

struct State {
  TControl* source = nullptr;
  TWinControl* window = nullptr;  // window holding the capture
  POINT start{};
  int threshold = 0;
  bool started = false;
  TControl* target = nullptr;
  bool accepted = false;
  TDragObject* object = nullptr;
  bool finishing = false;
};
State g;

TWinControl* WindowOf(TControl* c) {
  for (TControl* p = c; p; p = p->Parent())
    if (auto* w = dynamic_cast<TWinControl*>(p)) return w;
  return nullptr;
}

POINT ToClient(TControl* c, POINT screen) { return c->ScreenToClient(screen); }

void Move(POINT screen) {
  TControl* target = DragManager::FindDragTarget(screen);
  if (target != g.target) {
    if (g.target) {
      bool ignored = false;
      POINT p = ToClient(g.target, screen);
      g.target->DragOver(g.source, p.x, p.y, TDragState::dsDragLeave, ignored);
    }
    g.target = target;
    g.accepted = false;
    if (target) {
      POINT p = ToClient(target, screen);
      target->DragOver(g.source, p.x, p.y, TDragState::dsDragEnter, g.accepted);
    }
  } else if (target) {
    POINT p = ToClient(target, screen);
    target->DragOver(g.source, p.x, p.y, TDragState::dsDragMove, g.accepted);
  }
  SetCursor(LoadCursorA(nullptr, g.accepted ? IDC_ARROW : IDC_NO));
}

void Start() {
  g.started = true;
  g.object = nullptr;
  g.source->DoStartDrag(g.object);
  POINT p;
  GetCursorPos(&p);
  if (g.source) Move(p);
}

}  // namespace

void DragManager::Begin(TControl* source, bool immediate, int threshold) {
  if (g.source || !source) return;
  TWinControl* window = WindowOf(source);
  if (!window || !window->HandleAllocated()) return;
  g = State{};
  g.source = source;
  g.window = window;
  GetCursorPos(&g.start);
  g.threshold = threshold >= 0 ? threshold : 5;
  SetCapture(window->HandleIfAllocated());
  if (immediate) Start();
}

TControl* DragManager::Source() { return g.source; }
bool DragManager::Started() { return g.source && g.started; }

void DragManager::Finish(bool drop) {
  if (!g.source || g.finishing) return;
  g.finishing = true;
  State s = g;
  if (GetCapture() == s.window->HandleIfAllocated()) ReleaseCapture();
  POINT screen;
  GetCursorPos(&screen);
  g = State{};
  if (!s.started) return;
  TControl* target = nullptr;
  POINT p{};
  if (drop && s.target && s.accepted) {
    target = s.target;
    p = ToClient(target, screen);
  }
  if (target) target->DragDrop(s.source, p.x, p.y);
  s.source->DoEndDrag(target, p.x, p.y);
}

void DragManager::Cancel() {
  if (!g.source) return;
  TWinControl* w = g.window;
  g = State{};
  if (w && GetCapture() == w->HandleIfAllocated()) ReleaseCapture();
}

void DragManager::Forget(TControl* control) {
  if (g.source == control || g.window == control) {
    Cancel();
    return;
  }
  if (g.target == control) {
    g.target = nullptr;
    g.accepted = false;
  }
}

TControl* DragManager::FindDragTarget(POINT screen) {
  HWND hwnd = WindowFromPoint(screen);
  TWinControl* w = nullptr;
  for (HWND h = hwnd; h && !w; h = GetParent(h)) w = FindControl(h);
  if (!w) return nullptr;
  POINT client = w->ScreenToClient(screen);
  if (TControl* g = w->ControlAtPos(client, false, false)) return g;
  return w;
}

bool DragManager::Filter(TWinControl* window, TMessage& msg) {
  if (!g.source || window != g.window) return false;
  switch (msg.Msg) {
    case WM_MOUSEMOVE: {
      POINT screen;
      GetCursorPos(&screen);
      if (!g.started) {
        if (std::abs(screen.x - g.start.x) < g.threshold && std::abs(screen.y - g.start.y) < g.threshold)
          return true;
        Start();
        return true;
      }
      Move(screen);
      return true;
    }
    case WM_SETCURSOR:
      return g.started;
    case WM_LBUTTONUP: {
      bool started = g.started;
      Finish(true);
      (void)started;
      return false;  // the window still sees the release (a list ends its own tracking)
    }
    case WM_KEYDOWN:
      if (msg.WParam == VK_ESCAPE && g.started) {
        Finish(false);
        return true;
      }
      return false;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(msg.LParam) != window->HandleIfAllocated()) Finish(false);
      return false;
    case WM_RBUTTONDOWN:
      Finish(false);
      return true;
  }
  return false;
}

}  // namespace fw
