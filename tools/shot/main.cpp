// talvik_shot EXE OUT.png: starts the program, dismisses the message boxes it shows at start (so
// that a first start without settings gets through), waits until its main window has settled,
// saves a screenshot of the screen, closes the main window with WM_CLOSE and returns the program's
// exit code. `make run` uses it when there is no display.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/png_writer.h"

namespace {

struct Found {
  DWORD pid = 0;
  HWND main = nullptr;
  std::vector<HWND> dialogs;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM lp) {
  auto* f = reinterpret_cast<Found*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != f->pid || !IsWindowVisible(hwnd)) return TRUE;
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (std::string(cls) == "TForm1") f->main = hwnd;
  if (std::string(cls) == "#32770") f->dialogs.push_back(hwnd);
  return TRUE;
}

Found Scan(DWORD pid) {
  Found f;
  f.pid = pid;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&f));
  return f;
}

void Dismiss(const Found& f) {
  for (HWND d : f.dialogs) PostMessageA(d, WM_COMMAND, IDOK, 0);
}

common::Image24 Screen() {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  common::Image24 img;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dib) {
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    GdiFlush();
    img.width = w;
    img.height = h;
    img.bgr.resize(static_cast<size_t>(w) * h * 3);
    const auto* s = static_cast<const uint8_t*>(bits);
    for (size_t i = 0; i < static_cast<size_t>(w) * h; ++i)
      for (int k = 0; k < 3; ++k) img.bgr[i * 3 + k] = s[i * 4 + k];
    SelectObject(mem, old);
    DeleteObject(dib);
  }
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: talvik_shot EXE OUT.png\n");
    return 2;
  }
  std::string cmd = std::string("\"") + argv[1] + "\"";
  std::string dir = argv[1];
  dir = dir.substr(0, dir.find_last_of("\\/"));
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(argv[1], cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi)) {
    std::fprintf(stderr, "talvik_shot: cannot start %s (error %lu)\n", argv[1], GetLastError());
    return 3;
  }
  // Up to 20 s for the main window, dismissing start-up messages on the way.
  HWND main = nullptr;
  for (int i = 0; i < 200 && !main; ++i) {
    Sleep(100);
    const Found f = Scan(pi.dwProcessId);
    Dismiss(f);
    if (f.main && f.dialogs.empty()) main = f.main;
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
  }
  if (!main) {
    std::fprintf(stderr, "talvik_shot: the main window did not appear\n");
    TerminateProcess(pi.hProcess, 1);
    return 4;
  }
  // Let start-up painting and the skin's delayed activation finish.
  for (int i = 0; i < 15; ++i) {
    Sleep(100);
    Dismiss(Scan(pi.dwProcessId));
  }
  const bool saved = common::WritePngFile(Screen(), argv[2]);
  PostMessageA(main, WM_CLOSE, 0, 0);
  DWORD code = 1;
  for (int i = 0; i < 100; ++i) {
    if (WaitForSingleObject(pi.hProcess, 100) == WAIT_OBJECT_0) break;
    Dismiss(Scan(pi.dwProcessId));
  }
  if (WaitForSingleObject(pi.hProcess, 0) != WAIT_OBJECT_0) {
    std::fprintf(stderr, "talvik_shot: the program did not close\n");
    TerminateProcess(pi.hProcess, 1);
  }
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  if (!saved) {
    std::fprintf(stderr, "talvik_shot: cannot write %s\n", argv[2]);
    return 5;
  }
  return static_cast<int>(code);
}
