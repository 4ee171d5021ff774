#pragma once
// The small in-memory reader of the skin definition text (INI-style sections and keys), and the
// colour notation of three decimal numbers that the definition uses.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "skin/data/colour.h"

namespace skin {

class TQuickIni {
 public:
  // Rebuilds both lists from the bytes (the stream from its position to its end); a NUL byte
  // ends the text early.
  void LoadFromStream(std::span<const uint8_t> bytes);
  void LoadFromText(std::string_view text);

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
  std::vector<std::string> ReadSections() const;

  const std::vector<std::string>& Lines() const { return lines_; }
  // Header lines (trimmed) with their line numbers in Lines().
  const std::vector<std::pair<std::string, size_t>>& SectionIndex() const { return sectionIndex_; }

 private:
  std::vector<std::string> lines_;
  std::vector<std::pair<std::string, size_t>> sectionIndex_;
};

// Removes leading and trailing characters with codes up to 32.
std::string_view TrimIni(std::string_view s);

// A signed 32-bit integer written in decimal or as "$" hexadecimal (hexadecimal wraps to negative
// above 0x7FFFFFFF); nothing for any other text.
std::optional<int32_t> ParseIniInteger(std::string_view s);

// Three decimal numbers (red, green, blue) in any notation that separates them; the default for an
// empty text.
Colour ParseColour(std::string_view text, Colour def);

}  // namespace skin
