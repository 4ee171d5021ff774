// skinpack: makes, lists and unpacks skin files (.skn).
#include <cstdio>
#include <string>

#include "commands.h"
#include "files.h"

namespace skinpack {
namespace {

// Every command of the tool; --help lists them in this order.
const Command kCommands[] = {
    {"pack", "[--version N] DIR OUT.skn",
     "pack the files named in DIR/skin.lst (one per line, in order), or else every file of DIR\n"
     "      (.ini first, then by name); N is the header version (default 70000)",
     RunPack},
    {"unpack", "IN.skn DIR", "write every entry of IN.skn into DIR, with skin.lst giving their order",
     RunUnpack},
    {"list", "IN.skn", "show the version and every entry with its size", RunList},
    {"check", "IN.skn",
     "load IN.skn as the program does and list what is missing or odd (damaged entry sizes,\n"
     "      pictures not found or broken, frame counts that do not divide a picture, sections\n"
     "      without a picture, colours not given, unused entries); exit 0 when clean, 1 with findings",
     RunCheck},
};

void Usage(std::FILE* to) {
  std::fprintf(to, "usage: skinpack COMMAND ARGS...\n\ncommands:\n");
  for (const Command& c : kCommands) std::fprintf(to, "  %s %s\n      %s\n", c.name, c.synopsis, c.summary);
  std::fprintf(to, "\nexit status: 0 done, 1 bad input (missing or damaged files), 2 wrong usage\n");
}

}  // namespace

}  // namespace skinpack

int main(int argc, char** argv) {
  using namespace skinpack;
  const std::vector<std::string> words = CommandLineUtf8(argc, argv);
  if (words.size() < 2) {
    Usage(stderr);
    return kUsage;
  }
  const std::string& name = words[1];
  if (name == "--help" || name == "-h" || name == "help") {
    Usage(stdout);
    return kOk;
  }
  const Args args(words.begin() + 2, words.end());
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      Usage(stdout);
      return kOk;
    }
  }
  for (const Command& c : kCommands)
    if (name == c.name) return c.run(args);
  Fail(kUsage, "unknown command '" + name + "'");
  Usage(stderr);
  return kUsage;
}
