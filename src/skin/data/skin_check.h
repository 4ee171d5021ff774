#pragma once
// Checks a skin file the way the program loads it and lists what is missing or odd: damaged entry
// sizes, pictures not found or broken, frame counts that do not divide a picture, sections without
// a picture, colours not given, entries nothing uses. For skin authors (skinpack check).
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace skin {

struct SkinFinding {
  enum class Kind { Error, Missing, Odd };
  Kind kind;
  std::string text;
};

std::vector<SkinFinding> CheckSkin(std::span<const uint8_t> file);

// "error: ...", "missing: ..." or "odd: ...".
std::string FormatFinding(const SkinFinding& f);

}  // namespace skin
