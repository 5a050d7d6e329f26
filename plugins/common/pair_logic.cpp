#include "pair_logic.h"

#include <algorithm>

#include "affinity_table.h"
#include "number_rules/number_rules.h"

namespace nuvaro::plugins {
namespace {

constexpr int kMaxAffinityPercent = 95;

int Outer(std::uint16_t v) { return ReduceSoulNumber(v).outer; }
int Inner(std::uint16_t v) { return ReduceSoulNumber(v).inner; }

// Inner (A) and outer (B) number of a sum, without the special-number rule.
struct InnerOuter {
  int a;
  int b;
};

InnerOuter Numbers(std::uint16_t v) {
  SoulNumbers numbers = ReduceSoulNumber(v);
  return {numbers.inner, numbers.outer};
}

// A person's numbers as the score table reads them.
struct ScoreNumbers {
  InnerOuter honsyou, chikaku, aijyou, shinrei;
  // The key pair: the 心霊運 pair when the 地格 outer number is 5, 6 or 15, else the 地格 pair.
  InnerOuter Key() const {
    bool useShinrei = chikaku.b == 5 || chikaku.b == 6 || chikaku.b == 15;
    return useShinrei ? shinrei : chikaku;
  }
};

ScoreNumbers ScoreNumbersOf(const PairSums& sums) {
  return {Numbers(sums.honsyou), Numbers(sums.chikaku), Numbers(sums.aijyou), Numbers(sums.shinrei)};
}

// Points of the first line that holds when one person's numbers meet the other's 愛情運
// pair (A, B); 0 when none holds. The line order is the order of preference.
int Score(const ScoreNumbers& person, InnerOuter aijyou) {
  const InnerOuter key = person.Key();
  const struct {
    int mine;
    int theirs;
    int points;
  } lines[] = {
      {key.b, aijyou.b, 47},
      {person.honsyou.b, aijyou.b, 40},
      {person.shinrei.b, aijyou.b, 32},
      {key.b, aijyou.a, 28},
      {person.honsyou.b, aijyou.a, 21},
      {person.shinrei.b, aijyou.a, 18},
      {key.a, aijyou.b, 12},
      {person.honsyou.a, aijyou.b, 11},
      {person.shinrei.a, aijyou.b, 11},
      {key.a, aijyou.a, 12},
      {person.honsyou.a, aijyou.a, 13},
      {person.shinrei.a, aijyou.a, 14},
  };
  for (const auto& line : lines) {
    if (line.mine == line.theirs) return line.points;
  }
  return 0;
}

}  // namespace

PairSums PairSumsOf(const SoulSums& sums) {
  auto u = [](std::int16_t v) { return static_cast<std::uint16_t>(v); };
  return {u(sums.honsyou), u(sums.chikaku), u(sums.aijyou), u(sums.shinrei)};
}

int InnerIndex(std::uint16_t v) { return IsSpecialNumber(v) ? v : Inner(v); }

bool SamePattern(const PairSums& self, const PairSums& other) {
  return Outer(self.honsyou) == Outer(other.honsyou) && Outer(self.chikaku) == Outer(other.chikaku) &&
         Outer(self.aijyou) == Outer(other.aijyou) && Outer(self.shinrei) == Outer(other.shinrei);
}

bool PairTest(const PairSums& self, const PairSums& other) {
  if (SamePattern(self, other)) return false;
  if (other.aijyou == 22) return false;
  const AffinityRow& row = AffinityRowAt(ReadingIndex(other.aijyou));
  if (ClashesWith(row, Outer(self.chikaku), Outer(self.shinrei))) return false;
  if (IsInList(row.matchA, ReadingIndex(self.chikaku))) return true;
  if (IsInList(row.matchB, ReadingIndex(self.honsyou))) return true;
  if (IsInList(row.matchC, ReadingIndex(self.shinrei))) return true;
  return false;
}

bool MutualTest(const PairSums& self, const PairSums& other) {
  if (SamePattern(self, other)) return false;
  if (other.aijyou == 22) return false;
  const int r1 = ReadingIndex(other.aijyou);
  const int r2 = InnerIndex(other.aijyou);
  const AffinityRow& row1 = AffinityRowAt(r1);
  const AffinityRow& row2 = AffinityRowAt(r2);
  // Only a multiple of ten from 110 up gets past the first look-up: its row r1 is empty.
  if (IsInLists(row1, r1)) return true;
  if (ClashesWith(row2, Outer(self.chikaku), Outer(self.shinrei))) return false;
  if (IsInLists(row2, r1)) return true;
  if (ClashesWith(row1, Inner(self.chikaku), Outer(self.shinrei))) return false;
  if (IsInLists(row1, r2)) return true;
  if (ClashesWith(row2, Inner(self.chikaku), Outer(self.shinrei))) return false;
  if (IsInLists(row2, r2)) return true;
  return false;
}

int AffinityPercent(const PairSums& self, const PairSums& other) {
  if (!MutualTest(self, other)) return 0;
  const ScoreNumbers mine = ScoreNumbersOf(self);
  const ScoreNumbers theirs = ScoreNumbersOf(other);
  return std::min(Score(mine, theirs.aijyou) + Score(theirs, mine.aijyou), kMaxAffinityPercent);
}

}  // namespace nuvaro::plugins
