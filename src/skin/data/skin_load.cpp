#include "skin/data/skin_load.h"

namespace skin {

ReadStatus LoadSkinFile(std::span<const uint8_t> file, SkinDefinition& skin) {
  skin.SkinEmpty = true;
  TSkinReader reader;
  const ReadStatus status = reader.ReadSkin(file);
  if (status != ReadStatus::Ok) return status;
  std::vector<uint8_t> text;
  std::string name;
  reader.FindEntry(".ini", text, name);
  TQuickIni ini;
  ini.LoadFromStream(text);
  LoadSkinDefinition(skin, ini, ReaderEntrySource(reader));
  return status;
}

}  // namespace skin
