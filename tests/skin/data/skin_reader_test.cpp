// TSkinReader: header versions, directory rules, lookups, and damaged or hostile containers.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "skin/data/lzhuf.h"
#include "skin/data/lzhuf_encoder.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_writer.h"
#include "skin/data/skin_like_data.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes B(std::string_view s) { return Bytes(s.begin(), s.end()); }

// An expanded image built field by field, so tests can break any of them.
struct RawSkin {
  int32_t version = 70000;
  std::optional<int32_t> directory_length;  // default: the directory text's length
  std::optional<size_t> info_size;          // default: the version's information block
  std::string directory;
  std::vector<int32_t> sizes;
  Bytes data;

  Bytes Image() const {
    Bytes b;
    auto put = [&](int32_t v) {
      const uint32_t u = static_cast<uint32_t>(v);
      for (int k = 0; k < 4; ++k) b.push_back(static_cast<uint8_t>(u >> (8 * k)));
    };
    put(version);
    put(directory_length.value_or(static_cast<int32_t>(directory.size())));
    put(0x11111111);
    put(0x22222222);
    // Junk that would parse as names if the block were skipped by the wrong size.
    const size_t info = info_size.value_or(skin::InformationBlockSize(version).value_or(0));
    for (size_t i = 0; i < info; ++i) b.push_back(i % 3 == 2 ? '\n' : 'Q');
    b.insert(b.end(), directory.begin(), directory.end());
    for (int32_t s : sizes) put(s);
    b.insert(b.end(), data.begin(), data.end());
    return b;
  }
  Bytes File() const { return skin::LzhCompress(Image()); }
};

// A skin whose entries are named `names` (one CR LF line each) with bytes "<index>:<name>".
RawSkin Named(const std::vector<std::string>& names, int32_t version = 70000) {
  RawSkin s;
  s.version = version;
  for (size_t i = 0; i < names.size(); ++i) {
    s.directory += names[i] + "\r\n";
    const std::string body = std::to_string(i) + ":" + names[i];
    s.sizes.push_back(static_cast<int32_t>(body.size()));
    s.data.insert(s.data.end(), body.begin(), body.end());
  }
  return s;
}

Bytes Get(const skin::TSkinReader& r, std::string_view name) {
  Bytes out{9, 9};
  const bool found = r.GetEntry(name, out);
  EXPECT_EQ(found, !out.empty()) << name;
  return out;
}

void SetDeclaredLength(Bytes& file, int64_t length) {
  const uint32_t u = static_cast<uint32_t>(length);
  for (int k = 0; k < 4; ++k) file[k] = static_cast<uint8_t>(u >> (8 * k));
}

TEST(SkinReader, EveryVersionSkipsItsInformationBlock) {
  for (const auto& v : skin::kSkinVersions) {
    SCOPED_TRACE(v.version);
    skin::TSkinReader r;
    ASSERT_EQ(r.ReadSkin(Named({"skin.ini", "button.bmp"}, v.version).File()), skin::ReadStatus::Ok);
    EXPECT_EQ(r.Version(), v.version);
    EXPECT_EQ(r.Directory(), (std::vector<std::string>{"skin.ini", "button.bmp"}));
    EXPECT_EQ(r.Reserved()[0], 0x11111111);
    EXPECT_EQ(r.Reserved()[1], 0x22222222);
    EXPECT_EQ(Get(r, "button.bmp"), B("1:button.bmp"));

    // The writer's files read back the same way.
    const skin::SkinEntries entries = {{"Skin.ini", B("[Form]")}, {"a.bmp", B("BMxyz")}, {"empty", {}}};
    ASSERT_EQ(r.ReadSkin(skin::WriteSkinFile(v.version, entries)), skin::ReadStatus::Ok);
    EXPECT_EQ(r.Directory(), (std::vector<std::string>{"skin.ini", "a.bmp", "empty"}));
    EXPECT_EQ(Get(r, "skin.ini"), B("[Form]"));
    EXPECT_EQ(Get(r, "a.bmp"), B("BMxyz"));
    EXPECT_TRUE(Get(r, "empty").empty());
  }
}

