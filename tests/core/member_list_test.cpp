#include "core/member_list.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/member.h"
#include "platform/core/message_sink.h"
#include "file_faults.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using testing::Utf8;

MemberForm Form(std::string_view surname, std::string_view givenName, int sexIndex, std::string_view age) {
  return MemberForm{Sjis(surname), Sjis(givenName), sexIndex, Sjis(age)};
}

// The page's rows as readable "name,sex,age" lines.
std::vector<std::string> RowTexts(const MemberList& list) {
  std::vector<std::string> texts;
  for (const Member& row : list.Rows()) texts.push_back(Utf8(MemberText(row)));
  return texts;
}

class MemberListTest : public ::testing::Test {
 protected:
  // A page with three members A, B, C loaded from its file.
  void LoadThree() {
    folder.Write("friend.lst", Sjis("阿 一,男,10\r\n部 二,女,20\r\n千 三,男,30\r\n"));
    list.Load();
    ASSERT_EQ(list.RowCount(), 3);
  }

  testing::ProgramFolder folder;
  testing::RecordingMessageSink sink;
  MemberList list{"friend.lst"};
};

TEST_F(MemberListTest, RegisterInsertsAboveTheSelectionOrAtTheTop) {
  LoadThree();
  ASSERT_TRUE(list.Register(-1, Form("桃", "太郎", 0, "30")));
  EXPECT_EQ(RowTexts(list), (std::vector<std::string>{"桃 太郎,男,30", "阿 一,男,10", "部 二,女,20", "千 三,男,30"}));
  ASSERT_TRUE(list.Register(2, Form("南瓜", "花子", 1, "")));
  EXPECT_EQ(RowTexts(list),
            (std::vector<std::string>{"桃 太郎,男,30", "阿 一,男,10", "南瓜 花子,女,20", "部 二,女,20", "千 三,男,30"}));
  // Written at once, the previous content kept in the backup.
  EXPECT_EQ(Utf8(folder.Read("friend.lst")),
            "桃 太郎,男,30\r\n阿 一,男,10\r\n南瓜 花子,女,20\r\n部 二,女,20\r\n千 三,男,30\r\n");
  EXPECT_EQ(Utf8(folder.Read("friend.bak")), "桃 太郎,男,30\r\n阿 一,男,10\r\n部 二,女,20\r\n千 三,男,30\r\n");
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(Utf8(list.DragText(2)), "南瓜 花子,女,20");
  EXPECT_EQ(list.DragText(5), "");
}

TEST_F(MemberListTest, RegisterNeedsBothNameFieldsAndStoresWhatTheFileCanHold) {
  list.Load();  // a missing file leaves the page empty, silently
  const std::vector<MemberForm> incomplete = {Form("", "太郎", 0, "30"), Form("桃", "", 0, "30"), Form("", "", 1, "")};
  for (const MemberForm& form : incomplete) {
    sink.Clear();
    EXPECT_FALSE(list.Register(-1, form));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"姓と名を入力してください。"});
  }
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_FALSE(folder.Exists("friend.lst"));
  // A comma in a name field could not be stored and a very long name would pass the
  // file's 127 bytes: the page shows what a reload would show.
  ASSERT_TRUE(list.Register(-1, MemberForm{Sjis("桃,山"), std::string(200, 'x'), 0, "30"}));
  MemberList reloaded{"friend.lst"};
  reloaded.Load();
  EXPECT_EQ(reloaded.Rows(), list.Rows());
  EXPECT_EQ(list.Rows()[0].Name().substr(0, 5), Sjis("桃山 "));
  EXPECT_EQ(list.Rows()[0].AgeBand(), "30");
}

TEST_F(MemberListTest, CorrectionPresetsTheDialogFromTheFirstSelectedRowOrAsksForOne) {
  folder.Write("friend.lst", Sjis("桃 太郎,男,30\r\n南瓜花子,女性,\r\n"));
  list.Load();
  auto first = list.BeginCorrection({1, 0});
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->row, 0);
  EXPECT_EQ(Utf8(first->form.surname), "桃");
  EXPECT_EQ(Utf8(first->form.givenName), "太郎");
  EXPECT_EQ(first->form.sexIndex, 0);
  EXPECT_EQ(first->form.ageBand, "30");
  // No space: empty surname, the whole name as given name; a sex other than "男" is 女性.
  auto second = list.BeginCorrection({1});
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(second->form.surname, "");
  EXPECT_EQ(Utf8(second->form.givenName), "南瓜花子");
  EXPECT_EQ(second->form.sexIndex, 1);
  EXPECT_EQ(second->form.ageBand, "");
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_FALSE(list.BeginCorrection({}).has_value());
  EXPECT_FALSE(list.BeginCorrection({7}).has_value());
  EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"修正する項目を選択してください。", "修正する項目を選択してください。"}));
}

