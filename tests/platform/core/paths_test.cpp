#include "platform/core/paths.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "test_text.h"

namespace nuvaro::platform {
namespace {

using testing::Sjis;

TEST(PathPieces, TrailByteBackslashIsNotASeparator) {
  struct Case {
    std::string path;
    std::string directory;
    std::string file;
  };
  const Case cases[] = {
      {Sjis("C:\\表\\ソ能.lst"), Sjis("C:\\表"), Sjis("ソ能.lst")},
      {Sjis("/home/表/予定表"), Sjis("/home/表"), Sjis("予定表")},
      {Sjis("表"), "", ""},
      {"plain.txt", "", ""},
      {"dir/", "dir", ""},
      {"\\top", "", "top"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DirectoryPart(c.path), c.directory) << testing::Utf8(c.path);
    EXPECT_EQ(FileNamePart(c.path), c.file) << testing::Utf8(c.path);
  }
}

TEST(PathPieces, ReplaceExtensionUsesTheLastDot) {
  EXPECT_EQ(ReplaceExtension("list.friend.lst", "bak"), "list.friend.bak");
  EXPECT_EQ(ReplaceExtension(Sjis("能.lst"), "bak"), Sjis("能.bak"));
  EXPECT_EQ(ReplaceExtension("noextension", "bak"), "");
  EXPECT_EQ(ReplaceExtension("trailing.", "ini"), "trailing.ini");
}

TEST(ProgramFolder, OverrideNamesTheFolderAndFilesSitInIt) {
  setenv("NUVARO_PROGRAM_DIR", "/tmp/nuvaro-folder", 1);
  EXPECT_EQ(ProgramDirectory(), "/tmp/nuvaro-folder/");
  EXPECT_EQ(ProgramFile("nuvaro.ini"), "/tmp/nuvaro-folder/nuvaro.ini");
  unsetenv("NUVARO_PROGRAM_DIR");
  // Without the override it is this test program's own folder.
  EXPECT_EQ(ProgramDirectory().back(), '/');
  EXPECT_NE(ProgramDirectory(), "/tmp/nuvaro-folder/");
}

}  // namespace
}  // namespace nuvaro::platform
