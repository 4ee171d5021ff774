// The local file system (POSIX natively, Windows in the MinGW tree) under the atomic save.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "core/file_system.h"
#include "core/safe_save.h"

namespace {

namespace fs = std::filesystem;

class LocalFileSystem : public testing::Test {
 protected:
  LocalFileSystem() {
    dir_ = fs::temp_directory_path() /
           ("talvik_core_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "_" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~LocalFileSystem() override { fs::remove_all(dir_); }

  std::string Path(const char* name) const { return (dir_ / name).string(); }
  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::unique_ptr<core::IFileSystem> local_ = core::MakeLocalFileSystem();
  fs::path dir_;
};

TEST_F(LocalFileSystem, SaveCreatesThenReplacesWithoutLeavingTemp) {
  const std::string set = Path("set");
  ASSERT_TRUE(core::SaveReplacing(*local_, set, "1\r\nA\r\n").ok());
  ASSERT_TRUE(core::SaveReplacing(*local_, set, "0\r\n").ok());
  EXPECT_EQ(Contents(set), "0\r\n");
  EXPECT_FALSE(fs::exists(core::TempPathFor(set)));
  std::string read;
  ASSERT_TRUE(local_->ReadFile(set, 100, read).ok());
  EXPECT_EQ(read, "0\r\n");
}

TEST_F(LocalFileSystem, FailedReplaceKeepsTargetAndRemovesTemp) {
  const std::string set = Path("set");
  fs::create_directory(set);  // a folder in the way: the final step must fail
  fs::create_directory(set + "/inside");
  const core::IoStatus status = core::SaveReplacing(*local_, set, "1\r\n");
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(core::IoErrorText(status).empty());
  EXPECT_TRUE(fs::is_directory(set + "/inside"));
  EXPECT_FALSE(fs::exists(core::TempPathFor(set)));
}

TEST_F(LocalFileSystem, ExistenceReadLimitsCopyAndRemove) {
  const std::string file = Path("file");
  ASSERT_TRUE(local_->WriteFile(file, "12345").ok());
  EXPECT_TRUE(local_->FileExists(file));
  EXPECT_FALSE(local_->FolderExists(file));
  EXPECT_TRUE(local_->FolderExists(dir_.string()));
  EXPECT_FALSE(local_->FileExists(dir_.string()));
  EXPECT_FALSE(local_->FileExists(Path("none")));

  std::string read = "stale";
  EXPECT_EQ(local_->ReadFile(file, 4, read).error, core::IoError::TooLarge);
  EXPECT_TRUE(read.empty());
  EXPECT_EQ(local_->ReadFile(Path("none"), 4, read).error, core::IoError::NotFound);

  ASSERT_TRUE(local_->CopyNewFile(file, Path("copy")).ok());
  EXPECT_EQ(Contents(Path("copy")), "12345");
  EXPECT_EQ(local_->CopyNewFile(file, Path("copy")).error, core::IoError::AlreadyExists);
  EXPECT_TRUE(local_->RemoveFile(Path("copy")).ok());
  EXPECT_FALSE(fs::exists(Path("copy")));
}

TEST_F(LocalFileSystem, GbkFileNamesWork) {
  const std::string name = Path("set") + "_软件";
  ASSERT_TRUE(core::SaveReplacing(*local_, name, "1\r\n").ok());
  EXPECT_TRUE(local_->FileExists(name));
}

}  // namespace
