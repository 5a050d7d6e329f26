#include "core/list_replacement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/group_file.h"
#include "core/list_backup_sets.h"
#include "program_folder.h"
#include "recording_message_sink.h"

namespace nuvaro::core {
namespace {

// What a stopped import can leave behind, and what the next start makes of it: every
// list wholly old or wholly new, nothing of the import left over.
TEST(RecoverListFiles, AStoppedImportIsFinishedOrUndoneAndLeftoversGo) {
  struct Case {
    const char* label;
    bool journal;
    std::vector<bool> replaced;     // lists already renamed (their new file gone)
    std::vector<bool> newFileLeft;  // lists whose ".import" file is still there
    ImportRecovery expected;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"stopped while writing the new lists", false, {false, false, false}, {true, true, false}, ImportRecovery::Undone,
       "前回、名前リストの読込みが途中で止まっていたため、読み込む前のリストのままにしてあります。必要なら、もう一度「ﾘｽﾄ読込」で読み込んでください。"},
      {"stopped after the journal", true, {false, false, false}, {true, true, true}, ImportRecovery::Finished,
       "前回、名前リストの読込みが途中で止まっていたため、読込みを最後まで済ませました。"},
      {"stopped while renaming", true, {true, false, false}, {false, true, true}, ImportRecovery::Finished,
       "前回、名前リストの読込みが途中で止まっていたため、読込みを最後まで済ませました。"},
      {"stopped before removing the journal", true, {true, true, true}, {false, false, false},
       ImportRecovery::Finished, "前回、名前リストの読込みが途中で止まっていたため、読込みを最後まで済ませました。"},
      {"nothing stopped", false, {false, false, false}, {false, false, false}, ImportRecovery::NothingToDo, ""},
  };
  for (const Case& c : cases) {
    testing::ProgramFolder folder;
    testing::RecordingMessageSink sink;
    std::vector<std::string> lists;
    for (std::size_t i = 0; i < c.replaced.size(); ++i) {
      const std::string name = "list" + std::to_string(i) + ".lst";
      lists.push_back(folder.Write(name, c.replaced[i] ? "new,,\r\n" : "old,,\r\n"));
      if (c.newFileLeft[i]) folder.Write(name + ".import", "new,,\r\n");
    }
    if (c.journal) folder.Write("listimport.journal", "list import\nlistbackup/20261208-064012\n");
    // What interrupted saves and backups leave.
    folder.Write("list0.lst.tmpAb12Cd", "half");
    folder.Write("listbackup/.incomplete-20261208-070000/list0.lst", "old,,\r\n");
    folder.Write("listbackup/20261208-064012/list0.lst", "old,,\r\n");

    EXPECT_EQ(RecoverListFiles(lists), c.expected) << c.label;
    const bool allNew = c.expected == ImportRecovery::Finished;
    for (std::size_t i = 0; i < lists.size(); ++i) {
      const std::string name = "list" + std::to_string(i) + ".lst";
      const bool wasNew = c.replaced[i];
      EXPECT_EQ(folder.Read(name), allNew || wasNew ? "new,,\r\n" : "old,,\r\n") << c.label << " " << name;
      EXPECT_FALSE(folder.Exists(name + ".import")) << c.label;
    }
    EXPECT_FALSE(folder.Exists("listimport.journal")) << c.label;
    EXPECT_FALSE(folder.Exists("list0.lst.tmpAb12Cd")) << c.label;
    EXPECT_FALSE(folder.Exists("listbackup/.incomplete-20261208-070000")) << c.label;
    EXPECT_EQ(ListBackupSets().size(), 1u) << c.label << ": the complete set stays";
    EXPECT_EQ(sink.Texts(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message})
        << c.label;
  }
}

}  // namespace
}  // namespace nuvaro::core
