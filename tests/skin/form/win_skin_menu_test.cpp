// The skinned menu bar on a real window with a native menu: the bar takes the items and removes
// the native menu, clicks post the item's command, drop-downs open with TrackPopupMenu and the
// arrow keys and the mouse move between them, and the strip is painted from the skin.
#include <windows.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/menus.h"
#include "skin/data/nine_slice.h"
#include "skin/data/skin_load.h"
#include "skin/data/skin_data.h"
#include "skin/form/frame_painter.h"
#include "skin/form/skin_messages.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"
#include "skin/form/win_sys_button.h"
#include "support/input.h"
#include "support/paths.h"
#include "support/screenshot.h"
#include "support/skin_test_support.h"

namespace {

using skin::Rect;

constexpr UINT kOpen = 101, kSave = 102, kCut = 201, kPaste = 202, kRun = 300, kOff = 400, kOffItem = 401,
               kAbout = 501, kFileCmd = 10, kEditCmd = 20, kOffCmd = 40, kHelpCmd = 50;
constexpr skin::FrameMetrics kMetrics{4, 30, 6, 5, 20};
constexpr COLORREF kBarColour = RGB(0x20, 0x80, 0x80);
constexpr COLORREF kTextColour = RGB(0xFF, 0x00, 0x00);
constexpr COLORREF kShadowColour = RGB(0x00, 0xFF, 0x00);
constexpr COLORREF kHilightColour = RGB(0x00, 0x00, 0xFF);

// The bar with the test's frame sizes instead of a skinned frame's.
class TestMenu : public skin::TWinSkinMenu {
 public:
  using TWinSkinMenu::TWinSkinMenu;
  skin::FrameMetrics HostMetrics() const override { return kMetrics; }
};

struct WindowLog {
  std::vector<UINT> Commands;
  TestMenu* Bar = nullptr;
};
WindowLog g_log;

POINT WindowOrigin(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return {r.left, r.top};
}

// Routes the non-client mouse to the bar by point, as the form skin object does.
LRESULT CALLBACK TestProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      g_log.Commands.push_back(LOWORD(wp));
      return 0;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
      if (g_log.Bar) {
        const POINT o = WindowOrigin(w);
        if (g_log.Bar->HandleNcMouse(msg, {GET_X_LPARAM(lp) - o.x, GET_Y_LPARAM(lp) - o.y})) return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(w, msg, wp, lp);
}

void Pump(DWORD ms) { testsupport::PumpMessages(ms); }

using testsupport::MoveTo;
void ClickAt(POINT screen) { testsupport::SendClick(screen); }

// Pumps until the condition holds or the time is up; answers the condition.
template <class F>
bool PumpUntil(F done, DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  while (!done() && static_cast<int32_t>(end - GetTickCount()) > 0) Pump(20);
  return done();
}

// Moves the mouse to the point until the window has seen it there: a synthetic move is now and
// then not turned into a mouse message under Wine, so the move is repeated a pixel apart.
template <class F>
bool HoverAt(POINT screen, F seen) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    MoveTo({screen.x + (attempt & 1), screen.y});
    if (PumpUntil(seen, 300)) return true;
  }
  return false;
}

// File, Edit (drop-downs), Run (a plain command), Off (disabled drop-down), Help (drop-down).
HMENU BuildNativeMenu() {
  HMENU bar = CreateMenu();
  auto popup = [&](UINT id, const char* caption, std::vector<std::pair<UINT, const char*>> items, UINT flags = 0) {
    HMENU sub = CreatePopupMenu();
    for (auto& [cmd, text] : items) AppendMenuA(sub, MF_STRING, cmd, text);
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_STATE;
    mii.wID = id;
    mii.hSubMenu = sub;
    mii.fState = flags;
    mii.dwTypeData = const_cast<char*>(caption);
    InsertMenuItemA(bar, static_cast<UINT>(GetMenuItemCount(bar)), TRUE, &mii);
  };
  popup(kFileCmd, "&File", {{kOpen, "&Open"}, {kSave, "&Save"}});
  popup(kEditCmd, "&Edit", {{kCut, "Cu&t"}, {kPaste, "&Paste"}});
  AppendMenuA(bar, MF_STRING, kRun, "&Run");
  popup(kOffCmd, "&Off", {{kOffItem, "Nothing"}}, MFS_GRAYED);
  popup(kHelpCmd, "&Help", {{kAbout, "&About"}});
  return bar;
}

// Bar image: two stacked frames of 60 x 20, frame 1 blue 0x10, frame 2 blue 0x20, red from the
// column so the composition shows in the pixels.
skin::Bitmap BarImage() {
  skin::Bitmap b(60, 40);
  for (int32_t y = 0; y < 40; ++y)
    for (int32_t x = 0; x < 60; ++x)
      b.SetPixel(x, y, skin::Rgb(static_cast<uint8_t>(x * 4), static_cast<uint8_t>(0x40 + y % 20), y < 20 ? 0x10 : 0x20));
  return b;
}

