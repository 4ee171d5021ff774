#pragma once
// The program's real default skin for the benchmarks: the path given as the first argument, or
// the skin that the skins target put beside this tree's benchmarks, or the native tree's one.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

// UTF-8 on disk; the narrow execution character set is GBK, so the name is spelt in bytes.
inline const char* RealSkinName() { return reinterpret_cast<const char*>(u8"白兰_mxp1.skn"); }

inline bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
  bytes.clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  uint8_t chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  std::fclose(f);
  return !bytes.empty();
}

// Answers false when no skin file is found; `path` then lists where it was looked for.
inline bool ReadRealSkin(int argc, char** argv, std::vector<uint8_t>& bytes, std::string& path) {
  std::vector<std::string> candidates;
  if (argc > 1) {
    candidates.push_back(argv[1]);
  } else if (argc > 0) {
    std::string dir = argv[0];
    const size_t slash = dir.rfind('/');
    dir = slash == std::string::npos ? "." : dir.substr(0, slash);
    candidates.push_back(dir + "/../skins/" + RealSkinName());
    candidates.push_back(dir + "/../../native/skins/" + RealSkinName());
  }
  path.clear();
  for (const std::string& c : candidates) {
    if (ReadWholeFile(c, bytes)) {
      path = c;
      return true;
    }
    path += (path.empty() ? "" : ", ") + c;
  }
  return false;
}

}  // namespace bench
