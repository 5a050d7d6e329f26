#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/group_file.h"
#include "core/member_groups.h"
#include "core/member_import.h"
#include "core/list_backup_sets.h"
#include "core/member_list_set.h"
#include "platform/core/local_clock.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using testing::Utf8;
using Strings = std::vector<std::string>;

// Lines "name<i>,男,<i>" with CR LF for i from `from` to `to`: an import file, or what
// a list file holds after the import.
std::string NumberedLines(int from, int to) {
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
      {"an empty line is its line end", "a,b,c\r\n\r\nd,e,f\r\n", 3},
      {"a line with a comma is not measured", std::string(100, 'n') + ",\r\n", 1},
      {"trailing commas at the end of the last line go first", std::string(29, 'n') + ",,,", 1},
      {"only commas leave an empty line", ",,,", std::nullopt},
      {"a line of 300 bytes is read as two lines", std::string(300, 'n') + ",\r\n", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ValidateImportText(c.bytes), c.lines) << c.label;
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

TEST_F(MemberImportExportTest, LinesAreSharedOutInTabOrder) {
  struct Case {
    int lines;
    std::vector<std::pair<int, int>> groups;  // first and last line of each list (0, -1: empty)
  };
  const std::vector<Case> cases = {
      {20, {{1, 15}, {16, 20}, {0, -1}, {0, -1}, {0, -1}}},
      {78, {{1, 15}, {16, 30}, {31, 45}, {46, 60}, {61, 75}}},  // the last three are dropped
      {100, {{1, 20}, {21, 40}, {41, 60}, {61, 80}, {81, 100}}},
  };
  for (const auto& c : cases) {
    WriteGroupFiles({"old,,\r\n", "old,,\r\n", "old,,\r\n", "old,,\r\n", "old,,\r\n"});
    ASSERT_TRUE(lists.Import(folder.Write("import.csv", NumberedLines(1, c.lines)))) << c.lines;
    for (int tab = 0; tab < 5; ++tab) {
      auto [from, to] = c.groups[static_cast<std::size_t>(tab)];
      EXPECT_EQ(GroupFile(tab), NumberedLines(from, to)) << c.lines << " lines, list " << tab;
      EXPECT_EQ(lists.Page(tab).RowCount(), to - from + 1) << "the pages show the new lists";
    }
    EXPECT_EQ(folder.Read("friend.bak"), "old,,\r\n");
  }
  ASSERT_EQ(sink.messages.size(), 6u) << "each import asks first and then reports";
  EXPECT_EQ(sink.messages[0].text, "現在のリスト1～5の内容は、読み込むファイルの内容に置き換えられます。よろしいですか？");
  EXPECT_EQ(sink.messages[0].buttons, platform::MessageButtons::YesNo);
  const std::string& report = sink.messages[3].text;  // the 78-line file
  EXPECT_EQ(report.rfind("名前リストを読み込みました。\nﾘｽﾄ1：15人　ﾘｽﾄ2：15人　ﾘｽﾄ3：15人　ﾘｽﾄ4：15人　ﾘｽﾄ5：15人\n"
                         "ファイルの最後の3行は読み込まれませんでした。\n読み込む前のリストは「listbackup/",
                         0),
            0u)
      << report;
}

TEST_F(MemberImportExportTest, ImportAskedNoChangesNothing) {
  WriteGroupFiles({"old,,\r\n", "", "", "", ""});
  sink.QueueAnswer(platform::kIdNo);
  EXPECT_FALSE(lists.Import(folder.Write("import.csv", NumberedLines(1, 3))));
  EXPECT_EQ(GroupFile(0), "old,,\r\n");
  EXPECT_FALSE(folder.Exists("listbackup"));
  EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(MemberImportExportTest, EveryImportKeepsTheListsBeforeItInADatedSet) {
  // Seven imports, the last two within one second: the five newest sets stay, and each
  // holds the lists as the import before it left them.
  const int seconds[] = {1, 2, 3, 4, 5, 6, 6};
  for (int i = 0; i < 7; ++i) {
    platform::PinLocalTime(platform::LocalTime{2026, 12, 8, 6, 40, seconds[i], 2});
    WriteGroupFiles({"before" + std::to_string(i) + ",,\r\n", "", "", "", ""});
    ASSERT_TRUE(lists.Import(folder.Write("import.csv", NumberedLines(1, 2)))) << i;
  }
  platform::PinLocalTime(std::nullopt);
  const std::vector<std::string> sets = ListBackupSets();
  ASSERT_EQ(sets.size(), kKeptListBackupSets);
  EXPECT_EQ(std::filesystem::path(sets.front()).filename(), "20261208-064003");
  EXPECT_EQ(std::filesystem::path(sets.back()).filename(), "20261208-064006-2");
  for (std::size_t k = 0; k < sets.size(); ++k) {
    EXPECT_EQ(folder.Read(sets[k] + "/friend.lst"), "before" + std::to_string(k + 2) + ",,\r\n") << sets[k];
    EXPECT_EQ(folder.Read(sets[k] + "/lovers.lst"), "") << "empty lists are kept too";
  }
}

TEST_F(MemberImportExportTest, AUtf8FileIsConvertedAndOneThatIsNeitherIsRefused) {
  // A spreadsheet's UTF-8 CSV with a byte-order mark, and one character CP932 lacks.
  const std::string utf8 = "\xEF\xBB\xBF" + std::string("山田 太郎,男,30\r\n𠮷田 花子,女,20\r\n");
  ASSERT_TRUE(lists.Import(folder.Write("import.csv", utf8)));
  EXPECT_EQ(GroupFile(0), Sjis("山田 太郎,男,30\r\n？田 花子,女,20\r\n"));
  ASSERT_EQ(sink.messages.size(), 3u);
  // The character, its line and its member are named, with what to do about it.
  EXPECT_EQ(sink.messages[1].text,
            "読み込むファイルに、名前リストに保存できない文字がありました。その文字は「？」に置き換えて読み込みます。\n"
            "2行目「？田 花子」の「𠮷」\n"
            "読み込んだ後で、その人を選んで「修正」を押し、「？」になった文字を、よく使われる字体で入力し直してください"
            "（たとえば「𠮷」なら「吉」）。"
            "絵文字は使えません。");
  // Without a mark, UTF-8 is still recognised; CP932 is read as it is.
  ASSERT_TRUE(lists.Import(folder.Write("import.csv", std::string("桃 花子,女,20\n"))));
  EXPECT_EQ(GroupFile(0), Sjis("桃 花子,女,20\r\n"));
  ASSERT_TRUE(lists.Import(folder.Write("import.csv", Sjis("南瓜 花子,女,30\r\n"))));
  EXPECT_EQ(GroupFile(0), Sjis("南瓜 花子,女,30\r\n"));
  sink.Clear();
  EXPECT_FALSE(lists.Import(folder.Write("import.csv", std::string("\xFF\xFE,a,b\r\n"))));
  EXPECT_EQ(sink.Texts(), Strings{"指定されたファイルの読込みに失敗しました。"});
  EXPECT_EQ(GroupFile(0), Sjis("南瓜 花子,女,30\r\n"));
}

TEST_F(MemberImportExportTest, AFailedCheckTouchesNoListAndReloadsThePages) {
  WriteGroupFiles({"a,b,c\r\n", "d,e,f\r\n", "", "", ""});
  lists.Page(0).Register(-1, MemberForm{"x", "y", 0, ""});
  folder.Write("friend.lst", "a,b,c\r\n");  // the page now holds a row its file does not
  std::string chosen = folder.Write("import.txt", NumberedLines(1, 3) + std::string(40, 'n') + "\r\n");
  EXPECT_FALSE(lists.Import(chosen));
  EXPECT_EQ(sink.Texts(), std::vector<std::string>{"指定されたファイルの読込みに失敗しました。"});
  EXPECT_EQ(GroupFile(0), "a,b,c\r\n");
  EXPECT_EQ(GroupFile(1), "d,e,f\r\n");
  ASSERT_EQ(lists.Page(0).RowCount(), 1);
  EXPECT_EQ(lists.Page(0).Rows()[0].Name(), "a");
  EXPECT_EQ(lists.Page(1).RowCount(), 1);
}

TEST_F(MemberImportExportTest, AnImportFileThatCannotBeOpenedIsNamed) {
  EXPECT_FALSE(lists.Import(folder.File("nowhere.csv")));
  EXPECT_EQ(sink.Texts(), std::vector<std::string>{folder.File("nowhere.csv") + "ファイルがオープンできません。"});
  EXPECT_FALSE(folder.Exists("friend.lst"));
}

TEST_F(MemberImportExportTest, AListThatCannotBeWrittenLeavesEveryListAsItWas) {
  WriteGroupFiles({"a,,\r\n", "", "", "old,,\r\n", "old,,\r\n"});
  std::filesystem::remove(folder.File("family.lst"));
  std::filesystem::create_directory(folder.File("family.lst"));  // the third list cannot be written
  std::string chosen = folder.Write("import.txt", NumberedLines(1, 75));
  EXPECT_FALSE(lists.Import(chosen));
  ASSERT_GE(sink.messages.size(), 3u) << "asked first";
  EXPECT_EQ(sink.messages[1].text, folder.File("family.lst") + "ファイルがオープンできません。");
  EXPECT_EQ(sink.messages[2].text, "名前リストは読み込む前のままです。");
  EXPECT_EQ(GroupFile(0), "a,,\r\n") << "no list is half imported";
  EXPECT_EQ(GroupFile(3), "old,,\r\n");
  EXPECT_FALSE(folder.Exists("friend.lst.import"));
  EXPECT_EQ(lists.Page(0).RowCount(), 1) << "the pages are reloaded after a failure too";
}

// Member lists of the given sizes, with names that tell list and position apart.
std::vector<std::vector<Member>> ListsOfSizes(const std::vector<int>& sizes) {
  std::vector<std::vector<Member>> lists;
  for (std::size_t list = 0; list < sizes.size(); ++list) {
    lists.emplace_back();
    for (int i = 0; i < sizes[list]; ++i) {
      lists.back().push_back(Member{Sjis("山田 ") + std::to_string(list) + "-" + std::to_string(i),
                                    Sjis(i % 2 == 0 ? "男" : "女"), std::to_string(10 * (i % 10))});
    }
  }
  return lists;
}

TEST_F(MemberImportExportTest, AnExportImportsBackIntoTheSameListsWhateverTheirSizes) {
  const std::vector<std::vector<Member>> before = ListsOfSizes({16, 0, 15, 40, 2});
  for (ExportEncoding encoding : {ExportEncoding::Cp932, ExportEncoding::Utf8}) {
    std::vector<std::string> files;
    for (const auto& list : before) files.push_back(FormatGroupFile(list));
    WriteGroupFiles(files);
    ASSERT_TRUE(lists.Export(folder.File("all.csv"), encoding));
    WriteGroupFiles({"", "", "", "", ""});
    ASSERT_TRUE(lists.Import(folder.File("all.csv")));
    for (int tab = 0; tab < 5; ++tab) {
      EXPECT_EQ(lists.Page(tab).Rows(), before[static_cast<std::size_t>(tab)]) << "list " << tab;
    }
    EXPECT_EQ(sink.messages.back().text.find("ﾘｽﾄ1：16人　ﾘｽﾄ2：0人　ﾘｽﾄ3：15人　ﾘｽﾄ4：40人　ﾘｽﾄ5：2人\n読み込む前"),
              std::string("名前リストを読み込みました。\n").size())
        << sink.messages.back().text;
  }
  // A foreign file of 78 lines, one with a fourth column that names no list among
  // them, is still shared out 15 a list and its last 3 lines dropped.
  std::string foreign = NumberedLines(1, 77) + "x,y,z,note\r\n";
  ASSERT_TRUE(lists.Import(folder.Write("foreign.csv", foreign)));
  for (int tab = 0; tab < 5; ++tab) EXPECT_EQ(lists.Page(tab).RowCount(), 15);
  EXPECT_NE(sink.messages.back().text.find("ファイルの最後の3行は読み込まれませんでした。"), std::string::npos);
}

TEST_F(MemberImportExportTest, TheUtf8ExportGuardsCellsASpreadsheetWouldRunAndTheImportTakesTheGuardAway) {
  const std::vector<Member> tricky = {{"=SUM(A1)", Sjis("男"), "-5"}, {"+1 a", "@x", "'quoted"}, {"plain b", "", ""}};
  WriteGroupFiles({FormatGroupFile(tricky), "", "", "", ""});
  ASSERT_TRUE(lists.Export(folder.File("all.csv"), ExportEncoding::Utf8));
  EXPECT_EQ(folder.Read("all.csv"), "\xEF\xBB\xBF'=SUM(A1),男,'-5,ﾘｽﾄ1\r\n'+1 a,'@x,''quoted,ﾘｽﾄ1\r\nplain b,,,ﾘｽﾄ1\r\n");
  WriteGroupFiles({"", "", "", "", ""});
  ASSERT_TRUE(lists.Import(folder.File("all.csv")));
  EXPECT_EQ(lists.Page(0).Rows(), tricky);
}

TEST_F(MemberImportExportTest, ExportWritesEveryMemberWithTheListItCameFrom) {
  WriteGroupFiles({"a,b,c\r\n", "", Sjis("桃 太郎,男,30") + "\r\n", "d,e,\n", "f,g,h\ri,j,k"});
  ASSERT_TRUE(lists.Export(folder.File("all.lst")));
  EXPECT_EQ(folder.Read("all.lst"), Sjis("a,b,c,ﾘｽﾄ1\r\n桃 太郎,男,30,ﾘｽﾄ3\r\nd,e,,ﾘｽﾄ4\r\nf,g,h,ﾘｽﾄ5\r\ni,j,k,ﾘｽﾄ5\r\n"));
  EXPECT_EQ(sink.Texts(), std::vector<std::string>{"< all.lst >ファイルにメンバーリストが保存されました"});
  // The message names the file without its folder, whatever the folder is called.
  std::filesystem::create_directory(folder.File("あ"));
  sink.Clear();
  ASSERT_TRUE(lists.Export(folder.File("あ/all.lst")));
  EXPECT_EQ(sink.Texts(), std::vector<std::string>{"< all.lst >ファイルにメンバーリストが保存されました"});
  // Exporting onto one of the lists themselves loses none of them.
  ASSERT_TRUE(lists.Export(folder.File("friend.lst")));
  EXPECT_EQ(folder.Read("friend.lst"), folder.Read("all.lst"));
}

TEST_F(MemberImportExportTest, ExportStopsAtAListOrTargetThatCannotBeOpened) {
  WriteGroupFiles({"a,b,c\r\n", "d,e,f\r\n"});  // family.lst and the rest are missing
  EXPECT_FALSE(lists.Export(folder.File("all.lst")));
  EXPECT_EQ(folder.Read("all.lst"), Sjis("a,b,c,ﾘｽﾄ1\r\nd,e,f,ﾘｽﾄ2\r\n")) << "the lists before it are written";
  std::string target = folder.File("missing/all.lst");
  EXPECT_FALSE(lists.Export(target));
  EXPECT_EQ(sink.Texts(), (std::vector<std::string>{folder.File("family.lst") + "ファイルがオープンできません。",
                                                    target + "ファイルがオープンできません。"}));
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

}  // namespace
}  // namespace nuvaro::core
