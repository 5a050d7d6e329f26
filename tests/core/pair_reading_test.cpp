#include "core/pair_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/engine_binding.h"
#include "core/face.h"
#include "core/guide_menu_model.h"
#include "core/name_readability.h"
#include "core/plugin_host.h"
#include "plugin_test_support.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using testing::Utf8;
using Strings = std::vector<std::string>;

// Faces for the pair tests, with the built engine: 山田 太郎 has honsyou 21 and chikaku
// 13, 林 一 honsyou 11 and chikaku 2.
class PairReadingTest : public testing::PluginFolderTest {
 protected:
  void SetUp() override {
    folder.CopyEngine();
    ASSERT_TRUE(engine.Bind());
    face.CreateSelf();
  }
  void LoadFakes(const Strings& fakes) {
    for (std::size_t i = 0; i < fakes.size(); ++i) AddFake(fakes[i], std::to_string(i + 1) + ".nvr");
    ASSERT_TRUE(host.Load());
    BuildGuideMenu(host);  // event ids 1, 2, ... in load order
    ClearCalls();
  }
  int Add(std::string_view member) { return face.AddFace(500, 500, Sjis(member), engine); }

  EngineBinding engine;
  PluginHost host;
  CFace face;
};

TEST_F(PairReadingTest, EveryFaceGetsItsWhisperDiscardedOrNot) {
  LoadFakes({"A", "B"});
  face.SetSelf(Sjis("山田 太郎,男,30"));
  Add("林 一,女,20");
  Add("山田 太郎,男,40");
  face.Discard(2);
  face.activeEvent = 1;
  face.mode = kModeSelf;
  ComputeWhispers(face, host, engine);
  EXPECT_EQ(face.mode, kModeNormal);
  EXPECT_EQ(face.Entry(1).balloonText, "A self=21/13 other=11/2 male=0");
  EXPECT_EQ(face.Entry(2).balloonText, "A self=21/13 other=21/13 male=1") << "a discarded face still gets one";
  EXPECT_EQ(Calls(), (Strings{"A:GetNuvaroData", "A:GetNuvaroData"})) << "only the active reading answers";
  EXPECT_EQ(face.Entry(0).balloonText, Sjis("ヌヴァロ言葉が見あたらない")) << "the user has no whisper";
}

TEST_F(PairReadingTest, NameRulesOfThePairComputation) {
  LoadFakes({"A"});
  // Ten one-stroke characters: 20 bytes, cut to nine whole characters for the pair.
  int index = Add("林 一一一一一一一一一一,女,20");
  face.activeEvent = 1;
  ComputeWhispers(face, host, engine);
  EXPECT_EQ(face.Entry(index).balloonText, "A self=0/0 other=18/9 male=0") << "the unnamed user's sums are all 0";
  EXPECT_EQ(Utf8(face.Name(index)), "林 一一一一一一一一一一") << "the face keeps its full name";
  face.SetSelf(Sjis("林 一,男,30"));
  ComputeWhispers(face, host, engine);
  EXPECT_EQ(face.Entry(index).balloonText, "A self=11/2 other=18/9 male=0");
}

TEST_F(PairReadingTest, EveryActivePlugInIsCalledInIndexOrderAndNoneLeavesItEmpty) {
  LoadFakes({"A", "B"});
  host.SetEvent(7, 0);
  host.SetEvent(7, 1);
  face.SetSelf(Sjis("山田 太郎,男,30"));
  int index = Add("林 一,女,20");
  face.activeEvent = 7;
  ComputeWhispers(face, host, engine);
  EXPECT_EQ(Calls(), (Strings{"A:GetNuvaroData", "B:GetNuvaroData"}));
  EXPECT_EQ(face.Entry(index).balloonText, "B self=21/13 other=11/2 male=0 after") << "both fill the one record";

  ClearCalls();
  face.activeEvent = 0;  // no reading matches: the record stays zero-filled
  ComputeWhispers(face, host, engine);
  EXPECT_EQ(face.Entry(index).balloonText, "") << "an empty pointer is the empty text";
  EXPECT_EQ(PairPercentage(face, index, host, engine), 0);
  EXPECT_EQ(PairDetailText(face, 1, face.Entry(index).id, host, engine), "");
  EXPECT_TRUE(Calls().empty());
}

