#pragma once
// Layout constants of the skin file container: a compressed image made of a 16-byte header
// (Version, DirectoryLength, two reserved words), a version-dependent information block, the
// directory text (one entry name per line), one 32-bit size per entry and the entries' bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace skin {

// Shown by the Windows side in a message box when a skin's version is not one of the known ones.
inline constexpr const char* kOlderSkinMessage = "This is Older Skin File\rPlease update to new version !";

inline constexpr size_t kSkinHeaderSize = 16;
inline constexpr size_t kMaxSkinEntries = 1001;  // slots in the entry size table
inline constexpr int32_t kCurrentSkinVersion = 70000;

struct SkinVersionInfo {
  int32_t version;
  size_t information_block;  // bytes after the header, read and discarded
};

inline constexpr std::array<SkinVersionInfo, 6> kSkinVersions{{
    {20000, 0}, {30000, 256}, {40000, 80}, {50000, 48}, {60000, 117}, {70000, 69}}};

// Information block size of a known version; nothing for any other value.
constexpr std::optional<size_t> InformationBlockSize(int32_t version) {
  for (const SkinVersionInfo& v : kSkinVersions)
    if (v.version == version) return v.information_block;
  return std::nullopt;
}

}  // namespace skin
