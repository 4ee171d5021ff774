#pragma once
// The parts of the application-wide state that the core reads and writes. AppState (app) is made of
// these, so the core's operations can be tested without the rest of the application.
#include <string>

namespace core {

struct ProgramFilesState {
  std::string SoundFolder;
  std::string StartValue;
  bool StartValueFound = false;  // ProgramFilesDir existed when start-up read it
  std::string CurrentValue;
  std::string TargetValue;
  bool WriteEnabled = false;
  bool WriteFailed = false;
};

struct PathListState {
  std::string SettingsPath;
  std::string LastBrowseFolder;
  int DragSourceIndex = 0;
  int DropIndex = 0;
};

// Menu options that tick themselves; both are ticked in the design.
struct Options {
  bool zidonghuifu = true;  // "退出时自动恢复系统原来的设置", kept in the settings file
  bool mycopy = true;       // "路径自动拷贝到剪切板", ticked at every start
};

}  // namespace core
