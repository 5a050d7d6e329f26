// The favourites file: kept across runs, and never lost or half-written when the disk
// or the permissions fail.
#include "naming/name_favourites.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>

#include "file_faults.h"
#include "temp_dir.h"
#include "test_text.h"

namespace nuvaro::naming {
namespace {

using testing::Sjis;

class NameFavouritesTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("NUVARO_DATA_DIR", data.Path().c_str(), 1); }
  void TearDown() override { unsetenv("NUVARO_DATA_DIR"); }
  std::string FileText() const { return data.Read(kFavouritesFileName); }
  testing::TempDir data;
};

TEST_F(NameFavouritesTest, ToggledNamesAreKeptAcrossRuns) {
  NameFavourites favourites;
  EXPECT_TRUE(favourites.Load()) << "no file yet is an empty list";
  EXPECT_TRUE(favourites.Toggle(Sjis("花"), Sjis("はな")));
  EXPECT_TRUE(favourites.Toggle(Sjis("陽菜"), Sjis("ひな")));
  EXPECT_TRUE(favourites.Toggle(Sjis("花"), Sjis("はな")));
  EXPECT_TRUE(favourites.Toggle(Sjis("花"), Sjis("かおる")));
  EXPECT_EQ(FileText(), Sjis("陽菜\tひな\r\n花\tかおる\r\n"));
  NameFavourites again;
  ASSERT_TRUE(again.Load());
  EXPECT_TRUE(again.Contains(Sjis("花"), Sjis("かおる")));
  EXPECT_FALSE(again.Contains(Sjis("花"), Sjis("はな")));
  EXPECT_EQ(again.Names().size(), 2u);
}

TEST_F(NameFavouritesTest, AFailedSaveKeepsTheFileAndTheList) {
  NameFavourites favourites;
  ASSERT_TRUE(favourites.Load());
  ASSERT_TRUE(favourites.Toggle(Sjis("花"), Sjis("はな")));
  const std::string before = FileText();
  {
    testing::DiskFullAfter full(4);
    EXPECT_FALSE(favourites.Toggle(Sjis("陽菜"), Sjis("ひな")));
  }
  EXPECT_EQ(FileText(), before);
  EXPECT_FALSE(favourites.Contains(Sjis("陽菜"), Sjis("ひな"))) << "the list shows what the file holds";
  {
    testing::ObeyFilePermissions obey;
    chmod(data.File(kFavouritesFileName).c_str(), 0444);
    EXPECT_FALSE(favourites.Toggle(Sjis("花"), Sjis("はな")));
    EXPECT_TRUE(favourites.Contains(Sjis("花"), Sjis("はな")));
  }
  EXPECT_EQ(FileText(), before);
}

TEST_F(NameFavouritesTest, AFileThatCannotBeReadIsNeverOverwritten) {
  data.Write(kFavouritesFileName, Sjis("花\tはな\r\n"));
  chmod(data.File(kFavouritesFileName).c_str(), 0);
  testing::ObeyFilePermissions obey;
  NameFavourites favourites;
  EXPECT_FALSE(favourites.Load());
  EXPECT_FALSE(favourites.Toggle(Sjis("陽菜"), Sjis("ひな")));
  chmod(data.File(kFavouritesFileName).c_str(), 0644);
  EXPECT_EQ(FileText(), Sjis("花\tはな\r\n"));
}

}  // namespace
}  // namespace nuvaro::naming
