#include "core/data_seeding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/member.h"
#include "core/member_list.h"
#include "platform/core/data_folder.h"
#include "program_folder.h"
#include "temp_dir.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;

// An installed program: its folder carries the marker, the user's data folder is empty
// at first. The first start copies the shipped lists; every later write goes to the
// user's folder and the program folder keeps its bytes; a list the user already has is
// never replaced by the shipped one.
TEST(DataSeeding, InstalledProgramKeepsUserDataInUserFolder) {
  testing::ProgramFolder program;
  testing::TempDir xdg;
  setenv("XDG_DATA_HOME", xdg.Path().c_str(), 1);
  unsetenv("NUVARO_DATA_DIR");
  program.Write(std::string(platform::kInstalledMarker), "installed\n");
  const std::string shipped = Sjis("南瓜 花子,女,30\r\n");
  program.Write("friend.lst", shipped);
  program.Write("lovers.lst", "");
  const std::string userFamily = Sjis("桃 太郎,男,30\r\n");
  std::filesystem::create_directories(xdg.Path() / "nuvaro");  // a later start: the folder exists
  xdg.Write("nuvaro/family.lst", userFamily);
  program.Write("family.lst", "");

  SeedDataFolder();
  EXPECT_EQ(xdg.Read("nuvaro/friend.lst"), shipped);
  EXPECT_EQ(xdg.Read("nuvaro/family.lst"), userFamily);

  MemberList friends("friend.lst");
  friends.Load();
  ASSERT_EQ(friends.RowCount(), 1);
  ASSERT_TRUE(friends.Register(-1, MemberForm{Sjis("杉本"), Sjis("健一"), 0, "20"}));
  EXPECT_EQ(program.Read("friend.lst"), shipped);
  EXPECT_NE(xdg.Read("nuvaro/friend.lst").find(Sjis("杉本 健一,男,20")), std::string::npos);
  EXPECT_FALSE(program.Exists("friend.bak"));
  unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace nuvaro::core
