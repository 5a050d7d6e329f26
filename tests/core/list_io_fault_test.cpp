// Saves and imports meeting failures a real disk gives but a test cannot provoke through
// the file system itself: a folder whose flush fails after the file is in place, and
// renames that start failing in the middle of an import (file_call_faults.h).
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/group_file.h"
#include "core/list_backup_sets.h"
#include "core/list_replacement.h"
#include "core/member_groups.h"
#include "core/member_list.h"
#include "core/member_list_set.h"
#include "platform/core/file_system.h"
#include "file_call_faults.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using testing::Utf8;

const MemberForm kNewMember{Sjis("桃"), Sjis("太郎"), 0, "30"};

std::string ListFile(int tab) { return std::string(MemberGroups()[static_cast<std::size_t>(tab)].fileName); }

TEST(ListFileFaults, ASaveWhoseFolderCannotBeFlushedIsKeptAndTheRiskIsTold) {
  struct Case {
    const char* label;
    std::optional<std::string> before;  // the list file before the registration
  };
  const Case cases[] = {{"a list saved before", Sjis("阿 一,男,10\r\n")}, {"the list's first save", std::nullopt}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    testing::ProgramFolder folder;
    testing::RecordingMessageSink sink;
    if (c.before) folder.Write("friend.lst", *c.before);
    MemberList list("friend.lst");
    list.Load();
    {
      testing::FolderFlushFails fault;
      ASSERT_FALSE(platform::SyncFolder(folder.Path().string())) << "the fault is not in effect";
      EXPECT_TRUE(list.Register(-1, kNewMember));
    }
    const std::string after = Sjis("桃 太郎,男,30\r\n") + c.before.value_or("");
    EXPECT_EQ(folder.Read("friend.lst"), after) << "the change is in the file";
    EXPECT_EQ(list.RowCount(), c.before ? 2 : 1) << "and on the page";
    if (c.before) {
      EXPECT_EQ(folder.Read("friend.bak"), *c.before);
    }
    ASSERT_EQ(sink.messages.size(), 1u);
    const std::string& told = sink.messages[0].text;
    EXPECT_TRUE(told.starts_with("「" + folder.File("friend.lst") + "」に保存しました。")) << told;
    EXPECT_NE(told.find("電源が切れると、今回の変更が失われて"), std::string::npos) << told;

    // Once the folder flushes again, the next change saves silently on top.
    sink.Clear();
    EXPECT_TRUE(list.DeleteSelected({0}));
    EXPECT_EQ(folder.Read("friend.lst"), c.before.value_or(""));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"削除してもよろしいですか？"});
  }
}

// Five lists "old<tab>" and an import of 80 lines (16 a list) whose renames of the new
// lists over the old ones fail from the third on.
class ImportStoppedPartWay : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int tab = 0; tab < 5; ++tab) folder.Write(ListFile(tab), "old" + std::to_string(tab) + ",,\r\n");
    std::string chosen;
    for (int i = 1; i <= 80; ++i) chosen += "name" + std::to_string(i) + ",," + std::to_string(i) + "\r\n";
    lists.ReloadAll();
    testing::RenamesFailAfter fault(std::string(kNewListSuffix), 2);
    imported = lists.Import(folder.Write("import.csv", chosen));
    ASSERT_GT(fault.Refused(), 0) << "the fault is not in effect";
  }
  bool ListIsNew(int tab) const { return folder.Read(ListFile(tab)).starts_with("name"); }

  testing::ProgramFolder folder;
  testing::RecordingMessageSink sink;
  MemberListSet lists;
  bool imported = true;
};

TEST_F(ImportStoppedPartWay, SaysWhichListsChangedAndWhereTheListsBeforeItAre) {
  EXPECT_FALSE(imported);
  EXPECT_TRUE(ListIsNew(0) && ListIsNew(1));
  EXPECT_FALSE(ListIsNew(2) || ListIsNew(3) || ListIsNew(4));
  const std::vector<std::string> sets = ListBackupSets();
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(folder.Read((std::filesystem::path(sets[0]) / "family.lst").string()), "old2,,\r\n");
  const std::string setName = std::filesystem::relative(sets[0], folder.Path()).string();

  ASSERT_EQ(sink.messages.size(), 3u) << "asked, the list that failed, what happened";
  EXPECT_EQ(sink.messages[1].text, folder.File("family.lst") + "ファイルがオープンできません。");
  const std::string& told = sink.messages[2].text;
  for (const std::string& part : {std::string("新しい内容になったリスト：ﾘｽﾄ1、ﾘｽﾄ2"),
                                  std::string("まだ前の内容のままのリスト：ﾘｽﾄ3、ﾘｽﾄ4、ﾘｽﾄ5"),
                                  "「" + setName + "」フォルダ"}) {
    EXPECT_NE(told.find(part), std::string::npos) << part << "\nin: " << told;
  }
  EXPECT_EQ(lists.Page(0).RowCount(), 16) << "the pages show what the files hold";
  EXPECT_EQ(lists.Page(2).RowCount(), 1);
}

