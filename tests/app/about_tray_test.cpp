// The about box's reactions and picture, and the main window's tray icon, in the running program.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/help_commands.h"
#include "app/resources/resource_ids.h"
#include "app/running_program.h"
#include "common/jpeg_codec.h"
#include "support/paths.h"
#include "support/screenshot.h"
#include "tray/cn_tray_icon.h"

namespace {

using apptest::ClipboardText;
using apptest::P;
using apptest::Pump;

void SetClipboard(const std::string& text) { ASSERT_TRUE(app::CopyTextToClipboard(nullptr, text)); }

// Left-button messages at the middle of a label, as its parent window receives them.
void MouseOn(fw::TControl* label, std::initializer_list<UINT> messages) {
  HWND parent = label->Parent()->Handle();
  const LPARAM at = MAKELPARAM(label->Left() + label->Width() / 2, label->Top() + label->Height() / 2);
  for (UINT m : messages) SendMessageA(parent, m, m == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
}
const std::initializer_list<UINT> kClick = {WM_LBUTTONDOWN, WM_LBUTTONUP};
const std::initializer_list<UINT> kDoubleClick = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};

class AboutBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    P();
    previous_ = app::SetShellOpen([this](HWND, const std::string& target, int show) {
      opened_.push_back(target);
      shows_.push_back(show);
    });
    app::Form1->N17Click(nullptr);
    Pump(50);
  }
  void TearDown() override {
    app::SetShellOpen(previous_);
    app::AboutBox->OKButton->Click();
  }
  app::TShellOpen previous_;
  std::vector<std::string> opened_;
  std::vector<int> shows_;
};

int VisibleAboutBoxes() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        char cls[32] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (std::string(cls) == "TAboutBox" && IsWindowVisible(w)) ++*reinterpret_cast<int*>(p);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST_F(AboutBoxTest, AboutAgainBringsTheOneBoxToTheFront) {
  HWND box = app::AboutBox->Handle();
  EXPECT_EQ(VisibleAboutBoxes(), 1);
  SetForegroundWindow(app::Form1->Handle());
  SetWindowPos(app::Form1->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Pump(50);
  ASSERT_NE(GetForegroundWindow(), box);
  // Through the menu item, as the user chooses it.
  fw::TMenuItem* about = app::Form1->MainMenu1->Items()->Items(3)->Items(4);
  ASSERT_EQ(about->Caption(), "关于");
  SendMessageA(app::Form1->Handle(), WM_COMMAND, about->Command(), 0);
  Pump(50);
  EXPECT_EQ(VisibleAboutBoxes(), 1);
  EXPECT_EQ(app::AboutBox->Handle(), box);
  EXPECT_EQ(GetForegroundWindow(), box);
}

TEST_F(AboutBoxTest, CloseButtonHidesTheBoxForTheNextAbout) {
  HWND box = app::AboutBox->Handle();
  SendMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump(50);
  EXPECT_TRUE(IsWindow(box));
  EXPECT_FALSE(IsWindowVisible(box));
  EXPECT_FALSE(app::AboutBox->Visible());
  app::Form1->N17Click(nullptr);
  EXPECT_EQ(app::AboutBox->Handle(), box);
  EXPECT_TRUE(IsWindowVisible(box));
}

TEST_F(AboutBoxTest, LabelsCopyTheirTextOnDoubleClick) {
  struct Case {
    fw::TLabel* label;
    std::string text;
  } cases[] = {
      {app::AboutBox->ProductName, "Talvik软件安装路径修改器2.1"},
      {app::AboutBox->Version, app::AboutBox->Version->Caption()},
  };
  EXPECT_EQ(app::AboutBox->Version->Caption().rfind("作者：", 0), 0u);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.label->Hint(), "双击复制");
    EXPECT_TRUE(c.label->ShowHint());
    SetClipboard("before");
    MouseOn(c.label, kClick);
    EXPECT_EQ(ClipboardText(), "before");  // a single click copies nothing
    MouseOn(c.label, kDoubleClick);
    EXPECT_EQ(ClipboardText(), c.text);
  }
  // The clipboard holds GBK bytes: "作者" is D7 F7 D5 DF.
  EXPECT_EQ(ClipboardText().substr(0, 4), "\xD7\xF7\xD5\xDF");
  EXPECT_TRUE(opened_.empty());
}

