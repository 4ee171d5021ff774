// LZHUF decoder and encoder speed on skin-like data (bitmaps with a magenta key, gradients, runs,
// some grain), in MB of output per second, best of several runs.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "bench_timer.h"
#include "real_skin.h"
#include "skin/data/lzhuf.h"
#include "skin/data/lzhuf_encoder.h"
#include "skin/data/reference_lzhuf.h"
#include "skin/data/skin_like_data.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_writer.h"

namespace {

using bench::BestSecondsPerCall;

void Row(const char* what, size_t bytes, size_t compressed, double seconds) {
  std::printf("%-34s %10zu %10zu %7.2f %10.1f\n", what, bytes, compressed,
              compressed ? double(bytes) / double(compressed) : 0.0, double(bytes) / seconds / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  const skin::SkinEntries entries = testing_skin::MakeSkinLikeEntries(1000000, 2026);
  const std::vector<uint8_t> image = skin::BuildSkinImage(skin::kCurrentSkinVersion, entries);
  const std::vector<uint8_t> file = skin::LzhCompress(image);
  const std::span<const uint8_t> stream = std::span<const uint8_t>(file).subspan(4);

  std::vector<uint8_t> runs;
  for (int i = 0; i < 100000; ++i) runs.insert(runs.end(), {0xFF, 0x00, 0xFF});
  const std::vector<uint8_t> runs_file = skin::LzhCompress(runs);
  testing_skin::Rng rng(7);
  std::vector<uint8_t> noise(256 * 1024);
  for (auto& b : noise) b = static_cast<uint8_t>(rng.Next());
  const std::vector<uint8_t> noise_file = skin::LzhCompress(noise);

  skin::TLZH lzh;
  std::unique_ptr<uint8_t[]> out(new uint8_t[image.size() + skin::kLzhOutputSlack]);
  auto decode = [&](const std::vector<uint8_t>& f, size_t n) {
    return BestSecondsPerCall(5, [&] { lzh.UnpackInto(std::span<const uint8_t>(f).subspan(4), n, out.get()); });
  };
  if (lzh.UnpackInto(stream, image.size(), out.get()) != image.size() ||
      !std::equal(image.begin(), image.end(), out.get())) {
    std::fprintf(stderr, "decoder output differs\n");
    return 1;
  }

  std::printf("skin-like corpus: a definition and %zu 24-bit bitmaps (frames, button strips, textures,\n"
              "glyphs on the magenta key), one skin image; MB/s of output, processor time, best run\n\n",
              entries.size() - 1);
  std::printf("%-34s %10s %10s %7s %10s\n", "LZHUF", "bytes", "packed", "ratio", "MB/s");
  Row("decode skin-like (buffer reused)", image.size(), file.size(), decode(file, image.size()));
  Row("decode magenta run", runs.size(), runs_file.size(), decode(runs_file, runs.size()));
  Row("decode noise", noise.size(), noise_file.size(), decode(noise_file, noise.size()));
  // The same bitmaps by kind: how the speed follows the content.
  for (const char* kind : {"frame", "button", "glyph", "texture"}) {
    std::vector<uint8_t> part;
    for (const auto& e : entries)
      if (e.first.rfind(kind, 0) == 0) part.insert(part.end(), e.second.begin(), e.second.end());
    const std::vector<uint8_t> part_file = skin::LzhCompress(part);
    char what[64];
    std::snprintf(what, sizeof what, "decode %s bitmaps only", kind);
    Row(what, part.size(), part_file.size(), decode(part_file, part.size()));
  }
  // The program's own default skin, as built by the skins target.
  std::vector<uint8_t> real;
  std::string real_path;
  if (bench::ReadRealSkin(argc, argv, real, real_path)) {
    std::vector<uint8_t> real_image;
    if (skin::LzhDecompress(real, real_image) == skin::LzhStatus::Ok) {
      const size_t n = real_image.size();
      std::unique_ptr<uint8_t[]> real_out(new uint8_t[n + skin::kLzhOutputSlack]);
      Row("decode default skin", n, real.size(), BestSecondsPerCall(5, [&] {
            lzh.UnpackInto(std::span<const uint8_t>(real).subspan(4), n, real_out.get());
          }));
      Row("published decoder, default skin", n, real.size(), BestSecondsPerCall(3, [&] {
            testing_lzh::ReferenceDecode(std::span<const uint8_t>(real).subspan(4), n);
          }));
    } else {
      std::printf("default skin %s does not decode\n", real_path.c_str());
    }
  } else {
    std::printf("(default skin not built, skipped; looked at %s)\n", real_path.c_str());
  }
  skin::TSkinReader reader;
  Row("ReadSkin skin-like (allocates)", image.size(), file.size(),
      BestSecondsPerCall(5, [&] { reader.ReadSkin(file); }));
  Row("published decoder, skin-like", image.size(), file.size(),
      BestSecondsPerCall(3, [&] { testing_lzh::ReferenceDecode(stream, image.size()); }));
  Row("encode skin-like", image.size(), file.size(), BestSecondsPerCall(3, [&] { skin::LzhCompress(image); }));
  Row("encode noise", noise.size(), noise_file.size(), BestSecondsPerCall(3, [&] { skin::LzhCompress(noise); }));
  return 0;
}
