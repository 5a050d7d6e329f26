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
  AddFake("A", Sjis("ｱ.nvr"));  // half-width katakana sorts before kanji
  AddFake("B", Sjis("亜.nvr"));
  std::filesystem::create_directories(folder.Path() / "nvr" / "folder.nvr");  // not a file: skipped
  folder.Write("nvr/notes.txt", "not a plug-in");
  const std::filesystem::path before = std::filesystem::current_path();
  ASSERT_TRUE(host.Load());
  EXPECT_EQ(std::filesystem::current_path(), before) << "loading by full path leaves the current directory";
  EXPECT_EQ(host.FileNames(),
            (Strings{"Read.nvr", "aRead.nvr", "bRead.nvr", "read.nvr", Sjis("ｱ.nvr"), Sjis("亜.nvr")}));
  EXPECT_EQ(Calls(), (Strings{"S:StartUp", "B:StartUp", "A:StartUp", "V:StartUp", "A:StartUp", "B:StartUp"}));
  EXPECT_TRUE(sink.messages.empty());
  ClearCalls();
  host.Unload();
  EXPECT_EQ(Calls(), (Strings{"S:CleanUp", "B:CleanUp", "A:CleanUp", "V:CleanUp", "A:CleanUp", "B:CleanUp"}));
  EXPECT_EQ(host.Count(), 0);
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
    const bool filled = guide.caption && menu.caption && detail.title && percentage.label && data.balloonText;
    const bool untouched = !guide.caption && !menu.caption && !detail.title && !percentage.label && !data.balloonText;
    EXPECT_TRUE(c.formsFilled ? filled : untouched) << c.index;
  }
  EXPECT_EQ(Calls(), (Strings{"A:StartUp", "A:GetNuvaroData", "A:ViewCreate (nil)"}));
}

TEST_F(PluginHostTest, GuideMenuAndActivationWithTheBuiltPlugIns) {
  folder.CopyBuiltPlugins();
  ASSERT_TRUE(host.Load());
  // The user's own reading sorts third: it takes id 3 without an entry, the tactics 4 and 5.
  EXPECT_EQ(host.FileNames(), (Strings{"MatchCouple.nvr", "MatchLover.nvr", "SelfReading.nvr", "TacticCouple.nvr",
                                       "TacticLover.nvr"}));
  Strings menu;  // headings and entries as the guide menu shows them, with the commands
  for (const GuideMenuItem& item : BuildGuideMenu(host)) {
    if (!item.hasEntry) {
      EXPECT_EQ(item.eventId, 3);
      continue;
    }
    if (item.startsGroup) menu.push_back(Utf8(item.groupHeading));
    menu.push_back(Utf8(item.caption) + " " + std::to_string(item.commandNumber));
  }
  EXPECT_EQ(menu, (Strings{"相手があなたに何を願っているのかがわかります。", "夫婦の相性編 1", "恋人の相性編 2",
                           "相手との付き合い方がわかります。", "夫婦の攻略編 4", "恋人の攻略編 5"}));

  CFace face;
  EXPECT_EQ(ActivateReading(face, host, kNavigatorCommand).kind, ReadingActivation::Kind::Navigator);
  EXPECT_EQ(ActivateReading(face, host, 57670).kind, ReadingActivation::Kind::NotReading);
  EXPECT_EQ(ActivateReading(face, host, 0).kind, ReadingActivation::Kind::NotReading);
  EXPECT_EQ(face.activeEvent, 0);
  ReadingActivation tactics = ActivateReading(face, host, 4);
  ASSERT_EQ(tactics.kind, ReadingActivation::Kind::Activated);
  EXPECT_EQ(face.activeEvent, 4);
  EXPECT_EQ(Utf8(tactics.menuCaption + "/" + tactics.percentageLabel + "/" + tactics.frameTitle),
            "夫婦の攻略編/実践度/夫婦の攻略編");
  EXPECT_TRUE(sink.messages.empty()) << "every plug-in has its event id before it is asked";
}

TEST_F(PluginHostTest, GuideMenuGivesGroupSixAnIdButNoEntry) {
  AddFake("A", "1.nvr");
  AddFake("S", "2.nvr");
  AddFake("B", "3.nvr");
  AddFake("A", "4.nvr");
  ASSERT_TRUE(host.Load());
  Strings menu;
  for (const GuideMenuItem& item : BuildGuideMenu(host)) {
    menu.push_back(std::to_string(item.eventId) + (item.hasEntry ? " entry" : " none") +
                   (item.startsGroup ? " heading " : " ") + std::to_string(item.commandNumber));
  }
  // Ids after group 6 skip its number; the same group after another gets a heading again.
  EXPECT_EQ(menu, (Strings{"1 entry heading 1", "2 none -1", "3 entry heading 3", "4 entry heading 4"}));
  EXPECT_EQ(host.GetEvent(1), 2);
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
  EXPECT_EQ(Calls()[0].rfind("V:ViewCreate 0x", 0), 0u) << "the board window is handed over: " << Calls()[0];

  face.activeEvent = 2;
  EXPECT_EQ(OpenReading(face, host, 5, &board), ReadingWindow::DetailDialog);
  EXPECT_EQ(face.mode, kModeNormal);

  EXPECT_EQ(OpenReading(face, host, 0, &board), ReadingWindow::None) << "the unnamed user has no reading";
  face.SetSelf(Sjis("桃 太郎,男,30"));
  EXPECT_EQ(OpenReading(face, host, 0, &board), ReadingWindow::DetailDialog);
  EXPECT_EQ(face.mode, kModeSelf);
  EXPECT_EQ(SelectedDetailForm(face, host).title, "title S") << "mode 6 reads group 6";
  face.mode = kModeNormal;
  EXPECT_EQ(SelectedDetailForm(face, host).itemCaptions,
            (Strings{"item1 A", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(SelectedPercentageForm(face, host).label, "label A");
  face.activeEvent = 77;
  EXPECT_EQ(SelectedPercentageForm(face, host).label, "") << "no active plug-in: empty texts";
}

}  // namespace
}  // namespace nuvaro::core
