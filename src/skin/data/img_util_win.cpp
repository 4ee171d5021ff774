#include "skin/data/img_util_win.h"

#include <algorithm>
#include <string>

#include "skin/data/img_util.h"
#include "skin/data/system_info.h"

namespace skin {

void GradientFill(HDC dc, const RECT& r, Colour start, bool vertical, Colour end) {
  if (!RectVisible(dc, &r)) return;
  const Colour a = ResolveColour(start), b = ResolveColour(end);
  const int n = static_cast<int>(vertical ? r.bottom - r.top : r.right - r.left);
  if (n <= 0) return;
  RECT clip{};
  if (GetClipBox(dc, &clip) == ERROR) return;
  const int first = std::max(0, static_cast<int>(vertical ? clip.top - r.top : clip.left - r.left));
  const int last = std::min(n - 1, static_cast<int>(vertical ? clip.bottom - r.top - 1 : clip.right - r.left - 1));
  const auto steps = SharedGradientCache().Steps(n, a, b);
  for (int i = first; i <= last; ++i) {
    const RECT line = vertical ? RECT{r.left, r.top + i, r.right, r.top + i + 1}
                               : RECT{r.left + i, r.top, r.left + i + 1, r.bottom};
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(steps[static_cast<size_t>(i)]));
    if (brush == nullptr) continue;
    FillRect(dc, &line, brush);
    DeleteObject(brush);
  }
}

std::wstring AnsiToWide(std::string_view text) {
  if (text.empty()) return {};
  const int len = static_cast<int>(std::min<size_t>(text.size(), 0x7FFFFFFF));
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), len, nullptr, 0);
  if (n <= 0) return {};
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), len, out.data(), n);
  return out;
}

int DrawTextAuto(HDC dc, std::wstring_view text, RECT& r, UINT format) {
  const int len = static_cast<int>(std::min<size_t>(text.size(), 0x7FFFFFFF));
  if ((GetVersion() & 0x80000000u) == 0) {
    return DrawTextW(dc, text.empty() ? L"" : text.data(), len, &r, format);
  }
  const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), len, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(std::max(n, 0)), '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), len, narrow.data(), n, nullptr, nullptr);
  return DrawTextA(dc, narrow.c_str(), -1, &r, format);
}

}  // namespace skin