TEST_F(AboutBoxTest, MailClickCopiesTheAddressAndDoubleClickWritesAMail) {
  fw::TLabel* comments = app::AboutBox->Comments;
  EXPECT_EQ(comments->Caption(), std::string("邮件：") + app::links::kAuthorMail + "  （双击打开，单击复制）");
  EXPECT_EQ(comments->Hint(), "单击复制到剪切板");
  SetClipboard("before");
  MouseOn(comments, kClick);
  EXPECT_EQ(ClipboardText(), app::links::kAuthorMail);
  EXPECT_TRUE(opened_.empty());
  SetClipboard("before");
  MouseOn(comments, kDoubleClick);
  EXPECT_EQ(ClipboardText(), app::links::kAuthorMail);  // the double-click's first click
  EXPECT_EQ(opened_, (std::vector<std::string>{std::string("mailto:") + app::links::kAuthorMail}));
  EXPECT_EQ(shows_, (std::vector<int>{SW_SHOWNORMAL}));
}

TEST_F(AboutBoxTest, WebLabelOpensThePage) {
  fw::TLabel* web = app::AboutBox->Label1;
  EXPECT_EQ(web->Caption(), std::string("网站：") + app::links::kAuthorPage);
  EXPECT_TRUE(web->Font()->Style() & fw::fsUnderline);
  MouseOn(web, kClick);
  EXPECT_EQ(opened_, (std::vector<std::string>{app::links::kAuthorPage}));
  EXPECT_EQ(shows_, (std::vector<int>{SW_SHOWNORMAL}));
}

std::vector<uint8_t> ResourcePicture() {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC res = FindResourceA(module, MAKEINTRESOURCEA(IDR_ABOUT_JPEG), MAKEINTRESOURCEA(10));
  if (!res) return {};
  auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(module, res)));
  return std::vector<uint8_t>(bytes, bytes + SizeofResource(module, res));
}

// Offset just past the start-of-scan header: the entropy-coded data begins there.
size_t ScanData(const std::vector<uint8_t>& jpeg) {
  for (size_t i = 0; i + 3 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA) return i + 2 + ((jpeg[i + 2] << 8) | jpeg[i + 3]);
  return 0;
}

TEST_F(AboutBoxTest, PictureDecodesAndBadPicturesLeaveTheBoxWithoutOne) {
  const std::vector<uint8_t> good = ResourcePicture();
  ASSERT_GT(good.size(), 100u);
  app::TAboutBox* box = app::AboutBox;
  ASSERT_TRUE(box->SetPictureJpeg(good));
  EXPECT_EQ(box->ProgramIcon->Picture()->Width(), 144);
  EXPECT_EQ(box->ProgramIcon->Picture()->Height(), 90);

  const size_t scan = ScanData(good);
  ASSERT_GT(scan, 0u);
  std::vector<uint8_t> truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>((scan + good.size()) / 2));
  std::vector<uint8_t> scrambled_scan = good;
  for (size_t i = scan + 10; i < scan + 200 && i + 2 < scrambled_scan.size(); i += 7) scrambled_scan[i] = 0xFF;
  std::vector<uint8_t> bad_header = good;
  for (size_t i = 4; i < 60; ++i) bad_header[i] = static_cast<uint8_t>(i * 37);
  const std::vector<uint8_t> not_jpeg = {'G', 'I', 'F', '8', '9', 'a'};
  struct Bad {
    const char* name;
    std::vector<uint8_t> data;
  } bad[] = {{"truncated", truncated},   {"corrupt scan data", scrambled_scan},
             {"corrupt header", bad_header}, {"not a JPEG", not_jpeg}, {"empty", {}}};
  for (const Bad& b : bad) {
    SCOPED_TRACE(b.name);
    EXPECT_FALSE(box->SetPictureJpeg(b.data));
    EXPECT_TRUE(box->ProgramIcon->Picture()->Empty());
    box->ProgramIcon->Invalidate();
    Pump(30);  // paints without the picture
    EXPECT_TRUE(IsWindowVisible(box->Handle()));
    if (b.data.empty())
      testsupport::SaveScreenshotPng(box->Handle(), testsupport::ArtifactPath("about_box_no_picture.png"));
    ASSERT_TRUE(box->SetPictureJpeg(good));  // and recovers
  }
}