// Table colours are this test's; the skin counts as loaded.
void UseTestColours(skin::TSkinData& data, bool withImage, int32_t tile) {
  skin::SkinDefinition& s = data.Skin();
  s.SkinColors[skin::kScMenubar] = static_cast<skin::Colour>(kBarColour);
  s.SkinColors[skin::kScMenuBarText] = static_cast<skin::Colour>(kTextColour);
  s.SkinColors[skin::kScButtonShadow] = static_cast<skin::Colour>(kShadowColour);
  s.SkinColors[skin::kScButtonHilight] = static_cast<skin::Colour>(kHilightColour);
  s.MenuBarSkin.reset();
  if (withImage) {
    s.MenuBarSkin = std::make_unique<skin::TDataSkinObject>("MenuBar");
    s.MenuBarSkin->Bitmap = BarImage();
    s.MenuBarSkin->Frame = 2;
    s.MenuBarSkin->Tile = tile;
    s.MenuBarSkin->SetMargins({7, 0, 9, 0});
  }
  s.SkinEmpty = false;
}

// A memory DC over a DIB section; what PaintBar draws is read back as our bitmap.
struct Surface {
  explicit Surface(skin::Size size) : dib(size), dc(CreateCompatibleDC(nullptr)) {
    old = SelectObject(dc.get(), dib.get());
  }
  ~Surface() { SelectObject(dc.get(), old); }
  skin::Bitmap Pixels() const { return dib.ToBitmap(); }
  skin::DibSection dib;
  fw::UniqueMemDc dc;
  HGDIOBJ old = nullptr;
};

