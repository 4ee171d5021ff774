// What a settings file loads to, byte for byte, and what a save writes.
#include "core/settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using core::FormatSettings;
using core::ParseSettings;
using core::Settings;
using Entries = std::vector<std::string>;

struct LoadCase {
  const char* name;
  std::string bytes;
  bool valid;
  bool option;
  Entries entries;
};

class SettingsLoad : public testing::TestWithParam<LoadCase> {};

TEST_P(SettingsLoad, GivesOptionAndEntries) {
  const LoadCase& c = GetParam();
  const core::ParsedSettings parsed = ParseSettings(c.bytes);
  ASSERT_EQ(parsed.numberValid, c.valid);
  if (!c.valid) return;
  EXPECT_EQ(parsed.settings.autoRestore, c.option);
  EXPECT_EQ(parsed.settings.entries, c.entries);
}

using namespace std::string_literals;

const LoadCase kLoadCases[] = {
    // What the program itself writes.
    {"saved_empty_list", "1\r\n", true, true, {}},
    {"saved_unticked", "0\r\n", true, false, {}},
    {"saved_two", "1\r\nC:\\A\r\nD:\\B\r\n", true, true, {"C:\\A", "D:\\B"}},
    {"saved_gbk", "0\r\n" "C:\\软件\r\n", true, false, {"C:\\软件"}},
    // Line 1.
    {"empty_file", "", true, false, {}},
    {"only_blanks_and_controls", " \t\r\n\x01\x1F \r\n", true, false, {}},
    {"number_two_ticks", "2\r\nA\r\n", true, true, {"A"}},
    {"negative_ticks", "-1\r\nA\r\n", true, true, {"A"}},
    {"plus_sign", "+0\r\nA\r\n", true, false, {"A"}},
    {"minus_zero", "-0\r\n", true, false, {}},
    {"huge_number_ticks", "99999999999999999999\r\n", true, true, {}},
    {"leading_zeros", "0000001\r\n", true, true, {}},
    {"blanks_before_number", "  \t 1\r\nA\r\n", true, true, {"A"}},
    {"number_found_across_lines", "\r\n\r\n  1\r\nA\r\n", true, true, {"A"}},
    {"rest_of_line_1_skipped", "1 anything here\r\nA\r\n", true, true, {"A"}},
    {"number_ends_at_control", "1\x01xyz\r\nA\r\n", true, true, {"A"}},
    {"number_without_line_end", "1", true, true, {}},
    {"number_of_32_chars", std::string(31, '0') + "1\r\nA\r\n", true, true, {"A"}},
    {"only_32_chars_are_the_number", std::string(32, '0') + "1\r\nA\r\n", true, false, {"A"}},
    {"33rd_char_not_checked", "1" + std::string(31, '0') + "x\r\nA\r\n", true, true, {"A"}},
    {"letters", "abc\r\nA\r\n", false, false, {}},
    {"digit_then_letter", "1x\r\nA\r\n", false, false, {}},
    {"sign_only", "-\r\n", false, false, {}},
    {"hex_is_not_decimal", "0x1\r\n", false, false, {}},
    {"decimal_point", "1.0\r\n", false, false, {}},
    {"entry_found_where_number_expected", "\r\nC:\\A\r\n", false, false, {}},
    {"gbk_in_line_1", "是\r\n", false, false, {}},
    // Entries and line ends.
    {"last_line_without_line_end", "1\r\nA\r\nB", true, true, {"A", "B"}},
    {"lf_line_ends", "1\nA\nB\n", true, true, {"A", "B"}},
    {"mixed_line_ends", "1\nA\r\nB\n", true, true, {"A", "B"}},
    {"lone_cr_ends_a_line", "1\r\nA\rB\r\nC\r\n", true, true, {"A", "B", "C"}},
    {"cr_only_file", "1\rA\rB\r", true, true, {"A", "B"}},
    {"lf_cr_is_two_breaks", "0\nA\n\rB", true, false, {"A", "", "B"}},
    {"blank_line_between", "1\r\nA\r\n\r\nB\r\n", true, true, {"A", "", "B"}},
    {"blank_line_at_end", "1\r\nA\r\n\r\n", true, true, {"A", ""}},
    {"two_blank_lines_at_end", "1\r\nA\r\n\r\n\r\n", true, true, {"A", "", ""}},
    {"blank_line_without_line_end_gives_nothing", "1\r\nA\r\n", true, true, {"A"}},
    {"entry_blanks_kept", "1\r\n  A \t\r\n", true, true, {"  A \t"}},
    {"cr_then_cr_lf_is_two_lines", "1\r\n\r\r\n", true, true, {"", ""}},
    {"control_bytes_in_entry", "1\r\nA\x01" "B\r\n", true, true, {"A\x01" "B"}},
    {"zero_byte_in_entry", "1\r\nA\0B\r\n"s, true, true, {"A\0B"s}},
    // Ctrl+Z ends the file wherever it stands.
    {"ctrl_z_first", "\x1A" "1\r\nA\r\n", true, false, {}},
    {"ctrl_z_after_number", "1\x1A\r\nA\r\n", true, true, {}},
    {"ctrl_z_in_entry", "1\r\nAB\x1A" "CD\r\nE\r\n", true, true, {"AB"}},
    {"ctrl_z_at_line_start", "1\r\nA\r\n\x1A" "B\r\n", true, true, {"A"}},
    {"ctrl_z_in_blanks", "  \x1A 1\r\n", true, false, {}},
    {"ctrl_z_after_lone_cr", "1\r\nA\rxx\x1A\nB\r\n", true, true, {"A", "xx"}},
};

INSTANTIATE_TEST_SUITE_P(Table, SettingsLoad, testing::ValuesIn(kLoadCases),
                         [](const testing::TestParamInfo<LoadCase>& i) { return std::string(i.param.name); });

TEST(SettingsSave, WritesExactBytes) {
  EXPECT_EQ(FormatSettings({true, {}}), "1\r\n");
  EXPECT_EQ(FormatSettings({false, {}}), "0\r\n");
  EXPECT_EQ(FormatSettings({true, {"C:\\A", "", "D:\\软件"}}), "1\r\nC:\\A\r\n\r\nD:\\软件\r\n");
}

TEST(SettingsSave, RoundTripKeepsEntriesAndOption) {
  const Settings cases[] = {
      {true, {}},
      {false, {""}},
      {true, {"C:\\A", "C:\\A", " lead and trail ", "", "E:\\游戏\\誠"}},
      {false, {"", "", ""}},
  };
  for (const Settings& s : cases) {
    const core::ParsedSettings parsed = ParseSettings(FormatSettings(s));
    ASSERT_TRUE(parsed.numberValid);
    EXPECT_EQ(parsed.settings, s);
  }
}

}  // namespace
