// Reading a table at a sum as a record carries it: the row is the sum's ReadingIndex.
#pragma once

#include <cstdint>

#include "number_rules/number_rules.h"
#include "reading_table/reading_table.h"
#include "readings/record_sum.h"

namespace nuvaro::engine {

// The text of the table's row for the sum; the empty text when the row lies above 22.
inline const char* ReadAt(const BuiltReadingTable& table, std::int16_t sum) {
  return ReadingText(table.rows, ReadingIndex(SumOf(sum)));
}

}  // namespace nuvaro::engine
