#include "platform/core/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "file_faults.h"
#include "temp_dir.h"

namespace nuvaro::platform {
namespace {

using testing::TempDir;

TEST(ListFiles, MatchingFilesOnlyInByteOrder) {
  TempDir dir;
  for (const char* name : {"TacticLover.nvr", "MatchLover.nvr", "MatchCouple.nvr", "a.nvr.bak", "readme.txt",
                           "lower.nvr", ".hidden.nvr"})
    dir.Write(name, "x");
  std::filesystem::create_directory(dir.Path() / "folder.nvr");
  const std::vector<std::string> expected = {"MatchCouple.nvr", "MatchLover.nvr", "TacticLover.nvr", "lower.nvr"};
  EXPECT_EQ(ListFiles(dir.Path().string(), "*.nvr"), expected);
  EXPECT_TRUE(ListFiles(dir.File("missing"), "*.nvr").empty());
}

TEST(CopyFileOverwrite, ReplacesTheTargetAndFailsWithoutASource) {
  TempDir dir;
  dir.Write("Calendar.ior", "[Display]\nKao=1\n");
  dir.Write("Calendar.ini", "[Display]\nKao=0\nmore\n");
  ASSERT_TRUE(CopyFileOverwrite(dir.File("Calendar.ior"), dir.File("Calendar.ini")));
  EXPECT_EQ(dir.Read("Calendar.ini"), "[Display]\nKao=1\n");
  EXPECT_FALSE(CopyFileOverwrite(dir.File("absent.ior"), dir.File("Calendar.ini")));
  EXPECT_EQ(dir.Read("Calendar.ini"), "[Display]\nKao=1\n");
}

TEST(WriteWholeFileSafely, LeavesNoTemporaryFilesAndKeepsPermissions) {
  TempDir dir;
  const std::string path = dir.Write("friend.lst", "old");
  chmod(path.c_str(), 0600);
  ASSERT_TRUE(WriteWholeFileSafely(path, "new content"));
  EXPECT_EQ(dir.Read("friend.lst"), "new content");
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 1);
}

// Every refused or failed save keeps the old bytes and leaves no temporary file behind.
TEST(WriteWholeFileSafely, FailuresKeepTheOldFileAndLeaveNoTemporaryFile) {
  struct Case {
    const char* name;
    std::function<void(const TempDir&)> prepare;  // around the existing "friend.lst" = "old"
    std::function<bool(const std::string&)> save;
  };
  const std::string big(4096, 'x');
  const std::vector<Case> cases = {
      {"disk full", [](const TempDir&) {},
       [&](const std::string& path) {
         testing::DiskFullAfter full(1000);
         return WriteWholeFileSafely(path, big);
       }},
      {"file without write permission", [](const TempDir& dir) { chmod(dir.File("friend.lst").c_str(), 0444); },
       [](const std::string& path) { return WriteWholeFileSafely(path, "new"); }},
      {"read-only folder", [](const TempDir& dir) { chmod(dir.Path().c_str(), 0555); },
       [](const std::string& path) {
         testing::ObeyFilePermissions obey;
         return WriteWholeFileSafely(path, "new");
       }},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const std::string path = dir.Write("friend.lst", "old");
    c.prepare(dir);
    EXPECT_FALSE(c.save(path)) << c.name;
    chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ(dir.Read("friend.lst"), "old") << c.name;
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++entries;
    EXPECT_EQ(entries, 1) << c.name << ": a temporary file was left behind";
  }
}

// The question asked before a long export agrees with what the save would do, and
// asking changes nothing.
TEST(CanWriteWholeFileSafely, AnswersAsTheSaveWouldWithoutTouchingAnything) {
  TempDir dir;
  const std::string file = dir.Write("old.pdf", "old");
  const std::string readOnly = dir.Write("read-only.pdf", "old");
  chmod(readOnly.c_str(), 0444);
  std::filesystem::create_directory(dir.File("folder"));
  std::filesystem::create_symlink(file, dir.File("link.pdf"));
  testing::ObeyFilePermissions obey;
  const struct {
    std::string path;
    bool writable;
  } cases[] = {{file, true},  {dir.File("new.pdf"), true},       {dir.File("link.pdf"), true},
               {readOnly, false}, {dir.File("folder"), false},   {"/dev/full", false},
               {dir.File("missing/new.pdf"), false}};
  for (const auto& c : cases) {
    EXPECT_EQ(CanWriteWholeFileSafely(c.path), c.writable) << c.path;
    if (c.writable) {
      EXPECT_TRUE(WriteWholeFileSafely(c.path, "new")) << c.path;
    }
  }
  EXPECT_EQ(dir.Read("read-only.pdf"), "old");
}

TEST(WriteWholeFileSafely, WritesThroughASymbolicLink) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("lists"));
  dir.Write("lists/friend.lst", "old");
  std::filesystem::create_symlink("lists/friend.lst", dir.File("friend.lst"));
  ASSERT_TRUE(WriteWholeFileSafely(dir.File("friend.lst"), "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("friend.lst")));
  EXPECT_EQ(dir.Read("lists/friend.lst"), "new");
  // A link pointing at nothing yet creates its target.
  std::filesystem::create_symlink("lists/lovers.lst", dir.File("lovers.lst"));
  ASSERT_TRUE(WriteWholeFileSafely(dir.File("lovers.lst"), "made"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("lovers.lst")));
  EXPECT_EQ(dir.Read("lists/lovers.lst"), "made");
}

TEST(WriteWholeFileSafely, ANewFileGetsWhatTheUmaskAllows) {
  for (mode_t mask : {mode_t{077}, mode_t{022}, mode_t{002}}) {
    TempDir dir;
    const mode_t previous = umask(mask);
    const bool saved = WriteWholeFileSafely(dir.File("friend.lst"), "new");
    umask(previous);
    ASSERT_TRUE(saved);
    struct stat info {};
    ASSERT_EQ(stat(dir.File("friend.lst").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666u & ~mask) << "umask " << mask;
  }
}

// In a world-writable sticky folder (/tmp) a link that another user planted is not
// followed; the user's own link is, as is one in an ordinary folder.
TEST(WriteWholeFileSafely, DoesNotFollowAnotherUsersLinkInASharedFolder) {
  if (geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
  TempDir dir;
  const std::string shared = dir.File("shared");
  std::filesystem::create_directory(shared);
  chmod(shared.c_str(), 01777);
  const std::string victim = dir.Write("victim.lst", "mine");
  struct Case {
    const char* label;
    std::string folder;
    uid_t owner;
    bool followed;
  };
  const std::vector<Case> cases = {
      {"another user's link in a sticky folder", shared, 4242, false},
      {"my own link in a sticky folder", shared, geteuid(), true},
      {"another user's link in my folder", dir.File(""), 4242, true},
  };
  for (const Case& c : cases) {
    dir.Write("victim.lst", "mine");
    const std::string link = c.folder + "/planted.lst";
    std::filesystem::remove(link);
    std::filesystem::create_symlink(victim, link);
    ASSERT_EQ(lchown(link.c_str(), c.owner, c.owner), 0);
    EXPECT_EQ(WriteWholeFileSafely(link, "export"), c.followed) << c.label;
    EXPECT_EQ(dir.Read("victim.lst"), c.followed ? "export" : "mine") << c.label;
  }
}

TEST(ReadWholeFile, MissingFileAndBinaryBytes) {
  TempDir dir;
  EXPECT_FALSE(ReadWholeFile(dir.File("missing")).has_value());
  EXPECT_FALSE(ReadWholeFile(dir.Path().string()).has_value());  // a folder is not a file
  const std::string bytes("a\0b\r\n\x95\x5C", 7);
  dir.Write("bin", bytes);
  EXPECT_EQ(ReadWholeFile(dir.File("bin")), bytes);
  EXPECT_FALSE(FileExists(dir.Path().string()));
  EXPECT_TRUE(FileExists(dir.File("bin")));
}

}  // namespace
}  // namespace nuvaro::platform
