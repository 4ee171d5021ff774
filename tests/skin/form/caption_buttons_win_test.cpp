// Caption buttons, non-client mouse input and hit testing on real windows under Wine, with the
// program's own skin: what a press, a release, a move and a double click do, which commands reach
// the window, the frames painted on the screen and the hint's timing by hover timer ticks.
// Screenshots of a hot button and of its hint go to the artifacts folder.
#include "caption_win_fixture.h"

namespace {

using namespace captiontest;

TEST(CaptionButtons, SkinLoads) {
  ASSERT_FALSE(Data()->SkinEmpty());
  ASSERT_GE(Data()->Skin().SysButtons.size(), 6u);
}

TEST(CaptionButtons, MadeFromTheSkinJudgedAndPlacedOnTheRight) {
  Skinned s;
  ASSERT_EQ(s.form->CaptionButtonCount(), static_cast<int32_t>(Data()->Skin().SysButtons.size()));
  RECT window{};
  GetWindowRect(s.w(), &window);
  const int W = window.right - window.left;
  struct Case {
    int32_t action, visibility;
    bool visible;
    int x;  // left edge, window coordinates (-1: not checked)
  };
  const Case cases[] = {
      {0, 0, true, W - 34},    // close
      {1, 2, true, W - 62},    // maximize: not maximized
      {1, 1, false, -1},       // restore: only maximized
      {2, 6, true, W - 90},    // minimize
      {4, 10, false, -1},      // help: only without minimize and maximize boxes
      {3, 0, true, 8},         // icon
  };
  for (const Case& c : cases) {
    TWinSysButton* b = s.Button(c.action, c.visibility);
    ASSERT_NE(b, nullptr) << c.action << "/" << c.visibility;
    EXPECT_EQ(b->Visible, c.visible) << c.action << "/" << c.visibility;
    if (c.x >= 0) {
      EXPECT_EQ(b->Rect.left, c.x) << c.action << "/" << c.visibility;
    }
    EXPECT_TRUE(b->Enabled) << c.action;
  }
  EXPECT_EQ(s.form->RightButtonsWidth, 90);
}

TEST(CaptionButtons, HitTestKeepsTheTopRowsAndFindsCaptionAndMenuBar) {
  for (const DWORD style : {kMainStyle, static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)}) {
    Skinned s(style);
    const skin::FrameMetrics m = s.form->Metrics();
    ASSERT_GT(m.BorderTop, 6);
    ASSERT_GT(m.MenuBarHeight, 0);
    RECT r{};
    GetWindowRect(s.w(), &r);
    const int W = r.right - r.left, H = r.bottom - r.top;
    const TWinSysButton* close = s.Button(0);
    ASSERT_NE(close, nullptr);
    const bool sizeable = style & WS_THICKFRAME;
    struct Case {
      int x, y;
      LRESULT code;
    };
    const Case cases[] = {
        {W / 2, 1, sizeable ? HTTOP : HTBORDER},  // the native answer stays in the top rows
        {W / 2, 4, HTCAPTION},
        {W / 2, m.BorderTop - 1, HTCAPTION},
        {(close->Rect.left + close->Rect.right) / 2, (close->Rect.top + close->Rect.bottom) / 2, HTCAPTION},
        {W / 2, m.BorderTop + m.MenuBarHeight / 2, HTMENU},
        {W / 2, (m.BorderTop + m.MenuBarHeight + H - m.BorderBottom) / 2, HTCLIENT},
    };
    for (const Case& c : cases) {
      const LRESULT got = SendMessageA(s.w(), WM_NCHITTEST, 0, MAKELPARAM(r.left + c.x, r.top + c.y));
      EXPECT_EQ(got, c.code) << "style " << std::hex << style << std::dec << " at " << c.x << "," << c.y;
    }
  }
}

