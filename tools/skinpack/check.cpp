// skinpack check IN.skn: loads the skin as the program does and lists what is missing or odd.
#include <cstdio>

#include "commands.h"
#include "files.h"
#include "skin/data/skin_check.h"

namespace skinpack {

int RunCheck(const Args& args) {
  if (args.size() != 1) return Fail(kUsage, "check takes IN.skn (see --help)");
  std::vector<uint8_t> bytes;
  std::string error;
  if (!ReadFile(PathFromUtf8(args[0]), bytes, error)) return Fail(kBadInput, error);
  const std::vector<skin::SkinFinding> findings = skin::CheckSkin(bytes);
  for (const skin::SkinFinding& f : findings) std::printf("%s\n", skin::FormatFinding(f).c_str());
  if (findings.empty()) std::printf("clean: the skin loads with nothing missing or odd\n");
  return findings.empty() ? kOk : kBadInput;
}

}  // namespace skinpack
