// Behaviour driven by real input and by the application window: drag and drop in a list, context
// menus, tool tips, closing forms, minimising through the application window, its hooks, and the
// keys that move between controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/hints.h"
#include "framework/test_app.h"

namespace {

using fwtest::App;
using fwtest::PumpUntil;

void Wait(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

// Mouse input at a screen point: every event carries its own position, so a press never lands
// where an earlier move has not arrived yet.
POINT g_mouse{};
void MouseInput(POINT screen, DWORD flags) {
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((static_cast<int64_t>(screen.x) * 65536 + w - 1) / w);
  in.mi.dy = static_cast<LONG>((static_cast<int64_t>(screen.y) * 65536 + h - 1) / h);
  in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
  g_mouse = screen;
  Wait(40);
}
void MouseTo(POINT screen) { MouseInput(screen, 0); }
void Button(DWORD flags) { MouseInput(g_mouse, flags); }

class TListForm : public fw::TForm {
  FW_CLASS()
 public:
  explicit TListForm(fw::TComponent* owner) : fw::TForm(owner) {
    SetBounds(100, 100, 400, 300);
    list = new fw::TListBox(this);
    list->SetParent(this);
    list->SetBounds(20, 20, 200, 200);
    list->SetItemHeight(20);
    for (const char* s : {"甲", "乙", "丙", "丁", "戊"}) list->Items()->Add(s);
    list->SetDragMode(fw::TDragMode::dmAutomatic);
    label = new fw::TLabel(this);
    label->SetParent(this);
    label->SetBounds(240, 20, 100, 20);
    label->SetCaption("标签");
  }
  fw::TListBox* list;
  fw::TLabel* label;
};
FW_DEFINE_CLASS(TListForm, fw::TForm)

TEST(Drag, ADragInsideAListReportsStartOverAndDropInListCoordinates) {
  App();
  TListForm form(App());
  form.Show();
  SetForegroundWindow(form.Handle());
  Wait(100);
  int starts = 0, overs_accepted = 0;
  POINT drop{-1, -1};
  fw::TObject* drop_source = nullptr;
  int ended = 0;
  form.list->OnStartDrag = [&](fw::TObject* sender, fw::TDragObject*&) {
    EXPECT_EQ(sender, form.list);
    ++starts;
  };
  form.list->OnDragOver = [&](fw::TObject*, fw::TObject* source, int, int, fw::TDragState, bool& accept) {
    accept = source == form.list;
    overs_accepted += accept;
  };
  form.list->OnDragDrop = [&](fw::TObject*, fw::TObject* source, int x, int y) {
    drop = {x, y};
    drop_source = source;
  };
  form.list->OnEndDrag = [&](fw::TObject*, fw::TObject* target, int, int) { ended += target == form.list; };

  POINT from = form.list->ClientToScreen({30, 10});
  POINT to = form.list->ClientToScreen({40, 3 * 20 + 10});
  MouseTo(from);
  Button(MOUSEEVENTF_LEFTDOWN);
  for (int y = from.y; y <= to.y; y += 10) MouseTo({to.x, y});
  MouseTo(to);
  Button(MOUSEEVENTF_LEFTUP);

  EXPECT_EQ(starts, 1);
  EXPECT_GT(overs_accepted, 0);
  EXPECT_EQ(drop_source, form.list);
  EXPECT_EQ(drop.x, 40);
  EXPECT_EQ(drop.y, 70);
  EXPECT_EQ(form.list->ItemAtPos(drop, true), 3);
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(form.list->ItemIndex(), 0);  // the press selected the dragged entry
  EXPECT_FALSE(form.list->Dragging());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST(Drag, APressWithoutMovementIsAPlainClick) {
  App();
  TListForm form(App());
  form.Show();
  SetForegroundWindow(form.Handle());
  Wait(100);
  int starts = 0, clicks = 0;
  form.list->OnStartDrag = [&](fw::TObject*, fw::TDragObject*&) { ++starts; };
  form.list->OnClick = [&](fw::TObject*) { ++clicks; };
  MouseTo(form.list->ClientToScreen({30, 2 * 20 + 5}));
  Button(MOUSEEVENTF_LEFTDOWN);
  Button(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(starts, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form.list->ItemIndex(), 2);
  // Outside every entry there is no item.
  EXPECT_EQ(form.list->ItemAtPos({30, 150}, true), -1);
  EXPECT_EQ(form.list->ItemAtPos({30, 150}, false), 5);
  EXPECT_EQ(form.list->ItemAtPos({-5, 10}, true), -1);
}

TEST(Input, WindowlessLabelsGetClicksAndDoubleClicks) {
  App();
  TListForm form(App());
  form.Show();
  SetForegroundWindow(form.Handle());
  Wait(100);
  std::vector<std::string> log;
  form.label->OnClick = [&](fw::TObject*) { log.push_back("click"); };
  form.label->OnDblClick = [&](fw::TObject*) { log.push_back("dblclick"); };
  MouseTo(form.label->ClientToScreen({10, 10}));
  Button(MOUSEEVENTF_LEFTDOWN);
  Button(MOUSEEVENTF_LEFTUP);
  Button(MOUSEEVENTF_LEFTDOWN);
  Button(MOUSEEVENTF_LEFTUP);
  // A double click first delivers a click.
  EXPECT_EQ(log, (std::vector<std::string>{"click", "dblclick"}));
  // A press elsewhere released over the label is not a click.
  log.clear();
  Wait(GetDoubleClickTime() + 50);
  MouseTo(form.ClientToScreen({380 - 20, 250}));
  Button(MOUSEEVENTF_LEFTDOWN);
  MouseTo(form.label->ClientToScreen({10, 10}));
  Button(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(log.empty()) << (log.empty() ? "" : log[0]);
}

void CALLBACK CancelMenu(HWND, UINT, UINT_PTR id, DWORD) {
  HWND popup = FindWindowA("#32768", nullptr);
  if (!popup || !IsWindowVisible(popup)) return;
  KillTimer(nullptr, id);
  EndMenu();
}

TEST(Input, ARightClickPopsUpTheControlsMenu) {
  App();
  TListForm form(App());
  auto* menu = new fw::TPopupMenu(&form);
  menu->Items()->Add(fw::NewItem(&form, "copy", "拷贝当前路径到剪切板"));
  int popups = 0;
  menu->OnPopup = [&](fw::TObject*) { ++popups; };
  form.list->SetPopupMenu(menu);
  form.Show();
  SetForegroundWindow(form.Handle());
  Wait(100);
  SetTimer(nullptr, 0, 50, CancelMenu);
  MouseTo(form.list->ClientToScreen({30, 30}));
  Button(MOUSEEVENTF_RIGHTDOWN);
  Button(MOUSEEVENTF_RIGHTUP);
  Wait(100);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(menu->PopupComponent(), form.list);
  // Without automatic pop-up nothing opens.
  menu->SetAutoPopup(false);
  Button(MOUSEEVENTF_RIGHTDOWN);
  Button(MOUSEEVENTF_RIGHTUP);
  Wait(100);
  EXPECT_EQ(popups, 1);
}

TEST(Hints, ControlsWithShowHintGetAToolThatFollowsTheHint) {
  App();
  TListForm form(App());
  form.Show();
  form.list->SetHint("D:\\软件|long part");
  EXPECT_FALSE(fw::HintManager::HasTool(form.list));  // ShowHint off
  form.list->SetShowHint(true);
  ASSERT_TRUE(fw::HintManager::HasTool(form.list));
  HWND tip = fw::HintManager::TipWindow();
  auto text_of = [&](HWND host, UINT_PTR id, bool windowed) {
    char buf[256] = {};
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = windowed ? TTF_IDISHWND : 0;
    ti.hwnd = host;
    ti.uId = id;
    ti.lpszText = buf;
    SendMessageA(tip, TTM_GETTEXTA, sizeof buf, reinterpret_cast<LPARAM>(&ti));
    return std::string(buf);
  };
  HWND list = form.list->Handle();
  EXPECT_EQ(text_of(list, reinterpret_cast<UINT_PTR>(list), true), "D:\\软件");  // the short part
  form.list->SetHint("E:\\工具");
  EXPECT_EQ(text_of(list, reinterpret_cast<UINT_PTR>(list), true), "E:\\工具");
  form.label->SetHint("双击复制");
  form.label->SetShowHint(true);
  EXPECT_TRUE(fw::HintManager::HasTool(form.label));
  form.list->SetHint("");
  EXPECT_FALSE(fw::HintManager::HasTool(form.list));
  delete form.label;
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
}

TEST(Forms, CloseActionsDecideWhatHappens) {
  App();
  auto* form = new TListForm(App());
  form->Show();
  fw::TCloseAction next = fw::TCloseAction::caNone;
  int closes = 0;
  form->OnClose = [&](fw::TObject*, fw::TCloseAction& action) {
    EXPECT_EQ(action, fw::TCloseAction::caHide);  // the default for a form that is not the main form
    action = next;
    ++closes;
  };
  SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form->Visible());
  next = fw::TCloseAction::caHide;
  SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  form->Show();
  next = fw::TCloseAction::caFree;
  HWND h = form->Handle();
  int forms = fw::Screen->FormCount();
  SendMessageA(h, WM_CLOSE, 0, 0);
  Wait(50);  // freed once the waiting messages are handled
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(fw::Screen->FormCount(), forms - 1);
  EXPECT_EQ(closes, 3);
}

TEST(Forms, OnCreateRunsAfterTheControlsExistAndLoadedRunsFirst) {
  App();
  std::vector<std::string> log;
  struct Probe : fw::TComponent {
    std::vector<std::string>* log;
    Probe(fw::TComponent* o, std::vector<std::string>* l) : fw::TComponent(o), log(l) {}
    void Loaded() override { log->push_back("loaded"); }
  };
  auto* form = new TListForm(App());
  new Probe(form, &log);
  form->OnCreate = [&](fw::TObject*) {
    log.push_back(form->list ? "create with list" : "create");
    EXPECT_FALSE(form->HandleAllocated());  // before the window: sizes set here are used by it
  };
  form->AfterConstruction();
  EXPECT_EQ(log, (std::vector<std::string>{"loaded", "create with list"}));
  delete form;
}

TEST(ApplicationWindow, HooksSeeItsMessagesAndMinimiseComesFromTheMainForm) {
  fw::TApplication* app = App();
  TListForm* form = nullptr;
  bool first = app->MainForm() == nullptr;
  app->CreateForm(form);
  if (!first) GTEST_SKIP() << "needs to be the first form";
  form->Show();
  std::vector<WPARAM> syscommands;
  int id = app->HookMainWindow([&](fw::TMessage& m) {
    if (m.Msg == WM_SYSCOMMAND) syscommands.push_back(m.WParam & 0xFFF0);
    return false;
  });
  SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_EQ(syscommands, std::vector<WPARAM>{SC_MINIMIZE});
  EXPECT_TRUE(IsIconic(app->Handle()));
  EXPECT_FALSE(IsWindowVisible(form->Handle()));  // owned windows hide with their owner
  app->Restore();
  EXPECT_FALSE(IsIconic(app->Handle()));
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  app->UnhookMainWindow(id);
  SendMessageA(app->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(syscommands.size(), 1u);
  app->Restore();
  // A hook that answers true ends the message's handling.
  id = app->HookMainWindow([](fw::TMessage& m) { return m.Msg == WM_SYSCOMMAND; });
  SendMessageA(app->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_FALSE(IsIconic(app->Handle()));
  app->UnhookMainWindow(id);
}

TEST(Keys, TabMovesFocusAndEnterPressesTheDefaultButton) {
  App();
  TListForm form(App());
  auto* edit = new fw::TEdit(&form);
  edit->SetParent(&form);
  edit->SetBounds(240, 60, 100, 24);
  auto* ok = new fw::TButton(&form);
  ok->SetParent(&form);
  ok->SetBounds(240, 100, 75, 25);
  ok->SetDefault(true);
  int pressed = 0;
  ok->OnClick = [&](fw::TObject*) { ++pressed; };
  form.Show();
  SetForegroundWindow(form.Handle());
  form.list->SetFocus();
  auto key = [](WORD vk) {
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
  };
  auto handle = [](int ms) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < static_cast<DWORD>(ms)) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        fw::TCustomForm* f = nullptr;
        for (HWND h = msg.hwnd; h && !f; h = GetParent(h)) f = dynamic_cast<fw::TCustomForm*>(fw::FindControl(h));
        if (f && f->DialogKey(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      Sleep(5);
    }
  };
  key(VK_TAB);
  handle(100);
  EXPECT_TRUE(edit->Focused());
  key(VK_RETURN);
  handle(100);
  EXPECT_EQ(pressed, 1);
}

}  // namespace
