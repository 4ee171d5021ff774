#pragma once
// The application-wide state record: one instance for the life of the process.
#include <string>

#include "core/state.h"

namespace app {

struct AppState : core::ProgramFilesState, core::PathListState {
  std::string AppFolder;
  bool StartupGuard = false;
  int RightMargin = 0;
  int BottomMargin = 0;
};

}  // namespace app
