#pragma once
// The Program Files setting: the registry step that reads (and on request writes) ProgramFilesDir,
// and the write requests apply, restore and automatic restore at exit.
#include "core/file_system.h"
#include "core/path_list.h"
#include "core/registry.h"
#include "core/services.h"
#include "core/state.h"

namespace core {

struct ProgramFilesServices {
  IRegistry& registry;
  IShellNotify& shell;
  ISound& sound;
  IMessages& messages;
  IFileSystem& fs;
  ICurrentPathView& view;
};

enum class StepResult {
  KeyNotOpened,  // message shown; nothing read, written or notified
  Read,          // read only (WriteEnabled false)
  Written,       // written and the shell notified
  WriteFailed,   // message shown, WriteFailed latched
};

struct StepOutcome {
  StepResult result = StepResult::KeyNotOpened;
  bool valueFound = false;  // ProgramFilesDir existed as text
};

// The registry step (xiugaiproClick): reads ProgramFilesDir into CurrentValue and, when WriteEnabled,
// writes TargetValue and notifies the shell. A value that is not text throws GeneralError "Invalid
// data type for 'ProgramFilesDir'" before anything is written.
StepOutcome xiugaiproClick(ProgramFilesState& state, const ProgramFilesServices& services);

// Apply (ProgramFiles1Click): write the selected entry when it names an existing folder.
void ProgramFiles1Click(ProgramFilesState& state, const PathList& list,
                        const ProgramFilesServices& services);

// Restore (huifuyuanlaiClick, also youjianhuifuClick): write back StartValue.
void huifuyuanlaiClick(ProgramFilesState& state, const ProgramFilesServices& services);
inline void youjianhuifuClick(ProgramFilesState& state, const ProgramFilesServices& services) {
  huifuyuanlaiClick(state, services);
}

// The automatic restore of the shutdown sequence: like restore, without edit line and sound.
void AutoRestoreAtExit(ProgramFilesState& state, const ProgramFilesServices& services);

}  // namespace core