class MenuBarTest : public testing::Test {
 protected:
  void SetUp() override {
    testsupport::RegisterTestClass("MenuBarTestWindow", TestProc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    window_ = CreateWindowExA(0, "MenuBarTestWindow", "menu bar", WS_OVERLAPPEDWINDOW, 100, 80, 420, 260, nullptr,
                              BuildNativeMenu(), GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    Pump(50);
    data_ = std::make_unique<skin::TSkinData>(nullptr);
    UseTestColours(*data_, true, 1);
    form_ = std::make_unique<skin::TWinSkinForm>(nullptr);
    form_->WindowHandle = window_;
    form_->SkinDataRef = data_.get();
    GetWindowRect(window_, &form_->ScreenRect);
    bar_ = new TestMenu(form_.get(), nullptr);
    g_log = {};
    g_log.Bar = bar_;
  }

  void TearDown() override {
    g_log.Bar = nullptr;
    HMENU taken = bar_ ? bar_->MenuHandle : nullptr;
    delete bar_;
    bar_ = nullptr;
    form_.reset();
    if (window_) {
      HMENU menu = GetMenu(window_);
      DestroyWindow(window_);
      if (menu) DestroyMenu(menu);
    }
    if (taken && IsMenu(taken)) DestroyMenu(taken);
    data_.reset();
  }

  // Rebuilds and lays out; the native menu handle is kept to be freed at the end.
  void BuildBar() {
    native_ = GetMenu(window_);
    bar_->Rebuild();
    bar_->Layout();
  }

  skin::TMenuBtn* Button(size_t i) { return bar_->BarButtons.at(i).get(); }

  HWND window_ = nullptr;
  HMENU native_ = nullptr;
  std::unique_ptr<skin::TSkinData> data_;
  std::unique_ptr<skin::TWinSkinForm> form_;
  TestMenu* bar_ = nullptr;
};

TEST_F(MenuBarTest, RebuildTakesTheItemsAndRemovesTheNativeMenu) {
  HMENU native = GetMenu(window_);
  ASSERT_NE(native, nullptr);
  BuildBar();
  EXPECT_EQ(GetMenu(window_), nullptr);
  EXPECT_EQ(bar_->MenuHandle, native);
  struct Want {
    const wchar_t* caption;
    UINT command;
    bool enabled, sub;
  };
  const Want want[] = {{L"&File", kFileCmd, true, true},
                       {L"&Edit", kEditCmd, true, true},
                       {L"&Run", kRun, true, false},
                       {L"&Off", kOffCmd, false, true},
                       {L"&Help", kHelpCmd, true, true}};
  ASSERT_EQ(bar_->BarButtons.size(), std::size(want));
  for (size_t i = 0; i < std::size(want); ++i) {
    const skin::TMenuBtn* b = Button(i);
    EXPECT_EQ(b->Caption, want[i].caption) << i;
    EXPECT_EQ(b->Command, want[i].command) << i;
    EXPECT_EQ(b->ItemEnabled, want[i].enabled) << i;
    EXPECT_EQ(b->SubMenu != nullptr, want[i].sub) << i;
    EXPECT_EQ(b->SubMenu, GetSubMenu(native, static_cast<int>(i))) << i;
    EXPECT_EQ(b->Index, static_cast<int32_t>(i));
    EXPECT_TRUE(b->Visible);
  }
  // Laid out one after the other from the bar image's left margin + 4, one pixel short of the
  // strip's bottom.
  EXPECT_EQ(Button(0)->Rect.left, kMetrics.BorderLeft + 7 + 4);
  for (size_t i = 0; i < std::size(want); ++i) {
    EXPECT_EQ(Button(i)->Rect.top, kMetrics.BorderTop);
    EXPECT_EQ(Button(i)->Rect.bottom, kMetrics.BorderTop + kMetrics.MenuBarHeight - 1);
    EXPECT_GT(Button(i)->Rect.Width(), 10);
    if (i > 0) {
      EXPECT_EQ(Button(i)->Rect.left, Button(i - 1)->Rect.right);
    }
  }
  const Rect r = Button(1)->Rect;
  EXPECT_EQ(bar_->ButtonAtPoint({r.left + 2, r.top + 3}), Button(1));
  EXPECT_EQ(bar_->ButtonAtPoint({r.left, r.bottom}), nullptr);
  EXPECT_EQ(bar_->FindAccelButton(L'h'), Button(4));
  EXPECT_EQ(bar_->FindAccelButton(L'f'), Button(0));
  EXPECT_EQ(bar_->FindAccelButton(L'o'), nullptr) << "disabled";
  EXPECT_EQ(bar_->FindAccelButton(L'R'), Button(2));
  EXPECT_EQ(bar_->FindAccelButton(L'x'), nullptr);
}

TEST_F(MenuBarTest, FrameworkItemsGiveCaptionsEnablingAndDropDowns) {
  fw::TMainMenu menu(nullptr);
  fw::TMenuItem* file = fw::NewItem(&menu, "file", "文件(&F)");
  fw::TMenuItem* open = fw::NewItem(&menu, "open", "打开(&O)");
  fw::TMenuItem* tools = fw::NewItem(&menu, "tools", "工具(&T)");
  menu.Items()->Add(file);
  file->Add(open);
  menu.Items()->Add(tools);
  tools->SetEnabled(false);
  menu.Rebuild();
  HMENU old = GetMenu(window_);
  SetMenu(window_, menu.Handle());
  DestroyMenu(old);
  bar_->FrameworkMenu = &menu;
  bar_->MenuHandle = nullptr;
  bar_->Rebuild();
  EXPECT_EQ(GetMenu(window_), nullptr);
  ASSERT_EQ(bar_->BarButtons.size(), 2u);
  EXPECT_EQ(Button(0)->Caption, L"文件(&F)");
  EXPECT_EQ(Button(0)->FrameworkItem, file);
  EXPECT_EQ(Button(0)->SubMenu, file->Handle());
  EXPECT_EQ(Button(0)->Command, file->Command());
  EXPECT_EQ(Button(1)->FrameworkItem, tools);
  EXPECT_FALSE(Button(1)->ItemEnabled);
  EXPECT_EQ(Button(1)->SubMenu, nullptr) << "no sub-items, no drop-down";
  bar_->Layout();
  EXPECT_EQ(bar_->FindAccelButton(L'F'), Button(0));
  EXPECT_EQ(bar_->FindAccelButton(L't'), nullptr) << "disabled";
}

TEST_F(MenuBarTest, FrameworkMenuGoingFirstLeavesNoDanglingItems) {
  auto menu = std::make_unique<fw::TMainMenu>(nullptr);
  fw::TMenuItem* file = fw::NewItem(menu.get(), "file", "&File");
  menu->Items()->Add(file);
  file->Add(fw::NewItem(menu.get(), "open", "&Open"));
  menu->Rebuild();
  HMENU old = GetMenu(window_);
  SetMenu(window_, menu->Handle());
  DestroyMenu(old);
  bar_->FrameworkMenu = menu.get();
  bar_->MenuHandle = nullptr;
  bar_->Rebuild();
  ASSERT_EQ(bar_->BarButtons.size(), 1u);
  menu.reset();
  EXPECT_EQ(bar_->FrameworkMenu, nullptr);
  EXPECT_EQ(Button(0)->FrameworkItem, nullptr);
  EXPECT_EQ(Button(0)->SubMenu, nullptr);
  EXPECT_FALSE(bar_->OpenMenuItem(Button(0)));
}

// What a timer saw while drop-downs were open, and what it does to them.
struct TrackScript {
  std::vector<int32_t> OpenSeen;       // open index at each tick, changes only
  std::vector<HMENU> MenusSeen;        // the visible drop-down's menu, changes only
  std::vector<std::pair<int32_t, UINT>> KeysAt;  // at open index, post this key (once each)
  std::vector<std::pair<int32_t, POINT>> MoveAt;  // at open index, put the cursor there
  int32_t StopAt = -2;                 // open index at which the menu is ended
  bool DeleteBarAtFirst = false;
  bool StopWhenDone = false;           // end the menu a few ticks after the last key or move
  int IdleTicks = 0;
  int Moves = 0;
  int Ticks = 0;
  RECT FirstDropRect{};                // where the first drop-down showed (screen)
  TestMenu** Bar = nullptr;
};
TrackScript g_script;

HWND VisibleDropDown() {
  HWND w = FindWindowA("#32768", nullptr);
  return w && IsWindowVisible(w) ? w : nullptr;
}

void CALLBACK ScriptTick(HWND, UINT, UINT_PTR, DWORD) {
  TrackScript& s = g_script;
  if (++s.Ticks > 200) {  // safety: never leave a menu open
    EndMenu();
    return;
  }
  const int32_t open = skin::SharedMenuTracking().OpenIndex;
  HWND drop = VisibleDropDown();
  if (!drop || open < 0) return;
  HMENU shown = reinterpret_cast<HMENU>(SendMessageA(drop, 0x01E1 /* MN_GETHMENU */, 0, 0));
  if (s.OpenSeen.empty()) GetWindowRect(drop, &s.FirstDropRect);
  if (s.OpenSeen.empty() || s.OpenSeen.back() != open) s.OpenSeen.push_back(open);
  if (shown && (s.MenusSeen.empty() || s.MenusSeen.back() != shown)) s.MenusSeen.push_back(shown);
  if (s.DeleteBarAtFirst && s.Bar && *s.Bar) {
    g_log.Bar = nullptr;
    delete *s.Bar;
    *s.Bar = nullptr;
    return;
  }
  if (open == s.StopAt) {
    EndMenu();
    return;
  }
  for (auto it = s.KeysAt.begin(); it != s.KeysAt.end(); ++it) {
    if (it->first != open) continue;
    PostMessageA(drop, WM_KEYDOWN, it->second, 0);
    s.KeysAt.erase(it);
    return;
  }
  for (auto it = s.MoveAt.begin(); it != s.MoveAt.end(); ++it) {
    if (it->first != open) continue;
    // Three moves a pixel apart on three ticks: Wine now and then drops a synthetic one.
    MoveTo({it->second.x + (s.Moves & 1), it->second.y});
    if (++s.Moves >= 3) {
      s.Moves = 0;
      s.MoveAt.erase(it);
    }
    return;
  }
  if (s.StopWhenDone && s.KeysAt.empty() && s.MoveAt.empty() && ++s.IdleTicks > 4) EndMenu();
}

// Runs f with the script's timer ticking every 60 ms; answers whether a drop-down was seen.
template <class F>
void WithScript(F f) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 60, ScriptTick);
  f();
  KillTimer(nullptr, timer);
}

