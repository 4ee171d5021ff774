#include "app/platform_win.h"

#include <windows.h>
#include <mmsystem.h>
#include <shlobj.h>

#include <cstring>
#include <limits>

#include "framework/framework.h"
#include "ui/folder_chooser.h"

namespace app {
namespace {

// A value larger than this is not a path; reading it is a failure, not an allocation.
constexpr DWORD kMaxValueBytes = 1u << 16;

class WinRegistryKey final : public core::IRegistryKey {
 public:
  explicit WinRegistryKey(HKEY key) : key_(key) {}
  ~WinRegistryKey() override { RegCloseKey(key_); }
  WinRegistryKey(const WinRegistryKey&) = delete;
  WinRegistryKey& operator=(const WinRegistryKey&) = delete;

  core::QueryResult QueryValue(const std::string& name) override {
    // The value may change between the size query and the read: retry a few times.
    for (int attempt = 0; attempt < 4; ++attempt) {
      DWORD type = 0, size = 0;
      LONG rc = RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size);
      if (rc == ERROR_FILE_NOT_FOUND) return {core::QueryStatus::Missing, {}};
      if (rc != ERROR_SUCCESS) return {core::QueryStatus::Failed, {}};
      if (type != REG_SZ && type != REG_EXPAND_SZ) return {core::QueryStatus::WrongType, {}};
      if (size > kMaxValueBytes) return {core::QueryStatus::Failed, {}};
      std::string text(size, '\0');
      DWORD read = size;
      rc = RegQueryValueExA(key_, name.c_str(), nullptr, &type,
                            reinterpret_cast<BYTE*>(text.data()), &read);
      if (rc == ERROR_MORE_DATA) continue;
      if (rc == ERROR_FILE_NOT_FOUND) return {core::QueryStatus::Missing, {}};
      if (rc != ERROR_SUCCESS) return {core::QueryStatus::Failed, {}};
      if (type != REG_SZ && type != REG_EXPAND_SZ) return {core::QueryStatus::WrongType, {}};
      text.resize(read <= size ? read : size);
      return {core::QueryStatus::Text, std::move(text)};
    }
    return {core::QueryStatus::Failed, {}};
  }

  bool SetStringValue(const std::string& name, const std::string& text) override {
    if (text.size() >= std::numeric_limits<DWORD>::max()) return false;
    return RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
  }

 private:
  HKEY key_;
};

// The main form when it is on the screen, so that a box stays in front of it; none before.
HWND MessageOwner() {
  if (!fw::Application) return nullptr;
  fw::TCustomForm* main = fw::Application->MainForm();
  if (main && main->HandleAllocated() && IsWindowVisible(main->HandleIfAllocated()))
    return main->HandleIfAllocated();
  return nullptr;
}

}  // namespace

std::unique_ptr<core::IRegistryKey> WinRegistry::OpenLocalMachineKey(const std::string& path,
                                                                     unsigned long access) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, static_cast<REGSAM>(access), &key) != ERROR_SUCCESS)
    return nullptr;
  return std::make_unique<WinRegistryKey>(key);
}

void WinShellNotify::ChangeNotify(long event, unsigned flags) {
  SHChangeNotify(static_cast<LONG>(event), flags, nullptr, nullptr);
}

void WinSound::PlayAsync(const std::string& wavePath) { sndPlaySoundA(wavePath.c_str(), SND_ASYNC); }

void WinClipboard::SetText(const std::string& text) {
  // CF_TEXT ends at the first zero byte.
  const std::size_t n = strnlen(text.c_str(), text.size());
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, n + 1);
  if (!memory) return;
  if (void* p = GlobalLock(memory)) {
    std::memcpy(p, text.data(), n);
    static_cast<char*>(p)[n] = '\0';
    GlobalUnlock(memory);
  }
  if (!OpenClipboard(MessageOwner())) {
    GlobalFree(memory);
    return;
  }
  EmptyClipboard();
  if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);  // owned by the clipboard on success
  CloseClipboard();
}

void WinMessages::ShowError(const std::string& text) {
  MessageBoxA(MessageOwner(), text.c_str(), core::kErrorCaption, MB_OK);
}

void WinMessages::ReportGeneralError(const std::string& text) {
  if (fw::Application) {
    fw::Application->HandleException(nullptr, text);
    return;
  }
  MessageBoxA(nullptr, text.c_str(), core::kErrorCaption, MB_OK | MB_ICONSTOP);
}

struct WinPlatform::Owned {
  WinRegistry registry;
  WinShellNotify shell;
  WinSound sound;
  WinClipboard clipboard;
  WinMessages messages;
  ui::ShellFolderChooser chooser;
  std::unique_ptr<core::IFileSystem> fs = core::MakeLocalFileSystem();
};

WinPlatform::WinPlatform(const FormServices& overrides) : owned_(std::make_unique<Owned>()) {
  Owned& o = *owned_;
  services_.registry = overrides.registry ? overrides.registry : &o.registry;
  services_.shell = overrides.shell ? overrides.shell : &o.shell;
  services_.sound = overrides.sound ? overrides.sound : &o.sound;
  services_.clipboard = overrides.clipboard ? overrides.clipboard : &o.clipboard;
  services_.messages = overrides.messages ? overrides.messages : &o.messages;
  services_.chooser = overrides.chooser ? overrides.chooser : &o.chooser;
  services_.fs = overrides.fs ? overrides.fs : o.fs.get();
}

WinPlatform::~WinPlatform() = default;

}  // namespace app
