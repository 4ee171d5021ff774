#include "skin/data/skin_writer.h"

#include <limits>
#include <stdexcept>

#include "skin/data/lzhuf_encoder.h"
#include "skin/data/skin_format.h"

namespace skin {
namespace {

void PutI32(std::vector<uint8_t>& out, int64_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<uint8_t>(u >> (8 * k)));
}

}  // namespace

std::vector<uint8_t> BuildSkinImage(int32_t version, const SkinEntries& entries) {
  if (entries.size() > kMaxSkinEntries) throw std::invalid_argument("more than 1001 skin entries");
  std::string directory;
  uint64_t total = 0;
  for (const auto& [name, bytes] : entries) {
    if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
      throw std::invalid_argument("skin entry name holds a line break or NUL");
    directory += name;
    directory += "\r\n";
    total += bytes.size();
  }
  const size_t info = InformationBlockSize(version).value_or(0);
  total += kSkinHeaderSize + info + directory.size() + 4 * entries.size();
  if (total > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
    throw std::length_error("skin image too large");

  std::vector<uint8_t> image;
  image.reserve(static_cast<size_t>(total));
  PutI32(image, version);
  PutI32(image, static_cast<int64_t>(directory.size()));
  PutI32(image, 0);
  PutI32(image, 0);
  image.insert(image.end(), info, 0);
  image.insert(image.end(), directory.begin(), directory.end());
  for (const auto& entry : entries) PutI32(image, static_cast<int64_t>(entry.second.size()));
  for (const auto& entry : entries) image.insert(image.end(), entry.second.begin(), entry.second.end());
  return image;
}

std::vector<uint8_t> WriteSkinFile(int32_t version, const SkinEntries& entries) {
  return LzhCompress(BuildSkinImage(version, entries));
}

}  // namespace skin
