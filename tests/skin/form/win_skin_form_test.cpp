// The form skin object on real windows under Wine, with the program's own skin: the message tables
// (what is consumed, what reaches the window's procedure and how often), activation, the painted
// frame and the region, hit testing, and everything Detach gives back. Screenshots of a skinned
// framework form go to the artifacts folder.
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/test_app.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/form/border_pieces.h"
#include "skin/form/frame_paint_fixtures.h"
#include "skin/form/frame_hit_test.h"
#include "skin/form/frame_painter.h"
#include "skin/form/skin_messages.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"
#include "support/paths.h"
#include "support/screenshot.h"
#include "support/skin_test_support.h"

namespace {

using skin::TWinSkinForm;

// The program's skin, loaded once through the skin data component.
skin::TSkinData* Data() {
  static skin::TSkinData* data = [] {
    auto* d = new skin::TSkinData(nullptr);
    d->SetSkinFile(testsupport::ProgramSkinPath());
    return d;
  }();
  return data;
}

// What reached the test window's own procedure.
struct ProcLog {
  int Sizes = 0;
  int NcPaints = 0;
  int NcCalcs = 0;
  int SysCommands = 0;
  std::vector<std::pair<WPARAM, LPARAM>> Commands;
};
ProcLog g_log;

LRESULT CALLBACK OwnProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      ++g_log.Sizes;
      break;
    case WM_NCPAINT:
      ++g_log.NcPaints;
      break;
    case WM_NCCALCSIZE:
      ++g_log.NcCalcs;
      break;
    case WM_COMMAND:
      g_log.Commands.emplace_back(wp, lp);
      return 0;
    case WM_SYSCOMMAND:
      ++g_log.SysCommands;
      break;
    default:
      break;
  }
  return DefWindowProcA(w, msg, wp, lp);
}

void Pump() {
  for (int round = 0; round < 3; ++round) {
    fwtest::Pump();
    Sleep(10);
  }
}

HWND MakeWindow(DWORD style, HMENU menu = nullptr, DWORD exStyle = 0) {
  static const ATOM cls = testsupport::RegisterTestClass(
      "SkinFormTestWindow", OwnProc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), CS_DBLCLKS);
  HWND w = CreateWindowExA(exStyle, MAKEINTATOM(cls), "皮肤测试窗口", style, 100, 80, 420, 300, nullptr, menu,
                           GetModuleHandleA(nullptr), nullptr);
  ShowWindow(w, SW_SHOWNORMAL);
  SetForegroundWindow(w);
  UpdateWindow(w);
  Pump();
  return w;
}

std::unique_ptr<TWinSkinForm> Skin(HWND w, bool activate = true) {
  auto form = std::make_unique<TWinSkinForm>(nullptr);
  form->WindowHandle = w;
  form->Attach(Data());
  if (activate) {
    PostMessageA(w, skin::XM_ACTIVATESKIN, 0, skin::kActivateSkinParam);
    Pump();
  }
  return form;
}

RECT ClientOnScreen(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

skin::Size WindowSize(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return {r.right - r.left, r.bottom - r.top};
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

int RegionKind(HWND w) {
  fw::UniqueRgn probe(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(w, probe.get());
}

// Drops what is queued for the window without running it; answers whether a WM_SYSCOMMAND with
// that command was among it.
bool TakePostedSysCommand(HWND w, WPARAM command) {
  bool found = false;
  MSG m;
  while (PeekMessageA(&m, w, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) found |= m.wParam == command;
  return found;
}

// Keeps SkinControls as they were whatever the test changes.
struct SkinControlsGuard {
  skin::TSkinControlTypes saved = Data()->SkinControls;
  ~SkinControlsGuard() { Data()->SkinControls = saved; }
};

TEST(WinSkinForm, SkinLoads) {
  ASSERT_FALSE(Data()->SkinEmpty()) << "the program's skin file must load";
  EXPECT_FALSE(Data()->Skin().TopBorder.Bitmap.Empty());
}

TEST(WinSkinForm, NcPaintBeforeActivationIsAnsweredZeroAndPaintsNothing) {
  ASSERT_FALSE(Data()->SkinEmpty());
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW));
  auto form = Skin(w.get(), false);
  ASSERT_EQ(form->SkinState, skin::kSkinAttached);
  ASSERT_TRUE(form->SkinFrame);
  constexpr COLORREF kMarker = RGB(0x12, 0xC4, 0x37);
  const skin::Size size = WindowSize(w.get());
  {
    fw::WindowDc dc(w.get(), true);
    fw::UniqueBrush marker(CreateSolidBrush(kMarker));
    RECT strip{0, 0, size.cx, 6};
    FillRect(dc.get(), &strip, marker.get());
  }
  g_log = {};
  EXPECT_EQ(SendMessageA(w.get(), WM_NCPAINT, 1, 0), 0);
  EXPECT_EQ(g_log.NcPaints, 0) << "the window's own procedure must not paint the native frame";
  fw::WindowDc dc(w.get(), true);
  EXPECT_EQ(GetPixel(dc.get(), size.cx / 2, 3), kMarker);
  form->Detach();
  EXPECT_EQ(GetWindowLongPtrA(w.get(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OwnProc));
}

TEST(WinSkinForm, SizeReachesTheWindowOncePerResize) {
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW));
  auto form = Skin(w.get(), false);
  for (int round = 0; round < 2; ++round) {
    if (round == 1) {
      SendMessageA(w.get(), skin::XM_ACTIVATESKIN, 0, skin::kActivateSkinParam);
      Pump();
      ASSERT_EQ(form->SkinState, skin::kSkinActive);
    }
    for (int step = 1; step <= 3; ++step) {
      g_log = {};
      SetWindowPos(w.get(), nullptr, 0, 0, 420 + 15 * step, 300 + 10 * step, SWP_NOMOVE | SWP_NOZORDER);
      EXPECT_EQ(g_log.Sizes, 1) << "round " << round << " step " << step;
    }
  }
}

TEST(WinSkinForm, SystemMenuCommandsBecomePostedSysCommandsOthersPassUnchanged) {
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW));
  auto form = Skin(w.get());
  struct Case {
    WPARAM wp;
    LPARAM lp;
    bool becomesSysCommand;
  };
  const Case cases[] = {
      {SC_CLOSE, 0, true},         {SC_SIZE, 0, true},      {SC_MOVE, 0, true},
      {SC_MINIMIZE, 0, true},      {SC_MAXIMIZE, 0, true},  {SC_NEXTWINDOW, 0, true},
      {SC_PREVWINDOW, 0, true},    {SC_RESTORE, 0, true},   {1234, 0, false},
      {MAKEWPARAM(77, 1), 0, false}, {SC_KEYMENU, 0, false}, {SC_CONTEXTHELP, 0, false},
      {MAKEWPARAM(300, BN_CLICKED), 0x5678, false},
  };
  for (const Case& c : cases) {
    TakePostedSysCommand(w.get(), 0);
    g_log = {};
    EXPECT_EQ(SendMessageA(w.get(), WM_COMMAND, c.wp, c.lp), 0);
    const bool posted = TakePostedSysCommand(w.get(), LOWORD(c.wp));
    EXPECT_EQ(posted, c.becomesSysCommand) << std::hex << c.wp;
    if (c.becomesSysCommand) {
      EXPECT_TRUE(g_log.Commands.empty()) << std::hex << c.wp;
    } else {
      ASSERT_EQ(g_log.Commands.size(), 1u) << std::hex << c.wp;
      EXPECT_EQ(g_log.Commands[0].first, c.wp);
      EXPECT_EQ(g_log.Commands[0].second, c.lp);
    }
  }
}

