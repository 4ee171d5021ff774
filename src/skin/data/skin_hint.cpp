// The caption-button hint of the skin data component: one small pop-up window showing a text in
// the system's tool-tip colours, placed by the caller, never activated.
#include "skin/data/skin_data.h"

namespace skin {
namespace {

constexpr int kHintMaxWidth = 500;
constexpr int kHintPadding = 3;
constexpr char kHintClass[] = "THintWindow";

LRESULT CALLBACK HintProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_PAINT: {
      fw::PaintDc dc(hwnd);
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(dc.get(), &r, GetSysColorBrush(COLOR_INFOBK));
      char text[1024] = {};
      GetWindowTextA(hwnd, text, sizeof text);
      fw::SelectGuard font(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
      SetBkMode(dc.get(), TRANSPARENT);
      SetTextColor(dc.get(), GetSysColor(COLOR_INFOTEXT));
      InflateRect(&r, -kHintPadding, -kHintPadding);
      DrawTextA(dc.get(), text, -1, &r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
      return 0;
    }
    default:
      return DefWindowProcA(hwnd, msg, wparam, lparam);
  }
}

HWND CreateHintWindow() {
  static const ATOM registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = HintProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kHintClass;
    wc.style = CS_SAVEBITS;
    return RegisterClassA(&wc);
  }();
  if (!registered) return nullptr;
  return CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kHintClass, "", WS_POPUP | WS_BORDER,
                         0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

HWND TSkinData::HintWindow() const { return hint_window_.get(); }

void TSkinData::ShowCaptionHint(const RECT& rect, const std::string& text) {
  if (!InSet(Options, xoCaptionButtonHint) || hint_shown_) return;
  if (!hint_window_) hint_window_.reset(CreateHintWindow());
  if (!hint_window_) return;
  RECT box{0, 0, kHintMaxWidth, 0};
  {
    fw::WindowDc dc(hint_window_.get());
    fw::SelectGuard font(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc.get(), text.c_str(), -1, &box, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  }
  const int width = box.right - box.left + 2 * kHintPadding + 2;
  const int height = box.bottom - box.top + 2 * kHintPadding + 2;
  SetWindowTextA(hint_window_.get(), text.c_str());
  SetWindowPos(hint_window_.get(), HWND_TOPMOST, rect.left, rect.top, width, height,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(hint_window_.get(), nullptr, TRUE);
  hint_text_ = text;
  hint_shown_ = true;
}

void TSkinData::HideCaptionHint() {
  if (!hint_shown_) return;
  if (hint_window_) ShowWindow(hint_window_.get(), SW_HIDE);
  hint_shown_ = false;
}

}  // namespace skin
