// LZHUF decoder and encoder: round trips, agreement with a plain transcription of the published
// decoder, truncated input, overrun of the final match, refused lengths.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "skin/data/lzhuf.h"
#include "skin/data/lzhuf_encoder.h"
#include "skin/data/reference_lzhuf.h"
#include "skin/data/skin_like_data.h"

namespace {

using Bytes = std::vector<uint8_t>;
using testing_skin::Rng;

std::span<const uint8_t> Stream(const Bytes& file) { return std::span<const uint8_t>(file).subspan(4); }

Bytes Random(size_t n, uint32_t seed) {
  Rng rng(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<uint8_t>(rng.Next());
  return b;
}

Bytes Repeat(const Bytes& unit, size_t n) {
  Bytes b;
  while (b.size() < n) b.insert(b.end(), unit.begin(), unit.end());
  b.resize(n);
  return b;
}

struct RoundTripCase {
  const char* name;
  Bytes data;
};

std::vector<RoundTripCase> RoundTripCases() {
  Bytes all_values(256);
  for (int i = 0; i < 256; ++i) all_values[i] = static_cast<uint8_t>(i);
  Bytes short_periods;  // every match distance below 16
  for (int d = 1; d < 16; ++d) {
    const Bytes unit = Random(d, d);
    const Bytes run = Repeat(unit, 200 + d);
    short_periods.insert(short_periods.end(), run.begin(), run.end());
  }
  const std::string text = "[Form]\r\nBorder=frame.bmp\r\nCaptionHeight=26\r\n";
  return {
      {"empty", {}},
      {"one byte", {0x41}},
      {"two bytes", {0x20, 0x00}},
      {"three spaces (matches the initial ring)", {' ', ' ', ' '}},
      {"long run (60-byte matches)", Bytes(300000, 0xAA)},
      {"magenta pixels", Repeat({0xFF, 0x00, 0xFF}, 100000)},
      {"short periods", short_periods},
      {"all byte values", Repeat(all_values, 5000)},
      {"random", Random(65536, 7)},
      {"random literals (many tree rebuilds among equal weights)", Random(300000, 11)},
      {"distance 4096 repeats", Repeat(Random(4096, 9), 20000)},
      {"distance 4097 repeats", Repeat(Random(4097, 10), 20000)},
      {"text", Repeat(Bytes(text.begin(), text.end()), 3000)},
      {"bitmap-like", testing_skin::MakeBitmapLikeBytes(300000, 1)},
      {"over a megabyte", testing_skin::MakeBitmapLikeBytes(1300000, 2)},
  };
}

TEST(Lzhuf, RoundTripsAndAgreesWithThePublishedDecoder) {
  skin::TLZH lzh;  // one decoder for all cases: nothing may carry over between runs
  for (const auto& c : RoundTripCases()) {
    SCOPED_TRACE(c.name);
    const Bytes file = skin::LzhCompress(c.data);
    ASSERT_GE(file.size(), 4u);
    uint32_t declared;
    std::memcpy(&declared, file.data(), 4);  // little-endian host in both trees
    EXPECT_EQ(declared, c.data.size());
    if (c.data.size() > 1000) {
      EXPECT_LT(file.size(), c.data.size() + c.data.size() / 8 + 16);
    }
    Bytes out;
    lzh.Unpack(Stream(file), c.data.size(), out);
    EXPECT_TRUE(out == c.data);
    EXPECT_TRUE(testing_lzh::ReferenceDecode(Stream(file), c.data.size()) == c.data);
  }
}

TEST(Lzhuf, ArbitraryStreamsDecodeLikeThePublishedDecoder) {
  // Random bits reach everything an encoder avoids: positions into the never-written part of the
  // initial ring, overlapping copies of every distance, tree rebuilds in odd places.
  skin::TLZH lzh;
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    const Bytes stream = Random(200 + seed * 97, seed);
    const size_t count = 1 + (seed * 7919) % 20000;
    Bytes out;
    lzh.Unpack(stream, count, out);
    const Bytes ref = testing_lzh::ReferenceDecode(stream, count);
    ASSERT_TRUE(out == ref) << "seed " << seed;
    EXPECT_GE(out.size(), count);
    EXPECT_LE(out.size(), count + skin::kLzhMaxOverrun);
  }
}

TEST(Lzhuf, TruncatedStreamDecodesTheRestFromZeroBits) {
  const Bytes data = testing_skin::MakeBitmapLikeBytes(200000, 3);
  const Bytes file = skin::LzhCompress(data);
  const auto stream = Stream(file);
  skin::TLZH lzh;
  for (size_t keep : {stream.size() - 1, stream.size() - 100, stream.size() / 2, size_t{40}}) {
    SCOPED_TRACE(keep);
    const auto cut = stream.first(keep);
    Bytes padded(cut.begin(), cut.end());
    padded.resize(padded.size() + 6 * data.size(), 0);  // more zero bytes than any decode can use
    Bytes out, from_padded;
    lzh.Unpack(cut, data.size(), out);
    lzh.Unpack(padded, data.size(), from_padded);
    EXPECT_GE(out.size(), data.size());
    EXPECT_TRUE(out == from_padded);
    EXPECT_TRUE(out == testing_lzh::ReferenceDecode(cut, data.size()));
    // Whatever was decoded from real bits is right.
    const size_t safe = keep * 8 / 23;  // a symbol that yields a byte costs fewer than 23 bits
    EXPECT_TRUE(std::equal(out.begin(), out.begin() + std::min(safe, data.size()), data.begin()));
  }
}

TEST(Lzhuf, FinalMatchIsCopiedWholePastTheCount) {
  const Bytes data(200, 'x');  // one literal, then matches of 60, 60, 60 and 19
  const Bytes file = skin::LzhCompress(data);
  skin::TLZH lzh;
  for (size_t count : {size_t{2}, size_t{61}, size_t{150}, size_t{199}}) {
    Bytes out;
    lzh.Unpack(Stream(file), count, out);
    EXPECT_GE(out.size(), count);
    EXPECT_LE(out.size(), count + skin::kLzhMaxOverrun);
    EXPECT_TRUE(std::equal(out.begin(), out.end(), data.begin())) << count;
  }
  Bytes out;
  lzh.Unpack(Stream(file), 150, out);
  EXPECT_EQ(out.size(), 181u);  // the match covering byte 150 ends at 181
}

TEST(Lzhuf, DecoderKeepsNoStateBetweenRuns) {
  const Bytes a = Random(5000, 21), b = testing_skin::MakeBitmapLikeBytes(50000, 22);
  const Bytes fa = skin::LzhCompress(a), fb = skin::LzhCompress(b);
  skin::TLZH reused;
  Bytes out;
  reused.Unpack(Stream(fa), a.size(), out);
  reused.Unpack(Stream(fb), b.size(), out);
  EXPECT_TRUE(out == b);
  reused.Unpack(Stream(fa), a.size(), out);
  EXPECT_TRUE(out == a);
}

TEST(Lzhuf, StreamFormReadsUntilTheInputRunsShort) {
  const Bytes data = testing_skin::MakeBitmapLikeBytes(150000, 4);
  const Bytes file = skin::LzhCompress(data);
  const auto stream = Stream(file);
  size_t pos = 0;
  auto read = [&](uint8_t* buf, size_t wanted) {
    const size_t n = std::min(wanted, stream.size() - pos);  // clamps to what is left
    std::memcpy(buf, stream.data() + pos, n);
    pos += n;
    return n;
  };
  Bytes written;
  auto write = [&](const uint8_t* p, size_t n) { written.insert(written.end(), p, p + n); };
  skin::TLZH lzh;
  ASSERT_TRUE(lzh.Unpack(static_cast<int32_t>(data.size()), read, write));
  EXPECT_TRUE(written == data);

  pos = 0;
  written.clear();
  EXPECT_FALSE(lzh.Unpack(-1, read, write));
  pos = stream.size() - 2;  // two bytes cannot make a megabyte
  EXPECT_FALSE(lzh.Unpack(1 << 20, read, write));
  EXPECT_TRUE(written.empty());
}

TEST(Lzhuf, DeclaredLengthIsCheckedBeforeDecoding) {
  auto with_length = [](int64_t length, size_t stream_bytes) {
    Bytes f(4 + stream_bytes, 0x5A);
    const uint32_t u = static_cast<uint32_t>(length);
    std::memcpy(f.data(), &u, 4);
    return f;
  };
  const uint64_t max10 = skin::LzhMaxOutput(10);
  EXPECT_EQ(max10, 6u * 79 + 60);
  struct Case {
    const char* name;
    Bytes file;
    skin::LzhStatus status;
  } cases[] = {
      {"empty file", {}, skin::LzhStatus::Truncated},
      {"three bytes", {1, 0, 0}, skin::LzhStatus::Truncated},
      {"zero length, no stream", with_length(0, 0), skin::LzhStatus::Ok},
      {"one byte from no stream", with_length(1, 0), skin::LzhStatus::BadLength},
      {"negative", with_length(-1, 10), skin::LzhStatus::BadLength},
      {"2 GiB from ten bytes", with_length(0x7FFFFFFF, 10), skin::LzhStatus::BadLength},
      {"one past the bound", with_length(static_cast<int64_t>(max10) + 1, 10), skin::LzhStatus::BadLength},
      {"at the bound", with_length(static_cast<int64_t>(max10), 10), skin::LzhStatus::Ok},
  };
  for (const auto& c : cases) {
    Bytes image{1, 2, 3};
    EXPECT_EQ(skin::LzhDecompress(c.file, image), c.status) << c.name;
    if (c.status != skin::LzhStatus::Ok) {
      EXPECT_TRUE(image.empty()) << c.name;
    }
  }
}

TEST(Lzhuf, BoundHoldsForTheMostCompressibleInput) {
  // A long run is the best case of the format; its real size must stay inside the bound.
  for (size_t n : {size_t{1}, size_t{64}, size_t{5000}, size_t{2000000}}) {
    const Bytes file = skin::LzhCompress(Bytes(n, 0));
    EXPECT_LE(n, skin::LzhMaxOutput(file.size() - 4)) << n;
  }
}

TEST(Lzhuf, PositionTablesAreInverse) {
  const auto& t = skin::lzh::kPositionTables;
  EXPECT_EQ(t.p_code[1], 0x20);
  EXPECT_EQ(t.p_code[48], 0xF0);
  EXPECT_EQ(t.p_len[0], 3);
  EXPECT_EQ(t.p_len[63], 8);
  for (int b = 0; b < 256; ++b) {
    const int code = t.d_code[b];
    const int shift = 8 - t.p_len[code];
    EXPECT_EQ(b >> shift, t.p_code[code] >> shift) << b;
    EXPECT_EQ(t.d_len[b], t.p_len[code]) << b;
  }
}

}  // namespace
