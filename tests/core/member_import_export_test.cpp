#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/member_groups.h"
#include "core/member_import.h"
#include "core/member_list_set.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using testing::Utf8;

// n lines "name<i>,男,<i>" with CR LF, i from 1.
std::string NumberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "name" + std::to_string(i) + "," + Sjis("男") + "," + std::to_string(i) + "\r\n";
  return text;
}

std::string NumberedGroupFile(int from, int to) {
  std::string text;
  for (int i = from; i <= to; ++i) text += "name" + std::to_string(i) + "," + Sjis("男") + "," + std::to_string(i) + "\r\n";
  return text;
}

TEST(ImportValidation, LinesWithoutCommaMustBeOneTo29BytesWithTheirLineEnd) {
  struct Case {
    const char* label;
    std::string bytes;
    std::optional<std::size_t> lines;
  };
  const std::vector<Case> cases = {
      {"27-byte name with CR LF is 29 bytes", std::string(27, 'n') + "\r\n", 1},
      {"28-byte name with CR LF is 30 bytes", std::string(28, 'n') + "\r\n", std::nullopt},
      {"28-byte name with LF is 29 bytes", std::string(28, 'n') + "\n", 1},
      {"an empty line is its line end", "a,b,c\r\n\r\nd,e,f\r\n", 3},
      {"a line with a comma is not measured", std::string(100, 'n') + ",\r\n", 1},
      {"trailing commas at the end of the last line go first", std::string(29, 'n') + ",,,", 1},
      {"only commas leave an empty line", ",,,", std::nullopt},
      {"last line without line end", "abc", 1},
      {"empty file", "", 0},
      {"a line of 300 bytes is read as two lines", std::string(300, 'n') + ",\r\n", std::nullopt},
      {"two lines of 200 bytes", std::string(200, 'n') + ",\r\n" + std::string(200, 'n') + ",a\r\n", 2},
  };
  for (const auto& c : cases) EXPECT_EQ(ValidateImportText(c.bytes), c.lines) << c.label;
}

TEST(ImportValidation, LinesPerGroup) {
  const std::vector<std::pair<std::size_t, std::size_t>> cases = {{0, 15}, {20, 15}, {75, 15}, {76, 15},
                                                                  {78, 15}, {80, 16}, {100, 20}, {1003, 200}};
  for (const auto& [lines, perGroup] : cases) EXPECT_EQ(ImportLinesPerGroup(lines), perGroup) << lines;
}

