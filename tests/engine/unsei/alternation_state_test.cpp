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

TEST(AlternationStateTest, MonthsMoveTheYearOnAndYearsStickAtSecond) {
  AlternationState state;
  state.Reset();
  EXPECT_EQ(Answers(state, UnseiSum::kAijyou, UnseiPart::kMonth, 4), "FSFS");
  EXPECT_EQ(state.Counter(UnseiSum::kAijyou, UnseiPart::kYear), 1);  // 1 -> 2 -> 3 wraps to 1
  EXPECT_EQ(Answers(state, UnseiSum::kAijyou, UnseiPart::kYear, 3), "FSS");
}

}  // namespace
