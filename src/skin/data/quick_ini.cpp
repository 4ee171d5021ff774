#include "skin/data/quick_ini.h"

#include <algorithm>

#include "skin/data/ascii.h"

namespace skin {
namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool IsHeader(std::string_view trimmed) {
  return !trimmed.empty() && trimmed.front() == '[' && trimmed.back() == ']';
}

}  // namespace

std::string_view TrimIni(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}

void TQuickIni::LoadFromStream(std::span<const uint8_t> bytes) {
  LoadFromText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void TQuickIni::LoadFromText(std::string_view text) {
  lines_.clear();
  sectionIndex_.clear();
  if (const size_t nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t end = text.find_first_of("\r\n", pos);
    const std::string_view raw = text.substr(pos, end == std::string_view::npos ? text.npos : end - pos);
    if (end == std::string_view::npos) {
      pos = text.size();
    } else {
      pos = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    const std::string_view line = TrimIni(raw);
    if (line.empty() || line.front() == ';') continue;
    if (IsHeader(line)) sectionIndex_.emplace_back(std::string(line), lines_.size());
    lines_.emplace_back(line);
  }
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  const std::string wantKey = LowerAscii(key);
  std::string header = "[";
  header.append(section);
  header += ']';
  const auto it = std::find_if(sectionIndex_.begin(), sectionIndex_.end(),
                               [&](const auto& entry) { return EqualNoCase(entry.first, header); });
  if (it == sectionIndex_.end()) return std::string(def);
  for (size_t i = it->second + 1; i < lines_.size(); ++i) {
    const std::string_view line = lines_[i];
    if (IsHeader(line)) break;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;  // no key at all, never matches
    if (LowerAscii(TrimIni(line.substr(0, eq))) != wantKey) continue;
    const std::string_view value = TrimIni(line.substr(eq + 1));
    return value.empty() ? std::string(def) : std::string(value);
  }
  return std::string(def);
}

std::optional<int32_t> ParseIniInteger(std::string_view s) {
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  if (i >= s.size()) return std::nullopt;
  uint32_t value = 0;
  if (s[i] == '$') {
    if (++i >= s.size()) return std::nullopt;
    for (; i < s.size(); ++i) {
      const char c = LowerAscii(s[i]);
      int digit;
      if (c >= '0' && c <= '9') {
        digit = c - '0';
      } else if (c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
      } else {
        return std::nullopt;
      }
      if (value > 0x0FFFFFFFu) return std::nullopt;
      value = (value << 4) | static_cast<uint32_t>(digit);
    }
    return static_cast<int32_t>(negative ? 0u - value : value);
  }
  const uint32_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return std::nullopt;
    const uint32_t digit = static_cast<uint32_t>(s[i] - '0');
    if (value > (limit - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return static_cast<int32_t>(negative ? 0u - value : value);
}

int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
  std::string s = ReadString(section, key, "");
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s = "$" + s.substr(2);
  return ParseIniInteger(s).value_or(def);
}

std::vector<std::string> TQuickIni::ReadSections() const {
  std::vector<std::string> out;
  out.reserve(sectionIndex_.size());
  for (const auto& entry : sectionIndex_) {
    std::string_view s = TrimIni(entry.first);
    s = s.size() >= 2 ? s.substr(1, s.size() - 2) : std::string_view{};
    out.emplace_back(TrimIni(s));
  }
  return out;
}

Colour ParseColour(std::string_view text, Colour def) {
  if (text.empty()) return def;
  const std::string_view s = TrimIni(text);
  uint32_t numbers[3] = {0, 0, 0};
  int count = 0;
  size_t i = 0;
  while (i < s.size() && count < 3) {
    if (s[i] < '0' || s[i] > '9') {
      ++i;
      continue;
    }
    uint32_t value = 0;  // only the low 8 bits matter; a long run wraps instead of failing
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') value = value * 10 + static_cast<uint32_t>(s[i++] - '0');
    if (i < s.size() || count == 2) numbers[count] = value;
    ++count;
  }
  return Rgb(static_cast<uint8_t>(numbers[0]), static_cast<uint8_t>(numbers[1]), static_cast<uint8_t>(numbers[2]));
}

}  // namespace skin
