#include "core/plugin_host.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/face.h"
#include "core/guide_menu_model.h"
#include "plugin_test_support.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using testing::Utf8;
using Strings = std::vector<std::string>;

class PluginHostTest : public testing::PluginFolderTest {
 protected:
  PluginHost host;
};

TEST_F(PluginHostTest, LoadsInCharacterOrderAndStartsEachAfterAllAreLoaded) {
  AddFake("A", "bRead.nvr");
  AddFake("B", "aRead.nvr");
  AddFake("S", "Read.nvr");
  AddFake("V", "read.nvr");
  std::filesystem::create_directories(folder.Path() / "nvr" / "folder.nvr");  // not a file: skipped
  folder.Write("nvr/notes.txt", "not a plug-in");
  ASSERT_TRUE(host.Load());
  EXPECT_EQ(host.FileNames(), (Strings{"Read.nvr", "aRead.nvr", "bRead.nvr", "read.nvr"}));
  EXPECT_EQ(Calls(), (Strings{"S:StartUp", "B:StartUp", "A:StartUp", "V:StartUp"}));
  EXPECT_TRUE(sink.messages.empty());
  ClearCalls();
  host.Unload();
  EXPECT_EQ(Calls(), (Strings{"S:CleanUp", "B:CleanUp", "A:CleanUp", "V:CleanUp"}));
  EXPECT_EQ(host.Count(), 0);
}

TEST_F(PluginHostTest, HalfWidthKatakanaNamesSortBeforeKanjiNames) {
  AddFake("A", Sjis("亜.nvr"));
  AddFake("B", Sjis("ｱ.nvr"));
  ASSERT_TRUE(host.Load());
  EXPECT_EQ(host.FileNames(), (Strings{Sjis("ｱ.nvr"), Sjis("亜.nvr")}));
}

TEST_F(PluginHostTest, TheFirstFileThatIsNoLibraryStopsTheLoad) {
  AddFake("A", "A.nvr");
  folder.Write("nvr/B.nvr", "not a library");
  AddFake("S", "C.nvr");
  EXPECT_FALSE(host.Load());
  EXPECT_EQ(sink.Texts(), Strings{folder.File("nvr/B.nvr") + " ファイルがロードできませんでした。"});
  EXPECT_EQ(host.Count(), 0) << "the plug-ins loaded before it are unloaded again";
  EXPECT_TRUE(Calls().empty()) << "none was started, so none is cleaned up";
}

TEST_F(PluginHostTest, AnEmptyOrMissingFolderLoadsNothingSilently) {
  EXPECT_FALSE(host.Load());
  std::filesystem::create_directories(folder.Path() / "nvr" / "sub.nvr");
  EXPECT_FALSE(host.Load());
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PluginHostTest, LoadingLeavesTheCurrentDirectoryAlone) {
  AddFake("A", "A.nvr");
  std::filesystem::path before = std::filesystem::current_path();
  ASSERT_TRUE(host.Load());
  EXPECT_EQ(std::filesystem::current_path(), before);
}

TEST_F(PluginHostTest, CallsOutOfRangeOrWithoutTheExportGiveTheDefaults) {
  AddFake("A", "A.nvr");
  AddFake("Bare", "B.nvr");
  ASSERT_TRUE(host.Load());
  ASSERT_EQ(host.Count(), 2);
  EXPECT_EQ(Calls(), Strings{"A:StartUp"}) << "a plug-in without NVRStartUp is skipped";

  struct Case {
    int index;
    int guide, menu, group, viewWindow, data, setEvent, getEvent;
    bool formsFilled;
  };
  const std::vector<Case> cases = {
      // in range, export present
      {0, 1, 1, 4, 0, 1, 9, 9, true},
      // in range, export missing
      {1, 0, 0, 0, 0, 0, 0, -1, false},
      // out of range
      {2, 2, 2, 0, 0, 0, 2, -1, false},
      {7, 7, 7, 0, 0, 0, 7, -1, false},
      {-1, -1, -1, 0, 0, 0, -1, -1, false},
  };
  for (const auto& c : cases) {
    ::GuideForm guide{};
    ::MenuForm menu{};
    ::DetailForm detail{};
    ::PersentageForm percentage{};
    ::NuvaroData data{};
    EXPECT_EQ(host.GuideForm(guide, c.index), c.guide) << c.index;
    EXPECT_EQ(host.MenuForm(menu, c.index), c.menu) << c.index;
    host.DetailForm(detail, c.index);
    host.PersentageForm(percentage, c.index);
    EXPECT_EQ(host.Group(c.index), c.group) << c.index;
    EXPECT_EQ(host.IsViewWindow(c.index), c.viewWindow) << c.index;
    EXPECT_EQ(host.NuvaroData(data, c.index), c.data) << c.index;
    EXPECT_EQ(host.SetEvent(9, c.index), c.setEvent) << c.index;
    EXPECT_EQ(host.GetEvent(c.index), c.getEvent) << c.index;
    host.ViewCreate(nullptr, c.index);
    EXPECT_EQ(guide.caption != nullptr, c.formsFilled) << c.index;
    EXPECT_EQ(menu.caption != nullptr, c.formsFilled) << c.index;
    EXPECT_EQ(detail.title != nullptr, c.formsFilled) << c.index;
    EXPECT_EQ(percentage.label != nullptr, c.formsFilled) << c.index;
    EXPECT_EQ(data.balloonText != nullptr, c.formsFilled) << c.index;
  }
  EXPECT_EQ(Calls(), (Strings{"A:StartUp", "A:GetNuvaroData", "A:ViewCreate (nil)"}));
}

