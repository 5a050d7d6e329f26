// The name finder's model with the built engine: which characters a registration
// accepts, which dictionary lines become candidates, each filter, and the ranking.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/engine_binding.h"
#include "core/pair_reading.h"
#include "naming/given_name_catalog.h"
#include "naming/name_query.h"
#include "naming/name_ranking.h"
#include "naming/registrable_characters.h"
#include "naming/registration_note.h"
#include "recording_message_sink.h"
#include "program_folder.h"
#include "test_text.h"

namespace nuvaro::naming {
namespace {

using testing::Sjis;
using testing::Utf8;

class NamingModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.CopyEngine();
    ASSERT_TRUE(engine.Bind());
  }
  GivenNameCatalog Catalog(std::string_view lines) { return GivenNameCatalog::FromLines(lines, engine); }
  std::vector<std::string> Writings(const GivenNameCatalog& catalog, const std::vector<std::uint32_t>& indices) {
    std::vector<std::string> out;
    for (std::uint32_t i : indices) out.push_back(Utf8(catalog.Writing(i)));
    return out;
  }
  testing::ProgramFolder folder;
  core::EngineBinding engine;
};

TEST(RegistrableCharacters, KindsOfCharacters) {
  struct Case {
    const char* character;
    CharacterKind kind;
  };
  const Case cases[] = {
      {"亜", CharacterKind::JouyouKanji},    {"花", CharacterKind::JouyouKanji},
      {"渾", CharacterKind::JinmeiyouKanji},  // added to the list on 2017-09-25
      {"巫", CharacterKind::JinmeiyouKanji},  {"凜", CharacterKind::JinmeiyouKanji},
      {"々", CharacterKind::KanjiMark},       {"ゝ", CharacterKind::KanaMark},
      {"ー", CharacterKind::KanaMark},        {"ゃ", CharacterKind::Hiragana},
      {"ヶ", CharacterKind::Katakana},        {"ヴ", CharacterKind::Katakana},
      {"髙", CharacterKind::Other},  // IBM extension, not in either list
      {"鬱", CharacterKind::JouyouKanji},     {"蘂", CharacterKind::Other},
      {"Ａ", CharacterKind::Other},           {"－", CharacterKind::Other},
      {"〆", CharacterKind::Other},
  };
  for (const Case& c : cases) EXPECT_EQ(KindOfCharacter(Sjis(c.character)), c.kind) << c.character;
  EXPECT_EQ(KindOfCharacter("A"), CharacterKind::Other);
  EXPECT_FALSE(IsKanjiCharacter(Sjis("ゝ")));
  EXPECT_TRUE(IsKanjiCharacter(Sjis("々")));
}

TEST(RegistrableCharacters, EveryListedKanjiThatCp932WritesIsKnown) {
  int jouyou = 0, jinmeiyou = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string character{static_cast<char>(lead), static_cast<char>(trail)};
      jouyou += KindOfCharacter(character) == CharacterKind::JouyouKanji;
      jinmeiyou += KindOfCharacter(character) == CharacterKind::JinmeiyouKanji;
    }
  }
  // 2,136 and 863 listed; CP932 lacks 𠮟 塡 剝 頰 of the first list and 87 forms of the
  // second (俠 禱 黃 …), which no CP932 name can hold.
  EXPECT_EQ(jouyou, 2136 - 4);
  EXPECT_EQ(jinmeiyou, 863 - 87);
}

TEST(RegistrableCharacters, TheNoteNamesEachOffendingCharacterOnce) {
  EXPECT_TRUE(UnregistrableCharacters(Sjis("はなこ")).empty());
  const std::vector<std::string> found = UnregistrableCharacters(Sjis("髙子Ａ髙") + "x");
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(Utf8(found[0]), "髙");
  EXPECT_EQ(Utf8(found[1]), "Ａ");
  EXPECT_EQ(found[2], "x");
}

TEST(RegistrationNote, ANoteNamesTheCharactersAndRefusesNothing) {
  testing::RecordingMessageSink sink;
  EXPECT_FALSE(NoteUnregistrableGivenName(Sjis("陽菜")));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_TRUE(NoteUnregistrableGivenName(Sjis("髙子")));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].buttons, platform::MessageButtons::Ok) << "a note, not a question";
  EXPECT_EQ(sink.messages[0].text.rfind("名の「髙」は、", 0), 0u) << sink.messages[0].text;
}

