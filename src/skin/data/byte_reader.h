#pragma once
// Bounded little-endian reader over a byte span. A read that would pass the end fails softly:
// it answers false, leaves the position where it was and marks the reader failed.
#include <cstddef>
#include <cstdint>
#include <span>

namespace skin {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  size_t Position() const { return pos_; }
  size_t Remaining() const { return data_.size() - pos_; }
  bool Failed() const { return failed_; }

  bool ReadI32(int32_t& value) {
    std::span<const uint8_t> b;
    if (!ReadBytes(4, b)) return false;
    value = static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                                 uint32_t(b[3]) << 24);
    return true;
  }

  // `out` views the next n bytes of the underlying data.
  bool ReadBytes(size_t n, std::span<const uint8_t>& out) {
    if (n > Remaining()) return Fail();
    out = data_.subspan(pos_, n);
    pos_ += n;
    return true;
  }

  bool Skip(size_t n) {
    if (n > Remaining()) return Fail();
    pos_ += n;
    return true;
  }

  std::span<const uint8_t> Rest() const { return data_.subspan(pos_); }

 private:
  bool Fail() {
    failed_ = true;
    return false;
  }

  std::span<const uint8_t> data_;
  size_t pos_ = 0;
  bool failed_ = false;
};

}  // namespace skin
