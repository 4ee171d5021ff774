// Any bytes as a skin file: ReadSkin and every lookup must stay inside their buffers, lookups
// must agree with the directory, and the fast decoder must produce what the plain published
// decoder produces from the same stream.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "skin/data/lzhuf.h"
#include "skin/data/reference_lzhuf.h"
#include "skin/data/skin_reader.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// Small outputs only: the plain decoder is slow, and ReadSkin decodes every input again anyway.
void CheckDecoder(std::span<const uint8_t> file) {
  if (file.size() < 4) return;
  const uint32_t count = file[0] | file[1] << 8 | file[2] << 16 | uint32_t(file[3]) << 24;
  if (count > (1u << 14)) return;
  std::vector<uint8_t> image;
  if (skin::LzhDecompress(file, image) != skin::LzhStatus::Ok) {
    Check(image.empty());
    return;
  }
  Check(image.size() >= count && image.size() <= count + skin::kLzhMaxOverrun);
  Check(image == testing_lzh::ReferenceDecode(file.subspan(4), count));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> file(data, size);
  CheckDecoder(file);

  skin::TSkinReader reader;
  const skin::ReadStatus status = reader.ReadSkin(file);
  if (status != skin::ReadStatus::Ok) {
    Check(reader.Directory().empty() && reader.EntryData().empty());
    return 0;
  }
  Check(reader.EntryCount() <= skin::kMaxSkinEntries);
  Check(reader.EntrySizes().size() == reader.EntryCount());
  const std::span<const uint8_t> data_area = reader.EntryData();
  std::vector<uint8_t> got;
  std::string name;
  for (size_t i = 0; i < reader.EntryCount(); ++i) {
    std::span<const uint8_t> bytes;
    if (reader.EntryBytes(i, bytes)) {
      Check(bytes.data() >= data_area.data() && bytes.data() + bytes.size() <= data_area.data() + data_area.size());
      Check(static_cast<int64_t>(bytes.size()) == reader.EntrySizes()[i]);
    }
    // A name finds its first occurrence.
    const std::string& entry = reader.Directory()[i];
    size_t first = 0;
    while (reader.Directory()[first] != entry) ++first;
    std::span<const uint8_t> expected;
    reader.EntryBytes(first, expected);
    Check(reader.GetEntry(entry, got) == !expected.empty());
    Check(got.size() == expected.size() && std::equal(got.begin(), got.end(), expected.begin()));
    if (!entry.empty()) {
      name.clear();
      reader.FindEntry(entry, got, name);
      Check(!name.empty() && name.find(entry) != std::string::npos);
    }
  }
  reader.FindEntry(".ini", got, name);
  reader.FindEntry(".bmp", got, name);
  return 0;
}