TEST(SkinReader, UnknownVersionIsOlderFormat) {
  EXPECT_STREQ(skin::kOlderSkinMessage, "This is Older Skin File\rPlease update to new version !");
  for (int32_t version : {10000, 0, -1, 19999, 25000, 70001}) {
    skin::TSkinReader r;
    EXPECT_EQ(r.ReadSkin(Named({"skin.ini"}, version).File()), skin::ReadStatus::OlderFormat) << version;
    EXPECT_EQ(r.Version(), version);
    EXPECT_TRUE(r.Directory().empty());
    EXPECT_TRUE(Get(r, "skin.ini").empty());
  }
}

TEST(SkinReader, DirectoryTextSplitsLikeAStringList) {
  struct Case {
    std::string text;
    std::vector<std::string> names;
  } cases[] = {
      {"Skin.ini\r\nButton.BMP\r\n", {"skin.ini", "button.bmp"}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"\r\n", {""}},
      {"a\r\n\r\n", {"a", ""}},
      {std::string("a\r\nb\0c\r\n", 8), {"a", "b"}},
      {std::string("\0a\r\n", 4), {}},
      {"", {}},
      {"\xB0\x41Z\xC4\r\n", {"\xB0\x61z\xC4"}},  // only ASCII letters are lowered, byte by byte
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    RawSkin s;
    s.directory = c.text;
    for (size_t i = 0; i < c.names.size(); ++i) {
      s.sizes.push_back(1);
      s.data.push_back(static_cast<uint8_t>('0' + i));
    }
    skin::TSkinReader r;
    ASSERT_EQ(r.ReadSkin(s.File()), skin::ReadStatus::Ok);
    EXPECT_EQ(r.Directory(), c.names);
    EXPECT_EQ(r.EntryCount(), c.names.size());
    for (size_t i = 0; i < c.names.size(); ++i) {
      std::span<const uint8_t> bytes;
      ASSERT_TRUE(r.EntryBytes(i, bytes));
      EXPECT_EQ(bytes.size(), 1u);
      EXPECT_EQ(bytes[0], '0' + i);
    }
  }
}

TEST(SkinReader, LookupsGoByDirectoryOrder) {
  skin::TSkinReader r;
  ASSERT_EQ(r.ReadSkin(Named({"old.ini.bak", "Skin.ini", "Button.BMP", "button.bmp", "", "zero"}).File()),
            skin::ReadStatus::Ok);
  EXPECT_EQ(Get(r, "BUTTON.bmp"), B("2:Button.BMP"));  // first of two equal names
  EXPECT_EQ(Get(r, "skin.INI"), B("1:Skin.ini"));
  EXPECT_EQ(Get(r, ""), B("4:"));
  EXPECT_TRUE(Get(r, "missing.bmp").empty());
  EXPECT_TRUE(Get(r, "button").empty());  // whole names only

  std::vector<uint8_t> out;
  std::string name = "unchanged";
  EXPECT_TRUE(r.FindEntry(".ini", out, name));
  EXPECT_EQ(name, "old.ini.bak");
  EXPECT_EQ(out, B("0:old.ini.bak"));
  EXPECT_TRUE(r.FindEntry("bmp", out, name));
  EXPECT_EQ(name, "button.bmp");
  EXPECT_EQ(out, B("2:Button.BMP"));

  for (std::string_view miss : {".INI", "", "nothing"}) {  // the fragment is not lowered
    name = "unchanged";
    out = {1};
    EXPECT_FALSE(r.FindEntry(miss, out, name)) << miss;
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(name, "unchanged");
  }
}

TEST(SkinReader, EmptyEntryIsAbsent) {
  RawSkin s = Named({"a.ini"});
  s.directory += "zero.bmp\r\n";
  s.sizes.push_back(0);
  skin::TSkinReader r;
  ASSERT_EQ(r.ReadSkin(s.File()), skin::ReadStatus::Ok);
  EXPECT_TRUE(Get(r, "zero.bmp").empty());
  std::vector<uint8_t> out{1};
  std::string name;
  EXPECT_FALSE(r.FindEntry("zero", out, name));
  EXPECT_EQ(name, "zero.bmp");
  EXPECT_TRUE(out.empty());
}