TEST(CaptionButtons, StatesFollowTheMouseAndArePaintedFromTheirFrames) {
  Skinned s;
  TWinSysButton* close = s.Button(0);
  TWinSysButton* minimize = s.Button(2);
  ASSERT_TRUE(close && minimize);
  ASSERT_EQ(close->FrameCount, 4);
  struct Step {
    UINT msg;
    TWinSysButton* target;  // where the mouse is
    int32_t closeState;
    int closeFrame;  // frame on the screen
  };
  const POINT caption = s.ScreenOfWindowPoint((s.form->CaptionTextRect.left + s.form->CaptionTextRect.right) / 2,
                                              s.form->Metrics().BorderTop / 2);
  const Step steps[] = {
      {WM_NCMOUSEMOVE, close, skin::kButtonHot, 3},
      {WM_NCLBUTTONDOWN, close, skin::kButtonPressed, 2},
      {WM_NCMOUSEMOVE, close, skin::kButtonPressed, 2},       // still the hot object: nothing changes
      {WM_NCMOUSEMOVE, minimize, skin::kButtonNormal, 1},     // another button takes over
      {WM_NCMOUSEMOVE, close, skin::kButtonHot, 3},
      {WM_NCMOUSEMOVE, nullptr, skin::kButtonNormal, 1},      // over the bare caption
  };
  int compared = 0;
  for (const Step& step : steps) {
    const POINT p = step.target ? s.ScreenOf(step.target->Rect) : caption;
    const LRESULT answer = s.Send(step.msg, HTCAPTION, p);
    if (step.target) {
      EXPECT_EQ(answer, 0);
    }
    EXPECT_EQ(close->State, step.closeState) << "message " << std::hex << step.msg;
    EXPECT_EQ(FramePixelsDiffering(s.w(), *close, step.closeFrame, compared), 0) << "frame " << step.closeFrame;
    if (step.target == close && step.closeState == skin::kButtonHot && step.msg == WM_NCMOUSEMOVE) {
      EXPECT_EQ(s.form->HotObject, close);
    }
  }
  EXPECT_GT(compared, 100);
  EXPECT_EQ(s.form->HotObject, nullptr);
  EXPECT_FALSE(TakePostedSysCommand(s.w(), SC_CLOSE));
}

// An inactive window shows its buttons in their inactive frame, ignores moves over them, and a
// press first brings it to the front.
TEST(CaptionButtons, InactiveWindowIgnoresMovesAndComesForwardOnAPress) {
  Skinned s;
  fw::UniqueHwnd other(MakeWindow(kMainStyle, false));
  SetForegroundWindow(other.get());
  Pump();
  ASSERT_FALSE(s.form->IsActive);
  TWinSysButton* close = s.Button(0);
  int compared = 0;
  EXPECT_EQ(FramePixelsDiffering(s.w(), *close, 4, compared), 0);
  EXPECT_EQ(s.Send(WM_NCMOUSEMOVE, HTCAPTION, s.ScreenOf(close->Rect)), 0);
  EXPECT_EQ(s.form->HotObject, nullptr);
  EXPECT_EQ(close->State, skin::kButtonNormal);
  s.Send(WM_NCLBUTTONDOWN, HTCAPTION, s.ScreenOf(close->Rect));
  EXPECT_EQ(GetForegroundWindow(), s.w());
  EXPECT_EQ(s.form->HotObject, close);
  EXPECT_EQ(close->State, skin::kButtonPressed);
  EXPECT_EQ(FramePixelsDiffering(s.w(), *close, 2, compared), 0);
  EXPECT_GT(compared, 50);
}

TEST(CaptionButtons, PressThenReleaseOutsideDoesNothingAndTheButtonRecovers) {
  Skinned s;
  TWinSysButton* close = s.Button(0);
  ASSERT_NE(close, nullptr);
  const POINT at = s.ScreenOf(close->Rect);
  const POINT caption = s.ScreenOfWindowPoint(s.form->CaptionTextRect.left + 4, s.form->Metrics().BorderTop / 2);

  // Released over the bare caption: passed on, no action; the next move lets the button go.
  s.Send(WM_NCLBUTTONDOWN, HTCAPTION, at);
  EXPECT_EQ(close->State, skin::kButtonPressed);
  s.Send(WM_NCLBUTTONUP, HTCAPTION, caption);
  EXPECT_FALSE(TakePostedSysCommand(s.w(), SC_CLOSE));
  EXPECT_EQ(close->State, skin::kButtonPressed);
  s.Send(WM_NCMOUSEMOVE, HTCAPTION, caption);
  EXPECT_EQ(close->State, skin::kButtonNormal);
  EXPECT_EQ(s.form->HotObject, nullptr);

  // Released outside the window (no message at all): the next timer tick lets it go.
  s.Send(WM_NCLBUTTONDOWN, HTCAPTION, at);
  RECT window{};
  GetWindowRect(s.w(), &window);
  SetCursorPos(window.right + 40, window.bottom + 40);
  s.form->HoverTimer->OnTimer(s.form->HoverTimer);
  EXPECT_EQ(close->State, skin::kButtonNormal);
  EXPECT_EQ(s.form->HotObject, nullptr);
  EXPECT_FALSE(TakePostedSysCommand(s.w(), SC_CLOSE));
  int compared = 0;
  EXPECT_EQ(FramePixelsDiffering(s.w(), *close, 1, compared), 0);

  // Released over another button: that one is not the pressed one, nothing runs.
  TWinSysButton* minimize = s.Button(2);
  s.Send(WM_NCLBUTTONDOWN, HTCAPTION, at);
  s.Send(WM_NCLBUTTONUP, HTCAPTION, s.ScreenOf(minimize->Rect));
  EXPECT_FALSE(TakePostedSysCommand(s.w(), SC_CLOSE));
  EXPECT_FALSE(TakePostedSysCommand(s.w(), SC_MINIMIZE));
}

