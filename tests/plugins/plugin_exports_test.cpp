// The exports of the four plug-ins other than the readings: names, forms, groups, event
// ids, the version box and the view dialog, seen through the test host.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/file_system.h"
#include "platform/core/message_sink.h"
#include "plugin_test_host.h"
#include "recording_message_sink.h"
#include "test_text.h"

namespace nuvaro::testing {
namespace {

struct ExpectedValues {
  std::string name;
  std::string dataName;
  int group;
  std::string viewCaption;  // empty: NVRViewCreate shows nothing
  std::string seriesTitle, groupHeading, guideCaption, guideExplanation;
  std::string menuCaption, menuExplanation;
  std::string detailTitle;
  std::vector<std::string> itemCaptions;  // 1 to 10
  std::string label, percentageTitle, percentageExplanation;
};
void PrintTo(const ExpectedValues& values, std::ostream* out) { *out << values.name; }

const std::string kMatchSeries = "相性シリーズ・・・夫婦・親子兄弟・恋人の相性人間学";
const std::string kTacticSeries = "攻略シリーズ・・・夫婦・親子兄弟・恋人の攻略人間学";
const std::string kMatchHeading = "相手があなたに何を願っているのかがわかります。";
const std::string kTacticHeading = "相手との付き合い方がわかります。";
const std::string kMatchGuide = "相手の知られざる思いと、愛情のあり方がわかります。そして、あなたに何を願っているかがわかります";
const std::string kTacticGuide = "相手の知られざる思いと、愛情のあり方を知ることによって、心の交流ができるようになります。";
const std::string kMatchMenu =
    "相手の知られざる思いと同時に愛情のあり方を知り、あなたとの相性からあなたに何を願っているかという心の不思議さがわかります。";
const std::string kTacticMenu =
    "相手の知られざる思いと同時に、愛情のあり方を知ることによって、心の交流が相互にできるようになります。";
const std::vector<std::string> kMatchItems = {"さんは、あなたに対してどんな想い・願いを持っているの？",
                                              "さんの心の中のひとりごと！", "", "", "", "", "", "", "", ""};
std::vector<std::string> TacticItems(const std::string& item4, const std::string& item5) {
  return {"さんは、あなたに対してどのような愛情を感じているの？", "さんって、どんな人？", "さんの弱点ポイント！",
          item4, item5, "", "", "", "", ""};
}

const std::vector<ExpectedValues>& AllExpected() {
  static const std::vector<ExpectedValues> values = {
      {"MatchCouple", "夫婦相性データ", 4, "相性編", kMatchSeries, kMatchHeading, "夫婦の相性編", kMatchGuide,
       "夫婦の相性編", kMatchMenu, "●夫婦の相性編", kMatchItems, "愛情度", "夫婦の相性編",
       "夫婦の愛情の深さを知ることができます。\n\n夫婦がもっと仲良くなりたければ、夫婦の攻略編を実践しましょう。"},
      {"MatchLover", "恋人相性データ", 4, "恋人相性", kMatchSeries, kMatchHeading, "恋人の相性編", kMatchGuide,
       "恋人の相性編", kMatchMenu, "●恋人の相性編", kMatchItems, "愛情度", "恋人の相性編",
       "あなたと相性の良い相手を知ることができます。\n\nもっと仲良くなりたければ、恋人の攻略編を実践しましょう。"},
      {"TacticCouple", "夫婦攻略データ", 1, "", kTacticSeries, kTacticHeading, "夫婦の攻略編", kTacticGuide,
       "夫婦の攻略編", kTacticMenu, "●夫婦の攻略編", TacticItems("さんに対する攻め方！", "さんのコントロールの方法！"),
       "実践度", "夫婦の攻略編",
       "あなたが相手を引き付けるために必要な攻略編の実践度を表します。\n\n夫婦の関係の攻略法を実践して、どんどん相手を引き"
       "付けちゃいましょう。"},
      {"TacticLover", "恋人攻略データ", 1, "", kTacticSeries, kTacticHeading, "恋人の攻略編", kTacticGuide,
       "恋人の攻略編", kTacticMenu, "●恋人の攻略編", TacticItems("さんへのアプローチの方法！", "さんのゲットの方法！"),
       "実践度", "恋人の攻略編",
       "あなたが相手を引き付けるために必要な攻略編の実践度を表します。\n\n恋人の関係の攻略法を実践して、どんどん相手を引き"
       "付けちゃいましょう。"},
  };
  return values;
}

// A text pointer as UTF-8; a null pointer is a failure of its own.
std::string Text(const char* cp932) {
  if (cp932 == nullptr) {
    ADD_FAILURE() << "null text pointer";
    return "<null>";
  }
  return Utf8(cp932);
}

class PluginExports : public ::testing::TestWithParam<ExpectedValues> {};

TEST_P(PluginExports, GiveTheirNamesGroupAndForms) {
  const ExpectedValues& want = GetParam();
  TestPlugin plugin(want.name);
  ASSERT_TRUE(plugin.Loaded());
  EXPECT_EQ(plugin.startUp(), 1);
  EXPECT_EQ(plugin.getGroup(), want.group);
  EXPECT_EQ(plugin.isViewWindow(), 0);
  EXPECT_EQ(Text(plugin.getPlugName()), want.dataName + " Ver.1.0");

  GuideForm guide{};
  EXPECT_EQ(plugin.getGuideForm(&guide), &guide);
  EXPECT_EQ(Text(guide.seriesTitle), want.seriesTitle);
  EXPECT_EQ(Text(guide.groupHeading), want.groupHeading);
  EXPECT_EQ(Text(guide.caption), want.guideCaption);
  EXPECT_EQ(Text(guide.explanation), want.guideExplanation);

  MenuForm menu{};
  EXPECT_EQ(plugin.getMenuForm(&menu), &menu);
  EXPECT_EQ(Text(menu.caption), want.menuCaption);
  EXPECT_EQ(Text(menu.explanation), want.menuExplanation);

  DetailForm detail{};
  EXPECT_EQ(plugin.getDetailForm(&detail), &detail);
  EXPECT_EQ(Text(detail.title), want.detailTitle);
  EXPECT_EQ(Text(detail.explanation), want.menuExplanation);
  for (int k = 0; k < NVR_DETAIL_COUNT; ++k) {
    // Unused captions are empty strings, never null pointers.
    EXPECT_EQ(Text(detail.itemCaption[k]), want.itemCaptions[k]) << "item caption " << k + 1;
  }

  PersentageForm percentage{};
  EXPECT_EQ(plugin.getPersentageForm(&percentage), &percentage);
  EXPECT_EQ(Text(percentage.label), want.label);
  EXPECT_EQ(Text(percentage.title), want.percentageTitle);
  EXPECT_EQ(Text(percentage.explanation), want.percentageExplanation);

  // The form functions must survive a null record.
  EXPECT_EQ(plugin.getGuideForm(nullptr), nullptr);
  EXPECT_EQ(plugin.getMenuForm(nullptr), nullptr);
  EXPECT_EQ(plugin.getDetailForm(nullptr), nullptr);
  EXPECT_EQ(plugin.getPersentageForm(nullptr), nullptr);
  EXPECT_EQ(plugin.getNuvaroData(nullptr), 0);
}

TEST_P(PluginExports, EventIdStartsUnsetAndComplainsEveryTimeItIsAskedFor) {
  RecordingMessageSink sink;
  TestPlugin plugin(GetParam().name);
  ASSERT_TRUE(plugin.Loaded());
  const std::vector<std::string> complaint = {"イベントが登録されていません"};

  EXPECT_EQ(plugin.getEvent(), -1);
  EXPECT_EQ(sink.Texts(), complaint);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].buttons, platform::MessageButtons::Ok);
  EXPECT_EQ(plugin.getEvent(), -1);
  EXPECT_EQ(sink.messages.size(), 2u);

