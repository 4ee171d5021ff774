// Time of a whole skin load: a skin of about 1 MB of pictures (the test skin's definition with
// every picture enlarged and made grainy) expanded, its definition read and every skin object and
// derived image built. Also the two halves apart. Processor time, best of several runs.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "bench_timer.h"
#include "real_skin.h"
#include "skin/data/bmp_files.h"
#include "skin/data/bmp_loader.h"
#include "skin/data/nine_slice.h"
#include "skin/data/skin_format.h"
#include "skin/data/skin_load.h"
#include "skin/data/skin_writer.h"
#include "skin/data/test_skin.h"

namespace {

using bench::BestSecondsPerCall;

// Some grain in the low bits of every pixel but the magenta key, so the pictures compress about as
// badly as drawn ones do.
void AddGrain(skin::Bitmap& b, uint32_t seed) {
  for (int32_t y = 0; y < b.Height(); ++y) {
    for (int32_t x = 0; x < b.Width(); ++x) {
      if (b.Pixel(x, y) == skin::kMagenta) continue;
      seed = seed * 1103515245u + 12345u;
      b.SetPixel(x, y, b.Pixel(x, y) ^ static_cast<skin::Colour>((seed >> 8) & 0x070707));
    }
  }
}

// The test skin with every picture scaled up num/den times in both directions.
skin::SkinEntries BigSkin(int num, int den, size_t& pictureBytes) {
  const std::string ini = skintest::TestSkinIni();
  skin::SkinEntries entries;
  entries.emplace_back("skin.ini", std::vector<uint8_t>(ini.begin(), ini.end()));
  pictureBytes = 0;
  for (const auto& [name, bytes] : skintest::TestSkinPictures()) {
    const skin::Bitmap small = skin::LoadBmp(bytes);
    skin::Bitmap big = skin::CompositeSkinBitmap({small.Width() * num / den, small.Height() * num / den}, small,
                                                 {}, false, false, 1, 1);
    AddGrain(big, static_cast<uint32_t>(pictureBytes));
    entries.emplace_back(name, skintest::Bmp24(big));
    pictureBytes += entries.back().second.size();
  }
  return entries;
}

}  // namespace

int main(int argc, char** argv) {
  size_t pictureBytes = 0;
  const skin::SkinEntries entries = BigSkin(27, 5, pictureBytes);  // about 1 MB of pictures
  const std::vector<uint8_t> file = skin::WriteSkinFile(skin::kCurrentSkinVersion, entries);

  skin::SkinDefinition def;
  if (skin::LoadSkinFile(file, def) != skin::ReadStatus::Ok || def.SkinEmpty) {
    std::fprintf(stderr, "the benchmark skin does not load\n");
    return 1;
  }
  skin::TSkinReader reader;
  reader.ReadSkin(file);
  skin::TQuickIni ini;
  ini.LoadFromText(skintest::TestSkinIni());
  const skin::ReaderEntrySource source(reader);

  const double whole = BestSecondsPerCall(5, [&] { skin::LoadSkinFile(file, def); }, 0.3);
  const double expand = BestSecondsPerCall(5, [&] { reader.ReadSkin(file); }, 0.3);
  const double objects = BestSecondsPerCall(5, [&] { skin::LoadSkinDefinition(def, ini, source); }, 0.3);
  std::printf("skin file %zu bytes, %zu bytes of pictures in %zu entries\n", file.size(), pictureBytes,
              entries.size() - 1);
  std::printf("%-40s %8.2f ms\n", "whole load (LoadSkinFile)", whole * 1e3);
  // Grainy pictures pack badly, so the file is smaller than the pictures: the load time per MB of each.
  std::printf("%-40s %8.2f ms\n", "  per MB of pictures", whole * 1e3 * 1e6 / double(pictureBytes));
  std::printf("%-40s %8.2f ms\n", "  per MB of skin file", whole * 1e3 * 1e6 / double(file.size()));
  std::printf("%-40s %8.2f ms\n", "  expand and split (ReadSkin)", expand * 1e3);
  std::printf("%-40s %8.2f ms\n", "  definition to skin objects", objects * 1e3);

  // The program's own default skin, as built by the skins target.
  std::vector<uint8_t> real;
  std::string real_path;
  if (!bench::ReadRealSkin(argc, argv, real, real_path)) {
    std::printf("(default skin not built, skipped; looked at %s)\n", real_path.c_str());
    return 0;
  }
  skin::SkinDefinition real_def;
  if (skin::LoadSkinFile(real, real_def) != skin::ReadStatus::Ok || real_def.SkinEmpty) {
    std::fprintf(stderr, "the default skin %s does not load\n", real_path.c_str());
    return 1;
  }
  skin::TSkinReader real_reader;
  const double real_whole = BestSecondsPerCall(5, [&] { skin::LoadSkinFile(real, real_def); }, 0.3);
  const double real_expand = BestSecondsPerCall(5, [&] { real_reader.ReadSkin(real); }, 0.3);
  std::printf("\ndefault skin: file %zu bytes, %zu bytes expanded\n", real.size(), real_reader.EntryData().size());
  std::printf("%-40s %8.3f ms\n", "whole load (LoadSkinFile)", real_whole * 1e3);
  std::printf("%-40s %8.3f ms\n", "  expand and split (ReadSkin)", real_expand * 1e3);
  return 0;
}
