#pragma once
// TSkinReader: expands a skin file and gives access to its named entries (one definition text,
// bitmaps). Portable: an unknown format version is reported, not shown; the Windows side shows
// kOlderSkinMessage for ReadStatus::OlderFormat.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_format.h"

namespace skin {

enum class ReadStatus { Ok, OlderFormat, Unreadable };

class TSkinReader {
 public:
  // Reads a whole .skn file (or SkinStream bytes). Anything read before is dropped first. After
  // OlderFormat only Version() is filled; after Unreadable nothing is.
  ReadStatus ReadSkin(std::span<const uint8_t> file);

  // Expands a compressed file (4-byte length + stream) into `target`. False, with `target`
  // empty, when the file is shorter than its length field or the length is negative or more than
  // the stream could produce.
  static bool Decompress(std::span<const uint8_t> source, std::vector<uint8_t>& target);

  // Copies the first entry whose name equals `name` (ASCII case-insensitive) into `target`.
  // False with `target` empty when there is no such entry, it is empty or its size is damaged;
  // callers treat all of these as an absent entry.
  bool GetEntry(std::string_view name, std::vector<uint8_t>& target) const;

  // Copies the first entry whose name contains `fragment` (compared as given, so pass lower
  // case) and sets `name` to its full name; `name` stays unchanged without a match. Answers like
  // GetEntry. An empty fragment matches nothing.
  bool FindEntry(std::string_view fragment, std::vector<uint8_t>& target, std::string& name) const;

  int32_t Version() const { return version_; }
  int32_t DirectoryLength() const { return directory_length_; }
  const std::array<int32_t, 2>& Reserved() const { return reserved_; }
  // Lower-case entry names in file order; at most kMaxSkinEntries.
  const std::vector<std::string>& Directory() const { return directory_; }
  size_t EntryCount() const { return directory_.size(); }
  // Directory lines past the first kMaxSkinEntries: they have sizes but no entry is read for them.
  size_t IgnoredNames() const { return ignored_names_; }
  // Sizes as stored, one per directory name.
  const std::vector<int32_t>& EntrySizes() const { return sizes_; }
  // Everything from the end of the size table to the end of the expanded image.
  std::span<const uint8_t> EntryData() const;

  // Bytes of entry `index`; false when the index is out of range or the stored size is negative
  // or runs outside the entry data.
  bool EntryBytes(size_t index, std::span<const uint8_t>& bytes) const;

 private:
  void Clear();
  bool CopyEntry(size_t index, std::vector<uint8_t>& target) const;

  int32_t version_ = 0;
  int32_t directory_length_ = 0;
  std::array<int32_t, 2> reserved_{};
  std::vector<std::string> directory_;
  std::vector<int32_t> sizes_;
  std::vector<int64_t> offsets_;  // start of each entry in the entry data: sum of earlier sizes
  std::vector<uint8_t> image_;    // the expanded file; the entry data is its tail
  size_t data_offset_ = 0;
  size_t ignored_names_ = 0;
};

}  // namespace skin
