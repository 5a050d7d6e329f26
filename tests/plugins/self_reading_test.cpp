// The user's own reading (SelfReading) through the test host: its forms, and detail
// texts that are the engine's personal readings of the user's sums, asked from the
// engine library loaded in the process.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "detail_text_buffer.h"
#include "nuvacalc.h"
#include "platform/core/dynamic_library.h"
#include "plugin_test_host.h"
#include "self_reading_items.h"
#include "test_text.h"

namespace nuvaro::testing {
namespace {

std::string Text(const char* cp932) { return cp932 == nullptr ? "<null>" : Utf8(cp932); }

const std::vector<std::string> kCaptions = {
    "さんの本性（隠れた性格）", "さんの社会的性格", "さんの家庭内性格", "さんの仕事運", "さんの愛情運",
    "さんの人気運",           "さんの心霊運",     "",                 "",             ""};

// The engine as the program holds it: loaded by path, not linked to this test.
struct Engine {
  platform::DynamicLibrary library;
  GetPersonalFortuneFunction personal = nullptr;
  CalculateSoulFunction calculate = nullptr;

  bool Load() {
    if (!library.Load(ProgramFolder() + "libNuvacalc.so")) return false;
    personal = library.Lookup<GetPersonalFortuneFunction>("GetPersonalFortune");
    calculate = library.Lookup<CalculateSoulFunction>("CalculateSoul");
    return personal != nullptr && calculate != nullptr;
  }
  // One reading as the engine gives it: text, and the note on its own line when there is one.
  std::string Reading(int sum, int aspect) const {
    PersonalFortuneQuery query{};
    query.number = static_cast<std::uint16_t>(sum);
    query.aspect = aspect;
    query.text = "";
    query.note = "";
    personal(&query);
    std::string text = query.text != nullptr ? query.text : "";
    if (!text.empty() && query.note != nullptr && *query.note != '\0') text += std::string("\n") + query.note;
    return text;
  }
};

NuvaroData OwnPlateRecord(const SoulSums& sums) {
  NuvaroData data;
  std::memset(&data, 0, sizeof data);
  data.otherIsMale = 1;
  data.self = sums;
  data.other = sums;
  return data;
}

// Readings joined one to a line, empty ones and bare openings ("…の外見は、" and its note)
// left out.
std::string Lines(const std::vector<std::string>& readings) {
  const std::string opening = Sjis("外見は、");
  std::string text;
  for (const std::string& reading : readings) {
    std::string firstLine = reading.substr(0, reading.find('\n'));
    if (reading.empty() || firstLine.ends_with(opening)) continue;
    if (!text.empty()) text += "\n";
    text += reading;
  }
  return text;
}

TEST(SelfReading, IsGroupSixWithTheOwnReadingsForms) {
  TestPlugin plugin("SelfReading");
  ASSERT_TRUE(plugin.Loaded());
  EXPECT_EQ(plugin.getGroup(), NVR_GROUP_OWN_FACE);
  EXPECT_EQ(plugin.isViewWindow(), 0);
  EXPECT_EQ(Text(plugin.getPlugName()), "姓名鑑定データ Ver.1.0");
  DetailForm detail{};
  plugin.getDetailForm(&detail);
  EXPECT_EQ(Text(detail.title), "●あなたの姓名鑑定");
  EXPECT_NE(Text(detail.explanation).find("画数"), std::string::npos);
  for (int k = 0; k < NVR_DETAIL_COUNT; ++k) EXPECT_EQ(Text(detail.itemCaption[k]), kCaptions[k]) << k + 1;
  PersentageForm percentage{};
  plugin.getPersentageForm(&percentage);
  EXPECT_EQ(Text(percentage.label) + Text(percentage.title) + Text(percentage.explanation), "");
  GuideForm guide{};
  MenuForm menu{};
  plugin.getGuideForm(&guide);
  plugin.getMenuForm(&menu);
  for (const char* text : {guide.seriesTitle, guide.groupHeading, guide.caption, guide.explanation, menu.caption,
                           menu.explanation}) {
    EXPECT_FALSE(Text(text).empty());
  }
}

// Runs before any test of this program loads the engine; skipped when one already has.
TEST(SelfReading, WithoutAnEngineInTheProcessTheDetailsAreEmpty) {
  platform::DynamicLibrary probe;
  if (probe.AttachLoaded("libNuvacalc.so")) GTEST_SKIP() << "the engine is already loaded in this process";
  TestPlugin plugin("SelfReading");
  ASSERT_TRUE(plugin.Loaded());
  SoulSums sums{27, 10, 17, 14, 23, 26, 18, 22, 5};
  NuvaroData data = OwnPlateRecord(sums);
  EXPECT_EQ(plugin.getNuvaroData(&data), 1);
  for (int k = 0; k < 7; ++k) EXPECT_EQ(Text(data.detailText[k]), "") << k + 1;
  EXPECT_EQ(Text(data.balloonText), "");
}

TEST(SelfReading, DetailsAreTheEnginesPersonalReadingsOfTheUsersSums) {
  Engine engine;
  ASSERT_TRUE(engine.Load());
  TestPlugin plugin("SelfReading");
  ASSERT_TRUE(plugin.Loaded());

  // A real name whose nine sums all differ, so a reading asked with the wrong sum shows.
  SoulRecord record{};
  const std::string surname = Sjis("鈴木"), given = Sjis("一郎");
  std::memcpy(record.sei, surname.data(), surname.size());
  std::memcpy(record.mei, given.data(), given.size());
  ASSERT_EQ(engine.calculate(&record), 1);
  const SoulSums named{record.honsyou, record.chikaku, record.syakai, record.aijyou,  record.shinrei,
                       record.ninki,   record.shigoto, record.jinkakuA, record.jinkakuB};
  // 仕事運 55 has an empty reading and 人格 above 40 has no 経済運 rows: item 4 stays empty.
  const SoulSums high{45, 52, 48, 51, 59, 60, 55, 41, 60};
  const SoulSums unnamed{};

  for (const SoulSums& sums : {named, high, unnamed}) {
    NuvaroData data = OwnPlateRecord(sums);
    EXPECT_EQ(plugin.getNuvaroData(&data), 1);
    const std::vector<std::string> expected = {
        Lines({engine.Reading(sums.honsyou, 1), engine.Reading(sums.jinkakuA, 5), engine.Reading(sums.jinkakuB, 6)}),
        engine.Reading(sums.syakai, 2),
        engine.Reading(sums.chikaku, 7),
        Lines({engine.Reading(sums.shigoto, 3), engine.Reading(sums.jinkakuA, 10), engine.Reading(sums.jinkakuB, 11)}),
        engine.Reading(sums.aijyou, 8),
        engine.Reading(sums.ninki, 4),
        engine.Reading(sums.shinrei, 9),
    };
    // All seven stay readable together: they share the one buffer.
    for (int k = 0; k < 7; ++k) EXPECT_EQ(Text(data.detailText[k]), Utf8(expected[k])) << "item " << k + 1;
    for (int k = 7; k < NVR_DETAIL_COUNT; ++k) EXPECT_EQ(data.detailText[k], nullptr);
    EXPECT_EQ(data.percentage, 0);
    EXPECT_EQ(Text(data.balloonText).empty(), sums.honsyou == 0) << "the unnamed user gets no balloon";
  }
  NuvaroData high4 = OwnPlateRecord(high);
  plugin.getNuvaroData(&high4);
  EXPECT_EQ(Text(high4.detailText[3]), "");
  // 人格 41 and 60 hold only the openings of their look readings: item 1 is 本性 alone.
  EXPECT_EQ(Text(high4.detailText[0]), Utf8(engine.Reading(high.honsyou, 1)));
  EXPECT_EQ(Text(high4.detailText[0]).find("外見"), std::string::npos);
}

// The seven texts of the longest readings and notes the engine holds fit the buffer.
TEST(SelfReading, BufferHoldsTheLongestReadingsOfEveryItem) {
  Engine engine;
  ASSERT_TRUE(engine.Load());
  std::size_t longest = 0;
  for (const plugins::SelfReadingItem& item : plugins::kSelfReadingItems) {
    for (std::int32_t aspect : item.aspects) {
      if (aspect == 0) continue;
      std::size_t reading = 0;
      for (int number = 1; number <= 60; ++number) reading = std::max(reading, engine.Reading(number, aspect).size());
      longest += reading + 1;  // and the line feed before the next reading, or the terminator
    }
  }
  EXPECT_LE(longest, plugins::kSelfReadingTextCapacity);
}

TEST(DetailTextBuffer, AppendsTextsAfterEachOtherAndCutsOnlyAtCharacterBoundaries) {
  plugins::BasicDetailTextBuffer<8> buffer;
  const std::string a = Sjis("あ"), ai = Sjis("あい");  // two and four bytes
  const char* firstParts[] = {a.c_str(), nullptr, "x"};
  const char* secondParts[] = {ai.c_str()};
  const char* first = buffer.Append(firstParts);
  const char* second = buffer.Append(secondParts);  // three bytes left: "あ" fits, "い" does not
  EXPECT_EQ(Utf8(first), "あx");
  EXPECT_EQ(Utf8(second), "あ");
  EXPECT_EQ(std::string(buffer.Append(secondParts)), "");
  EXPECT_EQ(std::string(buffer.Append(secondParts)), "") << "a full buffer answers the empty text";
  EXPECT_EQ(Utf8(buffer.Compose({ai.c_str(), ai.c_str()})), "あいあ") << "Compose starts again";
}

}  // namespace
}  // namespace nuvaro::testing
