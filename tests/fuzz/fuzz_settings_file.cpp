// Any bytes as a settings file: the reader must not crash, and what it reads must save and read
// back to the same list and option.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const core::ParsedSettings first = core::ParseSettings(bytes);
  if (!first.numberValid) return 0;
  const core::ParsedSettings again = core::ParseSettings(core::FormatSettings(first.settings));
  if (!again.numberValid || !(again.settings == first.settings)) std::abort();
  return 0;
}
