// The install-path core in the real program, driven from outside: a prepared settings file, the
// list, applying an entry to ProgramFilesDir, the restore at close and the settings file written
// back; the missing-file and missing-folder messages; a damaged settings file kept as set.bak.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/program_driver.h"
#include "support/paths.h"
#include "support/screenshot.h"

namespace {

using driver::AppFolder;
using driver::MessageBoxInfo;
using driver::Program;

constexpr DWORD kWait = 20000;
constexpr int kToolButtonWidth = 71;
constexpr int kApplyButton = 1;  // "增加", "设定", "单项删除"

// One test: a fresh application folder, the registry value put back afterwards.
class InstallPath : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.ok()) << folder.path();
    auto start = driver::ReadProgramFilesDir();
    ASSERT_TRUE(start.has_value());
    startValue = *start;
    existing = folder.File("软件安装目录");
    ASSERT_TRUE(CreateDirectoryA(existing.c_str(), nullptr));
    missing = folder.File("不存在的目录");
  }
  void TearDown() override { driver::WriteProgramFilesDir(startValue); }

  void WriteSettings(const std::string& bytes) { ASSERT_TRUE(driver::WriteBytes(folder.File("set"), bytes)); }

  // Starts the program and waits for its main window and controls.
  void Start() {
    program = std::make_unique<Program>(folder);
    ASSERT_TRUE(program->started());
  }
  void FindWindows() {
    main = driver::WaitForMainWindow(program->pid(), kWait);
    ASSERT_NE(main, nullptr);
    list = driver::FindChild(main, "TListBox");
    edit = driver::FindChild(main, "TLabeledEdit");
    toolbar = driver::FindChild(main, "TToolBar");
    ASSERT_NE(list, nullptr);
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(toolbar, nullptr);
  }
  MessageBoxInfo ExpectBox() {
    auto box = driver::WaitForMessageBox(program->pid(), kWait);
    EXPECT_TRUE(box.has_value()) << "no message box";
    return box.value_or(MessageBoxInfo{});
  }
  void Apply(int index) {
    driver::SelectEntry(list, index);
    driver::ClickToolButton(toolbar, kApplyButton, kToolButtonWidth);
  }
  void CloseAndWait() {
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program->WaitForExit(kWait)) << "the program did not end by itself";
  }
  bool NoMessageBoxFor(DWORD ms) { return !driver::WaitForMessageBox(program->pid(), ms).has_value(); }

  AppFolder folder;
  std::unique_ptr<Program> program;
  std::string startValue, existing, missing;
  HWND main = nullptr, list = nullptr, edit = nullptr, toolbar = nullptr;
};

TEST_F(InstallPath, AppliedEntryIsRestoredAtCloseAndTheSettingsFileIsWrittenBack) {
  const std::string other = "D:\\游戏\\安装";
  const std::string settings = "1\r\n" + existing + "\r\n" + missing + "\r\n" + other + "\r\n";
  WriteSettings(settings);
  Start();
  FindWindows();
  driver::ListContents shown = driver::ReadList(list);
  EXPECT_EQ(shown.entries, (std::vector<std::string>{existing, missing, other}));
  EXPECT_EQ(shown.selected, 2);  // the last entry read
  EXPECT_EQ(driver::WindowText(edit), startValue);

  Apply(0);
  EXPECT_TRUE(driver::WaitFor(kWait, [&] { return driver::ReadProgramFilesDir() == existing; }))
      << "ProgramFilesDir: " << driver::ReadProgramFilesDir().value_or("(none)");
  EXPECT_TRUE(driver::WaitFor(kWait, [&] { return driver::WindowText(edit) == existing; }));
  EXPECT_EQ(driver::ClipboardText(), existing);  // "路径自动拷贝到剪切板" is ticked at start
  EXPECT_TRUE(NoMessageBoxFor(300));

  // The window at 1024 x 768 with the list filled and an entry selected.
  SetForegroundWindow(main);
  Sleep(500);
  testsupport::SaveScreenshotPng(main, testsupport::ArtifactPath("main_window_filled.png"));
  RECT lr, er;
  GetWindowRect(list, &lr);
  GetWindowRect(edit, &er);
  if (GetSystemMetrics(SM_CXSCREEN) == 1024 && GetSystemMetrics(SM_CYSCREEN) == 768) {
    EXPECT_EQ(lr.right - lr.left, 643);
    EXPECT_EQ(lr.bottom - lr.top, 351);
    EXPECT_EQ(er.right - er.left, 643);
  }

  CloseAndWait();
  EXPECT_EQ(driver::ReadProgramFilesDir(), startValue);
  EXPECT_EQ(driver::ReadBytes(folder.File("set")), settings);
}

TEST_F(InstallPath, WithoutAutoRestoreTheAppliedValueStaysAfterClose) {
  WriteSettings("0\r\n" + existing + "\r\n");
  Start();
  FindWindows();
  Apply(0);
  ASSERT_TRUE(driver::WaitFor(kWait, [&] { return driver::ReadProgramFilesDir() == existing; }));
  CloseAndWait();
  EXPECT_EQ(driver::ReadProgramFilesDir(), existing);
  EXPECT_EQ(driver::ReadBytes(folder.File("set")), "0\r\n" + existing + "\r\n");
}

TEST_F(InstallPath, FirstStartWithoutSettingsFileSaysSoOnceAndCreatesIt) {
  Start();
  MessageBoxInfo box = ExpectBox();
  EXPECT_EQ(box.caption, "出错");
  EXPECT_EQ(box.text, "设置文件不存在,无法读取  " + folder.File("set"));
  EXPECT_FALSE(box.hasIcon);
  ASSERT_TRUE(driver::Dismiss(box));
  FindWindows();
  EXPECT_TRUE(NoMessageBoxFor(500));
  EXPECT_TRUE(driver::ReadList(list).entries.empty());
  CloseAndWait();
  EXPECT_EQ(driver::ReadBytes(folder.File("set")), "1\r\n");
}

TEST_F(InstallPath, ApplyingAFolderThatDoesNotExistSaysSoAndLeavesTheRegistry) {
  WriteSettings("1\r\n" + existing + "\r\n" + missing + "\r\n");
  Start();
  FindWindows();
  Apply(1);
  MessageBoxInfo box = ExpectBox();
  EXPECT_EQ(box.caption, "出错");
  EXPECT_EQ(box.text, "你选择的安装路径不存在，请修改安装路径，" + missing);
  EXPECT_FALSE(box.hasIcon);
  EXPECT_EQ(driver::ReadProgramFilesDir(), startValue);
  ASSERT_TRUE(driver::Dismiss(box));
  EXPECT_EQ(driver::WindowText(edit), startValue);
  CloseAndWait();
  EXPECT_EQ(driver::ReadProgramFilesDir(), startValue);
}

TEST_F(InstallPath, DamagedSettingsFileIsReportedAndKeptAsBackup) {
  const std::string damaged = "abc\r\n" + existing + "\r\n";
  WriteSettings(damaged);
  Start();
  MessageBoxInfo box = ExpectBox();
  EXPECT_EQ(box.text.rfind("Invalid numeric input", 0), 0u) << box.text;
  ASSERT_TRUE(driver::Dismiss(box));
  FindWindows();
  EXPECT_TRUE(driver::ReadList(list).entries.empty());
  CloseAndWait();
  EXPECT_EQ(driver::ReadBytes(folder.File("set.bak")), damaged);
  EXPECT_EQ(driver::ReadBytes(folder.File("set")), "1\r\n");
}

}  // namespace