TEST_F(PairReadingTest, ModeSixAsksOnlyTheFirstGroupSixPlugIn) {
  LoadFakes({"A", "S", "S"});
  face.SetSelf(Sjis("山田 太郎,男,30"));
  int index = Add("林 一,女,20");
  face.activeEvent = 1;
  face.mode = kModeSelf;
  EXPECT_EQ(PairDetailText(face, 1, 0, host, engine), "detail S other=21 male=1")
      << "the user's own reading: the user as the other person, always male";
  EXPECT_EQ(Calls(), Strings{"S:GetNuvaroData"});
  ClearCalls();
  EXPECT_EQ(PairPercentage(face, index, host, engine), 11) << "the chart asks the active reading in mode 0";
  EXPECT_EQ(face.mode, kModeSelf) << "and restores the mode afterwards";
  EXPECT_EQ(Calls(), Strings{"A:GetNuvaroData"});
}

TEST_F(PairReadingTest, DetailTextsByFaceIdAndPercentagesByIndex) {
  LoadFakes({"A"});
  face.activeEvent = 1;
  face.SetSelf(Sjis("山田 太郎,男,30"));
  Add("林 一,女,20");        // id 1
  Add("山田 太郎,男,20");    // id 2
  struct Case {
    int k;
    int id;
    std::string text;
  };
  const std::vector<Case> cases = {
      {1, 1, "detail A other=11 male=0"}, {1, 2, "detail A other=21 male=1"},
      {2, 1, ""},  // left null by the plug-in
      {0, 1, ""}, {11, 1, ""},
      {1, 9, "detail A other=0 male=1"},  // no such face: empty name, male
  };
  for (const auto& c : cases) EXPECT_EQ(PairDetailText(face, c.k, c.id, host, engine), c.text) << c.k << "/" << c.id;
  EXPECT_EQ(PairPercentage(face, 1, host, engine), 11);
  EXPECT_EQ(PairPercentage(face, 2, host, engine), 21);
  EXPECT_EQ(PairPercentage(face, 5, host, engine), 0) << "beyond the entries the person has no name";
  face.Discard(1);
  EXPECT_EQ(PairDetailText(face, 1, 1, host, engine), "detail A other=0 male=1") << "a discarded face is not found";
}

TEST_F(PairReadingTest, TheBuiltPlugInsWhisperForEveryFace) {
  folder.CopyBuiltPlugins();
  ASSERT_TRUE(host.Load());
  face.SetSelf(Sjis("山田 太郎,男,30"));
  int first = Add("林 一,女,20");
  int second = Add("山田 花子,女,40");
  for (const GuideMenuItem& item : BuildGuideMenu(host)) {
    if (!item.hasEntry) continue;
    const int event = item.commandNumber;
    face.activeEvent = event;
    ComputeWhispers(face, host, engine);
    EXPECT_FALSE(face.Entry(first).balloonText.empty()) << event;
    EXPECT_FALSE(face.Entry(second).balloonText.empty()) << event;
    int percentage = PairPercentage(face, first, host, engine);
    EXPECT_GE(percentage, 0) << event;
    EXPECT_LE(percentage, 100) << event;
  }
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PairReadingTest, AnUnreadableNameGivesThePlugInsNoSums) {
  // What the readability check guards against: the pair computation hands the plug-ins
  // all-zero sums for such a name.
  for (const char* name : {"John Smith", "ジョン スミス", "名なし"}) {
    const ::NuvaroData record = PairRecord(Sjis(name), Sjis(name), true, engine);
    EXPECT_EQ(record.self.honsyou, 0) << name;
    EXPECT_FALSE(CheckFullName(Sjis(name), engine).Readable()) << name;
  }
}

