// The tray icon component driven as the shell drives it: callback messages to its notify window,
// "TaskbarCreated", and the records it hands to the shell (watched through the shell seam).
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/test_app.h"
#include "tray/cn_tray_icon.h"

namespace {

struct ShellCall {
  DWORD message;
  DWORD size;
  UINT flags;
  HWND window;
  UINT id;
  UINT callback;
  HICON icon;
  std::string tip;
};

std::vector<ShellCall> g_calls;
BOOL g_shell_accepts = TRUE;

const UINT kCallback = RegisterWindowMessageA("CnTrayIcon");
const UINT kTaskbarCreated = RegisterWindowMessageA("TaskbarCreated");

const char* ButtonName(fw::TMouseButton b) {
  switch (b) {
    case fw::TMouseButton::mbLeft: return "L";
    case fw::TMouseButton::mbRight: return "R";
    case fw::TMouseButton::mbMiddle: return "M";
  }
  return "?";
}

// The application's main form, needed by hide and restore.
fw::TForm* MainForm() {
  static fw::TForm* form = [] {
    fw::TForm* f = nullptr;
    fwtest::App()->CreateForm(f);
    f->SetCaption("托盘测试");
    f->SetBounds(100, 100, 300, 200);
    return f;
  }();
  return form;
}

class TrayIconTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MainForm();
    previous_ = tray::SetShellNotify([](DWORD message, NOTIFYICONDATAA* d) {
      g_calls.push_back({message, d->cbSize, d->uFlags, d->hWnd, d->uID, d->uCallbackMessage, d->hIcon, d->szTip});
      return message == NIM_ADD ? g_shell_accepts : TRUE;
    });
    g_shell_accepts = TRUE;
    owner_ = std::make_unique<fw::TComponent>(nullptr);
    icon_ = new tray::TCnTrayIcon(owner_.get());
    icon_->SetHint("路径修改器|长的说明");
    icon_->Icon()->AssignHandle(LoadIcon(nullptr, IDI_APPLICATION));
    icon_->OnClick = [this](fw::TObject*, fw::TMouseButton b, fw::TShiftState, int, int) {
      log_.push_back(std::string("click ") + ButtonName(b));
    };
    icon_->OnDblClick = [this](fw::TObject*) { log_.push_back("dblclick"); };
    icon_->OnMouseDown = [this](fw::TObject*, fw::TMouseButton b, fw::TShiftState, int, int) {
      log_.push_back(std::string("down ") + ButtonName(b));
    };
    icon_->OnMouseUp = [this](fw::TObject*, fw::TMouseButton b, fw::TShiftState, int, int) {
      log_.push_back(std::string("up ") + ButtonName(b));
    };
    icon_->OnMouseMove = [this](fw::TObject*, fw::TShiftState, int, int) { log_.push_back("move"); };
    owner_->NotifyLoaded();
    g_calls.clear();
  }
  void TearDown() override {
    owner_.reset();
    tray::SetShellNotify(previous_);
  }
  void Send(LPARAM what) { SendMessageA(icon_->NotifyWindow(), kCallback, 0, what); }
  std::vector<DWORD> Messages() const {
    std::vector<DWORD> out;
    for (const ShellCall& c : g_calls) out.push_back(c.message);
    return out;
  }

  tray::TShellNotify previous_;
  std::unique_ptr<fw::TComponent> owner_;
  tray::TCnTrayIcon* icon_ = nullptr;
  std::vector<std::string> log_;
};

using Log = std::vector<std::string>;
using Msgs = std::vector<DWORD>;

TEST_F(TrayIconTest, AddsTheShortestRecordWithTipAndCallback) {
  EXPECT_TRUE(icon_->IconAdded());
  icon_->SetActive(false);
  icon_->SetActive(true);
  ASSERT_EQ(Messages(), (Msgs{NIM_DELETE, NIM_DELETE, NIM_ADD, NIM_MODIFY}));
  const ShellCall& add = g_calls[2];
  EXPECT_EQ(add.size, NOTIFYICONDATAA_V1_SIZE);
  if (sizeof(void*) == 4) {
    EXPECT_EQ(add.size, 88u);
  }
  EXPECT_EQ(add.flags, 0x17u);
  EXPECT_EQ(add.window, icon_->NotifyWindow());
  EXPECT_EQ(add.id, 0u);
  EXPECT_EQ(add.callback, kCallback);
  EXPECT_EQ(add.icon, icon_->Icon()->Handle());
  EXPECT_EQ(add.tip, "路径修改器");
  EXPECT_EQ(g_calls[3].tip, "路径修改器");
  EXPECT_TRUE(icon_->IconAdded());
}

