// The definition reader and the whole load sequence over a fuzzed definition text, with the test
// skin's pictures plus a few broken ones as the skin file's entries. The text is loaded twice
// into the same skin objects, as a reload does.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "skin/data/bmp_files.h"
#include "skin/data/bmp_loader.h"
#include "skin/data/skin_definition.h"
#include "skin/data/test_skin.h"

namespace {

const skintest::MapSource& Source() {
  static const skintest::MapSource* source = [] {
    auto* s = new skintest::MapSource(skintest::TestSkinPictures());
    s->Put("broken.bmp", {'B', 'M', 0, 0});
    skintest::BmpLayout huge;
    huge.width = 20000;
    s->Put("huge.bmp", skintest::BuildBmp(huge));
    skintest::BmpLayout rle;
    rle.width = 2000;
    rle.height = 2000;
    rle.bitCount = 8;
    rle.compression = 1;
    rle.palette = {0xFF00FF};
    rle.pixels = {0, 1};
    s->Put("big.bmp", skintest::BuildBmp(rle));  // 2000 x 2000 from a few bytes
    s->Put("tiny.bmp", skintest::Bmp24(skintest::Solid(1, 1, 0xFF00FF)));
    return s;
  }();
  return *source;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  skin::TQuickIni ini;
  ini.LoadFromStream({data, size});
  skin::SkinDefinition def;
  for (int pass = 0; pass < 2; ++pass) {
    try {
      skin::LoadSkinDefinition(def, ini, Source());
    } catch (const skin::BitmapError&) {
      if (!def.SkinEmpty) std::abort();
      return 0;
    }
    if (def.SkinEmpty || !def.Track || !def.TrackVertical || !def.ToolbarBack || def.SysButtons.size() < 3) {
      std::abort();
    }
  }
  return 0;
}
