// The definition reader's exact rules: line breaks, trimming, comments, first section and first
// key win, integer notations, section names, and the three-number colour notation.
#include <gtest/gtest.h>

#include "skin/data/quick_ini.h"

namespace {

using skin::TQuickIni;

TQuickIni Ini(std::string_view text) {
  TQuickIni ini;
  ini.LoadFromText(text);
  return ini;
}

TEST(TQuickIni, ReadStringRules) {
  struct Case {
    const char* name;
    std::string text;
    const char* section;
    const char* key;
    const char* expected;  // default is "def"
  } cases[] = {
      {"plain", "[A]\nk=v\n", "A", "k", "v"},
      {"value and key trimmed", "[A]\n  k \t=  v w \t\n", "A", "k", "v w"},
      {"key in any case", "[A]\nKeY=v", "A", "kEy", "v"},
      {"section in any case", "[sEcTiOn]\nk=v", "SeCtIoN", "k", "v"},
      {"header trimmed as a line", "  [A]  \nk=v", "A", "k", "v"},
      {"spaces inside the brackets must match", "[ A ]\nk=v", "A", "k", "def"},
      {"section name used as passed", "[ A ]\nk=v", " A ", "k", "v"},
      {"first of a repeated section wins", "[Buttons]\nk=1\n[Buttons]\nk=2\nj=3", "Buttons", "j", "def"},
      {"first of a repeated key wins", "[A]\nk=1\nk=2", "A", "k", "1"},
      {"empty first value keeps the default", "[A]\nk=\nk=2", "A", "k", "def"},
      {"value after the first equals sign", "[A]\nk=a=b", "A", "k", "a=b"},
      {"line without equals is no key", "[A]\nk\nk=v", "A", "k", "v"},
      {"comment line", "[A]\n;k=1\n  ; k=2\nk=3", "A", "k", "3"},
      {"semicolon inside a value is kept", "[A]\nk=1;2", "A", "k", "1;2"},
      {"scan stops at the next header", "[A]\n[B]\nk=v", "A", "k", "def"},
      {"absent section", "[A]\nk=v", "B", "k", "def"},
      {"absent key", "[A]\nk=v", "A", "j", "def"},
      {"keys before any header belong to none", "k=v\n[A]", "A", "k", "def"},
      {"CR line ends", "[A]\rk=v\rj=w", "A", "j", "w"},
      {"CR LF line ends", "[A]\r\nk=v\r\nj=w\r\n", "A", "j", "w"},
      {"LF CR is two breaks", "[A]\n\rk=v", "A", "k", "v"},
      {"NUL ends the text", std::string("[A]\nk=v\0\nj=w", 12), "A", "j", "def"},
      {"control characters trimmed", "[A]\n\x01k\x1f=\x02v\x03", "A", "k", "v"},
      {"double-byte text kept whole", "[A]\nk=\xB0\xA1\xA0", "A", "k", "\xB0\xA1\xA0"},
      {"bracket line that is no header", "[A]\n[x\nk=v", "A", "k", "v"},
      {"empty section name", "[]\nk=v", "", "k", "v"},
      {"equals-only key is the empty key", "[A]\n=v", "A", "", "v"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Ini(c.text).ReadString(c.section, c.key, "def"), c.expected) << c.name;
  }
}

TEST(TQuickIni, KeptLinesAndHeaders) {
  const TQuickIni ini = Ini("; c\n\n [A] \nk = v\n\n[B]\r\n");
  EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[A]", "k = v", "[B]"}));
  ASSERT_EQ(ini.SectionIndex().size(), 2u);
  EXPECT_EQ(ini.SectionIndex()[1], (std::pair<std::string, size_t>{"[B]", 2}));
  TQuickIni reused = ini;
  reused.LoadFromText("[C]");
  EXPECT_EQ(reused.Lines().size(), 1u);  // a new load starts empty
}

TEST(TQuickIni, ReadIntegerRules) {
  struct Case {
    const char* value;
    int32_t expected;  // default is -77
  } cases[] = {
      {"26", 26},         {"0x1A", 26},       {"0X1a", 26},      {"$1A", 26},
      {"0x", -77},        {"$", -77},         {"", -77},         {"-5", -5},
      {"+5", 5},          {"-", -77},         {"12a", -77},      {"1 2", -77},
      {"2147483647", 2147483647},             {"2147483648", -77},
      {"-2147483648", INT32_MIN},             {"-2147483649", -77},
      {"$7FFFFFFF", INT32_MAX},               {"0xFFFFFFFF", -1},
      {"0x80000000", INT32_MIN},              {"$100000000", -77},
      {"$000000001", 1},  {"-$10", -16},      {"-0x10", -77},    {"0x-1", -77},
      {"1.5", -77},       {"0x1G", -77},      {"99999999999999999999", -77},
  };
  for (const Case& c : cases) {
    const std::string text = std::string("[S]\nk=") + c.value;
    EXPECT_EQ(Ini(text).ReadInteger("S", "k", -77), c.expected) << "'" << c.value << "'";
  }
  EXPECT_EQ(Ini("[S]").ReadInteger("S", "k", 5), 5);
}

TEST(TQuickIni, ReadSectionsTrimsAndStripsBrackets) {
  const TQuickIni ini = Ini("[A]\n[ B c ]\n[]\n[A]\n[Colour1]");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"A", "B c", "", "A", "Colour1"}));
}

TEST(ParseColour, Table) {
  struct Case {
    const char* text;
    skin::Colour expected;  // default is 0x123456
  } cases[] = {
      {"", 0x123456},
      {"255,128,0", skin::Rgb(255, 128, 0)},
      {"255 128", skin::Rgb(255, 0, 0)},  // a run that ends the text counts only as the third
      {"255 128 ", skin::Rgb(255, 0, 0)},  // trimmed first, so the same
      {"255 128 x", skin::Rgb(255, 128, 0)},
      {"300 0 0", skin::Rgb(44, 0, 0)},
      {"1,2,3,4,5", skin::Rgb(1, 2, 3)},
      {"-1,-2,-3", skin::Rgb(1, 2, 3)},  // a minus is only a separator
      {"r10g20b30", skin::Rgb(10, 20, 30)},
      {"  7;8;9  ", skin::Rgb(7, 8, 9)},
      {"abc", skin::Rgb(0, 0, 0)},
      {"99999999999999999999999,1,2", skin::Rgb(255, 1, 2)},  // 10^23 - 1: low 8 bits all set
      {"4294967552,1,2", skin::Rgb(0, 1, 2)},  // 2^32 + 256: low 8 bits 0
      {"257,1,2", skin::Rgb(1, 1, 2)},
  };
  for (const Case& c : cases) EXPECT_EQ(skin::ParseColour(c.text, 0x123456), c.expected) << c.text;
}

}  // namespace
