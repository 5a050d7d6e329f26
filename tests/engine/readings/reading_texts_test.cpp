// The texts of the compatibility, tactics and work readings, checked over every table at
// once: titles, empty and shared rows, the quoted rows, openings and endings, lengths,
// no sentence pasted into two rows, and the description parts reading as one sentence.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/core/encoding.h"
#include "readings/reading_tables.h"

namespace {

using nuvaro::engine::CataloguedTable;
using nuvaro::engine::ReadingTableCatalogue;
using nuvaro::engine::TableForm;

constexpr int kNumbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 21, 22};

// Every table's rows in UTF-8, by table name; a row that is not CP932 fails the test.
std::map<std::string, std::vector<std::string>> Utf8Tables() {
  std::map<std::string, std::vector<std::string>> tables;
  for (const CataloguedTable& entry : ReadingTableCatalogue()) {
    auto& rows = tables[entry.name];
    for (int index = 0; index < nuvaro::engine::kReadingRowCount; ++index) {
      EXPECT_EQ(entry.table->rows[index].index, index) << entry.name;
      auto utf8 = nuvaro::platform::Cp932ToUtf8(entry.table->rows[index].text);
      EXPECT_TRUE(utf8.has_value()) << entry.name << " row " << index << " is not CP932";
      rows.push_back(utf8.value_or(""));
    }
  }
  return tables;
}

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }
bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::u32string Decode(const std::string& utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    unsigned char b = static_cast<unsigned char>(utf8[i]);
    int length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? b : b & (0xFF >> (length + 1));
    for (int k = 1; k < length && i + k < utf8.size(); ++k) c = (c << 6) | (utf8[i + k] & 0x3F);
    out.push_back(c);
    i += length;
  }
  return out;
}

// Title, and what every written row opens or ends with (empty: no rule).
struct TableRule {
  const char* name;
  const char* title;
  const char* opening;
  const char* ending;
  const char* otherEnding;
  std::size_t maxCharacters;
};

const TableRule kRules[] = {
    {"LikesWhisper", "夫婦、親子、兄弟、恋人の相性診断のヌヴァロ言葉", "", "！", "", 0},
    {"DislikesWhisper", "夫婦、親子、兄弟、恋人の相性診断のヌヴァロ言葉", "", "！", "", 0},
    {"PartnerWish", "相手の愛情運から自分に対する相手の思い・願いがわかる！（相手の愛情運）", "あなたにはもっと", "", "", 0},
    {"ShinreiFragment", "どんな人か（心霊運の外数）", "", "と同時に、", "", 0},
    {"ChikakuFragment", "どんな人か（地格の外数）", "", "。", "", 0},
    {"HonsyouFragment", "どんな人か（本性の外数）", "", "人なんだけどなあ！", "と思うんだけどなあ！", 0},
    {"WomanWhisper", "女性のヌヴァロ言葉", "知ってる！私って", "", "", 100},
    {"SexReading", "夫婦・恋人のためのＳＥＸ相性学(愛情運)", "", "。", "", 280},
    {"LoveWhisperWistful", "夫婦、親子、兄弟、恋人の攻略法のヌヴァロ言葉", "", "のになあ！", "私には命令しないで！", 0},
    {"LoveWhisperAssertive", "夫婦、親子、兄弟、恋人の攻略法のヌヴァロ言葉", "", "わ！", "私には命令しないで！", 0},
    {"LoveWeakness", "相手の弱点（心霊運の外数）", "", "", "", 0},
    {"LoveTactic", "どうしたらよいのか？攻略法（心霊運の外数）", "", "", "", 0},
    {"FeelingPleased", "相手から自分の愛情への愛に対する想い（相手の愛情運と自分の地格と本性）", "", "", "", 0},
    {"FeelingDispleased", "相手から自分の愛情への愛に対する想い（相手の愛情運と自分の地格と本性）", "", "", "", 0},
    {"LoveGetMethod", "ゲットの方法は？（愛情運）", "", "", "", 0},
    {"FriendWhisperWistful", "友人・ビジネスの攻略法のヌヴァロ言葉", "", "なあ！", "できるよ！", 0},
    {"FriendWhisperAssertive", "友人・ビジネスの攻略法のヌヴァロ言葉", "", "わ！", "できるわよ！", 0},
    {"FriendShinrei", "どんな人か（相手の心霊運の外数）", "", "と同時に、", "", 0},
    {"FriendHonsyou", "どんな人か（相手の本性）", "", "人なんだけどなあ！", "と思うんだけどなあ！", 0},
    {"FriendWeakness", "相手の弱点（心霊運の外数）", "", "", "", 0},
    {"FriendTactic", "どうしたらよいのか？攻略法（心霊運の外数）", "", "", "", 0},
    {"TrueFeelingGood", "相手の自分に対する本音（相手の人気運の数字と本人の心霊運、本性の数字）", "”いい人だなあ”", "", "", 0},
    {"TrueFeelingLukewarm", "相手の自分に対する本音（相手の人気運の数字と本人の心霊運、本性の数字）", "”今いちだよね”", "", "", 0},
    {"FriendGetMethod", "ゲットの方法は？（人気運）", "", "", "", 0},
    {"WorkWhisperWistful", "ビジネスの評価編のヌヴァロ言葉", "", "のになあ！", "", 0},
    {"WorkWhisperAssertive", "ビジネスの評価編のヌヴァロ言葉", "", "わ！", "", 0},
    {"WorkShinrei", "どんな人か（相手の心霊運）", "", "と同時に、", "", 0},
    {"WorkHonsyou", "どんな人か（相手の本性）", "", "人なんだけどなあ！", "と思うんだけどなあ！", 0},
    {"WorkLuckGreat", "運勢を生かす可能性は大いにある。", "運勢を生かす可能性は大いにあります。", "", "", 0},
    {"WorkLuckFew", "運勢を生かす可能性は少ない。", "仕事の運勢を生かす可能性は少ないです。", "", "", 0},
    {"AidAmple", "お助けマンになれる可能性は十分にあります。", "お助けマンになれる可能性は十分にあります。", "", "", 0},
    {"AidFew", "お助けマンになれる可能性は少ないです。", "お助けマンになれる可能性は少ないです。", "", "", 0},
    {"WorkType", "自分仕事運を中心とした時、相手は自分の仕事上の”お助けマン”になれるかどうか？", "あなたの仕事運は（", "）の仕事運です。", "", 0},
};

