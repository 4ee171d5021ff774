#include "skin/data/system_info.h"

#include <array>
#include <cstddef>

namespace skin {

Colour SystemColour(int index) {
  // Windows 7 defaults, in COLOR_* order (0 to 30).
  static constexpr std::array<Colour, 31> kTable = {
      0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
      0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
      0xA0A0A0, 0x6D6D6D, 0x000000, 0x544E43, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
      0xE1FFFF, 0xB5B5B5, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0};
  if (index < 0 || index >= static_cast<int>(kTable.size())) return 0;
  return kTable[static_cast<size_t>(index)];
}

int HorzScrollArrowWidth() { return 17; }

}  // namespace skin