TEST(WinSkinForm, DetachGivesBackMenuRegionProcedureAndClientPlacement) {
  HMENU menu = CreateMenu();
  AppendMenuA(menu, MF_STRING, 100, "文件(&F)");
  AppendMenuA(menu, MF_STRING, 101, "帮助(&H)");
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW, menu));
  const LONG_PTR original = GetWindowLongPtrA(w.get(), GWLP_WNDPROC);
  RECT before{};
  GetClientRect(w.get(), &before);

  auto form = Skin(w.get());
  ASSERT_EQ(form->SkinState, skin::kSkinActive);
  EXPECT_EQ(GetMenu(w.get()), nullptr) << "the skinned bar takes the native menu's place";
  ASSERT_NE(form->MenuBar, nullptr);
  EXPECT_EQ(form->Metrics().MenuBarHeight, GetSystemMetrics(SM_CYMENU));
  EXPECT_EQ(GetWindowLongPtrA(w.get(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(TWinSkinForm::SkinWindowProc()));
  RECT skinned{};
  GetClientRect(w.get(), &skinned);
  EXPECT_EQ(skinned.right, before.right) << "activation keeps the client size inside the new frame";
  EXPECT_EQ(skinned.bottom, before.bottom);
  const int kind = RegionKind(w.get());
  EXPECT_TRUE(kind == SIMPLEREGION || kind == COMPLEXREGION);
  const RECT clientBefore = ClientOnScreen(w.get());

  form->Detach();
  EXPECT_EQ(GetMenu(w.get()), menu);
  const int after = RegionKind(w.get());
  EXPECT_TRUE(after == ERROR || after == NULLREGION) << after;
  EXPECT_EQ(GetWindowLongPtrA(w.get(), GWLP_WNDPROC), original);
  EXPECT_TRUE(GetWindowLongA(w.get(), GWL_STYLE) & WS_SYSMENU);
  const RECT clientAfter = ClientOnScreen(w.get());
  EXPECT_TRUE(SameRect(clientAfter, clientBefore))
      << clientAfter.left << "," << clientAfter.top << "," << clientAfter.right << "," << clientAfter.bottom
      << " vs " << clientBefore.left << "," << clientBefore.top << "," << clientBefore.right << ","
      << clientBefore.bottom;
  // The window's own procedure answers again.
  EXPECT_EQ(SendMessageA(w.get(), skin::XM_ISSKINNED, 0, 0), 0);
}

TEST(WinSkinForm, WindowWithoutCaptionKeepsNativeHandling) {
  fw::UniqueHwnd w(MakeWindow(WS_POPUP | WS_THICKFRAME | WS_VISIBLE));
  const RECT clientBefore = ClientOnScreen(w.get());
  auto form = Skin(w.get());
  EXPECT_EQ(form->BorderKind, skin::kBorderNone);
  EXPECT_EQ(form->Metrics(), skin::FrameMetrics{});
  g_log = {};
  SetWindowPos(w.get(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_GE(g_log.NcCalcs, 1);
  EXPECT_TRUE(SameRect(ClientOnScreen(w.get()), clientBefore));
  g_log = {};
  SendMessageA(w.get(), WM_NCPAINT, 1, 0);
  EXPECT_EQ(g_log.NcPaints, 1);
  EXPECT_EQ(RegionKind(w.get()), ERROR);
}

TEST(WinSkinForm, WithoutMainMenuSkinningOnlyTheFirstTableRuns) {
  SkinControlsGuard guard;
  Data()->SkinControls &= ~(1u << skin::xcMainMenu);
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW));
  const RECT clientBefore = ClientOnScreen(w.get());
  auto form = Skin(w.get(), false);
  EXPECT_FALSE(form->SkinFrame);
  EXPECT_EQ(form->SkinState, skin::kSkinActive) << "nothing waits for activation without a skinned frame";
  PostMessageA(w.get(), skin::XM_ACTIVATESKIN, 0, skin::kActivateSkinParam);
  Pump();
  g_log = {};
  SendMessageA(w.get(), WM_NCPAINT, 1, 0);
  EXPECT_EQ(g_log.NcPaints, 1);
  SetWindowPos(w.get(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_GE(g_log.NcCalcs, 1);
  EXPECT_TRUE(SameRect(ClientOnScreen(w.get()), clientBefore));
  // The second table's command translation does not run.
  SendMessageA(w.get(), WM_COMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(TakePostedSysCommand(w.get(), SC_CLOSE));
  ASSERT_EQ(g_log.Commands.size(), 1u);
  // The first table still answers.
  EXPECT_EQ(SendMessageA(w.get(), skin::XM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(RegionKind(w.get()), ERROR);
  form->Detach();
  EXPECT_EQ(GetWindowLongPtrA(w.get(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OwnProc));
}

TEST(WinSkinForm, IsSkinnedAnswersOneAndPostsSkinDone) {
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW));
  EXPECT_EQ(SendMessageA(w.get(), skin::XM_ISSKINNED, 0, 0), 0);
  auto form = Skin(w.get(), false);
  EXPECT_EQ(SendMessageA(w.get(), skin::XM_ISSKINNED, 0, 0), 1);
  MSG m{};
  ASSERT_TRUE(PeekMessageA(&m, w.get(), skin::XM_SKINDONE, skin::XM_SKINDONE, PM_REMOVE));
  EXPECT_EQ(m.wParam, 0u);
  EXPECT_EQ(m.lParam, skin::SkinSignature);
}

TEST(WinSkinForm, HitTestMovesAndSizesTheSkinnedFrame) {
  HMENU menu = CreateMenu();
  AppendMenuA(menu, MF_STRING, 100, "文件(&F)");
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW, menu));
  auto form = Skin(w.get());
  const skin::FrameMetrics m = form->Metrics();
  ASSERT_GT(m.BorderTop, 4);
  ASSERT_GT(m.MenuBarHeight, 0);
  RECT r{};
  GetWindowRect(w.get(), &r);
  const int W = r.right - r.left, H = r.bottom - r.top;
  struct Case {
    int x, y;
    LRESULT code;
  };
  const Case cases[] = {
      {W / 2, m.BorderTop / 2 + 2, HTCAPTION},
      {W / 2, m.BorderTop + m.MenuBarHeight / 2, HTMENU},
      {W / 2, (m.BorderTop + m.MenuBarHeight + H - m.BorderBottom) / 2, HTCLIENT},
      {0, H / 2, HTLEFT},
      {W - 1, H / 2, HTRIGHT},
      {W / 2, H - 1, HTBOTTOM},
      {W / 2, 0, HTTOP},
      {0, 0, HTTOPLEFT},
      {W - 1, H - 1, HTBOTTOMRIGHT},
      {0, H - 1, HTBOTTOMLEFT},
      {W - 1, 0, HTTOPRIGHT},
  };
  for (const Case& c : cases) {
    const LRESULT got = SendMessageA(w.get(), WM_NCHITTEST, 0, MAKELPARAM(r.left + c.x, r.top + c.y));
    EXPECT_EQ(got, c.code) << c.x << "," << c.y;
  }
}

void RepaintFrame(TWinSkinForm& form) { form.RepaintFrame(); }

// A pixel of the window as painted, and the skin's own composition of the piece it belongs to.
struct PieceSample {
  skin::BorderPiece piece;
  int x, y;  // window coordinates
};

void ExpectFramePixels(HWND w, const TWinSkinForm& form, bool active, int& compared) {
  const skin::SkinDefinition& s = Data()->Skin();
  const skin::FrameMetrics m = form.Metrics();
  const skin::Size size = WindowSize(w);
  const int W = size.cx, H = size.cy;
  struct Piece {
    skin::BorderPiece kind;
    skin::Rect at;
  };
  const Piece pieces[] = {
      {skin::BorderPiece::Left, {0, 0, m.BorderLeft, H}},
      {skin::BorderPiece::Right, {W - m.BorderRight, 0, W, H}},
      {skin::BorderPiece::Bottom, {m.BorderLeft, H - m.BorderBottom, W - m.BorderRight, H}},
  };
  fw::WindowDc dc(w, true);
  for (const Piece& p : pieces) {
    const skin::Bitmap expected = skin::ComposeBorderPiece(skin::BorderOf(s, p.kind), p.kind,
                                                           {p.at.Width(), p.at.Height()}, active);
    ASSERT_FALSE(expected.Empty());
    // Rows through the middle and near both ends of the piece, every column.
    const int rows[] = {0, expected.Height() / 2, expected.Height() - 1};
    for (int y : rows) {
      for (int x = 0; x < expected.Width(); ++x) {
        const skin::Colour want = expected.Pixel(x, y);
        if (want == skin::kMagenta) continue;  // cut away by the region
        const COLORREF got = GetPixel(dc.get(), p.at.left + x, p.at.top + y);
        EXPECT_EQ(got, static_cast<COLORREF>(want))
            << "piece " << static_cast<int>(p.kind) << " at " << x << "," << y << (active ? " active" : " inactive");
        ++compared;
      }
    }
  }
  // The caption strip right of the text shows the top piece.
  const skin::Rect area{m.BorderLeft, 0, W - m.BorderRight, m.BorderTop};
  const skin::Bitmap top =
      skin::ComposeBorderPiece(s.TopBorder, skin::BorderPiece::Top, {area.Width(), area.Height()}, active);
  for (int y = 0; y < top.Height(); y += 3) {
    const int x = top.Width() - 4;
    const skin::Colour want = top.Pixel(x, y);
    if (want == skin::kMagenta) continue;
    EXPECT_EQ(GetPixel(dc.get(), area.left + x, y), static_cast<COLORREF>(want)) << "caption row " << y;
    ++compared;
  }
}

TEST(WinSkinForm, FramePixelsComeFromTheSkinActiveAndInactive) {
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW));
  auto form = Skin(w.get());
  ASSERT_EQ(form->SkinState, skin::kSkinActive);
  SendMessageA(w.get(), WM_NCACTIVATE, TRUE, 0);
  ASSERT_TRUE(form->IsActive);
  int compared = 0;
  ExpectFramePixels(w.get(), *form, true, compared);
  SendMessageA(w.get(), WM_NCACTIVATE, FALSE, 0);
  ASSERT_FALSE(form->IsActive);
  ExpectFramePixels(w.get(), *form, false, compared);
  EXPECT_GT(compared, 100);
  // A new text of a foreign window: the default handling's native caption is painted over again.
  SetWindowTextA(w.get(), "新的窗口标题");
  ExpectFramePixels(w.get(), *form, false, compared);
  // The skin's borders have an inactive frame that differs from the active one somewhere.
  const skin::SkinDefinition& s = Data()->Skin();
  const skin::Size size = WindowSize(w.get());
  const skin::Size left{form->Metrics().BorderLeft, size.cy};
  if (s.LeftBorder.SafeFrame() >= 2) {
    EXPECT_FALSE(skin::ComposeBorderPiece(s.LeftBorder, skin::BorderPiece::Left, left, true) ==
                 skin::ComposeBorderPiece(s.LeftBorder, skin::BorderPiece::Left, left, false));
  }
}

TEST(WinSkinForm, RegionOfTheRealWindowFollowsTheSkin) {
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW));
  auto form = Skin(w.get());
  const skin::Size size = WindowSize(w.get());
  fw::UniqueRgn actual(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(w.get(), actual.get()), ERROR);
  fw::UniqueRgn expected = skin::BuildWindowRegion(size, form->Metrics(), Data()->Skin());
  ASSERT_TRUE(expected);
  EXPECT_TRUE(EqualRgn(actual.get(), expected.get()));
  // A resize makes a new region for the new size.
  SetWindowPos(w.get(), nullptr, 0, 0, size.cx + 40, size.cy + 30, SWP_NOMOVE | SWP_NOZORDER);
  const skin::Size grown = WindowSize(w.get());
  ASSERT_NE(GetWindowRgn(w.get(), actual.get()), ERROR);
  expected = skin::BuildWindowRegion(grown, form->Metrics(), Data()->Skin());
  EXPECT_TRUE(EqualRgn(actual.get(), expected.get()));
  RECT box{};
  GetRgnBox(actual.get(), &box);
  EXPECT_LE(box.right, grown.cx);
  EXPECT_LE(box.bottom, grown.cy);
  EXPECT_EQ(form->RegionWidth, grown.cx);
  EXPECT_EQ(form->RegionHeight, grown.cy);
}

