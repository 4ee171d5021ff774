// The skinned system menu on real windows under Wine: opened by the icon button, a right click on
// the caption and Alt+Space, closed by a second click within the double-click time, its items
// copied from the window's own system menu with the skin's images and enabling rules. A screenshot
// of the open menu goes to the artifacts folder.
#include "caption_win_fixture.h"

#include "skin/form/system_menu_items.h"

namespace {

using namespace captiontest;

TEST(SkinnedSystemMenu, IconOpensTheSystemMenuAndASecondClickSoonAfterClosesTheWindow) {
  Skinned s;
  TWinSysButton* icon = s.Button(3);
  ASSERT_NE(icon, nullptr);
  // A generous double-click time keeps the test from depending on the machine's speed.
  s.form->DoubleClickTime = 60000;
  const POINT at = s.ScreenOf(icon->Rect);
  WithProbe(testsupport::ArtifactPath("system_menu_open.png"), [&] { s.Click(at); });
  EXPECT_TRUE(g_probe.Seen);
  fw::TPopupMenu* popup = s.form->SystemMenuPopup();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->Tag(), skin::kSysMenuTag);
  EXPECT_EQ(g_probe.Items, popup->Items()->Count());
  EXPECT_FALSE(TakePosted(s.w(), WM_CLOSE, 0));

  // Clicked again within the double-click time: the window closes instead.
  s.Click(at);
  EXPECT_TRUE(TakePosted(s.w(), WM_CLOSE, 0));

  // Once that time is over the menu opens again.
  s.form->LastSysMenuClick = GetTickCount() - 60001;
  WithProbe({}, [&] { s.Click(at); });
  EXPECT_TRUE(g_probe.Seen);
  EXPECT_FALSE(TakePosted(s.w(), WM_CLOSE, 0));
}

TEST(SkinnedSystemMenu, SystemMenuCopiesTheWindowsItemsWithTheSkinsRules) {
  Skinned s;
  s.form->BuildSystemMenu();
  fw::TPopupMenu* popup = s.form->SystemMenuPopup();
  ASSERT_NE(popup, nullptr);
  HMENU system = GetSystemMenu(s.w(), FALSE);
  ASSERT_EQ(popup->Items()->Count(), GetMenuItemCount(system));
  struct Want {
    int command;
    bool enabled;
    int image;
  };
  // A normal window with both boxes.
  const Want wants[] = {
      {SC_RESTORE, false, 0}, {SC_MOVE, true, -1}, {SC_SIZE, true, -1},
      {SC_MINIMIZE, true, 2}, {SC_MAXIMIZE, true, 1}, {SC_CLOSE, true, 3},
  };
  const bool images = Data()->MenuImages() && Data()->MenuImages()->Count() > 3;
  for (const Want& want : wants) {
    fw::TMenuItem* found = nullptr;
    for (int i = 0; i < popup->Items()->Count(); ++i)
      if (popup->Items()->Items(i)->Tag() == want.command) found = popup->Items()->Items(i);
    ASSERT_NE(found, nullptr) << std::hex << want.command;
    EXPECT_EQ(found->Enabled(), want.enabled) << std::hex << want.command;
    if (images) {
      EXPECT_EQ(found->ImageIndex(), want.image) << std::hex << want.command;
    }
    char text[96] = {};
    GetMenuStringA(system, static_cast<UINT>(want.command), text, sizeof text, MF_BYCOMMAND);
    EXPECT_EQ(found->Caption(), std::string(text));
  }
  // A separator shows as "-"; clicking an item posts its command to the window.
  bool separator = false;
  for (int i = 0; i < popup->Items()->Count(); ++i) separator |= popup->Items()->Items(i)->IsLine();
  EXPECT_TRUE(separator);
  for (int i = 0; i < popup->Items()->Count(); ++i) {
    fw::TMenuItem* item = popup->Items()->Items(i);
    if (item->Tag() != SC_MINIMIZE) continue;
    item->Click();
  }
  EXPECT_TRUE(TakePostedSysCommand(s.w(), SC_MINIMIZE));
}

