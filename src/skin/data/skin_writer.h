#pragma once
// Writes skin files that TSkinReader (and any reader of the format) loads: the expanded image
// with header, zero-filled information block, CR LF directory, size table and entries, then
// compressed with LzhCompress.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace skin {

using SkinEntries = std::vector<std::pair<std::string, std::vector<uint8_t>>>;

// The expanded image. A version outside the known table gets no information block (useful for
// older-format files). Throws std::invalid_argument for more than kMaxSkinEntries entries or a
// name holding CR, LF or NUL, std::length_error when the image would reach 2 GiB.
std::vector<uint8_t> BuildSkinImage(int32_t version, const SkinEntries& entries);

// BuildSkinImage compressed into a complete .skn file.
std::vector<uint8_t> WriteSkinFile(int32_t version, const SkinEntries& entries);

}  // namespace skin