TEST(CaptionButtons, CloseMinimizeMaximizeAndRestoreButtonsWork) {
  Skinned s;
  TWinSysButton* close = s.Button(0);
  ASSERT_NE(close, nullptr);
  s.form->HoverTimer->SetEnabled(true);
  s.Click(s.ScreenOf(close->Rect));
  EXPECT_TRUE(TakePostedSysCommand(s.w(), SC_CLOSE));
  EXPECT_FALSE(s.form->HoverTimer->Enabled());

  s.Click(s.ScreenOf(s.Button(1, 2)->Rect));
  EXPECT_EQ(s.form->WindowState, skin::kStateMaximized);
  Pump();
  EXPECT_TRUE(IsZoomed(s.w()));
  SendMessageA(s.w(), WM_NCACTIVATE, TRUE, 0);
  // Maximized: the restore button shows in the maximize button's place.
  TWinSysButton* restore = s.Button(1, 1);
  EXPECT_TRUE(restore->Visible);
  EXPECT_FALSE(s.Button(1, 2)->Visible);
  s.Click(s.ScreenOf(restore->Rect));
  EXPECT_EQ(s.form->WindowState, skin::kStateNormal);
  Pump();
  EXPECT_FALSE(IsZoomed(s.w()));

  SendMessageA(s.w(), WM_NCACTIVATE, TRUE, 0);
  s.Click(s.ScreenOf(s.Button(2)->Rect));
  EXPECT_EQ(s.form->WindowState, skin::kStateMinimized);
  // The minimized window has its system menu back for its task-bar entry.
  EXPECT_TRUE(GetWindowLongA(s.w(), GWL_STYLE) & WS_SYSMENU);
  Pump();
  EXPECT_TRUE(IsIconic(s.w()));
  ShowWindow(s.w(), SW_RESTORE);
  Pump();
}

// A close button does nothing when the window's system menu has no close command.
TEST(CaptionButtons, CloseNeedsTheCloseCommandOfTheSystemMenu) {
  Skinned s;
  DeleteMenu(GetSystemMenu(s.w(), FALSE), SC_CLOSE, MF_BYCOMMAND);
  EXPECT_FALSE(s.form->CanClose());
  s.Click(s.ScreenOf(s.Button(0)->Rect));
  EXPECT_FALSE(TakePostedSysCommand(s.w(), SC_CLOSE));
}

