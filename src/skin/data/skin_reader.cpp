#include "skin/data/skin_reader.h"

#include <new>

#include "skin/data/ascii.h"
#include "skin/data/byte_reader.h"
#include "skin/data/lzhuf.h"

namespace skin {
namespace {

// Splits the directory text the way a string list loads text: a line ends at CR, LF or CR LF, a
// break at the very end adds no line, a NUL ends the text. Keeps at most `limit` lines, counting
// all of them in `total`.
std::vector<std::string> SplitDirectory(std::span<const uint8_t> text, size_t limit, size_t& total) {
  std::vector<std::string> lines;
  total = 0;
  size_t p = 0;
  const size_t end = text.size();
  auto at = [&](size_t i) { return i < end ? static_cast<char>(text[i]) : '\0'; };
  while (at(p) != '\0') {
    const size_t start = p;
    while (at(p) != '\0' && at(p) != '\r' && at(p) != '\n') ++p;
    if (lines.size() < limit) {
      std::string line(reinterpret_cast<const char*>(text.data()) + start, p - start);
      for (char& c : line) c = LowerAscii(c);
      lines.push_back(std::move(line));
    }
    ++total;
    if (at(p) == '\r') ++p;
    if (at(p) == '\n') ++p;
  }
  return lines;
}

}  // namespace

void TSkinReader::Clear() {
  version_ = 0;
  directory_length_ = 0;
  reserved_ = {};
  directory_.clear();
  sizes_.clear();
  offsets_.clear();
  image_.clear();
  image_.shrink_to_fit();
  data_offset_ = 0;
  ignored_names_ = 0;
}

bool TSkinReader::Decompress(std::span<const uint8_t> source, std::vector<uint8_t>& target) {
  try {
    return LzhDecompress(source, target) == LzhStatus::Ok;
  } catch (const std::bad_alloc&) {
    target.clear();
    return false;
  }
}

ReadStatus TSkinReader::ReadSkin(std::span<const uint8_t> file) {
  Clear();
  std::vector<uint8_t> image;
  if (!Decompress(file, image)) return ReadStatus::Unreadable;

  ByteReader in(image);
  int32_t version = 0, dir_length = 0;
  std::array<int32_t, 2> reserved{};
  if (!in.ReadI32(version) || !in.ReadI32(dir_length) || !in.ReadI32(reserved[0]) ||
      !in.ReadI32(reserved[1]))
    return ReadStatus::Unreadable;
  const std::optional<size_t> info = InformationBlockSize(version);
  if (!info) {
    version_ = version;
    return ReadStatus::OlderFormat;
  }
  std::span<const uint8_t> text;
  if (!in.Skip(*info) || dir_length < 0 || !in.ReadBytes(static_cast<size_t>(dir_length), text))
    return ReadStatus::Unreadable;

  // The size table has one slot per directory line; only the first kMaxSkinEntries are kept.
  size_t lines = 0;
  std::vector<std::string> directory = SplitDirectory(text, kMaxSkinEntries, lines);
  std::vector<int32_t> sizes(directory.size());
  for (int32_t& s : sizes)
    if (!in.ReadI32(s)) return ReadStatus::Unreadable;
  if (!in.Skip(4 * (lines - directory.size()))) return ReadStatus::Unreadable;

  std::vector<int64_t> offsets(sizes.size());
  int64_t sum = 0;
  for (size_t i = 0; i < sizes.size(); ++i) {
    offsets[i] = sum;
    sum += sizes[i];
  }

  version_ = version;
  directory_length_ = dir_length;
  reserved_ = reserved;
  ignored_names_ = lines - directory.size();
  directory_ = std::move(directory);
  sizes_ = std::move(sizes);
  offsets_ = std::move(offsets);
  data_offset_ = in.Position();
  image_ = std::move(image);
  return ReadStatus::Ok;
}

std::span<const uint8_t> TSkinReader::EntryData() const {
  return std::span<const uint8_t>(image_).subspan(data_offset_);
}

bool TSkinReader::EntryBytes(size_t index, std::span<const uint8_t>& bytes) const {
  bytes = {};
  if (index >= sizes_.size()) return false;
  const int64_t start = offsets_[index];
  const int64_t size = sizes_[index];
  const auto data = EntryData();
  if (size < 0 || start < 0 || start > static_cast<int64_t>(data.size()) ||
      size > static_cast<int64_t>(data.size()) - start)
    return false;
  bytes = data.subspan(static_cast<size_t>(start), static_cast<size_t>(size));
  return true;
}

bool TSkinReader::CopyEntry(size_t index, std::vector<uint8_t>& target) const {
  std::span<const uint8_t> bytes;
  if (EntryBytes(index, bytes)) target.assign(bytes.begin(), bytes.end());
  return !target.empty();
}

bool TSkinReader::GetEntry(std::string_view name, std::vector<uint8_t>& target) const {
  target.clear();
  const std::string wanted = LowerAscii(name);
  for (size_t i = 0; i < directory_.size(); ++i)
    if (directory_[i] == wanted) return CopyEntry(i, target);
  return false;
}

bool TSkinReader::FindEntry(std::string_view fragment, std::vector<uint8_t>& target,
                            std::string& name) const {
  target.clear();
  if (fragment.empty()) return false;
  for (size_t i = 0; i < directory_.size(); ++i) {
    if (directory_[i].find(fragment) != std::string::npos) {
      name = directory_[i];
      return CopyEntry(i, target);
    }
  }
  return false;
}

}  // namespace skin
