#pragma once
// The LZHUF parameters, position code tables and adaptive Huffman model shared by the decoder and
// the encoder. Both sides must update the model identically, so there is exactly one copy of it.
#include <array>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace skin::lzh {

inline constexpr int N = 4096;                     // ring buffer size
inline constexpr int F = 60;                       // look-ahead size, longest match
inline constexpr int THRESHOLD = 2;                // longest match still sent as literals
inline constexpr int N_CHAR = 256 - THRESHOLD + F; // 314 symbols: 256 literals + 58 lengths
inline constexpr int T = N_CHAR * 2 - 1;           // 627 tree nodes
inline constexpr int R = T - 1;                    // 626, the root
inline constexpr uint32_t MAX_FREQ = 0x8000;       // root frequency that triggers a rebuild
inline constexpr int RING_START = N - F;           // 4036, first write position
inline constexpr uint8_t RING_FILL = 0x20;         // ring positions 0..4035 start as spaces

// Ring contents before the first output byte, seen from output index `at` (negative, >= -N):
// positions 0..4035 hold spaces, 4036..4095 have never been written and read as zero.
constexpr uint8_t InitialRingByte(int64_t at) { return at >= -(N - F) ? RING_FILL : 0; }

namespace detail {
// The position code tables are defined by runs: how many upper-six-bit codes share one length.
struct PositionTables {
  std::array<uint8_t, 256> d_code{}, d_len{};
  std::array<uint8_t, 64> p_code{}, p_len{};
};

constexpr PositionTables MakePositionTables() {
  PositionTables t;
  // d_code: 32 x 0, 16 each of 1..3, 8 each of 4..11, 4 each of 12..23, 2 each of 24..47, 1 each of 48..63.
  struct Run { int first, last, repeat; };
  constexpr Run code_runs[] = {{0, 0, 32}, {1, 3, 16}, {4, 11, 8}, {12, 23, 4}, {24, 47, 2}, {48, 63, 1}};
  int i = 0;
  for (const Run& r : code_runs)
    for (int c = r.first; c <= r.last; ++c)
      for (int k = 0; k < r.repeat; ++k) t.d_code[i++] = static_cast<uint8_t>(c);
  // d_len: 32 x 3, 48 x 4, 64 x 5, 48 x 6, 48 x 7, 16 x 8.
  constexpr int len_runs[][2] = {{3, 32}, {4, 48}, {5, 64}, {6, 48}, {7, 48}, {8, 16}};
  i = 0;
  for (const auto& r : len_runs)
    for (int k = 0; k < r[1]; ++k) t.d_len[i++] = static_cast<uint8_t>(r[0]);
  // The encoder's tables are the inverse: the first byte of each code and its length.
  for (int b = 255; b >= 0; --b) {
    t.p_code[t.d_code[b]] = static_cast<uint8_t>(b);
    t.p_len[t.d_code[b]] = t.d_len[b];
  }
  return t;
}
}  // namespace detail

inline constexpr detail::PositionTables kPositionTables = detail::MakePositionTables();

// Adaptive Huffman tree over N_CHAR symbols. Nodes are kept sorted by frequency; siblings sit at
// node pairs (2m, 2m+1); son[] >= T marks a leaf (symbol son - T).
struct HuffmanModel {
  // A node that is counted but never moves: the parent of the root and of its children, and what
  // the decoder's table of the top levels holds from a leaf's level on, so that the update can
  // count a fixed number of levels.
  static constexpr uint32_t kDummy = T + N_CHAR + 1;
  uint32_t freq[kDummy + 2];  // freq[T..kDummy-1] are sentinels larger than any real frequency
  uint32_t prnt[kDummy + 1];  // parents of nodes, at T + c the leaf node of symbol c; one spare
  static constexpr uint32_t kSpare = T + N_CHAR;
  uint32_t son[T];
  // Positions a reader has copied elsewhere (the decoder's table of the top levels): the children
  // of a position it walks through, or the content of one it stops at. watched_moved collects the
  // marks of the positions that moves have exchanged; a rebuilt tree sets kWatchChildren.
  static constexpr uint8_t kWatchChildren = 1, kWatchContent = 2;
  uint8_t watched[T];
  uint32_t watched_moved;

