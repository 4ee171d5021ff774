// The help and link commands of the main window: help texts, the feedback program with its current
// directory, the note, and the web pages, recorded through the shell seam instead of opened.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/help_commands.h"
#include "app/running_program.h"

namespace {

using apptest::CaughtBox;
using apptest::CatchMessageBoxes;
using apptest::P;
using Boxes = std::vector<CaughtBox>;

struct Opened {
  HWND owner;
  std::string target;
  int show;
  std::string current_directory;  // while it opened
  bool operator==(const Opened&) const = default;
};

std::string CurrentDirectory() {
  char buf[MAX_PATH * 2] = {};
  GetCurrentDirectoryA(sizeof buf, buf);
  return buf;
}

// A fresh application folder under the temporary folder, and the shell seam recording.
class HelpCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    P();
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    folder_ = std::string(temp) + "talvik_help_" + std::to_string(GetCurrentProcessId()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(folder_.c_str(), nullptr);
    saved_folder_ = app::Form1->Model.state.AppFolder;
    app::Form1->Model.state.AppFolder = folder_;
    SetCurrentDirectoryA(folder_.c_str());
    previous_ = app::SetShellOpen([this](HWND owner, const std::string& target, int show) {
      opened_.push_back({owner, target, show, CurrentDirectory()});
    });
  }
  void TearDown() override {
    app::SetShellOpen(previous_);
    app::Form1->Model.state.AppFolder = saved_folder_;
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
      DeleteFileA(it->c_str());
      RemoveDirectoryA(it->c_str());
    }
    SetCurrentDirectoryA(saved_folder_.empty() ? "C:\\" : saved_folder_.c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  void MakeFolder(const std::string& relative) {
    made_.push_back(folder_ + "\\" + relative);
    ASSERT_TRUE(CreateDirectoryA(made_.back().c_str(), nullptr)) << made_.back();
  }
  void MakeFile(const std::string& relative) {
    made_.push_back(folder_ + "\\" + relative);
    HANDLE h = CreateFileA(made_.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << made_.back();
    CloseHandle(h);
  }

  std::string folder_;
  std::string saved_folder_;
  std::vector<std::string> made_;
  app::TShellOpen previous_;
  std::vector<Opened> opened_;
};

struct HelpText {
  void (app::TForm1::*handler)(fw::TObject*);
  const char* file;
};

const HelpText kHelpTexts[] = {
    {&app::TForm1::N13Click, "帮助.txt"},         {&app::TForm1::N15Click, "个人介绍.txt"},
    {&app::TForm1::N26Click, "接受定做软件.txt"}, {&app::TForm1::N1001Click, "100%杀毒软件.txt"},
    {&app::TForm1::N50Click, "主动防御.txt"},     {&app::TForm1::N52Click, "保护你的账号.txt"},
    {&app::TForm1::my7Click, "中国网格详情.txt"}, {&app::TForm1::my9Click, "广告位招租.txt"},
};

TEST_F(HelpCommandsTest, MissingHelpFolderNamesTheFullPath) {
  for (const HelpText& h : kHelpTexts) {
    SCOPED_TRACE(h.file);
    Boxes boxes = CatchMessageBoxes([&] { (app::Form1->*h.handler)(nullptr); });
    EXPECT_EQ(boxes, (Boxes{{"Talvik软件安装路径修改器2.1", "文件不存在  " + folder_ + "\\帮助\\" + h.file}}));
  }
  EXPECT_TRUE(opened_.empty());
}

TEST_F(HelpCommandsTest, PresentHelpTextOpensMaximised) {
  MakeFolder("帮助");
  for (const HelpText& h : kHelpTexts) MakeFile(std::string("帮助\\") + h.file);
  for (const HelpText& h : kHelpTexts) {
    SCOPED_TRACE(h.file);
    opened_.clear();
    Boxes boxes = CatchMessageBoxes([&] { (app::Form1->*h.handler)(nullptr); });
    EXPECT_TRUE(boxes.empty());
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0].target, folder_ + "\\帮助\\" + h.file);
    EXPECT_EQ(opened_[0].show, SW_SHOWMAXIMIZED);
    EXPECT_EQ(opened_[0].owner, app::Form1->Handle());
  }
}

TEST_F(HelpCommandsTest, MissingFeedbackFolderIsAnErrorAndKeepsTheDirectory) {
  Boxes boxes = CatchMessageBoxes([] { app::Form1->N19Click(nullptr); });
  EXPECT_EQ(boxes, (Boxes{{"出错", "文件夹 Pellumo_用户反馈表不存在，请手工启动"}}));
  EXPECT_EQ(CurrentDirectory(), folder_);
  EXPECT_TRUE(opened_.empty());
}