  sink.Clear();
  EXPECT_EQ(plugin.setEvent(3), 3);
  EXPECT_EQ(plugin.getEvent(), 3);
  EXPECT_EQ(plugin.getEvent(), 3);
  EXPECT_TRUE(sink.messages.empty());

  EXPECT_EQ(plugin.setEvent(0), 0);
  EXPECT_EQ(plugin.getEvent(), 0);
  EXPECT_TRUE(sink.messages.empty());

  EXPECT_EQ(plugin.setEvent(-1), -1);
  EXPECT_EQ(plugin.getEvent(), -1);
  EXPECT_EQ(sink.Texts(), complaint);
}

TEST_P(PluginExports, VersionBoxShowsTheVersionUnderTheDataNameAndReturnsTheButton) {
  RecordingMessageSink sink;
  TestPlugin plugin(GetParam().name);
  ASSERT_TRUE(plugin.Loaded());
  int parent = 0;
  sink.QueueAnswer(platform::kIdCancel);
  EXPECT_EQ(plugin.versionInfo(&parent), platform::kIdCancel);
  EXPECT_EQ(plugin.versionInfo(&parent), platform::kIdOk);
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(sink.messages[0].text, "Ver.1.0");
  EXPECT_EQ(sink.messages[0].caption, GetParam().dataName);
  EXPECT_EQ(sink.messages[0].buttons, platform::MessageButtons::OkCancel);
}

