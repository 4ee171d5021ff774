#pragma once
// The confirmation sound played after a successful write: a short two-note chime, as a WAV file.
#include <cstdint>
#include <vector>

namespace art {

std::vector<uint8_t> MakeConfirmationWav();

}  // namespace art