TEST_F(MenuBarTest, PlainCommandItemPostsItsCommandAndOpensNothing) {
  BuildBar();
  g_script = {};
  bool opened = true;
  WithScript([&] { opened = bar_->OpenMenuItem(Button(2)); });
  EXPECT_FALSE(opened);
  EXPECT_FALSE(form_->MenuTracking);
  Pump(50);
  EXPECT_EQ(g_log.Commands, std::vector<UINT>{kRun});
  EXPECT_TRUE(g_script.OpenSeen.empty());

  // The same through a press in the bar.
  g_log.Commands.clear();
  const POINT o = WindowOrigin(window_);
  const Rect r = Button(2)->Rect;
  WithScript([&] {
    SendMessageA(window_, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(o.x + r.left + 3, o.y + r.top + 3));
  });
  Pump(50);
  EXPECT_EQ(g_log.Commands, std::vector<UINT>{kRun});
  EXPECT_TRUE(g_script.OpenSeen.empty());
}

TEST_F(MenuBarTest, DisabledItemPostsItsCommandButOpensNoDropDown) {
  BuildBar();
  g_script = {};
  g_script.StopAt = 3;
  WithScript([&] { bar_->OpenMenuItem(Button(3)); });
  Pump(50);
  EXPECT_EQ(g_log.Commands, std::vector<UINT>{kOffCmd});
  EXPECT_TRUE(g_script.MenusSeen.empty());
  EXPECT_FALSE(form_->MenuTracking);
  EXPECT_EQ(skin::SharedMenuTracking().Hook, nullptr);
}

TEST_F(MenuBarTest, ArrowKeysAtTheEndsWrapAroundTheBar) {
  BuildBar();
  struct Case {
    size_t start;
    UINT key;
    int32_t next;
  };
  // Run (2) and the disabled Off (3) have no drop-down to switch to.
  const Case cases[] = {{4, VK_RIGHT, 0}, {0, VK_LEFT, 4}, {1, VK_RIGHT, 4}, {4, VK_LEFT, 1}};
  for (const Case& c : cases) {
    g_script = {};
    g_script.KeysAt = {{static_cast<int32_t>(c.start), c.key}};
    g_script.StopAt = c.next;
    g_log.Commands.clear();
    WithScript([&] { EXPECT_TRUE(bar_->OpenMenuItem(Button(c.start))); });
    Pump(50);
    EXPECT_EQ(g_script.OpenSeen, (std::vector<int32_t>{static_cast<int32_t>(c.start), c.next}))
        << c.start << " key " << c.key;
    EXPECT_EQ(g_script.MenusSeen, (std::vector<HMENU>{Button(c.start)->SubMenu, Button(c.next)->SubMenu}))
        << c.start;
    EXPECT_EQ(g_log.Commands, (std::vector<UINT>{Button(c.start)->Command, Button(c.next)->Command}));
    EXPECT_FALSE(form_->MenuTracking);
    EXPECT_EQ(skin::SharedMenuTracking().Hook, nullptr);
    EXPECT_EQ(skin::SharedMenuTracking().OpenIndex, -1);
  }
}

