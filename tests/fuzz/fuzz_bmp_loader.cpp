// Bitmap files as a skin holds them: any bytes either load into a picture within the limits or are
// refused with BmpError.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "skin/data/bmp_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  skin::Bitmap b;
  std::string error;
  if (skin::TryLoadBmp({data, size}, b, error)) {
    const bool sane = !b.Empty() && skin::Bitmap::SizeAllowed(b.Width(), b.Height()) &&
                      b.Bits().size() == b.Stride() * static_cast<size_t>(b.Height());
    if (!sane) std::abort();
  } else if (error.empty()) {
    std::abort();
  }
  return 0;
}
