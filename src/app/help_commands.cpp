#include "app/help_commands.h"

#include <shellapi.h>

#include <cstring>

#include "framework/forms.h"

namespace app {

namespace {

TShellOpen& ShellOpenHook() {
  static TShellOpen hook;
  return hook;
}

bool FileExists(const std::string& path) {
  const DWORD attrs = GetFileAttributesA(path.c_str());
  return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TShellOpen SetShellOpen(TShellOpen open) {
  TShellOpen old = std::move(ShellOpenHook());
  ShellOpenHook() = std::move(open);
  return old;
}

void ShellOpen(HWND owner, const std::string& target, int show) {
  if (const TShellOpen& hook = ShellOpenHook()) {
    hook(owner, target, show);
    return;
  }
  ShellExecuteA(owner, "open", target.c_str(), nullptr, nullptr, show);
}

void OpenHelpText(HWND owner, const std::string& appFolder, const std::string& fileName) {
  const std::string path = appFolder + "\\" + kHelpFolder + fileName;
  if (FileExists(path))
    ShellOpen(owner, path, SW_SHOWMAXIMIZED);
  else
    fw::ShowMessage(kMissingFile + path);
}

void StartFeedbackProgram(HWND owner, const std::string& appFolder) {
  const std::string folder = appFolder + "\\" + kFeedbackFolder;
  if (!SetCurrentDirectoryA(folder.c_str())) {
    MessageBoxA(owner, kMissingFeedbackFolder, "出错", MB_OK);
    return;
  }
  // Whatever happens below, the application folder is the current directory again afterwards.
  struct BackHome {
    const std::string& folder;
    ~BackHome() { SetCurrentDirectoryA(folder.c_str()); }
  } back{appFolder};
  const std::string path = folder + "\\" + kFeedbackProgram;
  if (FileExists(path))
    ShellOpen(owner, path, SW_SHOWNORMAL);
  else
    fw::ShowMessage(kMissingFile + path);
}

void OpenPage(HWND owner, const std::string& address) { ShellOpen(owner, address, SW_SHOWNORMAL); }

bool CopyTextToClipboard(HWND owner, const std::string& text) {
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!mem) return false;
  if (void* p = GlobalLock(mem)) {
    std::memcpy(p, text.c_str(), text.size() + 1);
    GlobalUnlock(mem);
  } else {
    GlobalFree(mem);
    return false;
  }
  bool ok = false;
  // Another program may hold the clipboard for a moment.
  for (int attempt = 0; attempt < 10 && !ok; ++attempt) {
    if (OpenClipboard(owner)) {
      EmptyClipboard();
      ok = SetClipboardData(CF_TEXT, mem) != nullptr;
      CloseClipboard();
    } else {
      Sleep(10);
    }
  }
  if (!ok) GlobalFree(mem);
  return ok;
}

}  // namespace app