TEST_F(MenuBarTest, MouseMovingAcrossTheBarSwitchesDropDowns) {
  BuildBar();
  const POINT o = WindowOrigin(window_);
  const Rect edit = Button(1)->Rect;
  const Rect run = Button(2)->Rect;
  g_script = {};
  // Over Run (no drop-down) nothing changes; over Edit its drop-down replaces File's.
  g_script.MoveAt = {{0, {o.x + run.left + 4, o.y + run.top + 4}}};
  g_script.StopWhenDone = true;
  MoveTo({o.x + 200, o.y + 200});
  Pump(100);
  WithScript([&] { bar_->OpenMenuItem(Button(0)); });
  Pump(50);
  EXPECT_EQ(g_script.OpenSeen, std::vector<int32_t>{0}) << "a plain item is not opened by passing over it";
  EXPECT_EQ(g_log.Commands, std::vector<UINT>{kFileCmd});

  g_script = {};
  g_log.Commands.clear();
  g_script.MoveAt = {{0, {o.x + edit.left + 4, o.y + edit.top + 4}}};
  g_script.StopAt = 1;
  WithScript([&] { bar_->OpenMenuItem(Button(0)); });
  Pump(50);
  EXPECT_EQ(g_script.OpenSeen, (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(g_log.Commands, (std::vector<UINT>{kFileCmd, kEditCmd}));
}

TEST_F(MenuBarTest, DropDownWhoseIdentifierIsItsHandlePostsNoCommand) {
  HMENU menu = CreateMenu();
  HMENU sub = CreatePopupMenu();
  AppendMenuA(sub, MF_STRING, kOpen, "&Open");
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&File");
  HMENU old = GetMenu(window_);
  SetMenu(window_, menu);
  DestroyMenu(old);
  BuildBar();
  ASSERT_EQ(bar_->BarButtons.size(), 1u);
  EXPECT_EQ(Button(0)->SubMenu, sub);
  EXPECT_EQ(Button(0)->Command, 0u);
  g_script = {};
  g_script.StopAt = 0;
  WithScript([&] { EXPECT_TRUE(bar_->OpenMenuItem(Button(0))); });
  Pump(50);
  EXPECT_EQ(g_script.OpenSeen, std::vector<int32_t>{0});
  EXPECT_TRUE(g_log.Commands.empty());
}

TEST_F(MenuBarTest, DropDownHangsFromTheButtonsLeadingCorner) {
  BuildBar();
  const POINT o = WindowOrigin(window_);
  for (bool rtl : {false, true}) {
    form_->RightToLeft = rtl;
    bar_->Layout();
    const Rect r = Button(1)->Rect;
    g_script = {};
    g_script.StopAt = 1;
    WithScript([&] { bar_->OpenMenuItem(Button(1)); });
    EXPECT_EQ(g_script.OpenSeen, std::vector<int32_t>{1});
    EXPECT_EQ(g_script.FirstDropRect.top, o.y + r.bottom) << rtl;
    if (rtl) {
      EXPECT_EQ(g_script.FirstDropRect.right, o.x + r.right);
      EXPECT_LT(r.right, Button(0)->Rect.right) << "items run leftwards";
    } else {
      EXPECT_EQ(g_script.FirstDropRect.left, o.x + r.left);
    }
  }
}

TEST_F(MenuBarTest, KeyMenuOpensTheAcceleratorsItemOrTheFirst) {
  BuildBar();
  struct Case {
    wchar_t ch;
    bool found;
    int32_t index;
  };
  const Case cases[] = {{0, true, 0}, {L'e', true, 1}, {L'H', true, 4}, {L'z', false, -1}, {L'f', true, 0}};
  for (const Case& c : cases) {
    g_script = {};
    g_script.StopAt = c.index;
    WithScript([&] { EXPECT_EQ(bar_->HandleKeyMenu(c.ch), c.found) << static_cast<int>(c.ch); });
    if (c.found) {
      EXPECT_EQ(g_script.OpenSeen, std::vector<int32_t>{c.index}) << static_cast<int>(c.ch);
    }
  }
}

TEST_F(MenuBarTest, BarGoingWhileItsDropDownIsOpen) {
  BuildBar();
  g_script = {};
  g_script.DeleteBarAtFirst = true;
  g_script.Bar = &bar_;
  WithScript([&] { bar_->OpenMenuItem(Button(0)); });
  EXPECT_EQ(bar_, nullptr);
  EXPECT_EQ(skin::SharedMenuTracking().Hook, nullptr);
  EXPECT_EQ(skin::SharedMenuTracking().Bar, nullptr);
  EXPECT_EQ(VisibleDropDown(), nullptr);
}

// Pixels of PaintBar in a memory DC: the strip at (10, 5) of a 300 x 40 surface.
class MenuBarPaintTest : public MenuBarTest {
 protected:
  static constexpr Rect kStrip{10, 5, 250, 25};
  skin::Bitmap Paint() {
    Surface s({300, 40});
    bar_->PaintBar(s.dc.get(), kStrip);
    return s.Pixels();
  }
  static int Count(const skin::Bitmap& b, const Rect& r, COLORREF c) {
    int n = 0;
    for (int32_t y = r.top; y < r.bottom; ++y)
      for (int32_t x = r.left; x < r.right; ++x) n += b.Pixel(x, y) == static_cast<skin::Colour>(c);
    return n;
  }
  // The strip's background alone, as the bar image composes it.
  skin::Bitmap Background(bool active) {
    const skin::TDataSkinObject& o = *data_->Skin().MenuBarSkin;
    Surface s({kStrip.Width(), kStrip.Height()});
    const Rect local{0, 0, kStrip.Width(), kStrip.Height()};
    if (o.Tile == 1) {
      skin::DrawCompositeSkinBitmap(s.dc.get(), local, o.Bitmap, true, false, false, 2, active ? 1 : 2, o.GetMargins());
    } else {
      skin::StretchThreeSlice(s.dc.get(), local, o.Bitmap, true, false, 2, active ? 1 : 2, o.LeftWidth, o.RightWidth);
    }
    return s.Pixels();
  }
  // Pixels of the strip outside every button equal the background.
  void ExpectBackgroundOutsideButtons(const skin::Bitmap& got, const skin::Bitmap& want) {
    int differ = 0;
    for (int32_t y = 0; y < kStrip.Height(); ++y)
      for (int32_t x = 0; x < kStrip.Width(); ++x) {
        const skin::Point window{x + kStrip.left, y + kStrip.top};
        bool inButton = false;
        for (const auto& b : bar_->BarButtons) inButton |= b->Rect.Contains(window);
        if (!inButton) differ += got.Pixel(window.x, window.y) != want.Pixel(x, y);
      }
    EXPECT_EQ(differ, 0);
  }
};

TEST_F(MenuBarPaintTest, EmptyBarPaintsOnlyTheBackground) {
  HMENU empty = CreateMenu();
  HMENU old = GetMenu(window_);
  SetMenu(window_, empty);
  DestroyMenu(old);
  BuildBar();
  EXPECT_TRUE(bar_->BarButtons.empty());
  for (int32_t tile : {1, 0}) {
    UseTestColours(*data_, true, tile);
    const skin::Bitmap got = Paint();
    const skin::Bitmap want = Background(true);
    int differ = 0;
    for (int32_t y = 0; y < kStrip.Height(); ++y)
      for (int32_t x = 0; x < kStrip.Width(); ++x) differ += got.Pixel(x + kStrip.left, y + kStrip.top) != want.Pixel(x, y);
    EXPECT_EQ(differ, 0) << "tile " << tile;
    EXPECT_EQ(got.Pixel(kStrip.left - 1, kStrip.top), skin::kBlack) << "nothing outside the strip";
    EXPECT_EQ(got.Pixel(kStrip.right, kStrip.bottom - 1), skin::kBlack);
  }
  UseTestColours(*data_, false, 0);
  const skin::Bitmap plain = Paint();
  EXPECT_EQ(Count(plain, kStrip, kBarColour), kStrip.Width() * kStrip.Height()) << "no image: the Menubar colour";
}

TEST_F(MenuBarPaintTest, BackgroundFromTheImageAndCaptionsInTheTextColours) {
  BuildBar();
  for (bool active : {true, false}) {
    form_->IsActive = active;
    const skin::Bitmap got = Paint();
    const skin::Bitmap want = Background(active);
    // The ends keep the image's margins: column 0 of the strip is column 0 of the frame.
    EXPECT_EQ(skin::BlueOf(got.Pixel(kStrip.left, kStrip.top + 3)), active ? 0x10 : 0x20);
    EXPECT_EQ(bar_->BarRect, kStrip);
    ExpectBackgroundOutsideButtons(got, want);
    // Enabled captions in MenuBarText, the disabled one in ButtonShadow and never in MenuBarText.
    for (size_t i = 0; i < bar_->BarButtons.size(); ++i) {
      const Rect r = Button(i)->Rect;
      EXPECT_EQ(r.top, kStrip.top);
      if (i == 3) {
        EXPECT_GT(Count(got, r, kShadowColour), 3) << i;
        EXPECT_EQ(Count(got, r, kTextColour), 0) << i;
      } else {
        EXPECT_GT(Count(got, r, kTextColour), 3) << i;
        EXPECT_EQ(Count(got, r, kShadowColour), 0) << i;
      }
    }
    // Right of the last item the strip shows only the background.
    const Rect rest{Button(4)->Rect.right, kStrip.top, kStrip.right, kStrip.bottom};
    EXPECT_EQ(Count(got, rest, kTextColour), 0);
  }
}

// An MDI frame whose active child is maximized shows the child's caption buttons (Visibility 100)
// in the bar; right to left, the items run from 5 pixels left of them.
TEST_F(MenuBarPaintTest, MaximizedMdiChildsButtonsInTheBar) {
  BuildBar();
  CLIENTCREATESTRUCT ccs{};
  HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 300, 150, window_, nullptr,
                                GetModuleHandleA(nullptr), &ccs);
  ASSERT_NE(client, nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefMDIChildProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "MenuBarTestChild";
  RegisterClassA(&wc);
  MDICREATESTRUCTA mcs{};
  mcs.szClass = "MenuBarTestChild";
  mcs.szTitle = "child";
  mcs.hOwner = wc.hInstance;
  mcs.x = mcs.y = 0;
  mcs.cx = 200;
  mcs.cy = 100;
  mcs.style = WS_MAXIMIZE;
  HWND child = reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  ASSERT_NE(child, nullptr);
  form_->FormKind = skin::kFormMdiFrame;
  form_->MdiClientWindow = client;
  ASSERT_TRUE(bar_->MdiChildMaximized());

  // A close button of 4 frames side by side, 12 x 10 each; frame 1 carries blue 0x31.
  skin::TDataSkinSysButton def("MdiClose");
  def.Visibility = skin::kVisibilityMdi;
  def.Align = 100;
  def.Action = 9;
  def.Frame = 4;
  def.Bitmap = skin::Bitmap(48, 10, skin::kMagenta);
  for (int32_t f = 0; f < 4; ++f) def.Bitmap.FillRect({f * 12 + 1, 1, f * 12 + 11, 9}, skin::Rgb(0x11, 0x22, static_cast<uint8_t>(0x31 + f)));
  auto button = std::make_unique<skin::TWinSysButton>();
  button->Owner = form_.get();
  button->Definition = &def;
  button->FrameCount = 4;
  button->ImageSize = {48, 10};
  button->Visible = true;
  button->Rect = {200, kStrip.top + 5, 212, kStrip.top + 15};
  form_->CaptionButtons.push_back(std::move(button));

  const skin::Bitmap got = Paint();
  const skin::Bitmap want = Background(true);
  EXPECT_EQ(got.Pixel(205, kStrip.top + 10), skin::Rgb(0x11, 0x22, 0x31)) << "frame 1 of the button";
  EXPECT_EQ(got.Pixel(200, kStrip.top + 5), want.Pixel(200 - kStrip.left, 5)) << "magenta corner left out";

  form_->RightToLeft = true;
  const skin::Bitmap rtl = Paint();
  EXPECT_EQ(Button(0)->Rect.right, 200 - 5);
  EXPECT_LT(Button(1)->Rect.right, Button(0)->Rect.right);
  EXPECT_EQ(rtl.Pixel(205, kStrip.top + 10), skin::Rgb(0x11, 0x22, 0x31));

  form_->CaptionButtons.clear();
  form_->FormKind = skin::kFormPlain;
  form_->MdiClientWindow = nullptr;
  DestroyWindow(client);
}

TEST_F(MenuBarPaintTest, HotButtonGetsAHilightFrameAndLosesIt) {
  BuildBar();
  fw::WindowDc dc(window_, true);
  RECT wr{};
  GetWindowRect(window_, &wr);
  bar_->PaintBar(dc.get(), {kMetrics.BorderLeft, kMetrics.BorderTop, wr.right - wr.left - kMetrics.BorderRight,
                            kMetrics.BorderTop + kMetrics.MenuBarHeight});
  skin::TMenuBtn* b = Button(1);
  const Rect r = b->Rect;
  auto pixel = [&](int32_t x, int32_t y) { return GetPixel(dc.get(), x, y); };
  const COLORREF before = pixel(r.left, r.top + 5);
  EXPECT_NE(before, kHilightColour);
  b->State = skin::kNCHot;
  b->Paint();
  for (const skin::Point p : {skin::Point{r.left, r.top + 5}, skin::Point{r.right - 1, r.top + 5},
                             skin::Point{r.left + 5, r.top}, skin::Point{r.left + 5, r.bottom - 1}})
    EXPECT_EQ(pixel(p.x, p.y), kHilightColour) << p.x << "," << p.y;
  b->State = skin::kNCNormal;
  b->Paint();
  EXPECT_EQ(pixel(r.left, r.top + 5), before) << "restored from the kept background";
}


// The program's skin on a window with a native menu, through the form skin object: the bar is its
// menu bar, the mouse reaches it through the skinned frame's hit test and non-client messages.
class SkinnedMenuBarTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::vector<uint8_t> file = testsupport::ReadFileBytes(testsupport::ProgramSkinPath());
    if (file.empty()) GTEST_SKIP() << "program skin not built";
    data_ = std::make_unique<skin::TSkinData>(nullptr);
    ASSERT_EQ(skin::LoadSkinFile(file, data_->Skin()), skin::ReadStatus::Ok);
    testsupport::RegisterTestClass("SkinnedMenuBarWindow", TestProc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    window_ = CreateWindowExA(0, "SkinnedMenuBarWindow", "菜单栏", WS_OVERLAPPEDWINDOW, 120, 90, 480, 300, nullptr,
                              BuildNativeMenu(), GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    native_ = GetMenu(window_);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    Pump(50);
    g_log = {};
    form_ = std::make_unique<skin::TWinSkinForm>(nullptr);
    form_->WindowHandle = window_;
    form_->Attach(data_.get());
    PostMessageA(window_, skin::XM_ACTIVATESKIN, 0, skin::kActivateSkinParam);
    Pump(300);
  }
  void TearDown() override {
    if (form_) form_->Detach();
    form_.reset();
    if (window_) DestroyWindow(window_);
    if (native_ && IsMenu(native_)) DestroyMenu(native_);
    data_.reset();
  }
  POINT ScreenOf(const Rect& r) const {
    RECT w{};
    GetWindowRect(window_, &w);
    return {w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2};
  }

  std::unique_ptr<skin::TSkinData> data_;
  std::unique_ptr<skin::TWinSkinForm> form_;
  HWND window_ = nullptr;
  HMENU native_ = nullptr;
};

std::string g_shot_path;
bool g_shot_saved = false;

int g_shot_wait = 0;

// Photographs the first drop-down a few ticks after it shows, then lets the script go on.
void CALLBACK ShotTick(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_shot_saved && VisibleDropDown() && skin::SharedMenuTracking().OpenIndex >= 0) {
    if (++g_shot_wait >= 4) g_shot_saved = testsupport::SaveScreenshotPng(nullptr, g_shot_path);
    return;
  }
  ScriptTick(nullptr, 0, 0, 0);
}

TEST_F(SkinnedMenuBarTest, ClickOpensTheDropDownUnderTheSkinnedBar) {
  skin::TWinSkinMenu* bar = form_->MenuBar;
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetMenu(window_), nullptr);
  ASSERT_EQ(bar->BarButtons.size(), 5u);
  const skin::FrameMetrics m = form_->Metrics();
  EXPECT_GT(m.MenuBarHeight, 0);
  EXPECT_EQ(bar->BarRect.top, m.BorderTop);
  EXPECT_EQ(bar->BarRect.Height(), m.MenuBarHeight);

  // On the screen: right of the last item the strip shows the bar image's frame 1 composed to the
  // strip, the captions are in MenuBarText.
  const common::Image24 shot = testsupport::CaptureScreen(window_);
  const skin::TDataSkinObject* image = data_->Skin().MenuBarSkin.get();
  ASSERT_NE(image, nullptr);
  const Rect strip = bar->BarRect;
  Surface expected({strip.Width(), strip.Height()});
  const Rect local{0, 0, strip.Width(), strip.Height()};
  if (image->Tile == 1) {
    skin::DrawCompositeSkinBitmap(expected.dc.get(), local, image->Bitmap, true, false, false, image->SafeFrame(), 1,
                                  image->GetMargins());
  } else {
    skin::StretchThreeSlice(expected.dc.get(), local, image->Bitmap, true, false, image->SafeFrame(), 1,
                            image->LeftWidth, image->RightWidth);
  }
  const skin::Bitmap want = expected.Pixels();
  auto screen = [&](int32_t x, int32_t y) {
    const uint8_t* p = shot.Pixel(x, y);
    return skin::Rgb(p[2], p[1], p[0]);
  };
  int differ = 0;
  for (int32_t y = strip.top; y < strip.bottom; ++y)
    for (int32_t x = bar->BarButtons.back()->Rect.right; x < strip.right; ++x)
      differ += screen(x, y) != want.Pixel(x - strip.left, y - strip.top);
  EXPECT_EQ(differ, 0);
  const skin::Colour text = static_cast<skin::Colour>(data_->SkinColor(skin::kScMenuBarText));
  int textPixels = 0;
  const Rect file = bar->BarButtons[0]->Rect;
  for (int32_t y = file.top; y < file.bottom; ++y)
    for (int32_t x = file.left; x < file.right; ++x) textPixels += screen(x, y) == text;
  EXPECT_GT(textPixels, 3);
  EXPECT_TRUE(testsupport::SaveScreenshotPng(window_, testsupport::ArtifactPath("menu_bar_skinned.png")));

  // A real click on Edit opens its drop-down; Right there moves on to Help past the plain Run
  // and the disabled Off.
  g_script = {};
  g_script.KeysAt = {{1, VK_RIGHT}};
  g_script.StopAt = 4;
  g_shot_path = testsupport::ArtifactPath("menu_bar_drop_down.png");
  g_shot_saved = false;
  g_shot_wait = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 60, ShotTick);
  const POINT at = ScreenOf(bar->BarButtons[1]->Rect);
  HoverAt(at, [&] { return bar->HotButton == bar->BarButtons[1].get(); });
  ClickAt(at);
  for (int i = 0; i < 100 && g_script.OpenSeen.size() < 2 && g_script.Ticks < 190; ++i) Pump(50);
  Pump(200);
  KillTimer(nullptr, timer);
  EXPECT_EQ(g_script.OpenSeen, (std::vector<int32_t>{1, 4}));
  EXPECT_EQ(g_log.Commands, (std::vector<UINT>{kEditCmd, kHelpCmd}));
  EXPECT_TRUE(g_shot_saved);
  EXPECT_FALSE(form_->MenuTracking);
  EXPECT_EQ(VisibleDropDown(), nullptr);
}

