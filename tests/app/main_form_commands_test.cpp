// The main window's commands in-process over fake core services: what the list box and the menu
// ticks show after each command, clicks and copies, drag and drop with real mouse input, apply and
// restore, and a close whose save fails.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "core_fakes.h"

namespace {

using Entries = std::vector<std::string>;

std::string SettingsPath() {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, sizeof exe);
  std::string path = exe;
  return path.substr(0, path.rfind('\\')) + "\\set";
}

void Pump(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  } while (GetTickCount() - start < ms);
}

// The program's main window over fakes; the log of its start-up is kept apart.
struct Program {
  fakes::CoreWorld world;
  fw::TApplication application;
  fakes::Log startLog;
  Program() {
    app::TForm1::ServiceOverrides = {&world.registry, &world.ui, &world.ui, &world.ui,
                                     &world.ui,       &world.ui, &world.fs};
    application.Initialize();
    application.SetTitle("Talvik软件安装路径修改器2.1");
    application.CreateForm(app::Form1);
    app::Form1->Show();
    SetForegroundWindow(app::Form1->Handle());
    Pump(100);
    startLog = world.log;
    world.log.clear();
  }
};

Program& P() {
  static Program* p = new Program();
  return *p;
}

app::TForm1& F() { return *app::Form1; }

// Loads a settings file through the file menu's command.
void Load(const std::string& bytes) {
  P().world.fs.files[SettingsPath()] = bytes;
  F().diaoruClick(nullptr);
}

Entries Shown() { return F().ListBox1->Items()->Items(); }

void Menu(fw::TMenuItem* item) { SendMessageA(F().Handle(), WM_COMMAND, item->Command(), 0); }

