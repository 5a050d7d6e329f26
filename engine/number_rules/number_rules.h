// The number rules every reading shares: the reduction of a sum to its inner number
// (内数) and outer number (外数), the special numbers 15, 21 and 22, and the row index of
// a 23-row reading table. The engine and the plug-ins link this one copy
// (target NuvaroNumberRules; include as "number_rules/number_rules.h").
#pragma once

#include <cstdint>

namespace nuvaro {

// The two numbers a sum folds into.
struct SoulNumbers {
  std::uint16_t inner;  // 内数
  std::uint16_t outer;  // 外数
};

// The inner and outer numbers of a sum. Special numbers get no special treatment here:
// 22 gives inner 4, outer 2. A sum of 0 gives inner 10, outer 0; a multiple of ten from
// 110 up has an outer number of 11 or more (110 gives 11, 230 gives 23).
SoulNumbers ReduceSoulNumber(std::uint16_t value) noexcept;

// True for exactly 15, 21 and 22.
bool IsSpecialNumber(int number) noexcept;

// The row of a 23-row reading table for a sum: the sum itself when it is special, else
// its outer number. The result can lie above 22 (sums of 230, 240, ...): callers check
// it against their table size.
int ReadingIndex(std::uint16_t value) noexcept;

}  // namespace nuvaro
