#include "readings/work_support.h"

#include "number_rules/filled_lists.h"
#include "number_rules/number_rules.h"

namespace nuvaro::engine {
// Rows 0, 11 to 14 and 16 to 20 are empty; rows 5, 6 and 15 are alike.
const WorkSupportRow kWorkSupportTable[kWorkSupportRowCount] = {
    {0, {}, {}},
    {1, {1, 2, 3, 4, 8, 10, 21}, {1, 3, 7, 8, 10, 21}},
    {2, {1, 2, 3, 4, 7, 8, 9, 10, 21}, {1, 3, 7, 8, 15, 10, 21}},
    {3, {1, 3, 4, 8, 10, 21}, {1, 7, 8, 10}},
    {4, {1, 2, 4, 8, 10}, {1, 7, 8, 10, 15}},
    {5, {1, 2, 4, 7, 8, 9, 10}, {1, 4, 7, 8, 10, 15}},
    {6, {1, 2, 4, 7, 8, 9, 10}, {1, 4, 7, 8, 10, 15}},
    {7, {1, 2, 4, 7, 9, 10, 21}, {1, 3, 7, 8, 10, 15, 21}},
    {8, {1, 2, 4, 7, 8, 9, 10, 21}, {1, 3, 7, 8, 10, 15}},
    {9, {1, 2, 7, 8, 9}, {1, 7, 8, 9}},
    {10, {1, 2, 3, 4, 8, 10, 21}, {1, 3, 7, 8, 10, 21}},
    {11, {}, {}},
    {12, {}, {}},
    {13, {}, {}},
    {14, {}, {}},
    {15, {1, 2, 4, 7, 8, 9, 10}, {1, 4, 7, 8, 10, 15}},
    {16, {}, {}},
    {17, {}, {}},
    {18, {}, {}},
    {19, {}, {}},
    {20, {}, {}},
    {21, {1, 2, 3, 8, 10, 21}, {1, 3, 7, 8, 10, 21}},
    {22, {1, 7, 10, 21}, {1, 3, 7, 8, 10, 21}},
};

bool WorkSupport(std::uint16_t work, std::uint16_t honsyou, std::uint16_t shinrei) {
  const int index = ReadingIndex(work);
  if (index < 0 || index >= kWorkSupportRowCount) return false;
  // Compared by outer numbers only; the outer number of 150 is 15 and of 210 is 21.
  const WorkSupportRow& row = kWorkSupportTable[index];
  return IsInFilledList(row.honsyouList, ReduceSoulNumber(honsyou).outer) ||
         IsInFilledList(row.shinreiList, ReduceSoulNumber(shinrei).outer);
}

}  // namespace nuvaro::engine
