#pragma once
// The settings file "set": line 1 the auto-restore option as a number, then one list entry per line.
// Reading follows text-file rules: see settings_file.cpp.
#include <string>
#include <string_view>
#include <vector>

namespace core {

struct Settings {
  bool autoRestore = false;
  std::vector<std::string> entries;
  friend bool operator==(const Settings&, const Settings&) = default;
};

struct ParsedSettings {
  bool numberValid = false;  // false: line 1 does not hold a whole number ("Invalid numeric input")
  Settings settings;         // meaningful only when numberValid
};

ParsedSettings ParseSettings(std::string_view bytes);

// Exact bytes of a saved file: "1" or "0", CR LF, then each entry followed by CR LF.
std::string FormatSettings(const Settings& settings);

}  // namespace core