TEST_F(TrayIconTest, ActiveFalseRemovesAtOnceAndTrueBringsItBack) {
  icon_->SetActive(false);
  EXPECT_EQ(Messages(), (Msgs{NIM_DELETE}));
  EXPECT_FALSE(icon_->IconAdded());
  icon_->SetActive(false);  // no change, nothing happens
  EXPECT_EQ(Messages(), (Msgs{NIM_DELETE}));
  // While inactive neither the taskbar's return nor a new hint adds it.
  SendMessageA(icon_->NotifyWindow(), kTaskbarCreated, 0, 0);
  icon_->SetHint("别的");
  EXPECT_EQ(Messages(), (Msgs{NIM_DELETE}));
  icon_->SetActive(true);
  EXPECT_EQ(Messages().back(), static_cast<DWORD>(NIM_MODIFY));
  EXPECT_TRUE(icon_->IconAdded());
  EXPECT_EQ(g_calls.back().tip, "别的");
}

TEST_F(TrayIconTest, TaskbarCreatedAddsTheIconAgainWithTheSameTip) {
  SendMessageA(icon_->NotifyWindow(), kTaskbarCreated, 0, 0);
  ASSERT_EQ(Messages(), (Msgs{NIM_DELETE, NIM_ADD, NIM_MODIFY}));
  EXPECT_EQ(g_calls[1].tip, "路径修改器");
  EXPECT_EQ(g_calls[1].icon, icon_->Icon()->Handle());
}

TEST_F(TrayIconTest, FailedAddWaitsForTheTaskbar) {
  g_shell_accepts = FALSE;
  icon_->SetActive(false);
  icon_->SetActive(true);
  EXPECT_FALSE(icon_->IconAdded());
  EXPECT_EQ(Messages(), (Msgs{NIM_DELETE, NIM_DELETE, NIM_ADD}));  // no modify after a failed add
  g_shell_accepts = TRUE;
  SendMessageA(icon_->NotifyWindow(), kTaskbarCreated, 0, 0);
  EXPECT_TRUE(icon_->IconAdded());
}

TEST_F(TrayIconTest, EmptyImageNeverReachesTheShell) {
  icon_->Icon()->SetHandle(nullptr);
  EXPECT_EQ(Messages(), (Msgs{NIM_DELETE}));
  EXPECT_FALSE(icon_->IconAdded());
  icon_->SetActive(false);
  icon_->SetActive(true);
  SendMessageA(icon_->NotifyWindow(), kTaskbarCreated, 0, 0);
  for (const ShellCall& c : g_calls) EXPECT_NE(c.message, static_cast<DWORD>(NIM_ADD));
  icon_->Icon()->AssignHandle(LoadIcon(nullptr, IDI_APPLICATION));  // an image again: added
  EXPECT_TRUE(icon_->IconAdded());
}

TEST_F(TrayIconTest, HintChangeModifiesWithTheCutTip) {
  icon_->SetHint(std::string(70, 'x'));
  ASSERT_EQ(Messages(), (Msgs{NIM_MODIFY}));
  EXPECT_EQ(g_calls[0].tip, std::string(63, 'x'));
  icon_->SetHint(std::string(70, 'x'));  // same text: nothing sent
  EXPECT_EQ(g_calls.size(), 1u);
}

TEST_F(TrayIconTest, UseAppIconCopiesTheApplicationsIcon) {
  icon_->Icon()->SetHandle(nullptr);
  g_calls.clear();
  icon_->SetUseAppIcon(true);
  EXPECT_TRUE(icon_->UseAppIcon());
  ASSERT_FALSE(icon_->Icon()->Empty());
  EXPECT_NE(icon_->Icon()->Handle(), fwtest::App()->Icon());  // a copy, the application keeps its own
  EXPECT_EQ(Messages(), (Msgs{NIM_DELETE, NIM_ADD, NIM_MODIFY}));
}