TEST_F(PairReadingTest, NamesTheEngineCannotCountAreFoundCharacterByCharacter) {
  struct Case {
    const char* name;
    bool readable;
    const char* uncountable;  // as the message names them
    bool missingSurname;
  };
  const std::vector<Case> cases = {
      {"山田 太郎", true, "", false},
      {"田中 りょう", false, "ょ", false},
      {"八ヶ岳 ヴィオラ", false, "ヶ」「ヴ」「ィ", false},
      {"ﾔﾏﾀﾞ ﾊﾅｺ", false, "ﾔ」「ﾏ」「ﾀ」「ﾞ」「ﾊ」「ﾅ」「ｺ", false},
      {"ジョン", false, "ョ", true},
      {"AB山 太郎", false, "A」「B", false},  // the engine would read 山 太郎 instead
      {"山田 花　子", false, "空白", false},
      {"佐藤 一2", false, "2", false},
  };
  for (const auto& c : cases) {
    NameReadability readability = CheckFullName(Sjis(c.name), engine);
    EXPECT_EQ(readability.Readable(), c.readable) << c.name;
    EXPECT_EQ(Utf8(UncountableCharactersText(readability)), c.uncountable) << c.name;
    EXPECT_EQ(readability.missingSurname, c.missingSurname) << c.name;
  }
  EngineBinding unbound;
  EXPECT_FALSE(CheckFullName(Sjis("山田 太郎"), unbound).Readable()) << "without an engine nothing counts";
}

TEST_F(PairReadingTest, AnUnreadableNameWhispersThatItCannotBeCountedNeverAHeading) {
  folder.CopyBuiltPlugins();
  ASSERT_TRUE(host.Load());
  BuildGuideMenu(host);
  face.activeEvent = 1;
  int unreadable = Add("田中 りょう,女,20");
  int readable = Add("林 一,女,20");
  ComputeWhispers(face, host, engine);
  EXPECT_EQ(Utf8(face.Entry(unreadable).balloonText), "ごめんね！私の名前は画数が数えられないので、何も言えないの。");
  EXPECT_NE(Utf8(face.Entry(readable).balloonText).find("ごめんね"), 0u) << "the unnamed user still gets readings";

  face.SetSelf(Sjis("ジョン 万次郎,男,30"));
  face.selfSet = 1;  // as a drop on the user's face sets it
  ComputeWhispers(face, host, engine);
  for (int index : {unreadable, readable}) {
    EXPECT_EQ(Utf8(face.Entry(index).balloonText), "ごめんね！あなたの名前は画数が数えられないので、何も言えないの。")
        << index;
  }
}

// A click on the user's own plate (mode 6) reaches the first group-6 plug-in, whatever
// reading is active: the user's own reading, the engine's personal readings.
TEST_F(PairReadingTest, TheUsersOwnPlateAsksTheOwnReading) {
  folder.CopyBuiltPlugins();
  ASSERT_TRUE(host.Load());
  std::vector<GuideMenuItem> menu = BuildGuideMenu(host);
  face.SetSelf(Sjis("山田 太郎,男,30"));
  const int other = Add("林 一,女,20");
  face.activeEvent = menu.front().commandNumber;
  EXPECT_EQ(OpenReading(face, host, 0, nullptr), ReadingWindow::DetailDialog);
  ASSERT_EQ(face.mode, kModeSelf);
  EXPECT_EQ(Utf8(SelectedDetailForm(face, host).title), "●あなたの姓名鑑定");

  // 山田 太郎's 社会的性格 sum is 8: item 2 is that reading and its note.
  auto personal = engine.EntryAs<GetPersonalFortuneFunction>(EngineEntry::GetPersonalFortune);
  PersonalFortuneQuery query{8, kPersonalAspectSyakai, "", ""};
  personal(&query);
  std::string expected = query.text;
  if (query.note != nullptr && *query.note != '\0') expected += std::string("\n") + query.note;
  EXPECT_EQ(PairDetailText(face, 2, 0, host, engine), expected);
  for (int k = 1; k <= 7; ++k) EXPECT_FALSE(PairDetailText(face, k, 0, host, engine).empty()) << k;
  EXPECT_EQ(PairDetailText(face, 8, 0, host, engine), "");

  // Another person's plate goes back to the active reading; the unnamed user reads nothing.
  EXPECT_EQ(OpenReading(face, host, face.Entry(other).id, nullptr), ReadingWindow::DetailDialog);
  EXPECT_NE(PairDetailText(face, 2, face.Entry(other).id, host, engine), expected);
  face.CreateSelf();
  face.mode = kModeSelf;
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(PairDetailText(face, k, 0, host, engine), "") << k;
  EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
}  // namespace nuvaro::core
