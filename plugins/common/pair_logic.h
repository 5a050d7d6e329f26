// The pair tests and the score shared by all reading plug-ins: how the other person
// stands towards the user, from four sums of each (本性, 地格, 愛情運, 心霊運).
#pragma once

#include <cstdint>

#include "nuvaro_plugin.h"

namespace nuvaro::plugins {

// The four sums a reading uses, as the unsigned 16-bit values the number rules take.
struct PairSums {
  std::uint16_t honsyou = 0;
  std::uint16_t chikaku = 0;
  std::uint16_t aijyou = 0;
  std::uint16_t shinrei = 0;
};

PairSums PairSumsOf(const SoulSums& sums);

// v itself for the special numbers 15, 21 and 22, else the inner number of v.
int InnerIndex(std::uint16_t v);

// The outer numbers of all four sums agree.
bool SamePattern(const PairSums& self, const PairSums& other);

// The one-way test: the other person is drawn to the user.
bool PairTest(const PairSums& self, const PairSums& other);

// The both-ways test that gates the percentage.
bool MutualTest(const PairSums& self, const PairSums& other);

// 愛情度, 0 to 95: 0 unless MutualTest holds, else the two scores added.
int AffinityPercent(const PairSums& self, const PairSums& other);

}  // namespace nuvaro::plugins
