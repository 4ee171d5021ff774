// The frame painter on a real window: a plain overlapped window whose frame size, non-client paint
// and region come from the painter shows the skin's border pieces on the screen, see-through border
// pixels cut out. Screenshots go to the artifacts folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/skin_load.h"
#include "skin/form/border_pieces.h"
#include "skin/form/frame_painter.h"
#include "skin/form/frame_paint_fixtures.h"
#include "support/paths.h"
#include "support/screenshot.h"
#include "support/skin_test_support.h"

namespace {

using namespace paintfix;
using skin::BorderPiece;

// What the test window's procedure paints with.
struct FrameState {
  const skin::SkinDefinition* Skin = nullptr;
  skin::FrameMetrics Metrics;
  bool Active = true;
  HFONT Font = nullptr;
  int Paints = 0;
};
FrameState g_frame;

Size WindowSize(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return {r.right - r.left, r.bottom - r.top};
}

void PaintNonClient(HWND w) {
  fw::WindowDc dc(w, true);
  skin::FramePaintInput in;
  in.Skin = g_frame.Skin;
  in.Metrics = g_frame.Metrics;
  in.Traits.IsActive = g_frame.Active;
  in.CaptionFont = g_frame.Font;
  wchar_t text[256] = {};
  GetWindowTextW(w, text, 256);
  in.WindowText = text;
  skin::PaintFrame(dc.get(), WindowSize(w), in);
  ++g_frame.Paints;
}

void ApplyRegion(HWND w) {
  fw::UniqueRgn rgn = skin::BuildWindowRegion(WindowSize(w), g_frame.Metrics, *g_frame.Skin);
  if (rgn && SetWindowRgn(w, rgn.get(), TRUE)) rgn.release();  // the window owns it now
}

LRESULT CALLBACK FrameProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (g_frame.Skin != nullptr) {
    switch (msg) {
      case WM_NCCALCSIZE:
        if (wp) {
          RECT& r = reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0];
          const skin::FrameMetrics& m = g_frame.Metrics;
          r = {r.left + m.BorderLeft, r.top + m.BorderTop + m.MenuBarHeight, r.right - m.BorderRight,
               r.bottom - m.BorderBottom};
          return 0;
        }
        break;
      case WM_NCPAINT:
        PaintNonClient(w);
        return 0;
      case WM_NCACTIVATE:
        g_frame.Active = wp != 0;
        PaintNonClient(w);
        return TRUE;
      case WM_SIZE:
        ApplyRegion(w);
        break;
      default:
        break;
    }
  }
  return DefWindowProcW(w, msg, wp, lp);
}

void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  MSG m;
  while (GetTickCount() < end) {
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    Sleep(10);
  }
}

Bitmap ScreenPart(const common::Image24& shot, const Rect& r) {
  Bitmap out(r.Width(), r.Height());
  for (int32_t y = 0; y < r.Height(); ++y) {
    for (int32_t x = 0; x < r.Width(); ++x) {
      const uint8_t* p = shot.Pixel(r.left + x, r.top + y);
      out.SetPixel(x, y, skin::Rgb(p[2], p[1], p[0]));
    }
  }
  return out;
}

HWND MakeWindow(const wchar_t* title) {
  static const ATOM cls = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"FramePainterWindow";
    return RegisterClassW(&wc);
  }();
  if (cls == 0) return nullptr;
  return CreateWindowExW(WS_EX_TOPMOST, L"FramePainterWindow", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 100,
                         360, 220, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

class FrameWindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (window_) DestroyWindow(window_);
    g_frame = {};
  }
  void Open(const skin::SkinDefinition& s) {
    g_frame.Skin = &s;
    g_frame.Metrics = skin::ComputeBorders(s, skin::kBorderSizeable, {});
    g_frame.Font = font_.get();
    window_ = MakeWindow(L"Talvik软件安装路径修改器2.1");
    ASSERT_TRUE(window_);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    ApplyRegion(window_);
    SetForegroundWindow(window_);
    Pump(400);
  }
  HWND window_ = nullptr;
  fw::UniqueFont font_ = CaptionFont();
};

