#include "skin/data/lzhuf.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

namespace skin {
namespace {

using lzh::F;
using lzh::R;
using lzh::T;

// MSB-first bit input over a byte span; bytes past the end read as zero. The 64-bit buffer holds
// the next `bits` bits at its top; refilling whole bytes keeps the stream identical to one read a
// byte at a time.
class BitInput {
 public:
  explicit BitInput(std::span<const uint8_t> in) : in_(in.data()), size_(in.size()) {}

  // Makes at least 56 bits available.
  inline void Refill() {
    uint64_t v;
    if (pos_ + 8 <= size_) {
      std::memcpy(&v, in_ + pos_, 8);
      if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
    } else {
      v = 0;
      for (size_t i = 0; pos_ + i < size_ && i < 8; ++i) v |= uint64_t(in_[pos_ + i]) << (56 - 8 * i);
    }
    buf_ |= v >> bits_;
    pos_ += (63 - bits_) >> 3;
    bits_ |= 56;
  }
  inline void Need(unsigned n) {
    if (bits_ < n) Refill();
  }
  inline unsigned Bit() {
    const unsigned b = static_cast<unsigned>(buf_ >> 63);
    buf_ <<= 1;
    --bits_;
    return b;
  }
  // n in 1..8
  inline unsigned Take(unsigned n) {
    const unsigned v = static_cast<unsigned>(buf_ >> (64 - n));
    buf_ <<= n;
    bits_ -= n;
    return v;
  }
  // n in 1..56, with at least n bits buffered
  inline unsigned Peek(unsigned n) const { return static_cast<unsigned>(buf_ >> (64 - n)); }
  inline void Skip(unsigned n) {
    buf_ <<= n;
    bits_ -= n;
  }
  unsigned bits() const { return bits_; }

