// Which of the user's numbers draw the other person, by the other person's row: the
// table behind the pair tests of every reading plug-in.
#pragma once

#include <cstddef>
#include <cstdint>

#include "number_rules/filled_lists.h"

namespace nuvaro::plugins {

inline constexpr int kAffinityRowCount = 23;

// One row, 32 bytes. Lists are filled up with 0, so the index 0 (a sum of 0) is in the
// lists of every row; clash is read in order up to its first 0.
struct AffinityRow {
  std::int16_t key;  // equals the row number
  std::int8_t matchA[13];
  std::int8_t matchB[13];
  std::int8_t matchC[2];
  std::int8_t clash[2];
};
static_assert(sizeof(AffinityRow) == 32, "an affinity row is 32 bytes");
static_assert(offsetof(AffinityRow, matchA) == 2 && offsetof(AffinityRow, matchB) == 15 &&
                  offsetof(AffinityRow, matchC) == 28 && offsetof(AffinityRow, clash) == 30,
              "affinity row layout");

extern const AffinityRow kAffinityTable[kAffinityRowCount];

// Row r of the table; an all-zero row for r outside 0 to 22 (like the empty rows 11 to 14).
const AffinityRow& AffinityRowAt(int r);

// True when v equals an entry of matchA, matchB or matchC of the row, the 0 fill included.
bool IsInLists(const AffinityRow& row, int v);

// True when v equals an entry of one list, the 0 fill included (the rule the engine's
// tables share).
template <std::size_t N>
bool IsInList(const std::int8_t (&list)[N], int v) {
  return IsInFilledList(list, v);
}

// True when an entry of the row's clash list (up to its first 0) equals a or b.
bool ClashesWith(const AffinityRow& row, int a, int b);

}  // namespace nuvaro::plugins