TEST_F(HelpCommandsTest, MissingFeedbackProgramNamesItsPathAndComesBackHome) {
  MakeFolder("Pellumo_用户反馈表");
  SetCurrentDirectoryA("C:\\");  // wherever it was, it ends at the application folder
  Boxes boxes = CatchMessageBoxes([] { app::Form1->N19Click(nullptr); });
  EXPECT_EQ(boxes, (Boxes{{"Talvik软件安装路径修改器2.1",
                           "文件不存在  " + folder_ + "\\Pellumo_用户反馈表\\用户反馈表.exe"}}));
  EXPECT_EQ(CurrentDirectory(), folder_);
}

TEST_F(HelpCommandsTest, FeedbackProgramStartsInItsOwnFolder) {
  MakeFolder("Pellumo_用户反馈表");
  MakeFile("Pellumo_用户反馈表\\用户反馈表.exe");
  Boxes boxes = CatchMessageBoxes([] { app::Form1->N19Click(nullptr); });
  EXPECT_TRUE(boxes.empty());
  const std::string feedback = folder_ + "\\Pellumo_用户反馈表";
  EXPECT_EQ(opened_, (std::vector<Opened>{{app::Form1->Handle(), feedback + "\\用户反馈表.exe", SW_SHOWNORMAL, feedback}}));
  EXPECT_EQ(CurrentDirectory(), folder_);
}

TEST_F(HelpCommandsTest, LetterNote) {
  Boxes boxes = CatchMessageBoxes([] { app::Form1->N21Click(nullptr); });
  EXPECT_EQ(boxes, (Boxes{{"欢迎给我来信", "欢迎给我来信，我一定回复您，请指出问题。万分感谢！"}}));
}

struct Link {
  void (app::TForm1::*handler)(fw::TObject*);
  std::string address;
};

TEST_F(HelpCommandsTest, EveryLinkOpensItsPageNormally) {
  const Link links[] = {
      {&app::TForm1::mr1Click, app::links::kSeries[0]},  {&app::TForm1::mr2Click, app::links::kSeries[1]},
      {&app::TForm1::mr3Click, app::links::kSeries[2]},  {&app::TForm1::mr4Click, app::links::kSeries[3]},
      {&app::TForm1::mr5Click, app::links::kSeries[4]},  {&app::TForm1::mr6Click, app::links::kSeries[5]},
      {&app::TForm1::mr7Click, app::links::kSeries[6]},  {&app::TForm1::mr8Click, app::links::kSeries[7]},
      {&app::TForm1::mr9Click, app::links::kSeries[8]},  {&app::TForm1::mr10Click, app::links::kSeries[9]},
      {&app::TForm1::N37Click, app::links::kSeries[5]},  // the upgrade page is this tool's page
      {&app::TForm1::my2Click, "https://www.onlinedown.net/"}, {&app::TForm1::my3Click, "https://www.skycn.com/"},
      {&app::TForm1::my4Click, "https://www.crsky.com/"},      {&app::TForm1::my5Click, "https://xiazai.zol.com.cn/"},
      {&app::TForm1::my10Click, "https://www.downxia.com/"},   {&app::TForm1::my6Click, app::links::kHosting},
      {&app::TForm1::my8Click, app::links::kStorage},
  };
  for (const Link& l : links) {
    SCOPED_TRACE(l.address);
    opened_.clear();
    (app::Form1->*l.handler)(nullptr);
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0].target, l.address);
    EXPECT_EQ(opened_[0].show, SW_SHOWNORMAL);
    EXPECT_EQ(opened_[0].owner, app::Form1->Handle());
  }
  // Ten different pages for the ten tools.
  for (int i = 0; i < 10; ++i)
    for (int j = i + 1; j < 10; ++j) EXPECT_STRNE(app::links::kSeries[i], app::links::kSeries[j]);
}

// The menu items reach the handlers (the help menu is the fourth, the link menu the fifth).
TEST_F(HelpCommandsTest, MenuItemsRunTheCommands) {
  fw::TMenuItem* links = app::Form1->MainMenu1->Items()->Items(4);
  SendMessageA(app::Form1->Handle(), WM_COMMAND, links->Items(2)->Command(), 0);  // 华军软件园
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0].target, "https://www.onlinedown.net/");
  fw::TMenuItem* help = app::Form1->MainMenu1->Items()->Items(3);
  Boxes boxes = CatchMessageBoxes(
      [&] { SendMessageA(app::Form1->Handle(), WM_COMMAND, help->Items(0)->Command(), 0); });  // 帮助
  EXPECT_EQ(boxes, (Boxes{{"Talvik软件安装路径修改器2.1", "文件不存在  " + folder_ + "\\帮助\\帮助.txt"}}));
}

}  // namespace
