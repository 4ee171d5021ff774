// The start-up and shutdown sequences: order, skipping rules and the state they leave.
#include "app/lifecycle.h"

#include <gtest/gtest.h>

#include "app/report.h"
#include "core_fakes.h"

namespace {

using Entries = std::vector<std::string>;

class FakeMainForm : public app::IMainForm {
 public:
  explicit FakeMainForm(fakes::Log& log) : log_(log) {}

  std::string exePath = "C:\\Talvik\\Talvik.exe";
  common::Size window = app::kDesignWindow;
  common::Size screen{1024, 768};

  std::string ExecutablePath() override { return exePath; }
  common::Size WindowSize() override { return window; }
  common::Rect ListBoxRect() override { return app::kDesignList; }
  common::Size ScreenSize() override { return screen; }
  void SetWindowHeight(int h) override {
    window.cy = h;
    log_.push_back("height:" + std::to_string(h));
  }
  void SetWindowWidth(int w) override {
    window.cx = w;
    log_.push_back("width:" + std::to_string(w));
  }
  void ApplyResizeLayout(const app::ResizeLayout& l) override {
    log_.push_back("layout:" + std::to_string(l.width) + "x" + std::to_string(l.listHeight));
  }
  void HideStartupMenu() override { log_.push_back("hide-menu"); }
  void ActivateSkin(const std::string& file) override { log_.push_back("skin:" + file); }
  void DestroyTrayIcon() override { log_.push_back("tray-destroy"); }
  void Terminate() override { log_.push_back("terminate"); }
  void ShowCurrentPath(const std::string& text) override { log_.push_back("show:" + text); }

 private:
  fakes::Log& log_;
};

constexpr const char* kSet = "C:\\Talvik\\set";
constexpr const char* kSkin = "skin:C:\\Talvik\\皮肤\\白兰_mxp1.skn";

class Lifecycle : public testing::Test {
 protected:
  app::Platform P() { return {w.registry, w.ui, w.ui, w.ui, w.fs, form}; }
  bool Create() { return app::FormCreate(model, P()); }
  bool Close() { return app::FormClose(model, P()); }