TEST_P(PluginExports, ViewDialogIsEmptyAndOnlyShownByTheCompatibilityReadings) {
  RecordingMessageSink sink;
  TestPlugin plugin(GetParam().name);
  ASSERT_TRUE(plugin.Loaded());
  int parent = 0;
  plugin.viewCreate(&parent);
  plugin.setting(&parent);
  plugin.cleanUp();
  EXPECT_TRUE(sink.messages.empty());
  if (GetParam().viewCaption.empty()) {
    EXPECT_TRUE(sink.dialogs.empty());
    return;
  }
  ASSERT_EQ(sink.dialogs.size(), 1u);
  EXPECT_EQ(sink.dialogs[0].caption, GetParam().viewCaption);
  EXPECT_EQ(sink.dialogs[0].widthDialogUnits, 187);
  EXPECT_EQ(sink.dialogs[0].heightDialogUnits, 93);
}

INSTANTIATE_TEST_SUITE_P(AllFour, PluginExports, ::testing::ValuesIn(AllExpected()),
                         [](const auto& param) { return param.param.name; });

// The program loads nvr/*.nvr in file-name order, numbers them 1, 2, 3 ... and puts a
// group heading over each run of one group. Done here as the program does it.
TEST(PluginSet, LoadsInNameOrderWithTwoGroupsAndEventIdsOneToFour) {
  // The folder lists the four in this order (other files may stand between them).
  std::vector<std::string> names;
  for (const std::string& file : platform::ListFiles(PluginFolder(), "*.nvr")) {
    std::string name = file.substr(0, file.size() - 4);
    if (std::find(kPluginNames.begin(), kPluginNames.end(), name) != kPluginNames.end()) names.push_back(name);
  }
  ASSERT_EQ(names, kPluginNames);

  RecordingMessageSink sink;
  std::vector<std::unique_ptr<TestPlugin>> plugins;
  for (const std::string& name : names) {
    plugins.push_back(std::make_unique<TestPlugin>(name));
    ASSERT_TRUE(plugins.back()->Loaded());
  }
  for (auto& plugin : plugins) EXPECT_EQ(plugin->startUp(), 1);

  std::vector<std::string> headings;
  std::vector<std::vector<std::string>> entries;
  int lastGroup = -1;
  int nextEvent = 1;
  for (auto& plugin : plugins) {
    GuideForm guide{};
    plugin->getGuideForm(&guide);
    int group = plugin->getGroup();
    plugin->setEvent(nextEvent++);
    if (group == NVR_GROUP_OWN_FACE) continue;
    if (group != lastGroup) {
      headings.push_back(Utf8(guide.groupHeading));
      entries.emplace_back();
      lastGroup = group;
    }
    entries.back().push_back(Utf8(guide.caption));
  }
  EXPECT_EQ(headings, (std::vector<std::string>{kMatchHeading, kTacticHeading}));
  EXPECT_EQ(entries, (std::vector<std::vector<std::string>>{{"夫婦の相性編", "恋人の相性編"},
                                                            {"夫婦の攻略編", "恋人の攻略編"}}));
  for (std::size_t i = 0; i < plugins.size(); ++i) EXPECT_EQ(plugins[i]->getEvent(), static_cast<int>(i) + 1);
  EXPECT_TRUE(sink.messages.empty());
}

// Each plug-in keeps its own event id and name buffer.
TEST(PluginSet, StateIsOnePerPlugin) {
  RecordingMessageSink sink;
  TestPlugin match("MatchLover");
  TestPlugin tactic("TacticLover");
  ASSERT_TRUE(match.Loaded() && tactic.Loaded());
  match.setEvent(7);
  EXPECT_EQ(tactic.getEvent(), -1);
  EXPECT_EQ(match.getEvent(), 7);
  const char* matchName = match.getPlugName();
  const char* tacticName = tactic.getPlugName();
  EXPECT_NE(matchName, tacticName);
  EXPECT_EQ(Utf8(matchName), "恋人相性データ Ver.1.0");
  EXPECT_EQ(Utf8(tacticName), "恋人攻略データ Ver.1.0");
}

}  // namespace
}  // namespace nuvaro::testing
