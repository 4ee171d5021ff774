// Paths in GBK: a trail byte may be 0x5C and must not count as a separator.
#include "core/gbk.h"

#include <gtest/gtest.h>

namespace {

TEST(Gbk, FolderOfIgnoresBackslashTrailBytes) {
  const std::string soft = "\xD5\x5C";  // "誠", whose trail byte is '\'
  EXPECT_EQ(core::FolderOf("C:\\Tools\\" + soft + "prog.exe"), "C:\\Tools");
  EXPECT_EQ(core::FolderOf("C:\\" + soft + "\\prog.exe"), "C:\\" + soft);
  EXPECT_EQ(core::FolderOf("C:\\软件\\Talvik\\a.exe"), "C:\\软件\\Talvik");
  EXPECT_EQ(core::FolderOf("prog.exe"), "");
  EXPECT_EQ(core::FolderOf("Z:/x/y.exe"), "Z:/x");
  EXPECT_EQ(core::FolderOf("C:\\dir\\\xD5"), "C:\\dir");  // a lone lead byte at the end
}

TEST(Gbk, CutNeverSplitsACharacter) {
  EXPECT_EQ(core::CutGbk("abc", 2), "ab");
  EXPECT_EQ(core::CutGbk("a音效", 2), "a");
  EXPECT_EQ(core::CutGbk("a音效", 3), "a音");
  EXPECT_EQ(core::CutGbk("a音效", 255), "a音效");
  EXPECT_EQ(core::CutGbk("", 0), "");
}

}  // namespace
