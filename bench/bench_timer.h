#pragma once
// Timing for the benchmarks: processor time of this process (the build machine is shared, and wall
// time would count the other jobs; <chrono> does not build with the GBK execution character set).
#include <algorithm>
#include <ctime>
#include <functional>

namespace bench {

inline double Now() { return double(std::clock()) / CLOCKS_PER_SEC; }

// Best time of `runs` runs (the least disturbed), each repeating `body` for at least `min_seconds`.
inline double BestSecondsPerCall(int runs, const std::function<void()>& body, double min_seconds = 0.2) {
  double best = 1e30;
  for (int r = 0; r < runs; ++r) {
    int calls = 0;
    const double start = Now();
    double elapsed = 0;
    do {
      body();
      ++calls;
      elapsed = Now() - start;
    } while (elapsed < min_seconds);
    best = std::min(best, elapsed / calls);
  }
  return best;
}

}  // namespace bench
