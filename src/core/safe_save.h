#pragma once
// Saving without ever leaving a partly written file, and keeping a damaged file before it could be
// overwritten.
#include <string>
#include <string_view>

#include "core/file_system.h"

namespace core {

// The temporary file a save writes first: in the same folder, so the final rename stays on one disk.
std::string TempPathFor(const std::string& path);

// Writes `bytes` to the temporary file, then puts it in place of `path` in one step. On any failure
// the old file at `path` is untouched, the temporary file is removed and the failure is returned.
IoStatus SaveReplacing(IFileSystem& fs, const std::string& path, std::string_view bytes);

struct Backup {
  bool kept = false;
  std::string path;  // where the copy is, when kept
};

// Copies the file at `path` to the first free name of path + ".bak", ".bak1" ... ".bak9". When the
// file's content is known and one of those files already holds exactly that content, that one is
// named instead and nothing is written, so loading the same damaged file again adds no copies.
Backup KeepBackup(IFileSystem& fs, const std::string& path, const std::string* knownContent);

}  // namespace core
