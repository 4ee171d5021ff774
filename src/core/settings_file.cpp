// Reading rules of the settings file, as a text file is read: first a number, then whole lines.
//  - Line 1: bytes 0..32 before the number are skipped, across lines; the number is the run of
//    bytes up to the next such byte, at most 32 of them; it must be decimal digits with an optional
//    sign (any length: only zero or non-zero matters). The rest of line 1, up to and including its
//    LF, is skipped. End of data before any number reads as 0.
//  - Then, until end of data: one entry is the text up to the first CR or LF; the rest of its line
//    and its line end are skipped. CR LF, a lone LF and a lone CR each end a line, so files written
//    by any editor load every entry. A last line without line end is an entry; a final line end
//    adds no empty entry.
//  - A byte 0x1A ends the data wherever it stands.
#include "core/settings_file.h"

#include <algorithm>
#include <cstddef>

namespace core {
namespace {

constexpr char kEndOfFile = 0x1A;
constexpr std::size_t kMaxNumberChars = 32;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

bool IsWholeNumber(std::string_view s) {
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsNonZero(std::string_view digits) {
  return std::any_of(digits.begin(), digits.end(), [](char c) { return c >= '1' && c <= '9'; });
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) : data_(bytes.substr(0, bytes.find(kEndOfFile))) {}

  bool AtEnd() const { return pos_ >= data_.size(); }

  void SkipBlanks() {
    while (!AtEnd() && IsBlank(data_[pos_])) ++pos_;
  }

  std::string_view NumberRun() {
    const std::size_t start = pos_;
    while (!AtEnd() && !IsBlank(data_[pos_]) && pos_ - start < kMaxNumberChars) ++pos_;
    return data_.substr(start, pos_ - start);
  }

  std::string_view LineText() {
    const std::size_t start = pos_;
    while (!AtEnd() && data_[pos_] != '\r' && data_[pos_] != '\n') ++pos_;
    return data_.substr(start, pos_ - start);
  }

  void SkipRestOfLine() {
    const std::size_t end = data_.find_first_of("\r\n", pos_);
    if (end == std::string_view::npos) {
      pos_ = data_.size();
      return;
    }
    pos_ = end + 1;
    if (data_[end] == '\r' && !AtEnd() && data_[pos_] == '\n') ++pos_;
  }

 private:
  std::string_view data_;
  std::size_t pos_ = 0;
};

}  // namespace

ParsedSettings ParseSettings(std::string_view bytes) {
  ParsedSettings result;
  Reader reader(bytes);
  reader.SkipBlanks();
  if (!reader.AtEnd()) {
    const std::string_view number = reader.NumberRun();
    if (!IsWholeNumber(number)) return result;
    result.settings.autoRestore = IsNonZero(number);
  }
  reader.SkipRestOfLine();
  while (!reader.AtEnd()) {
    result.settings.entries.emplace_back(reader.LineText());
    reader.SkipRestOfLine();
  }
  result.numberValid = true;
  return result;
}

std::string FormatSettings(const Settings& settings) {
  std::string out = settings.autoRestore ? "1\r\n" : "0\r\n";
  for (const std::string& entry : settings.entries) {
    out += entry;
    out += "\r\n";
  }
  return out;
}

}  // namespace core
