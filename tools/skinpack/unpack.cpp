// skinpack unpack IN.skn DIR, skinpack list IN.skn
#include <cinttypes>
#include <cstdio>
#include <set>
#include <system_error>

#include "commands.h"
#include "files.h"
#include "skin/data/skin_reader.h"

namespace skinpack {
namespace {

// Reads a skin file, reporting why it cannot be used.
bool Load(const std::string& path, skin::TSkinReader& reader) {
  std::vector<uint8_t> bytes;
  std::string error;
  if (!ReadFile(PathFromUtf8(path), bytes, error)) {
    Fail(kBadInput, error);
    return false;
  }
  switch (reader.ReadSkin(bytes)) {
    case skin::ReadStatus::Ok:
      return true;
    case skin::ReadStatus::OlderFormat:
      Fail(kBadInput, path + ": format version " + std::to_string(reader.Version()) +
                          " is not one this program reads (older skin file)");
      return false;
    case skin::ReadStatus::Unreadable:
      break;
  }
  Fail(kBadInput, path + ": not a readable skin file (damaged, cut short or not a skin)");
  return false;
}

}  // namespace

int RunUnpack(const Args& args) {
  if (args.size() != 2) return Fail(kUsage, "unpack takes IN.skn DIR (see --help)");
  skin::TSkinReader reader;
  if (!Load(args[0], reader)) return kBadInput;
  const std::filesystem::path dir = PathFromUtf8(args[1]);
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) return Fail(kBadInput, "cannot create " + args[1] + ": " + ec.message());

  int result = kOk;
  std::set<std::string> written;
  std::vector<std::string> order;
  for (size_t i = 0; i < reader.EntryCount(); ++i) {
    const std::string& name = reader.Directory()[i];
    std::span<const uint8_t> bytes;
    if (!reader.EntryBytes(i, bytes)) {
      Warn("entry " + std::to_string(i) + " (" + name + ") has a damaged size; skipped");
      result = kBadInput;
      continue;
    }
    if (!SafeEntryFileName(name)) {
      Warn("entry " + std::to_string(i) + " has a name that is no plain file name; skipped");
      result = kBadInput;
      continue;
    }
    if (!written.insert(name).second) {
      Warn("entry " + std::to_string(i) + " repeats the name " + name + "; readers only see the first, skipped");
      continue;
    }
    std::string error;
    if (!WriteFile(dir / FileNameFromEntryName(name), std::vector<uint8_t>(bytes.begin(), bytes.end()), error))
      return Fail(kBadInput, error);
    order.push_back(name);
  }
  // The list keeps the entry order for a later pack.
  if (written.count("skin.lst")) {
    Warn("the skin has an entry named skin.lst; no order list written");
  } else {
    std::vector<uint8_t> list;
    for (const std::string& name : order) {
      list.insert(list.end(), name.begin(), name.end());
      list.push_back('\r');
      list.push_back('\n');
    }
    std::string error;
    if (!WriteFile(dir / "skin.lst", list, error)) return Fail(kBadInput, error);
  }
  std::printf("unpacked %zu of %zu entries into %s\n", order.size(), reader.EntryCount(), args[1].c_str());
  return result;
}

int RunList(const Args& args) {
  if (args.size() != 1) return Fail(kUsage, "list takes IN.skn (see --help)");
  skin::TSkinReader reader;
  if (!Load(args[0], reader)) return kBadInput;
  std::printf("version %d, %zu entries, directory %d bytes, entry data %zu bytes\n", reader.Version(),
              reader.EntryCount(), reader.DirectoryLength(), reader.EntryData().size());
  for (size_t i = 0; i < reader.EntryCount(); ++i) {
    std::span<const uint8_t> bytes;
    const bool ok = reader.EntryBytes(i, bytes);
    std::printf("%5zu %10" PRId32 "%s  %s\n", i, reader.EntrySizes()[i], ok ? "" : " (damaged)",
                reader.Directory()[i].c_str());
  }
  if (reader.IgnoredNames() > 0)
    std::printf("%zu more directory names past the first %zu are ignored\n", reader.IgnoredNames(),
                reader.EntryCount());
  return kOk;
}

}  // namespace skinpack
