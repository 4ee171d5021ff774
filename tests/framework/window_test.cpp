// Windows of framework controls: class names, the property that leads back to the control, the
// shared window procedure, the general error report and timers.
#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/test_app.h"  // tests/framework

namespace {

using fwtest::App;

class TProbeForm : public fw::TForm {
  FW_CLASS()
 public:
  explicit TProbeForm(fw::TComponent* owner) : fw::TForm(owner) {
    SetBounds(10, 10, 300, 200);
    list = new fw::TListBox(this);
    list->SetName("List1");
    list->SetParent(this);
    list->SetBounds(10, 10, 120, 100);
    panel = new fw::TPanel(this);
    panel->SetParent(this);
    panel->SetBounds(140, 10, 120, 100);
    label = new fw::TLabel(this);
    label->SetParent(panel);
    label->SetBounds(5, 5, 60, 20);
    label->SetCaption("标签");
  }
  fw::TListBox* list;
  fw::TPanel* panel;
  fw::TLabel* label;
};
FW_DEFINE_CLASS(TProbeForm, fw::TForm)

std::string WindowClass(HWND h) {
  char buf[128] = {};
  GetClassNameA(h, buf, sizeof buf);
  return buf;
}

TEST(Window, ClassNamesFollowTheFrameworkClasses) {
  App();
  TProbeForm form(App());
  form.Show();
  EXPECT_EQ(WindowClass(form.Handle()), "TProbeForm");
  EXPECT_EQ(WindowClass(form.list->Handle()), "TListBox");
  EXPECT_EQ(WindowClass(form.panel->Handle()), "TPanel");
  EXPECT_EQ(WindowClass(App()->Handle()), "TApplication");
  // Forms belong to the application window, which carries the taskbar button.
  EXPECT_EQ(GetWindow(form.Handle(), GW_OWNER), App()->Handle());
}

TEST(Window, FindControlGoesFromAnyFrameworkWindowToItsControl) {
  App();
  TProbeForm form(App());
  form.Show();
  char expected[64];
  snprintf(expected, sizeof expected, "ControlOfs%.8X%.8X",
           static_cast<unsigned>(reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr))),
           static_cast<unsigned>(GetCurrentThreadId()));
  EXPECT_EQ(fw::ControlAtomName(), expected);
  // Any code can read the property by name, as the skin engine does.
  EXPECT_EQ(GetPropA(form.list->Handle(), expected), static_cast<void*>(form.list));
  EXPECT_EQ(fw::FindControl(form.list->Handle()), form.list);
  EXPECT_EQ(fw::FindControl(form.panel->Handle()), form.panel);
  EXPECT_EQ(fw::FindControl(App()->Handle()), nullptr);
  EXPECT_EQ(fw::FindControl(GetDesktopWindow()), nullptr);
  EXPECT_EQ(fw::FindVCLForm(form.Handle()), &form);
  EXPECT_EQ(fw::FindVCLForm(form.list->Handle()), form.list);
  EXPECT_EQ(fw::FindVCLForm(nullptr), nullptr);
  // The screen lists the open forms.
  bool listed = false;
  for (int i = 0; i < fw::Screen->FormCount(); ++i) listed |= fw::Screen->Forms(i) == &form;
  EXPECT_TRUE(listed);
}

TEST(Window, DestroyingAControlRemovesItsWindowAndProperty) {
  App();
  TProbeForm form(App());
  form.Show();
  HWND list = form.list->Handle();
  delete form.list;
  EXPECT_FALSE(IsWindow(list));
  EXPECT_EQ(form.ControlCount(), 1);
}

TEST(Window, ASwappedWindowProcSeesMessagesFirstAndCanPassThemOn) {
  App();
  TProbeForm form(App());
  form.Show();
  fw::TWndMethod old = form.list->WindowProc;
  int seen = 0;
  form.list->WindowProc = [&](fw::TMessage& m) {
    if (m.Msg == 0x3523) {  // answered here, never reaches the control
      m.Result = 1;
      ++seen;
      return;
    }
    old(m);
  };
  EXPECT_EQ(SendMessageA(form.list->Handle(), 0x3523, 0, 0), 1);
  EXPECT_EQ(seen, 1);
  form.list->Items()->Add("甲");
  EXPECT_EQ(SendMessageA(form.list->Handle(), LB_GETCOUNT, 0, 0), 1);
  form.list->WindowProc = old;
}

