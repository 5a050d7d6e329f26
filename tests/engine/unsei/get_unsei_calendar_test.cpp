// GetUnseiCalendar with the engine's clock pinned: which sum each part reads at which
// time, the rows and face kinds, and the alternation of phrasings through a month.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "nuvacalc_unsei.h"
#include "test_text.h"
#include "unsei/unsei_clock.h"

namespace {

using nuvaro::testing::Utf8;
using nuvaro::unsei::ClockReading;
using nuvaro::unsei::PinLocalClock;

struct Sums {
  std::int16_t syakai = 0, chikaku = 0, ninki = 0, shigoto = 0, aijyou = 0, shinrei = 0, jinkakuA = 0,
               jinkakuB = 0;
};

struct Reading {
  std::string text;  // UTF-8
  std::string extra;
  int faceKind;
};

Reading Ask(int reset, int yearBranch, int monthBranch, int dayBranch, const Sums& s) {
  UnseiRecord record{};
  record.yearBranch = static_cast<std::int16_t>(yearBranch);
  record.monthBranch = static_cast<std::int16_t>(monthBranch);
  record.dayBranch = static_cast<std::int16_t>(dayBranch);
  record.honsyou = 99;  // never read
  record.syakai = s.syakai;
  record.chikaku = s.chikaku;
  record.ninki = s.ninki;
  record.shigoto = s.shigoto;
  record.aijyou = s.aijyou;
  record.shinrei = s.shinrei;
  record.jinkakuA = s.jinkakuA;
  record.jinkakuB = s.jinkakuB;
  record.resetState = reset;
  EXPECT_EQ(GetUnseiCalendar(&record), 1);
  return {Utf8(record.readingText), Utf8(record.extraText), record.faceKind};
}

class GetUnseiCalendarTest : public ::testing::Test {
 protected:
  void Pin(int month, int day, int hour) { PinLocalClock(ClockReading{month, day, hour}); }
  void TearDown() override { PinLocalClock(std::nullopt); }
};

TEST_F(GetUnseiCalendarTest, SameDayAskedAgainTakesTheSecondTable) {
  Pin(3, 10, 9);
  Sums person;
  person.chikaku = 13;  // outer 3
  EXPECT_EQ(Ask(1, 0, 0, 1, person).text, "自分の持つ世界で、");
  EXPECT_EQ(Ask(0, 0, 0, 1, person).text, "男らしく、");
  EXPECT_EQ(Ask(0, 0, 0, 1, person).text, "自分の持つ世界で、");
  EXPECT_EQ(Ask(1, 0, 0, 1, person).text, "自分の持つ世界で、");  // a reset starts over
}

// Each distinct sum value picks a distinct first-table day text, so the text names the sum.
const std::map<std::string, std::string> kDayTextToSum = {
    {"目標を明確にして、", "syakai"}, {"相手にあわせて、", "chikaku"},   {"自分の持つ世界で、", "ninki"},
    {"周囲と仲良くして、", "shigoto"}, {"自分の信念を持って、", "aijyou"}, {"物事をよく考えて、", "shinrei"},
    {"よく気配りして、", "jinkakuA"},  {"明るい気分で、", "jinkakuB"},
};
Sums DistinctSums() {
  Sums s;
  s.syakai = 1, s.chikaku = 2, s.ninki = 3, s.shigoto = 4, s.aijyou = 7, s.shinrei = 8, s.jinkakuA = 9,
  s.jinkakuB = 10;
  return s;
}

// Branch 子 to 亥: the sum read in the first and in the second half.
const char* const kSelection[12][2] = {
    {"chikaku", "chikaku"},   {"chikaku", "shinrei"},   {"shinrei", "jinkakuA"}, {"jinkakuA", "jinkakuA"},
    {"jinkakuA", "ninki"},    {"ninki", "syakai"},      {"syakai", "syakai"},    {"syakai", "shigoto"},
    {"shigoto", "jinkakuB"},  {"jinkakuB", "jinkakuB"}, {"jinkakuB", "aijyou"},  {"aijyou", "chikaku"},
};

TEST_F(GetUnseiCalendarTest, BranchAndHalfSelectTheSum) {
  for (int branch = 1; branch <= 12; ++branch) {
    for (int half = 0; half < 2; ++half) {
      Pin(3, 10, half == 0 ? 9 : 15);
      std::string text = Ask(1, 0, 0, branch, DistinctSums()).text;
      auto sum = kDayTextToSum.find(text);
      ASSERT_NE(sum, kDayTextToSum.end()) << text;
      EXPECT_EQ(sum->second, kSelection[branch - 1][half]) << "branch " << branch << " half " << half;
    }
  }
}

// The first half of the day runs to 12:59, of the month to the 15th, of the year to June.
TEST_F(GetUnseiCalendarTest, HalvesOfDayMonthAndYear) {
  // Day 巳: ninki (3) / syakai (1); month 丑: chikaku (2) / shinrei (8); year 寅: shinrei (8) / jinkakuA (9).
  const std::string dayFirst = "自分の持つ世界で、", daySecond = "目標を明確にして、";
  const std::string monthFirst = "状況をよく見れば、", monthSecond = "作戦をしっかりと立てれば、";
  const std::string yearFirst = "将来の計画や戦略を準備することができます。";
  const std::string yearSecond = "知的な配慮をしっかりすることができます。";
  struct Case {
    int month, day, hour;
    std::string text;
  } cases[] = {
      {1, 1, 0, dayFirst + monthFirst + yearFirst},
      {6, 15, 12, dayFirst + monthFirst + yearFirst},
      {6, 15, 13, daySecond + monthFirst + yearFirst},
      {6, 16, 12, dayFirst + monthSecond + yearFirst},
      {7, 15, 12, dayFirst + monthFirst + yearSecond},
      {12, 31, 23, daySecond + monthSecond + yearSecond},
  };
  for (const Case& c : cases) {
    Pin(c.month, c.day, c.hour);
    EXPECT_EQ(Ask(1, 3, 2, 6, DistinctSums()).text, c.text) << c.month << "/" << c.day << " " << c.hour << ":00";
  }
}

TEST_F(GetUnseiCalendarTest, RowsAndFaceKindsOfTheDaySum) {
  Pin(3, 10, 9);
  struct Case {
    std::int16_t chikaku;
    const char* text;
    int faceKind;
  } cases[] = {
      {1, "目標を明確にして、", 1},   {2, "相手にあわせて、", 4},   {3, "自分の持つ世界で、", 1},
      {4, "周囲と仲良くして、", 2},   {5, "まじめに、", 3},         {6, "まじめに、", 3},
      {7, "自分の信念を持って、", 3}, {8, "物事をよく考えて、", 3}, {9, "よく気配りして、", 4},
      {10, "明るい気分で、", 3},      {15, "まじめに、", 3},        {21, "情熱的に、", 2},
      {22, "直感を信じて、", 5},      {11, "目標を明確にして、", 1},  // outer 1
      {19, "よく気配りして、", 4},    // outer 9
      {110, "", 3},                   // outer 11: an empty row
      {230, "", 3},                   // outer 23: past the table
      {0, "今日の一日は", 3},         // outer 0: row 0, the table's title
      {-1, "まじめに、", 3},          // read as 65535, outer 6
  };
  for (const Case& c : cases) {
    Sums person;
    person.chikaku = c.chikaku;
    Reading r = Ask(1, 0, 0, 1, person);
    EXPECT_EQ(r.text, c.text) << c.chikaku;
    EXPECT_EQ(r.faceKind, c.faceKind) << c.chikaku;
  }
}

TEST_F(GetUnseiCalendarTest, MissingBranchesLeaveTheirPartsOut) {
  Pin(3, 10, 9);
  Sums person = DistinctSums();
  // No day branch: face kind 0, the month (寅: shinrei 8) and year (午: syakai 1) still speak.
  Reading noDay = Ask(1, 7, 3, 0, person);
  EXPECT_EQ(noDay.text, "作戦をしっかりと立てれば、主体性を持って、目的に向かって走ることができます。");
  EXPECT_EQ(noDay.faceKind, 0);
  EXPECT_EQ(Ask(1, 7, 3, 13, person).faceKind, 0);
  EXPECT_EQ(Ask(1, 0, 0, 0, person).text, "");
  EXPECT_EQ(Ask(1, 13, -1, 1, person).text, "相手にあわせて、");
}

TEST_F(GetUnseiCalendarTest, ExtraTextIsEmptyAndTheSentenceLivesInOneBuffer) {
  Pin(3, 10, 9);
  UnseiRecord first{};
  first.dayBranch = 1;
  first.chikaku = 22;
  first.resetState = 1;
  GetUnseiCalendar(&first);
  UnseiRecord second{};
  second.dayBranch = 1;
  second.chikaku = 1;
  GetUnseiCalendar(&second);
  EXPECT_STREQ(first.extraText, "");
  EXPECT_STREQ(second.extraText, "");
  EXPECT_EQ(first.readingText, second.readingText);  // the next call overwrote the first sentence
  EXPECT_EQ(Utf8(first.readingText), "理想と希望を持って、");
  EXPECT_EQ(GetUnseiCalendar(nullptr), 0);
}

// One sum for all three parts: the phrasings run FFF, then SFS FSF SSF FFS over and over.
TEST_F(GetUnseiCalendarTest, AlternationWhenAllPartsSpeakOfOneSum) {
  Pin(3, 10, 9);
  Sums person;
  person.chikaku = 3;
  const std::string d[2] = {"自分の持つ世界で、", "男らしく、"};
  const std::string m[2] = {"主体的に思い切り行動すれば、", "自分の考えを強く押しだして、"};
  const std::string y[2] = {"リーダーシップを発揮することができます。", "自分の世界を実現できます。"};
  const char* pattern[] = {"FFF", "SFS", "FSF", "SSF", "FFS", "SFS", "FSF", "SSF", "FFS"};
  for (int day = 0; day < 9; ++day) {
    auto pick = [&](const std::string (&table)[2], int part) { return table[pattern[day][part] == 'F' ? 0 : 1]; };
    EXPECT_EQ(Ask(day == 0 ? 1 : 0, 1, 1, 1, person).text, pick(d, 0) + pick(m, 1) + pick(y, 2)) << "day " << day + 1;
  }
}

// A month drawn as the calendar draws it: day branches step through the cycle, the
// month and year branches stay. At every clock the day part of each sum alternates
// first, second, ... from the reset, the face follows the day's sum, and drawing the
// month again gives the same sentences.
TEST_F(GetUnseiCalendarTest, DrawnMonthAtSeveralClocks) {
  const std::vector<std::string> dayFirst = {"",           "目標を明確にして、", "相手にあわせて、", "自分の持つ世界で、",
                                             "周囲と仲良くして、", "まじめに、", "まじめに、", "自分の信念を持って、",
                                             "物事をよく考えて、", "よく気配りして、", "明るい気分で、"};
  const std::vector<std::string> daySecond = {"", "理想と希望を持って、", "家事を大切に、", "男らしく、",
                                              "隣人を大切にして、", "誠実に、", "誠実に、",
                                              "自分の考えをはっきりさせて、", "自分の内面をよく見つめて、",
                                              "よく頭脳を巡らし、", "”ま、いっか！”の精神で、"};
  // 山田 太郎: sums and their outer numbers (syakai 8, chikaku 13 → 3, ninki 17 → 7, ...).
  Sums person;
  person.syakai = 8, person.chikaku = 13, person.ninki = 17, person.shigoto = 12, person.aijyou = 18;
  person.shinrei = 16, person.jinkakuA = 12, person.jinkakuB = 9;
  const std::map<std::string, int> outer = {{"syakai", 8},  {"chikaku", 3}, {"ninki", 7},    {"shigoto", 2},
                                            {"aijyou", 8},  {"shinrei", 7}, {"jinkakuA", 2}, {"jinkakuB", 9}};
  const std::map<int, int> faceOfIndex = {{2, 4}, {3, 1}, {7, 3}, {8, 3}, {9, 4}};
  struct Clock {
    int month, day, hour;
  } clocks[] = {{3, 10, 9}, {3, 10, 13}, {3, 20, 9}, {9, 20, 13}, {6, 15, 12}, {7, 16, 0}};
  for (const Clock& clock : clocks) {
    Pin(clock.month, clock.day, clock.hour);
    bool firstHalf = clock.hour <= 12;
    std::vector<std::string> drawing[2];
    for (int pass = 0; pass < 2; ++pass) {
      std::map<std::string, int> uses;
      for (int day = 0; day < 31; ++day) {
        int dayBranch = (4 + day) % 12 + 1;
        Reading r = Ask(day == 0 ? 1 : 0, 5, 3, dayBranch, person);
        drawing[pass].push_back(r.text);
        std::string sum = kSelection[dayBranch - 1][firstHalf ? 0 : 1];
        int index = outer.at(sum);
        const std::string& dayText = uses[sum]++ % 2 == 0 ? dayFirst[index] : daySecond[index];
        EXPECT_EQ(r.text.substr(0, dayText.size()), dayText)
            << clock.month << "/" << clock.day << " " << clock.hour << ":00, day " << day + 1;
        EXPECT_EQ(r.faceKind, faceOfIndex.at(index));
      }
    }
    EXPECT_EQ(drawing[0], drawing[1]) << "a second drawing differs";
  }
}

}  // namespace
