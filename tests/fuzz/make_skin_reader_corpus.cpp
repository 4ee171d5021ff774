// Writes the seed corpus of fuzz_skin_reader into the folder given: small valid skins of every
// version, an older-format one, a truncated one and hostile containers. Run once; the output is
// committed.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "skin/data/lzhuf_encoder.h"
#include "skin/data/skin_like_data.h"
#include "skin/data/skin_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;

void PutI32(Bytes& b, int64_t v) {
  for (int k = 0; k < 4; ++k) b.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * k)));
}

// An expanded image with every field given.
Bytes Image(int32_t version, int32_t dir_length, size_t info, const std::string& dir, const std::vector<int32_t>& sizes,
            const std::string& data) {
  Bytes b;
  PutI32(b, version);
  PutI32(b, dir_length);
  PutI32(b, 0);
  PutI32(b, 0);
  b.insert(b.end(), info, 0);
  b.insert(b.end(), dir.begin(), dir.end());
  for (int32_t s : sizes) PutI32(b, s);
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

Bytes Raw(const std::string& dir, const std::vector<int32_t>& sizes, const std::string& data) {
  return skin::LzhCompress(Image(70000, static_cast<int32_t>(dir.size()), 69, dir, sizes, data));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_skin_reader_corpus DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  auto save = [&](const std::string& name, const Bytes& bytes) {
    std::ofstream(dir + "/" + name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                            static_cast<std::streamsize>(bytes.size()));
  };
  const std::string ini = "[Form]\r\nBorder=button.bmp\r\n";
  const Bytes bmp = testing_skin::MakeBmp24(12, 6, [](int x, int y) -> uint32_t {
    return (x + y) % 5 == 0 ? 0xFF00FF : static_cast<uint32_t>(0x102030 * (y + 1));
  });
  const skin::SkinEntries small = {{"Skin.ini", Bytes(ini.begin(), ini.end())}, {"Button.BMP", bmp}};
  for (int32_t v : {20000, 30000, 40000, 50000, 60000, 70000}) save("valid_" + std::to_string(v) + ".skn", skin::WriteSkinFile(v, small));
  save("older_10000.skn", skin::WriteSkinFile(10000, small));
  skin::SkinEntries several = small;
  for (int k = 0; k < 3; ++k)
    several.push_back({"state" + std::to_string(k) + ".bmp", testing_skin::MakeBmp24(32, 16, [k](int x, int y) -> uint32_t {
                         return x < 2 || x > 29 ? 0xFF00FF : static_cast<uint32_t>(0x030201 * (y * 4 + k) + (x & 1));
                       })});
  save("several_bitmaps.skn", skin::WriteSkinFile(70000, several));
  Bytes cut = skin::WriteSkinFile(70000, small);
  cut.resize(cut.size() / 2);
  save("truncated.skn", cut);

  save("empty_directory_30000.skn", skin::LzhCompress(Image(30000, 0, 256, "", {}, "tail")));
  save("line_breaks.skn", Raw(std::string("a.ini\r\r\nB.bmp\n\rc\0d\r\n", 19), {1, 1, 1, 1, 1}, "vwxyz"));
  save("duplicates.skn", Raw("old.ini.bak\r\nskin.ini\r\nSKIN.INI\r\n", {2, 2, 2}, "aabbcc"));
  save("negative_size.skn", Raw("a\r\nb\r\nc\r\n", {5, -3, 4}, "012345678"));
  save("size_past_end.skn", Raw("a\r\nb\r\n", {3, 100}, "0123456789"));
  save("size_overflow.skn", Raw("a\r\nb\r\nc\r\n", {0x7FFFFFFF, 0x7FFFFFFF, 2}, "xy"));
  save("short_size_table.skn", Raw("a\r\nb\r\nc\r\n", {1, 1}, ""));
  save("negative_directory.skn", skin::LzhCompress(Image(70000, -5, 69, "a\r\n", {1}, "x")));
  save("directory_past_end.skn", skin::LzhCompress(Image(70000, 100000, 69, "a\r\n", {1}, "x")));
  save("short_header.skn", skin::LzhCompress(Bytes{0x70, 0x11, 0x01, 0x00, 0x05}));
  std::string many;
  std::vector<int32_t> ones;
  for (int i = 0; i < 1003; ++i) {
    many += std::to_string(i) + "\n";
    ones.push_back(1);
  }
  save("over_1001_lines.skn", Raw(many, ones, std::string(1003, 'e')));
  save("negative_length.skn", Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x12, 0x34});
  save("huge_length.skn", Bytes{0xFF, 0xFF, 0xFF, 0x7F, 0x12, 0x34, 0x56, 0x78});
  save("length_only.skn", Bytes{0x10, 0x00, 0x00, 0x00});
  save("three_bytes.skn", Bytes{0x10, 0x00, 0x00});
  return 0;
}
