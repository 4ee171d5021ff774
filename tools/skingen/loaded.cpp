#include "loaded.h"

#include <cctype>

#include "bmp.h"

namespace skingen {
namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

void MemoryEntries::Put(const std::string& name, std::vector<uint8_t> bytes) {
  entries_[Lower(name)] = std::move(bytes);
}

bool MemoryEntries::GetEntry(std::string_view name, std::vector<uint8_t>& target) const {
  target.clear();
  auto it = entries_.find(Lower(name));
  if (it == entries_.end() || it->second.empty()) return false;
  target = it->second;
  return true;
}

void LoadGenerated(std::string_view ini_text, const SkinImages& images, skin::SkinDefinition& out) {
  MemoryEntries entries;
  for (const Part& p : images.parts) entries.Put(p.file, EncodeBmp24(p.image));
  skin::TQuickIni ini;
  ini.LoadFromText(ini_text);
  skin::LoadSkinDefinition(out, ini, entries);
}

}  // namespace skingen