// Rows whose opening differs from their table's rule.
std::string OpeningOf(const TableRule& rule, int row) {
  std::string name = rule.name;
  if (name == "WorkLuckFew" && (row == 15 || row == 21 || row == 22)) return "運勢を生かす可能性は少ないです。";
  if (name == "SexReading" && row == 22) return "悪魔の数字２２、この数字を愛情運に持つ人は";
  return rule.opening;
}

TEST(ReadingTextsTest, EveryTableHasItsTitleFormOpeningsAndEndings) {
  auto tables = Utf8Tables();
  ASSERT_EQ(tables.size(), std::size(kRules));
  for (const CataloguedTable& entry : ReadingTableCatalogue()) {
    const auto& rows = tables[entry.name];
    const TableRule* rule = nullptr;
    for (const TableRule& r : kRules) {
      if (std::string(r.name) == entry.name) rule = &r;
    }
    ASSERT_NE(rule, nullptr) << entry.name;
    EXPECT_EQ(rows[0], rule->title) << entry.name;
    for (int row = 1; row < nuvaro::engine::kReadingRowCount; ++row) {
      SCOPED_TRACE(std::string(entry.name) + " row " + std::to_string(row));
      bool reading = row <= 10 || row == 15 || row >= 21 || entry.form == TableForm::kAllFilled;
      if (!reading) {
        EXPECT_EQ(rows[row], "");
        continue;
      }
      ASSERT_NE(rows[row], "");
      // Rows 5, 6 and 15 share one text, except row 15 of a table that gives it its own.
      if (row == 6) {
        EXPECT_EQ(rows[6], rows[5]);
      }
      if (row == 15) {
        EXPECT_EQ(rows[15] == rows[5], entry.form != TableForm::kOwnFifteen);
      }
      EXPECT_TRUE(StartsWith(rows[row], OpeningOf(*rule, row)));
      bool ends = EndsWith(rows[row], rule->ending) ||
                  (*rule->otherEnding != '\0' && EndsWith(rows[row], rule->otherEnding));
      EXPECT_TRUE(ends) << rows[row];
      if (rule->maxCharacters > 0) {
        EXPECT_LE(Decode(rows[row]).size(), rule->maxCharacters);
      }
    }
  }
}