// A button of the skin's own action with a Visibility between 1000 and 2000 shows when the window
// says so, and a click posts its action to the window.
TEST(CaptionButtons, CustomButtonAsksTheWindowAndPostsItsAction) {
  auto& definitions = Data()->Skin().SysButtons;
  auto custom = std::make_unique<skin::TDataSkinSysButton>("CUSTOM");
  custom->Action = 50;
  custom->Align = 0;
  custom->Xcoord = 200;
  custom->Ycoord = 6;
  custom->Visibility = 1500;
  custom->Bitmap = definitions[0]->Bitmap;
  custom->Frame = definitions[0]->Frame;
  definitions.push_back(std::move(custom));
  struct Restore {
    std::vector<std::unique_ptr<skin::TDataSkinSysButton>>& list;
    ~Restore() { list.pop_back(); }
  } restore{definitions};
  {
    g_button_visible_answer = 0;
    g_button_visible_asked.clear();
    Skinned s;
    TWinSysButton* button = s.Button(50);
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->Visible);
    ASSERT_FALSE(g_button_visible_asked.empty());
    EXPECT_EQ(g_button_visible_asked.back(), (std::pair<WPARAM, LPARAM>{1500, 50}));

    g_button_visible_answer = 1;
    SendMessageA(s.w(), skin::XM_REPAINTFRAME, 0, 0);
    EXPECT_TRUE(button->Visible);
    EXPECT_EQ(button->Rect.left, 200);
    s.Click(s.ScreenOf(button->Rect));
    EXPECT_TRUE(TakePosted(s.w(), skin::XM_CUSTOMBUTTON, 50));
  }
  g_button_visible_answer = 0;
}

TEST(CaptionButtons, WithoutMaximizeBoxTheMaximizeButtonIsDisabledAndIgnoresClicks) {
  Skinned s(kMainStyle & ~WS_MAXIMIZEBOX);
  TWinSysButton* maximize = s.Button(1, 2);
  ASSERT_NE(maximize, nullptr);
  EXPECT_TRUE(maximize->Visible);
  EXPECT_FALSE(maximize->Enabled);
  int compared = 0;
  EXPECT_EQ(FramePixelsDiffering(s.w(), *maximize, 4, compared), 0);
  EXPECT_GT(compared, 20);
  s.Click(s.ScreenOf(maximize->Rect));
  EXPECT_FALSE(TakePostedSysCommand(s.w(), SC_MAXIMIZE));
  Pump();
  EXPECT_FALSE(IsZoomed(s.w()));
  // Hovered, it keeps its disabled frame.
  s.Send(WM_NCMOUSEMOVE, HTCAPTION, s.ScreenOf(maximize->Rect));
  EXPECT_EQ(FramePixelsDiffering(s.w(), *maximize, 4, compared), 0);
}

TEST(CaptionButtons, DoubleClicks) {
  Skinned s;
  TWinSysButton* icon = s.Button(3);
  ASSERT_NE(icon, nullptr);
  // On the icon: the window closes.
  s.form->HoverTimer->SetEnabled(true);
  s.Send(WM_NCLBUTTONDBLCLK, HTCAPTION, s.ScreenOf(icon->Rect));
  EXPECT_TRUE(TakePostedSysCommand(s.w(), SC_CLOSE));
  EXPECT_FALSE(s.form->HoverTimer->Enabled());
  // On another button: nothing.
  s.Send(WM_NCLBUTTONDBLCLK, HTCAPTION, s.ScreenOf(s.Button(0)->Rect));
  EXPECT_FALSE(TakePostedSysCommand(s.w(), SC_CLOSE));
  EXPECT_FALSE(TakePostedSysCommand(s.w(), SC_MAXIMIZE));
  // On the bare caption: maximized, and again: restored.
  const POINT caption = s.ScreenOfWindowPoint(s.form->CaptionTextRect.left + 4, s.form->Metrics().BorderTop / 2);
  s.Send(WM_NCLBUTTONDBLCLK, HTCAPTION, caption);
  EXPECT_TRUE(TakePostedSysCommand(s.w(), SC_MAXIMIZE));
  s.Send(WM_NCLBUTTONDBLCLK, HTCAPTION, caption);
  EXPECT_TRUE(TakePostedSysCommand(s.w(), SC_RESTORE));
  EXPECT_EQ(s.form->WindowState, skin::kStateNormal);
}

