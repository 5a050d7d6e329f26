#include "readings/liking.h"

#include "number_rules/filled_lists.h"
#include "number_rules/number_rules.h"

namespace nuvaro::engine {
namespace {

int Outer(std::uint16_t sum) { return ReduceSoulNumber(sum).outer; }

bool SameOuterNumbers(const FourSums& p, const FourSums& q) {
  return Outer(p.honsyou) == Outer(q.honsyou) && Outer(p.chikaku) == Outer(q.chikaku) &&
         Outer(p.aijyou) == Outer(q.aijyou) && Outer(p.shinrei) == Outer(q.shinrei);
}

constexpr std::uint16_t kDevilsNumber = 22;

}  // namespace

// Rows 0, 11 to 14, 16 to 20 and 22 are all zero; rows 5, 6 and 15 are alike.
const LikingRow kLikingTable[kLikingRowCount] = {
    {0, {}, {}, {}, {}},
    {1, {1}, {1}, {}, {3}},
    {2, {1, 2, 4}, {1, 4}, {}, {3}},
    {3, {1, 3}, {1, 3}, {3}, {}},
    {4, {4}, {4}, {}, {3}},
    {5, {1, 2, 4, 5, 6, 7, 8, 9, 10, 15, 21}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 21}, {}, {3}},
    {6, {1, 2, 4, 5, 6, 7, 8, 9, 10, 15, 21}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 21}, {}, {3}},
    {7, {7}, {7}, {}, {3}},
    {8, {8}, {8}, {}, {3}},
    {9, {9}, {9}, {}, {3}},
    {10, {1, 10}, {1, 10}, {}, {3}},
    {11, {}, {}, {}, {}},
    {12, {}, {}, {}, {}},
    {13, {}, {}, {}, {}},
    {14, {}, {}, {}, {}},
    {15, {1, 2, 4, 5, 6, 7, 8, 9, 10, 15, 21}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 21}, {}, {3}},
    {16, {}, {}, {}, {}},
    {17, {}, {}, {}, {}},
    {18, {}, {}, {}, {}},
    {19, {}, {}, {}, {}},
    {20, {}, {}, {}, {}},
    {21, {3, 21}, {3, 21}, {3}, {}},
    {22, {}, {}, {}, {}},
};

const LikingRow& LikingRowAt(int index) {
  static constexpr LikingRow kAllZero{};
  if (index < 0 || index >= kLikingRowCount) return kAllZero;
  return kLikingTable[index];
}

bool IsLiked(const FourSums& p, const FourSums& q) {
  if (SameOuterNumbers(p, q)) return false;
  if (q.aijyou == kDevilsNumber) return false;
  const LikingRow& row = LikingRowAt(ReadingIndex(q.aijyou));
  if (ExcludesEither(row.exclusion, Outer(p.chikaku), Outer(p.shinrei))) return false;
  return IsInFilledList(row.listA, ReadingIndex(p.chikaku)) || IsInFilledList(row.listB, ReadingIndex(p.honsyou)) ||
         IsInFilledList(row.listC, ReadingIndex(p.shinrei));
}

int AffinityScore(const FourSums& p, const FourSums& q) {
  if (!IsLiked(p, q)) return 0;
  // Plain reduced numbers here: a 22 counts as outer 2, inner 4.
  const SoulNumbers mine = ReduceSoulNumber(p.aijyou);
  const SoulNumbers theirHonsyou = ReduceSoulNumber(q.honsyou);
  const SoulNumbers theirChikaku = ReduceSoulNumber(q.chikaku);
  int score = 0;
  if (mine.outer == theirHonsyou.outer) score += 50;
  if (mine.outer == theirChikaku.outer) score += 50;
  if (mine.inner == theirHonsyou.outer) score += 30;
  if (mine.inner == theirChikaku.outer) score += 30;
  if (mine.inner == theirHonsyou.inner) score += 10;
  if (mine.inner == theirChikaku.inner) score += 10;
  return score;
}

}  // namespace nuvaro::engine
