// Menu items built into real HMENUs: order, separators, ticks, hidden items, sub-menus, rebuilds on
// change, and WM_COMMAND identifiers leading back to the item.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/test_app.h"

namespace {

using fwtest::App;

std::string ItemText(HMENU menu, int pos) {
  char buf[128] = {};
  MENUITEMINFOA mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_STRING;
  mii.dwTypeData = buf;
  mii.cch = sizeof buf;
  GetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &mii);
  return buf;
}

MENUITEMINFOA ItemInfo(HMENU menu, int pos) {
  MENUITEMINFOA mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU;
  GetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &mii);
  return mii;
}

class TMenuForm : public fw::TForm {
  FW_CLASS()
 public:
  explicit TMenuForm(fw::TComponent* owner) : fw::TForm(owner) {
    SetBounds(0, 0, 300, 200);
    menu = new fw::TMainMenu(this);
    options = fw::NewItem(this, "options", "选项  ");
    menu->Items()->Add(options);
    restore = fw::NewItem(this, "zidonghuifu", "退出时自动恢复系统原来的设置");
    restore->SetChecked(true);
    restore->SetAutoCheck(true);
    options->Add(restore);
    options->Add(fw::NewLine(this));
    copy = fw::NewItem(this, "mycopy", "路径自动拷贝到剪切板", [this](fw::TObject*) { ++copy_clicks; });
    options->Add(copy);
    hidden = fw::NewItem(this, "qidongyincang", "启动时隐藏");
    options->Add(hidden);
    hidden_child = fw::NewItem(this, "huanpifu", "换皮肤");
    hidden->Add(hidden_child);
    SetMenu(menu);
  }
  fw::TMainMenu* menu;
  fw::TMenuItem *options, *restore, *copy, *hidden, *hidden_child;
  int copy_clicks = 0;
};
FW_DEFINE_CLASS(TMenuForm, fw::TForm)

TEST(Menu, ItemsBecomeTheFormsMenuBarWithTicksSeparatorsAndSubMenus) {
  App();
  TMenuForm form(App());
  form.Show();
  HMENU bar = GetMenu(form.Handle());
  ASSERT_EQ(bar, form.menu->Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 1);
  EXPECT_EQ(ItemText(bar, 0), "选项  ");
  HMENU drop = GetSubMenu(bar, 0);
  ASSERT_EQ(drop, form.options->Handle());
  ASSERT_EQ(GetMenuItemCount(drop), 4);
  EXPECT_EQ(ItemText(drop, 0), "退出时自动恢复系统原来的设置");
  EXPECT_TRUE(ItemInfo(drop, 0).fState & MFS_CHECKED);
  EXPECT_TRUE(ItemInfo(drop, 1).fType & MFT_SEPARATOR);
  EXPECT_FALSE(ItemInfo(drop, 2).fState & MFS_CHECKED);
  EXPECT_EQ(ItemInfo(drop, 2).wID, form.copy->Command());
  EXPECT_EQ(ItemInfo(drop, 3).hSubMenu, form.hidden->Handle());
  EXPECT_EQ(form.menu->FindItem(form.copy->Command(), fw::TFindItemKind::fkCommand), form.copy);
  EXPECT_EQ(form.menu->FindItem(reinterpret_cast<UINT_PTR>(drop), fw::TFindItemKind::fkHandle), form.options);
  EXPECT_EQ(form.copy->ParentHandle(), drop);
}

TEST(Menu, ChangesRebuildTheMenuAndTellTheForm) {
  App();
  TMenuForm form(App());
  form.Show();
  int changes = 0;
  fw::TWndMethod old = form.WindowProc;
  form.WindowProc = [&](fw::TMessage& m) {
    if (m.Msg == fw::CM_MENUCHANGED) ++changes;
    old(m);
  };
  HMENU drop = form.options->Handle();
  form.hidden->SetVisible(false);
  EXPECT_EQ(GetMenuItemCount(drop), 3);
  EXPECT_EQ(ItemText(drop, 2), "路径自动拷贝到剪切板");
  form.copy->SetChecked(true);
  EXPECT_TRUE(ItemInfo(drop, 2).fState & MFS_CHECKED);
  form.copy->SetEnabled(false);
  EXPECT_TRUE(ItemInfo(drop, 2).fState & MFS_DISABLED);
  form.copy->SetCaption("拷贝");
  EXPECT_EQ(ItemText(drop, 2), "拷贝");
  EXPECT_GE(changes, 4);
  // The same handles stay valid across rebuilds.
  EXPECT_EQ(GetMenu(form.Handle()), form.menu->Handle());
  EXPECT_EQ(GetSubMenu(GetMenu(form.Handle()), 0), drop);
  form.WindowProc = old;
}

