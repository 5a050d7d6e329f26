// Japanese line breaking: worked cases, then every balloon text of the five reading
// plug-ins (all rows) at the bytes per line the board gives it.
#include "core/japanese_line_breaks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "match_couple_texts.h"
#include "match_lover_texts.h"
#include "reading_table.h"
#include "self_reading_texts.h"
#include "tactic_couple_texts.h"
#include "tactic_lover_texts.h"
#include "test_text.h"

namespace nuvaro::core {
namespace {

using testing::Sjis;
using testing::Utf8;

std::vector<std::string> Utf8Lines(const std::vector<std::string>& lines) {
  std::vector<std::string> result;
  for (const std::string& line : lines) result.push_back(Utf8(line));
  return result;
}

TEST(JapaneseLineBreaks, WorkedCases) {
  struct Case {
    const char* text;
    int perLine;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"こんにちは", 16, {"こんにちは"}},
      // Never start with 、, a small kana or ー, never end with 「.
      {"ああああああああ、いいいい", 16, {"あああああああ", "あ、いいいい"}},
      {"ああああああああっとね", 16, {"あああああああ", "あっとね"}},
      {"あああああああ「かぎ」", 16, {"あああああああ", "「かぎ」"}},
      // A kanji run that fits a line stays whole; one longer than a line is cut.
      {"ああああああ恋愛相談", 16, {"ああああああ", "恋愛相談"}},
      {"一二三四五六七八九十", 8, {"一二三四", "五六七", "八九十"}},
      // After 、 rather than inside the words.
      {"いろいろ考えて、そうしてみる", 16, {"いろいろ考えて、", "そうしてみる"}},
      // After a word's particle, never between the word and its particle.
      {"ああああ性格が好き", 12, {"ああああ", "性格が好き"}},
      {"明るい性格の人が好きな人", 16, {"明るい性格の人が", "好きな人"}},
      // No lone one or two characters on the last line where an earlier break helps.
      {"私流の愛がわかんない”あなたって”いまいち！", 16, {"私流の愛が", "わかんない", "”あなたって”", "いまいち！"}},
      {"気がきかないあなたの鈍さが嫌いで！", 16, {"気がきかない", "あなたの鈍さが", "嫌いで！"}},
      // Half-width text counts one byte a character.
      {"abcdefghij klm", 8, {"abcdefgh", "ij klm"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8Lines(BreakJapaneseLinesByBytes(Sjis(c.text), c.perLine)), c.lines) << c.text;
  }
  // Measured widths (pixels, as the calendar's cells break their readings): a line feed
  // ends a line.
  const auto pixels = [](std::string_view c) { return c.size() == 2 ? 12 : 6; };
  EXPECT_EQ(Utf8Lines(BreakJapaneseLines(Sjis("今日は良い日。\n明日も良い日"), 100, pixels)),
            (std::vector<std::string>{"今日は良い日。", "明日も良い日"}));
}

// A day reading longer than its cell: the last line shown says the text goes on.
TEST(JapaneseLineBreaks, LeftOutLinesEndInAnEllipsis) {
  const auto pixels = [](std::string_view c) { return c.size() == 2 ? 12 : 6; };
  struct Case {
    std::vector<const char*> lines;
    std::size_t maxLines;
    std::vector<std::string> kept;
  };
  const Case cases[] = {
      {{"今日は良い日。", "明日も"}, 2, {"今日は良い日。", "明日も"}},
      // Room to spare on the last line: the ellipsis is added.
      {{"布石を", "打つことが", "できます。"}, 2, {"布石を", "打つことが…"}},
      // A full last line gives up characters (whole ones) for it.
      {{"布石を打つことがで", "きます。"}, 1, {"布石を打つことが…"}},
      // No room at all is still one line.
      {{"一日", "二日"}, 0, {"一日…"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines;
    for (const char* line : c.lines) lines.push_back(Sjis(line));
    const std::vector<std::string> kept = KeepLinesWithEllipsis(lines, c.maxLines, 108, pixels);
    EXPECT_EQ(Utf8Lines(kept), c.kept) << c.lines.front();
    for (const std::string& line : kept) EXPECT_LE(line.size() / 2 * 12, 108u) << Utf8(line);
  }
}

// Every balloon text the plug-ins hand out.
std::vector<std::string> AllBalloonTexts() {
  namespace p = plugins;
  const p::ReadingTable* tables[] = {
      &p::match_couple_texts::balloonGood, &p::match_couple_texts::balloonPoor, &p::match_lover_texts::balloonGood,
      &p::match_lover_texts::balloonPoor,  &p::tactic_couple_texts::balloonMale, &p::tactic_couple_texts::balloonFemale,
      &p::tactic_lover_texts::balloonMale, &p::tactic_lover_texts::balloonFemale};
  std::vector<std::string> texts = {p::self_reading_texts::balloon};
  for (const p::ReadingTable* table : tables) {
    for (const p::ReadingEntry& entry : table->entries) {
      if (*entry.text != '\0') texts.push_back(entry.text);
    }
  }
  return texts;
}

TEST(JapaneseLineBreaks, EveryBalloonTextOfThePlugInsReadsWell) {
  // Characters no line may start with, and words no line may split.
  const std::vector<std::string> noStart = {"、", "。", "！", "？", "）", "」", "ー", "ぁ", "ぃ", "ぅ", "ぇ", "ぉ",
                                            "っ", "ゃ", "ゅ", "ょ", "ッ", "ャ", "ュ", "ョ", "ァ", "ィ", "ェ", "ォ"};
  const std::vector<std::string> words = {"くれない", "わがまま", "あなた", "いまいち", "いいなあ", "ください",
                                          "しっかり", "ちゃんと", "パートナー", "スキンシップ", "情熱的"};
  const std::vector<std::string> texts = AllBalloonTexts();
  ASSERT_GT(texts.size(), 100u);
  for (const std::string& text : texts) {
    const int perLine = static_cast<int>(text.size()) > 80 ? 26 : 16;
    const std::vector<std::string> lines = Utf8Lines(BreakJapaneseLinesByBytes(text, perLine));
    const std::string shown = ::testing::PrintToString(lines);
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_LE(Sjis(lines[i]).size(), static_cast<std::size_t>(perLine)) << shown;
      if (i > 0) {
        for (const std::string& c : noStart) EXPECT_NE(lines[i].rfind(c, 0), 0u) << shown;
        // A word split over two lines shows as its head ending one and its tail starting the next.
        const std::string seam = lines[i - 1] + "|" + lines[i];
        for (const std::string& word : words) {
          for (std::size_t cut = 3; cut < word.size(); cut += 3) {
            const std::string split = word.substr(0, cut) + "|" + word.substr(cut);
            EXPECT_EQ(seam.find(split), std::string::npos) << word << " split in " << shown;
          }
        }
      }
      joined += lines[i];
    }
    EXPECT_EQ(joined, Utf8(text));
    // The last line holds at least three characters (UTF-8: three bytes each here).
    if (lines.size() > 1) {
      EXPECT_GE(lines.back().size(), 9u) << shown;
    }
  }
}

}  // namespace
}  // namespace nuvaro::core