// Rows the readings quote word for word (rows 5, 6 and 15 follow row 5 by the form check).
TEST(ReadingTextsTest, QuotedRowsAreExact) {
  auto tables = Utf8Tables();
  const struct {
    const char* table;
    int row;
    const char* text;
  } quoted[] = {
      {"LikesWhisper", 1, "あなたの目的に向かって頑張ってる姿が好き！"},
      {"LikesWhisper", 2, "あなたの面倒見がよくてリードしてくれるところが好き！"},
      {"LikesWhisper", 3, "あなたの強さとカッコよさが好き！"},
      {"LikesWhisper", 4, "あなたの人情味ある人のいいところが好き！"},
      {"LikesWhisper", 5, "あなたの常識的でまじめなところが好き！"},
      {"LikesWhisper", 7, "愛情表現をちゃんとしてくれる人が好き！"},
      {"LikesWhisper", 8, "あなたの優しさが好き！"},
      {"LikesWhisper", 9, "あなたの細やかさが好き！"},
      {"LikesWhisper", 10, "あなたの大らかな明るさが好き！"},
      {"LikesWhisper", 21, "あなたの情熱的なところが好き！"},
      {"LikesWhisper", 22, "私だけ愛し続けなさい！"},
      {"DislikesWhisper", 1, "あなたの目的のない生き方が嫌い！"},
      {"DislikesWhisper", 2, "あなたのリードしてくれないのと面倒見が悪いのが嫌い！"},
      {"DislikesWhisper", 3, "あなたの物足りないところとカッコ悪いのが嫌い！"},
      {"DislikesWhisper", 4, "あなたの人情味のないところが嫌い！"},
      {"DislikesWhisper", 5, "誠実でない人は嫌い！"},
      {"DislikesWhisper", 7, "私にあった愛の形を見せてくれない人は嫌い！"},
      {"DislikesWhisper", 8, "あなたの優しくないところが嫌い！"},
      {"DislikesWhisper", 9, "あなたの無神経さが嫌い！"},
      {"DislikesWhisper", 10, "あなたの大らかでないところが嫌い！"},
      {"DislikesWhisper", 21, "あなたの情熱的でないところが嫌い！"},
      {"DislikesWhisper", 22, "私だけ愛し続けないと恨んでやる！"},
      {"PartnerWish", 5, "あなたにはもっと私に変わることなく、ただひたすらにまじめにコツコツと誠実であって欲しいのです。"},
      {"ShinreiFragment", 1, "自分の理想と目的を追いかけると同時に、"},
      {"ShinreiFragment", 5, "まじめでコツコツ着実であると同時に、"},
      {"ChikakuFragment", 5, "自分はきまじめな性格です。"},
      {"HonsyouFragment", 1, "人参をぶら下げると飛んでいく目的指向型で、相談相手を必ず必要とし、そうしないとパワーのでない人なんだけどなあ！"},
      {"LoveWhisperWistful", 1, "話を聞いて相談相手になってくれると愛を感じちゃうのになあ！"},
      {"LoveWhisperWistful", 2, "私のことを面倒見て、お世話をやいてくれると愛を感じちゃうのになあ！"},
      {"LoveWhisperWistful", 3, "カッコよくって、私について来い的な人に愛を感じちゃうけど、私には命令しないで！"},
      {"LoveWhisperWistful", 4, "人情的なふれあいがあると愛を感じちゃうのになあ！"},
      {"LoveWhisperWistful", 5, "まじめに変わることなく接してくれると愛を感じちゃうのになあ！"},
      {"LoveWhisperWistful", 7, "愛を形でもって示してくれると愛を感じちゃうのになあ！"},
      {"LoveWhisperWistful", 8, "優しい言葉とハートがあれば愛を感じちゃうのになあ！"},
      {"LoveWhisperWistful", 9, "ちょっとした気配りだけで愛を感じちゃうのになあ！"},
      {"LoveWhisperWistful", 10, "包容力があってドンと受け止めてくれると愛を感じちゃうのになあ！"},
      {"LoveWhisperWistful", 21, "その時だけでも、炎のような情熱を注いでくれると愛を感じちゃうのになあ！"},
      {"LoveWhisperWistful", 22, "振り向かないで私だけずーと見続けなさい。そうしたら愛を感じちゃうのになあ！"},
      {"FeelingPleased", 1, "相談相手になってくれてうれしい！"},
      {"FeelingDispleased", 1, "ちっとも相談にのってくれないんだから！"},
      {"FriendWhisperWistful", 1, "目的を持って燃えてる人とつき合いたいなあ！"},
      {"FriendWhisperWistful", 22, "どんな人とでも仲良くできるよ！"},
      {"FriendWhisperAssertive", 1, "目的を持って燃えてる人とつき合いたいわ！"},
      {"FriendWhisperAssertive", 22, "どんな人とでも仲良くできるわよ！"},
      {"FriendShinrei", 15, "まじめでコツコツ着実であると同時に、"},
      {"WorkWhisperWistful", 1, "目的が定まれば頑張れるのになあ！"},
      {"WorkWhisperAssertive", 1, "目的が定まれば頑張るわ！"},
  };
  for (const auto& q : quoted) EXPECT_EQ(tables[q.table][q.row], q.text) << q.table << " row " << q.row;

  const char* workTypes[] = {"目的型", "アイデア型", "リーダー型", "グループ形成型", "コツコツ型", "コツコツ型",
                             "キチッと成就型", "思考デザイン型", "知性型", "完成安心型", "コツコツ型", "イノシシ型",
                             "十字架型"};
  for (std::size_t i = 0; i < std::size(kNumbers); ++i) {
    EXPECT_EQ(tables["WorkType"][kNumbers[i]], std::string("あなたの仕事運は（") + workTypes[i] + "）の仕事運です。");
  }
}

