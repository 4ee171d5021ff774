// The program's own menus with its skin switched on: the list's popup menu and the tray menu are
// drawn by the skin (the window covered by the menu background, items over it), and the main
// menu's drop-downs show their images and the check marks of the ticked options. Each open menu
// is photographed into the artifacts folder from a timer inside the menu loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/program_skin.h"
#include "app/running_program.h"
#include "skin/data/nine_slice.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/form/menu_item_layout.h"
#include "skin/form/skin_messages.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"
#include "support/paths.h"
#include "support/screenshot.h"
#include "support/skin_test_support.h"

namespace {

using apptest::P;
using apptest::Pump;
using skin::Colour;

skin::TWinSkinForm* MainSkin() {
  skin::TSkinManage* m = skin::SkinManager();
  return m ? m->FindFormSkin(app::Form1->Handle()) : nullptr;
}

class ProgramMenus : public ::testing::Test {
 protected:
  void SetUp() override {
    P();
    apptest::SwitchProgramSkinOn();
    for (int i = 0; i < 250 && !(MainSkin() && MainSkin()->SkinState == skin::kSkinActive); ++i) Pump(20);
    ASSERT_NE(MainSkin(), nullptr);
    ASSERT_EQ(MainSkin()->SkinState, skin::kSkinActive);
    Pump(100);
  }
  const skin::SkinDefinition& Skin() const { return app::Form1->SkinData1->Skin(); }
};

using testsupport::OpenMenuWindow;

// What the screen showed of an open menu.
struct Shot {
  HWND window = nullptr;
  RECT windowRect{};
  bool skinned = false;
  common::Image24 screen;
  std::vector<RECT> items;
};

HMENU g_menu = nullptr;
std::string g_file;
Shot g_shot;
int g_ticks = 0;

void CALLBACK ShotTick(HWND, UINT, UINT_PTR id, DWORD) {
  HWND window = OpenMenuWindow();
  if (++g_ticks > 100 || (window && g_ticks > 3)) {
    KillTimer(nullptr, id);
    if (window) {
      g_shot.window = window;
      GetWindowRect(window, &g_shot.windowRect);
      g_shot.skinned = SendMessageA(window, skin::XM_ISSKINNED, 0, 0) == 1;
      g_shot.screen = testsupport::CaptureScreen();
      for (int i = 0; i < GetMenuItemCount(g_menu); ++i) {
        RECT r{};
        GetMenuItemRect(nullptr, g_menu, static_cast<UINT>(i), &r);
        g_shot.items.push_back(r);
      }
      testsupport::SaveScreenshotPng(nullptr, testsupport::ArtifactPath(g_file));
    }
    EndMenu();
  }
}

Shot Photograph(HMENU menu, const std::string& file, const std::function<void()>& open) {
  g_menu = menu;
  g_file = file;
  g_shot = {};
  g_ticks = 0;
  SetTimer(nullptr, 0, 150, ShotTick);
  open();
  Pump(100);
  return g_shot;
}

Colour At(const common::Image24& img, int x, int y) { return testsupport::ColourAt(img, x, y); }
int Count(const common::Image24& img, const RECT& r, Colour c) { return testsupport::CountColour(img, r, c); }

void ExpectSkinnedWindow(const Shot& s, const skin::SkinDefinition& skin) {
  ASSERT_NE(s.window, nullptr) << "the menu never showed";
  EXPECT_TRUE(s.skinned);
  const skin::TDataSkinObject& bg = *skin.MenuBackground;
  const int w = s.windowRect.right - s.windowRect.left, h = s.windowRect.bottom - s.windowRect.top;
  const skin::Bitmap want =
      skin::CompositeSkinBitmap({w, h}, bg.Bitmap, bg.GetMargins(), false, bg.Tile != 0, 1, 1);
  for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {w - 1, h - 1}, {w / 2, 1}})
    EXPECT_EQ(At(s.screen, s.windowRect.left + x, s.windowRect.top + y), want.Pixel(x, y)) << x << "," << y;
}

TEST_F(ProgramMenus, ListAndTrayPopupsAreDrawnByTheSkin) {
  const Colour menuText = static_cast<Colour>(app::Form1->SkinData1->SkinColor(skin::kScMenuText));
  struct Case {
    fw::TPopupMenu* menu;
    const char* file;
  };
  for (const Case& c : {Case{app::Form1->PopupMenu2, "program_list_popup.png"},
                        Case{app::Form1->PopupMenu1, "program_tray_menu.png"}}) {
    SCOPED_TRACE(c.file);
    EXPECT_TRUE(c.menu->OwnerDraw());
    RECT list{};
    GetWindowRect(app::Form1->ListBox1->Handle(), &list);
    const Shot s = Photograph(c.menu->Handle(), c.file, [&] { c.menu->Popup(list.left + 30, list.top + 20); });
    ExpectSkinnedWindow(s, Skin());
    ASSERT_FALSE(s.items.empty());
    EXPECT_GT(Count(s.screen, s.items[0], menuText), 3) << "first caption in MenuText";
    EXPECT_EQ(skin::SkinManager()->MenuSourceMode, 0);
  }
}

TEST_F(ProgramMenus, MainMenuDropDownsShowImagesAndTickedOptions) {
  skin::TWinSkinMenu* bar = MainSkin()->MenuBar;
  ASSERT_NE(bar, nullptr);
  ASSERT_GE(bar->BarButtons.size(), 3u);
  // "选项": both ticked options show the check mark in the glyph box after the skin's band.
  skin::TMenuBtn* options = bar->BarButtons[2].get();
  const Shot s = Photograph(options->SubMenu, "program_options_dropdown.png", [&] { bar->OpenMenuItem(options); });
  ExpectSkinnedWindow(s, Skin());
  ASSERT_GE(s.items.size(), 3u);
  const int band = Skin().MenuItem ? Skin().MenuItem->LeftWidth : 0;
  const Colour mark = static_cast<Colour>(GetSysColor(COLOR_BTNTEXT));
  for (size_t i : {size_t{0}, size_t{2}}) {
    const RECT& item = s.items[i];
    const skin::Rect box =
        skin::MenuGlyphBox({item.left, item.top, item.right, item.bottom}, band, 16, false, false);
    EXPECT_GT(Count(s.screen, RECT{box.left, item.top, box.right, item.bottom}, mark), 3) << i;
  }
  // "编辑": items with images from the program's image list.
  skin::TMenuBtn* edit = bar->BarButtons[1].get();
  const Shot e = Photograph(edit->SubMenu, "program_edit_dropdown.png", [&] { bar->OpenMenuItem(edit); });
  ExpectSkinnedWindow(e, Skin());
  EXPECT_EQ(skin::SkinManager()->MenuSourceMode, 0);
  EXPECT_FALSE(skin::SkinManager()->MenuFromBar);
}

}  // namespace
