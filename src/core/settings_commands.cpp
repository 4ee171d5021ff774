#include "core/settings_commands.h"

#include <string>

#include "core/general_error.h"
#include "core/safe_save.h"
#include "core/settings_file.h"

namespace core {
namespace {

std::string BackupNote(const Backup& backup) {
  return backup.kept ? "\r\n原设置文件已备份为  " + backup.path : std::string("\r\n原设置文件无法备份");
}

}  // namespace

void baocunClick(const PathList& list, const Options& options, const PathListState& state,
                 IFileSystem& fs) {
  const std::string bytes = FormatSettings({options.zidonghuifu, list.entries()});
  const IoStatus status = SaveReplacing(fs, state.SettingsPath, bytes);
  if (!status.ok()) throw GeneralError(IoErrorText(status));
}

void diaoruClick(PathList& list, Options& options, const PathListState& state, IFileSystem& fs,
                 IMessages& messages) {
  const std::string& path = state.SettingsPath;
  if (!fs.FileExists(path)) {
    messages.ShowError("设置文件不存在,无法读取  " + path);
    return;
  }
  std::string bytes;
  const IoStatus status = fs.ReadFile(path, kMaxSettingsBytes, bytes);
  if (status.error == IoError::TooLarge) {
    messages.ShowError("设置文件数据有错误！  " + path + BackupNote(KeepBackup(fs, path, nullptr)));
    return;
  }
  if (!status.ok()) throw GeneralError(IoErrorText(status));

  ParsedSettings parsed = ParseSettings(bytes);
  if (!parsed.numberValid)
    throw GeneralError("Invalid numeric input" + BackupNote(KeepBackup(fs, path, &bytes)));

  options.zidonghuifu = parsed.settings.autoRestore;
  list.Clear();
  for (const std::string& entry : parsed.settings.entries) {
    list.Append(entry);
    list.Select(list.size() - 1);
  }
}

}  // namespace core
