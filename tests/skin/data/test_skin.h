#pragma once
// A complete hand-made skin: a definition text touching every section shape and small generated
// pictures whose pixels the tests can predict. Shared by the definition tests, the fuzz target
// and the benchmark.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/colour.h"
#include "skin/data/skin_definition.h"
#include "skin/data/skin_writer.h"

namespace skintest {

// Colours the pictures are made of.
constexpr skin::Colour kSunk[4] = {0x101010, 0x202020, 0x303030, 0x404040};  // SunkEdge frames
constexpr skin::Colour kSunkCorner = 0x0A0B0C;                                // its top-left pixel
constexpr skin::Colour kCombo[4] = {0x110000, 0x220000, 0x330000, 0x440000};  // ComboButton frames
constexpr skin::Colour kExtra[5] = {0x000011, 0x000022, 0x000033, 0x000044, 0x000055};
constexpr skin::Colour kTopBorder = skin::Rgb(200, 40, 40);  // sampled as the border colour

// Entries by name (lower case), as a skin file holds them.
class MapSource : public skin::SkinEntrySource {
 public:
  MapSource() = default;
  explicit MapSource(std::map<std::string, std::vector<uint8_t>> entries) : entries_(std::move(entries)) {}
  bool GetEntry(std::string_view name, std::vector<uint8_t>& target) const override;
  void Put(std::string name, std::vector<uint8_t> bytes);

 private:
  std::map<std::string, std::vector<uint8_t>> entries_;
};

// The definition text of the test skin.
std::string TestSkinIni();
// Its pictures as bitmap files, keyed by lower-case entry name.
std::map<std::string, std::vector<uint8_t>> TestSkinPictures();
// The whole skin as a .skn file (definition entry "skin.ini").
std::vector<uint8_t> TestSkinFile();
// Entries of a skin file: the definition followed by the pictures.
skin::SkinEntries TestSkinEntries(const std::string& ini);

}  // namespace skintest
