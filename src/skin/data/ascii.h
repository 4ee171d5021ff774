#pragma once
// Case folding of ASCII letters only: skin names and definition keys compare case-insensitively for
// A-Z, while GBK bytes (all above 0x7F) stay as they are.
#include <string>
#include <string_view>

namespace skin {

inline char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string LowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

}  // namespace skin
