#include "core/written_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/group_file.h"
#include "core/list_replacement.h"
#include "program_folder.h"

namespace nuvaro::core {
namespace {

// Names an import may leave without a sex: CP932 whose bytes are also valid UTF-8.
// elsewhere: how the same bytes read from a file the program did not write.
struct Ambiguous {
  const char* label;
  std::string name;
  ListFileState elsewhere;
};
const std::vector<Ambiguous> kAmbiguous = {
    {"a kanji and a half-width kana that pass as 滿", "A\xE6\xBB\xBF", ListFileState::FromUtf8},
    {"the same that pass as 仿, which CP932 lacks", "\xE4\xBB\xBF", ListFileState::Unstorable},
    {"the same that pass as a Sinhala letter", "t\xE0\xB7\xBA", ListFileState::Read},
};

std::vector<Member> RowsNamed(const std::string& name) { return {Member{name, "", ""}}; }

TEST(WrittenLists, AListTheProgramWroteReadsBackAsWrittenWhoeverElseItsBytesCouldBe) {
  for (const Ambiguous& c : kAmbiguous) {
    SCOPED_TRACE(c.label);
    testing::ProgramFolder folder;
    const std::vector<Member> rows = RowsNamed(c.name);
    // Only the record tells the program's own file from the same bytes elsewhere.
    const std::string foreign = folder.Write("elsewhere/friend.lst", FormatGroupFile(rows));
    EXPECT_EQ(ReadGroupFileChecked(foreign).state, c.elsewhere);

    const std::string saved = folder.File("friend.lst");
    ASSERT_TRUE(WriteGroupFile(saved, rows));
    const std::string imported = folder.File("family.lst");
    ASSERT_TRUE(ReplaceListsWhole({imported}, {rows}, "listbackup/20261208-064012").replaced);
    for (const std::string& path : {saved, imported}) {
      const ListFileContent content = ReadGroupFileChecked(path);
      EXPECT_EQ(content.state, ListFileState::Read) << path;
      EXPECT_EQ(content.rows, rows) << path;
    }
  }
}

TEST(WrittenLists, TheLastTwoWritesOfAListAreKnownAndNoneBefore) {
  testing::ProgramFolder folder;
  const std::string path = folder.File("friend.lst");
  const std::string first = FormatGroupFile(RowsNamed(kAmbiguous[0].name));
  ASSERT_TRUE(WriteGroupFile(path, RowsNamed(kAmbiguous[0].name)));
  ASSERT_TRUE(WriteGroupFile(path, RowsNamed("b")));
  ASSERT_TRUE(WriteGroupFile(folder.File("other.lst"), RowsNamed("c")));  // another list's write counts apart
  folder.Write("friend.lst", first);  // a save stopped before its rename leaves the write before
  EXPECT_EQ(ReadGroupFileChecked(path).state, ListFileState::Read);
  ASSERT_TRUE(WriteGroupFile(path, RowsNamed("d")));
  folder.Write("friend.lst", first);
  EXPECT_EQ(ReadGroupFileChecked(path).state, ListFileState::FromUtf8);

  // A damaged record is read for what it still holds, and rewritten whole by the next save.
  folder.Write(kWrittenListsName, "friend.lst\t9\n" + folder.Read(kWrittenListsName) + "friend.lst\tx\t1\n\t\t\n");
  ASSERT_TRUE(WriteGroupFile(path, RowsNamed(kAmbiguous[1].name)));
  EXPECT_EQ(ReadGroupFileChecked(path).state, ListFileState::Read);
  const WrittenListRecord record(path);
  EXPECT_TRUE(record.Holds(path, "d,,\r\n"));
  EXPECT_FALSE(record.Holds(path, "b,,\r\n"));
  EXPECT_TRUE(record.Holds(folder.File("other.lst"), "c,,\r\n"));
}

}  // namespace
}  // namespace nuvaro::core
