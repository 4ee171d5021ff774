#include "core/safe_save.h"

namespace core {

std::string TempPathFor(const std::string& path) { return path + ".tmp"; }

IoStatus SaveReplacing(IFileSystem& fs, const std::string& path, std::string_view bytes) {
  const std::string temp = TempPathFor(path);
  IoStatus status = fs.WriteFile(temp, bytes);
  if (status.ok()) status = fs.ReplaceFile(temp, path);
  if (!status.ok()) fs.RemoveFile(temp);  // may not exist; its own failure changes nothing
  return status;
}

Backup KeepBackup(IFileSystem& fs, const std::string& path, const std::string* knownContent) {
  constexpr int kCandidates = 10;
  for (int i = 0; i < kCandidates; ++i) {
    const std::string candidate = path + ".bak" + (i == 0 ? std::string() : std::to_string(i));
    if (knownContent) {
      std::string existing;
      const IoStatus read = fs.ReadFile(candidate, knownContent->size(), existing);
      if (read.ok() && existing == *knownContent) return {true, candidate};
      if (read.ok() || read.error == IoError::TooLarge) continue;  // taken by other content
    }
    const IoStatus status = fs.CopyNewFile(path, candidate);
    if (status.ok()) return {true, candidate};
    if (status.error != IoError::AlreadyExists) break;  // the disk refuses: more names will not help
  }
  return {};
}

}  // namespace core
