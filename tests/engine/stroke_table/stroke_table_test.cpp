// The generated table itself: row count, kana rows, order, coverage, extension codes.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "platform/core/encoding.h"
#include "stroke_table/kanji_stroke_table.h"
#include "test_text.h"

namespace nuvaro::engine {
namespace {

using testing::Sjis;

std::uint16_t KeyOf(const std::string& cp932) {
  return StrokeKey(static_cast<unsigned char>(cp932[0]), static_cast<unsigned char>(cp932[1]));
}
std::uint16_t KeyOf(const StrokeEntry& row) { return StrokeKey(row.leadByte, row.trailByte); }

// The first 148 rows, character by character, in their order.
constexpr const char* kKanaRows =
    "あ3 い2 う2 え3 お4 か3 き4 く1 け3 こ2 さ3 し1 す3 せ3 そ3 た4 ち3 つ1 て2 と2 な5 に3 ぬ4 "
    "ね4 の1 は4 ひ2 ふ4 へ1 ほ5 ま4 み3 む4 め2 も3 や3 ゐ3 ゆ3 ゑ5 よ3 ら3 り2 る2 れ3 ろ2 わ3 "
    "を4 ん2 が5 ぎ6 ぐ3 げ5 ご4 ざ5 じ3 ず5 ぜ5 ぞ5 だ6 ぢ4 づ3 で4 ど4 ば6 び4 ぶ6 べ3 ぼ7 ぱ5 "
    "ぴ3 ぷ5 ぺ2 ぽ6 ー1 －1 "
    "ア2 イ2 ウ3 エ3 オ3 カ2 キ3 ク2 ケ3 コ2 サ3 シ3 ス2 セ2 ソ2 タ3 チ3 ツ3 テ3 ト2 ナ2 ニ2 ヌ2 "
    "ネ4 ノ1 ハ2 ヒ2 フ1 ヘ1 ホ4 マ2 ミ3 ム2 メ2 モ3 ヤ2 ヰ4 ユ2 ヱ3 ヨ3 ラ2 リ2 ル2 レ1 ロ3 ワ2 "
    "ヲ3 ン2 ガ4 ギ5 グ4 ゲ5 ゴ4 ザ5 ジ5 ズ4 ゼ4 ゾ4 ダ5 ヂ5 ヅ5 デ5 ド4 バ4 ビ4 ブ3 ベ3 ボ6 パ3 "
    "ピ3 プ2 ペ2 ポ5";

TEST(KanjiStrokeTableTest, KanaRowsComeFirstInTheirOrder) {
  std::istringstream items(kKanaRows);
  std::size_t row = 0;
  for (std::string item; items >> item; ++row) {
    const std::size_t digits = item.find_first_of("0123456789");
    const std::string kana = item.substr(0, digits);
    ASSERT_LT(row, kKanjiStrokeRowCount);
    EXPECT_EQ(KeyOf(KanjiStrokeTable[row]), KeyOf(Sjis(kana))) << "row " << row << " " << kana;
    EXPECT_EQ(KanjiStrokeTable[row].strokeCount, std::stoi(item.substr(digits))) << kana;
  }
  EXPECT_EQ(row, 148u);
}

TEST(KanjiStrokeTableTest, KanjiRowsAscendByStrokeCount) {
  int previous = 0;
  for (std::size_t row = 148; row < kKanjiStrokeRowCount; ++row) {
    const StrokeEntry& entry = KanjiStrokeTable[row];
    EXPECT_GE(entry.strokeCount, previous) << "row " << row;
    EXPECT_GE(entry.strokeCount, 1);
    EXPECT_LE(entry.strokeCount, 30);
    previous = entry.strokeCount;
  }
  EXPECT_EQ(KanjiStrokeTable[148].strokeCount, 1);
  EXPECT_EQ(KanjiStrokeTable[kKanjiStrokeRowCount - 1].strokeCount, 30);
}

TEST(KanjiStrokeTableTest, EveryRowIsAKnownCharacterAndOnlyRinIsRepeated) {
  std::map<std::uint16_t, int> rowsPerKey;
  int extensionRows = 0;
  for (const StrokeEntry& row : KanjiStrokeTable) {
    EXPECT_EQ(row.reserved, 0);
    ++rowsPerKey[KeyOf(row)];
    const std::string code{static_cast<char>(row.leadByte), static_cast<char>(row.trailByte)};
    EXPECT_TRUE(platform::Cp932ToUtf8(code).has_value()) << std::hex << KeyOf(row);
    if (row.leadByte >= 0xFA) ++extensionRows;
    // Extension kanji are held by their IBM code only.
    EXPECT_FALSE(row.leadByte == 0xED || row.leadByte == 0xEE) << std::hex << KeyOf(row);
  }
  EXPECT_EQ(extensionRows, 113);
  for (const auto& [key, rows] : rowsPerKey) {
    EXPECT_EQ(rows, key == KeyOf(Sjis("臠")) ? 2 : 1) << std::hex << key;
  }
}

// Every JIS X 0208 kanji (0x889F to 0xEAA4) but 丶 has a row.
TEST(KanjiStrokeTableTest, CoversEveryLevelOneAndLevelTwoKanjiButTheDot) {
  std::set<std::uint16_t> keys;
  for (const StrokeEntry& row : KanjiStrokeTable) keys.insert(KeyOf(row));
  int level1 = 0, level2 = 0;
  for (unsigned key = 0x889F; key <= 0xEAA4; ++key) {
    const unsigned lead = key >> 8, trail = key & 0xFF;
    if ((lead > 0x9F && lead < 0xE0) || trail < 0x40 || trail == 0x7F || trail > 0xFC) continue;
    const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
    if (!platform::Cp932ToUtf8(code)) continue;  // holes in the code space
    if (key == KeyOf(Sjis("丶"))) {
      EXPECT_EQ(keys.count(static_cast<std::uint16_t>(key)), 0u);
      continue;
    }
    EXPECT_EQ(keys.count(static_cast<std::uint16_t>(key)), 1u) << std::hex << key;
    ++(key < 0x989F ? level1 : level2);
  }
  EXPECT_EQ(level1, 2965);
  EXPECT_EQ(level2, 3389);
}

// The NEC-selected code of an extension kanji folds to the IBM code of the same character.
TEST(KanjiStrokeTableTest, NecSelectedCodesFoldToTheSameCharacter) {
  int folded = 0;
  for (unsigned key = 0xED40; key <= 0xEEFC; ++key) {
    const std::string nec{static_cast<char>(key >> 8), static_cast<char>(key & 0xFF)};
    auto character = platform::Cp932ToUtf8(nec);
    const std::uint16_t ibmKey = FoldExtensionCode(static_cast<std::uint16_t>(key));
    if (!character || key > 0xEEEC) {
      EXPECT_EQ(ibmKey, key) << std::hex << key;  // not a kanji: left alone
      continue;
    }
    const std::string ibm{static_cast<char>(ibmKey >> 8), static_cast<char>(ibmKey & 0xFF)};
    EXPECT_EQ(platform::Cp932ToUtf8(ibm), character) << std::hex << key;
    EXPECT_GE(ibmKey >> 8, 0xFA);
    ++folded;
  }
  EXPECT_EQ(folded, 360);
  EXPECT_EQ(FoldExtensionCode(0x8E52), 0x8E52);  // 山
  EXPECT_EQ(FoldExtensionCode(0xFBFC), 0xFBFC);  // IBM codes stay
}

TEST(KanjiStrokeTableTest, IndexAnswersLikeTheScanForEveryKey) {
  for (unsigned key = 0; key <= 0xFFFF; ++key) {
    ASSERT_EQ(IndexedStrokeLookup(static_cast<std::uint16_t>(key)),
              LinearStrokeLookup(static_cast<std::uint16_t>(key)))
        << std::hex << key;
  }
}

}  // namespace
}  // namespace nuvaro::engine
