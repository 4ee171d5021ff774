// The registry step and the write requests against a recording, failing registry.
#include "core/program_files.h"

#include <gtest/gtest.h>

#include "core/general_error.h"
#include "core_fakes.h"

namespace {

using core::QueryStatus;
using Entries = std::vector<std::string>;

constexpr const char* kOpenFailed =
    "error:打开注册表项失败,请检查项 HKEY_LOCAL_MACHINE\\Software\\Microsoft\\ Windows\\ CurrentVersion "
    "是否存在";
constexpr const char* kWriteFailed =
    "error:无法写入注册表，在Vista下，应该这样启动本程序，右键单击，选择《以管理员身份运行》，这样就没有"
    "问题了,请重新启动本程序";
constexpr const char* kNotifyBoth[] = {"notify:8000000/0", "notify:7FFFFFFF/1000"};
constexpr const char* kSound = "sound:C:\\App\\音效\\设定.wav";

class ProgramFiles : public testing::Test {
 protected:
  ProgramFiles() {
    state.SoundFolder = "C:\\App\\音效";
    state.StartValue = "C:\\Program Files";
    state.StartValueFound = true;
    world.fs.files["C:\\App\\音效\\设定.wav"] = "RIFF";
    world.fs.folders = {"D:\\Soft", "C:\\Program Files"};
    for (const char* e : {"D:\\Soft", "D:\\Gone"}) list.Append(e);
    list.Select(0);
  }

  core::StepOutcome Step() { return core::xiugaiproClick(state, world.ProgramFiles()); }
  void Apply() { core::ProgramFiles1Click(state, list, world.ProgramFiles()); }
  void Restore() { core::huifuyuanlaiClick(state, world.ProgramFiles()); }
  template <class Request>
  std::string GeneralErrorOf(Request request) {
    try {
      request();
    } catch (const core::GeneralError& e) {
      return e.what();
    }
    return {};
  }