  void Start() {
    for (int i = 0; i < N_CHAR; ++i) {
      freq[i] = 1;
      son[i] = static_cast<uint32_t>(i + T);
      prnt[i + T] = static_cast<uint32_t>(i);
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
      freq[j] = freq[i] + freq[i + 1];
      son[j] = static_cast<uint32_t>(i);
      prnt[i] = prnt[i + 1] = static_cast<uint32_t>(j);
    }
    for (uint32_t i = T; i < kDummy; ++i) freq[i] = 0xFFFF;
    freq[kDummy] = 0;  // may wrap: nothing is above the sentinel after it
    freq[kDummy + 1] = 0xFFFFFFFF;
    prnt[R] = kDummy;
    prnt[kDummy] = kDummy;
    DetachRoot();
    std::memset(watched, 0, sizeof watched);
    watched_moved = kWatchChildren;
  }

  // Halves the leaf frequencies and rebuilds the tree from them. Runs once in thousands of
  // symbols: kept out of line, so the callers' loops are laid out without it.
  [[gnu::cold, gnu::noinline]] void Reconstruct() {
    watched_moved = kWatchChildren;
    // Each inner node joins the next pair (i, i + 1) and goes after every node not heavier than
    // it. Inner nodes come in order of weight, so the sorted array is a merge of two sorted
    // queues, leaves and inner nodes, a leaf first where weights are equal: linear, not an
    // insertion sort. Leaves and inner nodes alternate unpredictably, so the choices are data,
    // not branches; a sentinel ends each queue.
    uint32_t leaf_freq[N_CHAR + 1], leaf_son[N_CHAR + 1], inner_freq[N_CHAR];
    uint32_t leaves = 0;
    for (int i = 0; i < T; ++i) {
      const uint32_t s = son[i];
      leaf_freq[leaves] = (freq[i] + 1) / 2;
      leaf_son[leaves] = s;
      leaves += s >= static_cast<uint32_t>(T);
    }
    leaf_freq[N_CHAR] = 0xFFFFFFFF;
    std::memset(inner_freq, 0xFF, sizeof inner_freq);  // an inner node not yet made is never taken
    uint32_t next_leaf = 0, next_inner = 0, made = 0;
    for (int placed = 0; placed < T; ++placed) {
      const uint32_t lf = leaf_freq[next_leaf], nf = inner_freq[next_inner];
      const bool leaf = lf <= nf;
      freq[placed] = leaf ? lf : nf;
      son[placed] = leaf ? leaf_son[next_leaf] : 2 * next_inner;  // the m-th inner node joined (2m, 2m + 1)
      next_leaf += leaf;
      next_inner += !leaf;
      if (placed & 1) inner_freq[made++] = freq[placed - 1] + freq[placed];
    }
    for (int i = 0; i < T; ++i) {
      const uint32_t k = son[i];
      prnt[k] = static_cast<uint32_t>(i);
      prnt[k < static_cast<uint32_t>(T) ? k + 1 : kSpare] = static_cast<uint32_t>(i);
    }
    DetachRoot();
  }

  // The root never moves, so it is counted at its fixed place, apart from the climbs, and they
  // stop below it: the root's children name kDummy as their parent. Climbing through the root
  // cost every move one more load in its chain of parents, and a count at a late-known address.
  // No move writes these two parents: only the root has them as its sons.
  void DetachRoot() { prnt[son[R]] = prnt[son[R] + 1] = kDummy; }

  // Counts one more occurrence of symbol c, keeping the nodes sorted by frequency.
  inline void Update(uint32_t c) {
    if (freq[R] >= MAX_FREQ) Reconstruct();
    Climb(prnt[c + T]);
    ++freq[R];  // in either order: even uncounted, the root outweighs every node of the climb
  }