TEST(WinSkinForm, DestroyedWindowDetachesItself) {
  HWND w = MakeWindow(WS_OVERLAPPEDWINDOW);
  auto form = Skin(w);
  DestroyWindow(w);
  EXPECT_EQ(form->SkinState, skin::kSkinDead);
  EXPECT_FALSE(form->Subclassed());
  form.reset();  // freeing after the window died touches nothing of it
}

TEST(WinSkinForm, FreedWithoutDetachGivesTheLiveWindowEverythingBack) {
  HMENU menu = CreateMenu();
  AppendMenuA(menu, MF_STRING, 100, "文件(&F)");
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW, menu));
  auto form = Skin(w.get());
  ASSERT_EQ(GetMenu(w.get()), nullptr);
  const RECT client = ClientOnScreen(w.get());
  form.reset();
  EXPECT_EQ(GetMenu(w.get()), menu);
  EXPECT_EQ(GetWindowLongPtrA(w.get(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OwnProc));
  const int kind = RegionKind(w.get());
  EXPECT_TRUE(kind == ERROR || kind == NULLREGION);
  EXPECT_TRUE(SameRect(ClientOnScreen(w.get()), client));
}

// Skinning, painting, resizing and giving back a window again and again holds no GDI object.
TEST(WinSkinForm, RoundsOfSkinningLeaveTheGdiObjectCountAlone) {
  HMENU menu = CreateMenu();
  AppendMenuA(menu, MF_STRING, 100, "文件(&F)");
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW, menu));
  SetCursorPos(1000, 740);  // no caption-button hint comes up during the rounds
  auto round = [&](int i) {
    auto form = Skin(w.get());
    SendMessageA(w.get(), WM_NCACTIVATE, i % 2, 0);
    SetWindowPos(w.get(), nullptr, 0, 0, 400 + i % 3 * 20, 300 + i % 2 * 20, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageA(w.get(), WM_SETICON, ICON_SMALL, 0);
    form->RepaintFrame();
    form->Detach();
  };
  round(0);  // shared painter resources are made once
  Pump();
  const int before = paintfix::LiveGdiObjects();
  ASSERT_GT(before, 0);
  for (int i = 1; i <= 20; ++i) round(i);
  Pump();
  EXPECT_EQ(paintfix::LiveGdiObjects(), before);
}

