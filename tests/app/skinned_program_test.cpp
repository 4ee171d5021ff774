// The program with its skin switched on: in-process through the "换皮肤" command (the main
// window, the about box and a message box of the program get form skins, the skin can be switched
// and switched off), and the real program started beside its skin folder, which must end cleanly.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/program_driver.h"
#include "app/program_skin.h"
#include "app/running_program.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/form/skin_messages.h"
#include "skin/form/win_skin_form.h"
#include "support/paths.h"
#include "support/screenshot.h"
#include "support/skin_test_support.h"

namespace {

using apptest::P;
using apptest::Pump;

bool PumpUntil(const std::function<bool()>& done, DWORD max_ms = 10000) {
  for (DWORD waited = 0; !done(); waited += 20) {
    if (waited > max_ms) return false;
    Pump(20);
  }
  return true;
}

bool Active(HWND window) {
  skin::TSkinManage* m = skin::SkinManager();
  skin::TWinSkinForm* f = m ? m->FindFormSkin(window) : nullptr;
  return f && f->SkinState == skin::kSkinActive;
}

// The program's windows with the skin of the application folder switched on by "换皮肤".
class SkinnedProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    P();
    apptest::SwitchProgramSkinOn();
    ASSERT_TRUE(PumpUntil([] { return Active(app::Form1->Handle()); }));
  }
};

