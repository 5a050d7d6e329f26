#include "core/group_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include "file_faults.h"
#include "program_folder.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using testing::Utf8;

Member Row(std::string_view name, std::string_view sex, std::string_view age) {
  return Member{Sjis(name), Sjis(sex), Sjis(age)};
}

std::string Repeat(std::string_view piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

struct ReadCase {
  const char* label;
  std::string bytes;
  std::vector<Member> rows;
};

TEST(GroupFileReader, ReadsFieldsByPosition) {
  const std::vector<ReadCase> cases = {
      {"CR LF and a bare LF; the field ended by LF is the age band",
       Sjis("桃 太郎,男,30") + "\r\n" + Sjis("南瓜 花子,女") + "\n",
       {Row("桃 太郎", "男", "30"), Row("南瓜 花子", "", "女")}},
      {"a fourth and fifth field overwrite the age band", "a,b,c,d,e\r\n", {Row("a", "b", "e")}},
      {"a last line without LF is read", "a,b,c\r\nd,e,f", {Row("a", "b", "c"), Row("d", "e", "f")}},
      {"a CR before LF is dropped", "a,b,c\r\r\n", {Row("a", "b", "c")}},
      {"a lone CR ends a line (old Macintosh line ends)", "a,b,c\rd,e,f\rg,h,i", {Row("a", "b", "c"), Row("d", "e", "f"), Row("g", "h", "i")}},
      {"a line without comma starts no row and leaves the previous one alone",
       "a,b,c\r\nlonely\r\n", {Row("a", "b", "c")}},
      {"empty lines add nothing", "\r\n\n\r\na,b,c\r\n\r\n", {Row("a", "b", "c")}},
      {"empty fields", ",,\r\n", {Row("", "", "")}},
      {"a name with 0x5C trail bytes keeps them", Sjis("表 能,男,ソ") + "\r\n", {Row("表 能", "男", "ソ")}},
      {"the byte after a lead byte is never a separator", "\x81,x,y\n", {Member{"\x81,x", "", "y"}}},
      {"empty file", "", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseGroupFile(c.bytes), c.rows) << c.label;
  }
}

TEST(MemberCells, WhereEachCellEndsCountsInEqualityAndChanges) {
  // The three cells share one string, so the same bytes cut differently are other members.
  EXPECT_NE((Member{"ab", "c", ""}), (Member{"a", "bc", ""}));
  EXPECT_NE((Member{"a", "", "b"}), (Member{"a", "b", ""}));
  Member member{Sjis("桃 太郎"), Sjis("男"), "30"};
  member.SetSex(Sjis("女"));
  member.SetName("x");
  member.SetAgeBand("");
  EXPECT_EQ(member, (Member{"x", Sjis("女"), ""}));
  EXPECT_EQ(MemberText(member), "x," + Sjis("女") + ",");
}

TEST(GroupFileReader, LinesLongerThan127BytesAreReadInPieces) {
  // 127 bytes without comma form a piece of their own (no row); the rest of the line is
  // read as a line.
  std::string line = std::string(130, 'a') + "," + Sjis("男") + ",30\r\n";
  std::vector<Member> rows = ParseGroupFile(line);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], (Member{"aaa", Sjis("男"), "30"}));

  // A piece never ends between the two bytes of a character: "ab" + 62 characters fill
  // 126 bytes, the 63rd would reach 128.
  std::string kanji = Sjis("漢");
  std::string wide = "ab" + Repeat(kanji, 70) + "," + Sjis("女") + ",20\r\n";
  rows = ParseGroupFile(wide);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Name(), Repeat(kanji, 8));
  EXPECT_EQ(rows[0].Sex(), Sjis("女"));
}

TEST(GroupFileWriter, WritesNameSexAgeAndCrLf) {
  std::vector<Member> rows = {Row("南瓜 花子", "男", "30"), Row("桃 太郎", "女", "")};
  EXPECT_EQ(FormatGroupFile(rows), Sjis("南瓜 花子,男,30") + "\r\n" + Sjis("桃 太郎,女,") + "\r\n");
  EXPECT_EQ(ParseGroupFile(FormatGroupFile(rows)), rows);
}

