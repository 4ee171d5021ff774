#pragma once
// The tray icon's tool tip text: the short part of a hint (before the first '|') cut to the bytes
// the shell's tip field holds, without splitting a GBK double-byte character.
#include <cstddef>
#include <string>
#include <string_view>

namespace tray {

// Room in the shell's tip field, its terminating zero excluded.
inline constexpr std::size_t kMaxTipBytes = 63;

// Text before the first '|' that is a character of its own (a GBK trail byte may be 0x7C).
std::string ShortHint(std::string_view hint);

// ShortHint cut to at most maxBytes bytes on a character boundary.
std::string TrayTip(std::string_view hint, std::size_t maxBytes = kMaxTipBytes);

}  // namespace tray
