// Loading and saving the settings file through the file system interface: messages, atomic
// replacement and keeping a damaged file.
#include "core/settings_commands.h"

#include <gtest/gtest.h>

#include "core/general_error.h"
#include "core_fakes.h"

namespace {

using core::IoError;
using core::IoStatus;
using Entries = std::vector<std::string>;
using namespace std::string_literals;

constexpr const char* kSet = "C:\\App\\set";

class SettingsCommands : public testing::Test {
 protected:
  SettingsCommands() { state.SettingsPath = kSet; }

  void Load() { core::diaoruClick(list, options, state, world.fs, world.ui); }
  void Save() { core::baocunClick(list, options, state, world.fs); }
  // The general error text a load throws, empty when none.
  std::string LoadError() {
    try {
      Load();
    } catch (const core::GeneralError& e) {
      return e.what();
    }
    return {};
  }
  void Fill(Entries entries, int selected) {
    for (auto& e : entries) list.Append(e);
    list.Select(selected);
  }

  fakes::CoreWorld world;
  core::PathList list;
  core::Options options;
  core::PathListState state;
};

TEST_F(SettingsCommands, LoadFillsListSelectsLastAndSetsOption) {
  world.fs.files[kSet] = "0\r\nC:\\A\r\nC:\\B\r\n";
  Fill({"old"}, 0);
  Load();
  EXPECT_EQ(list.entries(), (Entries{"C:\\A", "C:\\B"}));
  EXPECT_EQ(list.selected(), 1);
  EXPECT_FALSE(options.zidonghuifu);
  EXPECT_TRUE(world.Only("error:").empty());
}

TEST_F(SettingsCommands, LoadOfEmptyFileUnticksAndEmptiesSilently) {
  world.fs.files[kSet] = "";
  Fill({"old"}, 0);
  Load();
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.selected(), -1);
  EXPECT_FALSE(options.zidonghuifu);
  EXPECT_TRUE(world.log.empty());
}

TEST_F(SettingsCommands, LoadOfMissingFileShowsMessageAndChangesNothing) {
  Fill({"keep"}, 0);
  options.zidonghuifu = false;
  Load();
  EXPECT_EQ(world.Only("error:"), (Entries{"error:设置文件不存在,无法读取  C:\\App\\set"}));
  EXPECT_EQ(list.entries(), (Entries{"keep"}));
  EXPECT_FALSE(options.zidonghuifu);
}

TEST_F(SettingsCommands, LoadEntriesEndAtZeroByteAsInTheListBox) {
  world.fs.files[kSet] = "1\r\nC:\\A\0junk\r\n"s;
  Load();
  EXPECT_EQ(list.entries(), (Entries{"C:\\A"}));
}

TEST_F(SettingsCommands, DamagedFirstLineChangesNothingAndIsKeptAsBackup) {
  const std::string damaged = "garbage\r\nC:\\Users' entry\r\n";
  world.fs.files[kSet] = damaged;
  Fill({"keep"}, 0);
  options.zidonghuifu = false;
  EXPECT_EQ(LoadError(), "Invalid numeric input\r\n原设置文件已备份为  C:\\App\\set.bak");
  EXPECT_EQ(list.entries(), (Entries{"keep"}));
  EXPECT_EQ(list.selected(), 0);
  EXPECT_FALSE(options.zidonghuifu);
  EXPECT_EQ(world.fs.files["C:\\App\\set.bak"], damaged);
  EXPECT_EQ(world.fs.files[kSet], damaged);

  // The next save replaces "set"; the backup stays.
  Save();
  EXPECT_EQ(world.fs.files[kSet], "0\r\nkeep\r\n");
  EXPECT_EQ(world.fs.files["C:\\App\\set.bak"], damaged);
}

TEST_F(SettingsCommands, SameDamagedContentReusesItsBackup) {
  world.fs.files[kSet] = "x\r\n";
  world.fs.files["C:\\App\\set.bak"] = "other\r\n";
  world.fs.files["C:\\App\\set.bak1"] = "x\r\n";
  EXPECT_EQ(LoadError(), "Invalid numeric input\r\n原设置文件已备份为  C:\\App\\set.bak1");
  EXPECT_TRUE(world.Only("copy:").empty());
  EXPECT_EQ(LoadError(), "Invalid numeric input\r\n原设置文件已备份为  C:\\App\\set.bak1");
  EXPECT_EQ(world.fs.files.size(), 3u);
}

TEST_F(SettingsCommands, DifferentDamagedContentTakesTheNextFreeName) {
  world.fs.files[kSet] = "x\r\n";
  world.fs.files["C:\\App\\set.bak"] = "y\r\n";
  EXPECT_EQ(LoadError(), "Invalid numeric input\r\n原设置文件已备份为  C:\\App\\set.bak1");
  EXPECT_EQ(world.fs.files["C:\\App\\set.bak"], "y\r\n");
  EXPECT_EQ(world.fs.files["C:\\App\\set.bak1"], "x\r\n");
}

