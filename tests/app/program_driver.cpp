#include "app/program_driver.h"

#include <vector>

#include "support/paths.h"

namespace driver {
namespace {

constexpr char kKeyPath[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr char kValueName[] = "ProgramFilesDir";

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA fd;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &fd);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = fd.cFileName;
      if (name == "." || name == "..") continue;
      const std::string full = folder + "\\" + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(full);
      else
        DeleteFileA(full.c_str());
    } while (FindNextFileA(find, &fd));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

struct Search {
  DWORD pid;
  const char* cls;
  HWND found;
};

BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM lparam) {
  auto* s = reinterpret_cast<Search*>(lparam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (pid == s->pid && std::string(cls) == s->cls && IsWindowVisible(hwnd)) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND FindTopLevelOf(DWORD pid, const char* cls) {
  Search s{pid, cls, nullptr};
  EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

BOOL CALLBACK FindChildOf(HWND hwnd, LPARAM lparam) {
  auto* s = reinterpret_cast<Search*>(lparam);
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (std::string(cls) == s->cls) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

AppFolder::AppFolder() {
  static int counter = 0;
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  path_ = std::string(temp) + "talvik_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
  RemoveTree(path_);
  const std::string dist = testsupport::EnvFolder("TALVIK_DIST_DIR");
  ok_ = !dist.empty() && CreateDirectoryA(path_.c_str(), nullptr) &&
        CopyFileA((dist + "\\" + kExeName).c_str(), File(kExeName).c_str(), TRUE);
}

AppFolder::~AppFolder() { RemoveTree(path_); }

bool WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
  return ok && written == bytes.size();
}

std::optional<std::string> ReadBytes(const std::string& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string out;
  char buf[4096];
  DWORD n = 0;
  while (ReadFile(f, buf, sizeof buf, &n, nullptr) && n > 0) out.append(buf, n);
  CloseHandle(f);
  return out;
}

Program::Program(const AppFolder& folder) {
  const std::string exe = folder.File(kExeName);
  std::string cmd = "\"" + exe + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  if (!CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.path().c_str(), &si,
                      &pi_))
    pi_ = {};
}

Program::~Program() {
  if (!pi_.hProcess) return;
  if (Running()) {
    TerminateProcess(pi_.hProcess, 99);
    WaitForSingleObject(pi_.hProcess, 5000);
  }
  CloseHandle(pi_.hThread);
  CloseHandle(pi_.hProcess);
}

bool Program::Running() const { return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

bool Program::WaitForExit(DWORD max_ms) {
  if (!pi_.hProcess || WaitForSingleObject(pi_.hProcess, max_ms) != WAIT_OBJECT_0) return false;
  DWORD code = 1;
  GetExitCodeProcess(pi_.hProcess, &code);
  return code == 0;
}

bool WaitUntil(DWORD max_ms, bool (*done)(void*), void* context) {
  const DWORD start = GetTickCount();
  while (!done(context)) {
    if (GetTickCount() - start > max_ms) return false;
    Sleep(50);
  }
  return true;
}

std::optional<MessageBoxInfo> WaitForMessageBox(DWORD pid, DWORD max_ms) {
  HWND box = nullptr;
  if (!WaitFor(max_ms, [&] { return (box = FindTopLevelOf(pid, "#32770")) != nullptr; })) return std::nullopt;
  Sleep(200);  // let the box finish building its controls
  MessageBoxInfo info;
  info.hwnd = box;
  info.caption = WindowText(box);
  // The message text is the static control with id 0xFFFF; the icon, when there is one, id 0x14.
  info.text = WindowText(GetDlgItem(box, 0xFFFF));
  HWND icon = GetDlgItem(box, 0x14);
  info.hasIcon = icon && IsWindowVisible(icon);
  return info;
}

bool Dismiss(const MessageBoxInfo& box, DWORD max_ms) {
  PostMessageA(box.hwnd, WM_COMMAND, IDOK, 0);
  return WaitFor(max_ms, [&] { return !IsWindow(box.hwnd) || !IsWindowVisible(box.hwnd); });
}

HWND WaitForMainWindow(DWORD pid, DWORD max_ms) {
  HWND main = nullptr;
  WaitFor(max_ms, [&] {
    main = FindTopLevelOf(pid, "TForm1");
    return main && WindowText(main) == kCaption;
  });
  return main;
}

HWND FindChild(HWND parent, const char* cls) {
  Search s{0, cls, nullptr};
  EnumChildWindows(parent, FindChildOf, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// Text crosses the process boundary as UTF-16 under Wine whatever the caller asks for, so the
// wide messages are used and the text turned into the ANSI code page (GBK) here.
std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
  return out;
}

ListContents ReadList(HWND list) {
  ListContents out;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT len = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<size_t>(len > 0 ? len : 0) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcsnlen(text.c_str(), text.size()));
    out.entries.push_back(Narrow(text));
  }
  out.selected = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
  return out;
}

std::string WindowText(HWND hwnd) {
  if (!hwnd) return {};
  wchar_t buf[1024] = {};
  SendMessageW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf));
  buf[1023] = L'\0';
  return Narrow(buf);
}

void SelectEntry(HWND list, int index) {
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

void ClickToolButton(HWND toolbar, int index, int button_width) {
  const LPARAM at = MAKELPARAM(index * button_width + button_width / 2, 12);
  PostMessageA(toolbar, WM_MOUSEMOVE, 0, at);
  PostMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(toolbar, WM_LBUTTONUP, 0, at);
}

std::optional<std::string> ReadProgramFilesDir() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  char buf[1024] = {};
  DWORD size = sizeof buf - 1, type = 0;
  const LONG rc = RegQueryValueExA(key, kValueName, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) return std::nullopt;
  return std::string(buf);
}

bool WriteProgramFilesDir(const std::string& value) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return false;
  const LONG rc = RegSetValueExA(key, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

std::string ClipboardText() {
  std::string out;
  if (!OpenClipboard(nullptr)) return out;
  if (HANDLE h = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(h))) {
      out = p;
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return out;
}

}  // namespace driver