// A framework form with a main menu, skinned as the manager does it.
class TSkinTestForm : public fw::TForm {
  FW_CLASS()
 public:
  explicit TSkinTestForm(fw::TComponent* owner) : fw::TForm(owner) {
    SetBounds(140, 120, 460, 320);
    SetCaption("皮肤窗体测试");
    menu = new fw::TMainMenu(this);
    auto* file = fw::NewItem(this, "wenjian", "文件(&F)");
    file->Add(fw::NewItem(this, "dakai", "打开"));
    menu->Items()->Add(file);
    auto* help = fw::NewItem(this, "bangzhu", "帮助(&H)");
    help->Add(fw::NewItem(this, "guanyu", "关于"));
    menu->Items()->Add(help);
    SetMenu(menu);
  }
  fw::TMainMenu* menu;
};
FW_DEFINE_CLASS(TSkinTestForm, fw::TForm)

// A form skin object of the test skin on the shown form, attached (not yet active); the test
// detaches and deletes it.
TWinSkinForm* AttachSkin(TSkinTestForm& form) {
  auto* skinForm = new TWinSkinForm(&form);
  skinForm->WindowHandle = form.Handle();
  skinForm->AttachToForm(Data(), &form);
  return skinForm;
}

// The same, then activated.
TWinSkinForm* AttachActiveSkin(TSkinTestForm& form) {
  TWinSkinForm* skinForm = AttachSkin(form);
  SendMessageA(form.Handle(), skin::XM_ACTIVATESKIN, 0, skin::kActivateSkinParam);
  Pump();
  return skinForm;
}

TEST(WinSkinForm, FrameworkFormSkinnedActiveAndInactiveThenGivenBack) {
  fwtest::App();
  TSkinTestForm form(fwtest::App());
  form.Show();
  Pump();
  HWND w = form.Handle();
  auto* skinForm = AttachSkin(form);
  EXPECT_EQ(form.Perform(skin::XM_QUERYSKIN, 0, skin::SkinSignature), skin::SkinSignature);
  EXPECT_EQ(form.Perform(skin::XM_QUERYSKIN, 0, 0), 1);
  PostMessageA(w, skin::XM_ACTIVATESKIN, 0, skin::kActivateSkinParam);
  Pump();
  ASSERT_EQ(skinForm->SkinState, skin::kSkinActive);
  EXPECT_EQ(GetMenu(w), nullptr);
  ASSERT_NE(skinForm->MenuBar, nullptr);
  EXPECT_EQ(form.Color(), static_cast<fw::TColor>(Data()->SkinColor(skin::kScButtonFace)));

  SetForegroundWindow(w);
  SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
  Pump();
  EXPECT_TRUE(testsupport::SaveScreenshotPng(w, testsupport::ArtifactPath("win_skin_form_active.png")));
  SendMessageA(w, WM_NCACTIVATE, FALSE, 0);
  Pump();
  EXPECT_TRUE(testsupport::SaveScreenshotPng(w, testsupport::ArtifactPath("win_skin_form_inactive.png")));
  EXPECT_TRUE(testsupport::SaveScreenshotPng(nullptr, testsupport::ArtifactPath("win_skin_form_screen.png")));

  // A new caption is painted by the skin (the frame is recalculated, not left to the native code).
  form.SetCaption("新的标题");
  Pump();
  EXPECT_EQ(skinForm->SkinState, skin::kSkinActive);
  int compared = 0;
  ExpectFramePixels(w, *skinForm, skinForm->IsActive, compared);
  EXPECT_GT(compared, 0);

  skinForm->Detach();
  EXPECT_EQ(GetMenu(w), form.menu->Handle());
  EXPECT_EQ(form.Perform(skin::XM_QUERYSKIN, 0, skin::SkinSignature), 0) << "the form's own handler is back";
  EXPECT_EQ(RegionKind(w) == ERROR || RegionKind(w) == NULLREGION, true);
  delete skinForm;
  // The form keeps working after the skin has gone.
  form.SetCaption("皮肤窗体测试");
  Pump();
}

