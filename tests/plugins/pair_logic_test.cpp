// The pair tests and the score that all four plug-ins share, tested directly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "affinity_table.h"
#include "number_rules/number_rules.h"
#include "pair_logic.h"

namespace nuvaro::plugins {
namespace {

PairSums P(int honsyou, int chikaku, int aijyou, int shinrei) {
  auto u = [](int v) { return static_cast<std::uint16_t>(v); };
  return {u(honsyou), u(chikaku), u(aijyou), u(shinrei)};
}

// The smallest sum that is not special and has the given inner and outer number, so
// that score cases can be written in the score table's own terms.
int SumWith(int inner, int outer) {
  for (int v = 1; v < 65536; ++v) {
    SoulNumbers numbers = ReduceSoulNumber(static_cast<std::uint16_t>(v));
    if (!IsSpecialNumber(v) && numbers.inner == inner && numbers.outer == outer) return v;
  }
  ADD_FAILURE() << "no sum has inner " << inner << " and outer " << outer;
  return 0;
}

TEST(AffinityTable, RowsAreKeyedByNumberAndEveryListHoldsTheZeroFill) {
  for (int r = 0; r < kAffinityRowCount; ++r) {
    const AffinityRow& row = kAffinityTable[r];
    EXPECT_EQ(row.key, r);
    // Index 0 (a sum of 0) must count as in the lists of every row.
    EXPECT_TRUE(IsInList(row.matchA, 0) && IsInList(row.matchB, 0) && IsInList(row.matchC, 0)) << "row " << r;
  }
  for (int r : {0, 11, 12, 13, 14, 16, 17, 18, 19, 20, 22}) {
    for (int v = 1; v <= 22; ++v) EXPECT_FALSE(IsInLists(kAffinityTable[r], v)) << "row " << r << " v " << v;
    EXPECT_FALSE(ClashesWith(kAffinityTable[r], 3, 3)) << "row " << r;
  }
  // Outside the table: an empty row, never a read past its end.
  for (int r : {-1, 23, 100, 6553}) {
    EXPECT_TRUE(IsInLists(AffinityRowAt(r), 0));
    EXPECT_FALSE(IsInLists(AffinityRowAt(r), 1));
    EXPECT_FALSE(ClashesWith(AffinityRowAt(r), 3, 3));
  }
}

TEST(AffinityTable, ListsAndClashesOfTheFilledRows) {
  struct Row {
    int r;
    std::vector<int> matching;  // values in at least one list
    std::vector<int> notMatching;
    bool clashesWith3;
  };
  const Row rows[] = {
      {1, {1}, {2, 3, 10}, true},
      {2, {1, 2, 4}, {3, 5}, true},
      {3, {1, 3}, {2, 4, 21}, false},
      {5, {2, 4, 5, 6, 15}, {1, 3, 7}, true},
      {6, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 21}, {22, 11}, true},
      {10, {1, 10}, {2, 9}, true},
      {15, {2, 3, 4, 5, 6, 15}, {1, 7, 21}, true},
      {21, {1, 3, 21}, {2, 15, 22}, false},
  };
  for (const Row& row : rows) {
    for (int v : row.matching) EXPECT_TRUE(IsInLists(AffinityRowAt(row.r), v)) << "row " << row.r << " v " << v;
    for (int v : row.notMatching) EXPECT_FALSE(IsInLists(AffinityRowAt(row.r), v)) << "row " << row.r << " v " << v;
    EXPECT_EQ(ClashesWith(AffinityRowAt(row.r), 3, 0), row.clashesWith3) << "row " << row.r;
    EXPECT_EQ(ClashesWith(AffinityRowAt(row.r), 0, 3), row.clashesWith3) << "row " << row.r;
    EXPECT_FALSE(ClashesWith(AffinityRowAt(row.r), 0, 0)) << "the clash list stops at its first 0";
  }
  // Row 6's matchA lacks 3 while its matchB has it: 3 only matches through 本性.
  EXPECT_FALSE(IsInList(AffinityRowAt(6).matchA, 3));
  EXPECT_TRUE(IsInList(AffinityRowAt(6).matchB, 3));
}

TEST(InnerIndex, SpecialNumbersStandForThemselves) {
  const struct {
    int v, expected;
  } cases[] = {{15, 15}, {21, 21}, {22, 22}, {23, 5}, {13, 4}, {0, 10}, {110, 10}, {50, 5}, {48, 3}};
  for (const auto& c : cases) EXPECT_EQ(InnerIndex(static_cast<std::uint16_t>(c.v)), c.expected) << c.v;
}

struct PairCase {
  const char* why;
  PairSums self;
  PairSums other;
  bool expected;
};

TEST(PairTest, DecidesStepByStep) {
  const PairCase cases[] = {
      {"row 3 has no clash; 地格 index 3 is in matchA", P(21, 13, 18, 16), P(43, 35, 3, 55), true},
      {"row 10 clashes with outer(地格) = 3", P(21, 13, 18, 16), P(11, 2, 10, 3), false},
      {"clash with outer(心霊運) = 3", P(1, 1, 1, 3), P(5, 5, 1, 5), false},
      {"no clash, 地格 index 1 in matchA of row 1", P(1, 1, 1, 2), P(5, 5, 1, 5), true},
      {"other's 愛情運 of 22 never draws", P(0, 0, 0, 0), P(1, 1, 22, 1), false},
      {"same pattern", P(1, 1, 1, 1), P(11, 11, 11, 11), false},
      {"one outer number differs: no longer the same pattern", P(1, 1, 1, 1), P(11, 11, 11, 12), true},
      {"matchA through 地格", P(2, 1, 2, 2), P(5, 5, 3, 5), true},
      {"matchB through 本性", P(3, 2, 2, 2), P(5, 5, 3, 5), true},
      {"matchC through 心霊運", P(2, 2, 2, 3), P(5, 5, 3, 5), true},
      {"no list holds 2", P(2, 2, 2, 2), P(5, 5, 3, 5), false},
      {"row 6: 3 is only in matchB, so only 本性 matches it", P(3, 22, 2, 2), P(5, 5, 6, 5), true},
      {"row 6: 22 is in no list", P(22, 22, 2, 2), P(5, 5, 6, 5), false},
      {"row 2: 2 is only in matchA, so only 地格 matches it", P(7, 2, 7, 7), P(5, 5, 2, 5), true},
      {"row 2: 本性 2 is not in matchB", P(2, 7, 7, 7), P(5, 5, 2, 5), false},
      {"row 3: 心霊運 1 is not in matchC", P(2, 2, 2, 1), P(5, 5, 3, 5), false},
      {"special 愛情運 15 reads row 15, not row 6", P(7, 7, 7, 7), P(5, 5, 15, 5), false},
      {"row 6 holds 7", P(7, 7, 7, 7), P(5, 5, 6, 5), true},
      {"special 地格 21 looks up 21, not its outer number 1", P(2, 21, 2, 2), P(5, 5, 21, 5), true},
      {"special 地格 21 in row 1 (which holds only 1)", P(2, 21, 2, 2), P(5, 5, 1, 5), false},
      {"an unnamed user matches through the 0 fill", P(0, 0, 0, 0), P(43, 35, 3, 55), true},
      {"an empty row (110) matches only index 0", P(0, 0, 0, 0), P(5, 5, 110, 5), true},
      {"an empty row (110) and a named user", P(1, 1, 1, 1), P(5, 5, 110, 5), false},
      {"beyond the table (230) reads like an empty row", P(0, 0, 0, 0), P(5, 5, 230, 5), true},
      {"beyond the table (230), named user", P(1, 1, 1, 1), P(5, 5, 230, 5), false},
      {"an other person without names", P(21, 13, 18, 16), P(0, 0, 0, 0), false},
  };
  for (const PairCase& c : cases) EXPECT_EQ(PairTest(c.self, c.other), c.expected) << c.why;
}

TEST(MutualTest, GatesOnPatternAnd22ThenDecidesHighSumsByTheInnerRow) {
  const PairCase cases[] = {
      {"ordinary sums pass at once", P(21, 13, 18, 16), P(11, 2, 10, 3), true},
      {"even with a clash in the user's numbers", P(3, 3, 3, 3), P(5, 5, 7, 5), true},
      {"22 never", P(1, 1, 1, 1), P(5, 5, 22, 5), false},
      {"same pattern never", P(21, 13, 18, 16), P(21, 13, 18, 16), false},
      {"the other person's 愛情運 0 passes through row 0", P(21, 13, 18, 16), P(0, 0, 0, 0), true},
      // From 110 up the inner row (10, clash 3) decides.
      {"110, nothing clashes", P(1, 1, 1, 1), P(5, 5, 110, 5), true},
      {"110, outer(地格) 3 clashes", P(1, 13, 1, 1), P(5, 5, 110, 5), false},
      {"110, outer(心霊運) 3 clashes", P(1, 1, 1, 3), P(5, 5, 110, 5), false},
      {"110, inner(地格) 3 clashes", P(1, 12, 1, 1), P(5, 5, 110, 5), false},
      // 150 and 210 have the outer numbers 15 and 21, whose own rows list them.
      {"150 is in its own row 15", P(1, 12, 1, 1), P(5, 5, 150, 5), true},
      {"210 is in its own row 21", P(1, 13, 1, 1), P(5, 5, 210, 5), true},
      {"220 (row 22 is empty), nothing clashes", P(1, 1, 1, 1), P(5, 5, 220, 5), true},
      {"220, outer(地格) 3 clashes", P(1, 13, 1, 1), P(5, 5, 220, 5), false},
      {"230 is beyond the table", P(1, 1, 1, 1), P(5, 5, 230, 5), true},
      {"230, inner(地格) 3", P(1, 12, 1, 1), P(5, 5, 230, 5), false},
  };
  for (const PairCase& c : cases) EXPECT_EQ(MutualTest(c.self, c.other), c.expected) << c.why;
}

// The score table line by line. The base pair scores 0 both ways: the other person's
// 愛情運 is (inner 9, outer 4) and no number of the user is 9 or 4; the user's 愛情運 is
// (8, 7) and no number of the other person is 8 or 7. Each case changes one sum so that
// exactly the named line is the first to hold.
TEST(AffinityPercent, ScoresEveryLineOfTheTable) {
  const int selfHonsyou = SumWith(2, 1), selfChikaku = SumWith(10, 3), selfAijyou = SumWith(8, 7),
            selfShinrei = SumWith(3, 2);
  const int otherHonsyou = SumWith(2, 1), otherChikaku = SumWith(10, 3), otherAijyou = SumWith(9, 4),
            otherShinrei = SumWith(3, 2);
  const PairSums self = P(selfHonsyou, selfChikaku, selfAijyou, selfShinrei);
  const PairSums other = P(otherHonsyou, otherChikaku, otherAijyou, otherShinrei);
  ASSERT_TRUE(MutualTest(self, other));
  EXPECT_EQ(AffinityPercent(self, other), 0);

  struct Case {
    const char* line;
    PairSums self;
    PairSums other;
    int expected;
  };
  const Case cases[] = {
      // Score 1: the user's numbers against the other person's 愛情運 (B7 = 4, A7 = 9).
      {"1: X = B7", P(selfHonsyou, SumWith(4, 4), selfAijyou, selfShinrei), other, 47},
      {"2: B1 = B7", P(SumWith(4, 4), selfChikaku, selfAijyou, selfShinrei), other, 40},
      {"3: B4 = B7", P(selfHonsyou, selfChikaku, selfAijyou, SumWith(4, 4)), other, 32},
      {"4: X = A7", P(selfHonsyou, SumWith(9, 9), selfAijyou, selfShinrei), other, 28},
      {"5: B1 = A7", P(SumWith(9, 9), selfChikaku, selfAijyou, selfShinrei), other, 21},
      {"6: B4 = A7", P(selfHonsyou, selfChikaku, selfAijyou, SumWith(9, 9)), other, 18},
      {"7: Y = B7", P(selfHonsyou, SumWith(4, 3), selfAijyou, selfShinrei), other, 12},
      {"8: A1 = B7", P(SumWith(4, 3), selfChikaku, selfAijyou, selfShinrei), other, 11},
      {"9: A4 = B7", P(selfHonsyou, selfChikaku, selfAijyou, SumWith(4, 3)), other, 11},
      {"10: Y = A7", P(selfHonsyou, SumWith(9, 1), selfAijyou, selfShinrei), other, 12},
      {"11: A1 = A7", P(SumWith(9, 1), selfChikaku, selfAijyou, selfShinrei), other, 13},
      {"12: A4 = A7", P(selfHonsyou, selfChikaku, selfAijyou, SumWith(9, 1)), other, 14},
      // Score 2: the other person's numbers against the user's 愛情運 (B3 = 7, A3 = 8).
      {"1: P = B3", self, P(otherHonsyou, SumWith(7, 7), otherAijyou, otherShinrei), 47},
      {"2: B5 = B3", self, P(SumWith(7, 7), otherChikaku, otherAijyou, otherShinrei), 40},
      {"3: B8 = B3", self, P(otherHonsyou, otherChikaku, otherAijyou, SumWith(7, 7)), 32},
      {"4: P = A3", self, P(otherHonsyou, SumWith(8, 8), otherAijyou, otherShinrei), 28},
      {"5: B5 = A3", self, P(SumWith(8, 8), otherChikaku, otherAijyou, otherShinrei), 21},
      {"6: B8 = A3", self, P(otherHonsyou, otherChikaku, otherAijyou, SumWith(8, 8)), 18},
      {"7: Q = B3", self, P(otherHonsyou, SumWith(7, 3), otherAijyou, otherShinrei), 12},
      {"8: A5 = B3", self, P(SumWith(7, 3), otherChikaku, otherAijyou, otherShinrei), 11},
      {"9: A8 = B3", self, P(otherHonsyou, otherChikaku, otherAijyou, SumWith(7, 3)), 11},
      {"10: Q = A3", self, P(otherHonsyou, SumWith(8, 1), otherAijyou, otherShinrei), 12},
      {"11: A5 = A3", self, P(SumWith(8, 1), otherChikaku, otherAijyou, otherShinrei), 13},
      {"12: A8 = A3", self, P(otherHonsyou, otherChikaku, otherAijyou, SumWith(8, 1)), 14},
      // With 心霊運 = (4, 4) alone line 3 holds (32), but with 地格 outer 5, 6 or 15 the key pair is 心霊運's, so line 1 holds.
      {"key from 心霊運 (地格 outer 5)", P(selfHonsyou, 5, selfAijyou, SumWith(4, 4)), other, 47},
      {"key from 心霊運 (地格 outer 6)", P(selfHonsyou, 6, selfAijyou, SumWith(4, 4)), other, 47},
      {"key from 心霊運 (地格 150, outer 15)", P(selfHonsyou, 150, selfAijyou, SumWith(4, 4)), other, 47},
      {"key from 心霊運 (地格 15 is special, outer 6)", P(selfHonsyou, 15, selfAijyou, SumWith(4, 4)), other, 47},
      {"key from the other's 心霊運 (地格 outer 6)", self, P(otherHonsyou, 6, otherAijyou, SumWith(7, 7)), 47},
      // Both scores add up.
      {"47 + 47", P(selfHonsyou, SumWith(4, 4), selfAijyou, selfShinrei),
       P(otherHonsyou, SumWith(7, 7), otherAijyou, otherShinrei), 94},
      {"14 + 18", P(selfHonsyou, selfChikaku, selfAijyou, SumWith(9, 1)),
       P(otherHonsyou, otherChikaku, otherAijyou, SumWith(8, 8)), 32},
  };
  for (const Case& c : cases) EXPECT_EQ(AffinityPercent(c.self, c.other), c.expected) << "line " << c.line;
}

TEST(AffinityPercent, WorkedPairs) {
  const struct {
    const char* why;
    PairSums self, other;
    int expected;
  } cases[] = {
      {"X = 3 = B7 and P = 8 = B3", P(21, 13, 18, 16), P(43, 35, 3, 55), 94},
      {"mutual, but no line holds", P(21, 13, 18, 16), P(11, 2, 10, 3), 0},
      {"unnamed user: score 2 line 6, B8 = 10 = A3", P(0, 0, 0, 0), P(43, 35, 3, 55), 18},
      {"other's 愛情運 22", P(21, 13, 18, 16), P(43, 35, 22, 55), 0},
      {"equal sums", P(43, 35, 3, 55), P(43, 35, 3, 55), 0},
      {"other person without names", P(21, 13, 18, 16), P(0, 0, 0, 0), 0},
      {"110 row: B1 = A7 = 10 gives 21", P(10, 1, 1, 1), P(110, 120, 130, 140), 21},
      {"110 row with a clash", P(10, 13, 1, 1), P(110, 120, 130, 140), 0},
      {"230: beyond the table, B1 = A7 = 10", P(10, 1, 1, 1), P(230, 230, 230, 230), 21},
  };
  for (const auto& c : cases) EXPECT_EQ(AffinityPercent(c.self, c.other), c.expected) << c.why;
}

}  // namespace
}  // namespace nuvaro::plugins