TEST(CaptionButtons, HintShowsAfterTwoHintPausesAndGoesAfterTheHidePause) {
  Skinned s;
  TWinSysButton* close = s.Button(0);
  ASSERT_NE(close, nullptr);
  const POINT at = s.ScreenOf(close->Rect);
  SetCursorPos(at.x, at.y);
  s.Send(WM_NCMOUSEMOVE, HTCAPTION, at);
  ASSERT_EQ(s.form->HotObject, close);
  auto tick = [&] { s.form->HoverTimer->OnTimer(s.form->HoverTimer); };
  // Ticks of 250 ms: shown once 1000 ms (twice the 500 ms pause) have passed.
  for (int i = 0; i < 3; ++i) tick();
  EXPECT_FALSE(Data()->HintShown());
  tick();
  ASSERT_TRUE(Data()->HintShown());
  HWND hint = Data()->HintWindow();
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(IsWindowVisible(hint));
  char text[32] = {};
  GetWindowTextA(hint, text, sizeof text);
  EXPECT_STREQ(text, "Close");
  RECT hr{}, window{};
  GetWindowRect(hint, &hr);
  GetWindowRect(s.w(), &window);
  EXPECT_EQ(hr.left, window.left + close->Rect.left);
  EXPECT_EQ(hr.top, at.y + 24);
  UpdateWindow(hint);
  Pump();
  EXPECT_TRUE(testsupport::SaveScreenshotPng(nullptr, testsupport::ArtifactPath("caption_button_hint.png")));
  // Hidden once the hide pause (2500 ms) is over too, and not shown again in this hover.
  for (int i = 0; i < 9; ++i) tick();
  EXPECT_TRUE(Data()->HintShown());
  tick();
  EXPECT_FALSE(Data()->HintShown());
  for (int i = 0; i < 8; ++i) tick();
  EXPECT_FALSE(Data()->HintShown());

  // A frame paint (as when the hint's place is uncovered) makes the button cold; resting there
  // again shows no second hint, but a new hover after leaving for the bare caption does.
  SendMessageA(s.w(), skin::XM_REPAINTFRAME, 0, 0);
  EXPECT_EQ(s.form->HotObject, nullptr);
  s.Send(WM_NCMOUSEMOVE, HTCAPTION, at);
  for (int i = 0; i < 6; ++i) tick();
  EXPECT_FALSE(Data()->HintShown());
  SendMessageA(s.w(), skin::XM_REPAINTFRAME, 0, 0);
  s.Send(WM_NCMOUSEMOVE, HTCAPTION, s.ScreenOfWindowPoint(s.form->CaptionTextRect.left + 4, 10));
  s.Send(WM_NCMOUSEMOVE, HTCAPTION, at);
  for (int i = 0; i < 4; ++i) tick();
  EXPECT_TRUE(Data()->HintShown());

  // A press hides a shown hint and starts its timing again.
  s.Send(WM_NCMOUSEMOVE, HTCAPTION, s.ScreenOfWindowPoint(s.form->CaptionTextRect.left + 4, 10));
  s.Send(WM_NCMOUSEMOVE, HTCAPTION, at);
  for (int i = 0; i < 4; ++i) tick();
  ASSERT_TRUE(Data()->HintShown());
  s.Send(WM_NCLBUTTONDOWN, HTCAPTION, at);
  EXPECT_FALSE(Data()->HintShown());
  EXPECT_EQ(s.form->HintTime, 0);
  // Leaving hides it as well.
  s.Send(WM_NCLBUTTONUP, HTCAPTION, s.ScreenOfWindowPoint(s.form->CaptionTextRect.left + 4, 10));
  TakePostedSysCommand(s.w(), SC_CLOSE);
  SetCursorPos(window.right + 30, window.bottom + 30);
  tick();
  EXPECT_EQ(s.form->HotObject, nullptr);
  EXPECT_FALSE(Data()->HintShown());
}

// One hover at a time between caption buttons and menu-bar buttons; the hover timer lets a bar
// button go when the cursor has left it.
TEST(CaptionButtons, CaptionAndMenuBarButtonsShareTheHover) {
  Skinned s;
  skin::TWinSkinMenu* bar = s.form->MenuBar;
  ASSERT_NE(bar, nullptr);
  ASSERT_FALSE(bar->BarButtons.empty());
  skin::TMenuBtn* file = bar->BarButtons[0].get();
  TWinSysButton* close = s.Button(0);
  s.Send(WM_NCMOUSEMOVE, HTCAPTION, s.ScreenOf(close->Rect));
  EXPECT_EQ(s.form->HotObject, close);
  EXPECT_EQ(s.Send(WM_NCMOUSEMOVE, HTMENU, s.ScreenOf(file->Rect)), 0);
  EXPECT_EQ(bar->HotButton, file);
  EXPECT_EQ(s.form->HotObject, nullptr);
  EXPECT_EQ(close->State, skin::kButtonNormal);
  s.Send(WM_NCMOUSEMOVE, HTCAPTION, s.ScreenOf(close->Rect));
  EXPECT_EQ(bar->HotButton, nullptr);
  EXPECT_EQ(s.form->HotObject, close);

  s.Send(WM_NCMOUSEMOVE, HTMENU, s.ScreenOf(file->Rect));
  ASSERT_EQ(bar->HotButton, file);
  RECT window{};
  GetWindowRect(s.w(), &window);
  SetCursorPos(window.left + 200, window.top + 200);
  s.form->HoverTimer->OnTimer(s.form->HoverTimer);
  EXPECT_EQ(bar->HotButton, nullptr);
}