TEST(Window, BoundsFollowTheWindowAndResizeFiresOnResize) {
  App();
  TProbeForm form(App());
  int resized = 0;
  form.OnResize = [&](fw::TObject*) { ++resized; };
  form.Show();
  resized = 0;
  SetWindowPos(form.Handle(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(form.Width(), 400);
  EXPECT_EQ(form.Height(), 300);
  EXPECT_EQ(resized, 1);
  form.list->SetWidth(200);
  RECT r;
  GetWindowRect(form.list->Handle(), &r);
  EXPECT_EQ(r.right - r.left, 200);
}

TEST(Window, AnExceptionInAHandlerReachesTheErrorReportAndTheProgramGoesOn) {
  App();
  TProbeForm form(App());
  auto* button = new fw::TButton(&form);
  button->SetParent(&form);
  int clicks = 0;
  button->OnClick = [&](fw::TObject*) {
    ++clicks;
    throw std::runtime_error("无法写入文件");
  };
  form.Show();
  std::string reported;
  fw::TObject* sender = nullptr;
  App()->OnException = [&](fw::TObject* s, const std::string& text) {
    reported = text;
    sender = s;
  };
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(reported, "无法写入文件");
  EXPECT_EQ(sender, &form);  // the control whose window was handling the message
  // The window still works: a second click is handled and reported again.
  reported.clear();
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(reported, "无法写入文件");
  App()->OnException = nullptr;
}

// The default report is a message box with the text and the application title as caption.
std::string g_box_caption, g_box_text;
void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = FindWindowA("#32770", nullptr);
  if (!box) return;
  char buf[256] = {};
  GetWindowTextA(box, buf, sizeof buf);
  g_box_caption = buf;
  HWND text = GetDlgItem(box, 0xFFFF);
  if (text) {
    GetWindowTextA(text, buf, sizeof buf);
    g_box_text = buf;
  }
  KillTimer(nullptr, id);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(Window, TheDefaultErrorReportIsAMessageBoxCaptionedWithTheTitle) {
  App();
  g_box_caption.clear();
  g_box_text.clear();
  SetTimer(nullptr, 0, 50, CloseMessageBox);
  App()->HandleException(nullptr, "磁盘已满");
  EXPECT_EQ(g_box_caption, "框架测试");
  EXPECT_EQ(g_box_text, "磁盘已满");
}

TEST(Window, TimersTickWhileEnabledAndStopWhenDisabled) {
  App();
  fw::TComponent owner(nullptr);
  auto* timer = new fw::TTimer(&owner);
  timer->SetInterval(10);
  int ticks = 0;
  timer->OnTimer = [&](fw::TObject* sender) {
    EXPECT_EQ(sender, timer);
    if (++ticks == 3) timer->SetEnabled(false);
  };
  EXPECT_TRUE(fwtest::PumpUntil([&] { return ticks >= 3; }));
  // Disabled: nothing more arrives.
  fwtest::PumpUntil([] { return false; }, 100);
  EXPECT_EQ(ticks, 3);
  // A timer created disabled does not tick until enabled.
  auto* later = new fw::TTimer(&owner);
  later->SetEnabled(false);
  later->SetInterval(10);
  int later_ticks = 0;
  later->OnTimer = [&](fw::TObject*) { ++later_ticks; };
  fwtest::PumpUntil([] { return false; }, 60);
  EXPECT_EQ(later_ticks, 0);
  later->SetEnabled(true);
  EXPECT_TRUE(fwtest::PumpUntil([&] { return later_ticks > 0; }));
}

TEST(Window, AnExceptionInATimerIsReportedAndTheTimerGoesOn) {
  App();
  fw::TComponent owner(nullptr);
  auto* timer = new fw::TTimer(&owner);
  timer->SetInterval(10);
  int ticks = 0, reports = 0;
  timer->OnTimer = [&](fw::TObject*) {
    ++ticks;
    throw std::runtime_error("tick");
  };
  App()->OnException = [&](fw::TObject*, const std::string&) { ++reports; };
  EXPECT_TRUE(fwtest::PumpUntil([&] { return ticks >= 2; }));
  EXPECT_EQ(reports, ticks);
  App()->OnException = nullptr;
}

}  // namespace

namespace {

TEST(Window, AltCharactersReachTheFormAsDialogCharFirst) {
  App();
  TProbeForm form(App());
  form.Show();
  std::vector<WPARAM> chars;
  fw::TWndMethod old = form.WindowProc;
  form.WindowProc = [&](fw::TMessage& m) {
    if (m.Msg == fw::CM_DIALOGCHAR) {
      chars.push_back(m.WParam);
      m.Result = m.WParam == 'f';  // takes 'f' only
      return;
    }
    old(m);
  };
  SendMessageA(form.list->Handle(), WM_SYSCHAR, 'f', 0);
  SendMessageA(form.list->Handle(), WM_SYSCHAR, 'x', 0);
  EXPECT_EQ(chars, (std::vector<WPARAM>{'f', 'x'}));
  form.WindowProc = old;
  EXPECT_EQ(fw::GetParentForm(form.label), &form);
  EXPECT_EQ(fw::GetParentForm(nullptr), nullptr);
}

TEST(Window, AnExceptionInOnCreateIsReportedAndTheFormStillOpens) {
  App();
  struct TFailing : fw::TForm {
    explicit TFailing(fw::TComponent* owner) : fw::TForm(owner) {
      OnCreate = [](fw::TObject*) { throw std::runtime_error("设置文件读取出错"); };
    }
  };
  std::string reported;
  App()->OnException = [&](fw::TObject*, const std::string& text) { reported = text; };
  TFailing* form = nullptr;
  App()->CreateForm(form);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(reported, "设置文件读取出错");
  form->Show();
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  App()->OnException = nullptr;
  delete form;
}

TEST(Window, PlainMessagesCarryTheTitle) {
  App();
  g_box_caption.clear();
  g_box_text.clear();
  SetTimer(nullptr, 0, 50, CloseMessageBox);
  fw::ShowMessage("文件不存在  D:\\帮助\\帮助.txt");
  EXPECT_EQ(g_box_caption, "框架测试");
  EXPECT_EQ(g_box_text, "文件不存在  D:\\帮助\\帮助.txt");
}

TEST(Window, IconsAreCopiedWhenAssigned) {
  HICON source = LoadIconA(nullptr, IDI_APPLICATION);
  fw::TIcon icon;
  int changes = 0;
  icon.OnChange = [&] { ++changes; };
  icon.AssignHandle(source);
  ASSERT_FALSE(icon.Empty());
  EXPECT_NE(icon.Handle(), source);
  fw::TIcon other;
  other.Assign(icon);
  EXPECT_NE(other.Handle(), icon.Handle());
  ICONINFO info{};
  EXPECT_TRUE(GetIconInfo(other.Handle(), &info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  icon.SetHandle(nullptr);
  EXPECT_TRUE(icon.Empty());
  EXPECT_EQ(changes, 2);
}

}  // namespace