TEST_F(MemberListTest, CorrectionRewritesTheRowOrChangesNothing) {
  LoadThree();
  auto request = list.BeginCorrection({1});
  ASSERT_TRUE(request.has_value());
  request->form = Form("桃", "花子", 1, "");
  ASSERT_TRUE(list.Correct(*request));
  // An empty age band stays empty on correction (registration would write "20").
  EXPECT_EQ(RowTexts(list), (std::vector<std::string>{"阿 一,男,10", "桃 花子,女,", "千 三,男,30"}));
  EXPECT_EQ(Utf8(folder.Read("friend.lst")), "阿 一,男,10\r\n桃 花子,女,\r\n千 三,男,30\r\n");

  request->form = Form("", "花子", 0, "40");
  EXPECT_FALSE(list.Correct(*request));
  EXPECT_EQ(RowTexts(list)[1], "桃 花子,女,");
  EXPECT_TRUE(sink.messages.empty()) << "an empty name field on correction changes nothing, silently";
}

TEST_F(MemberListTest, DeleteAsksOnceAndRemovesEverySelectedRow) {
  LoadThree();
  list.Register(-1, Form("桃", "太郎", 0, "30"));
  sink.QueueAnswer(platform::kIdYes);
  ASSERT_TRUE(list.DeleteSelected({3, 0, 1}));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, "削除してもよろしいですか？");
  EXPECT_EQ(sink.messages[0].buttons, platform::MessageButtons::YesNo);
  EXPECT_EQ(RowTexts(list), std::vector<std::string>{"部 二,女,20"});
  EXPECT_EQ(Utf8(folder.Read("friend.lst")), "部 二,女,20\r\n");
}

TEST_F(MemberListTest, DeleteAnsweredNoOrWithoutSelectionChangesNothing) {
  LoadThree();
  sink.QueueAnswer(platform::kIdNo);
  EXPECT_FALSE(list.DeleteSelected({0}));
  EXPECT_FALSE(list.DeleteSelected({}));
  EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"削除してもよろしいですか？", "削除する項目を選択してください。"}));
  EXPECT_EQ(list.RowCount(), 3);
  EXPECT_FALSE(folder.Exists("friend.bak"));
}

TEST_F(MemberListTest, AFailedSaveShowsWhatTheFileHoldsAndSaysNothingWasSaved) {
  const std::string notSaved = "ファイルがオープンできません。\n変更内容は保存されませんでした。";
  MemberList elsewhere{"missing-folder/friend.lst"};
  ASSERT_TRUE(elsewhere.Register(-1, Form("桃", "太郎", 0, "30")));
  EXPECT_EQ(elsewhere.RowCount(), 0);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, folder.File("missing-folder/friend.lst") + notSaved);

  // Disk full: neither the new row nor the deletion survives on screen, because neither
  // reached the file; the message names the backup that could not be written.
  LoadThree();
  const std::string before = folder.Read("friend.lst");
  {
    testing::DiskFullAfter full(10);
    ASSERT_TRUE(list.Register(-1, Form("桃", "太郎", 0, "30")));
    EXPECT_EQ(RowTexts(list), (std::vector<std::string>{"阿 一,男,10", "部 二,女,20", "千 三,男,30"}));
    sink.QueueAnswer(platform::kIdYes);
    ASSERT_TRUE(list.DeleteSelected({0, 1}));
    EXPECT_EQ(list.RowCount(), 3);
  }
  EXPECT_EQ(folder.Read("friend.lst"), before);
  ASSERT_EQ(sink.messages.size(), 4u);
  EXPECT_EQ(sink.messages[1].text, folder.File("friend.bak") + notSaved);
  EXPECT_EQ(sink.messages[3].text, folder.File("friend.bak") + notSaved);
}