TEST(Menu, CommandsReachTheirItemAndAutoCheckItemsTickThemselves) {
  App();
  TMenuForm form(App());
  form.Show();
  SendMessageA(form.Handle(), WM_COMMAND, form.copy->Command(), 0);
  EXPECT_EQ(form.copy_clicks, 1);
  SendMessageA(form.Handle(), WM_COMMAND, form.restore->Command(), 0);
  EXPECT_FALSE(form.restore->Checked());
  EXPECT_FALSE(ItemInfo(form.options->Handle(), 0).fState & MFS_CHECKED);
  SendMessageA(form.Handle(), WM_COMMAND, form.restore->Command(), 0);
  EXPECT_TRUE(form.restore->Checked());
}

TEST(Menu, DeletedItemsLeaveTheMenuAndFreeTheirCommand) {
  App();
  TMenuForm form(App());
  form.Show();
  UINT id = form.copy->Command();
  delete form.copy;
  EXPECT_EQ(GetMenuItemCount(form.options->Handle()), 3);
  EXPECT_EQ(fw::TMenu::FindCommand(id), nullptr);
  EXPECT_EQ(SendMessageA(form.Handle(), WM_COMMAND, id, 0), 0);  // nothing runs
}

// Picks the second entry of the popup menu that is open now.
void CALLBACK PickSecond(HWND, UINT, UINT_PTR id, DWORD) {
  HWND popup = FindWindowA("#32768", nullptr);
  if (!popup || !IsWindowVisible(popup)) return;
  KillTimer(nullptr, id);
  PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
}

TEST(Menu, APopupMenuRunsTheChosenItemAfterItCloses) {
  App();
  TMenuForm form(App());
  form.Show();
  auto* popup = new fw::TPopupMenu(&form);
  std::vector<std::string> log;
  popup->Items()->Add(fw::NewItem(&form, "a", "恢复系统原来的设置", [&](fw::TObject*) { log.push_back("a"); }));
  popup->Items()->Add(fw::NewLine(&form));
  popup->Items()->Add(fw::NewItem(&form, "b", "退出", [&](fw::TObject*) { log.push_back("b"); }));
  popup->OnPopup = [&](fw::TObject*) { log.push_back("popup"); };
  SetForegroundWindow(form.Handle());
  SetTimer(nullptr, 0, 50, PickSecond);
  popup->Popup(100, 100);
  EXPECT_EQ(log, (std::vector<std::string>{"popup", "b"}));
}

TEST(Menu, AMenuWithImagesDrawsItsDropDownItself) {
  App();
  TMenuForm form(App());
  auto* images = new fw::TImageList(&form);
  form.menu->SetImages(images);
  form.Show();
  EXPECT_TRUE(ItemInfo(form.options->Handle(), 0).fType & MFT_OWNERDRAW);
  EXPECT_FALSE(ItemInfo(form.menu->Handle(), 0).fType & MFT_OWNERDRAW);  // the bar keeps text
  MEASUREITEMSTRUCT mis{};
  mis.CtlType = ODT_MENU;
  mis.itemID = form.copy->Command();
  SendMessageA(form.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
  EXPECT_GT(mis.itemWidth, 40u);
  EXPECT_GE(mis.itemHeight, 16u);
  int drawn = 0;
  form.copy->OnDrawItem = [&](fw::TObject* sender, fw::TCanvas*, RECT, bool selected) {
    EXPECT_EQ(sender, form.copy);
    EXPECT_TRUE(selected);
    ++drawn;
  };
  fw::WindowDc dc(form.Handle());
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_MENU;
  dis.itemID = form.copy->Command();
  dis.itemState = ODS_SELECTED;
  dis.hDC = dc.get();
  dis.rcItem = {0, 0, 100, 20};
  SendMessageA(form.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
  EXPECT_EQ(drawn, 1);
  // Destroying the image list turns owner drawing off again.
  delete images;
  EXPECT_FALSE(ItemInfo(form.options->Handle(), 0).fType & MFT_OWNERDRAW);
}

TEST(Menus, ShortCutTextNamesModifiersThenKey) {
  struct Case {
    int shortcut;
    const char* text;
  };
  const Case cases[] = {
      {0, ""},
      {fw::scCtrl | 'S', "Ctrl+S"},
      {fw::scShift | VK_DELETE, "Shift+Del"},
      {VK_F5, "F5"},
      {fw::scShift | fw::scCtrl | fw::scAlt | '1', "Shift+Ctrl+Alt+1"},
      {fw::scCtrl | 0xE5, ""},  // a key without a name shows nothing
  };
  for (const Case& c : cases) EXPECT_EQ(fw::ShortCutToText(c.shortcut), c.text) << c.shortcut;
}

}  // namespace