TEST_F(FrameWindowTest, PaintedFrameOnTheScreen) {
  skin::SkinDefinition s = PatternSkin();
  // The bottom piece has see-through corners; the region must cut them out of the window.
  for (int32_t x = 0; x < 3; ++x) {
    for (int32_t y = 5 - (3 - x); y < 5; ++y) {
      s.BottomBorder.Bitmap.SetPixel(x, y, skin::kMagenta);
      s.BottomBorder.Bitmap.SetPixel(39 - x, y, skin::kMagenta);
    }
  }
  s.BottomBorder.Trans = 1;
  ASSERT_NO_FATAL_FAILURE(Open(s));
  EXPECT_GT(g_frame.Paints, 0);
  RECT client{};
  GetClientRect(window_, &client);
  EXPECT_EQ(client.right, 360 - 4 - 6);
  EXPECT_EQ(client.bottom, 220 - 30 - 5);

  const common::Image24 shot = testsupport::CaptureScreen(window_);
  ASSERT_EQ(shot.width, 360);
  ASSERT_EQ(shot.height, 220);
  const bool active = g_frame.Active;
  EXPECT_TRUE(SameArea(ScreenPart(shot, {0, 0, 4, 220}),
                       {0, 0, 4, 220}, skin::ComposeBorderPiece(s.LeftBorder, BorderPiece::Left, {4, 220}, active)));
  EXPECT_TRUE(SameArea(ScreenPart(shot, {354, 0, 360, 220}), {0, 0, 6, 220},
                       skin::ComposeBorderPiece(s.RightBorder, BorderPiece::Right, {6, 220}, active)));
  // Top piece left of the caption text (the text starts after TextShift 0 and a blank).
  const Bitmap top = skin::ComposeBorderPiece(s.TopBorder, BorderPiece::Top, {350, 30}, active);
  EXPECT_TRUE(SameArea(ScreenPart(shot, {4, 0, 6, 30}), {0, 0, 2, 30}, skin::CopyRect(top, {0, 0, 2, 30})));
  EXPECT_TRUE(SameArea(ScreenPart(shot, {300, 0, 354, 30}), {0, 0, 54, 30}, skin::CopyRect(top, {296, 0, 350, 30})));
  // The bottom piece's corners are cut out: the desktop shows there, never magenta.
  const Bitmap bottom = skin::ComposeBorderPiece(s.BottomBorder, BorderPiece::Bottom, {350, 5}, active);
  EXPECT_TRUE(SameArea(ScreenPart(shot, {10, 215, 344, 220}), {0, 0, 334, 5}, skin::CopyRect(bottom, {6, 0, 340, 5})));
  int32_t magenta = 0;
  for (int32_t y = 0; y < 220; ++y)
    for (int32_t x = 0; x < 360; ++x) {
      const uint8_t* p = shot.Pixel(x, y);
      magenta += p[2] == 255 && p[1] == 0 && p[0] == 255;
    }
  EXPECT_EQ(magenta, 0);
  const Bitmap client_px = ScreenPart(shot, {4, 30, 354, 215});
  EXPECT_EQ(client_px.Pixel(100, 100), skin::kWhite);
  EXPECT_TRUE(testsupport::SaveScreenshotPng(window_, testsupport::ArtifactPath("frame_painter_window.png")));

  // Shown inactive: frame 2 of the two-frame top piece.
  SendMessageW(window_, WM_NCACTIVATE, FALSE, 0);
  Pump(100);
  const common::Image24 inactive = testsupport::CaptureScreen(window_);
  EXPECT_EQ(inactive.Pixel(340, 10)[0], FrameBlue(2));
  EXPECT_EQ(inactive.Pixel(357, 100)[0], FrameBlue(1));
  EXPECT_TRUE(testsupport::SaveScreenshotPng(window_, testsupport::ArtifactPath("frame_painter_window_inactive.png")));
}

// The program's own skin on the same window, for the eye (skipped when the skin is not built).
TEST_F(FrameWindowTest, ProgramSkinScreenshot) {
  const std::vector<uint8_t> file = testsupport::ReadFileBytes(testsupport::ProgramSkinPath());
  if (file.empty()) GTEST_SKIP() << "program skin not built";
  skin::SkinDefinition s;
  ASSERT_EQ(skin::LoadSkinFile(file, s), skin::ReadStatus::Ok);
  ASSERT_NO_FATAL_FAILURE(Open(s));
  const skin::FrameMetrics m = g_frame.Metrics;
  EXPECT_GT(m.BorderTop, 0);
  const common::Image24 shot = testsupport::CaptureScreen(window_);
  ASSERT_EQ(shot.width, 360);
  const Rect left{0, m.BorderTop, m.BorderLeft, 220 - m.BorderBottom};
  const Bitmap piece = skin::ComposeBorderPiece(s.LeftBorder, BorderPiece::Left, {m.BorderLeft, 220}, true);
  if (s.LeftBorder.Trans == 0 && !left.Empty()) {
    EXPECT_TRUE(SameArea(ScreenPart(shot, left), {0, 0, left.Width(), left.Height()},
                         skin::CopyRect(piece, {0, m.BorderTop, m.BorderLeft, 220 - m.BorderBottom})));
  }
  EXPECT_TRUE(testsupport::SaveScreenshotPng(window_, testsupport::ArtifactPath("frame_painter_program_skin.png")));
}

}  // namespace
