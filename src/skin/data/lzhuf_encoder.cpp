#include "skin/data/lzhuf_encoder.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <stdexcept>

#include "skin/data/lzhuf_model.h"

namespace skin {
namespace {

using lzh::F;
using lzh::N;
using lzh::T;
using lzh::THRESHOLD;

constexpr int NIL = N;  // "no node" in the match tree

// MSB-first bit output; the last byte is padded with zero bits.
class BitOutput {
 public:
  explicit BitOutput(std::vector<uint8_t>& out) : out_(out) {}
  // Appends the low `n` bits of `code` (n <= 32), most significant first.
  void Put(unsigned n, uint32_t code) {
    acc_ = (acc_ << n) | (code & ((uint64_t(1) << n) - 1));
    bits_ += n;
    while (bits_ >= 8) {
      bits_ -= 8;
      out_.push_back(static_cast<uint8_t>(acc_ >> bits_));
    }
  }
  void Flush() {
    if (bits_ > 0) out_.push_back(static_cast<uint8_t>(acc_ << (8 - bits_)));
    bits_ = 0;
  }

 private:
  std::vector<uint8_t>& out_;
  uint64_t acc_ = 0;
  unsigned bits_ = 0;
};

// Ring buffer with its first F-1 bytes mirrored past the end, and the binary search trees of the
// strings starting at each ring position (one tree per first byte, roots at N + 1 + byte).
struct Encoder {
  uint8_t text_buf[N + F - 1] = {};
  int lson[N + 1];
  int rson[N + 257];
  int dad[N + 1];
  int match_position = 0;
  int match_length = 0;
  lzh::HuffmanModel model;

  void InitTree() {
    for (int i = N + 1; i <= N + 256; ++i) rson[i] = NIL;
    for (int i = 0; i < N; ++i) dad[i] = NIL;
  }

  // Inserts the string at r into its tree, finding the longest (then the nearest) earlier match.
  void InsertNode(int r) {
    int cmp = 1;
    const uint8_t* key = &text_buf[r];
    int p = N + 1 + key[0];
    rson[r] = lson[r] = NIL;
    match_length = 0;
    for (;;) {
      if (cmp >= 0) {
        if (rson[p] != NIL) {
          p = rson[p];
        } else {
          rson[p] = r;
          dad[r] = p;
          return;
        }
      } else {
        if (lson[p] != NIL) {
          p = lson[p];
        } else {
          lson[p] = r;
          dad[r] = p;
          return;
        }
      }
      int i = 1;
      for (; i < F; ++i)
        if ((cmp = key[i] - text_buf[p + i]) != 0) break;
      if (i > THRESHOLD) {
        if (i > match_length) {
          match_position = ((r - p) & (N - 1)) - 1;
          if ((match_length = i) >= F) break;
        }
        if (i == match_length) {
          const int c = ((r - p) & (N - 1)) - 1;
          if (c < match_position) match_position = c;
        }
      }
    }
    // Full-length match: r replaces p in the tree.
    dad[r] = dad[p];
    lson[r] = lson[p];
    rson[r] = rson[p];
    dad[lson[p]] = r;
    dad[rson[p]] = r;
    if (rson[dad[p]] == p)
      rson[dad[p]] = r;
    else
      lson[dad[p]] = r;
    dad[p] = NIL;
  }

  void DeleteNode(int p) {
    if (dad[p] == NIL) return;
    int q;
    if (rson[p] == NIL) {
      q = lson[p];
    } else if (lson[p] == NIL) {
      q = rson[p];
    } else {
      q = lson[p];
      if (rson[q] != NIL) {
        do {
          q = rson[q];
        } while (rson[q] != NIL);
        rson[dad[q]] = lson[q];
        dad[lson[q]] = dad[q];
        lson[q] = lson[p];
        dad[lson[p]] = q;
      }
      rson[q] = rson[p];
      dad[rson[p]] = q;
    }
    dad[q] = dad[p];
    if (rson[dad[p]] == p)
      rson[dad[p]] = q;
    else
      lson[dad[p]] = q;
    dad[p] = NIL;
  }

  // Sends symbol c with its current code (the path from the root to its leaf), then counts it.
  // The tree is a Huffman tree of total weight <= 0x8000, so a code has at most 22 bits.
  void EncodeChar(BitOutput& out, unsigned c) {
    uint64_t code = 0;
    unsigned depth = 0;
    // The root's children name kDummy as their parent.
    constexpr uint32_t kAboveRoot = lzh::HuffmanModel::kDummy;
    for (uint32_t k = model.prnt[c + T]; k != kAboveRoot; k = model.prnt[k], ++depth) {
      if (depth == 64) throw std::logic_error("LZH code longer than 64 bits");
      code |= uint64_t(k & 1u) << depth;  // an odd node is its parent's second son
    }
    if (depth > 32) out.Put(depth - 32, static_cast<uint32_t>(code >> 32));
    out.Put(depth > 32 ? 32 : depth, static_cast<uint32_t>(code));
    model.Update(c);
  }

  static void EncodePosition(BitOutput& out, unsigned p) {
    const unsigned hi = p >> 6;
    out.Put(lzh::kPositionTables.p_len[hi], lzh::kPositionTables.p_code[hi] >> (8 - lzh::kPositionTables.p_len[hi]));
    out.Put(6, p & 0x3F);
  }
};

}  // namespace

std::vector<uint8_t> LzhCompress(std::span<const uint8_t> input) {
  if (input.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
    throw std::length_error("LZH input too large");
  std::vector<uint8_t> out;
  const uint32_t size = static_cast<uint32_t>(input.size());
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<uint8_t>(size >> (8 * k)));
  if (input.empty()) return out;
  out.reserve(4 + input.size() / 2);

  auto enc = std::make_unique<Encoder>();
  Encoder& e = *enc;
  BitOutput bits(out);
  e.model.Start();
  e.InitTree();
  size_t in = 0;
  int s = 0;
  int r = N - F;
  for (int i = s; i < r; ++i) e.text_buf[i] = lzh::RING_FILL;
  int len = 0;
  for (; len < F && in < input.size(); ++len) e.text_buf[r + len] = input[in++];
  for (int i = 1; i <= F; ++i) e.InsertNode(r - i);
  e.InsertNode(r);
  do {
    if (e.match_length > len) e.match_length = len;
    if (e.match_length <= THRESHOLD) {
      e.match_length = 1;
      e.EncodeChar(bits, e.text_buf[r]);
    } else {
      e.EncodeChar(bits, static_cast<unsigned>(255 - THRESHOLD + e.match_length));
      Encoder::EncodePosition(bits, static_cast<unsigned>(e.match_position));
    }
    const int last_match_length = e.match_length;
    int i = 0;
    for (; i < last_match_length && in < input.size(); ++i) {
      const uint8_t c = input[in++];
      e.DeleteNode(s);
      e.text_buf[s] = c;
      if (s < F - 1) e.text_buf[s + N] = c;
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      e.InsertNode(r);
    }
    while (i++ < last_match_length) {
      e.DeleteNode(s);
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      if (--len) e.InsertNode(r);
    }
  } while (len > 0);
  bits.Flush();
  return out;
}

}  // namespace skin