TEST(GroupFileWriter, KeepsEveryLineWithin127BytesAndReadableAgain) {
  std::string kanji = Sjis("漢");
  struct Case {
    const char* label;
    Member member;
  };
  const std::vector<Case> cases = {
      {"long two-byte name", Member{Repeat(kanji, 100), Sjis("男"), "30"}},
      {"long name of odd length", Member{"x" + Repeat(kanji, 100), Sjis("女"), "100"}},
      {"long age band", Member{Sjis("桃 太郎"), Sjis("男"), std::string(300, '9')}},
      {"one cell just over the room", Member{"", "", std::string(125, '9')}},
      {"everything long", Member{std::string(200, 'n'), std::string(200, 's'), std::string(200, 'a')}},
      {"separators and line ends inside cells", Member{"a,b\r\nc", "x,y", "1\n2"}},
      {"dangling lead byte at the end of a cell", Member{"abc\x81", "\x82", "20"}},
  };
  for (const auto& c : cases) {
    std::string bytes = FormatGroupFile({c.member});
    ASSERT_LE(bytes.size(), kGroupLineBytes) << c.label;
    ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << c.label;
    std::vector<Member> back = ParseGroupFile(bytes);
    ASSERT_EQ(back.size(), 1u) << c.label;
    EXPECT_EQ(back[0], FitMemberForFile(c.member)) << c.label;
  }
  // The sex and the age band keep their room; the name is cut on a character boundary.
  Member fitted = FitMemberForFile(Member{Repeat(kanji, 100), Sjis("男"), "30"});
  EXPECT_EQ(fitted.Sex(), Sjis("男"));
  EXPECT_EQ(fitted.AgeBand(), "30");
  EXPECT_EQ(fitted.Name(), Repeat(kanji, 59));  // 123 - 2 - 2 = 119 bytes of room: 59 characters
  EXPECT_EQ(FitMemberForFile(Member{std::string(200, 'n'), std::string(200, 's'), std::string(200, 'a')}),
            (Member{std::string(41, 'n'), std::string(41, 's'), std::string(41, 'a')}));
  EXPECT_EQ(FitMemberForFile(Member{"ab", Sjis("男"), std::string(300, '9')}),
            (Member{"ab", Sjis("男"), std::string(119, '9')}));
  EXPECT_EQ(FitMemberForFile(Member{"a,b\r\nc", "x,y", "1\n2"}), (Member{"abc", "xy", "12"}));
  EXPECT_EQ(FitMemberForFile(Member{"abc\x81", "\x82", "20"}), (Member{"abc", "", "20"}));
}

TEST(GroupFileWriter, BacksUpThePreviousContentBeforeEachSave) {
  testing::ProgramFolder folder;
  std::string path = folder.File("friend.lst");
  ASSERT_TRUE(WriteGroupFile(path, {Row("桃 太郎", "男", "30")}));
  EXPECT_FALSE(folder.Exists("friend.bak")) << "a missing file leaves no backup";
  ASSERT_TRUE(WriteGroupFile(path, {Row("南瓜 花子", "女", "20")}));
  EXPECT_EQ(Utf8(folder.Read("friend.bak")), "桃 太郎,男,30\r\n");
  EXPECT_EQ(Utf8(folder.Read("friend.lst")), "南瓜 花子,女,20\r\n");
  ASSERT_TRUE(WriteGroupFile(path, {}));
  EXPECT_EQ(Utf8(folder.Read("friend.bak")), "南瓜 花子,女,20\r\n");
  EXPECT_EQ(folder.Read("friend.lst"), "");
  EXPECT_EQ(BackupPathFor("/a.dir/list"), "/a.dir/list.bak") << "a name without extension";

  // Folder names are file-system (UTF-8) text: the backup stays beside its list, also
  // when a folder name ends in bytes that look like the first byte of a CP932 character.
  std::string inFolder = folder.Write("x.あ/list", "a,b,c\r\n");
  ASSERT_TRUE(WriteGroupFile(inFolder, {Row("桃 太郎", "男", "30")}));
  EXPECT_EQ(folder.Read("x.あ/list.bak"), "a,b,c\r\n");
  EXPECT_FALSE(folder.Exists("x.bak")) << "nothing is written outside the list's folder";
}

TEST(GroupFileWriter, FailedWriteLeavesNothingBehind) {
  testing::ProgramFolder folder;
  std::string missingDir = folder.File("missing/friend.lst");
  EXPECT_FALSE(WriteGroupFile(missingDir, {Row("桃 太郎", "男", "30")}));
  EXPECT_FALSE(folder.Exists("missing"));
  EXPECT_FALSE(ReadGroupFile(missingDir).has_value());
}

// The list is replaced only after its backup is written; otherwise both stay as they were
// and the caller learns which file failed.
TEST(GroupFileWriter, NoBackupNoReplacement) {
  const std::string fiveRows = Sjis("阿 一,男,10\r\n部 二,女,20\r\n千 三,男,30\r\n桃 太郎,男,30\r\n南瓜 花子,女,20\r\n");
  struct Case {
    const char* name;
    std::function<bool(testing::ProgramFolder&, std::string*)> write;
    const char* failed;
  };
  const std::vector<Case> cases = {
      {"disk full: the old list does not fit the backup",
       [](testing::ProgramFolder& folder, std::string* failed) {
         testing::DiskFullAfter full(40);
         return WriteGroupFile(folder.File("friend.lst"), {Row("阿 一", "男", "10")}, failed);
       },
       "friend.bak"},
      {"read-only backup",
       [](testing::ProgramFolder& folder, std::string* failed) {
         chmod(folder.Write("friend.bak", "older").c_str(), 0444);
         return WriteGroupFile(folder.File("friend.lst"), {}, failed);
       },
       "friend.bak"},
      {"unreadable list",
       [](testing::ProgramFolder& folder, std::string* failed) {
         chmod(folder.File("friend.lst").c_str(), 0200);
         testing::ObeyFilePermissions obey;
         return WriteGroupFile(folder.File("friend.lst"), {}, failed);
       },
       "friend.lst"},
  };
  for (const Case& c : cases) {
    testing::ProgramFolder folder;
    folder.Write("friend.lst", fiveRows);
    std::string failed;
    EXPECT_FALSE(c.write(folder, &failed)) << c.name;
    EXPECT_EQ(failed, folder.File(c.failed)) << c.name;
    chmod(folder.File("friend.lst").c_str(), 0644);
    EXPECT_EQ(folder.Read("friend.lst"), fiveRows) << c.name;
  }
}

}  // namespace
}  // namespace nuvaro::core