TEST(SkinnedSystemMenu, RightClickOnTheCaptionAndAltSpaceOpenTheSkinnedSystemMenu) {
  Skinned s;
  s.form->DoubleClickTime = 0;
  const POINT caption = s.ScreenOfWindowPoint(s.form->CaptionTextRect.left + 4, s.form->Metrics().BorderTop / 2);
  g_native_menu_loops = 0;
  WithProbe({}, [&] { EXPECT_EQ(s.Send(WM_NCRBUTTONDOWN, HTCAPTION, caption), 0); });
  EXPECT_TRUE(g_probe.Seen);
  s.form->LastSysMenuClick = 0;
  WithProbe({}, [&] { EXPECT_EQ(SendMessageA(s.w(), WM_SYSCOMMAND, SC_KEYMENU, ' '), 0); });
  EXPECT_TRUE(g_probe.Seen);
  // The native system menu does not follow the skinned one.
  EXPECT_EQ(g_native_menu_loops, 0);
}

// Right presses on the caption that reached the MDI child's own procedure.
int g_child_right_presses = 0;

LRESULT CALLBACK ChildProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCRBUTTONDOWN && wp == HTCAPTION) ++g_child_right_presses;
  return DefMDIChildProcA(w, msg, wp, lp);
}

// A right click on an MDI child's caption is left to the child's own handling (its native system
// menu); the skinned one is not built.
TEST(SkinnedSystemMenu, RightClickOnAnMdiChildCaptionStaysNative) {
  fw::UniqueHwnd frame(MakeWindow(kMainStyle | WS_CLIPCHILDREN, false));
  CLIENTCREATESTRUCT ccs{nullptr, 1000};
  HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 400, 260,
                                frame.get(), nullptr, GetModuleHandleA(nullptr), &ccs);
  ASSERT_NE(client, nullptr);
  static const ATOM childClass = testsupport::RegisterTestClass("CaptionTestMdiChild", ChildProc);
  ASSERT_NE(childClass, 0);
  MDICREATESTRUCTA mcs{"CaptionTestMdiChild", "子窗口", GetModuleHandleA(nullptr), 10, 10, 260, 180,
                       WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0};
  HWND child = reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  ASSERT_NE(child, nullptr);
  auto form = std::make_unique<TWinSkinForm>(nullptr);
  form->WindowHandle = child;
  form->Attach(Data());
  PostMessageA(child, skin::XM_ACTIVATESKIN, 0, skin::kActivateSkinParam);
  Pump();
  ASSERT_EQ(form->FormKind, skin::kFormMdiChild);
  ASSERT_EQ(form->SkinState, skin::kSkinActive);
  RECT r{};
  GetWindowRect(child, &r);
  const POINT caption{(r.left + r.right) / 2, r.top + form->Metrics().BorderTop / 2};
  // Real input: the native handling of the press waits for the release.
  SetForegroundWindow(frame.get());
  Pump();
  g_child_right_presses = 0;
  WithProbe({}, [&] {
    RealClick(caption, true);
    PumpUntil([] { return g_child_right_presses > 0; }, 2000);
    Pump();
  });
  EXPECT_EQ(g_child_right_presses, 1);
  EXPECT_EQ(form->SystemMenuPopup(), nullptr);
  form->Detach();
  form.reset();
  frame.reset();
  Pump();
}

// A user's double click on the icon: the first click opens the system menu, the second, coming
// while it is open, closes the window.
TEST(SkinnedSystemMenu, RealDoubleClickOnTheIconClosesTheWindow) {
  Skinned s;
  g_closes = 0;
  const POINT icon = s.ScreenOf(s.Button(3)->Rect);
  INPUT in[4] = {MouseAt(icon, MOUSEEVENTF_LEFTDOWN), MouseAt(icon, MOUSEEVENTF_LEFTUP),
                 MouseAt(icon, MOUSEEVENTF_LEFTDOWN), MouseAt(icon, MOUSEEVENTF_LEFTUP)};
  WithProbe({}, [&] {
    SendInput(4, in, sizeof(INPUT));
    PumpUntil([] { return g_closes > 0; }, 3000);
  });
  EXPECT_GT(g_closes, 0);
}

}  // namespace
