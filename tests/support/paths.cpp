#include "support/paths.h"

#include <windows.h>

#include <cstdlib>

namespace testsupport {

std::string UnixToWindowsPath(const std::string& unix_path) {
  if (unix_path.empty() || unix_path[0] != '/') return unix_path;
  std::string out(unix_path.size() + 2, '\\');
  out[0] = 'Z';
  out[1] = ':';
  for (size_t i = 0; i < unix_path.size(); ++i)
    if (unix_path[i] != '/') out[i + 2] = unix_path[i];
  return out;
}

std::string EnvFolder(const char* name) {
  const char* v = std::getenv(name);
  return v ? UnixToWindowsPath(v) : std::string();
}

std::string ArtifactPath(const std::string& name) {
  std::string dir = EnvFolder("TALVIK_BINARY_DIR");
  if (dir.empty()) dir.assign(1, '.');
  dir.append("\\artifacts");
  CreateDirectoryA(dir.c_str(), nullptr);
  dir.push_back('\\');
  dir.append(name);
  return dir;
}

}  // namespace testsupport