TEST(SkinReader, Version30000WithEmptyDirectory) {
  RawSkin s;
  s.version = 30000;
  s.data = B("stray bytes");
  skin::TSkinReader r;
  ASSERT_EQ(r.ReadSkin(s.File()), skin::ReadStatus::Ok);
  EXPECT_TRUE(r.Directory().empty());
  EXPECT_EQ(r.EntryData().size(), s.data.size());
  std::vector<uint8_t> out;
  std::string name;
  EXPECT_FALSE(r.FindEntry("s", out, name));
  EXPECT_TRUE(Get(r, "").empty());
}

TEST(SkinReader, TailOfTheFinalMatchBelongsToTheLastEntry) {
  RawSkin s = Named({"skin.ini", "tail.bmp"});
  s.sizes[1] = 600;
  s.data.resize(s.data.size() - 10);
  s.data.insert(s.data.end(), 600, 0xAB);  // ends in a match of 59 bytes
  const Bytes image = s.Image();
  Bytes file = skin::LzhCompress(image);
  SetDeclaredLength(file, static_cast<int64_t>(image.size()) - 8);
  Bytes produced;
  skin::TLZH().Unpack(std::span<const uint8_t>(file).subspan(4), image.size() - 8, produced);
  ASSERT_EQ(produced, image);

  skin::TSkinReader r;
  ASSERT_EQ(r.ReadSkin(file), skin::ReadStatus::Ok);
  EXPECT_EQ(Get(r, "tail.bmp"), Bytes(600, 0xAB));

  // Declared far shorter: the last entry now runs past the data and is absent, the first stays.
  SetDeclaredLength(file, static_cast<int64_t>(image.size()) - 300);
  ASSERT_EQ(r.ReadSkin(file), skin::ReadStatus::Ok);
  EXPECT_TRUE(Get(r, "tail.bmp").empty());
  EXPECT_EQ(Get(r, "skin.ini"), B("0:skin.ini"));
}

TEST(SkinReader, TruncatedFileKeepsWhatItsBitsCarry) {
  const skin::SkinEntries entries = testing_skin::MakeSkinLikeEntries(100000, 5);
  Bytes file = skin::WriteSkinFile(70000, entries);
  file.resize(file.size() / 2);
  skin::TSkinReader r;
  ASSERT_EQ(r.ReadSkin(file), skin::ReadStatus::Ok);
  EXPECT_EQ(r.EntryCount(), entries.size());
  EXPECT_EQ(Get(r, "skin.ini"), entries[0].second);
  EXPECT_EQ(Get(r, entries[1].first), entries[1].second);

  // Cut so far that the rest could not produce the declared length even at the format's best
  // ratio: refused before anything is allocated.
  file.resize(file.size() / 100);
  EXPECT_EQ(r.ReadSkin(file), skin::ReadStatus::Unreadable);
}

