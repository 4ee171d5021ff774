// Replays a fuzz corpus without libFuzzer: every file below the given folders (or the files named)
// goes once through LLVMFuzzerTestOneInput. A crash or sanitizer report fails the run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
int RunFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  return 1;
}
}  // namespace

int main(int argc, char** argv) {
  int count = 0;
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path p(argv[i]);
    if (std::filesystem::is_directory(p)) {
      for (const auto& e : std::filesystem::recursive_directory_iterator(p))
        if (e.is_regular_file()) count += RunFile(e.path());
    } else if (std::filesystem::is_regular_file(p)) {
      count += RunFile(p);
    } else {
      std::fprintf(stderr, "no such corpus: %s\n", argv[i]);
      return 2;
    }
  }
  std::printf("replayed %d inputs\n", count);
  return 0;
}
