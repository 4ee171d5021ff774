#pragma once
// skinpack commands: each takes the words after its name and answers the process exit code.
#include <string>
#include <vector>

namespace skinpack {

using Args = std::vector<std::string>;  // UTF-8

enum Exit : int { kOk = 0, kBadInput = 1, kUsage = 2 };

struct Command {
  const char* name;
  const char* synopsis;  // arguments, shown by --help
  const char* summary;
  int (*run)(const Args& args);
};

int RunPack(const Args& args);
int RunUnpack(const Args& args);
int RunList(const Args& args);
int RunCheck(const Args& args);

// Prints "skinpack: <message>" on stderr; answers `code` so callers can `return Fail(...)`.
int Fail(int code, const std::string& message);
void Warn(const std::string& message);

}  // namespace skinpack
