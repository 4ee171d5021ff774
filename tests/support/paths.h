#pragma once
// Paths for Windows tests. CTest hands the test its folders as Unix paths; under Wine drive Z: is
// the Unix root, so "/a/b" is "Z:\a\b".
#include <string>

namespace testsupport {

std::string UnixToWindowsPath(const std::string& unix_path);
// A folder from the environment (TALVIK_SOURCE_DIR, TALVIK_BINARY_DIR, TALVIK_DIST_DIR), as a
// Windows path; empty when not set.
std::string EnvFolder(const char* name);
// TALVIK_BINARY_DIR\artifacts\<name>, creating the folder; screenshots go there.
std::string ArtifactPath(const std::string& name);

}  // namespace testsupport