// The skin data hears of the framework form before attaching and when activation or a refresh
// ends; a refresh (XM_RESKIN to the form object) keeps the client size and the colours.
TEST(WinSkinForm, EventsAndRefreshKeepTheClientSize) {
  fwtest::App();
  TSkinTestForm form(fwtest::App());
  form.Show();
  Pump();
  HWND w = form.Handle();
  std::vector<std::string> events;
  Data()->OnBeforeSkinForm = [&](fw::TObject* sender, HWND hwnd, const std::string& name) {
    EXPECT_EQ(sender, Data());
    EXPECT_EQ(hwnd, w);
    events.push_back("before " + name);
  };
  Data()->OnAfterSkinForm = [&](fw::TObject*, HWND hwnd, const std::string& name) {
    EXPECT_EQ(hwnd, w);
    events.push_back("after " + name);
  };
  form.SetColor(fw::clWhite);
  auto* skinForm = AttachSkin(form);
  ASSERT_EQ(events, std::vector<std::string>{"before TSkinTestForm"});
  SendMessageA(w, skin::XM_ACTIVATESKIN, 0, skin::kActivateSkinParam);
  Pump();
  EXPECT_EQ(events.size(), 2u);
  RECT client{};
  GetClientRect(w, &client);
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(form.Perform(skin::XM_RESKIN, 0, 0), 0);
    Pump();
    EXPECT_EQ(skinForm->SkinState, skin::kSkinActive);
    RECT now{};
    GetClientRect(w, &now);
    EXPECT_EQ(now.right, client.right) << "round " << round;
    EXPECT_EQ(now.bottom, client.bottom) << "round " << round;
  }
  EXPECT_EQ(events.size(), 4u);
  EXPECT_EQ(events.back(), "after TSkinTestForm");
  EXPECT_EQ(form.Color(), static_cast<fw::TColor>(Data()->SkinColor(skin::kScButtonFace)));
  Data()->OnBeforeSkinForm = nullptr;
  Data()->OnAfterSkinForm = nullptr;
  skinForm->Detach();
  EXPECT_EQ(form.Color(), fw::clWhite) << "detach gives the form its own colour back";
  delete skinForm;
}

// While the manager asks for it, attaching hides the window and activation shows it again.
TEST(WinSkinForm, HiddenWhileAttachingShownAtActivation) {
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW));
  skin::TSkinManage* manager = skin::SkinManager();
  ASSERT_NE(manager, nullptr);
  manager->HideOnAttach = true;
  auto form = Skin(w.get(), false);
  EXPECT_FALSE(IsWindowVisible(w.get()));
  SendMessageA(w.get(), skin::XM_ACTIVATESKIN, 0, skin::kActivateSkinParam);
  EXPECT_TRUE(IsWindowVisible(w.get()));
  EXPECT_FALSE(manager->HideOnAttach);
  form->Detach();
}

// XM_PAINTFRAMETO paints the skinned frame into a DC of the caller's and answers the signature;
// other requests to the form object keep their meaning.
TEST(WinSkinForm, PaintFrameToPaintsIntoTheCallersDc) {
  fwtest::App();
  TSkinTestForm form(fwtest::App());
  form.Show();
  Pump();
  HWND w = form.Handle();
  auto* skinForm = AttachActiveSkin(form);
  const skin::Size size = WindowSize(w);
  skin::DibSection target(size);
  fw::UniqueMemDc dc(CreateCompatibleDC(nullptr));
  {
    fw::SelectGuard select(dc.get(), target.get());
    EXPECT_EQ(form.Perform(skin::XM_PAINTFRAMETO, 0, 0), 0) << "without the signature the form handles it";
    EXPECT_EQ(form.Perform(skin::XM_PAINTFRAMETO, reinterpret_cast<WPARAM>(dc.get()), skin::SkinSignature),
              skin::SkinSignature);
  }
  const skin::Bitmap painted = target.ToBitmap();
  const skin::Bitmap left = skin::ComposeBorderPiece(Data()->Skin().LeftBorder, skin::BorderPiece::Left,
                                                     {skinForm->Metrics().BorderLeft, size.cy}, skinForm->IsActive);
  int compared = 0;
  for (int x = 0; x < left.Width(); ++x) {
    const int y = size.cy / 2;
    if (left.Pixel(x, y) == skin::kMagenta) continue;
    EXPECT_EQ(painted.Pixel(x, y), left.Pixel(x, y)) << x;
    ++compared;
  }
  EXPECT_GT(compared, 0);
  skinForm->Detach();
  delete skinForm;
}

// A form destroyed while skinned takes its skin object with it: nothing is left subclassed and
// the manager's list does not keep it.
TEST(WinSkinForm, FormDestroyedWhileSkinned) {
  fwtest::App();
  auto* form = new TSkinTestForm(fwtest::App());
  form->Show();
  Pump();
  auto* skinForm = new TWinSkinForm(form);
  skinForm->WindowHandle = form->Handle();
  skinForm->AttachToForm(Data(), form);
  SendMessageA(form->Handle(), skin::XM_ACTIVATESKIN, 0, skin::kActivateSkinParam);
  Pump();
  ASSERT_EQ(skinForm->SkinState, skin::kSkinActive);
  const HWND w = form->Handle();
  delete form;
  Pump();
  EXPECT_FALSE(IsWindow(w));
  if (skin::TSkinManage* manager = skin::SkinManager()) {
    for (TWinSkinForm* f : manager->FormSkins()) EXPECT_NE(f->WindowHandle, w);
  }
}

// A bar with one drop-down, 帮助(&H), holding 关于 (command 102).
HMENU HelpMenu() {
  HMENU menu = CreateMenu();
  HMENU drop = CreatePopupMenu();
  AppendMenuA(drop, MF_STRING, 102, "关于");
  AppendMenuA(menu, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(drop), "帮助(&H)");
  return menu;
}

// XM_OPENMENUAT opens the bar item at a screen point (the drop-down is tracked until it closes).
UINT_PTR g_menuTimer = 0;
TWinSkinForm* g_tracked = nullptr;
bool g_sawTracking = false;
void CALLBACK CheckAndEndMenu(HWND, UINT, UINT_PTR, DWORD) {
  if (g_tracked && g_tracked->MenuTracking) g_sawTracking = true;
  EndMenu();
}

