// The folder chooser with the shell's real dialog: it shows the prompt, has no owner window, and
// cancelling returns empty text with or without a start folder. (Wine's dialog here shows an empty
// folder tree, so choosing a folder cannot be checked in this environment.)
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "ui/folder_chooser.h"

namespace {

struct Seen {
  std::string prompt;
  HWND dialog = nullptr;
  HWND owner = nullptr;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lparam) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (pid == GetCurrentProcessId() && std::string(cls) == "#32770" && IsWindowVisible(hwnd)) {
    reinterpret_cast<Seen*>(lparam)->dialog = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindPrompt(HWND hwnd, LPARAM lparam) {
  auto* seen = static_cast<Seen*>(reinterpret_cast<void*>(lparam));
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  if (std::string(text).find("请选择一个目录") != std::string::npos) {
    seen->prompt = text;
    return FALSE;
  }
  return TRUE;
}

// Runs the chooser; a helper thread waits for its dialog, notes the prompt and presses `button`.
std::string ChooseAndPress(const std::string& start, WPARAM button, Seen& seen) {
  std::atomic<bool> done{false};
  std::thread presser([&] {
    for (int i = 0; i < 200 && !done; ++i) {
      Sleep(50);
      Seen found;
      EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&found));
      if (!found.dialog) continue;
      Sleep(700);  // the dialog fills its tree and selects the start folder first
      EnumChildWindows(found.dialog, FindPrompt, reinterpret_cast<LPARAM>(&seen));
      seen.dialog = found.dialog;
      seen.owner = GetWindow(found.dialog, GW_OWNER);
      PostMessageA(found.dialog, WM_COMMAND, button, 0);
      return;
    }
  });
  std::string result = ui::ChooseFolder("增加软件安装路径，请选择一个目录", start);
  done = true;
  presser.join();
  return result;
}

TEST(FolderChooser, ShowsThePromptWithoutOwnerAndCancelGivesEmptyText) {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "选择测试_" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);

  for (const std::string& start : {folder, std::string()}) {
    Seen seen;
    const std::string got = ChooseAndPress(start, IDCANCEL, seen);
    EXPECT_NE(seen.dialog, nullptr) << "no dialog for start '" << start << "'";
    EXPECT_EQ(seen.owner, nullptr);
    EXPECT_EQ(seen.prompt, "增加软件安装路径，请选择一个目录");
    EXPECT_EQ(got, "") << "start '" << start << "'";
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
