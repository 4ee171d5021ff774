#pragma once
// Load (diaoruClick) and save (baocunClick) of the settings file at SettingsPath.
#include <cstddef>

#include "core/file_system.h"
#include "core/path_list.h"
#include "core/services.h"
#include "core/state.h"

namespace core {

// Larger settings files are treated as damaged rather than read into memory.
constexpr std::size_t kMaxSettingsBytes = 16u << 20;

// Save: the option's tick and the list, replacing the file in one step. Throws GeneralError with
// the I/O error text when it fails; the old file is then left as it was.
void baocunClick(const PathList& list, const Options& options, const PathListState& state,
                 IFileSystem& fs);

// Load: sets the option and replaces the list, the last entry read selected. A missing file is a
// message and changes nothing. A file whose first line is not a whole number changes nothing and
// throws GeneralError "Invalid numeric input"; because the next save would overwrite it with the
// current list, the damaged file is first copied beside itself (KeepBackup) and the error text
// names that copy. A file above kMaxSettingsBytes is kept the same way and reported with the
// damaged-data message. Other read failures throw GeneralError with the I/O error text.
void diaoruClick(PathList& list, Options& options, const PathListState& state, IFileSystem& fs,
                 IMessages& messages);

}  // namespace core