  fakes::CoreWorld w;
  FakeMainForm form{w.log};
  app::AppModel model;
};

TEST_F(Lifecycle, StartupRunsEveryStepInOrder) {
  w.fs.files[kSet] = "1\r\nC:\\A\r\nD:\\B\r\n";
  // Resize notifications while scaling are ignored.
  model.state.StartupGuard = true;
  app::FormResize(model, form);
  EXPECT_TRUE(Create());
  EXPECT_EQ(w.log, (Entries{"height:578", "width:780", "hide-menu", "open", "query:ProgramFilesDir", "close",
                            "show:C:\\Program Files", kSkin}));
  const app::AppState& s = model.state;
  EXPECT_FALSE(s.StartupGuard);
  EXPECT_EQ(s.RightMargin, 73);
  EXPECT_EQ(s.BottomMargin, 110);
  EXPECT_EQ(s.AppFolder, "C:\\Talvik");
  EXPECT_EQ(s.SoundFolder, "C:\\Talvik\\音效");
  EXPECT_EQ(s.SettingsPath, kSet);
  EXPECT_EQ(s.StartValue, "C:\\Program Files");
  EXPECT_TRUE(s.StartValueFound);
  EXPECT_FALSE(s.WriteEnabled);
  EXPECT_EQ(model.list.entries(), (Entries{"C:\\A", "D:\\B"}));
  EXPECT_EQ(model.list.selected(), 1);
  EXPECT_TRUE(model.options.zidonghuifu);

  // The first resize after start-up lays the controls out with the design margins.
  w.log.clear();
  app::FormResize(model, form);
  EXPECT_EQ(w.log, (Entries{"layout:643x351"}));
}

TEST_F(Lifecycle, StartupNeverWritesTheRegistry) {
  Create();
  EXPECT_TRUE(w.Only("set:").empty());
  EXPECT_TRUE(w.Only("notify:").empty());
}

TEST_F(Lifecycle, DesignScreenKeepsWindowSize) {
  form.screen = {800, 600};
  Create();
  EXPECT_TRUE(w.Only("height:").empty());
  EXPECT_TRUE(w.Only("width:").empty());
}

TEST_F(Lifecycle, FirstStartShowsMissingFileOnceAndCloseCreatesIt) {
  EXPECT_TRUE(Create());
  EXPECT_EQ(w.Only("error:"), (Entries{"error:设置文件不存在,无法读取  C:\\Talvik\\set"}));
  EXPECT_EQ(w.log.back(), kSkin);
  EXPECT_TRUE(Close());
  EXPECT_EQ(w.fs.files[kSet], "1\r\n");
}

TEST_F(Lifecycle, KeyNotOpenedAtStartLeavesEditEmptyAndGoesOn) {
  w.registry.openFails = true;
  EXPECT_TRUE(Create());
  EXPECT_EQ(model.state.StartValue, "");
  EXPECT_FALSE(model.state.StartValueFound);
  EXPECT_EQ(w.Only("show:"), (Entries{"show:"}));
  EXPECT_EQ(w.log.back(), kSkin);
}

TEST_F(Lifecycle, ErrorInStartupReportsAndSkipsTheRest) {
  struct Case {
    const char* name;
    void (*arrange)(fakes::CoreWorld&);
    const char* report;
    bool edited;  // the edit line was shown before the error
  };
  const Case cases[] = {
      {"damaged settings",
       [](fakes::CoreWorld& w) { w.fs.files[kSet] = "bad\r\nC:\\A\r\n"; },
       "report:Invalid numeric input\r\n原设置文件已备份为  C:\\Talvik\\set.bak", true},
      {"registry value of wrong type",
       [](fakes::CoreWorld& w) { w.registry.value = {core::QueryStatus::WrongType, ""}; },
       "report:Invalid data type for 'ProgramFilesDir'", false},
  };
  for (const Case& c : cases) {
    fakes::CoreWorld world;
    FakeMainForm f{world.log};
    app::AppModel m;
    c.arrange(world);
    EXPECT_FALSE(app::FormCreate(m, {world.registry, world.ui, world.ui, world.ui, world.fs, f})) << c.name;
    EXPECT_EQ(world.Only("report:"), (Entries{c.report})) << c.name;
    EXPECT_TRUE(world.Only("skin:").empty()) << c.name;
    EXPECT_EQ(world.Only("show:").size(), c.edited ? 1u : 0u) << c.name;
    EXPECT_FALSE(m.state.StartupGuard);
  }
}

TEST_F(Lifecycle, CloseRestoresThenSavesThenRemovesTrayThenTerminates) {
  w.fs.files[kSet] = "1\r\nC:\\A\r\n";
  Create();
  w.registry.value = {core::QueryStatus::Text, "D:\\Elsewhere"};
  w.log.clear();
  EXPECT_TRUE(Close());
  EXPECT_EQ(w.log, (Entries{"open", "query:ProgramFilesDir", "set:ProgramFilesDir=C:\\Program Files", "close",
                            "notify:8000000/0", "notify:7FFFFFFF/1000", "write:C:\\Talvik\\set.tmp",
                            "replace:C:\\Talvik\\set.tmp>C:\\Talvik\\set", "tray-destroy", "terminate"}));
  EXPECT_FALSE(model.state.WriteEnabled);
}

TEST_F(Lifecycle, CloseWithOptionUntickedTouchesNoRegistry) {
  w.fs.files[kSet] = "0\r\nC:\\A\r\n";
  Create();
  w.log.clear();
  EXPECT_TRUE(Close());
  EXPECT_EQ(w.log.front(), "write:C:\\Talvik\\set.tmp");
  EXPECT_EQ(w.fs.files[kSet], "0\r\nC:\\A\r\n");
}

TEST_F(Lifecycle, CloseAfterFailedWriteSkipsRestoreButSaves) {
  w.fs.files[kSet] = "1\r\n";
  Create();
  model.state.WriteFailed = true;
  w.log.clear();
  EXPECT_TRUE(Close());
  EXPECT_TRUE(w.Only("open").empty());
  EXPECT_EQ(w.Only("tray-destroy").size(), 1u);
}

TEST_F(Lifecycle, SaveErrorAtCloseKeepsAppOpenAndNextCloseRunsAllAgain) {
  w.fs.files[kSet] = "1\r\n";
  Create();
  w.fs.failWrite["C:\\Talvik\\set.tmp"] = {core::IoError::DiskFull, 112};
  w.log.clear();
  EXPECT_FALSE(Close());
  EXPECT_EQ(w.Only("report:"), (Entries{"report:Disk full"}));
  EXPECT_TRUE(w.Only("tray-destroy").empty());
  EXPECT_TRUE(w.Only("terminate").empty());
  EXPECT_EQ(w.fs.files[kSet], "1\r\n");

  w.fs.failWrite.clear();
  w.log.clear();
  EXPECT_TRUE(Close());
  EXPECT_EQ(w.Only("set:").size(), 1u);  // the automatic restore runs again
  EXPECT_EQ(w.log.back(), "terminate");
}

TEST_F(Lifecycle, WrongTypeAtCloseKeepsAppOpenWithoutSaving) {
  w.fs.files[kSet] = "1\r\nC:\\A\r\n";
  Create();
  model.list.Clear();
  w.registry.value = {core::QueryStatus::WrongType, ""};
  w.log.clear();
  EXPECT_FALSE(Close());
  EXPECT_TRUE(w.Only("write:").empty());
  EXPECT_EQ(w.fs.files[kSet], "1\r\nC:\\A\r\n");
  EXPECT_FALSE(model.state.WriteEnabled);
}

TEST_F(Lifecycle, AppFolderAndSoundFolderInGbk) {
  form.exePath = "C:\\Tools\\\xD5\x5C" "prog.exe";  // "誠" ends in a '\' byte
  Create();
  EXPECT_EQ(model.state.AppFolder, "C:\\Tools");

  app::AppModel m;
  fakes::CoreWorld world;
  FakeMainForm f{world.log};
  f.exePath = "C:\\" + std::string(248, 'a') + "\\x.exe";  // AppFolder of 251 bytes
  app::FormCreate(m, {world.registry, world.ui, world.ui, world.ui, world.fs, f});
  EXPECT_EQ(m.state.SoundFolder, m.state.AppFolder + "\\" + "\xD2\xF4");  // 256 bytes cut to 254, not into "效"
  EXPECT_EQ(m.state.SoundFolder.size(), 254u);
}

TEST(Report, GeneralErrorsAreReportedAndEndTheHandler) {
  fakes::Log log;
  fakes::RecordingServices ui{log};
  EXPECT_TRUE(app::RunReported(ui, [] {}));
  bool after = false;
  EXPECT_FALSE(app::RunReported(ui, [&] {
    throw core::GeneralError("File access denied");
    after = true;
  }));
  EXPECT_FALSE(after);
  EXPECT_EQ(log, (Entries{"report:File access denied"}));
}

}  // namespace