// A list file the program did not write, or no file at all: the page says so, and a
// list it cannot take whole is never written over.
TEST_F(MemberListTest, AListFileThatCannotBeTakenWholeIsShownReadOnlyAndNeverOverwritten) {
  struct Case {
    const char* label;
    std::function<void()> make;   // makes "friend.lst"
    int rows;                     // rows the page shows
    std::string messageStart;     // "" when the list stays writable
  };
  const std::string path = folder.File("friend.lst");
  const std::vector<Case> cases = {
      {"UTF-8 from an editor is converted", [&] { folder.Write("friend.lst", "山田 太郎,男,30\n"); }, 1, ""},
      {"UTF-8 with a character CP932 lacks",
       [&] { folder.Write("friend.lst", "𠮷田 太郎,男,30\n"); }, 1, "「" + path + "」には、名前リストに保存できない文字"},
      // A CP932 kanji and a half-width kana that pass as one UTF-8 character of no
      // Japanese script: the list is what it was written as.
      {"CP932 whose bytes pass as UTF-8", [&] { folder.Write("friend.lst", "t\xE0\xB7\xBA,,\r\n"); }, 1, ""},
      {"neither CP932 nor UTF-8", [&] { folder.Write("friend.lst", "\xFF\xFE,a,b\r\n"); }, 1,
       "「" + path + "」は、ヌヴァロ君が読める文字コード（Shift_JISかUTF-8）で書かれていない"},
      {"a folder", [&] { std::filesystem::create_directory(path); }, 0, "「" + path + "」はファイルではなくフォルダ"},
      {"a FIFO", [&] { mkfifo(path.c_str(), 0600); }, 0, "「" + path + "」は普通のファイルではない"},
      {"a symbolic link loop", [&] { std::filesystem::create_symlink("friend.lst", path); }, 0,
       "「" + path + "」は別のファイルを指す「リンク」ですが、たどっていくと元に戻ってしまい"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(path);
    std::filesystem::remove_all(path);
    c.make();
    sink.Clear();
    MemberList page{"friend.lst"};
    page.Load();
    EXPECT_EQ(page.RowCount(), c.rows) << c.label;
    EXPECT_EQ(page.Writable(), c.messageStart.empty()) << c.label;
    if (c.messageStart.empty()) {
      EXPECT_TRUE(sink.messages.empty()) << c.label;
      continue;
    }
    ASSERT_EQ(sink.messages.size(), 1u) << c.label;
    EXPECT_EQ(sink.messages[0].text.rfind(c.messageStart, 0), 0u) << sink.messages[0].text;
    std::error_code error;
    const bool regular = std::filesystem::is_regular_file(path, error);
    const std::string before = regular ? folder.Read("friend.lst") : "";
    sink.Clear();
    EXPECT_TRUE(page.Register(-1, Form("桃", "太郎", 0, "30")));
    EXPECT_EQ(page.RowCount(), c.rows) << c.label << ": the new row is taken back";
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"このリストは変更できないようにしてあるため、変更は保存されませんでした。"});
    if (regular) {
      EXPECT_EQ(folder.Read("friend.lst"), before) << c.label;
    }
    EXPECT_FALSE(folder.Exists("friend.bak")) << c.label;
  }
}

// Another copy of the program or an editor wrote the file since this page read it: the
// save reloads it and says so instead of overwriting what the other one wrote.
TEST_F(MemberListTest, AListChangedBehindTheProgramIsReloadedNotOverwritten) {
  LoadThree();
  const std::string theirs = Sjis("阿 一,男,10\r\n部 二,女,20\r\n千 三,男,30\r\n他 四,女,40\r\n");
  folder.Write("friend.lst", theirs);
  EXPECT_TRUE(list.Register(-1, Form("桃", "太郎", 0, "30")));
  EXPECT_EQ(folder.Read("friend.lst"), theirs);
  EXPECT_EQ(RowTexts(list), (std::vector<std::string>{"阿 一,男,10", "部 二,女,20", "千 三,男,30", "他 四,女,40"}));
  EXPECT_EQ(sink.Texts(), std::vector<std::string>{"「friend.lst」は、ヌヴァロ君が読み込んだ後で、ほかのプログラムによって書き換えられていました。"
                                                   "そのため、リストをファイルのいまの内容で表示し直しました。\n"
                                                   "いま行った変更は保存していません。リストを確かめてから、もう一度行ってください。"});
  // Done again, the change is saved on top of theirs, and later saves go through too.
  sink.Clear();
  ASSERT_TRUE(list.Register(-1, Form("桃", "太郎", 0, "30")));
  sink.QueueAnswer(platform::kIdYes);
  ASSERT_TRUE(list.DeleteSelected({4}));
  EXPECT_EQ(Utf8(folder.Read("friend.lst")), "桃 太郎,男,30\r\n阿 一,男,10\r\n部 二,女,20\r\n千 三,男,30\r\n");
  EXPECT_EQ(sink.messages.size(), 1u) << "only the delete question";
}

}  // namespace
}  // namespace nuvaro::core