struct MouseCase {
  const char* name;
  std::vector<LPARAM> messages;
  Log events;
};

TEST_F(TrayIconTest, MouseNotificationsBecomeEvents) {
  const MouseCase cases[] = {
      {"left click", {WM_LBUTTONDOWN, WM_LBUTTONUP}, {"down L", "click L", "up L"}},
      {"middle click", {WM_MBUTTONDOWN, WM_MBUTTONUP}, {"down M", "click M", "up M"}},
      {"right click without a menu", {WM_RBUTTONDOWN, WM_RBUTTONUP}, {"down R", "click R", "up R"}},
      {"pressed outside, released over the icon", {WM_LBUTTONUP}, {"up L"}},
      {"double-click: one click, one double-click",
       {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP},
       {"down L", "click L", "up L", "dblclick", "down L", "up L"}},
      {"right double-click", {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_RBUTTONUP},
       {"down R", "click R", "up R", "dblclick", "down R", "up R"}},
      {"release of another button is no click", {WM_LBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONUP},
       {"down L", "up R", "up M"}},
      {"move", {WM_MOUSEMOVE}, {"move"}},
      {"other notifications", {WM_KEYDOWN, 0x400}, {}},
  };
  for (const MouseCase& c : cases) {
    SCOPED_TRACE(c.name);
    log_.clear();
    icon_->SetActive(false);  // every remove clears the pressed buttons
    icon_->SetActive(true);
    for (LPARAM m : c.messages) Send(m);
    EXPECT_EQ(log_, c.events);
  }
}

TEST_F(TrayIconTest, PressBeforeReAddIsNoClickAfterIt) {
  Send(WM_LBUTTONDOWN);
  EXPECT_EQ(icon_->PressedButtons(), static_cast<unsigned>(tray::pbLeft));
  SendMessageA(icon_->NotifyWindow(), kTaskbarCreated, 0, 0);
  EXPECT_EQ(icon_->PressedButtons(), 0u);
  log_.clear();
  Send(WM_LBUTTONUP);
  EXPECT_EQ(log_, (Log{"up L"}));
}

TEST_F(TrayIconTest, HandlerErrorsGoToTheGeneralReportAndTheIconGoesOn) {
  std::vector<std::string> reports;
  fwtest::App()->OnException = [&](fw::TObject*, const std::string& text) { reports.push_back(text); };
  icon_->OnClick = [](fw::TObject*, fw::TMouseButton, fw::TShiftState, int, int) {
    throw std::runtime_error("点击出错");
  };
  Send(WM_LBUTTONDOWN);
  Send(WM_LBUTTONUP);
  EXPECT_EQ(reports, (std::vector<std::string>{"点击出错"}));
  EXPECT_EQ(icon_->PressedButtons(), 0u);
  Send(WM_MOUSEMOVE);  // still listening
  EXPECT_EQ(log_, (Log{"down L", "move"}));
  fwtest::App()->OnException = nullptr;
}

TEST_F(TrayIconTest, DisabledIconIgnoresTheMouse) {
  icon_->SetEnabled(false);
  for (LPARAM m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE}) Send(m);
  EXPECT_TRUE(log_.empty());
}

// Ends the tray menu once it is on screen (or after a bound, so a test never hangs).
bool g_menu_seen = false;
int g_ticks = 0;
void CALLBACK EndMenuTimer(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = FindWindowA("#32768", nullptr);
  if (menu && IsWindowVisible(menu)) g_menu_seen = true;
  if (g_menu_seen || ++g_ticks > 50) {
    KillTimer(nullptr, id);
    EndMenu();
  }
}

struct RightClickCase {
  const char* name;
  bool with_menu;
  bool auto_popup;
  bool menu_shown;
  Log events;
};

