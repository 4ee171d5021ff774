#pragma once
// The core's platform services on Windows: the registry, shell notification, sound, clipboard,
// message boxes and the general error report.
#include <memory>
#include <string>

#include "core/file_system.h"
#include "core/registry.h"
#include "core/services.h"

namespace app {

class WinRegistry final : public core::IRegistry {
 public:
  std::unique_ptr<core::IRegistryKey> OpenLocalMachineKey(const std::string& path,
                                                          unsigned long access) override;
};

class WinShellNotify final : public core::IShellNotify {
 public:
  void ChangeNotify(long event, unsigned flags) override;
};

class WinSound final : public core::ISound {
 public:
  void PlayAsync(const std::string& wavePath) override;
};

class WinClipboard final : public core::IClipboard {
 public:
  void SetText(const std::string& text) override;
};

// Errors: a message box "出错", OK, no icon. The general error report goes to the application
// object's report (a message box with the text).
class WinMessages final : public core::IMessages {
 public:
  void ShowError(const std::string& text) override;
  void ReportGeneralError(const std::string& text) override;
};

// The services the main window uses. Null members of an override mean "the Windows one".
struct FormServices {
  core::IRegistry* registry = nullptr;
  core::IShellNotify* shell = nullptr;
  core::ISound* sound = nullptr;
  core::IClipboard* clipboard = nullptr;
  core::IMessages* messages = nullptr;
  core::IFolderChooser* chooser = nullptr;
  core::IFileSystem* fs = nullptr;
};

// Owns the Windows services and hands out the chosen ones.
class WinPlatform {
 public:
  explicit WinPlatform(const FormServices& overrides);
  ~WinPlatform();
  WinPlatform(const WinPlatform&) = delete;
  WinPlatform& operator=(const WinPlatform&) = delete;
  const FormServices& services() const { return services_; }

 private:
  struct Owned;
  std::unique_ptr<Owned> owned_;
  FormServices services_;
};

}  // namespace app