TEST(WinSkinForm, OpenMenuAtOpensTheBarItemAtThePoint) {
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW, HelpMenu()));
  auto form = Skin(w.get());
  ASSERT_NE(form->MenuBar, nullptr);
  ASSERT_EQ(form->MenuBar->BarButtons.size(), 1u);
  RepaintFrame(*form);
  const skin::TMenuBtn& button = *form->MenuBar->BarButtons[0];
  RECT r{};
  GetWindowRect(w.get(), &r);
  g_tracked = form.get();
  g_sawTracking = false;
  g_menuTimer = SetTimer(nullptr, 0, 200, CheckAndEndMenu);
  SendMessageA(w.get(), skin::XM_OPENMENUAT, 0,
               MAKELPARAM(r.left + (button.Rect.left + button.Rect.right) / 2, r.top + (button.Rect.top + button.Rect.bottom) / 2));
  KillTimer(nullptr, g_menuTimer);
  g_tracked = nullptr;
  EXPECT_TRUE(g_sawTracking) << "the drop-down was tracked from the bar";
  EXPECT_FALSE(form->MenuTracking);
  // A point beside every button opens nothing.
  g_sawTracking = false;
  EXPECT_EQ(SendMessageA(w.get(), skin::XM_OPENMENUAT, 0, MAKELPARAM(r.right - 3, r.bottom - 3)), 0);
  EXPECT_FALSE(form->MenuTracking);
}

// WM_MDISETMENU on the client of a skinned MDI frame feeds the frame's bar and leaves no native menu.
TEST(WinSkinForm, MdiSetMenuRebuildsTheFramesBar) {
  HMENU first = CreateMenu();
  AppendMenuA(first, MF_STRING, 100, "文件(&F)");
  fw::UniqueHwnd frame(MakeWindow(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, first));
  CLIENTCREATESTRUCT ccs{nullptr, 1000};
  HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 300, 200,
                                frame.get(), nullptr, GetModuleHandleA(nullptr), &ccs);
  ASSERT_NE(client, nullptr);
  auto form = Skin(frame.get());
  ASSERT_EQ(form->FormKind, skin::kFormMdiFrame);
  ASSERT_NE(form->MenuBar, nullptr);
  HMENU second = CreateMenu();
  AppendMenuA(second, MF_STRING, 200, "窗口(&W)");
  AppendMenuA(second, MF_STRING, 201, "帮助(&H)");
  SendMessageA(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(second), 0);
  EXPECT_EQ(GetMenu(frame.get()), nullptr);
  EXPECT_EQ(form->MenuBar->MenuHandle, second);
  EXPECT_EQ(form->MenuBar->BarButtons.size(), 2u);
  form->Detach();
  EXPECT_EQ(GetMenu(frame.get()), second);
  DestroyMenu(first);
}

// Alt+character reaches the form as its dialog-character notification: the menu bar's item with
// that accelerator is asked for (a press posted at its button) only while Alt alone is down.
TEST(WinSkinForm, AltCharacterRequestsTheMenuBarItemOfItsAccelerator) {
  fwtest::App();
  TSkinTestForm form(fwtest::App());
  form.Show();
  Pump();
  HWND w = form.Handle();
  auto* skinForm = AttachActiveSkin(form);
  ASSERT_NE(skinForm->MenuBar, nullptr);
  ASSERT_EQ(skinForm->MenuBar->BarButtons.size(), 2u);

  BYTE saved[256] = {};
  GetKeyboardState(saved);
  struct Case {
    bool alt, ctrl;
    WPARAM ch;
    bool requested;
  };
  const Case cases[] = {{true, false, 'H', true}, {true, false, 'f', true}, {true, false, 'Q', false},
                        {false, false, 'H', false}, {true, true, 'H', false}};
  for (const Case& c : cases) {
    BYTE keys[256] = {};
    std::copy(std::begin(saved), std::end(saved), keys);
    keys[VK_MENU] = c.alt ? 0x80 : 0;
    keys[VK_CONTROL] = c.ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    MSG m;
    while (PeekMessageA(&m, w, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE)) {
    }
    const LRESULT handled = form.Perform(skin::kFormDialogChar, c.ch, 0x20000000);
    const bool posted = PeekMessageA(&m, w, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE) != FALSE;
    EXPECT_EQ(handled != 0, c.requested) << static_cast<char>(c.ch) << " alt " << c.alt << " ctrl " << c.ctrl;
    EXPECT_EQ(posted, c.requested) << static_cast<char>(c.ch);
    if (posted) {
      // The press lands on the item's button.
      RECT r{};
      GetWindowRect(w, &r);
      const skin::TMenuBtn* want = skinForm->MenuBar->FindAccelButton(static_cast<wchar_t>(c.ch));
      ASSERT_NE(want, nullptr);
      EXPECT_TRUE(want->Rect.Contains({GET_X_LPARAM(m.lParam) - r.left, GET_Y_LPARAM(m.lParam) - r.top}));
    }
  }
  SetKeyboardState(saved);
  skinForm->Detach();
  delete skinForm;
}

// A new main menu (the framework's menu-changed notification) feeds the skinned bar and leaves the
// window; the frame is not painted while the change runs. Detach gives the new menu back.
TEST(WinSkinForm, ChangedMainMenuRebuildsTheBar) {
  fwtest::App();
  TSkinTestForm form(fwtest::App());
  form.Show();
  Pump();
  HWND w = form.Handle();
  auto* skinForm = AttachActiveSkin(form);
  ASSERT_NE(skinForm->MenuBar, nullptr);
  RECT clientBefore{};
  GetClientRect(w, &clientBefore);

  auto* other = new fw::TMainMenu(&form);
  for (const char* caption : {"编辑(&E)", "查看(&V)", "工具(&T)"}) {
    auto* item = fw::NewItem(&form, "", caption);
    item->Add(fw::NewItem(&form, "", "项目"));
    other->Items()->Add(item);
  }
  form.SetMenu(other);
  Pump();
  EXPECT_EQ(GetMenu(w), nullptr);
  EXPECT_EQ(skinForm->MenuBar->MenuHandle, other->Handle());
  EXPECT_EQ(skinForm->MenuBar->BarButtons.size(), 3u);
  EXPECT_TRUE(Data()->FramePainting);
  RECT clientAfter{};
  GetClientRect(w, &clientAfter);
  EXPECT_EQ(clientAfter.bottom, clientBefore.bottom) << "the native menu takes no room beside the bar";

  skinForm->Detach();
  EXPECT_EQ(GetMenu(w), other->Handle());
  delete skinForm;
}

