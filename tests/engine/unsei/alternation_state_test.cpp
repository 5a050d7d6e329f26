// The counters behind the alternation of first and second phrasings.
#include <gtest/gtest.h>

#include <string>

#include "unsei/alternation_state.h"

namespace {

using namespace nuvaro::unsei;

// "F"/"S" for each answer of a run of asks.
std::string Answers(AlternationState& state, UnseiSum sum, UnseiPart part, int count) {
  std::string answers;
  for (int i = 0; i < count; ++i) answers += state.Next(sum, part) == Phrasing::kFirst ? 'F' : 'S';
  return answers;
}

TEST(AlternationStateTest, CountersStartAtZeroBeforeAnyReset) {
  AlternationState state;
  EXPECT_EQ(state.Counter(UnseiSum::kChikaku, UnseiPart::kYear), 0);
  // A year counter of 0 answers second and stays 0 until a month moves it on.
  EXPECT_EQ(Answers(state, UnseiSum::kChikaku, UnseiPart::kYear, 3), "SSS");
  EXPECT_EQ(state.Counter(UnseiSum::kChikaku, UnseiPart::kYear), 0);
  // A day counter of 0 answers second, becomes 1 and moves the month counter to 1.
  EXPECT_EQ(Answers(state, UnseiSum::kChikaku, UnseiPart::kDay, 3), "SFS");
  EXPECT_EQ(state.Counter(UnseiSum::kChikaku, UnseiPart::kMonth), 2);  // 0 -> 1 -> 2 by two second days
}

TEST(AlternationStateTest, DaysAlternateAndMoveTheMonthOnEverySecondDay) {
  AlternationState state;
  state.Reset();
  EXPECT_EQ(Answers(state, UnseiSum::kNinki, UnseiPart::kDay, 6), "FSFSFS");
  // Three second days: month counter 1 -> 2 -> 1 (3 wraps to 1) -> 2.
  EXPECT_EQ(state.Counter(UnseiSum::kNinki, UnseiPart::kMonth), 2);
  EXPECT_EQ(state.Counter(UnseiSum::kNinki, UnseiPart::kYear), 1);
}

TEST(AlternationStateTest, MonthsMoveTheYearOnAndYearsStickAtSecond) {
  AlternationState state;
  state.Reset();
  EXPECT_EQ(Answers(state, UnseiSum::kAijyou, UnseiPart::kMonth, 4), "FSFS");
  EXPECT_EQ(state.Counter(UnseiSum::kAijyou, UnseiPart::kYear), 1);  // 1 -> 2 -> 3 wraps to 1
  EXPECT_EQ(Answers(state, UnseiSum::kAijyou, UnseiPart::kYear, 3), "FSS");
}

TEST(AlternationStateTest, EverySumAndPartHasItsOwnCounters) {
  AlternationState state;
  state.Reset();
  EXPECT_EQ(Answers(state, UnseiSum::kSyakai, UnseiPart::kDay, 1), "F");
  EXPECT_EQ(Answers(state, UnseiSum::kJinkakuB, UnseiPart::kDay, 1), "F");
  EXPECT_EQ(Answers(state, UnseiSum::kSyakai, UnseiPart::kMonth, 1), "F");
  EXPECT_EQ(Answers(state, UnseiSum::kSyakai, UnseiPart::kDay, 1), "S");
  EXPECT_EQ(Answers(state, UnseiSum::kJinkakuB, UnseiPart::kDay, 1), "S");
  state.Reset();
  for (UnseiSum sum : {UnseiSum::kSyakai, UnseiSum::kJinkakuB}) {
    for (UnseiPart part : {UnseiPart::kDay, UnseiPart::kMonth, UnseiPart::kYear}) {
      EXPECT_EQ(state.Counter(sum, part), 1);
    }
  }
}

}  // namespace