TEST_F(NamingModelTest, OnlyRegistrableCountableShortNamesWithKanaReadingsAreKept) {
  const GivenNameCatalog catalog = Catalog(
      "花\tはな\tf\n"
      "太郎\tたろう\tm\n"
      "翔太郎\tしょうたろう\tb\n"
      "しょう\tしょう\tm\n"     // small kana: the engine cannot count it
      "髙志\tたかし\tm\n"       // not registrable
      "美智代子\tみちよこ\tf\n"  // four characters
      "花\t花\tf\n"             // a reading that is not kana
      "ヴィ\tゔぃ\tf\n"         // uncountable ヴ; ゔ has no CP932 form
      "奈々\tなな\tx\n"          // unknown sex
      "奈々\tなな\tf\n"
      "broken line\n");
  std::vector<std::string> writings;
  for (std::size_t i = 0; i < catalog.Size(); ++i) writings.push_back(Utf8(catalog.Writing(i)));
  EXPECT_EQ(writings, (std::vector<std::string>{"翔太郎", "太郎", "奈々", "花"})) << "in kana order of the readings";
  EXPECT_EQ(Utf8(catalog.Reading(0)), "しょうたろう");
  EXPECT_EQ(catalog.Sex(0), NameSex::Both);
  EXPECT_EQ(catalog.Length(0), 3);
  EXPECT_EQ(catalog.Strokes(1)[0], 4);
  EXPECT_EQ(catalog.Strokes(1)[1], 9);
  EXPECT_EQ(catalog.TotalStrokes(2), 11);  // 奈 8, 々 3
  EXPECT_EQ(catalog.PatternCount(), 4u);
  const GivenNameCatalog sevens = Catalog("花\tはな\tf\n芳\tかおる\tf\n");
  EXPECT_EQ(sevens.PatternCount(), 1u) << "花 and 芳 both count 7";
}

TEST_F(NamingModelTest, TheBuiltInNamesHoldOnlyRegistrableCharacters) {
  const GivenNameCatalog& catalog = GivenNameCatalog::Builtin(engine);
  ASSERT_GT(catalog.Size(), 100000u);
  std::size_t offending = 0;
  for (std::size_t i = 0; i < catalog.Size(); ++i) offending += !UnregistrableCharacters(catalog.Writing(i)).empty();
  EXPECT_EQ(offending, 0u);
  EXPECT_LT(catalog.HeldBytes(), 20u << 20);
  NameQuery query;
  query.sex = SexFilter::Female;
  query.reading = Sjis("はな");
  query.readingMatch = ReadingMatch::Is;
  const std::vector<std::string> found = Writings(catalog, SearchNames(catalog, query));
  const std::set<std::string> writings(found.begin(), found.end());
  EXPECT_TRUE(writings.count("花") && writings.count("華"));
}