// Selects an entry as the keyboard does: the selection, then the list's notification.
void Select(int index) {
  HWND list = F().ListBox1->Handle();
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(F().Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

POINT g_mouse{};
void MouseInput(POINT screen, DWORD flags) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((static_cast<int64_t>(screen.x) * 65536 + w - 1) / w);
  in.mi.dy = static_cast<LONG>((static_cast<int64_t>(screen.y) * 65536 + h - 1) / h);
  in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
  g_mouse = screen;
  Pump(40);
}

// Drags entry `from` with the mouse and drops it on entry `to`.
void Drag(int from, int to) {
  const int row = F().ListBox1->ItemHeight();
  const POINT a = F().ListBox1->ClientToScreen({30, from * row + row / 2});
  const POINT b = F().ListBox1->ClientToScreen({40, to * row + row / 2});
  MouseInput(a, 0);
  MouseInput(a, MOUSEEVENTF_LEFTDOWN);
  const int step = b.y >= a.y ? 5 : -5;
  for (int y = a.y; step > 0 ? y <= b.y : y >= b.y; y += step) MouseInput({b.x, y}, 0);
  MouseInput(b, 0);
  MouseInput(b, MOUSEEVENTF_LEFTUP);
}

TEST(MainFormCommands, StartUpReadsTheRegistryWithoutWritingAndSaysTheSettingsFileIsMissing) {
  const fakes::Log& log = P().startLog;
  EXPECT_EQ(log, (fakes::Log{"open", "query:ProgramFilesDir", "close",
                             "error:设置文件不存在,无法读取  " + SettingsPath()}));
  EXPECT_EQ(P().world.registry.openedAccess, 0xF003Fu);
  EXPECT_EQ(F().LabeledEdit1->Text(), "C:\\Program Files");
  EXPECT_TRUE(F().zidonghuifu->Checked());
  EXPECT_TRUE(F().mycopy->Checked());
  EXPECT_TRUE(Shown().empty());
}

TEST(MainFormCommands, LoadShowsEntriesAndTickAndSaveWritesWhatTheMenuShows) {
  Load("0\r\nA\r\n\r\nB\r\n");
  EXPECT_EQ(Shown(), (Entries{"A", "", "B"}));
  EXPECT_EQ(F().ListBox1->ItemIndex(), 2);
  EXPECT_FALSE(F().zidonghuifu->Checked());
  Menu(F().zidonghuifu);  // ticks itself
  Menu(F().baocun);
  EXPECT_EQ(P().world.fs.files[SettingsPath()], "1\r\nA\r\n\r\nB\r\n");
}

TEST(MainFormCommands, DamagedSettingsFileLeavesListAndTickAsTheyWere) {
  Load("1\r\nA\r\n");
  P().world.log.clear();
  Load("abc\r\nX\r\n");
  EXPECT_EQ(Shown(), (Entries{"A"}));
  EXPECT_TRUE(F().zidonghuifu->Checked());
  ASSERT_EQ(P().world.Only("report:").size(), 1u);
  EXPECT_EQ(P().world.Only("report:")[0].rfind("report:Invalid numeric input", 0), 0u);
}

TEST(MainFormCommands, ClickSetsHintAndCopiesOnlyWhenTickedPopupCopyAlwaysCopies) {
  Load("1\r\nA\r\nB\r\n");
  P().world.log.clear();
  Select(0);
  EXPECT_EQ(F().ListBox1->Hint(), "A");
  Menu(F().mycopy);  // unticks
  ASSERT_FALSE(F().mycopy->Checked());
  Select(1);
  EXPECT_EQ(F().ListBox1->Hint(), "B");
  Menu(F().N25);
  EXPECT_FALSE(F().mycopy->Checked());  // the copy command leaves the option as it was
  EXPECT_EQ(P().world.Only("clip:"), (fakes::Log{"clip:A", "clip:B"}));
  Menu(F().mycopy);
}

TEST(MainFormCommands, AddModifyAndDeleteChangeWhatTheListShows) {
  Load("1\r\nA\r\n");
  P().world.ui.chooserAnswers = {"E:\\新", "F:\\改"};
  P().world.log.clear();
  F().zenjiaClick(nullptr);
  EXPECT_EQ(Shown(), (Entries{"A", "E:\\新"}));
  EXPECT_EQ(F().ListBox1->ItemIndex(), 1);
  Select(0);
  Menu(F().N22);
  EXPECT_EQ(Shown(), (Entries{"F:\\改", "E:\\新"}));
  EXPECT_EQ(P().world.Only("choose:"), (fakes::Log{"choose:增加软件安装路径，请选择一个目录|",
                                                   "choose:修改软件安装路径，请选择一个目录|E:\\新"}));
  F().zenjiaClick(nullptr);  // cancelled
  EXPECT_EQ(Shown().size(), 2u);
  Select(0);
  F().N3Click(nullptr);
  EXPECT_EQ(Shown(), (Entries{"E:\\新"}));
  EXPECT_EQ(F().ListBox1->ItemIndex(), 0);
  Menu(F().N9);
  EXPECT_TRUE(Shown().empty());
}

TEST(MainFormCommands, DraggedEntryLandsBeforeTheEntryDroppedOn) {
  struct Case {
    int from, to;
    Entries after;
    int selected;
  } cases[] = {
      {2, 0, {"C", "A", "B"}, 0},
      {0, 2, {"B", "A", "C"}, 1},
      {0, 1, {"A", "B", "C"}, 0},
  };
  for (const Case& c : cases) {
    Load("1\r\nA\r\nB\r\nC\r\n");
    Drag(c.from, c.to);
    EXPECT_EQ(Shown(), c.after) << c.from << " onto " << c.to;
    EXPECT_EQ(F().ListBox1->ItemIndex(), c.selected) << c.from << " onto " << c.to;
  }
}

TEST(MainFormCommands, ApplyWritesTheEntryAndRestorePutsTheStartValueBack) {
  P().world.fs.folders.insert("D:\\Apps");
  Load("1\r\nD:\\Apps\r\nD:\\没有\r\n");
  P().world.log.clear();
  Select(1);
  F().ProgramFiles1Click(nullptr);
  EXPECT_EQ(P().world.Only("error:"), (fakes::Log{"error:你选择的安装路径不存在，请修改安装路径，D:\\没有"}));
  Select(0);
  F().ProgramFiles1Click(nullptr);
  EXPECT_EQ(P().world.registry.value.text, "D:\\Apps");
  EXPECT_EQ(F().LabeledEdit1->Text(), "D:\\Apps");
  EXPECT_EQ(P().world.Only("notify:"), (fakes::Log{"notify:8000000/0", "notify:7FFFFFFF/1000"}));
  Menu(F().huifuyuanlai);
  EXPECT_EQ(P().world.registry.value.text, "C:\\Program Files");
  EXPECT_EQ(F().LabeledEdit1->Text(), "C:\\Program Files");
}

TEST(MainFormCommands, DoubleClickMinimisesTheApplicationOnlyWithASelection) {
  auto dblclick = [] {
    HWND list = F().ListBox1->Handle();
    SendMessageA(F().Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list));
    Pump(50);
  };
  Menu(F().N9);
  dblclick();
  EXPECT_FALSE(IsIconic(P().application.Handle()));
  Load("1\r\nA\r\n");
  dblclick();
  EXPECT_TRUE(IsIconic(P().application.Handle()));
  EXPECT_FALSE(IsWindowVisible(F().Handle()));
  P().application.Restore();
  Pump(100);
  EXPECT_TRUE(IsWindowVisible(F().Handle()));
  SetForegroundWindow(F().Handle());
}

// Last: the second close ends the application.
TEST(MainFormCommands, CloseWhoseSaveFailsKeepsTheWindowOpenAndTheNextCloseRunsAgain) {
  Load("1\r\nA\r\n");
  P().world.fs.failReplace[SettingsPath()] = {core::IoError::AccessDenied, 5};
  P().world.log.clear();
  F().Close();
  EXPECT_FALSE(P().application.Terminated());
  EXPECT_TRUE(IsWindowVisible(F().Handle()));
  EXPECT_EQ(P().world.Only("report:"), (fakes::Log{"report:File access denied"}));
  P().world.fs.failReplace.clear();
  F().Close();
  EXPECT_TRUE(P().application.Terminated());
  EXPECT_EQ(P().world.Only("set:").size(), 2u);  // the restore ran at both closes
  EXPECT_EQ(P().world.fs.files[SettingsPath()], "1\r\nA\r\n");
}

}  // namespace
