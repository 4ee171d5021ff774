#pragma once
// Byte-level helpers for 8-bit GBK text. A GBK trail byte may be 0x5C ('\'), so path separators
// and cut points must be found character by character, never by a plain byte search.
#include <cstddef>
#include <string>
#include <string_view>

namespace core {

constexpr bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Index of the last '\' or '/' that is a character of its own, or npos.
std::size_t LastPathSeparator(std::string_view text);

// Folder part of a path: everything before the last separator (empty when there is none).
std::string FolderOf(std::string_view path);

// The first at most maxBytes bytes, without splitting a double-byte character.
std::string CutGbk(std::string_view text, std::size_t maxBytes);

}  // namespace core
