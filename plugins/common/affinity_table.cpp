#include "affinity_table.h"

namespace nuvaro::plugins {

// Rows 0, 11 to 14, 16 to 20 and 22 are all zero.
const AffinityRow kAffinityTable[kAffinityRowCount] = {
    {0, {}, {}, {}, {}},
    {1, {1}, {1}, {}, {3}},
    {2, {1, 2, 4}, {1, 4}, {}, {3}},
    {3, {1, 3}, {1, 3}, {3}, {}},
    {4, {4}, {4}, {}, {3}},
    {5, {2, 4, 5, 6, 15}, {4, 5, 6, 15}, {}, {3}},
    {6, {1, 2, 4, 5, 6, 7, 8, 9, 10, 15, 21}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 21}, {}, {3}},
    {7, {7}, {7}, {}, {3}},
    {8, {8}, {8}, {}, {3}},
    {9, {9}, {9}, {}, {3}},
    {10, {1, 10}, {1, 10}, {}, {3}},
    {11, {}, {}, {}, {}},
    {12, {}, {}, {}, {}},
    {13, {}, {}, {}, {}},
    {14, {}, {}, {}, {}},
    {15, {2, 4, 5, 6, 15}, {2, 3, 4, 5, 6, 15}, {}, {3}},
    {16, {}, {}, {}, {}},
    {17, {}, {}, {}, {}},
    {18, {}, {}, {}, {}},
    {19, {}, {}, {}, {}},
    {20, {}, {}, {}, {}},
    {21, {1, 3, 21}, {1, 3, 21}, {3}, {}},
    {22, {}, {}, {}, {}},
};

const AffinityRow& AffinityRowAt(int r) {
  static const AffinityRow kEmptyRow{};
  if (r < 0 || r >= kAffinityRowCount) return kEmptyRow;
  return kAffinityTable[r];
}

bool IsInLists(const AffinityRow& row, int v) {
  return IsInList(row.matchA, v) || IsInList(row.matchB, v) || IsInList(row.matchC, v);
}

bool ClashesWith(const AffinityRow& row, int a, int b) { return ExcludesEither(row.clash, a, b); }

}  // namespace nuvaro::plugins