TEST_F(TrayIconTest, RightClickOpensTheMenuInsteadOfAClick) {
  fw::TPopupMenu* menu = new fw::TPopupMenu(owner_.get());
  menu->Items()->Add(fw::NewItem(owner_.get(), "exit", "退出"));
  int popups = 0;
  menu->OnPopup = [&](fw::TObject*) { ++popups; };
  const RightClickCase cases[] = {
      {"menu", true, true, true, {"down R", "up R"}},
      {"automatic pop-up off", true, false, false, {"down R", "click R", "up R"}},
      {"no menu", false, true, false, {"down R", "click R", "up R"}},
  };
  for (const RightClickCase& c : cases) {
    SCOPED_TRACE(c.name);
    icon_->SetPopupMenu(c.with_menu ? menu : nullptr);
    menu->SetAutoPopup(c.auto_popup);
    log_.clear();
    popups = 0;
    g_menu_seen = false;
    g_ticks = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, EndMenuTimer);
    Send(WM_RBUTTONDOWN);
    Send(WM_RBUTTONUP);
    if (!c.menu_shown) KillTimer(nullptr, timer);
    EXPECT_EQ(log_, c.events);
    EXPECT_EQ(popups, c.menu_shown ? 1 : 0);
    EXPECT_EQ(g_menu_seen, c.menu_shown);
    if (c.menu_shown) {
      EXPECT_EQ(menu->PopupComponent(), icon_);
    }
  }
}

TEST_F(TrayIconTest, DoubleClickRunsTheEnabledDefaultItem) {
  fw::TPopupMenu* menu = new fw::TPopupMenu(owner_.get());
  int runs = 0;
  fw::TMenuItem* first = fw::NewItem(owner_.get(), "first", "一", [&](fw::TObject*) { runs += 1; });
  fw::TMenuItem* second = fw::NewItem(owner_.get(), "second", "二", [&](fw::TObject*) { runs += 10; });
  menu->Items()->Add(first);
  menu->Items()->Add(second);
  icon_->SetPopupMenu(menu);
  second->SetDefault(true);
  Send(WM_LBUTTONDBLCLK);
  EXPECT_EQ(runs, 10);
  EXPECT_EQ(log_, (Log{"down L"}));  // no OnDblClick: the item took it
  second->SetEnabled(false);
  log_.clear();
  Send(WM_LBUTTONDBLCLK);
  EXPECT_EQ(runs, 10);
  EXPECT_EQ(log_, (Log{"dblclick", "down L"}));
}

TEST_F(TrayIconTest, DestroyedMenuIsForgotten) {
  auto* menu = new fw::TPopupMenu(owner_.get());
  icon_->SetPopupMenu(menu);
  delete menu;
  EXPECT_EQ(icon_->PopupMenu(), nullptr);
  Send(WM_RBUTTONDOWN);
  Send(WM_RBUTTONUP);
  EXPECT_EQ(log_, (Log{"down R", "click R", "up R"}));
}

TEST_F(TrayIconTest, DestructionRemovesTheIcon) {
  HWND notify = icon_->NotifyWindow();
  delete icon_;
  icon_ = nullptr;
  EXPECT_EQ(Messages(), (Msgs{NIM_DELETE}));
  EXPECT_FALSE(IsWindow(notify));
}

TEST_F(TrayIconTest, HideToTrayAndRestoreFromTray) {
  fw::TApplication* app = fwtest::App();
  fw::TForm* form = MainForm();
  form->Show();
  fwtest::Pump();
  ASSERT_TRUE(IsWindowVisible(app->Handle()));
  icon_->HideToTray();
  fwtest::Pump();
  EXPECT_FALSE(IsWindowVisible(app->Handle()));  // no taskbar button
  EXPECT_TRUE(IsIconic(app->Handle()));
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  icon_->RestoreFromTray();
  fwtest::Pump();
  EXPECT_TRUE(IsWindowVisible(app->Handle()));
  EXPECT_FALSE(IsIconic(app->Handle()));
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(TrayIconTest, MinimiseHidesToTrayOnlyWithAutoHide) {
  fw::TApplication* app = fwtest::App();
  fw::TForm* form = MainForm();
  form->Show();
  for (bool auto_hide : {false, true}) {
    SCOPED_TRACE(auto_hide ? "AutoHide" : "no AutoHide");
    icon_->SetAutoHide(auto_hide);
    SendMessageA(app->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    fwtest::Pump();
    EXPECT_TRUE(IsIconic(app->Handle()));
    EXPECT_EQ(IsWindowVisible(app->Handle()) != FALSE, !auto_hide);
    icon_->RestoreFromTray();
    fwtest::Pump();
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(IsIconic(app->Handle()));
  }
}

}  // namespace