TEST_F(SkinnedMenuBarTest, HoverMakesAButtonHotUntilTheCursorLeaves) {
  skin::TWinSkinMenu* bar = form_->MenuBar;
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->BarButtons.size(), 5u);
  skin::TMenuBtn* run = bar->BarButtons[2].get();
  EXPECT_TRUE(HoverAt(ScreenOf(run->Rect), [&] { return bar->HotButton == run; }));
  EXPECT_EQ(run->State, skin::kNCHot);
  RECT w{};
  GetWindowRect(window_, &w);
  const COLORREF hilight = data_->SkinColor(skin::kScButtonHilight);
  EXPECT_EQ(testsupport::ScreenPixel(w.left + run->Rect.left, w.top + run->Rect.top + 4), hilight);
  EXPECT_TRUE(g_log.Commands.empty()) << "hovering runs nothing";

  // Over another button the first goes back to normal.
  skin::TMenuBtn* help = bar->BarButtons[4].get();
  EXPECT_TRUE(HoverAt(ScreenOf(help->Rect), [&] { return bar->HotButton == help; }));
  EXPECT_EQ(run->State, skin::kNCNormal);
  EXPECT_NE(testsupport::ScreenPixel(w.left + run->Rect.left, w.top + run->Rect.top + 4), hilight);

  // Into the client area: the form's hover timer lets it go.
  const POINT client = ScreenOf({help->Rect.left, help->Rect.bottom + 40, help->Rect.right, help->Rect.bottom + 60});
  EXPECT_TRUE(HoverAt(client, [&] { return bar->HotButton == nullptr; }));
  EXPECT_EQ(help->State, skin::kNCNormal);
}