TEST_F(SettingsCommands, BackupThatCannotBeMadeIsSaidSo) {
  world.fs.files[kSet] = "x\r\n";
  world.fs.failCopy["C:\\App\\set.bak"] = {IoError::DiskFull, 112};
  EXPECT_EQ(LoadError(), "Invalid numeric input\r\n原设置文件无法备份");
  EXPECT_EQ(world.Only("copy:").size(), 1u);  // a full disk is not retried under other names

  world.fs.failCopy.clear();
  for (const char* suffix : {"", "1", "2", "3", "4", "5", "6", "7", "8", "9"})
    world.fs.files[std::string(kSet) + ".bak" + suffix] = "different";
  EXPECT_EQ(LoadError(), "Invalid numeric input\r\n原设置文件无法备份");
}

TEST_F(SettingsCommands, OversizedFileLoadsNothingAndIsKept) {
  world.fs.files[kSet] = "1\r\n" + std::string(core::kMaxSettingsBytes, 'a');
  Fill({"keep"}, 0);
  Load();
  EXPECT_EQ(world.Only("error:"),
            (Entries{"error:设置文件数据有错误！  C:\\App\\set\r\n原设置文件已备份为  C:\\App\\set.bak"}));
  EXPECT_EQ(list.entries(), (Entries{"keep"}));
  EXPECT_EQ(world.fs.files["C:\\App\\set.bak"].size(), core::kMaxSettingsBytes + 3);
}

TEST_F(SettingsCommands, ReadFailureIsAGeneralIoError) {
  world.fs.files[kSet] = "1\r\nA\r\n";
  world.fs.failRead[kSet] = {IoError::AccessDenied, 5};
  Fill({"keep"}, 0);
  EXPECT_EQ(LoadError(), "File access denied");
  EXPECT_EQ(list.entries(), (Entries{"keep"}));
}

TEST_F(SettingsCommands, SaveWritesTempThenReplacesInOneStep) {
  Fill({"C:\\A", ""}, 1);
  options.zidonghuifu = true;
  Save();
  EXPECT_EQ(world.fs.files[kSet], "1\r\nC:\\A\r\n\r\n");
  EXPECT_EQ(world.log, (Entries{"write:C:\\App\\set.tmp", "replace:C:\\App\\set.tmp>C:\\App\\set"}));
  EXPECT_EQ(world.fs.files.count("C:\\App\\set.tmp"), 0u);
}

TEST_F(SettingsCommands, LoadAfterSaveGivesTheSameListAndOption) {
  Fill({"C:\\A", "D:\\软件", "C:\\A", ""}, 0);
  options.zidonghuifu = false;
  Save();
  list.Clear();
  options.zidonghuifu = true;
  Load();
  EXPECT_EQ(list.entries(), (Entries{"C:\\A", "D:\\软件", "C:\\A", ""}));
  EXPECT_EQ(list.selected(), 3);
  EXPECT_FALSE(options.zidonghuifu);
}

struct SaveFailure {
  const char* name;
  bool failWrite;
  IoStatus status;
  const char* text;
};

class SaveFailures : public SettingsCommands, public testing::WithParamInterface<SaveFailure> {};

TEST_P(SaveFailures, KeepOldFileRemoveTempAndReportIoError) {
  const SaveFailure& f = GetParam();
  world.fs.files[kSet] = "1\r\nold\r\n";
  (f.failWrite ? world.fs.failWrite : world.fs.failReplace)[f.failWrite ? "C:\\App\\set.tmp" : kSet] =
      f.status;
  Fill({"new"}, 0);
  try {
    Save();
    FAIL() << "no error";
  } catch (const core::GeneralError& e) {
    EXPECT_STREQ(e.what(), f.text);
  }
  EXPECT_EQ(world.fs.files[kSet], "1\r\nold\r\n");
  EXPECT_EQ(world.fs.files.count("C:\\App\\set.tmp"), 0u);
  EXPECT_EQ(world.log.back(), "remove:C:\\App\\set.tmp");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveFailures,
    testing::Values(SaveFailure{"disk_full_while_writing", true, {IoError::DiskFull, 112}, "Disk full"},
                    SaveFailure{"temp_not_creatable", true, {IoError::AccessDenied, 5}, "File access denied"},
                    SaveFailure{"replace_refused", false, {IoError::AccessDenied, 5}, "File access denied"},
                    SaveFailure{"replace_odd_error", false, {IoError::Other, 1117}, "I/O error 1117"}),
    [](const testing::TestParamInfo<SaveFailure>& i) { return std::string(i.param.name); });

}  // namespace