TEST_F(ImportStoppedPartWay, NothingTypedBeforeTheNextStartIsLost) {
  // Every list refuses changes in this run, with the reason, and its file stays as is.
  struct Change {
    const char* label;
    int tab;
    bool (*make)(MemberList&);
  };
  const Change changes[] = {
      {"registration in a list still old", 2, [](MemberList& l) { return l.Register(-1, kNewMember); }},
      {"deletion in a list already new", 0, [](MemberList& l) { return l.DeleteSelected({0, 1}); }},
      {"correction in a list still old", 4,
       [](MemberList& l) { return l.Correct({0, MemberForm{Sjis("栗"), Sjis("次郎"), 0, "40"}}); }},
      {"correction asked for, before its dialog", 1, [](MemberList& l) { return l.BeginCorrection({0}).has_value(); }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.label);
    MemberList& page = lists.Page(change.tab);
    const std::vector<Member> shown = page.Rows();
    const std::string file = folder.Read(ListFile(change.tab));
    sink.Clear();
    change.make(page);
    EXPECT_EQ(page.Rows(), shown);
    EXPECT_EQ(folder.Read(ListFile(change.tab)), file);
    ASSERT_EQ(sink.messages.size(), 1u) << "told why, and asked nothing";
    EXPECT_NE(sink.messages[0].text.find("次にヌヴァロ君を起動するまで"), std::string::npos) << sink.messages[0].text;
  }
  // A start whose renames fail again says so and leaves the journal for the next one,
  // which finishes the import: every list holds its new content.
  std::vector<std::string> paths;
  for (int tab = 0; tab < 5; ++tab) paths.push_back(lists.Page(tab).FilePath());
  {
    testing::RenamesFailAfter fault(std::string(kNewListSuffix), 0);
    sink.Clear();
    EXPECT_EQ(RecoverListFiles(paths), ImportRecovery::Stuck);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_TRUE(sink.messages[0].text.starts_with("前回途中で止まった名前リストの読込みを、今回も")) << sink.messages[0].text;
    EXPECT_FALSE(ListIsNew(2));
  }
  EXPECT_EQ(RecoverListFiles(paths), ImportRecovery::Finished);
  for (int tab = 0; tab < 5; ++tab) EXPECT_TRUE(ListIsNew(tab)) << tab;
  MemberListSet restarted;
  restarted.ReloadAll();
  sink.Clear();
  EXPECT_TRUE(restarted.Page(2).Register(-1, kNewMember));
  EXPECT_TRUE(sink.messages.empty()) << "the lists are writable again after the restart";
}


// The record of written lists learns an import's new lists before their renames, so an
// import finished at the next start reads back as imported, even a name whose CP932
// bytes would pass as UTF-8 with a kanji in it.
TEST(ImportFinishedAtTheNextStart, ReadsBackAsImported) {
  testing::ProgramFolder folder;
  testing::RecordingMessageSink sink;
  const std::vector<Member> imported = {Member{"A\xE6\xBB\xBF", "", ""}};
  const std::string path = folder.Write(ListFile(0), "old,,\r\n");
  {
    testing::RenamesFailAfter fault(std::string(kNewListSuffix), 0);
    EXPECT_FALSE(ReplaceListsWhole({path}, {imported}, "listbackup/20261208-064012").replaced);
    ASSERT_GT(fault.Refused(), 0) << "the fault is not in effect";
  }
  ASSERT_EQ(RecoverListFiles({path}), ImportRecovery::Finished);
  const ListFileContent content = ReadGroupFileChecked(path);
  EXPECT_EQ(content.state, ListFileState::Read);
  EXPECT_EQ(content.rows, imported);
}

}  // namespace
}  // namespace nuvaro::core
