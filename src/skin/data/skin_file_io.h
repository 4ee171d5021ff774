#pragma once
// Whole-file reads for the skin data component (GBK paths, the ANSI file functions).
#include <cstdint>
#include <string>
#include <vector>

namespace skin {

// Largest skin file read into memory; bigger files are treated as absent.
inline constexpr uint64_t kMaxSkinFileBytes = 256ull << 20;

// The bytes of an existing regular file; false (and `bytes` untouched) when it is missing, a
// folder, unreadable or larger than kMaxSkinFileBytes.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes);

}  // namespace skin
