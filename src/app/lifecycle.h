#pragma once
// Start-up (FormCreate), resize (FormResize) and shutdown (FormClose) of the main window as
// sequences over interfaces, so their order and skipping rules hold in tests as in the program.
#include <string>

#include "app/app_state.h"
#include "app/layout.h"
#include "common/geometry.h"
#include "core/file_system.h"
#include "core/path_list.h"
#include "core/program_files.h"
#include "core/registry.h"
#include "core/services.h"
#include "core/state.h"

namespace app {

// What the sequences need from the main window and the application object.
class IMainForm : public core::ICurrentPathView {
 public:
  virtual std::string ExecutablePath() = 0;
  virtual common::Size WindowSize() = 0;     // outer size, frame included
  virtual common::Rect ListBoxRect() = 0;    // ListBox1 in client coordinates
  virtual common::Size ScreenSize() = 0;
  virtual void SetWindowHeight(int height) = 0;
  virtual void SetWindowWidth(int width) = 0;
  virtual void ApplyResizeLayout(const ResizeLayout& layout) = 0;
  virtual void HideStartupMenu() = 0;                            // submenu qidongyincang
  virtual void ActivateSkin(const std::string& skinFile) = 0;    // SkinData1: SkinFile, then Active
  virtual void DestroyTrayIcon() = 0;                            // CnTrayIcon1
  virtual void Terminate() = 0;                                  // ends the message loop
};

struct AppModel {
  AppState state;
  core::Options options;
  core::PathList list;
};

struct Platform {
  core::IRegistry& registry;
  core::IShellNotify& shell;
  core::ISound& sound;
  core::IMessages& messages;
  core::IFileSystem& fs;
  IMainForm& form;

  core::ProgramFilesServices ProgramFiles() const {
    return {registry, shell, sound, messages, fs, form};
  }
};

inline constexpr const char* kSkinFileRelative = "\\皮肤\\白兰_mxp1.skn";
inline constexpr std::size_t kMaxSoundFolderBytes = 255;

// The start-up sequence. An uncaught error is reported and ends it early (the skin stays off); the
// window opens all the same. True when every step ran.
bool FormCreate(AppModel& model, const Platform& platform);

// Lays out the controls for the window's current size, except while start-up scales the window.
void FormResize(AppModel& model, IMainForm& form);

// The shutdown sequence. An uncaught error is reported, the later steps are skipped and the
// application stays open (false); a later close runs the whole sequence again.
bool FormClose(AppModel& model, const Platform& platform);

}  // namespace app
