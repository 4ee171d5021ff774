#include <cstdio>

#include "commands.h"

namespace skinpack {

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "skinpack: %s\n", message.c_str());
  return code;
}

void Warn(const std::string& message) { std::fprintf(stderr, "skinpack: warning: %s\n", message.c_str()); }

}  // namespace skinpack