TEST_F(SkinnedProgram, MainWindowIsSkinnedWithTheProgramsControlFamilies) {
  skin::TSkinData* data = app::Form1->SkinData1;
  EXPECT_EQ(data->Name(), "SkinData1");
  EXPECT_EQ(data->Owner(), app::Form1);
  EXPECT_FALSE(data->SkinEmpty());
  using skin::InSet;
  for (int member : {skin::xcMenuItem, skin::xcToolbar, skin::xcScrollbar, skin::xcFastReport})
    EXPECT_FALSE(InSet(data->SkinControls, member)) << member;
  for (int member : {skin::xcMainMenu, skin::xcPopupMenu, skin::xcEdit, skin::xcButton, skin::xcSystemMenu})
    EXPECT_TRUE(InSet(data->SkinControls, member)) << member;
  EXPECT_EQ(skin::SkinManager()->MainSkinData, data);
  EXPECT_EQ(SendMessageA(app::Form1->Handle(), skin::XM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(GetMenu(app::Form1->Handle()), nullptr);  // the skinned menu bar shows the menu
  Pump(300);
  testsupport::SaveScreenshotPng(app::Form1->Handle(), testsupport::ArtifactPath("skinned_main_window.png"));
}

TEST_F(SkinnedProgram, AboutBoxIsSkinnedWhenShown) {
  app::Form1->N17Click(nullptr);
  HWND about = app::AboutBox->Handle();
  EXPECT_TRUE(PumpUntil([&] { return Active(about); }));
  Pump(300);
  testsupport::SaveScreenshotPng(about, testsupport::ArtifactPath("skinned_about_box.png"));
  app::AboutBox->OKButton->Click();
  Pump(50);
  EXPECT_FALSE(IsWindowVisible(about));
}

HWND g_box = nullptr;
bool g_boxActive = false;
int g_looks = 0;
void CALLBACK LookAtBox(HWND, UINT, UINT_PTR, DWORD) {
  const std::vector<HWND> boxes = testsupport::VisibleThreadDialogs();
  if (boxes.empty()) return;
  HWND w = boxes.front();
  g_box = w;
  // Give the box a few ticks to run its activation, then photograph and close it.
  if (Active(w) || ++g_looks > 50) {
    g_boxActive = Active(w);
    testsupport::SaveScreenshotPng(w, testsupport::ArtifactPath("skinned_message_box.png"));
    PostMessageA(w, WM_COMMAND, IDOK, 0);
  }
}

TEST_F(SkinnedProgram, MessageBoxOfTheProgramIsSkinnedWhileItIsUp) {
  g_box = nullptr;
  g_boxActive = false;
  g_looks = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, LookAtBox);
  MessageBoxA(app::Form1->Handle(), "文件不存在  C:\\set", "出错", MB_OK);
  KillTimer(nullptr, timer);
  ASSERT_NE(g_box, nullptr);
  EXPECT_TRUE(g_boxActive);
  Pump(50);
  skin::SkinManager()->PurgeFormSkins();
  EXPECT_EQ(skin::SkinManager()->FindFormSkin(g_box), nullptr);
}

TEST_F(SkinnedProgram, SecondSkinRefreshesAndSwitchingOffGivesTheWindowBack) {
  skin::TSkinData* data = app::Form1->SkinData1;
  const std::string first = data->SkinFile();
  int changed = 0;
  data->OnSkinChanged = [&](fw::TObject*) { ++changed; };
  data->SetSkinFile(testsupport::DistSkinPath("墨夜_dark.skn"));
  EXPECT_TRUE(PumpUntil([&] { return changed == 1; }));
  EXPECT_TRUE(Active(app::Form1->Handle()));
  Pump(300);
  testsupport::SaveScreenshotPng(app::Form1->Handle(), testsupport::ArtifactPath("skinned_main_window_dark.png"));

  data->SetActive(false);
  EXPECT_TRUE(PumpUntil([&] { return changed == 2; }));
  EXPECT_TRUE(skin::SkinManager()->FormSkins().empty());
  EXPECT_NE(SendMessageA(app::Form1->Handle(), skin::XM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(GetMenu(app::Form1->Handle()), app::Form1->MainMenu1->Handle());  // the native menu is back

  data->SetSkinFile(first);
  data->SetActive(true);
  EXPECT_TRUE(PumpUntil([&] { return changed >= 3 && Active(app::Form1->Handle()); }));
  data->OnSkinChanged = nullptr;
}

// The real program, started from a folder holding its skin, skins its windows and still ends by
// itself with exit code 0 when its main window is closed.
TEST(SkinnedRealProgram, StartsSkinnedSkinsItsMessageBoxAndEndsCleanly) {
  driver::AppFolder folder;
  ASSERT_TRUE(folder.ok()) << folder.path();
  ASSERT_TRUE(CreateDirectoryA(folder.File("皮肤").c_str(), nullptr));
  const std::string skin = testsupport::ProgramSkinInFolder();
  ASSERT_TRUE(CopyFileA(testsupport::ProgramSkinPath().c_str(), (folder.path() + skin).c_str(), FALSE));
  ASSERT_TRUE(driver::WriteBytes(folder.File("set"), "1\r\n"));  // an empty list
  driver::Program program(folder);
  ASSERT_TRUE(program.started());
  HWND main = driver::WaitForMainWindow(program.pid(), 20000);
  ASSERT_NE(main, nullptr);
  auto skinned = [](HWND w) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(w, skin::XM_ISSKINNED, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) && answer == 1;
  };
  EXPECT_TRUE(driver::WaitFor(20000, [&] { return skinned(main); }));
  EXPECT_TRUE(driver::WaitFor(5000, [&] { return GetMenu(main) == nullptr; }));

  // "设定" with an empty list: the program's error box, skinned like its windows.
  HWND toolbar = driver::FindChild(main, "TToolBar");
  ASSERT_NE(toolbar, nullptr);
  driver::ClickToolButton(toolbar, 1, 71);
  auto box = driver::WaitForMessageBox(program.pid(), 20000);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, "出错");
  EXPECT_TRUE(driver::WaitFor(5000, [&] { return skinned(box->hwnd); }));
  Sleep(300);
  testsupport::SaveScreenshotPng(box->hwnd, testsupport::ArtifactPath("skinned_program_error_box.png"));
  EXPECT_TRUE(driver::Dismiss(*box));

  testsupport::SaveScreenshotPng(main, testsupport::ArtifactPath("skinned_program.png"));
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitForExit(20000)) << "the program did not end by itself with exit code 0";
}

}  // namespace