// The assertive whispers are the wistful ones with "わ！" for the wistful ending; the
// love whisper's row 3 and the friends' row 22 are phrased on their own.
TEST(ReadingTextsTest, AssertiveWhispersFollowTheWistfulOnes) {
  auto tables = Utf8Tables();
  auto replaceEnd = [](const std::string& text, const std::string& from) {
    return EndsWith(text, from) ? text.substr(0, text.size() - from.size()) + "わ！" : text;
  };
  for (int row : kNumbers) {
    EXPECT_EQ(tables["LoveWhisperAssertive"][row], replaceEnd(tables["LoveWhisperWistful"][row], "のになあ！")) << row;
    if (row == 22) continue;
    EXPECT_EQ(tables["FriendWhisperAssertive"][row], replaceEnd(tables["FriendWhisperWistful"][row], "なあ！")) << row;
  }
}

// No sentence of a written row appears in another row, apart from the openings the
// tables prescribe and the rows that the readings themselves give twice.
TEST(ReadingTextsTest, NoSentenceIsPastedIntoTwoRows) {
  auto tables = Utf8Tables();
  const std::set<std::string> sharedRows = {
      "まじめでコツコツ着実であると同時に、",  // 心霊運 descriptions of love and of friends
      "カッコよくって、私について来い的な人に愛を感じちゃうけど、私には命令しないで！",  // both phrasings
  };
  std::map<std::string, std::string> seen;  // sentence -> where it first appeared
  for (const TableRule& rule : kRules) {
    // The assertive whispers repeat the wistful ones by design (checked above).
    if (std::string(rule.name) == "LoveWhisperAssertive" || std::string(rule.name) == "FriendWhisperAssertive") continue;
    const auto& rows = tables[rule.name];
    for (int row = 1; row < nuvaro::engine::kReadingRowCount; ++row) {
      if (row == 6 || (row == 15 && rows[15] == rows[5]) || rows[row].empty() || sharedRows.count(rows[row])) continue;
      std::string text = rows[row].substr(OpeningOf(rule, row).size());
      std::string where = std::string(rule.name) + " row " + std::to_string(row);
      std::size_t start = 0;
      while (start < text.size()) {
        std::size_t stop = text.size();
        for (const char* mark : {"。", "！", "？"}) {
          std::size_t found = text.find(mark, start);
          if (found != std::string::npos) stop = std::min(stop, found + std::string(mark).size());
        }
        std::string sentence = text.substr(start, stop - start);
        auto [it, fresh] = seen.emplace(sentence, where);
        EXPECT_TRUE(fresh || it->second == where) << "\"" << sentence << "\" in " << where << " and " << it->second;
        start = stop;
      }
    }
  }
}

// Maximal runs of two or more kanji: the content words a reader would notice repeated.
std::vector<std::u32string> KanjiWords(const std::string& utf8) {
  auto isKanji = [](char32_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF) || c == 0x3005;
  };
  std::vector<std::u32string> words;
  std::u32string run;
  for (char32_t c : Decode(utf8) + U' ') {
    if (isKanji(c)) {
      run.push_back(c);
      continue;
    }
    if (run.size() >= 2) words.push_back(run);
    run.clear();
  }
  return words;
}

// Every combination of the description parts reads as one sentence without the same
// content word twice.
TEST(ReadingTextsTest, DescriptionPartsComposeWithoutRepeatedWords) {
  auto tables = Utf8Tables();
  const std::set<std::u32string> stopList = {U"自分"};
  const std::vector<std::vector<std::string>> compositions = {
      {"ShinreiFragment", "ChikakuFragment", "HonsyouFragment"},
      {"FriendShinrei", "FriendHonsyou"},
      {"WorkShinrei", "WorkHonsyou"},
  };
  for (const auto& parts : compositions) {
    std::vector<int> at(parts.size(), 0);
    int failures = 0;
    // Walks all 13^n choices of one row per part.
    for (bool more = true; more && failures < 10;) {
      std::string sentence;
      for (std::size_t p = 0; p < parts.size(); ++p) sentence += tables[parts[p]][kNumbers[at[p]]];
      std::set<std::u32string> words;
      for (const auto& word : KanjiWords(sentence)) {
        if (!stopList.count(word) && !words.insert(word).second) {
          ++failures;
          ADD_FAILURE() << "a word repeats in: " << sentence;
        }
      }
      more = false;
      for (std::size_t p = 0; p < parts.size() && !more; ++p) {
        if (++at[p] < static_cast<int>(std::size(kNumbers))) more = true;
        else at[p] = 0;
      }
    }
  }
}

}  // namespace
