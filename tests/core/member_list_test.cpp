#include "core/member_list.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(list.Rows()[0].name.substr(0, 5), Sjis("桃山 "));
  EXPECT_EQ(list.Rows()[0].ageBand, "30");
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

}  // namespace
}  // namespace nuvaro::core