TEST_F(NamingModelTest, EachFilter) {
  const GivenNameCatalog catalog = Catalog(
      "陽菜\tはるな\tf\n"
      "春\tはる\tb\n"
      "晴人\tはると\tm\n"
      "はるか\tはるか\tf\n"
      "光\tひかる\tb\n"
      "奈々子\tななこ\tf\n");
  struct Case {
    const char* what;
    NameQuery query;
    std::vector<std::string> expected;
  };
  auto q = [](auto change) {
    NameQuery query;
    change(query);
    return query;
  };
  const Case cases[] = {
      {"nothing (kana order)", q([](NameQuery&) {}), {"奈々子", "春", "はるか", "晴人", "陽菜", "光"}},
      {"male keeps both-sex names", q([](NameQuery& x) { x.sex = SexFilter::Male; }), {"春", "晴人", "光"}},
      {"female", q([](NameQuery& x) { x.sex = SexFilter::Female; }), {"奈々子", "春", "はるか", "陽菜", "光"}},
      {"starts with", q([](NameQuery& x) { x.reading = Sjis("はる"); }), {"春", "はるか", "晴人", "陽菜"}},
      {"is", q([](NameQuery& x) { x.reading = Sjis("はる"), x.readingMatch = ReadingMatch::Is; }), {"春"}},
      {"contains, on character boundaries",
       q([](NameQuery& x) { x.reading = Sjis("る"), x.readingMatch = ReadingMatch::Contains; }),
       {"春", "はるか", "晴人", "陽菜", "光"}},
      {"length", q([](NameQuery& x) { x.length = 1; }), {"春", "光"}},
      {"must contain", q([](NameQuery& x) { x.mustContain = Sjis("々奈"); }), {"奈々子"}},
      {"must not contain", q([](NameQuery& x) { x.mustNotContain = Sjis("菜人子"); }), {"春", "はるか", "光"}},
      {"kanji only (々 counts as kanji)", q([](NameQuery& x) { x.script = ScriptFilter::KanjiOnly; }),
       {"奈々子", "春", "晴人", "陽菜", "光"}},
      {"kana only", q([](NameQuery& x) { x.script = ScriptFilter::KanaOnly; }), {"はるか"}},
      {"strokes 9 to 14", q([](NameQuery& x) { x.minStrokes = 9, x.maxStrokes = 14; }), {"奈々子", "春", "はるか", "晴人"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Writings(catalog, SearchNames(catalog, c.query)), c.expected) << c.what;
}

TEST(ReadingInput, KatakanaFoldsToHiraganaAndOtherCharactersAreRefused) {
  EXPECT_EQ(ReadingFromInput("ハル な"), Sjis("はるな"));
  EXPECT_EQ(ReadingFromInput("ゆーり"), Sjis("ゆーり"));
  EXPECT_EQ(ReadingFromInput(""), std::string());
  EXPECT_FALSE(ReadingFromInput("春"));
  EXPECT_FALSE(ReadingFromInput("haru"));
}

// The ranking hands every candidate to the reader as the board's pair record (the person
// as self, the candidate under the surname as other) and reads each stroke pattern once.
TEST_F(NamingModelTest, RankingReadsEachPatternOnceThroughThePairRecord) {
  const GivenNameCatalog catalog = Catalog(
      "花\tはな\tf\n"
      "芳\tかおる\tf\n"   // same pattern as 花 (7)
      "陽菜\tはるな\tf\n"
      "一\tはじめ\tb\n");
  const std::vector<RankPerson> persons = {{Sjis("山田 太郎"), true}, {Sjis("林 一"), false}};
  int calls = 0;
  std::vector<bool> sexes;
  // A stand-in for the plug-ins: the other person's honsyou plus the self's chikaku.
  PairPercentageReader reader = [&](::NuvaroData& record) {
    ++calls;
    sexes.push_back(record.otherIsMale != 0);
    return record.other.honsyou + record.self.chikaku;
  };
  std::vector<std::uint32_t> all = {0, 1, 2, 3};
  const NameRanking ranking =
      RankNames(catalog, all, Sjis("山田"), SexFilter::Any, persons, reader, engine, NameOrder::Minimum);
  EXPECT_EQ(calls, 6) << "three patterns for each of two persons";
  // 山田 (8) + 花 7 = 15, 陽菜 23 = 31, 一 1+1 = 10; 太郎 chikaku 13, 一 chikaku 2.
  const std::vector<std::string> order = Writings(catalog, ranking.names);
  EXPECT_EQ(order, (std::vector<std::string>{"陽菜", "芳", "花", "一"})) << "highest minimum first, then reading";
  EXPECT_EQ(ranking.Percentage(0, 0), 31 + 13);
  EXPECT_EQ(ranking.Percentage(0, 1), 31 + 2);
  EXPECT_EQ(ranking.minimum[0], 33);
  EXPECT_EQ(ranking.average[3], 18) << "(23 + 12) / 2 rounded half up";
  // 一 is for both sexes: read as opposite the person (female beside 太郎, male beside 一).
  EXPECT_EQ(CandidateIsMale(NameSex::Both, SexFilter::Any, persons[0]), false);
  EXPECT_EQ(CandidateIsMale(NameSex::Both, SexFilter::Any, persons[1]), true);
  EXPECT_EQ(CandidateIsMale(NameSex::Female, SexFilter::Male, persons[1]), true) << "the searched sex wins";

  NameRanking sorted = ranking;
  SortRanking(catalog, sorted, NameOrder::Strokes);
  EXPECT_EQ(Writings(catalog, sorted.names), (std::vector<std::string>{"一", "芳", "花", "陽菜"}));
  EXPECT_EQ(sorted.Percentage(3, 0), 31 + 13) << "percentages move with their rows";
  SortRanking(catalog, sorted, NameOrder::Reading);
  EXPECT_EQ(Writings(catalog, sorted.names), (std::vector<std::string>{"芳", "一", "花", "陽菜"})) << "kana order";
  // Each order turned around; rows that tie keep reading order (芳 and 花 share a pattern).
  const struct {
    NameOrder order;
    std::vector<std::string> writings;
  } reversed[] = {{NameOrder::Minimum, {"一", "芳", "花", "陽菜"}},
                  {NameOrder::Average, {"一", "芳", "花", "陽菜"}},
                  {NameOrder::Strokes, {"陽菜", "芳", "花", "一"}},
                  {NameOrder::Reading, {"陽菜", "花", "一", "芳"}}};
  for (const auto& c : reversed) {
    SortRanking(catalog, sorted, c.order, true);
    EXPECT_EQ(Writings(catalog, sorted.names), c.writings) << static_cast<int>(c.order);
  }
}

}  // namespace
}  // namespace nuvaro::naming