TEST_F(SkinnedMenuBarTest, KeyMenuAndOpenMenuAtOpenTheirItems) {
  skin::TWinSkinMenu* bar = form_->MenuBar;
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->BarButtons.size(), 5u);
  struct Case {
    const char* what;
    UINT msg;
    WPARAM wp;
    LPARAM lp;
    int32_t open;
  };
  const POINT edit = ScreenOf(bar->BarButtons[1]->Rect);
  const Case cases[] = {
      {"Alt+H", WM_SYSCOMMAND, SC_KEYMENU, 'h', 4},
      {"F10", WM_SYSCOMMAND, SC_KEYMENU, 0, 0},
      {"open at a point", skin::XM_OPENMENUAT, 0, MAKELPARAM(edit.x, edit.y), 1},
  };
  for (const Case& c : cases) {
    g_script = {};
    g_script.StopAt = c.open;
    g_log.Commands.clear();
    WithScript([&] {
      PostMessageA(window_, c.msg, c.wp, c.lp);
      for (int i = 0; i < 60 && g_script.OpenSeen.empty(); ++i) Pump(50);
      Pump(200);
    });
    EXPECT_EQ(g_script.OpenSeen, std::vector<int32_t>{c.open}) << c.what;
    EXPECT_EQ(g_log.Commands, std::vector<UINT>{bar->BarButtons[static_cast<size_t>(c.open)]->Command}) << c.what;
    EXPECT_EQ(VisibleDropDown(), nullptr) << c.what;
  }
}

}  // namespace
