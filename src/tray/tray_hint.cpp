#include "tray/tray_hint.h"

#include "core/gbk.h"

namespace tray {

std::string ShortHint(std::string_view hint) {
  std::size_t i = 0;
  while (i < hint.size()) {
    const auto c = static_cast<unsigned char>(hint[i]);
    if (c == '|') break;
    i += core::IsGbkLeadByte(c) && i + 1 < hint.size() ? 2 : 1;
  }
  return std::string(hint.substr(0, i));
}

std::string TrayTip(std::string_view hint, std::size_t maxBytes) {
  return core::CutGbk(ShortHint(hint), maxBytes);
}

}  // namespace tray