TEST_F(PluginHostTest, SelectionFollowsTheActiveEventOrGroupSix) {
  AddFake("A", "1.nvr");
  AddFake("S", "2.nvr");
  AddFake("B", "3.nvr");
  AddFake("S", "4.nvr");
  ASSERT_TRUE(host.Load());
  for (int i = 0; i < 4; ++i) host.SetEvent(i + 1, i);
  CFace face;
  EXPECT_TRUE(host.SelectedPlugins(face).empty()) << "activeEvent 0 matches nobody";
  face.activeEvent = 3;
  EXPECT_EQ(host.SelectedPlugins(face), std::vector<int>{2});
  face.mode = kModeSelf;
  EXPECT_EQ(host.SelectedPlugins(face), (std::vector<int>{1, 3}));
  EXPECT_TRUE(host.IsEvent(4));
  EXPECT_FALSE(host.IsEvent(5));
  EXPECT_FALSE(host.IsEvent(0));
  host.SetEvent(0, 0);
  EXPECT_FALSE(host.IsEvent(0)) << "0 is never an event, even when a plug-in holds it";
  EXPECT_FALSE(host.IsEvent(-1));
}

TEST_F(PluginHostTest, TheBuiltPlugInsLoadInTheirNameOrder) {
  folder.CopyBuiltPlugins();
  ASSERT_TRUE(host.Load());
  EXPECT_EQ(host.FileNames(), (Strings{"MatchCouple.nvr", "MatchLover.nvr", "TacticCouple.nvr", "TacticLover.nvr"}));
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PluginHostTest, GuideMenuOfTheBuiltPlugIns) {
  folder.CopyBuiltPlugins();
  ASSERT_TRUE(host.Load());
  std::vector<GuideMenuItem> items = BuildGuideMenu(host);
  ASSERT_EQ(items.size(), 4u);
  const Strings captions = {"夫婦の相性編", "恋人の相性編", "夫婦の攻略編", "恋人の攻略編"};
  const std::vector<int> groups = {4, 4, 1, 1};
  const std::vector<bool> headings = {true, false, true, false};
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(Utf8(items[i].caption), captions[i]);
    EXPECT_EQ(items[i].group, groups[i]);
    EXPECT_EQ(items[i].eventId, static_cast<int>(i) + 1);
    EXPECT_EQ(items[i].commandNumber, static_cast<int>(i) + 1);
    EXPECT_TRUE(items[i].hasEntry);
    EXPECT_EQ(items[i].startsGroup, headings[i]);
  }
  EXPECT_EQ(Utf8(items[0].groupHeading), "相手があなたに何を願っているのかがわかります。");
  EXPECT_EQ(Utf8(items[2].groupHeading), "相手との付き合い方がわかります。");
  EXPECT_TRUE(sink.messages.empty()) << "every plug-in has its event id before it is asked";
}

