// skinpack pack DIR OUT.skn [--version N]
#include <algorithm>
#include <cstdio>
#include <set>
#include <stdexcept>
#include <system_error>

#include "commands.h"
#include "files.h"
#include "skin/data/skin_format.h"
#include "skin/data/skin_writer.h"

namespace skinpack {
namespace {

constexpr const char* kListFile = "skin.lst";

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

bool IsDefinition(const std::string& name) {
  const std::string lower = Lower(name);
  return lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".ini") == 0;
}

// Entry names from DIR/skin.lst: one per line, blank lines skipped.
bool NamesFromList(const std::filesystem::path& list, std::vector<std::string>& names, std::string& error) {
  std::vector<uint8_t> bytes;
  if (!ReadFile(list, bytes, error)) return false;
  std::string line;
  for (size_t i = 0; i <= bytes.size(); ++i) {
    const char c = i < bytes.size() ? static_cast<char>(bytes[i]) : '\n';
    if (c == '\r' || c == '\n') {
      while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
      if (!line.empty()) names.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  return true;
}

// Entry names of the folder's files: definitions (.ini) first, each group in byte order.
bool NamesFromFolder(const std::filesystem::path& dir, std::vector<std::string>& names, std::string& error) {
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(dir, ec)) {
    if (!e.is_regular_file()) continue;
    const std::optional<std::string> name = EntryNameFromFileName(e.path().filename());
    if (!name) {
      error = "file name not in the skin's code page: " + Utf8FromPath(e.path());
      return false;
    }
    names.push_back(*name);
  }
  if (ec) {
    error = "cannot list " + Utf8FromPath(dir) + ": " + ec.message();
    return false;
  }
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const bool da = IsDefinition(a), db = IsDefinition(b);
    return da != db ? da : a < b;
  });
  return true;
}

bool ParseVersion(const std::string& text, int32_t& version) {
  for (const auto& v : skin::kSkinVersions) {
    if (text == std::to_string(v.version)) {
      version = v.version;
      return true;
    }
  }
  return false;
}

}  // namespace

int RunPack(const Args& args) {
  int32_t version = skin::kCurrentSkinVersion;
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--version") {
      if (i + 1 >= args.size() || !ParseVersion(args[i + 1], version))
        return Fail(kUsage, "--version takes one of 20000, 30000, 40000, 50000, 60000, 70000");
      ++i;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2) return Fail(kUsage, "pack takes DIR OUT.skn (see --help)");
  const std::filesystem::path dir = PathFromUtf8(positional[0]);
  const std::filesystem::path out = PathFromUtf8(positional[1]);
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) return Fail(kBadInput, "no such folder: " + positional[0]);

  std::vector<std::string> names;
  std::string error;
  const std::filesystem::path list = dir / kListFile;
  const bool listed = std::filesystem::exists(list, ec);
  if (!(listed ? NamesFromList(list, names, error) : NamesFromFolder(dir, names, error)))
    return Fail(kBadInput, error);
  if (names.empty()) return Fail(kBadInput, "nothing to pack in " + positional[0]);
  if (names.size() > skin::kMaxSkinEntries)
    return Fail(kBadInput, std::to_string(names.size()) + " entries; a skin holds at most 1001");

  skin::SkinEntries entries;
  std::set<std::string> seen;  // readers compare names in lower case
  size_t total = 0;
  for (const std::string& name : names) {
    if (!seen.insert(Lower(name)).second) return Fail(kBadInput, "two entries named " + name);
    std::vector<uint8_t> bytes;
    if (!ReadFile(dir / FileNameFromEntryName(name), bytes, error))
      return Fail(kBadInput, error + (listed ? " (listed in skin.lst)" : ""));
    total += bytes.size();
    entries.emplace_back(name, std::move(bytes));
  }
  if (std::none_of(names.begin(), names.end(), [](const std::string& n) { return Lower(n).find(".ini") != std::string::npos; }))
    Warn("no definition text (a name containing .ini) in this skin");

  std::vector<uint8_t> file;
  try {
    file = skin::WriteSkinFile(version, entries);
  } catch (const std::exception& e) {
    return Fail(kBadInput, e.what());
  }
  if (!WriteFile(out, file, error)) return Fail(kBadInput, error);
  std::printf("packed %zu entries (%zu bytes) into %s: %zu bytes, version %d\n", entries.size(), total,
              positional[1].c_str(), file.size(), version);
  return kOk;
}

}  // namespace skinpack