 private:
  const uint8_t* in_;
  size_t size_;
  size_t pos_ = 0;
  uint64_t buf_ = 0;
  unsigned bits_ = 0;
};

// A match is written 64 bytes at a time, whatever its length (at most 60): no loop to mispredict.
// It starts before the requested count, so the bytes past it stay inside the output slack.
constexpr size_t kMatchWrite = 64;
static_assert(kMatchWrite >= lzh::F && kLzhOutputSlack + 1 >= kMatchWrite);

// Copies a match from `dist` bytes back, as if byte by byte (so a short distance repeats its
// pattern), writing kMatchWrite bytes; later symbols overwrite the bytes past the match.
inline void CopyMatch(uint8_t* dst, size_t dist) {
  const uint8_t* src = dst - dist;
  if (dist >= 16) {
#pragma GCC unroll 4
    for (size_t k = 0; k < kMatchWrite; k += 16) std::memcpy(dst + k, src + k, 16);
  } else if (dist >= 8) {
#pragma GCC unroll 8
    for (size_t k = 0; k < kMatchWrite; k += 8) std::memcpy(dst + k, src + k, 8);
  } else {
    // Short periods (a 24-bit colour repeats every 3 bytes): spread the period over 16 bytes and
    // store that every whole number of periods.
    static constexpr uint64_t kSpread[8] = {0, 0x0101010101010101u, 0x0001000100010001u,
                                            0x0001000001000001u, 0x0000000100000001u,
                                            0x0000010000000001u, 0x0001000000000001u,
                                            0x0100000000000001u};
    static constexpr uint8_t kStep[8] = {0, 16, 16, 15, 16, 15, 12, 14};
    // One 8-byte load; the bytes past the period lie at or after dst, inside the output buffer,
    // and are masked off.
    uint64_t period;
    std::memcpy(&period, src, 8);
    if constexpr (std::endian::native == std::endian::big) period = __builtin_bswap64(period);
    const uint64_t mask = ~uint64_t(0) >> (64 - 8 * dist);
    period &= mask;
    // Bytes 8..15 of the pattern begin (8 mod dist) bytes into the period.
    const unsigned turn = 8 % static_cast<unsigned>(dist);
    const uint64_t turned = ((period >> (8 * turn)) | (period << (8 * (dist - turn)))) & mask;
    uint64_t lo = period * kSpread[dist], hi = turned * kSpread[dist];  // no carries: copies do not overlap
    if constexpr (std::endian::native == std::endian::big) {
      lo = __builtin_bswap64(lo);
      hi = __builtin_bswap64(hi);
    }
    uint8_t bytes[16];
    std::memcpy(bytes, &lo, 8);
    std::memcpy(bytes + 8, &hi, 8);
    const size_t step = kStep[dist];
    static_assert(4 * 12 + 16 >= kMatchWrite, "five stores of the shortest step cover the write");
#pragma GCC unroll 5
    for (size_t k = 0; k < 5; ++k) std::memcpy(dst + k * step, bytes, 16);
  }
}

// The first kTopBits levels of the tree as a table: the next kTopBits input bits give the
// positions passed from the root and the one they lead to, with what it holds, so that a short
// code is decoded with one load. Moves near the root are rare: the table is rebuilt when one
// exchanges the children of a position it was built through, and only the copies of what its
// last positions hold are refreshed when a move reaches no further than those.
constexpr unsigned kTopBits = 5;
struct TopEntry {
  // The inner positions passed below the root; kDummy from a leaf's position on, so that the
  // model update counts these levels without a loop and the leaf, held apart, only once.
  uint16_t passed[kTopBits];
  uint16_t last;     // the leaf's position, or the inner position kTopBits deep
  uint16_t content;  // what `last` holds
  uint16_t depth;    // levels walked, up to kTopBits
};
struct TopTable {
  TopEntry entry[1u << kTopBits];
  // Each entry's last position once more, in one row for the refresh: reading them from the
  // entries instead measured 4% slower, through the loop's code layout.
  uint16_t last[1u << kTopBits];
};

// Walks every kTopBits-bit prefix from the root, stopping at a leaf; no branches on the tree's
// shape, so a rebuild costs no mispredictions.
void FillTop(lzh::HuffmanModel& m, TopTable& table) {
  std::memset(m.watched, 0, sizeof m.watched);
  m.watched_moved = 0;
  for (uint32_t i = 0; i < (1u << kTopBits); ++i) {
    TopEntry& e = table.entry[i];
    uint32_t x = R, depth = 0;
#pragma GCC unroll 8
    for (unsigned level = 0; level < kTopBits; ++level) {
      const uint32_t s = m.son[x];
      const uint32_t inner = s < static_cast<uint32_t>(T);
      m.watched[x] |= static_cast<uint8_t>(inner ? lzh::HuffmanModel::kWatchChildren : 0);
      x = inner ? s + ((i >> (kTopBits - 1 - level)) & 1) : x;
      depth += inner;
      const bool passed = inner && m.son[x] < static_cast<uint32_t>(T);
      e.passed[level] = static_cast<uint16_t>(passed ? x : lzh::HuffmanModel::kDummy);
    }
    e.last = static_cast<uint16_t>(x);
    e.content = static_cast<uint16_t>(m.son[x]);
    e.depth = static_cast<uint16_t>(depth);
    m.watched[x] |= lzh::HuffmanModel::kWatchContent;
    table.last[i] = static_cast<uint16_t>(x);
  }
}

// Only the contents of last positions have moved: copies them again. False when a leaf above the
// table's depth has given way to an inner node, which lengthens the paths through it.
bool RefreshTopLeaves(lzh::HuffmanModel& m, TopTable& table) {
  uint32_t deeper = 0;
#pragma GCC unroll 32  // straight-line: no loop exit to mispredict
  for (uint32_t i = 0; i < (1u << kTopBits); ++i) {
    TopEntry& e = table.entry[i];
    const uint32_t s = m.son[table.last[i]];
    const bool inner = s < static_cast<uint32_t>(T);
    deeper |= inner & (e.depth < kTopBits);
    e.content = static_cast<uint16_t>(s);
    // A last position kTopBits deep is passed through while it holds an inner node.
    e.passed[kTopBits - 1] = static_cast<uint16_t>(inner ? table.last[i] : lzh::HuffmanModel::kDummy);
  }
  m.watched_moved = 0;
  return deeper == 0;
}

}  // namespace

TLZH::TLZH() {
  try {
    model_ = std::make_unique<lzh::HuffmanModel>();
  } catch (const std::bad_alloc&) {
    throw ElzhException(kLzhNoMemoryText);
  }
}

size_t TLZH::UnpackInto(std::span<const uint8_t> input, size_t count, uint8_t* out) {
  if (count == 0) return 0;
  lzh::HuffmanModel& m = *model_;
  m.Start();
  BitInput bits(input);
  uint16_t path[T + 8];
  TopTable top;
  const auto& tables = lzh::kPositionTables;
  size_t n = 0;
  while (n < count) {
    bits.Refill();
    // Walk from the root, remembering the path for the model update. The tree stays a Huffman
    // tree of total weight <= 0x8000, so codes have at most 22 bits; the refill check keeps even
    // a deeper walk inside the buffer, and the path has room for every node.
    if (m.watched_moved) {
      if ((m.watched_moved & lzh::HuffmanModel::kWatchChildren) || !RefreshTopLeaves(m, top)) FillTop(m, top);
    }
    const TopEntry& e = top.entry[bits.Peek(kTopBits)];
    unsigned depth = e.depth;
    bits.Skip(depth);
    uint32_t leaf = e.last;
    uint32_t c = e.content;
    while (c < static_cast<uint32_t>(T)) {
      if (__builtin_expect(bits.bits() == 0, 0)) bits.Refill();
      leaf = c + bits.Bit();
      path[depth] = static_cast<uint16_t>(leaf);
      ++depth;
      c = m.son[leaf];
    }
    c -= T;
    m.UpdateAlongPath<kTopBits>(c, leaf, e.passed, path, depth);
    if (c < 256) {
      out[n++] = static_cast<uint8_t>(c);
      continue;
    }
    // Position: one byte gives the upper six bits and how many more bits follow.
    bits.Need(14);
    const unsigned b = bits.Take(8);
    const unsigned extra = tables.d_len[b] - 2u;
    const unsigned low = ((b << extra) | bits.Take(extra)) & 0x3F;
    const size_t p = (static_cast<size_t>(tables.d_code[b]) << 6) | low;
    const size_t len = c - 255 + lzh::THRESHOLD;
    const size_t dist = p + 1;
    if (__builtin_expect(dist <= n, 1)) {
      CopyMatch(out + n, dist);
    } else {
      // Reaches back into the ring as it was before any output.
      for (size_t k = 0; k < len; ++k) {
        const int64_t from = static_cast<int64_t>(n + k) - static_cast<int64_t>(dist);
        out[n + k] = from >= 0 ? out[from] : lzh::InitialRingByte(from);
      }
    }
    n += len;
  }
  return n;
}

void TLZH::Unpack(std::span<const uint8_t> input, size_t count, std::vector<uint8_t>& out) {
  out.resize(count + kLzhOutputSlack);
  out.resize(UnpackInto(input, count, out.data()));
}

bool TLZH::Unpack(int32_t count, const ReadBytes& read, const WriteBytes& write) {
  if (count < 0) return false;
  std::vector<uint8_t> input;
  for (;;) {
    constexpr size_t kChunk = 64 * 1024;
    const size_t have = input.size();
    input.resize(have + kChunk);
    const size_t got = std::min(read(input.data() + have, kChunk), kChunk);
    input.resize(have + got);
    if (got < kChunk) break;
  }
  if (static_cast<uint64_t>(count) > LzhMaxOutput(input.size())) return false;
  std::vector<uint8_t> out;
  Unpack(input, static_cast<size_t>(count), out);
  if (!out.empty()) write(out.data(), out.size());
  return true;
}

LzhStatus LzhDecompress(std::span<const uint8_t> file, std::vector<uint8_t>& image) {
  image.clear();
  if (file.size() < 4) return LzhStatus::Truncated;
  const int32_t count = static_cast<int32_t>(uint32_t(file[0]) | uint32_t(file[1]) << 8 |
                                             uint32_t(file[2]) << 16 | uint32_t(file[3]) << 24);
  const std::span<const uint8_t> stream = file.subspan(4);
  if (count < 0 || static_cast<uint64_t>(count) > LzhMaxOutput(stream.size())) return LzhStatus::BadLength;
  TLZH().Unpack(stream, static_cast<size_t>(count), image);
  return LzhStatus::Ok;
}

}  // namespace skin