// Unicode windows are subclassed and passed on in their own character set.
TEST(WinSkinForm, UnicodeWindowKeepsWideText) {
  static const ATOM cls = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SkinFormTestWide";
    return RegisterClassW(&wc);
  }();
  fw::UniqueHwnd w(CreateWindowExW(0, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(cls)), L"宽字符窗口", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60,
                                   360, 240, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(IsWindowUnicode(w.get()));
  const LONG_PTR original = GetWindowLongPtrW(w.get(), GWLP_WNDPROC);
  auto form = Skin(w.get());
  EXPECT_TRUE(form->IsUnicode);
  EXPECT_EQ(GetWindowLongPtrW(w.get(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(TWinSkinForm::SkinWindowProc()));
  SetWindowTextW(w.get(), L"新标题：皮肤");
  wchar_t text[64] = {};
  GetWindowTextW(w.get(), text, 64);
  EXPECT_EQ(std::wstring(text), L"新标题：皮肤");
  form->Detach();
  EXPECT_EQ(GetWindowLongPtrW(w.get(), GWLP_WNDPROC), original);
}

// Another subclasser on top of the skin: detaching leaves the chain intact (the skin's procedure
// only forwards from then on) and a new skin object for the window does not loop.
WNDPROC g_below = nullptr;
int g_aboveCalls = 0;
LRESULT CALLBACK AboveProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  ++g_aboveCalls;
  return CallWindowProcA(g_below, w, msg, wp, lp);
}

TEST(WinSkinForm, LaterSubclasserKeepsItsChainAcrossDetachAndReattach) {
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW));
  auto form = Skin(w.get());
  g_below = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(w.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AboveProc)));
  ASSERT_EQ(g_below, TWinSkinForm::SkinWindowProc());
  form->Detach();
  form.reset();
  EXPECT_EQ(GetWindowLongPtrA(w.get(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&AboveProc));
  g_log = {};
  g_aboveCalls = 0;
  SendMessageA(w.get(), WM_COMMAND, SC_CLOSE, 0);
  EXPECT_EQ(g_aboveCalls, 1);
  ASSERT_EQ(g_log.Commands.size(), 1u) << "the detached skin passes everything on";
  EXPECT_EQ(SendMessageA(w.get(), skin::XM_ISSKINNED, 0, 0), 0);

  auto again = Skin(w.get());
  EXPECT_EQ(SendMessageA(w.get(), skin::XM_ISSKINNED, 0, 0), 1);
  g_log = {};
  SendMessageA(w.get(), WM_COMMAND, 1234, 0);
  ASSERT_EQ(g_log.Commands.size(), 1u);
  again->Detach();
  again.reset();
  SetWindowLongPtrA(w.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_below));
}

// System commands keep WindowState in step; Alt+letter opens the menu-bar item (consumed), other
// keys and commands go on to the window.
void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

TEST(WinSkinForm, SystemCommandsFollowTheWindowStateAndKeyMenuOpensBarItems) {
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW, HelpMenu()));
  auto form = Skin(w.get());
  ASSERT_NE(form->MenuBar, nullptr);

  struct StateCase {
    WPARAM command;
    int32_t state;
  };
  for (const StateCase& c : {StateCase{SC_MAXIMIZE, skin::kStateMaximized}, StateCase{SC_RESTORE, skin::kStateNormal},
                             StateCase{SC_MINIMIZE, skin::kStateMinimized}, StateCase{SC_RESTORE, skin::kStateNormal}}) {
    g_log = {};
    SendMessageA(w.get(), WM_SYSCOMMAND, c.command, 0);
    Pump();
    EXPECT_EQ(g_log.SysCommands, 1) << std::hex << c.command;
    EXPECT_EQ(form->WindowState, c.state) << std::hex << c.command;
  }

  const UINT_PTR timer = SetTimer(nullptr, 0, 150, EndMenuSoon);
  struct KeyCase {
    WPARAM key;
    bool consumed;
  };
  for (const KeyCase& c : {KeyCase{'h', true}, KeyCase{'H', true}, KeyCase{'q', false}}) {
    g_log = {};
    SendMessageA(w.get(), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(c.key));
    EXPECT_EQ(g_log.SysCommands, c.consumed ? 0 : 1) << static_cast<char>(c.key);
    Pump();
  }
  KillTimer(nullptr, timer);
  EXPECT_FALSE(form->MenuTracking);
}

// A dialog whose caption needs more room than its width is widened; its controls move right by
// half the difference so that they stay centred.
TEST(WinSkinForm, DialogIsWidenedForItsCaption) {
  std::vector<WORD> t(256, 0);
  auto* dt = reinterpret_cast<DLGTEMPLATE*>(t.data());
  dt->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
  dt->cdit = 1;
  dt->x = 20;
  dt->y = 20;
  dt->cx = 60;
  dt->cy = 40;
  WORD* p = reinterpret_cast<WORD*>(dt + 1);
  *p++ = 0;  // no menu
  *p++ = 0;  // default class
  for (const wchar_t* c = L"这是一个相当长的对话框标题用来测试加宽"; *c; ++c) *p++ = static_cast<WORD>(*c);
  *p++ = 0;
  p = reinterpret_cast<WORD*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~ULONG_PTR{3});
  auto* item = reinterpret_cast<DLGITEMTEMPLATE*>(p);
  item->style = WS_CHILD | WS_VISIBLE | SS_LEFT;
  item->x = 5;
  item->y = 5;
  item->cx = 40;
  item->cy = 10;
  item->id = 100;
  p = reinterpret_cast<WORD*>(item + 1);
  *p++ = 0xFFFF;
  *p++ = 0x0082;  // static
  for (const wchar_t* c = L"内容"; *c; ++c) *p++ = static_cast<WORD>(*c);
  *p++ = 0;
  *p++ = 0;
  fw::UniqueHwnd dialog(CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dt, nullptr,
                                                   [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0));
  ASSERT_TRUE(dialog);
  Pump();
  HWND child = GetDlgItem(dialog.get(), 100);
  ASSERT_NE(child, nullptr);
  RECT client{}, childRect{};
  GetClientRect(dialog.get(), &client);
  GetWindowRect(child, &childRect);
  MapWindowPoints(nullptr, dialog.get(), reinterpret_cast<POINT*>(&childRect), 2);

  auto form = Skin(dialog.get());
  EXPECT_TRUE(form->IsDialog);
  EXPECT_EQ(form->BorderKind, skin::kBorderDialog);
  const skin::FrameMetrics m = form->Metrics();
  const skin::TDataSkinTitle& title = Data()->Skin().Title;
  const int plain = client.right + m.BorderLeft + m.BorderRight;
  const int needed = title.TextShift() + form->CaptionTextWidth + title.TextRightClip();
  ASSERT_GT(needed, plain) << "the caption must need more room than the dialog has";
  EXPECT_EQ(WindowSize(dialog.get()).cx, needed);
  RECT moved{};
  GetWindowRect(child, &moved);
  MapWindowPoints(nullptr, dialog.get(), reinterpret_cast<POINT*>(&moved), 2);
  EXPECT_EQ(moved.left, childRect.left + (needed - plain) / 2);
  RECT after{};
  GetClientRect(dialog.get(), &after);
  EXPECT_EQ(after.bottom, client.bottom);
  form->Detach();
}

