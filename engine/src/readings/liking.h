// Whether one person likes another, and how strongly, from four sums of each: the
// liking test and score behind the compatibility readings and the love tactics.
#pragma once

#include <cstdint>

#include "readings/record_sum.h"

namespace nuvaro::engine {

// The four sums a pair reading takes from each person, as the unsigned 16-bit values the
// number rules read.
struct FourSums {
  std::uint16_t honsyou = 0;  // 本性
  std::uint16_t chikaku = 0;  // 地格
  std::uint16_t aijyou = 0;   // 愛情運
  std::uint16_t shinrei = 0;  // 心霊運
};

// The asker's (self*) and the partner's (partner*) four sums of a reading record.
template <typename Record>
FourSums SelfSumsOf(const Record& r) {
  return {SumOf(r.selfHonsyou), SumOf(r.selfChikaku), SumOf(r.selfAijyou), SumOf(r.selfShinrei)};
}
template <typename Record>
FourSums PartnerSumsOf(const Record& r) {
  return {SumOf(r.partnerHonsyou), SumOf(r.partnerChikaku), SumOf(r.partnerAijyou), SumOf(r.partnerShinrei)};
}

// One row of the liking table: the numbers of the first person that the second person
// likes, by the second person's 愛情運 row. Lists are filled up with 0 and the fill counts
// as an entry; the exclusion list is read up to its first 0.
struct LikingRow {
  std::int16_t row;
  std::int8_t listA[13];      // 地格 indexes
  std::int8_t listB[13];      // 本性 indexes
  std::int8_t listC[2];       // 心霊運 indexes
  std::int8_t exclusion[2];   // outer numbers of 地格 or 心霊運 that rule liking out
};

inline constexpr int kLikingRowCount = 23;
extern const LikingRow kLikingTable[kLikingRowCount];

// Row index of the liking table; an all-zero row for an index outside 0 to 22.
const LikingRow& LikingRowAt(int index);

// Whether q likes p.
bool IsLiked(const FourSums& p, const FourSums& q);

// p's score towards q, 0 to 180: 0 unless q likes p, else points for p's 愛情運 numbers
// meeting q's 本性 and 地格 numbers.
int AffinityScore(const FourSums& p, const FourSums& q);

}  // namespace nuvaro::engine
