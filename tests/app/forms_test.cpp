// The program's windows built in-process: the main window's layout, menus, tool bar and list, and
// the about box, checked against the design and photographed.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/main_form.h"
#include "app/running_program.h"
#include "framework/hints.h"
#include "support/paths.h"
#include "support/screenshot.h"

namespace {

using apptest::P;
using apptest::Pump;

// Captions of a menu's entries, "-" for separators.
std::vector<std::string> Entries(HMENU menu) {
  std::vector<std::string> out;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOA mii{};
    char buf[128] = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE | MIIM_STRING;
    mii.dwTypeData = buf;
    mii.cch = sizeof buf;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &mii);
    out.push_back((mii.fType & MFT_SEPARATOR) ? "-" : buf);
  }
  return out;
}

// Owner-drawn items carry no text in the HMENU: read the framework items instead.
std::vector<std::string> ItemCaptions(fw::TMenuItem* parent) {
  std::vector<std::string> out;
  for (int i = 0; i < parent->Count(); ++i)
    if (parent->Items(i)->Visible()) out.push_back(parent->Items(i)->Caption());
  return out;
}

using Captions = std::vector<std::string>;

TEST(MainForm, MenuBarHasEveryMenuWithItsBlanks) {
  auto* f = P().application.MainForm();
  ASSERT_EQ(f, app::Form1);
  HMENU bar = GetMenu(app::Form1->Handle());
  ASSERT_EQ(bar, app::Form1->MainMenu1->Handle());
  EXPECT_EQ(Entries(bar), (Captions{"  文件  ", "编辑  ", "选项  ", "帮助  ", "友情链接"}));
  fw::TMenuItem* top = app::Form1->MainMenu1->Items();
  EXPECT_EQ(ItemCaptions(top->Items(0)), (Captions{"保存设置文件", "-", "调入设置文件"}));
  EXPECT_EQ(ItemCaptions(top->Items(1)),
            (Captions{"增加软件安装路径", "-", "修改软件安装路径", "-", "设定当前 Program Files 的路径", "-",
                      "单项删除", "-", "全部删除", "-", "恢复系统原来的设置"}));
  // The hidden start-up submenu is left out once the window is created.
  EXPECT_EQ(ItemCaptions(top->Items(2)), (Captions{"退出时自动恢复系统原来的设置", "-", "路径自动拷贝到剪切板"}));
  EXPECT_EQ(GetMenuItemCount(top->Items(2)->Handle()), 3);
  EXPECT_FALSE(app::Form1->qidongyincang->Visible());
  EXPECT_EQ(app::Form1->qidongyincang->Count(), 4);
  EXPECT_EQ(ItemCaptions(top->Items(3)),
            (Captions{"帮助", "-", "个人介绍", "-", "关于", "-", "Pellumo_用户反馈表", "-", "★★★ 杀软神器", "-",
                      "接受定做软件", "-", "欢迎给我来信", "-", "本软升级页面"}));
  fw::TMenuItem* links = top->Items(4);
  EXPECT_EQ(ItemCaptions(links),
            (Captions{"Talvik软件系列", "-", "华军软件园", "-", "天空软件站", "-", "非凡软件站", "-", "中关村在线", "-",
                      "绿软家园(绿色下载站)", "-", "最好的虚拟主机商_中国网格", "中国网格详情", "-",
                      "BRSBOX 免费网络硬盘", "-", "广告位招租"}));
  EXPECT_EQ(links->Items(0)->Count(), 19);  // ten entries with separators between them
  EXPECT_EQ(links->Items(0)->Items(10)->Caption(), "Talvik软件安装路径修改器");
}

TEST(MainForm, OptionsStartTickedAndTickThemselves) {
  P();
  EXPECT_TRUE(app::Form1->zidonghuifu->Checked());
  EXPECT_TRUE(app::Form1->mycopy->Checked());
  SendMessageA(app::Form1->Handle(), WM_COMMAND, app::Form1->mycopy->Command(), 0);
  EXPECT_FALSE(app::Form1->mycopy->Checked());
  SendMessageA(app::Form1->Handle(), WM_COMMAND, app::Form1->mycopy->Command(), 0);
  EXPECT_TRUE(app::Form1->mycopy->Checked());
}

TEST(MainForm, MenuImagesAndPopupMenus) {
  P();
  EXPECT_EQ(app::Form1->ImageList1->Count(), 12);
  EXPECT_EQ(app::Form1->ProgramFiles1->ImageIndex(), 9);
  EXPECT_EQ(app::Form1->N3->ImageIndex(), 10);
  EXPECT_EQ(app::Form1->N9->ImageIndex(), 11);
  EXPECT_EQ(ItemCaptions(app::Form1->PopupMenu1->Items()), (Captions{"恢复系统原来的设置", "-", "退出", "-"}));
  EXPECT_EQ(app::Form1->PopupMenu1->Items()->Items(3), app::Form1->lastmenu);
  EXPECT_EQ(ItemCaptions(app::Form1->PopupMenu2->Items()), (Captions{"拷贝当前路径到剪切板"}));
}

