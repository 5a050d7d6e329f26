// Faulty plug-ins spoil their own texts but never hang or crash the program: every text
// is read with a bound, null texts are empty, misspelt exports count as missing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/engine_binding.h"
#include "core/face.h"
#include "core/guide_menu_model.h"
#include "core/pair_reading.h"
#include "core/plugin_host.h"
#include "core/plugin_text.h"
#include "plugin_test_support.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using Strings = std::vector<std::string>;

class HostilePluginTest : public testing::PluginFolderTest {
 protected:
  void SetUp() override {
    folder.CopyEngine();
    ASSERT_TRUE(engine.Bind());
    face.CreateSelf();
    face.SetSelf(Sjis("山田 太郎,男,30"));
  }
  void TearDown() override { unsetenv("NUVARO_HOSTILE"); }

  EngineBinding engine;
  PluginHost host;
  CFace face;
};

TEST_F(HostilePluginTest, EveryTextIsReadWithItsBound) {
  struct Case {
    const char* kind;
    std::string shortText;  // captions, labels, titles, balloon
    std::string longText;   // explanations in dialogs, detail texts
  };
  const std::string invalid = "\xFF\xA0\x80\x82";
  const std::vector<Case> cases = {
      {"long", std::string(kPluginShortTextBytes, 'x'), std::string(kPluginLongTextBytes, 'x')},
      {"unterminated", std::string(kPluginShortTextBytes, 'x'), std::string(kPluginLongTextBytes, 'x')},
      {"null", "", ""},
      {"invalid", invalid, invalid},
  };
  AddFake("A", "A.nvr");
  folder.CopyFixture(NUVARO_CORE_FIXTURE_DIR, "Hostile.nvr", "nvr/B.nvr");
  for (const Case& c : cases) {
    setenv("NUVARO_HOSTILE", c.kind, 1);
    ASSERT_TRUE(host.Load()) << c.kind;
    std::vector<GuideMenuItem> menu = BuildGuideMenu(host);
    ASSERT_EQ(menu.size(), 2u) << c.kind;
    const GuideMenuItem& item = menu[1];
    EXPECT_EQ((Strings{item.seriesTitle, item.groupHeading, item.caption, item.explanation, item.menuCaption,
                       item.menuExplanation}),
              Strings(6, c.shortText))
        << c.kind;
    EXPECT_EQ(menu[0].caption, "guide A") << c.kind << ": a good plug-in beside it is unharmed";

    ReadingActivation activation = ActivateReading(face, host, item.commandNumber);
    ASSERT_EQ(activation.kind, ReadingActivation::Kind::Activated) << c.kind;
    EXPECT_EQ((Strings{activation.menuCaption, activation.percentageLabel, activation.frameTitle}),
              Strings(3, c.shortText))
        << c.kind;
    DetailFormTexts detail = SelectedDetailForm(face, host);
    EXPECT_EQ(detail.title, c.shortText) << c.kind;
    EXPECT_EQ(detail.explanation, c.longText) << c.kind;
    EXPECT_EQ(detail.itemCaptions, Strings(10, c.shortText)) << c.kind;
    PercentageFormTexts percentage = SelectedPercentageForm(face, host);
    EXPECT_EQ((Strings{percentage.label, percentage.title, percentage.explanation}),
              (Strings{c.shortText, c.shortText, c.longText}))
        << c.kind;

    int index = face.AddFace(500, 500, Sjis("林 一,女,20"), engine);
    ComputeWhispers(face, host, engine);
    EXPECT_EQ(face.Entry(index).balloonText, c.shortText) << c.kind;
    EXPECT_EQ(PairDetailText(face, 10, face.Entry(index).id, host, engine), c.longText) << c.kind;
    EXPECT_EQ(PairPercentage(face, index, host, engine), 50) << c.kind;
    host.Unload();
  }
}

TEST(PluginText, CutsOnACharacterBoundaryAtTheBound) {
  const std::string kanji = Sjis("山");
  const std::string text = "ab" + kanji + kanji;  // no terminator among the first 5 bytes
  EXPECT_EQ(ReadPluginText(text.c_str(), 5), "ab" + kanji);
  EXPECT_EQ(ReadPluginText(text.c_str(), 3), "ab") << "a lead byte is not kept without its trail byte";
  EXPECT_EQ(ReadPluginText(text.c_str(), 6), text);
  EXPECT_EQ(ReadPluginText(nullptr, 6), "");
}

TEST_F(HostilePluginTest, AMessageBoxAtStartUpDoesNotStopTheOthers) {
  setenv("NUVARO_HOSTILE", "startup-box", 1);
  folder.CopyFixture(NUVARO_CORE_FIXTURE_DIR, "Hostile.nvr", "nvr/A.nvr");
  AddFake("B", "B.nvr");
  ASSERT_TRUE(host.Load());
  EXPECT_EQ(sink.Texts(), Strings{"hostile start"});
  EXPECT_EQ(Calls(), Strings{"B:StartUp"});
  EXPECT_EQ(BuildGuideMenu(host).size(), 2u);
}

TEST_F(HostilePluginTest, MisspeltExportsCountAsMissing) {
  folder.CopyFixture(NUVARO_CORE_FIXTURE_DIR, "HostileNames.nvr", "nvr/A.nvr");
  ASSERT_TRUE(host.Load());
  std::vector<GuideMenuItem> menu = BuildGuideMenu(host);
  ASSERT_EQ(menu.size(), 1u);
  EXPECT_EQ(menu[0].caption, "");
  EXPECT_EQ(menu[0].group, 0);
  EXPECT_EQ(menu[0].commandNumber, -1) << "no event id: its entry activates nothing";
  EXPECT_EQ(ActivateReading(face, host, 1).kind, ReadingActivation::Kind::NotReading);
  face.activeEvent = 1;
  int index = face.AddFace(500, 500, Sjis("林 一,女,20"), engine);
  ComputeWhispers(face, host, engine);
  EXPECT_EQ(face.Entry(index).balloonText, "");
  EXPECT_EQ(PairPercentage(face, index, host, engine), 0);
  EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
}  // namespace nuvaro::core
