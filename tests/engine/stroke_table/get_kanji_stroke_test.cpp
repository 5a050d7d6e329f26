// GetKanjiStroke: the walk over a name, its counts and result codes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "nuvacalc.h"
#include "stroke_table/kanji_stroke_table.h"
#include "test_text.h"

namespace nuvaro::engine {
namespace {

using testing::Sjis;

std::uint16_t KeyOf(const std::string& cp932) {
  return StrokeKey(static_cast<unsigned char>(cp932[0]), static_cast<unsigned char>(cp932[1]));
}

struct Lookup {
  int result;
  std::vector<int> counts;
};

Lookup Strokes(const std::string& cp932, int capacity = 21) {
  std::vector<unsigned char> buffer(static_cast<std::size_t>(capacity > 0 ? capacity : 1) + 8, 0xAA);
  Lookup out;
  out.result = GetKanjiStroke(cp932.c_str(), buffer.data(), capacity);
  for (std::size_t i = 0; i < buffer.size() && buffer[i] != 0 && buffer[i] != 0xAA; ++i) out.counts.push_back(buffer[i]);
  return out;
}

TEST(GetKanjiStrokeTest, Names) {
  struct Case {
    std::string name;  // UTF-8
    int result;
    std::vector<int> counts;
  };
  const Case cases[] = {
      {"", 1, {}},
      {"山田", 1, {3, 5}},
      {"あい", 1, {3, 2}},
      {"ノリコ", 1, {1, 2, 2}},
      {"臠", 1, {25}},
      {"々", 1, {3}},
      {"ぢヂ", 1, {4, 5}},
      {"ーー－", 1, {1, 1, 1}},
      {"しゃこ", 0, {1, 255, 2}},  // small kana has no row
      {"Ａ子", 0, {255, 3}},      // full-width letter
      {"ヴ", 0, {255}},
      {"丶", 0, {255}},           // the one level-2 kanji without a row
      {"A山", 1, {}},             // 山's bytes fall into two steps
      {"AB山", 1, {3}},
      {"ｱ山", 1, {}},             // half-width katakana takes the next byte along
      {"ｱｲ山", 1, {3}},
      {"山A", 1, {3}},
      {"1山田", 1, {}},           // every step starts inside a character
  };
  for (const auto& c : cases) {
    const Lookup got = Strokes(Sjis(c.name));
    EXPECT_EQ(got.result, c.result) << c.name;
    EXPECT_EQ(got.counts, c.counts) << c.name;
  }
}

TEST(GetKanjiStrokeTest, TellingRowsAndModernForms) {
  const std::string rows =
      "一1 乙1 七2 九2 十2 子3 山3 小3 木4 中4 太4 水4 田5 加5 辺5 伊6 吉6 佐7 沢7 花7 芳7 林8 "
      "河8 治8 英8 美9 郎9 草9 高10 恵10 浩10 清11 陰11 部11 渡12 道12 陽12 葉12 鈴13 蓮13 "
      "橋16 澤16 藤18 藍18 鬱29 驫30 鸞30 "
      // forms that changed in 2004/2010, counted as written today
      "葛12 遡14 遜14 謎17 餌15 餅15 飴14 僅13 賭16 "
      // extension kanji common in names
      "髙11 﨑12 德15 栁9 濵17 瀨19 彅14 曻11 黑12";
  std::istringstream items(rows);
  for (std::string item; items >> item;) {
    const std::size_t digits = item.find_first_of("0123456789");
    const std::string kanji = item.substr(0, digits);
    const Lookup got = Strokes(Sjis(kanji));
    EXPECT_EQ(got.result, 1) << kanji;
    EXPECT_EQ(got.counts, std::vector<int>{std::stoi(item.substr(digits))}) << kanji;
  }
}

// The same extension kanji read from its NEC-selected code (0xED/0xEE) and its IBM code.
TEST(GetKanjiStrokeTest, ExtensionKanjiReadByEitherCode) {
  const std::string ibmTaka = Sjis("髙");
  ASSERT_EQ(static_cast<unsigned char>(ibmTaka[0]), 0xFB);
  const std::uint16_t necTaka = 0xEEE0;  // the NEC-selected code of the same character
  ASSERT_EQ(FoldExtensionCode(necTaka), KeyOf(ibmTaka));
  const std::string nec = {static_cast<char>(necTaka >> 8), static_cast<char>(necTaka & 0xFF)};
  EXPECT_EQ(Strokes(nec + Sjis("橋")).counts, (std::vector<int>{11, 16}));
  EXPECT_EQ(Strokes(ibmTaka + Sjis("橋")).counts, (std::vector<int>{11, 16}));
  // An extension kanji outside the chosen 113 has no row under either code.
  const std::string unlisted = Sjis("丨");  // 0xFA68
  EXPECT_EQ(Strokes(unlisted).result, 0);
}

TEST(GetKanjiStrokeTest, Capacity) {
  std::string twenty, twentyOne;
  for (int i = 0; i < 20; ++i) twenty += Sjis("山");
  twentyOne = twenty + Sjis("田");
  const Lookup full = Strokes(twenty, 21);
  EXPECT_EQ(full.result, 1);
  EXPECT_EQ(full.counts, std::vector<int>(20, 3));
  EXPECT_EQ(Strokes(twentyOne, 21).result, 0);
  EXPECT_EQ(Strokes(Sjis("山田"), 2).result, 0);  // no room for the terminator
  EXPECT_EQ(Strokes(Sjis("山田"), 3).result, 1);
  EXPECT_EQ(Strokes("", 1).result, 1);
}

TEST(GetKanjiStrokeTest, NoCapacityOrNoBufferWritesNothing) {
  unsigned char buffer[4] = {0xAA, 0xAA, 0xAA, 0xAA};
  EXPECT_EQ(GetKanjiStroke(Sjis("山").c_str(), buffer, 0), 0);
  EXPECT_EQ(GetKanjiStroke("", buffer, -5), 0);
  EXPECT_EQ(buffer[0], 0xAA);
  EXPECT_EQ(GetKanjiStroke(nullptr, buffer, 4), 0);
  EXPECT_EQ(GetKanjiStroke(Sjis("山").c_str(), nullptr, 4), 0);
}

TEST(GetKanjiStrokeTest, LeadByteBeforeTheTerminatorIsNotFound) {
  const std::string name = Sjis("山") + std::string(1, Sjis("田")[0]);
  const Lookup got = Strokes(name);
  EXPECT_EQ(got.result, 0);
  EXPECT_EQ(got.counts, (std::vector<int>{3, 255}));
}

// A bounded walk treats the end of the field as the terminator.
TEST(GetKanjiStrokeTest, BoundedWalkStopsAtTheFieldEnd) {
  const std::string text = Sjis("山田川");  // no terminator is looked at within 4 bytes
  unsigned char counts[8];
  EXPECT_EQ(ReadStrokeCounts(text.data(), 4, counts, 8, IndexedStrokeLookup), 1);
  EXPECT_EQ(counts[0], 3);
  EXPECT_EQ(counts[1], 5);
  EXPECT_EQ(counts[2], 0);
  // A lead byte in the field's last byte: its second byte lies outside and reads as 0.
  EXPECT_EQ(ReadStrokeCounts(text.data(), 3, counts, 8, IndexedStrokeLookup), 0);
  EXPECT_EQ(counts[1], kNoStrokeRow);
  EXPECT_EQ(counts[2], 0);
}

}  // namespace
}  // namespace nuvaro::engine