TEST(MainForm, ToolBarAndListFollowTheDesign) {
  P();
  auto* bar = app::Form1->ToolBar1;
  ASSERT_EQ(bar->ButtonCount(), 3);
  const char* captions[] = {"增加", "设定", "单项删除"};
  const char* hints[] = {"增加软件安装路径", "设定当前 Program Files 的路径", "单项删除"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(bar->Buttons(i)->Caption(), captions[i]);
    EXPECT_EQ(bar->Buttons(i)->Hint(), hints[i]);
    EXPECT_EQ(bar->Buttons(i)->Width(), 71);
    EXPECT_EQ(bar->Buttons(i)->Height(), 28);
    EXPECT_TRUE(fw::HintManager::HasTool(bar->Buttons(i)));  // tool tips shown
  }
  EXPECT_EQ(bar->Top(), 0);
  EXPECT_EQ(bar->Width(), app::Form1->ClientWidth());
  auto* list = app::Form1->ListBox1;
  EXPECT_EQ(list->PopupMenu(), app::Form1->PopupMenu2);
  EXPECT_EQ(list->DragMode(), fw::TDragMode::dmAutomatic);
  EXPECT_EQ(list->TabOrder(), 0);
  EXPECT_EQ(list->ItemHeight(), 20);
  EXPECT_EQ(app::Form1->LabeledEdit1->Font()->Color(), fw::clRed);
  EXPECT_EQ(app::Form1->LabeledEdit1->EditLabel()->Caption(), "当前 Program Files 路径__");
}

TEST(MainForm, ScaledToTheScreenWithTheDesignMarginsKept) {
  P();
  Pump(100);
  int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  if (sw != 1024 || sh != 768) GTEST_SKIP() << "laid out for a 1024 x 768 desktop";
  EXPECT_EQ(app::Form1->Width(), 780);
  EXPECT_EQ(app::Form1->Height(), 578);
  EXPECT_EQ(app::Form1->LabeledEdit1->Width(), 643);
  EXPECT_EQ(app::Form1->Shape1->Width(), 643);
  EXPECT_EQ(app::Form1->ListBox1->Width(), 643);
  EXPECT_EQ(app::Form1->ListBox1->Height(), 351);
  // Resizing keeps 73 pixels right of the list and 110 below it.
  SetWindowPos(app::Form1->Handle(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(app::Form1->ListBox1->Width(), 700 - 64 - 73);
  EXPECT_EQ(app::Form1->ListBox1->Height(), 500 - 117 - 110);
  SetWindowPos(app::Form1->Handle(), nullptr, 0, 0, 780, 578, SWP_NOMOVE | SWP_NOZORDER);
}

// Photographs the open drop-down, then closes it.
std::string g_shot;
void CALLBACK ShootMenu(HWND, UINT, UINT_PTR id, DWORD) {
  HWND popup = FindWindowA("#32768", nullptr);
  if (!popup || !IsWindowVisible(popup)) return;
  KillTimer(nullptr, id);
  RECT r;
  GetWindowRect(popup, &r);
  testsupport::SaveScreenshotPng(nullptr, g_shot);
  EndMenu();
}

TEST(MainForm, EditMenuDrawsItsImagesAndTexts) {
  P();
  HWND form = app::Form1->Handle();
  SetForegroundWindow(form);
  g_shot = testsupport::ArtifactPath("main_form_edit_menu.png");
  SetTimer(nullptr, 0, 100, ShootMenu);
  POINT p = app::Form1->ClientToScreen({60, 0});
  TrackPopupMenuEx(app::Form1->ProgramFiles1->ParentHandle(), TPM_LEFTALIGN, p.x, p.y, form, nullptr);
  Pump(50);
  EXPECT_NE(GetFileAttributesA(g_shot.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(AboutBox, HiddenAtStartShownOnceAndHiddenByOk) {
  P();
  auto* box = app::AboutBox;
  EXPECT_FALSE(box->Visible());
  EXPECT_EQ(box->ClassName(), "TAboutBox");
  int forms = fw::Screen->FormCount();
  SendMessageA(app::Form1->Handle(), WM_COMMAND, app::Form1->MainMenu1->Items()->Items(3)->Items(4)->Command(), 0);
  ASSERT_TRUE(box->Visible());
  EXPECT_TRUE(IsWindowVisible(box->Handle()));
  SendMessageA(app::Form1->Handle(), WM_COMMAND, app::Form1->MainMenu1->Items()->Items(3)->Items(4)->Command(), 0);
  EXPECT_EQ(fw::Screen->FormCount(), forms);  // brought forward, not duplicated
  RECT c;
  GetClientRect(box->Handle(), &c);
  EXPECT_EQ(c.right, 369);
  EXPECT_EQ(c.bottom, 265);
  char cls[64] = {};
  GetClassNameA(box->Handle(), cls, sizeof cls);
  EXPECT_STREQ(cls, "TAboutBox");
  EXPECT_FALSE(box->ProgramIcon->Picture()->Empty());
  EXPECT_EQ(box->ProgramIcon->Picture()->Width(), 144);
  Pump(200);
  RedrawWindow(box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(200);  // the painted window reaches the screen a little later
  testsupport::SaveScreenshotPng(box->Handle(), testsupport::ArtifactPath("about_box.png"));
  SendMessageA(box->OKButton->Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(box->Visible());
  EXPECT_FALSE(IsWindowVisible(box->Handle()));
}

TEST(MainForm, Photograph) {
  P();
  Pump(200);
  testsupport::SaveScreenshotPng(app::Form1->Handle(), testsupport::ArtifactPath("main_form.png"));
}

}  // namespace
