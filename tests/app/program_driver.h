#pragma once
// Drives the real program from outside as a user would: a fresh application folder per test with a
// copy of the exe, the process, its windows and message boxes, and the registry value it changes.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace driver {

constexpr char kExeName[] = "Talvik软件安装路径修改器2.1.exe";
constexpr char kCaption[] = "Talvik软件安装路径修改器2.1";

// A new folder in the temporary folder holding a copy of the program; removed with all its files.
class AppFolder {
 public:
  AppFolder();
  ~AppFolder();
  AppFolder(const AppFolder&) = delete;
  AppFolder& operator=(const AppFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }
  bool ok() const { return ok_; }

 private:
  std::string path_;
  bool ok_ = false;
};

// Whole-file helpers (bytes as they are on the disk).
bool WriteBytes(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadBytes(const std::string& path);

// The program started from its folder; killed if it is still running when the test ends.
class Program {
 public:
  explicit Program(const AppFolder& folder);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  bool started() const { return pi_.hProcess != nullptr; }
  DWORD pid() const { return pi_.dwProcessId; }
  // True when the process ended by itself within the time, with exit code 0.
  bool WaitForExit(DWORD max_ms);
  bool Running() const;

 private:
  PROCESS_INFORMATION pi_{};
};

struct MessageBoxInfo {
  HWND hwnd = nullptr;
  std::string caption;
  std::string text;
  bool hasIcon = false;
};

// The first visible dialog ("#32770") of the process, waiting up to max_ms.
std::optional<MessageBoxInfo> WaitForMessageBox(DWORD pid, DWORD max_ms);
// Presses OK and waits until the box has gone.
bool Dismiss(const MessageBoxInfo& box, DWORD max_ms = 5000);

// The visible main window of the process.
HWND WaitForMainWindow(DWORD pid, DWORD max_ms);
// A child window of the given class.
HWND FindChild(HWND parent, const char* cls);

// The list box's entries and selection, the edit line's text.
struct ListContents {
  std::vector<std::string> entries;
  int selected = -1;
};
ListContents ReadList(HWND list);
std::string WindowText(HWND hwnd);
// Selects an entry as the keyboard or a click does: the selection, then its notification.
void SelectEntry(HWND list, int index);
// Clicks the n-th button (0-based) of a tool bar whose buttons are `button_width` wide.
void ClickToolButton(HWND toolbar, int index, int button_width);

// Polls `done` until it answers true or max_ms have passed.
bool WaitUntil(DWORD max_ms, bool (*done)(void*), void* context);
template <class F>
bool WaitFor(DWORD max_ms, F f) {
  return WaitUntil(max_ms, [](void* c) { return (*static_cast<F*>(c))(); }, &f);
}

// ProgramFilesDir under HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion.
std::optional<std::string> ReadProgramFilesDir();
bool WriteProgramFilesDir(const std::string& value);

std::string ClipboardText();

}  // namespace driver