  // Update for symbol c, whose leaf the decoder has just reached at position `leaf` (depth levels
  // below the root) through top[0..kFixed-1], the decoder's table of the top levels (kDummy from
  // the leaf's level on), then path[kFixed..depth-2]. The leaf is counted from the register, not
  // from a store just made. Until the first move the parents are exactly the path, so the walk up
  // needs no parent loads. The top levels are straight-line code, and the loop over the levels
  // below them runs as often as the decoder's own walk, so it is rarely mispredicted.
  template <unsigned kFixed>
  inline void UpdateAlongPath(uint32_t c, uint32_t leaf, const uint16_t* top, const uint16_t* path,
                              unsigned depth) {
    if (freq[R] >= MAX_FREQ) {
      Update(c);
      return;
    }
    ++freq[R];  // before its children: no child ever overtakes the root
    // Count up the path until a node overtakes its right neighbour. Every level jumps to the one
    // copy of the move and the climb after it: inlined at each level, they made the loop several
    // times larger and slower.
    uint32_t node = leaf, k;
    unsigned i = depth - 1;
    if (Overtakes(node, k)) goto move;
    while (i > kFixed) {
      node = path[--i];
      if (Overtakes(node, k)) goto move;
    }
#pragma GCC unroll 16
    for (unsigned j = 0; j < kFixed; ++j) {
      i = kFixed - 1 - j;
      node = top[i];
      if (Overtakes(node, k)) goto move;
    }
    return;
  move:
    ClimbFrom<kFixed>(prnt[MoveUp(node, k)], i);
  }

 private:
  // Counts node; true when it now has to move, k being its new count.
  inline bool Overtakes(uint32_t node, uint32_t& k) {
    k = ++freq[node];
    return k > freq[node + 1];
  }

  // Climbs from c, which nearly always has i nodes above it below the root: a counted loop, then
  // kFixed straight-line steps (any past the root's children count kDummy). The end of the climb
  // is thus known without waiting for the chain of parent loads.
  template <unsigned kFixed>
  inline void ClimbFrom(uint32_t c, unsigned i) {
    for (; i > kFixed; --i) c = Step(c);
#pragma GCC unroll 16
    for (unsigned j = 0; j < kFixed; ++j) c = Step(c);
    if (c != kDummy) Climb(c);  // c was deeper than the node it replaced
  }

  inline uint32_t Step(uint32_t c) {
    const uint32_t k = ++freq[c];
    if (k > freq[c + 1]) c = MoveUp(c, k);
    return prnt[c];
  }

  // Node c has just reached frequency k, more than its right neighbour: exchange it with the
  // last node of lower frequency. Answers c's new place.
  inline uint32_t MoveUp(uint32_t c, uint32_t k) {
    uint32_t l = c + 2;
#if defined(__SSE2__)
    // 16 at a time: the block of equal frequencies ends within that in 99% of moves, so the
    // loop rarely runs twice.
    const __m128i key = _mm_set1_epi32(static_cast<int>(k));
    for (;;) {
      const __m128i* f = reinterpret_cast<const __m128i*>(&freq[l]);
      const __m128i lo = _mm_packs_epi32(_mm_cmplt_epi32(_mm_loadu_si128(f), key),
                                         _mm_cmplt_epi32(_mm_loadu_si128(f + 1), key));
      const __m128i hi = _mm_packs_epi32(_mm_cmplt_epi32(_mm_loadu_si128(f + 2), key),
                                         _mm_cmplt_epi32(_mm_loadu_si128(f + 3), key));
      const int less = _mm_movemask_epi8(_mm_packs_epi16(lo, hi));
      if (less != 0xFFFF) {
        l += static_cast<uint32_t>(__builtin_ctz(~less));
        break;
      }
      l += 16;
    }
#else
    while (k > freq[l]) ++l;
#endif
    --l;
    watched_moved |= watched[c] | watched[l];
    freq[c] = freq[l];
    freq[l] = k;
    const uint32_t i = son[c];
    prnt[i] = l;
    // A leaf has no second child; its write goes to the spare slot instead of branching.
    prnt[i < static_cast<uint32_t>(T) ? i + 1 : kSpare] = l;
    const uint32_t j = son[l];
    son[l] = i;
    prnt[j] = c;
    prnt[j < static_cast<uint32_t>(T) ? j + 1 : kSpare] = c;
    son[c] = j;
    return l;
  }

  // Increments c and its ancestors up to the root, moving nodes up where they overtake.
  inline void Climb(uint32_t c) {
    do c = Step(c);
    while (c != kDummy);
  }
};

}  // namespace skin::lzh
