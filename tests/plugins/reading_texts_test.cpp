// The reading texts of the four plug-ins: every text is valid CP932, the tables have the
// shape the readings rely on, the sentence parts join into one paragraph, the shared
// tables agree, and the built modules hand out exactly these texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "detail_text_buffer.h"
#include "match_couple_texts.h"
#include "match_lover_texts.h"
#include "platform/core/encoding.h"
#include "plugin_test_host.h"
#include "tactic_couple_texts.h"
#include "tactic_lover_texts.h"
#include "test_text.h"

namespace nuvaro::testing {
namespace {

using plugins::NamedTable;
using plugins::NamedText;
using plugins::ReadingTable;

struct TextSet {
  std::string plugin;
  const NamedText* texts;
  std::size_t textCount;
  const NamedTable* tables;
  std::size_t tableCount;
  bool tactics;

  const ReadingTable& Table(const std::string& name) const {
    for (std::size_t i = 0; i < tableCount; ++i) {
      if (name == tables[i].name) return *tables[i].table;
    }
    ADD_FAILURE() << plugin << " has no table " << name;
    return *tables[0].table;
  }
};

void PrintTo(const TextSet& set, std::ostream* out) { *out << set.plugin; }

template <std::size_t T, std::size_t N>
TextSet Set(const std::string& plugin, const NamedText (&texts)[T], const NamedTable (&tables)[N], bool tactics) {
  return {plugin, texts, T, tables, N, tactics};
}

const std::vector<TextSet>& AllSets() {
  namespace p = plugins;
  static const std::vector<TextSet> sets = {
      Set("MatchCouple", p::match_couple_texts::kTexts, p::match_couple_texts::kTables, false),
      Set("MatchLover", p::match_lover_texts::kTexts, p::match_lover_texts::kTables, false),
      Set("TacticCouple", p::tactic_couple_texts::kTexts, p::tactic_couple_texts::kTables, true),
      Set("TacticLover", p::tactic_lover_texts::kTexts, p::tactic_lover_texts::kTables, true),
  };
  return sets;
}

bool IsReadingIndex(int k) { return (k >= 0 && k <= 10) || k == 15 || k == 21 || k == 22; }

std::string Entry(const ReadingTable& table, int k) { return Utf8(table.entries[k].text); }

bool StartsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }
bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// A sum whose reading index is k (23 stands for any index beyond the tables).
int SumForIndex(int k) {
  if (k == 0) return 0;
  if (k <= 10 || k == 15 || k == 21 || k == 22) return k;
  return 10 * k;  // 110 → 11, ..., 200 → 20, 230 → 23
}

class ReadingTexts : public ::testing::TestWithParam<TextSet> {};

TEST_P(ReadingTexts, EveryTextIsValidCp932) {
  const TextSet& set = GetParam();
  for (std::size_t i = 0; i < set.textCount; ++i) {
    EXPECT_TRUE(platform::Cp932ToUtf8(set.texts[i].text).has_value()) << set.plugin << " " << set.texts[i].name;
  }
  for (std::size_t t = 0; t < set.tableCount; ++t) {
    for (int k = 0; k < plugins::kReadingTableSize; ++k) {
      EXPECT_TRUE(platform::Cp932ToUtf8(set.tables[t].table->entries[k].text).has_value())
          << set.plugin << " " << set.tables[t].name << " " << k;
    }
  }
}

TEST_P(ReadingTexts, TablesHaveHeadingsReadingsAndEmptyRows) {
  const TextSet& set = GetParam();
  const std::string couple = set.plugin.find("Couple") != std::string::npos ? "夫婦" : "恋人";
  const std::string balloonHeading = couple + (set.tactics ? "の攻略法のヌヴァロ言葉" : "の相性診断のヌヴァロ言葉");
  std::map<std::string, std::string> headings = {
      {"portraitFirst", "どんな人か（心霊運の外数）"},
      {"portraitSecond", "どんな人か（地格の外数）"},
      {"portraitThird", "どんな人か（本性の外数）"},
  };
  if (set.tactics) {
    const std::string feeling = "相手から自分の愛情への愛に対する想い（相手の愛情運と自分の地格と本性）";
    headings.insert({{"balloonMale", balloonHeading},
                     {"balloonFemale", balloonHeading},
                     {"feelingGood", feeling},
                     {"feelingPoor", feeling},
                     {"weakPoint", "相手の弱点（心霊運の外数）"},
                     {"approach", "どうしたらよいのか？攻略法（心霊運の外数）"},
                     {"winning", "ゲットの方法は？（愛情運）"}});
  } else {
    headings.insert({{"balloonGood", balloonHeading},
                     {"balloonPoor", balloonHeading},
                     {"wish", "相手の愛情運から自分に対する相手の思い・願いがわかる！（相手の愛情運）"}});
  }
  ASSERT_EQ(set.tableCount, headings.size());
  for (const auto& [name, heading] : headings) {
    const ReadingTable& table = set.Table(name);
    EXPECT_EQ(Entry(table, 0), heading) << set.plugin << " " << name;
    for (int k = 0; k < plugins::kReadingTableSize; ++k) {
      EXPECT_EQ(table.entries[k].key, k);
      EXPECT_EQ(Entry(table, k).empty(), !IsReadingIndex(k)) << set.plugin << " " << name << " " << k;
    }
    // 5, 6 and 15 read alike, except MatchCouple's last portrait part at 15.
    EXPECT_EQ(Entry(table, 5), Entry(table, 6)) << set.plugin << " " << name;
    bool ownFifteen = set.plugin == "MatchCouple" && name == "portraitThird";
    EXPECT_EQ(Entry(table, 15) == Entry(table, 5), !ownFifteen) << set.plugin << " " << name;
  }
}

// The openings and endings that make the parts fit their slot and join into one paragraph.
TEST_P(ReadingTexts, SentencesOpenAndEndAsTheirSlotNeeds) {
  const TextSet& set = GetParam();
  for (int k = 1; k <= 22; ++k) {
    if (!IsReadingIndex(k)) continue;
    const std::string at = set.plugin + " entry " + std::to_string(k) + ": ";
    const std::string first = Entry(set.Table("portraitFirst"), k);
    const std::string second = Entry(set.Table("portraitSecond"), k);
    const std::string third = Entry(set.Table("portraitThird"), k);
    if (set.plugin == "MatchLover") continue;  // given as they stand
    EXPECT_TRUE(EndsWith(first, "ながら、") || EndsWith(first, "けれども、")) << at << first;
    EXPECT_TRUE(EndsWith(second, "そして、")) << at << second;
    if (set.tactics) {
      EXPECT_TRUE(StartsWith(second, "プライベートな時は")) << at << second;
      EXPECT_TRUE(EndsWith(third, k == 9 ? "人もいます。" : "人です。")) << at << third;
      const std::string weakPoint = Entry(set.Table("weakPoint"), k);
      EXPECT_TRUE(EndsWith(weakPoint, "人間。") || EndsWith(weakPoint, "人間")) << at << weakPoint;
      const std::string approach = Entry(set.Table("approach"), k);
      const std::string winning = Entry(set.Table("winning"), k);
      if (set.plugin == "TacticCouple") {
        EXPECT_TRUE(EndsWith(approach, "！")) << at << approach;
        EXPECT_NE(winning.find("もうこっちのも"), std::string::npos) << at << winning;
      } else {
        EXPECT_TRUE(EndsWith(approach, "べし。")) << at << approach;
        EXPECT_TRUE(EndsWith(winning, "こと。") || (EndsWith(winning, "）") && winning.find("こと。（") != std::string::npos))
            << at << winning;
      }
    } else {
      EXPECT_TRUE(StartsWith(Entry(set.Table("wish"), k), "あなたには")) << at;
      EXPECT_TRUE(EndsWith(third, k == 3 ? "だけどなあ！ " : "だけどなあ！")) << at << third;
    }
  }
  // The longest composition is the longest first, second and third part together.
  std::size_t longest = plugins::LongestText(set.Table("portraitFirst")) +
                        plugins::LongestText(set.Table("portraitSecond")) +
                        plugins::LongestText(set.Table("portraitThird"));
  EXPECT_LT(longest, plugins::kDetailTextCapacity) << set.plugin;
}

// Within one plug-in no two readings share a text unless they are meant to: 5, 6 and 15,
// the headings of a good/poor or male/female pair, and TacticLover's two given pairs.
TEST_P(ReadingTexts, ReadingsAreDistinctUnlessTheyAreMeantToAgree) {
  const TextSet& set = GetParam();
  const std::set<std::set<std::string>> pairs = {
      {"balloonGood", "balloonPoor"}, {"balloonMale", "balloonFemale"}, {"feelingGood", "feelingPoor"}};
  auto group = [](int k) { return k == 6 || k == 15 ? 5 : k; };
  std::map<std::string, std::vector<std::pair<std::string, int>>> where;
  for (std::size_t t = 0; t < set.tableCount; ++t) {
    for (int k = 0; k < plugins::kReadingTableSize; ++k) {
      std::string text = Entry(*set.tables[t].table, k);
      if (!text.empty()) where[text].push_back({set.tables[t].name, k});
    }
  }
  for (const auto& [text, places] : where) {
    for (std::size_t i = 1; i < places.size(); ++i) {
      const auto& [tableA, a] = places[0];
      const auto& [tableB, b] = places[i];
      bool sameRow = tableA == tableB && group(a) == group(b);
      bool pairHeading = a == 0 && b == 0 && pairs.count({tableA, tableB}) > 0;
      bool givenPair = set.plugin == "TacticLover" && a == b && pairs.count({tableA, tableB}) > 0 &&
                       ((a == 3 && tableA.rfind("balloon", 0) == 0) || (a == 22 && tableA.rfind("feeling", 0) == 0));
      EXPECT_TRUE(sameRow || pairHeading || givenPair)
          << set.plugin << ": " << tableA << " " << a << " and " << tableB << " " << b << " share " << text;
    }
  }
}

// Detail 2 for every combination of the three indexes (0 to 22 and one beyond): the
// module returns exactly the three parts joined, and nothing is cut.
TEST_P(ReadingTexts, DetailTwoJoinsThePartsForEveryIndexCombination) {
  const TextSet& set = GetParam();
  TestPlugin plugin(set.plugin);
  ASSERT_TRUE(plugin.Loaded());
  const ReadingTable& first = set.Table("portraitFirst");
  const ReadingTable& second = set.Table("portraitSecond");
  const ReadingTable& third = set.Table("portraitThird");
  auto part = [](const ReadingTable& table, int k) -> std::string {
    return k < plugins::kReadingTableSize ? table.entries[k].text : "";
  };
  std::size_t longest = 0;
  int mismatches = 0;
  for (int a = 0; a <= 23; ++a) {
    for (int b = 0; b <= 23; ++b) {
      for (int c = 0; c <= 23; ++c) {
        NuvaroData data = plugin.Read({21, 13, 18, 16}, {SumForIndex(c), SumForIndex(b), 3, SumForIndex(a)});
        std::string expected = part(first, a) + part(second, b) + part(third, c);
        std::string got = data.detailText[1] != nullptr ? data.detailText[1] : "<null>";
        if (got != expected && ++mismatches <= 3) ADD_FAILURE() << set.plugin << " " << a << "/" << b << "/" << c;
        longest = std::max(longest, got.size());
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_LT(longest, plugins::kDetailTextCapacity);
}

// The words a reader notices in a sentence part (UTF-8): every two kanji side by side
// (情熱 in 情熱的 too) and every run of three or more katakana, less a word that only
// holds the grammar together.
std::set<std::string> NoticedWords(const std::string& text) {
  static const std::set<std::string> kGrammarWords = {"自分"};
  std::vector<std::pair<std::string, int>> characters;  // each character with its script
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
      c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    const bool kanji = (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || c == 0x3005;
    const bool katakana = (c >= 0x30A1 && c <= 0x30FA) || c == 0x30FC;
    characters.push_back({text.substr(i, length), kanji ? 1 : katakana ? 2 : 0});
    i += length;
  }
  std::set<std::string> words;
  for (std::size_t i = 0; i + 1 < characters.size(); ++i) {
    if (characters[i].second == 1 && characters[i + 1].second == 1) {
      const std::string pair = characters[i].first + characters[i + 1].first;
      if (kGrammarWords.count(pair) == 0) words.insert(pair);
    }
  }
  for (std::size_t i = 0; i < characters.size();) {
    std::size_t end = i;
    std::string run;
    while (end < characters.size() && characters[end].second == 2) run += characters[end++].first;
    if (end - i >= 3) words.insert(run);
    i = end > i ? end : i + 1;
  }
  return words;
}

// A paragraph composed of three parts never says the same noticeable word twice, for
// every combination of the three indexes. MatchLover's parts are given as they stand, and
// so are MatchCouple's first and third parts of index 1 (both say 目的).
TEST_P(ReadingTexts, AComposedParagraphNeverRepeatsAWord) {
  const TextSet& set = GetParam();
  if (set.plugin == "MatchLover") GTEST_SKIP() << "given as they stand";
  const char* parts[] = {"portraitFirst", "portraitSecond", "portraitThird"};
  std::vector<int> indexes;
  for (int k = 1; k <= 22; ++k)
    if (IsReadingIndex(k)) indexes.push_back(k);
  int repeats = 0;
  for (int a : indexes) {
    for (int b : indexes) {
      for (int c : indexes) {
        const int chosen[] = {a, b, c};
        std::map<std::string, int> seenIn;  // word -> part it first appeared in
        for (int part = 0; part < 3; ++part) {
          const std::string text = Entry(set.Table(parts[part]), chosen[part]);
          if (set.plugin == "MatchCouple" && a == 1 && c == 1 && part == 2) continue;
          for (const std::string& word : NoticedWords(text)) {
            auto [it, added] = seenIn.emplace(word, part);
            if (!added && it->second != part && ++repeats <= 10)
              ADD_FAILURE() << set.plugin << " " << a << "/" << b << "/" << c << " repeats " << word;
          }
        }
      }
    }
  }
  EXPECT_EQ(repeats, 0);
}

// The module's balloon and detail texts are the catalogue's, entry for entry.
TEST_P(ReadingTexts, ModulesHandOutTheCataloguedEntries) {
  const TextSet& set = GetParam();
  TestPlugin plugin(set.plugin);
  ASSERT_TRUE(plugin.Loaded());
  const Sums unnamed{0, 0, 0, 0};
  for (int k = 0; k < plugins::kReadingTableSize; ++k) {
    const int v = SumForIndex(k);
    const Sums other{1, 1, v, v};
    const Sums same = other;  // the same pattern never draws
    NuvaroData poor = plugin.Read(same, other, false);
    if (set.tactics) {
      EXPECT_STREQ(poor.balloonText, set.Table("balloonFemale").entries[k].text) << k;
      EXPECT_STREQ(plugin.Read(same, other, true).balloonText, set.Table("balloonMale").entries[k].text) << k;
      EXPECT_STREQ(poor.detailText[0], set.Table("feelingPoor").entries[k].text) << k;
      EXPECT_STREQ(poor.detailText[2], set.Table("weakPoint").entries[k].text) << k;
      EXPECT_STREQ(poor.detailText[3], set.Table("approach").entries[k].text) << k;
      EXPECT_STREQ(poor.detailText[4], set.Table("winning").entries[k].text) << k;
    } else {
      EXPECT_STREQ(poor.balloonText, set.Table("balloonPoor").entries[k].text) << k;
      EXPECT_STREQ(poor.detailText[0], set.Table("wish").entries[k].text) << k;
    }
    // An unnamed user draws everyone through the 0 fill, except 22 and an unnamed other.
    if (k == 0 || k == 22) continue;
    NuvaroData good = plugin.Read(unnamed, other);
    EXPECT_STREQ(set.tactics ? good.detailText[0] : good.balloonText,
                 set.Table(set.tactics ? "feelingGood" : "balloonGood").entries[k].text)
        << k;
  }
}

INSTANTIATE_TEST_SUITE_P(AllFour, ReadingTexts, ::testing::ValuesIn(AllSets()),
                         [](const auto& param) { return param.param.plugin; });

// Tables that the plug-ins share by design.
TEST(SharedReadingTexts, PortraitPartsAgreeAcrossPlugins) {
  namespace p = plugins;
  for (int k = 0; k < p::kReadingTableSize; ++k) {
    EXPECT_STREQ(p::tactic_couple_texts::portraitFirst.entries[k].text, p::match_couple_texts::portraitFirst.entries[k].text);
    EXPECT_STREQ(p::tactic_lover_texts::portraitFirst.entries[k].text, p::match_couple_texts::portraitFirst.entries[k].text);
    EXPECT_STREQ(p::tactic_lover_texts::portraitSecond.entries[k].text, p::tactic_couple_texts::portraitSecond.entries[k].text);
    if (k == 10) continue;
    EXPECT_STREQ(p::tactic_lover_texts::portraitThird.entries[k].text, p::tactic_couple_texts::portraitThird.entries[k].text);
  }
  EXPECT_EQ(Entry(p::tactic_couple_texts::portraitThird, 10),
            " ”ま、いいか！” という大らかで楽天的ですが、おおざっぱで無責任になりやすい人です。");
  EXPECT_EQ(Entry(p::tactic_lover_texts::portraitThird, 10),
            "”ま、いいか！”という大らかで楽天的ですが、おおざっぱで無責任になりやすい人です。");
  EXPECT_EQ(Entry(p::match_couple_texts::portraitFirst, 1), "自分の理想と目的を追いかけながら、");
  // The MatchLover texts are the given ones, not the shared ones.
  EXPECT_EQ(Entry(p::match_lover_texts::portraitFirst, 1), "自分がどうするかというイメージを持っていて、");
  // TacticLover's male and female balloons differ only in their ending.
  for (int k : {1, 2, 4, 5, 7, 8, 9, 10, 21, 22}) {
    std::string male = Entry(p::tactic_lover_texts::balloonMale, k);
    std::string female = Entry(p::tactic_lover_texts::balloonFemale, k);
    ASSERT_TRUE(EndsWith(male, "のになあ！") && EndsWith(female, "わ！")) << k;
    EXPECT_EQ(male.substr(0, male.size() - std::strlen("のになあ！")), female.substr(0, female.size() - std::strlen("わ！")));
  }
}

}  // namespace
}  // namespace nuvaro::testing
