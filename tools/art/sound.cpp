#include "art/sound.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

void Put(std::vector<uint8_t>& o, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) o.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> MakeConfirmationWav() {
  constexpr int kRate = 22050;
  constexpr double kSeconds = 0.36;
  const int n = static_cast<int>(kRate * kSeconds);
  std::vector<int16_t> samples(n);
  // Two soft bell-like notes (E6 then A6) with fast attack and exponential decay.
  const struct { double start, freq; } notes[] = {{0.0, 1318.5}, {0.12, 1760.0}};
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kRate;
    double v = 0;
    for (const auto& note : notes) {
      const double u = t - note.start;
      if (u < 0) continue;
      const double env = std::min(1.0, u / 0.004) * std::exp(-u * 14);
      v += env * (std::sin(2 * M_PI * note.freq * u) + 0.3 * std::sin(4 * M_PI * note.freq * u));
    }
    samples[i] = static_cast<int16_t>(std::clamp(v * 0.35, -1.0, 1.0) * 32767);
  }
  std::vector<uint8_t> o{'R', 'I', 'F', 'F'};
  Put(o, 36 + n * 2, 4);
  o.insert(o.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  Put(o, 16, 4);
  Put(o, 1, 2);  // PCM
  Put(o, 1, 2);  // mono
  Put(o, kRate, 4);
  Put(o, kRate * 2, 4);
  Put(o, 2, 2);
  Put(o, 16, 2);
  o.insert(o.end(), {'d', 'a', 't', 'a'});
  Put(o, n * 2, 4);
  for (int16_t s : samples) Put(o, static_cast<uint16_t>(s), 2);
  return o;
}

}  // namespace art
