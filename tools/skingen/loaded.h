#pragma once
// The generated skin read back through the program's own loader, as the skin data component
// would read it from the packed file: the definition text plus the encoded bitmaps.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "parts.h"
#include "skin/data/skin_definition.h"

namespace skingen {

class MemoryEntries : public skin::SkinEntrySource {
 public:
  void Put(const std::string& name, std::vector<uint8_t> bytes);
  bool GetEntry(std::string_view name, std::vector<uint8_t>& target) const override;

 private:
  std::map<std::string, std::vector<uint8_t>> entries_;  // lower-case names
};

// Runs the load sequence over the definition and the images. Throws what the loader throws.
void LoadGenerated(std::string_view ini_text, const SkinImages& images, skin::SkinDefinition& out);

}  // namespace skingen