// An MDI frame subclasses its client: scroll bars stay off unless the option keeps them, the
// redraw request is answered, a new child stops menu updates; an MDI child with the child-border
// option keeps its native frame.
TEST(WinSkinForm, MdiFrameClientAndChild) {
  fw::UniqueHwnd frame(MakeWindow(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN));
  CLIENTCREATESTRUCT ccs{nullptr, 1000};
  HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL,
                                0, 0, 300, 200, frame.get(), nullptr, GetModuleHandleA(nullptr), &ccs);
  ASSERT_NE(client, nullptr);
  const LONG_PTR clientProc = GetWindowLongPtrA(client, GWLP_WNDPROC);
  const bool menuUpdate = Data()->MenuUpdate;
  auto form = Skin(frame.get());
  EXPECT_EQ(form->FormKind, skin::kFormMdiFrame);
  EXPECT_EQ(form->MdiClientWindow, client);
  EXPECT_NE(GetWindowLongPtrA(client, GWLP_WNDPROC), clientProc);
  SetWindowPos(client, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(GetWindowLongA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
  EXPECT_EQ(SendMessageA(client, skin::XM_REDRAWMDI, 0, 0), 0);

  static const ATOM childClass = testsupport::RegisterTestClass("SkinFormTestMdiChild", DefMDIChildProcA);
  ASSERT_NE(childClass, 0);
  MDICREATESTRUCTA mcs{"SkinFormTestMdiChild", "子窗口", GetModuleHandleA(nullptr), 10, 10, 200, 150,
                       WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0};
  HWND child = reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  ASSERT_NE(child, nullptr);
  EXPECT_FALSE(Data()->MenuUpdate) << "a new MDI child stops menu-bar updates";
  Data()->MenuUpdate = menuUpdate;

  {
    auto skinned = Skin(child);
    EXPECT_EQ(skinned->FormKind, skin::kFormMdiChild);
    EXPECT_TRUE(skinned->SkinFrame);
    skinned->Detach();
  }
  const skin::TSkinOptions options = Data()->Options;
  Data()->Options |= 1u << skin::xoMDIChildBorder;
  {
    auto native = Skin(child);
    EXPECT_FALSE(native->SkinFrame);
    native->Detach();
  }
  Data()->Options = options;
  form->Detach();
  EXPECT_EQ(GetWindowLongPtrA(client, GWLP_WNDPROC), clientProc);
}

// Tool-bar painters: the skin's button image (five frames) by custom-draw state, inset by one
// pixel; nothing while the option says so, or before activation. The background is the skin's
// tool-bar image unless the option keeps it native.
TEST(WinSkinForm, ToolBarPaintersDrawTheSkinsButtonFramesAndBackground) {
  const skin::TDataSkinButton& buttons = Data()->Skin().Buttons;
  ASSERT_FALSE(buttons.Bitmap.Empty());
  fw::UniqueHwnd w(MakeWindow(WS_OVERLAPPEDWINDOW));
  auto form = Skin(w.get(), false);
  constexpr int kW = 48, kH = 30;
  constexpr COLORREF kMarker = RGB(0x01, 0x02, 0x03);
  skin::DibSection got({kW, kH}), want({kW, kH});
  fw::UniqueMemDc gotDc(CreateCompatibleDC(nullptr)), wantDc(CreateCompatibleDC(nullptr));
  fw::SelectGuard g1(gotDc.get(), got.get()), g2(wantDc.get(), want.get());
  const RECT bounds{0, 0, kW, kH};
  auto reset = [&] {
    fw::UniqueBrush marker(CreateSolidBrush(kMarker));
    FillRect(gotDc.get(), &bounds, marker.get());
    FillRect(wantDc.get(), &bounds, marker.get());
  };
  COLORREF text = kMarker;
  reset();
  EXPECT_FALSE(skin::PaintToolButton(*form, gotDc.get(), bounds, CDIS_HOT, text)) << "not before activation";
  SendMessageA(w.get(), skin::XM_ACTIVATESKIN, 0, skin::kActivateSkinParam);

  struct Case {
    UINT state;
    int32_t frame;  // 0: nothing drawn
  };
  const Case cases[] = {{CDIS_SELECTED, 2}, {CDIS_SELECTED | CDIS_HOT, 2}, {CDIS_HOT, 4}, {CDIS_FOCUS, 4},
                        {CDIS_DEFAULT, 1}, {CDIS_DEFAULT | CDIS_DISABLED, 0}, {CDIS_DEFAULT | CDIS_GRAYED, 0},
                        {0, 0}};
  for (const Case& c : cases) {
    reset();
    text = kMarker;
    const bool drawn = skin::PaintToolButton(*form, gotDc.get(), bounds, c.state, text);
    EXPECT_EQ(drawn, c.frame != 0) << std::hex << c.state;
    if (c.frame != 0) {
      skin::DrawCompositeSkinBitmap(wantDc.get(), {1, 1, kW - 1, kH - 1}, buttons.Bitmap, false, false,
                                    buttons.Trans == 1, 5, c.frame, buttons.GetMargins());
    }
    EXPECT_TRUE(got.ToBitmap() == want.ToBitmap()) << std::hex << c.state;
    const bool hasColour = (c.frame == 1 && buttons.HasNormalColour2) || (c.frame == 4 && buttons.HasMouseOverColour2) ||
                           (c.frame == 2 && buttons.HasPressedColour2);
    if (!hasColour) {
      EXPECT_EQ(text, kMarker);
    }
  }
  const skin::TSkinOptions options = Data()->Options;
  Data()->Options |= 1u << skin::xoToolbarButton;
  reset();
  EXPECT_FALSE(skin::PaintToolButton(*form, gotDc.get(), bounds, CDIS_HOT, text));
  Data()->Options = options;

  // The background: nothing with xoToolbarBK (the default), the skin's image otherwise.
  const skin::TDataSkinObject* back = Data()->Skin().ToolbarBack.get();
  reset();
  skin::PaintToolBarBack(*form, gotDc.get(), bounds);
  EXPECT_TRUE(got.ToBitmap() == want.ToBitmap());
  if (back && !back->Bitmap.Empty()) {
    Data()->Options &= ~(1u << skin::xoToolbarBK);
    const RECT same{0, 0, std::min(kW, back->Bitmap.Width()), std::min(kH, back->Bitmap.Height())};
    const RECT whole{0, 0, back->Bitmap.Width(), back->Bitmap.Height()};
    reset();
    skin::PaintToolBarBack(*form, gotDc.get(), whole);
    const skin::Bitmap painted = got.ToBitmap();
    for (int y = 0; y < same.bottom; ++y)
      for (int x = 0; x < same.right; ++x) ASSERT_EQ(painted.Pixel(x, y), back->Bitmap.Pixel(x, y)) << x << "," << y;
    Data()->Options = options;
  }
}

}  // namespace