// ---- the main window's tray icon

const UINT kCallback = RegisterWindowMessageA("CnTrayIcon");

TEST(MainTrayIcon, SettingsOfTheDesign) {
  P();
  tray::TCnTrayIcon* icon = app::Form1->CnTrayIcon1;
  ASSERT_NE(icon, nullptr);
  EXPECT_TRUE(icon->Active());
  EXPECT_TRUE(icon->AutoHide());
  EXPECT_TRUE(icon->Enabled());
  EXPECT_EQ(icon->Hint(), "Talvik软件安装路径修改器");
  EXPECT_FALSE(icon->Icon()->Empty());
  EXPECT_EQ(icon->PopupMenu(), app::Form1->PopupMenu1);
  EXPECT_FALSE(icon->UseAppIcon());
  EXPECT_EQ(icon->Owner(), app::Form1);
  // The desktop's notification area accepted the record.
  EXPECT_TRUE(icon->IconAdded());
}

TEST(MainTrayIcon, LeftClickTogglesHiddenAndShown) {
  P();
  HWND app_window = P().application.Handle();
  HWND notify = app::Form1->CnTrayIcon1->NotifyWindow();
  app::Form1->Show();
  Pump(50);
  ASSERT_TRUE(IsWindowVisible(app_window));
  auto click = [&] {
    SendMessageA(notify, kCallback, 0, WM_LBUTTONDOWN);
    SendMessageA(notify, kCallback, 0, WM_LBUTTONUP);
    Pump(50);
  };
  click();
  EXPECT_FALSE(IsWindowVisible(app_window));
  EXPECT_FALSE(IsWindowVisible(app::Form1->Handle()));
  click();
  EXPECT_TRUE(IsWindowVisible(app_window));
  EXPECT_TRUE(IsWindowVisible(app::Form1->Handle()));
  EXPECT_FALSE(IsIconic(app_window));
  // A double-click toggles once: one click, and the tray menu has no default item.
  SendMessageA(notify, kCallback, 0, WM_LBUTTONDOWN);
  SendMessageA(notify, kCallback, 0, WM_LBUTTONUP);
  SendMessageA(notify, kCallback, 0, WM_LBUTTONDBLCLK);
  SendMessageA(notify, kCallback, 0, WM_LBUTTONUP);
  Pump(50);
  EXPECT_FALSE(IsWindowVisible(app_window));
  click();
  EXPECT_TRUE(IsWindowVisible(app::Form1->Handle()));
}

TEST(MainTrayIcon, MinimiseGoesToTheTrayAndTheIconBringsItBack) {
  P();
  HWND app_window = P().application.Handle();
  app::Form1->Show();
  Pump(50);
  SendMessageA(app::Form1->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump(50);
  EXPECT_FALSE(IsWindowVisible(app_window));  // no taskbar button
  SendMessageA(app::Form1->CnTrayIcon1->NotifyWindow(), kCallback, 0, WM_LBUTTONDOWN);
  SendMessageA(app::Form1->CnTrayIcon1->NotifyWindow(), kCallback, 0, WM_LBUTTONUP);
  Pump(50);
  EXPECT_TRUE(IsWindowVisible(app_window));
  EXPECT_FALSE(IsIconic(app_window));
  EXPECT_TRUE(IsWindowVisible(app::Form1->Handle()));
}

}  // namespace