TEST(SkinReader, HostileContainers) {
  RawSkin negative = Named({"a", "b", "c"});
  negative.sizes = {5, -3, 4};
  negative.data = B("012345678");
  RawSkin past_end = Named({"a", "b"});
  past_end.sizes = {3, 100};
  past_end.data = B("0123456789");
  RawSkin overflow = Named({"a", "b", "c"});
  overflow.sizes = {0x7FFFFFFF, 0x7FFFFFFF, 2};
  overflow.data = B("xy");
  RawSkin short_table = Named({"a", "b", "c"});
  short_table.sizes.resize(2);
  short_table.data.clear();
  RawSkin short_info = Named({"a"}, 30000);
  short_info.info_size = 100;
  short_info.directory.clear();
  short_info.sizes.clear();
  short_info.data.clear();
  RawSkin negative_dir = Named({"a"});
  negative_dir.directory_length = -5;
  RawSkin long_dir = Named({"a"});
  long_dir.directory_length = 100000;

  struct Case {
    const char* name;
    Bytes file;
    skin::ReadStatus status;
    std::vector<std::pair<std::string, std::optional<std::string>>> entries;  // nullopt: absent
  } cases[] = {
      {"empty file", {}, skin::ReadStatus::Unreadable, {}},
      {"length field cut", {0x10, 0, 0}, skin::ReadStatus::Unreadable, {}},
      {"negative length", {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3}, skin::ReadStatus::Unreadable, {}},
      {"2 GiB from four bytes", {0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3, 4}, skin::ReadStatus::Unreadable, {}},
      {"image shorter than the header", skin::LzhCompress(B("\x70\x11\x01\x00\x00\x00")),
       skin::ReadStatus::Unreadable, {}},
      {"information block cut short", short_info.File(), skin::ReadStatus::Unreadable, {}},
      {"negative directory length", negative_dir.File(), skin::ReadStatus::Unreadable, {}},
      {"directory past the end", long_dir.File(), skin::ReadStatus::Unreadable, {}},
      {"size table cut short", short_table.File(), skin::ReadStatus::Unreadable, {}},
      {"negative entry size", negative.File(), skin::ReadStatus::Ok,
       {{"a", "01234"}, {"b", std::nullopt}, {"c", "2345"}}},  // c starts at 5 - 3
      {"entry past the data", past_end.File(), skin::ReadStatus::Ok, {{"a", "012"}, {"b", std::nullopt}}},
      {"sizes past 2 GiB", overflow.File(), skin::ReadStatus::Ok,
       {{"a", std::nullopt}, {"b", std::nullopt}, {"c", std::nullopt}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    skin::TSkinReader r;
    ASSERT_EQ(r.ReadSkin(c.file), c.status);
    if (c.status == skin::ReadStatus::Unreadable) {
      EXPECT_TRUE(r.Directory().empty());
    }
    for (const auto& [name, bytes] : c.entries) {
      EXPECT_EQ(Get(r, name), bytes ? B(*bytes) : Bytes{}) << name;
    }
  }
}

TEST(SkinReader, DirectoryBeyond1001LinesKeepsTheFirst1001) {
  std::vector<std::string> names;
  for (int i = 0; i < 1005; ++i) names.push_back("e" + std::to_string(i));
  skin::TSkinReader r;
  ASSERT_EQ(r.ReadSkin(Named(names).File()), skin::ReadStatus::Ok);
  EXPECT_EQ(r.EntryCount(), skin::kMaxSkinEntries);
  EXPECT_EQ(r.EntrySizes().size(), skin::kMaxSkinEntries);
  EXPECT_EQ(Get(r, "e1000"), B("1000:e1000"));
  EXPECT_TRUE(Get(r, "e1001").empty());
  EXPECT_EQ(Get(r, "E0"), B("0:e0"));
  EXPECT_EQ(r.IgnoredNames(), 4u);
  ASSERT_EQ(r.ReadSkin(Named({"a"}).File()), skin::ReadStatus::Ok);
  EXPECT_EQ(r.IgnoredNames(), 0u);
}

TEST(SkinReader, EachReadReplacesTheLastOne) {
  skin::TSkinReader r;
  ASSERT_EQ(r.ReadSkin(Named({"a.ini"}).File()), skin::ReadStatus::Ok);
  EXPECT_EQ(r.ReadSkin(Named({"b.ini"}, 10000).File()), skin::ReadStatus::OlderFormat);
  EXPECT_TRUE(Get(r, "a.ini").empty());
  ASSERT_EQ(r.ReadSkin(Named({"c.ini"}).File()), skin::ReadStatus::Ok);
  EXPECT_EQ(r.ReadSkin(Bytes{1, 2}), skin::ReadStatus::Unreadable);
  EXPECT_EQ(r.Version(), 0);
  EXPECT_TRUE(r.Directory().empty());
  EXPECT_TRUE(r.EntryData().empty());
}

TEST(SkinWriter, RefusesWhatNoReaderCouldLoad) {
  skin::SkinEntries many(skin::kMaxSkinEntries + 1, {"x", {}});
  EXPECT_THROW(skin::BuildSkinImage(70000, many), std::invalid_argument);
  many.pop_back();
  EXPECT_NO_THROW(skin::BuildSkinImage(70000, many));
  for (const std::string& bad : {std::string("a\rb"), std::string("a\nb"), std::string("a\0b", 3)})
    EXPECT_THROW(skin::BuildSkinImage(70000, {{bad, {}}}), std::invalid_argument);
}

}  // namespace