TEST(CaptionButtons, HotButtonPhotographed) {
  Skinned s;
  TWinSysButton* close = s.Button(0);
  ASSERT_NE(close, nullptr);
  s.Send(WM_NCMOUSEMOVE, HTCAPTION, s.ScreenOf(close->Rect));
  int compared = 0;
  EXPECT_EQ(FramePixelsDiffering(s.w(), *close, 3, compared), 0);
  // The hot frame is not the resting one.
  EXPECT_GT(FramePixelsDiffering(s.w(), *close, 1, compared), 10);
  // The window's icon is drawn in the icon button.
  const TWinSysButton* icon = s.Button(3);
  ASSERT_NE(icon, nullptr);
  ASSERT_NE(s.form->IconBitmap(), nullptr);
  {
    fw::WindowDc window(s.w(), true);
    fw::UniqueMemDc source(CreateCompatibleDC(window.get()));
    fw::SelectGuard select(source.get(), s.form->IconBitmap());
    int opaque = 0, same = 0;
    for (int y = 0; y < icon->Rect.Height() && y < 16; ++y) {
      for (int x = 0; x < icon->Rect.Width() && x < 16; ++x) {
        const COLORREF want = GetPixel(source.get(), x, y);
        if (want == RGB(255, 0, 255)) continue;
        ++opaque;
        same += GetPixel(window.get(), icon->Rect.left + x, icon->Rect.top + y) == want;
      }
    }
    EXPECT_GT(opaque, 20);
    EXPECT_EQ(same, opaque);
  }
  // The window surface reaches the screen once the thread has waited for messages a while.
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(s.form->HotObject, close);
  EXPECT_TRUE(testsupport::SaveScreenshotPng(s.w(), testsupport::ArtifactPath("caption_button_hot.png")));
}

// Real mouse input through the platform: the press is consumed, the release still arrives and runs
// the button; a right click on the caption opens only the skinned system menu.
TEST(CaptionButtons, RealClicksRunTheButtons) {
  Skinned s;
  g_sys_commands.clear();
  const POINT minimize = s.ScreenOf(s.Button(2)->Rect);
  INPUT move = MouseAt(minimize, 0);
  SendInput(1, &move, sizeof move);
  EXPECT_TRUE(PumpUntil([&] { return s.form->HotObject == s.Button(2); }));
  RealClick(minimize);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(s.w()) != FALSE; }));
  ShowWindow(s.w(), SW_RESTORE);
  SetForegroundWindow(s.w());
  Pump();

  RealClick(s.ScreenOf(s.Button(1, 2)->Rect));
  EXPECT_TRUE(PumpUntil([&] { return IsZoomed(s.w()) != FALSE; }));
  Pump();
  RealClick(s.ScreenOf(s.Button(1, 1)->Rect));
  EXPECT_TRUE(PumpUntil([&] { return !IsZoomed(s.w()); }));
  Pump();

  g_native_menu_loops = 0;
  const POINT caption = s.ScreenOfWindowPoint(s.form->CaptionTextRect.right + 20, s.form->Metrics().BorderTop / 2);
  WithProbe({}, [&] {
    RealClick(caption, true);
    PumpUntil([&] { return g_probe.Seen; });
    Pump();
  });
  EXPECT_TRUE(g_probe.Seen);
  Pump();
  EXPECT_EQ(g_native_menu_loops, 0);

  g_sys_commands.clear();
  RealClick(s.ScreenOf(s.Button(0)->Rect));
  EXPECT_TRUE(PumpUntil([&] {
    for (WPARAM c : g_sys_commands)
      if (c == SC_CLOSE) return true;
    return false;
  }));
}

}  // namespace
