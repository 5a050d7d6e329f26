#include "number_rules/number_rules.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace nuvaro {
namespace {

struct Reduction {
  unsigned value;
  unsigned inner;
  unsigned outer;
};

TEST(ReduceSoulNumberTest, WorkedValues) {
  const Reduction cases[] = {
      {3, 3, 3},   {11, 2, 1},  {19, 10, 9}, {23, 5, 3},   {25, 5, 7},   {36, 6, 9},
      {48, 3, 8},  {15, 5, 6},  {21, 3, 1},  {22, 4, 2},   {110, 10, 11}, {50, 5, 10},
      {20, 10, 2}, {100, 10, 10},
  };
  for (const auto& c : cases) {
    const SoulNumbers n = ReduceSoulNumber(static_cast<std::uint16_t>(c.value));
    EXPECT_EQ(n.inner, c.inner) << "inner of " << c.value;
    EXPECT_EQ(n.outer, c.outer) << "outer of " << c.value;
  }
}

// Each case sits where an earlier row of the rule would give a different answer if the
// rows were tried in another order, or where folding stops at exactly 10.
TEST(ReduceSoulNumberTest, RowOrderAndFolding) {
  const Reduction cases[] = {
      {10, 10, 10},   // before "multiple of ten": would give outer 1
      {60, 6, 10},    // before "multiple of ten": would give inner 10, outer 6
      {70, 10, 7},    // an ordinary multiple of ten
      {0, 10, 0},     // a sum of 0 (an unreadable name)
      {230, 10, 23},  // outer number of multiples of ten is not folded
      {5, 5, 5},      // not fold(0 + 5) twice over: its own row
      {6, 6, 6},
      {16, 6, 7},     // d = 6 with t = 1
      {55, 5, 10},    // fold(5 + 5) = 10 stays 10
      {65, 5, 2},     // fold(6 + 5) = fold(11) = 2
      {96, 6, 6},     // fold(9 + 6) = fold(15) = 6
      {91, 10, 1},    // fold(9 + 1) = 10
      {99, 9, 9},     // fold(18) = 9
      {199, 10, 9},   // fold(19 + 9) = fold(28) = 10
      {1, 1, 1},
      {9, 9, 9},
  };
  for (const auto& c : cases) {
    const SoulNumbers n = ReduceSoulNumber(static_cast<std::uint16_t>(c.value));
    EXPECT_EQ(n.inner, c.inner) << "inner of " << c.value;
    EXPECT_EQ(n.outer, c.outer) << "outer of " << c.value;
  }
}

TEST(ReduceSoulNumberTest, InnerAndOuterStayWithinTenForSumsBelow110) {
  for (unsigned v = 1; v < 110; ++v) {
    const SoulNumbers n = ReduceSoulNumber(static_cast<std::uint16_t>(v));
    EXPECT_GE(n.inner, 1u) << v;
    EXPECT_LE(n.inner, 10u) << v;
    EXPECT_GE(n.outer, 1u) << v;
    EXPECT_LE(n.outer, 10u) << v;
  }
}

TEST(NumberRulesTest, SpecialNumbersAreExactly15And21And22) {
  for (int n = -30; n <= 300; ++n) {
    EXPECT_EQ(IsSpecialNumber(n), n == 15 || n == 21 || n == 22) << n;
  }
}

TEST(NumberRulesTest, ReadingIndex) {
  struct Case {
    unsigned value;
    int index;
  };
  const Case cases[] = {{15, 15}, {21, 21}, {22, 22}, {25, 7},  {23, 3},  {12, 2},
                        {10, 10}, {50, 10}, {0, 0},   {110, 11}, {230, 23}, {31, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(ReadingIndex(static_cast<std::uint16_t>(c.value)), c.index) << c.value;
  }
}

}  // namespace
}  // namespace nuvaro
