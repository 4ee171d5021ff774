#pragma once
// A whole skin load as the skin data component runs it: expand the skin file, read its definition
// text (the first entry whose name contains ".ini") and fill the skin objects from it.
#include <cstdint>
#include <span>

#include "skin/data/skin_definition.h"
#include "skin/data/skin_reader.h"

namespace skin {

// Entries of an expanded skin file as the load sequence asks for them.
class ReaderEntrySource : public SkinEntrySource {
 public:
  explicit ReaderEntrySource(const TSkinReader& reader) : reader_(reader) {}
  bool GetEntry(std::string_view name, std::vector<uint8_t>& target) const override {
    return reader_.GetEntry(name, target);
  }

 private:
  const TSkinReader& reader_;
};

// Loads the skin file into the skin objects. Anything but Ok leaves them untouched, with SkinEmpty
// set. A file without a definition loads as an empty one (every object takes its defaults). A
// broken picture throws BmpError; SkinEmpty then stays true.
ReadStatus LoadSkinFile(std::span<const uint8_t> file, SkinDefinition& skin);

}  // namespace skin
