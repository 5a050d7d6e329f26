// The detail reading without windows: what is read for a person, the item dialog's
// neighbour lines, the composed runs, and the page geometry of printing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/detail_composition.h"
#include "core/engine_binding.h"
#include "core/face.h"
#include "core/guide_menu_model.h"
#include "core/pair_reading.h"
#include "core/plugin_host.h"
#include "program_folder.h"
#include "recording_message_sink.h"
#include "test_text.h"
#include "ui/detail/print_area.h"

namespace nuvaro {
namespace {

using core::DetailReading;
using core::DetailRun;
using core::RunFace;
using testing::Sjis;
using testing::Utf8;

// A program folder with the built engine, the four delivered plug-ins and the test
// plug-in with ten captions; a board of the user and one person.
class DetailModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.CopyEngine();
    folder.CopyDeliveredPlugins();
    folder.CopyFixture(NUVARO_DETAIL_FIXTURE_DIR, "DetailTest.nvr", "nvr/DetailTest.nvr");
    ASSERT_TRUE(engine.Bind());
    ASSERT_TRUE(host.Load());
    core::BuildGuideMenu(host);  // event ids 1, 2, ... in file-name order
    face.CreateSelf();
  }
  // Names the user and adds the person; answers the person's face id.
  int Board(const std::string& self, const std::string& person) {
    face.SetSelf(Sjis(self));
    face.selfSet = 1;  // as a drop on the user's face names it
    return face.Entry(face.AddFace(400, 300, Sjis(person), engine)).id;
  }
  void Choose(const std::string& plugin) {
    const auto& names = host.FileNames();
    face.activeEvent = static_cast<int>(std::find(names.begin(), names.end(), plugin) - names.begin()) + 1;
  }

  testing::ProgramFolder folder;
  testing::RecordingMessageSink sink;
  core::EngineBinding engine;
  core::PluginHost host;
  core::CFace face;
};

std::vector<std::string> Texts(const std::vector<DetailRun>& runs) {
  std::vector<std::string> texts;
  for (const DetailRun& run : runs) texts.push_back(Utf8(run.text));
  return texts;
}

// Every plug-in: the title line, the explanation, one heading and text per item with a
// caption (1 to 7 only), the closing line; item k holds the pair's detail text k.
TEST_F(DetailModelTest, ComposedReadingOfEachPlugin) {
  struct Case {
    const char* plugin;
    const char* title;
    std::vector<int> items;
  };
  const int id = Board("山田 太郎,男,30", "林 花子,女,20");
  for (const Case& c : {Case{"MatchLover.nvr", "☆☆☆ 山田太郎さんの恋人の相性編 ☆☆☆", {1, 2}},
                        Case{"MatchCouple.nvr", "☆☆☆ 山田太郎さんの夫婦の相性編 ☆☆☆", {1, 2}},
                        Case{"TacticCouple.nvr", "☆☆☆ 山田太郎さんの夫婦の攻略編 ☆☆☆", {1, 2, 3, 4, 5}},
                        Case{"TacticLover.nvr", "☆☆☆ 山田太郎さんの恋人の攻略編 ☆☆☆", {1, 2, 3, 4, 5}},
                        // No mark: the first two bytes go all the same.
                        Case{"DetailTest.nvr", "☆☆☆ 山田太郎さんのain title ☆☆☆", {1, 2, 3, 4, 5, 6, 7}}}) {
    SCOPED_TRACE(c.plugin);
    Choose(c.plugin);
    const DetailReading reading = core::ReadDetail(face, host, engine, id);
    const std::vector<DetailRun> runs = core::ComposeDetailRuns(reading);
    ASSERT_EQ(runs.size(), 3 + 2 * c.items.size());
    EXPECT_EQ(runs.front(), (DetailRun{RunFace::Gothic, 14, true, false, Sjis(c.title)}));
    EXPECT_EQ(runs[1], (DetailRun{RunFace::Mincho, 12, false, false, "\r\n" + Sjis("　") + reading.explanation}));
    std::vector<std::string> details;
    for (std::size_t i = 0; i < c.items.size(); ++i) {
      const int k = c.items[i];
      const std::string detail = core::PairDetailText(face, k, id, host, engine);
      EXPECT_FALSE(detail.empty()) << "item " << k;
      details.push_back(detail);
      EXPECT_EQ(runs[2 + 2 * i],
                (DetailRun{RunFace::Gothic, 12, true, false, "\r\n\r\n" + Sjis("☆林花子") + reading.Caption(k)}));
      EXPECT_EQ(runs[3 + 2 * i], (DetailRun{RunFace::Mincho, 12, false, false, "\r\n" + Sjis("　") + detail}));
    }
    std::sort(details.begin(), details.end());
    EXPECT_EQ(std::unique(details.begin(), details.end()), details.end()) << "each item has its own text";
    EXPECT_EQ(runs.back(), (DetailRun{RunFace::Gothic, 12, false, true, "\r\n\r\n" + Sjis("Aurelin・ヌヴァロ君")}));
  }
}