TEST_F(PluginHostTest, GuideMenuGivesGroupSixAnIdButNoEntry) {
  AddFake("A", "1.nvr");
  AddFake("S", "2.nvr");
  AddFake("B", "3.nvr");
  AddFake("A", "4.nvr");
  ASSERT_TRUE(host.Load());
  std::vector<GuideMenuItem> items = BuildGuideMenu(host);
  ASSERT_EQ(items.size(), 4u);
  const std::vector<bool> entries = {true, false, true, true};
  const std::vector<bool> headings = {true, false, true, true};
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].eventId, static_cast<int>(i) + 1) << i;
    EXPECT_EQ(host.GetEvent(static_cast<int>(i)), static_cast<int>(i) + 1) << i;
    EXPECT_EQ(items[i].hasEntry, entries[i]) << i;
    EXPECT_EQ(items[i].startsGroup, headings[i]) << i << ": same group again after another gets a heading again";
  }
  EXPECT_EQ(items[1].commandNumber, -1);
  EXPECT_EQ(items[2].commandNumber, 3) << "ids after group 6 skip its number";
  EXPECT_EQ(items[0].caption, "guide A");
  EXPECT_EQ(items[0].explanation, "") << "a null text reads as empty";
  EXPECT_EQ(items[0].menuCaption, "menu A");
}

TEST_F(PluginHostTest, ActivatingAReading) {
  folder.CopyBuiltPlugins();
  ASSERT_TRUE(host.Load());
  BuildGuideMenu(host);
  CFace face;
  ReadingActivation navigator = ActivateReading(face, host, kNavigatorCommand);
  EXPECT_EQ(navigator.kind, ReadingActivation::Kind::Navigator);
  EXPECT_EQ(face.activeEvent, 0);
  EXPECT_EQ(ActivateReading(face, host, 57670).kind, ReadingActivation::Kind::NotReading);
  EXPECT_EQ(ActivateReading(face, host, 0).kind, ReadingActivation::Kind::NotReading);
  EXPECT_EQ(face.activeEvent, 0);

  ReadingActivation tactics = ActivateReading(face, host, 3);
  ASSERT_EQ(tactics.kind, ReadingActivation::Kind::Activated);
  EXPECT_EQ(face.activeEvent, 3);
  EXPECT_EQ(Utf8(tactics.menuCaption), "夫婦の攻略編");
  EXPECT_EQ(Utf8(tactics.menuExplanation),
            "相手の知られざる思いと同時に、愛情のあり方を知ることによって、心の交流が相互にできるようになります。");
  EXPECT_EQ(Utf8(tactics.percentageLabel), "実践度");
  EXPECT_EQ(Utf8(tactics.frameTitle), "夫婦の攻略編");
  EXPECT_EQ(Utf8(ActivateReading(face, host, 2).percentageLabel), "愛情度");
  DeactivateReading(face);
  EXPECT_EQ(face.activeEvent, 0);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PluginHostTest, OpeningAReadingFromANamePlate) {
  AddFake("V", "1.nvr");
  AddFake("A", "2.nvr");
  AddFake("S", "3.nvr");
  ASSERT_TRUE(host.Load());
  BuildGuideMenu(host);
  CFace face;
  face.CreateSelf();
  int board = 0;
  ClearCalls();

  face.activeEvent = 1;  // the plug-in with its own window
  EXPECT_EQ(OpenReading(face, host, 5, &board), ReadingWindow::PluginWindow);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].rfind("V:ViewCreate 0x", 0), 0u) << Calls()[0];
  EXPECT_NE(Calls()[0], "V:ViewCreate (nil)") << "the board window is handed over";

  face.activeEvent = 2;
  EXPECT_EQ(OpenReading(face, host, 5, &board), ReadingWindow::DetailDialog);
  EXPECT_EQ(face.mode, kModeNormal);

  EXPECT_EQ(OpenReading(face, host, 0, &board), ReadingWindow::None) << "the unnamed user has no reading";
  face.SetSelf(Sjis("桃 太郎,男,30"));
  EXPECT_EQ(OpenReading(face, host, 0, &board), ReadingWindow::DetailDialog);
  EXPECT_EQ(face.mode, kModeSelf);
  EXPECT_EQ(SelectedDetailForm(face, host).title, "title S") << "mode 6 reads group 6";
  face.mode = kModeNormal;
  DetailFormTexts detail = SelectedDetailForm(face, host);
  EXPECT_EQ(detail.title, "title A");
  ASSERT_EQ(detail.itemCaptions.size(), 10u);
  EXPECT_EQ(detail.itemCaptions[0], "item1 A");
  EXPECT_EQ(detail.itemCaptions[9], "");
  EXPECT_EQ(SelectedPercentageForm(face, host).label, "label A");
  face.activeEvent = 77;
  EXPECT_EQ(SelectedPercentageForm(face, host).label, "") << "no active plug-in: empty texts";
}

}  // namespace
}  // namespace nuvaro::core