  fakes::CoreWorld world;
  core::ProgramFilesState state;
  core::PathList list;
};

TEST_F(ProgramFiles, ReadOnlyStepOpensWithFullAccessReadsAndCloses) {
  world.registry.value = {QueryStatus::Text, std::string("C:\\Prog\0tail", 12)};
  const core::StepOutcome out = Step();
  EXPECT_EQ(out.result, core::StepResult::Read);
  EXPECT_TRUE(out.valueFound);
  EXPECT_EQ(state.CurrentValue, "C:\\Prog");  // the text ends at its first zero byte
  EXPECT_EQ(world.registry.openedPath, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
  EXPECT_EQ(world.registry.openedAccess, 0xF003Fu);
  EXPECT_EQ(world.log, (Entries{"open", "query:ProgramFilesDir", "close"}));
}

TEST_F(ProgramFiles, MissingValueReadsEmpty) {
  state.CurrentValue = "old";
  world.registry.value = {QueryStatus::Missing, ""};
  EXPECT_FALSE(Step().valueFound);
  EXPECT_EQ(state.CurrentValue, "");
}

TEST_F(ProgramFiles, OpenFailureShowsMessageKeepsValueAndDoesNothingElse) {
  state.CurrentValue = "old";
  state.WriteEnabled = true;
  world.registry.openFails = true;
  EXPECT_EQ(Step().result, core::StepResult::KeyNotOpened);
  EXPECT_EQ(state.CurrentValue, "old");
  EXPECT_EQ(world.log, (Entries{"open", kOpenFailed}));
}

TEST_F(ProgramFiles, UnreadableValueIsAGeneralErrorAndNothingIsWritten) {
  state.WriteEnabled = true;
  state.TargetValue = "D:\\Soft";
  for (auto [status, text] : {std::pair{QueryStatus::WrongType, "Invalid data type for 'ProgramFilesDir'"},
                              std::pair{QueryStatus::Failed, "Failed to get data for 'ProgramFilesDir'"}}) {
    world.log.clear();
    world.registry.value = {status, ""};
    try {
      Step();
      ADD_FAILURE() << "no error";
    } catch (const core::GeneralError& e) {
      EXPECT_STREQ(e.what(), text);
    }
    EXPECT_EQ(world.log, (Entries{"open", "query:ProgramFilesDir", "close"}));
  }
}

TEST_F(ProgramFiles, ApplyWritesNotifiesTwiceThenShowsAndPlays) {
  Apply();
  EXPECT_EQ(world.log, (Entries{"open", "query:ProgramFilesDir", "set:ProgramFilesDir=D:\\Soft", "close",
                                kNotifyBoth[0], kNotifyBoth[1], "show:D:\\Soft", kSound}));
  EXPECT_FALSE(state.WriteEnabled);
  EXPECT_EQ(state.TargetValue, "D:\\Soft");
  // Applying the same entry again writes and notifies again.
  world.log.clear();
  Apply();
  EXPECT_EQ(world.Only("set:").size(), 1u);
  EXPECT_EQ(world.Only("notify:").size(), 2u);
  EXPECT_EQ(world.Only("sound:").size(), 1u);
}

TEST_F(ProgramFiles, ApplyRefusals) {
  struct Case {
    Entries entries;
    int selected;
    const char* message;
  };
  const Case cases[] = {
      {{}, -1, "error:列表框为空，无法设置"},
      {{"D:\\Soft"}, -1, "error:请在列表框里选择一个安装路径"},
      {{"D:\\Gone"}, 0, "error:你选择的安装路径不存在，请修改安装路径，D:\\Gone"},
      {{"C:\\App\\音效\\设定.wav"}, 0, "error:你选择的安装路径不存在，请修改安装路径，C:\\App\\音效\\设定.wav"},
  };
  for (const Case& c : cases) {
    core::PathList l;
    for (auto& e : c.entries) l.Append(e);
    l.Select(c.selected);
    world.log.clear();
    core::ProgramFiles1Click(state, l, world.ProgramFiles());
    EXPECT_EQ(world.log, (Entries{c.message}));  // the registry is not touched
  }
}

TEST_F(ProgramFiles, MissingSoundFileStillWritesAndShowsSilently) {
  world.fs.files.clear();
  Apply();
  EXPECT_EQ(world.Only("set:").size(), 1u);
  EXPECT_EQ(world.Only("show:"), (Entries{"show:D:\\Soft"}));
  EXPECT_TRUE(world.Only("sound:").empty());
}

TEST_F(ProgramFiles, FailedWriteClosesKeyBeforeMessageLatchesAndSilencesLaterRequests) {
  world.registry.setFails = true;
  Apply();
  EXPECT_EQ(world.log, (Entries{"open", "query:ProgramFilesDir", "set:ProgramFilesDir=D:\\Soft", "close",
                                kWriteFailed}));
  EXPECT_TRUE(state.WriteFailed);
  EXPECT_FALSE(state.WriteEnabled);

  // Later requests still write, but no longer show or play, even when the write succeeds.
  world.registry.setFails = false;
  world.log.clear();
  Apply();
  Restore();
  EXPECT_EQ(world.Only("set:"), (Entries{"set:ProgramFilesDir=D:\\Soft",
                                         "set:ProgramFilesDir=C:\\Program Files"}));
  EXPECT_EQ(world.Only("notify:").size(), 4u);
  EXPECT_TRUE(world.Only("show:").empty());
  EXPECT_TRUE(world.Only("sound:").empty());
  EXPECT_TRUE(state.WriteFailed);
}

TEST_F(ProgramFiles, OpenFailureDuringRequestIsAFailedRequestWithoutLatch) {
  world.registry.openFails = true;
  Apply();
  Restore();
  EXPECT_EQ(world.log, (Entries{"open", kOpenFailed, "open", kOpenFailed}));
  EXPECT_FALSE(state.WriteFailed);
  EXPECT_FALSE(state.WriteEnabled);
  // Once the key opens again, requests confirm as usual.
  world.registry.openFails = false;
  world.log.clear();
  Apply();
  EXPECT_EQ(world.Only("show:"), (Entries{"show:D:\\Soft"}));
}

TEST_F(ProgramFiles, WrongTypeDuringRequestEndsItAndLeavesWriteDisabled) {
  world.registry.value = {QueryStatus::WrongType, ""};
  EXPECT_EQ(GeneralErrorOf([&] { Apply(); }), "Invalid data type for 'ProgramFilesDir'");
  EXPECT_EQ(GeneralErrorOf([&] { Restore(); }), "Invalid data type for 'ProgramFilesDir'");
  EXPECT_TRUE(world.Only("set:").empty());
  EXPECT_TRUE(world.Only("show:").empty());
  EXPECT_FALSE(state.WriteEnabled);
  EXPECT_FALSE(state.WriteFailed);
}

TEST_F(ProgramFiles, RestoreWritesStartValueWithoutFolderCheck) {
  state.StartValue = "X:\\Nowhere";
  Restore();
  EXPECT_EQ(world.log, (Entries{"open", "query:ProgramFilesDir", "set:ProgramFilesDir=X:\\Nowhere", "close",
                                kNotifyBoth[0], kNotifyBoth[1], "show:X:\\Nowhere", kSound}));
  EXPECT_EQ(state.TargetValue, "X:\\Nowhere");
}

TEST_F(ProgramFiles, RestoreOfAnExistingEmptyValueWritesIt) {
  state.StartValue = "";
  Restore();
  EXPECT_EQ(world.Only("set:"), (Entries{"set:ProgramFilesDir="}));
}

TEST_F(ProgramFiles, RestoreWithoutStartValueDoesNothingAtAll) {
  state.StartValue = "";
  state.StartValueFound = false;
  Restore();
  core::youjianhuifuClick(state, world.ProgramFiles());
  core::AutoRestoreAtExit(state, world.ProgramFiles());
  EXPECT_TRUE(world.log.empty());
}

TEST_F(ProgramFiles, AutoRestoreWritesWithoutShowOrSound) {
  core::AutoRestoreAtExit(state, world.ProgramFiles());
  EXPECT_EQ(world.log, (Entries{"open", "query:ProgramFilesDir", "set:ProgramFilesDir=C:\\Program Files",
                                "close", kNotifyBoth[0], kNotifyBoth[1]}));
  EXPECT_FALSE(state.WriteEnabled);
}

TEST_F(ProgramFiles, TrayRestoreIsTheSameAsMenuRestore) {
  core::youjianhuifuClick(state, world.ProgramFiles());
  const Entries tray = world.log;
  world.log.clear();
  Restore();
  EXPECT_EQ(world.log, tray);
}

}  // namespace
