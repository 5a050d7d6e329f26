// CalculateSoul on names worked by hand, on names it cannot read, and on name fields
// without a terminator.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "nuvacalc.h"
#include "test_text.h"

namespace {

using nuvaro::testing::Sjis;

void PutName(char (&field)[kSoulNameBytes], const std::string& cp932) {
  ASSERT_LE(cp932.size(), sizeof field);
  std::memcpy(field, cp932.data(), cp932.size());
}

SoulRecord Record(const std::string& sei, const std::string& mei) {
  SoulRecord record{};
  PutName(record.sei, Sjis(sei));
  PutName(record.mei, Sjis(mei));
  return record;
}

using Nine = std::array<int, 9>;

Nine Sums(const SoulRecord& r) {
  return {r.honsyou, r.syakai, r.ninki, r.shigoto, r.chikaku, r.aijyou, r.shinrei, r.jinkakuA, r.jinkakuB};
}
template <typename T>
Nine AsNine(const T (&values)[9]) {
  Nine out{};
  for (int i = 0; i < 9; ++i) out[i] = values[i];
  return out;
}
std::vector<int> Entries(const std::int16_t (&strokes)[20]) { return {strokes, strokes + 20}; }
std::vector<int> Padded(std::vector<int> leading) {
  leading.resize(20, 0);
  return leading;
}

struct Worked {
  const char* sei;
  const char* mei;
  std::vector<int> seiStroke, meiStroke;
  Nine sums, inner, outer;
  Nine is22;
  int syakaiShinrei, ninkiAijyou, jinkaku;
};

// Sums in the order honsyou, syakai, ninki, shigoto, chikaku, aijyou, shinrei, jinkakuA, jinkakuB.
const Worked kWorked[] = {
    {"山田", "太郎", {3, 5}, {4, 9},
     {21, 8, 17, 12, 13, 18, 16, 12, 9}, {3, 8, 8, 3, 4, 9, 6, 3, 9}, {1, 8, 7, 2, 3, 8, 7, 2, 9},
     {}, 0, 0, 0},
    // one-character surname and given name: 1, 8 and 1, 1
    {"林", "一", {1, 8}, {1, 1},
     {11, 9, 10, 10, 2, 10, 3, 2, 9}, {2, 9, 10, 10, 2, 10, 3, 2, 9}, {1, 9, 10, 10, 2, 10, 3, 2, 9},
     {}, 0, 1, 0},
    // odd given name: the middle character is in both halves
    {"山田", "ひさお", {3, 5}, {2, 3, 4},
     {17, 8, 15, 13, 9, 14, 12, 10, 10}, {8, 8, 5, 4, 9, 5, 3, 10, 10}, {7, 8, 6, 3, 9, 4, 2, 10, 10},
     {}, 0, 0, 1},
    // odd surname
    {"長谷川", "一郎", {8, 7, 3}, {1, 9},
     {28, 18, 27, 19, 10, 20, 25, 24, 11}, {10, 9, 9, 10, 10, 10, 5, 6, 2}, {8, 8, 7, 9, 10, 2, 7, 4, 1},
     {}, 0, 0, 0},
    {"佐藤", "花子", {7, 18}, {7, 3},
     {35, 25, 28, 32, 10, 28, 17, 10, 25}, {5, 5, 10, 5, 10, 10, 8, 10, 5}, {8, 7, 8, 2, 10, 8, 7, 10, 7},
     {}, 1, 1, 0},
    // a honsyou of 22: outer 2, inner 4, flagged
    {"山田", "正美", {3, 5}, {5, 9},
     {22, 8, 17, 13, 14, 19, 17, 12, 10}, {4, 8, 8, 4, 5, 10, 8, 3, 10}, {2, 8, 7, 3, 4, 9, 7, 2, 10},
     {1, 0, 0, 0, 0, 0, 0, 0, 0}, 0, 0, 0},
    // an extension kanji (IBM code) and a one-character given name: count, 1
    {"髙橋", "愛", {11, 16}, {13, 1},
     {41, 27, 28, 40, 14, 30, 25, 12, 29}, {5, 9, 10, 10, 5, 10, 5, 3, 2}, {1, 7, 8, 4, 4, 3, 7, 2, 9},
     {}, 1, 0, 0},
};

TEST(CalculateSoulTest, NamesWorkedByHand) {
  for (const Worked& w : kWorked) {
    SoulRecord r = Record(w.sei, w.mei);
    SCOPED_TRACE(std::string(w.sei) + " " + w.mei);
    ASSERT_EQ(CalculateSoul(&r), 1);
    EXPECT_EQ(Entries(r.seiStroke), Padded(w.seiStroke));
    EXPECT_EQ(Entries(r.meiStroke), Padded(w.meiStroke));
    EXPECT_EQ(r.seiCount, w.seiStroke.size());
    EXPECT_EQ(r.meiCount, w.meiStroke.size());
    EXPECT_EQ(Sums(r), w.sums);
    EXPECT_EQ(AsNine(r.inner), w.inner);
    EXPECT_EQ(AsNine(r.outer), w.outer);
    EXPECT_EQ(AsNine(r.is22), w.is22);
    EXPECT_EQ(r.syakaiShinreiMatch, w.syakaiShinrei);
    EXPECT_EQ(r.ninkiAijyouMatch, w.ninkiAijyou);
    EXPECT_EQ(r.jinkakuMatch, w.jinkaku);
  }
}

TEST(CalculateSoulTest, NineteenCharacterNames) {
  std::string nineteen;
  for (int i = 0; i < 19; ++i) nineteen += "山";
  SoulRecord r = Record(nineteen, nineteen);  // 38 bytes each
  ASSERT_EQ(CalculateSoul(&r), 1);
  EXPECT_EQ(r.seiCount, 19);
  EXPECT_EQ(r.seiStroke[18], 3);
  EXPECT_EQ(r.seiStroke[19], 0);
  EXPECT_EQ(r.honsyou, 19 * 3 * 2);
}

// A name field without a terminator: the engine reads its 40 bytes and stops there, so
// the given name stored right after the surname never becomes part of the surname.
TEST(CalculateSoulTest, FieldWithoutTerminatorIsReadWithinTheField) {
  SoulRecord r{};
  std::string sei;
  for (int i = 0; i < 20; ++i) sei += Sjis("山");
  ASSERT_EQ(sei.size(), sizeof r.sei);
  std::memcpy(r.sei, sei.data(), sizeof r.sei);
  PutName(r.mei, Sjis("田"));
  ASSERT_EQ(CalculateSoul(&r), 1);
  EXPECT_EQ(r.seiCount, 20);  // reading on would have found a 21st character and failed
  EXPECT_EQ(r.syakai, 60);
  EXPECT_EQ(r.chikaku, 6);  // 田 5 and 1
}

TEST(CalculateSoulTest, StepAtTheFieldEndDoesNotReachIntoTheNextField) {
  SoulRecord r{};
  std::string sei;
  for (int i = 0; i < 19; ++i) sei += Sjis("山");
  sei += 'A';
  sei += Sjis("田")[0];  // the last step's second byte is a lead byte, not a terminator
  ASSERT_EQ(sei.size(), sizeof r.sei);
  std::memcpy(r.sei, sei.data(), sizeof r.sei);
  PutName(r.mei, Sjis("太郎"));
  ASSERT_EQ(CalculateSoul(&r), 1);
  EXPECT_EQ(r.seiCount, 19);  // reading on would have taken 太 as a 20th surname character
  EXPECT_EQ(r.syakai, 57);
}

TEST(CalculateSoulTest, RecomputingARecordGivesTheSameAnswer) {
  SoulRecord r = Record("佐藤", "花子");
  ASSERT_EQ(CalculateSoul(&r), 1);
  const SoulRecord first = r;
  ASSERT_EQ(CalculateSoul(&r), 1);
  EXPECT_EQ(std::memcmp(&first, &r, sizeof r), 0);
}

}  // namespace
