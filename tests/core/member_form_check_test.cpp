#include "core/member_form_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/engine_binding.h"
#include "core/unstorable_characters.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;

constexpr const char* kNamesRequired = "姓と名を入力してください。";
constexpr const char* kFormula = "姓と名の最初の文字には、半角の「=」「+」「-」「@」を使えません。\n表計算ソフトで開いたときに、計算式と間違えられるためです。別の文字で始めてください。";
constexpr const char* kComma = "名前と年代には「,」（半角のカンマ）を使えません。\n別の文字で入力してください。";

std::string Unreadable(const char* characters) {
  return std::string("「") + characters +
         "」は画数を数えられない文字なので、この名前では占えません。\n小さい「ゃ」「っ」や「ヴ」「ヶ」、半角文字、"
         "英数字は数えられません。\nこのまま登録しますか？";
}

TEST(MemberFormCheck, EachMistakeIsToldOrAskedAndNoKeepsTheDialogOpen) {
  testing::ProgramFolder folder;
  folder.CopyEngine();
  EngineBinding engine;
  ASSERT_TRUE(engine.Bind());
  struct Case {
    std::string surname, given, age;
    std::vector<int> answers;
    bool accepted;
    std::vector<std::string> messages;
  };
  const std::vector<Case> cases = {
      {"山田", "太郎", "30", {}, true, {}},
      {"山田", "", "30", {}, false, {kNamesRequired}},
      {"", "太郎", "", {}, false, {kNamesRequired}},
      {"山,田", "太郎", "30", {}, false, {kComma}},
      {"山田", "太郎", "30,男", {}, false, {kComma}},
      {"=HYPERLINK(1)", "太郎", "30", {}, false, {kFormula}},
      {"山田", "@x", "30", {}, false, {kFormula}},
      {"-田", "太郎", "-", {}, false, {kFormula}},
      {"山田", "太郎", "-", {}, true, {}},
      {"田中", "りょう", "20", {platform::kIdNo}, false, {Unreadable("ょ")}},
      {"田中", "りょう", "20", {platform::kIdYes}, true, {Unreadable("ょ")}},
      {"ﾔﾏﾀﾞ", "花子", "20", {platform::kIdNo}, false, {Unreadable("ﾔ」「ﾏ」「ﾀ」「ﾞ")}},
  };
  for (const auto& c : cases) {
    testing::RecordingMessageSink sink;
    for (int answer : c.answers) sink.QueueAnswer(answer);
    MemberForm form{Sjis(c.surname), Sjis(c.given), 0, Sjis(c.age)};
    EXPECT_EQ(ConfirmMemberForm(form, &engine), c.accepted) << c.surname << " " << c.given;
    EXPECT_EQ(sink.Texts(), c.messages) << c.surname << " " << c.given;
  }
}

TEST(MemberFormCheck, ANameTooLongForTheListSaysWhatWouldBeKept) {
  testing::RecordingMessageSink sink;
  sink.QueueAnswer(platform::kIdNo);
  sink.QueueAnswer(platform::kIdYes);
  // 60 kanji and a space: 121 bytes, with ",男,30" and CR LF more than a line holds.
  MemberForm form{{}, {}, 0, "30"};
  for (int i = 0; i < 30; ++i) form.surname += Sjis("山");
  form.givenName = form.surname;
  EXPECT_FALSE(ConfirmMemberForm(form, nullptr));
  EXPECT_TRUE(ConfirmMemberForm(form, nullptr));
  ASSERT_EQ(sink.messages.size(), 2u);
  const std::string& question = sink.messages[0].text;
  EXPECT_EQ(question.rfind("名前が長すぎるため、名前リストには「", 0), 0u) << question;
  EXPECT_NE(question.find("」までしか保存できません。\nこのまま登録しますか？"), std::string::npos);
  EXPECT_EQ(sink.messages[0].buttons, platform::MessageButtons::YesNo);
}

// A character a list cannot hold is named, with the common form to type instead.
TEST(UnstorableCharacters, TheFirstOneIsFoundAndNamed) {
  EXPECT_EQ(FirstUnstorableCharacter("山田 太郎"), "");
  EXPECT_EQ(FirstUnstorableCharacter("𠮷田😀"), "𠮷");
  EXPECT_EQ(FirstUnstorableCharacter("さくら😀"), "😀");
  EXPECT_EQ(UnstorableInFormMessage("😀"),
            "「😀」は名前リストに保存できない文字です。\nよく使われる字体で入力し直してください（たとえば「𠮷」なら「吉」）。"
            "絵文字は使えません。");
}

}  // namespace
}  // namespace nuvaro::core