TEST(ImportValidation, EachLineBecomesAMember) {
  struct Case {
    const char* label;
    std::string line;
    Member member;
  };
  const std::vector<Case> cases = {
      {"plain", Sjis("桃 太郎,男,30") + "\r\n", {Sjis("桃 太郎"), Sjis("男"), "30"}},
      {"trailing commas and line ends", Sjis("桃 太郎,男,30,,") + "\r\n", {Sjis("桃 太郎"), Sjis("男"), "30"}},
      {"trailing white space of name and sex", Sjis("桃 太郎  ,男\t ,30 ") + "\n", {Sjis("桃 太郎"), Sjis("男"), "30 "}},
      {"name only", Sjis("桃 太郎") + "\r\n", {Sjis("桃 太郎"), "", ""}},
      {"name and sex", Sjis("桃 太郎,女") + "\r\n", {Sjis("桃 太郎"), Sjis("女"), ""}},
      {"30-byte fields are emptied", std::string(30, 'n') + "," + std::string(30, 's') + "," + std::string(30, 'a'),
       {"", "", ""}},
      {"29-byte fields are kept", std::string(29, 'n') + "," + std::string(29, 's') + "," + std::string(29, 'a'),
       {std::string(29, 'n'), std::string(29, 's'), std::string(29, 'a')}},
      {"the age band keeps later commas", "a,b,c,d\r\n", {"a", "b", "c,d"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ImportedMember(c.line), c.member) << c.label;
}

class MemberImportExportTest : public ::testing::Test {
 protected:
  std::string GroupFile(int tab) const {
    return folder.Read(std::string(MemberGroups()[static_cast<std::size_t>(tab)].fileName));
  }
  void WriteGroupFiles(const std::vector<std::string>& contents) const {
    for (std::size_t i = 0; i < contents.size(); ++i) folder.Write(MemberGroups()[i].fileName, contents[i]);
  }

  testing::ProgramFolder folder;
  testing::RecordingMessageSink sink;
  MemberListSet lists;
};

TEST_F(MemberImportExportTest, TwentyLinesFillTheFirstGroupThenTheSecond) {
  WriteGroupFiles({"old,,\r\n", "old,,\r\n", "old,,\r\n", "old,,\r\n", "old,,\r\n"});
  lists.ReloadAll();
  std::string chosen = folder.Write("import.csv", NumberedLines(20));
  ASSERT_TRUE(lists.Import(chosen));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(GroupFile(0), NumberedGroupFile(1, 15));
  EXPECT_EQ(GroupFile(1), NumberedGroupFile(16, 20));
  for (int tab = 2; tab < 5; ++tab) EXPECT_EQ(GroupFile(tab), "") << tab;
  EXPECT_EQ(folder.Read("friend.bak"), "old,,\r\n");
  // The pages show the new lists.
  EXPECT_EQ(lists.Page(0).RowCount(), 15);
  EXPECT_EQ(lists.Page(1).RowCount(), 5);
  EXPECT_EQ(lists.Page(4).RowCount(), 0);
  EXPECT_EQ(lists.Page(1).Rows()[0].name, "name16");
}

TEST_F(MemberImportExportTest, SeventyEightLinesGiveFifteenEachAndDropTheLastThree) {
  std::string chosen = folder.Write("import.txt", NumberedLines(78));
  ASSERT_TRUE(lists.Import(chosen));
  for (int tab = 0; tab < 5; ++tab) EXPECT_EQ(GroupFile(tab), NumberedGroupFile(tab * 15 + 1, tab * 15 + 15)) << tab;
}

TEST_F(MemberImportExportTest, AHundredLinesGiveTwentyEach) {
  std::string chosen = folder.Write("import.txt", NumberedLines(100));
  ASSERT_TRUE(lists.Import(chosen));
  for (int tab = 0; tab < 5; ++tab) EXPECT_EQ(GroupFile(tab), NumberedGroupFile(tab * 20 + 1, tab * 20 + 20)) << tab;
}

TEST_F(MemberImportExportTest, AFailedCheckTouchesNoListAndReloadsThePages) {
  WriteGroupFiles({"a,b,c\r\n", "d,e,f\r\n", "", "", ""});
  lists.Page(0).Register(-1, MemberForm{"x", "y", 0, ""});  // the page now differs from... its file
  folder.Write("friend.lst", "a,b,c\r\n");                  // ...after the file is put back
  std::string chosen = folder.Write("import.txt", NumberedLines(3) + std::string(40, 'n') + "\r\n");
  EXPECT_FALSE(lists.Import(chosen));
  EXPECT_EQ(sink.Texts(), std::vector<std::string>{"指定されたファイルの読込みに失敗しました。"});
  EXPECT_EQ(GroupFile(0), "a,b,c\r\n");
  EXPECT_EQ(GroupFile(1), "d,e,f\r\n");
  ASSERT_EQ(lists.Page(0).RowCount(), 1);
  EXPECT_EQ(lists.Page(0).Rows()[0].name, "a");
  EXPECT_EQ(lists.Page(1).RowCount(), 1);
}

TEST_F(MemberImportExportTest, AnImportFileThatCannotBeOpenedIsNamed) {
  EXPECT_FALSE(lists.Import(folder.File("nowhere.csv")));
  EXPECT_EQ(sink.Texts(), std::vector<std::string>{folder.File("nowhere.csv") + "ファイルがオープンできません。"});
  EXPECT_FALSE(folder.Exists("friend.lst"));
}

TEST_F(MemberImportExportTest, AListThatCannotBeWrittenStopsTheImportThere) {
  WriteGroupFiles({"", "", "", "old,,\r\n", "old,,\r\n"});
  std::filesystem::remove(folder.File("family.lst"));
  std::filesystem::create_directory(folder.File("family.lst"));  // the third list cannot be written
  std::string chosen = folder.Write("import.txt", NumberedLines(75));
  EXPECT_FALSE(lists.Import(chosen));
  EXPECT_EQ(sink.Texts(), std::vector<std::string>{folder.File("family.lst") + "ファイルがオープンできません。"});
  EXPECT_EQ(GroupFile(0), NumberedGroupFile(1, 15));
  EXPECT_EQ(GroupFile(1), NumberedGroupFile(16, 30));
  EXPECT_EQ(GroupFile(3), "old,,\r\n") << "lists after the failing one are untouched";
  EXPECT_EQ(lists.Page(1).RowCount(), 15) << "the pages are reloaded after a failure too";
  EXPECT_EQ(lists.Page(3).RowCount(), 1);
}

TEST_F(MemberImportExportTest, ExportJoinsTheListsInTabOrderUnchanged) {
  WriteGroupFiles({"a,b,c\r\n", "", Sjis("桃 太郎,男,30") + "\r\n", "d,e,\n", "f,g,h\r\ni,j,k\r\n"});
  std::string target = folder.File("all.lst");
  ASSERT_TRUE(lists.Export(target));
  EXPECT_EQ(folder.Read("all.lst"), "a,b,c\r\n" + Sjis("桃 太郎,男,30") + "\r\nd,e,\nf,g,h\r\ni,j,k\r\n");
  EXPECT_EQ(sink.Texts(), std::vector<std::string>{"< all.lst >ファイルにメンバーリストが保存されました"});
}

TEST_F(MemberImportExportTest, ExportKeepsLastMembersOnTheirOwnLines) {
  WriteGroupFiles({"a,b,c", "d,e,f\r\n", "", "", "g,h,i"});
  ASSERT_TRUE(lists.Export(folder.File("all.lst")));
  EXPECT_EQ(folder.Read("all.lst"), "a,b,c\r\nd,e,f\r\ng,h,i\r\n");
  MemberList joined{"all.lst"};
  joined.Load();
  EXPECT_EQ(joined.RowCount(), 3);
}

TEST_F(MemberImportExportTest, ExportStopsAtAListThatCannotBeRead) {
  WriteGroupFiles({"a,b,c\r\n", "d,e,f\r\n"});  // family.lst and the rest are missing
  EXPECT_FALSE(lists.Export(folder.File("all.lst")));
  EXPECT_EQ(sink.Texts(), std::vector<std::string>{folder.File("family.lst") + "ファイルがオープンできません。"});
  EXPECT_EQ(folder.Read("all.lst"), "a,b,c\r\nd,e,f\r\n") << "the lists before it are written";
}

TEST_F(MemberImportExportTest, ExportTargetThatCannotBeCreated) {
  WriteGroupFiles({"", "", "", "", ""});
  std::string target = folder.File("missing/all.lst");
  EXPECT_FALSE(lists.Export(target));
  EXPECT_EQ(sink.Texts(), std::vector<std::string>{target + "ファイルがオープンできません。"});
}

TEST_F(MemberImportExportTest, ExportOntoOneOfTheListsKeepsEveryList) {
  WriteGroupFiles({"a,b,c\r\n", "d,e,f\r\n", "", "", "g,h,i\r\n"});
  ASSERT_TRUE(lists.Export(folder.File("friend.lst")));
  EXPECT_EQ(folder.Read("friend.lst"), "a,b,c\r\nd,e,f\r\ng,h,i\r\n");
}

TEST(MemberListSetWithoutLists, ImportAndExportSayThereAreNoLists) {
  testing::ProgramFolder folder;
  testing::RecordingMessageSink sink;
  MemberListSet none(std::vector<std::string>{});
  std::string chosen = folder.Write("import.txt", "a,b,c\r\n");
  EXPECT_FALSE(none.Import(chosen));
  EXPECT_FALSE(none.Export(folder.File("all.lst")));
  EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"分割されたファイルを設定してください", "連結用のファイルがありません"}));
  EXPECT_FALSE(folder.Exists("all.lst"));
}

TEST(MemberGroupsTable, TabOrderLabelsAndFiles) {
  const std::vector<std::vector<std::string>> expected = {{"ﾘｽﾄ1", "友人", "friend.lst"},
                                                          {"ﾘｽﾄ2", "恋人", "lovers.lst"},
                                                          {"ﾘｽﾄ3", "家族", "family.lst"},
                                                          {"ﾘｽﾄ4", "ﾋﾞｼﾞﾈｽ", "business.lst"},
                                                          {"ﾘｽﾄ5", "その他", "others.lst"}};
  ASSERT_EQ(MemberGroups().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(MemberGroups()[i].tabLabel, Sjis(expected[i][0]));
    EXPECT_EQ(MemberGroups()[i].groupLabel, Sjis(expected[i][1]));
    EXPECT_EQ(MemberGroups()[i].fileName, expected[i][2]);
  }
}

}  // namespace
}  // namespace nuvaro::core
