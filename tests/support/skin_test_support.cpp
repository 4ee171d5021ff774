#include "support/skin_test_support.h"

#include <cstring>

#include "support/paths.h"

namespace testsupport {

std::string DistSkinPath(const char* fileName) { return EnvFolder("TALVIK_DIST_DIR") + "\\皮肤\\" + fileName; }

std::string ProgramSkinInFolder() { return "\\皮肤\\白兰_mxp1.skn"; }

std::string ProgramSkinPath() { return EnvFolder("TALVIK_DIST_DIR") + ProgramSkinInFolder(); }

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::vector<uint8_t> out;
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return out;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(f, &size) && size.QuadPart > 0 && size.QuadPart < (64 << 20)) {
    out.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(f, out.data(), static_cast<DWORD>(out.size()), &read, nullptr) || read != out.size()) out.clear();
  }
  CloseHandle(f);
  return out;
}

skin::Colour ColourAt(const common::Image24& img, int x, int y) {
  if (x < 0 || y < 0 || x >= img.width || y >= img.height) return -1;
  const uint8_t* p = img.Pixel(x, y);
  return skin::Rgb(p[2], p[1], p[0]);
}

int CountColour(const common::Image24& img, const RECT& r, skin::Colour c) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += ColourAt(img, x, y) == c;
  return n;
}

HWND OpenMenuWindow() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND w, LPARAM out) -> BOOL {
        char cls[16] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (std::string(cls) == "#32768" && IsWindowVisible(w)) {
          *reinterpret_cast<HWND*>(out) = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> VisibleThreadDialogs() {
  std::vector<HWND> found;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM out) -> BOOL {
        char cls[16] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (std::strcmp(cls, "#32770") == 0 && IsWindowVisible(w)) reinterpret_cast<std::vector<HWND>*>(out)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

ATOM RegisterTestClass(const char* name, WNDPROC proc, HBRUSH background, UINT style) {
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return RegisterClassA(&wc);
}

void PumpMessages(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  } while (GetTickCount() - start < ms);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return done();
    PumpMessages(20);
  }
  return true;
}

}  // namespace testsupport
