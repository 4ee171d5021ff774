#pragma once
// The program's skins as the tests see them: each style with its source folder and its images.
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "parts.h"
#include "style.h"

namespace skingen_test {

struct SkinCase {
  const char* folder;     // under skins/ of the source tree (UTF-8 bytes)
  const char* skin_name;  // [TitlebarSkin] SkinName
  bool rounded;
};

inline void PrintTo(const SkinCase& c, std::ostream* os) { *os << c.skin_name; }

// Folder names are written as UTF-8 escapes: narrow literals are compiled to GBK.
inline const std::vector<SkinCase>& Skins() {
  static const std::vector<SkinCase> skins = {
      {"\xE7\x99\xBD\xE5\x85\xB0_mxp1", "BaiLan mxp1", true},
      {"\xE5\xA2\xA8\xE5\xA4\x9C_dark", "MoYe dark", false},
  };
  return skins;
}

inline std::string SourceDir() {
  const char* dir = std::getenv("TALVIK_SOURCE_DIR");
  return dir ? dir : ".";
}

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::string Definition(const SkinCase& c) {
  return ReadText(SourceDir() + "/skins/" + c.folder + "/skin.ini");
}

inline const skingen::Style& StyleOf(const SkinCase& c) { return *skingen::FindStyle(c.skin_name); }

}  // namespace skingen_test
