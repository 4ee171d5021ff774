#include "support/paths.h"

#include <windows.h>

#include <cstdlib>

namespace testsupport {

std::string UnixToWindowsPath(const std::string& unix_path) {
  if (unix_path.empty() || unix_path[0] != '/') return unix_path;
  std::string out = "Z:";
  for (char c : unix_path) out += c == '/' ? '\\' : c;
  return out;
}

std::string EnvFolder(const char* name) {
  const char* v = std::getenv(name);
  return v ? UnixToWindowsPath(v) : std::string();
}

std::string ArtifactPath(const std::string& name) {
  std::string dir = EnvFolder("TALVIK_BINARY_DIR");
  if (dir.empty()) dir = ".";
  dir += "\\artifacts";
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir + "\\" + name;
}

}  // namespace testsupport
