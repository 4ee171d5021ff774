// Two faults of the plain design are mended here:
//  - A restore when ProgramFilesDir did not exist at start (or could not be read) has no text to put
//    back; writing empty text would break every later installer, so the request does nothing at all:
//    no registry access, no message, no edit-line update, no sound.
//  - When the key cannot be opened during a write request nothing was written, so the request has
//    failed: the open-failure message is shown and the edit line and sound are left alone. It does
//    not latch WriteFailed, which keeps its meaning of "a write was refused".
#include "core/program_files.h"

#include <string>

#include "core/general_error.h"

namespace core {
namespace {

constexpr const char* kOpenFailed =
    "打开注册表项失败,请检查项 HKEY_LOCAL_MACHINE\\Software\\Microsoft\\ Windows\\ CurrentVersion "
    "是否存在";
constexpr const char* kWriteFailed =
    "无法写入注册表，在Vista下，应该这样启动本程序，右键单击，选择《以管理员身份运行》，"
    "这样就没有问题了,请重新启动本程序";
constexpr const char* kListEmpty = "列表框为空，无法设置";
constexpr const char* kNoSelection = "请在列表框里选择一个安装路径";
constexpr const char* kFolderMissing = "你选择的安装路径不存在，请修改安装路径，";
constexpr const char* kSoundFile = "设定.wav";

// WriteEnabled is true exactly while a write request runs the step, even when the step throws.
class WriteWindow {
 public:
  explicit WriteWindow(ProgramFilesState& state) : state_(state) { state_.WriteEnabled = true; }
  ~WriteWindow() { state_.WriteEnabled = false; }
  WriteWindow(const WriteWindow&) = delete;
  WriteWindow& operator=(const WriteWindow&) = delete;

 private:
  ProgramFilesState& state_;
};

// Writes `target` through the registry step; true when this write succeeded and no earlier one
// failed, that is when the edit line and sound may follow.
bool WriteRequest(ProgramFilesState& state, const ProgramFilesServices& services,
                  const std::string& target) {
  state.TargetValue = target;
  StepOutcome outcome;
  {
    WriteWindow window(state);
    outcome = xiugaiproClick(state, services);
  }
  return outcome.result == StepResult::Written && !state.WriteFailed;
}

void Confirm(ProgramFilesState& state, const ProgramFilesServices& services) {
  services.view.ShowCurrentPath(state.TargetValue);
  const std::string wave = state.SoundFolder + "\\" + kSoundFile;
  if (services.fs.FileExists(wave)) services.sound.PlayAsync(wave);
}

}  // namespace

StepOutcome xiugaiproClick(ProgramFilesState& state, const ProgramFilesServices& services) {
  std::unique_ptr<IRegistryKey> key =
      services.registry.OpenLocalMachineKey(kProgramFilesKeyPath, kKeyAllAccess);
  if (!key) {
    services.messages.ShowError(kOpenFailed);
    return {StepResult::KeyNotOpened, false};
  }
  StepOutcome outcome{StepResult::Read, false};
  const QueryResult value = key->QueryValue(kProgramFilesValueName);
  switch (value.status) {
    case QueryStatus::Text:
      state.CurrentValue = value.text.substr(0, value.text.find('\0'));
      outcome.valueFound = true;
      break;
    case QueryStatus::Missing:
      state.CurrentValue.clear();
      break;
    case QueryStatus::WrongType:
      throw GeneralError(std::string("Invalid data type for '") + kProgramFilesValueName + "'");
    case QueryStatus::Failed:
      throw GeneralError(std::string("Failed to get data for '") + kProgramFilesValueName + "'");
  }
  if (state.WriteEnabled) {
    if (!key->SetStringValue(kProgramFilesValueName, state.TargetValue)) {
      key.reset();  // the key is closed before the message
      services.messages.ShowError(kWriteFailed);
      state.WriteFailed = true;
      return {StepResult::WriteFailed, outcome.valueFound};
    }
  }
  key.reset();
  if (state.WriteEnabled) {
    services.shell.ChangeNotify(kShcneAssocChanged, kShcnfIdList);
    services.shell.ChangeNotify(kShcneAllEvents, kShcnfFlush);
    outcome.result = StepResult::Written;
  }
  return outcome;
}

void ProgramFiles1Click(ProgramFilesState& state, const PathList& list,
                        const ProgramFilesServices& services) {
  if (list.empty()) {
    services.messages.ShowError(kListEmpty);
    return;
  }
  if (!list.HasSelection()) {
    services.messages.ShowError(kNoSelection);
    return;
  }
  const std::string target = list.SelectedText();
  state.TargetValue = target;
  if (!services.fs.FolderExists(target)) {
    services.messages.ShowError(kFolderMissing + target);
    return;
  }
  if (WriteRequest(state, services, target)) Confirm(state, services);
}

void huifuyuanlaiClick(ProgramFilesState& state, const ProgramFilesServices& services) {
  if (!state.StartValueFound) return;
  if (WriteRequest(state, services, state.StartValue)) Confirm(state, services);
}

void AutoRestoreAtExit(ProgramFilesState& state, const ProgramFilesServices& services) {
  if (!state.StartValueFound) return;
  WriteRequest(state, services, state.StartValue);
}

}  // namespace core