// A reading without title or explanation starts with the first heading; the base size
// moves every run.
TEST_F(DetailModelTest, EmptyTitleAndExplanationAndBaseSize) {
  DetailReading reading;
  reading.personName = Sjis("林 花子");
  reading.captions[0] = Sjis("さんって、どんな人？");
  reading.details[0] = Sjis("明るい人です。");
  EXPECT_EQ(Texts(core::ComposeDetailRuns(reading, 20)),
            (std::vector<std::string>{"\r\n\r\n☆林花子さんって、どんな人？", "\r\n　明るい人です。",
                                      "\r\n\r\nAurelin・ヌヴァロ君"}));
  EXPECT_EQ(core::ComposeDetailRuns(reading, 20).front().pointSize, 20);
}

TEST(DetailTextRules, TitleWithoutMarkAndNameWithoutSpace) {
  const std::vector<std::pair<std::string, std::string>> titles = {
      {"●恋人の相性編", "恋人の相性編"}, {"Plain", "ain"}, {"●", ""}, {"x", ""}, {"", ""},
      // A cut inside a two-byte character takes the whole character.
      {"a恋人", "人"}};
  for (const auto& [title, rest] : titles) EXPECT_EQ(Utf8(core::TitleWithoutMark(Sjis(title))), rest) << title;
  const std::vector<std::pair<std::string, std::string>> names = {
      {"山田 太郎", "山田太郎"}, {"a b c", "ab c"}, {"山田太郎", "山田太郎"}};
  for (const auto& [name, joined] : names) EXPECT_EQ(Utf8(core::WithoutFirstSpace(Sjis(name))), joined) << name;
}

// The title line names the user once: a title that speaks to the user ("あなたの…", the
// own reading) gives way to the name as the plate shows it. The composed runs give the
// same line back for a document title.
TEST(DetailTextRules, TitleLineNamesTheUserOnce) {
  struct Case {
    const char* title;
    const char* line;
  } cases[] = {
      {"●あなたの姓名鑑定", "鈴木 一郎さんの姓名鑑定"},
      {"●恋人の相性編", "鈴木一郎さんの恋人の相性編"},
      {"●あなたの", "鈴木一郎さんのあなたの"},  // nothing after it to keep
      {"", ""},
  };
  for (const Case& c : cases) {
    DetailReading reading;
    reading.userName = Sjis("鈴木 一郎");
    reading.personName = Sjis("林 花子");
    reading.title = Sjis(c.title);
    reading.captions[0] = Sjis("さんの本性");
    EXPECT_EQ(Utf8(core::DetailTitleLine(reading)), c.line) << c.title;
    EXPECT_EQ(Utf8(core::ComposedTitleLine(core::ComposeDetailRuns(reading))), c.line) << c.title;
  }
}

// A name the engine cannot count never shows a table's title row as a reading: every
// item with a caption says why there is none.
TEST_F(DetailModelTest, UnreadableNamesGetANoteInsteadOfAReading) {
  struct Case {
    const char* self;
    const char* person;
    const char* note;  // empty: the plug-in's reading
  };
  const std::string tail = "のお名前には画数を数えられない文字";
  for (const Case& c : {Case{"田中 りょう,男,30", "林 花子,女,20", "あなた"},
                        Case{"山田 太郎,男,30", "ジョン スミス,男,20", "ジョンスミスさん"},
                        Case{"山田 太郎,男,30", "林 花子,女,20", ""}}) {
    SCOPED_TRACE(c.person);
    face.CreateSelf();
    const int id = Board(c.self, c.person);
    Choose("TacticCouple.nvr");
    const DetailReading reading = core::ReadDetail(face, host, engine, id);
    for (int k = 1; k <= 5; ++k) {
      const std::string detail = Utf8(reading.Detail(k));
      if (*c.note == '\0') {
        EXPECT_EQ(reading.Detail(k), core::PairDetailText(face, k, id, host, engine));
      } else {
        EXPECT_EQ(detail.rfind(std::string(c.note) + tail, 0), 0u) << detail;
      }
    }
    EXPECT_TRUE(reading.Detail(6).empty()) << "no caption, no note";
  }
}

// Print area in twips from the page in pixels: margins only on pages large enough.
TEST(PrintArea, MarginsFollowThePageSize) {
  struct Case {
    int widthPx, heightPx, dpi;
    ui::PrintArea expected;
  };
  // A4 at 1200 dpi: 9921 x 14031 pixels = 11905 x 16837 twips.
  for (const Case& c : {Case{9921, 14031, 1200, {11905, 16837, {1080, 1440, 10825, 15397}}},
                        // 2 inches wide: no side margins; 10 inches high keeps top and bottom.
                        Case{200, 1000, 100, {2880, 14400, {0, 1440, 2880, 12960}}},
                        // Exactly 3600 x 4320 twips: neither.
                        Case{250, 300, 100, {3600, 4320, {0, 0, 3600, 4320}}},
                        Case{251, 301, 100, {3614, 4334, {1080, 1440, 2534, 2894}}},
                        Case{100, 100, 0, {0, 0, {0, 0, 0, 0}}}}) {
    EXPECT_EQ(ui::ComputePrintArea(c.widthPx, c.heightPx, c.dpi, c.dpi), c.expected)
        << c.widthPx << " x " << c.heightPx << " at " << c.dpi;
  }
  EXPECT_EQ(ui::TwipsToPixels(1080, 1200), 900);
  EXPECT_EQ(ui::TwipsToPixels(1440, 72), 72);
  EXPECT_EQ(ui::TwipsToPixels(1, 720), 1) << "halves round up";
}

}  // namespace
}  // namespace nuvaro
