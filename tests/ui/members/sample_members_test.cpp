// The sample list shipped in the program folder for a first run: a member list file the
// program reads back, with made-up people of both sexes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "core/group_file.h"
#include "test_text.h"

using nuvaro::testing::Sjis;

TEST(SampleMembers, ProgramFolderShipsAReadableFirstList) {
  const char* bin = std::getenv("NUVARO_BIN_DIR");
  ASSERT_NE(bin, nullptr);
  const std::string path = std::string(bin) + "/friend.lst";
  auto rows = nuvaro::core::ReadGroupFile(path);
  ASSERT_TRUE(rows.has_value()) << path;
  ASSERT_GE(rows->size(), 2u);
  EXPECT_EQ(rows->front().Name(), Sjis("見本 太郎"));
  bool man = false;
  bool woman = false;
  for (const auto& member : *rows) {
    EXPECT_NE(member.Name().find(' '), std::string::npos);
    man = man || member.Sex() == Sjis("男");
    woman = woman || member.Sex() == Sjis("女");
    EXPECT_FALSE(member.AgeBand().empty());
  }
  EXPECT_TRUE(man);
  EXPECT_TRUE(woman);
  // Written as the program writes its lists, so a save keeps every byte.
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, nuvaro::core::FormatGroupFile(*rows));
}
