#include "core/gbk.h"

namespace core {

std::size_t LastPathSeparator(std::string_view text) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (IsGbkLeadByte(c) && i + 1 < text.size()) {
      ++i;  // the trail byte is part of this character
    } else if (c == '\\' || c == '/') {
      found = i;
    }
  }
  return found;
}

std::string FolderOf(std::string_view path) {
  const std::size_t sep = LastPathSeparator(path);
  return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep));
}

std::string CutGbk(std::string_view text, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t len =
        IsGbkLeadByte(static_cast<unsigned char>(text[end])) && end + 1 < text.size() ? 2 : 1;
    if (end + len > maxBytes) break;
    end += len;
  }
  return std::string(text.substr(0, end));
}

}  // namespace core
